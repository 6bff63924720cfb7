// SPDX-License-Identifier: MIT
#include "Today.h"

#include "NumberReading.h"
#include "daybridge.h"

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

int32_t ReadNumber(std::string_view text) { return WholeNumber(LeadingNumber(text)); }

}  // namespace

TodayDate GetTodayDate(std::string_view text)
{
    TodayDate today;
    CalendarDate &date = today.date;
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
    // Straight to the library, which leaves the zeroed JDN alone when the numbers are no date.
    EuroDate record{date.year, date.month, date.day, DAYBRIDGE_GREGORIAN, 0, 0};
    euro_date_to_jdn(&record);
    today.jdn = record.jdn;
    return today;
}

int32_t TodayJDN(std::string_view shortDateText) { return GetTodayDate(shortDateText).jdn; }

}  // namespace vardex
