// SPDX-License-Identifier: MIT
#include "SystemClock.h"

#include <QDate>
#include <QString>

namespace vardex {

std::string SystemClock::ShortDateText() const
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

}  // namespace vardex
