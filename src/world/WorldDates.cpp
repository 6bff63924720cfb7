// SPDX-License-Identifier: MIT
#include "WorldDates.h"

#include "IcuCalendars.h"
#include "daybridge_algorithms.hpp"
#include "engine/Calendars.h"
#include "engine/TextForms.h"

namespace vardex {

namespace {

constexpr int32_t kJapaneseGregorianJdn = 2405160;  // 1 January 1873
constexpr int32_t kMeijiEra = 232;                  // ICU's number of the first era since 1873
constexpr int32_t kShixianReformJdn = 2321885;      // 1 January 1645 (Gregorian)
constexpr int32_t kLastChineseJdn = 2488434;        // 31 December 2100

// 1 January of the Gregorian year of the day; nothing in the first year of the range, which begins
// before the first JDN.
std::optional<int32_t> January1(int32_t jdn, int32_t &year)
{
    year = JDNToDate(Calendar::Gregorian, jdn, {}).year;
    return DateToJDN(Calendar::Gregorian, {year, 1, 1}, {});
}

std::optional<IsoWeekDate> IsoWeekOf(int32_t jdn)
{
    const int32_t weekday = (DayOfWeek(jdn) + 6) % 7 + 1;  // Monday = 1
    int32_t year = 0;
    const std::optional<int32_t> january1 = January1(jdn, year);
    if (!january1)
        return std::nullopt;
    // The week's Thursday decides its year. It may lie up to three days beyond the last JDN, so it is
    // counted from 1 January of the day's year, and moved into the year before or after by their
    // lengths alone.
    const auto yearLength = [](int32_t y) { return daybridge::algo::IsGregorianLeapYear(y) ? 366 : 365; };
    int32_t isoYear = year;                                     // a year of the int32 JDNs, or one beside it
    int64_t thursday = int64_t{jdn} - *january1 + 4 - weekday;  // [-3, 368]
    if (thursday < 0) {
        --isoYear;
        thursday += yearLength(isoYear);
    } else if (thursday >= yearLength(isoYear)) {
        thursday -= yearLength(isoYear);
        ++isoYear;
    }
    return IsoWeekDate{isoYear, static_cast<int32_t>(thursday / 7 + 1), weekday};
}

std::optional<YearDay> DayOfYearOf(int32_t jdn)
{
    int32_t year = 0;
    const std::optional<int32_t> january1 = January1(jdn, year);
    if (!january1)
        return std::nullopt;
    return YearDay{year, int64_t{jdn} - *january1 + 1};
}

std::optional<MonthDate> HebrewDateOf(int32_t jdn)
{
    const std::optional<HebrewDate> d = HebrewOf(jdn);
    if (!d)
        return std::nullopt;
    return MonthDate{d->year, d->month, d->day, 0, IsHebrewLeapYear(d->year)};
}

// A calendar counted from its year 1 (its extended year, across its eras), within the JDNs given.
std::optional<MonthDate> FromYearOne(IcuCalendar calendar, int32_t jdn, int32_t firstJdn = INT32_MIN,
                                     int32_t lastJdn = INT32_MAX)
{
    const std::optional<IcuDate> d =
        jdn < firstJdn || jdn > lastJdn ? std::nullopt : IcuDateOf(calendar, jdn);
    if (!d || d->extendedYear < 1)
        return std::nullopt;
    return MonthDate{d->extendedYear, d->month + 1, d->day};
}

// A calendar counted from its era's year 1 (ICU's era 1), the era before it out of range.
std::optional<MonthDate> FromEraOne(IcuCalendar calendar, int32_t jdn)
{
    const std::optional<IcuDate> d = IcuDateOf(calendar, jdn);
    if (!d || d->era != 1)
        return std::nullopt;
    return MonthDate{d->year, d->month + 1, d->day};
}

std::optional<ChineseDate> ChineseOf(int32_t jdn)
{
    // The calendar as reformed in 1645 and published for the years to 2100; ICU's astronomy
    // computes it by today's rules, which earlier centuries did not follow. Checked first: the
    // astronomy is the costly part.
    if (jdn < kShixianReformJdn || jdn > kLastChineseJdn)
        return std::nullopt;
    const std::optional<IcuDate> d = IcuDateOf(IcuCalendar::Chinese, jdn);
    if (!d)
        return std::nullopt;
    return ChineseDate{d->era, d->year, d->month + 1, d->leapMonth, d->day};
}

// From Meiji, the era in which Japan took up the Gregorian calendar (1873).
std::optional<MonthDate> JapaneseOf(int32_t jdn)
{
    const std::optional<IcuDate> d = IcuDateOf(IcuCalendar::Japanese, jdn);
    if (!d || jdn < kJapaneseGregorianJdn || d->era < kMeijiEra || d->era >= kMeijiEra + kJapaneseEraCount)
        return std::nullopt;
    return MonthDate{d->year, d->month + 1, d->day, d->era - kMeijiEra};
}

// Both eras, the years before Minguo 1 (1912) counted back, from ICU's first day.
std::optional<MonthDate> RocOf(int32_t jdn)
{
    const std::optional<IcuDate> d = IcuDateOf(IcuCalendar::Roc, jdn);
    if (!d)
        return std::nullopt;
    return MonthDate{d->year, d->month + 1, d->day, d->era == 1 ? kMinguo : kBeforeMinguo};
}

// From 1 BE.
std::optional<MonthDate> BuddhistOf(int32_t jdn)
{
    const std::optional<IcuDate> d = IcuDateOf(IcuCalendar::Buddhist, jdn);
    if (!d || d->year < 1)
        return std::nullopt;
    return MonthDate{d->year, d->month + 1, d->day};
}

std::optional<MonthDate> FrenchRepublicanDateOf(int32_t jdn)
{
    const std::optional<FrenchRepublicanDate> d = FrenchRepublicanOf(jdn);
    if (!d)
        return std::nullopt;
    return MonthDate{d->year, d->month, d->day, 0, d->leapYear};
}

}  // namespace

WorldDates WorldDatesOf(int32_t jdn, DeeVariant variant)
{
    const int64_t day = jdn;
    WorldDates d;
    d.weekday = DayOfWeek(jdn);
    d.gregorian = JDNToDate(Calendar::Gregorian, jdn, variant);
    d.julian = JDNToDate(Calendar::Julian, jdn, variant);
    d.dee = JDNToDate(Calendar::Dee, jdn, variant);
    d.isoWeek = IsoWeekOf(jdn);
    d.dayOfYear = DayOfYearOf(jdn);
    d.hebrew = HebrewDateOf(jdn);
    d.islamicCivil = FromYearOne(IcuCalendar::IslamicCivil, jdn);
    // Umm al-Qura as published, 1 Muharram 1300 to 30 Dhu al-Hijjah 1600 AH; beyond, ICU falls back on
    // the tabular calendar, slowly.
    d.islamicUmmAlQura =
        FromYearOne(IcuCalendar::IslamicUmmAlQura, jdn, kFirstUmmAlQuraJdn, kLastUmmAlQuraJdn);
    d.persian = FromYearOne(IcuCalendar::Persian, jdn);
    d.chinese = ChineseOf(jdn);
    d.coptic = FromEraOne(IcuCalendar::Coptic, jdn);
    d.ethiopian = FromEraOne(IcuCalendar::Ethiopic, jdn);
    d.indian = FromYearOne(IcuCalendar::Indian, jdn);
    d.japanese = JapaneseOf(jdn);
    d.roc = RocOf(jdn);
    d.buddhist = BuddhistOf(jdn);
    d.frenchRepublican = FrenchRepublicanDateOf(jdn);
    d.mayan = MayanOf(jdn);
    d.julianDateHalfDays = 2 * day - 1;
    d.modifiedJulianDate = day - 2400001;
    d.rataDie = day - 1721425;
    d.lilianDay = day - 2299160;
    d.unixTime = (day - 2440588) * 86400;
    return d;
}

}  // namespace vardex
