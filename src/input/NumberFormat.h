// SPDX-License-Identifier: MIT
// The one object that decides how the program writes numbers: digits grouped by thousands and a
// decimal point. The windows follow the user's region; vardex-cli always writes commas and a full
// stop, so that scripts read the same output everywhere.
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace vardex {

class NumberFormat {
public:
    // The user's regional format (QLocale()); the plain "C" locale has no grouping of its own and
    // is read as English, the format the program's texts are written for.
    static NumberFormat Regional();

    // English: "1,234,567" and "2,460,389.6295", whatever the locale.
    static NumberFormat Commas();

    // 1234567 -> "1,234,567"; -2147483648 -> "-2,147,483,648".
    QString Grouped(int64_t value) const;

    // value with exactly `decimals` decimals, the whole part grouped: "2,460,389.6234".
    QString Decimal(double value, int decimals) const;

private:
    explicit NumberFormat(QLocale locale);
    QLocale locale_;
};

}  // namespace vardex
