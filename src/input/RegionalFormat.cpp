#include "RegionalFormat.h"

namespace vardex {

QLocale RegionalLocale()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale;
}

QString ThousandsSeparator() { return RegionalLocale().groupSeparator(); }

QString GroupedNumber(int64_t value) { return RegionalLocale().toString(static_cast<qlonglong>(value)); }

QString GroupedDecimal(double value, int decimals) { return RegionalLocale().toString(value, 'f', decimals); }

}  // namespace vardex
