// SPDX-License-Identifier: MIT
#include "SystemClock.h"

#include <QDate>
#include <QDateTime>
#include <QString>

namespace vardex {

std::string SystemClock::ShortDateText() const
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

int64_t SystemClock::UtcSeconds() const { return QDateTime::currentSecsSinceEpoch(); }

}  // namespace vardex
