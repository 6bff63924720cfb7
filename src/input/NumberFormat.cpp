// SPDX-License-Identifier: MIT
#include "NumberFormat.h"

#include <utility>

namespace vardex {

NumberFormat::NumberFormat(QLocale locale) : locale_(std::move(locale))
{
    locale_.setNumberOptions(locale_.numberOptions() & ~QLocale::OmitGroupSeparator);
}

NumberFormat NumberFormat::Regional()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return NumberFormat(locale);
}

NumberFormat NumberFormat::Commas() { return NumberFormat(QLocale(QLocale::English, QLocale::UnitedStates)); }

QString NumberFormat::Grouped(int64_t value) const { return locale_.toString(static_cast<qlonglong>(value)); }

QString NumberFormat::Decimal(double value, int decimals) const
{
    return locale_.toString(value, 'f', decimals);
}

}  // namespace vardex
