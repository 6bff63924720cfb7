#include "Numbers.h"

#include <cmath>

#include "engine/TextForms.h"

namespace vardex {

namespace {

constexpr double kCap = 1e300;  // beyond every value a caller compares with, and still finite

void SkipBlanks(const QString &s, qsizetype &i)
{
    while (i < s.size() && s[i] == u' ')
        ++i;
}

}  // namespace

double LeadingNumber(const QString &s)
{
    qsizetype i = 0;
    SkipBlanks(s, i);
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    double value = 0;
    bool inFraction = false;
    double scale = 0.1;  // place value of the next digit of the fraction
    for (; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u' ')
            continue;
        if (c == u'.' && !inFraction) {
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        if (!inFraction) {
            value = std::min(value * 10 + digit, kCap);
        } else {
            value += digit * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

std::optional<int32_t> ToInt32(double value)
{
    const double whole = RoundHalfEven(value);
    if (!(whole >= INT32_MIN && whole <= INT32_MAX))
        return std::nullopt;
    return static_cast<int32_t>(whole);
}

int32_t WholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    return ToInt32(value).value_or(value < 0 ? INT32_MIN : INT32_MAX);
}

}  // namespace vardex
