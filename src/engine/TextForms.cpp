// SPDX-License-Identifier: MIT
#include "TextForms.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "NumberReading.h"
#include "daybridge.h"

namespace vardex {

namespace {

// "HH:MM" of the fraction of a day, or "XX:XX:XX" outside [0, 1) or for NaN.
std::string DayFractionToTime(double fraction)
{
    if (!(fraction >= 0.0 && fraction < 1.0))  // NaN fails both tests
        return "XX:XX:XX";
    if (fraction > 0.0 && fraction < 0.99999999)
        fraction += 1e-8;  // so that 0.5 - 1 ulp still reads 12:00
    auto seconds = static_cast<int32_t>(std::floor(fraction * 86400.0));
    if (seconds == 86400)
        seconds = 86399;
    const int32_t totalMinutes = seconds / 60;
    return TwoDigits(totalMinutes / 60) + ":" + TwoDigits(totalMinutes % 60);
}

}  // namespace

std::string TwoDigits(int32_t value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", static_cast<int>(value));
    return buffer;
}

int16_t DayOfWeek(int32_t jdn) { return static_cast<int16_t>(euro_day_of_week(jdn)); }

std::string WeekdayText(int16_t weekday)
{
    static constexpr std::array<const char *, 7> kNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                           "Thursday", "Friday", "Saturday"};
    if (weekday < 0 || weekday > 6)
        return {};
    return kNames[static_cast<size_t>(weekday)];
}

std::string FormatDate(const CalendarDate &date, std::string_view separator,
                       std::string_view thousandsSeparator)
{
    std::string year = std::to_string(date.year);
    if (date.year > 9999 || date.year < -9999)
        year = SeparateThousands(year, thousandsSeparator);
    std::string text = year;
    text += separator;
    text += TwoDigits(date.month);
    text += separator;
    text += TwoDigits(date.day);
    return text;
}

std::string SeparateThousands(std::string_view number, std::string_view separator)
{
    if (separator.empty())
        return std::string(number);
    const std::string input(number);  // the library wants a NUL-terminated text
    std::string buffer(20, ' ');
    separate_thousands(input.c_str(), static_cast<unsigned char>(separator.front()), buffer.data());
    buffer.erase(std::find(buffer.begin(), buffer.end(), '\0'), buffer.end());  // its text ends at a NUL
    return buffer;
}

std::string TimeOfDayText(double dayNumber) { return DayFractionToTime(dayNumber - std::floor(dayNumber)); }

void RoundToMinute(double &dayNumber)
{
    const double whole = std::floor(dayNumber);
    if (!(whole >= INT32_MIN && whole <= INT32_MAX))  // NaN, infinities, beyond any JDN
        return;
    auto day = static_cast<int32_t>(whole);
    const double fraction = dayNumber - whole;  // [0, 1)
    if (fraction == 0.0)
        return;
    const auto seconds = static_cast<int32_t>(RoundHalfEven(fraction * 86400.0));  // [0, 86400]
    int32_t minutes = seconds / 60;
    if (seconds % 60 > 30)
        ++minutes;
    if (minutes >= 1440) {
        minutes = 0;
        if (day == INT32_MAX)
            return;
        ++day;
    }
    dayNumber = day + minutes / 1440.0;
}

}  // namespace vardex
