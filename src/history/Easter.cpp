// SPDX-License-Identifier: MIT
#include "Easter.h"

namespace vardex {

namespace {

// Euclidean remainder: the computus counts cycles from year 0 on, also for years before it.
constexpr int64_t Mod(int64_t a, int64_t n) { return (a % n + n) % n; }
constexpr int64_t Div(int64_t a, int64_t n) { return (a - Mod(a, n)) / n; }

CalendarDate FromDaysAfterMarch22(int64_t days, int32_t year)
{
    // days 0..34: 22 March .. 25 April
    return days < 10 ? CalendarDate{year, 3, static_cast<int32_t>(22 + days)}
                     : CalendarDate{year, 4, static_cast<int32_t>(days - 9)};
}

}  // namespace

CalendarDate JulianEaster(int32_t year)
{
    // Meeus, Astronomical Algorithms, chapter 8: the Julian computus.
    const int64_t a = Mod(year, 4), b = Mod(year, 7), c = Mod(year, 19);
    const int64_t d = Mod(19 * c + 15, 30);            // days from 21 March to the Paschal full moon
    const int64_t e = Mod(2 * a + 4 * b - d + 34, 7);  // then to the Sunday after it
    return FromDaysAfterMarch22(d + e, year);
}

CalendarDate GregorianEaster(int32_t year)
{
    // The "anonymous Gregorian algorithm" (Meeus, chapter 8), with Euclidean division so that it
    // holds for every year.
    const int64_t y = year;
    const int64_t a = Mod(y, 19), b = Div(y, 100), c = Mod(y, 100);
    const int64_t d = Div(b, 4), e = Mod(b, 4), f = Div(b + 8, 25), g = Div(b - f + 1, 3);
    const int64_t h = Mod(19 * a + b - d - g + 15, 30);
    const int64_t i = Div(c, 4), k = Mod(c, 4);
    const int64_t l = Mod(32 + 2 * e + 2 * i - h - k, 7);
    const int64_t m = Div(a + 11 * h + 22 * l, 451);
    const int64_t daysAfterMarch22 = h + l - 7 * m;  // 0..34
    return FromDaysAfterMarch22(daysAfterMarch22, year);
}

}  // namespace vardex
