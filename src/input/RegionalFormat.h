// Numbers in the user's regional format: digits grouped by thousands with the locale's
// separator. The plain "C" locale has no grouping of its own, so it is read as English (comma
// and full stop), the format the program's texts are written for.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace vardex {

// The locale used for every number the program shows (QLocale() unless that is "C").
QLocale RegionalLocale();

// The thousands separator of RegionalLocale(), such as "," or ".".
QString ThousandsSeparator();

// 1234567 -> "1,234,567"; -2147483648 -> "-2,147,483,648".
QString GroupedNumber(int64_t value);

// value with exactly `decimals` decimals, the whole part grouped: "2,460,389.6234".
QString GroupedDecimal(double value, int decimals);

}  // namespace vardex
