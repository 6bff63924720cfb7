#include "Today.h"

#include <cmath>
#include <string_view>

#include "TextForms.h"

namespace vardex {

namespace {

// Characters first..last (1-based, inclusive, last 0 = to the end) of text, clipped to its length.
std::string_view Characters(std::string_view text, size_t first, size_t last = 0)
{
    if (first > text.size())
        return {};
    const size_t count = last == 0 ? std::string_view::npos : last - first + 1;
    return text.substr(first - 1, count);
}

// Leading blanks skipped, then an optional sign and the longest run of digits; 0 when there is
// none. Saturates instead of overflowing.
int32_t ReadNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    double value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    value = RoundHalfEven(negative ? -value : value);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

}  // namespace

void GetTodayDate(EuroDate &date, const Clock &clock)
{
    const std::string text = clock.ShortDateText();
    const std::string_view third = Characters(text, 3, 3);
    if (third == "-" || third == "/" || third == ".") {
        date.month = ReadNumber(Characters(text, 1, 2));
        date.day = ReadNumber(Characters(text, 4, 5));
        date.year = ReadNumber(Characters(text, 7));
    } else {
        date.year = ReadNumber(Characters(text, 1, 4));
        date.month = ReadNumber(Characters(text, 6, 7));
        date.day = ReadNumber(Characters(text, 9, 10));
    }
    date.calendar = kCalendarGregorian;
    euro_date_to_jdn(&date);
}

int32_t TodayJDN(const Clock &clock)
{
    EuroDate date{};
    GetTodayDate(date, clock);
    return date.jdn;
}

}  // namespace vardex
