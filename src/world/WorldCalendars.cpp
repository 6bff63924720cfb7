// SPDX-License-Identifier: MIT
#include "WorldCalendars.h"

#include <array>
#include <optional>

#include "HandCalendars.h"
#include "IcuCalendars.h"
#include "daybridge_algorithms.hpp"
#include "engine/Calendars.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "input/DateTexts.h"

namespace vardex {

namespace {

// The English names, one common spelling per calendar, by the month's number in the JSON.
using Names12 = std::array<const char *, 12>;
using Names13 = std::array<const char *, 13>;
const Names13 kHebrewMonths = {"Nisan",   "Iyyar",  "Sivan", "Tammuz", "Av",   "Elul",   "Tishrei",
                               "Heshvan", "Kislev", "Tevet", "Shevat", "Adar", "Adar II"};
const Names12 kIslamicMonths = {
    "Muharram", "Safar",  "Rabi al-Awwal", "Rabi al-Thani", "Jumada al-Ula", "Jumada al-Akhirah",
    "Rajab",    "Shaban", "Ramadan",       "Shawwal",       "Dhu al-Qadah",  "Dhu al-Hijjah"};
const Names12 kPersianMonths = {"Farvardin", "Ordibehesht", "Khordad", "Tir", "Mordad", "Shahrivar",
                                "Mehr",      "Aban",        "Azar",    "Dey", "Bahman", "Esfand"};
const Names13 kCopticMonths = {"Thout",  "Paopi",    "Hathor",        "Koiak",   "Tobi",
                               "Meshir", "Paremhat", "Parmouti",      "Pashons", "Paoni",
                               "Epip",   "Mesori",   "Pi Kogi Enavot"};
const Names13 kEthiopianMonths = {"Meskerem", "Tikimt", "Hidar", "Tahsas", "Tir",    "Yekatit", "Megabit",
                                  "Miyazya",  "Ginbot", "Sene",  "Hamle",  "Nehase", "Pagume"};
const Names12 kIndianMonths = {"Chaitra", "Vaishakha", "Jyeshtha",   "Ashadha", "Shravana", "Bhadra",
                               "Ashvin",  "Kartika",   "Agrahayana", "Pausha",  "Magha",    "Phalguna"};
const Names13 kFrenchMonths = {"Vendémiaire", "Brumaire",  "Frimaire",      "Nivôse",   "Pluviôse",
                               "Ventôse",     "Germinal",  "Floréal",       "Prairial", "Messidor",
                               "Thermidor",   "Fructidor", "Sansculottides"};
const std::array<const char *, 20> kTzolkin = {
    "Imix",   "Ikʼ", "Akʼbʼal", "Kʼan", "Chikchan", "Kimi",  "Manikʼ", "Lamat",    "Muluk", "Ok",
    "Chuwen", "Ebʼ", "Bʼen",    "Ix",   "Men",      "Kʼibʼ", "Kabʼan", "Etzʼnabʼ", "Kawak", "Ajaw"};
const std::array<const char *, 19> kHaab = {"Pop",   "Woʼ",   "Sip",     "Sotzʼ",  "Sek",   "Xul", "Yaxkʼin",
                                            "Mol",   "Chʼen", "Yax",     "Sakʼ",   "Keh",   "Mak", "Kʼankʼin",
                                            "Muwan", "Pax",   "Kʼayabʼ", "Kumkʼu", "Wayebʼ"};
const std::array<const char *, 10> kStems = {"Jia", "Yi",   "Bing", "Ding", "Wu",
                                             "Ji",  "Geng", "Xin",  "Ren",  "Gui"};
const std::array<const char *, 12> kBranches = {"Zi", "Chou", "Yin",  "Mao", "Chen", "Si",
                                                "Wu", "Wei",  "Shen", "You", "Xu",   "Hai"};
const std::array<const char *, 12> kAnimals = {"Rat",   "Ox",   "Tiger",  "Rabbit",  "Dragon", "Snake",
                                               "Horse", "Goat", "Monkey", "Rooster", "Dog",    "Pig"};
// The weekdays, Sunday first, of the calendars that name their own.
using Weekdays = std::array<const char *, 7>;
const Weekdays kHebrewWeekdays = {"Yom Rishon",  "Yom Sheni",  "Yom Shlishi", "Yom Revii",
                                  "Yom Hamishi", "Yom Shishi", "Shabbat"};
const Weekdays kIslamicWeekdays = {"al-Ahad",   "al-Ithnayn", "al-Thulatha", "al-Arbia",
                                   "al-Khamis", "al-Jumah",   "al-Sabt"};
const Weekdays kPersianWeekdays = {"Yekshanbeh",  "Doshanbeh", "Seshanbeh", "Chaharshanbeh",
                                   "Panjshanbeh", "Jomeh",     "Shanbeh"};

// A note of its parts that are there, joined by commas.
std::string Note(std::initializer_list<std::string> parts)
{
    std::string note;
    for (const std::string &part : parts) {
        if (!part.empty())
            note += (note.empty() ? "" : ", ") + part;
    }
    return note;
}

// ICU's numbers of the Japanese eras since the calendar's adoption in 1873.
constexpr int32_t kMeijiEra = 232;
const std::array<const char *, 5> kJapaneseEras = {"Meiji", "Taishō", "Shōwa", "Heisei", "Reiwa"};

constexpr int32_t kJapaneseGregorianJdn = 2405160;  // 1 January 1873
constexpr int32_t kShixianReformJdn = 2321885;      // 1 January 1645 (Gregorian)
constexpr int32_t kLastChineseJdn = 2488434;        // 31 December 2100
constexpr int32_t kFirstUmmAlQuraJdn = 2408762;     // 12 November 1882, 1 Muharram 1300 AH
constexpr int32_t kLastUmmAlQuraJdn = 2515426;      // 25 November 2174, 30 Dhu al-Hijjah 1600 AH

const std::string kOutOfRange = "out of range";

std::string Str(int64_t n) { return std::to_string(n); }

WorldDay OutOfRange(const char *id, std::string name)
{
    return {id, std::move(name), false, kOutOfRange, {}, "null"};
}

// A row with year, month (numbered as the JSON numbers them), month name, day, and era if any.
WorldDay YearMonthDay(const char *id, std::string name, int64_t year, int32_t month, const char *monthName,
                      int32_t day, std::string text, const char *era = nullptr, std::string note = {},
                      std::optional<bool> leapYear = std::nullopt)
{
    JsonObject json;
    if (era)
        json.Add("era", era);
    json.Add("year", year).Add("month", month).Add("month_name", monthName).Add("day", day);
    if (leapYear)
        json.AddBool("leap_year", *leapYear);
    json.Add("text", text);
    return {id, std::move(name), true, std::move(text), std::move(note), json.Text()};
}

std::string DayMonthYear(int32_t day, const char *month, int64_t year, const char *suffix = "")
{
    return Str(day) + ' ' + month + ' ' + Str(year) + suffix;
}

WorldDay ProgramCalendar(const char *id, Calendar calendar, int32_t jdn, DeeVariant variant)
{
    const CalendarDate date = JDNToDate(calendar, jdn, variant);
    const std::string name = calendar == Calendar::Dee      ? DeeCalendarName(variant)
                             : calendar == Calendar::Julian ? "Julian"
                                                            : "Gregorian";
    const std::string text = MonthDayYearText(date, EraStyle::CEBCE, NumberFormat::Commas()).toStdString();
    return YearMonthDay(id, name, date.year, date.month, MonthName(date.month), date.day, text);
}

WorldDay IsoWeek(int32_t jdn)
{
    const int32_t weekday = (DayOfWeek(jdn) + 6) % 7 + 1;  // Monday = 1
    const int32_t year = JDNToDate(Calendar::Gregorian, jdn, {}).year;
    const std::optional<int32_t> january1 = DateToJDN(Calendar::Gregorian, {year, 1, 1}, {});
    if (!january1)  // the first year of the range begins before the first JDN
        return OutOfRange("iso_week", "ISO week date");
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
    const auto week = static_cast<int32_t>(thursday / 7 + 1);  // [1, 53]
    const std::string text = Str(isoYear) + "-W" + TwoDigits(week) + '-' + Str(weekday);
    JsonObject json;
    json.Add("year", isoYear).Add("week", week).Add("weekday", weekday).Add("text", text);
    return {"iso_week", "ISO week date", true, text, {}, json.Text()};
}

WorldDay DayOfYear(int32_t jdn)
{
    const int32_t year = JDNToDate(Calendar::Gregorian, jdn, {}).year;
    const std::optional<int32_t> january1 = DateToJDN(Calendar::Gregorian, {year, 1, 1}, {});
    if (!january1)  // the first year of the range begins before the first JDN
        return OutOfRange("day_of_year", "Day of the year");
    const int64_t day = int64_t{jdn} - *january1 + 1;
    JsonObject json;
    json.Add("year", year).Add("day", day).Add("text", Str(day));
    return {"day_of_year", "Day of the year", true, Str(day), {}, json.Text()};
}

WorldDay Hebrew(int32_t jdn)
{
    const std::optional<HebrewDate> d = HebrewOf(jdn);
    if (!d)
        return OutOfRange("hebrew", "Hebrew");
    const bool leap = IsHebrewLeapYear(d->year);
    const char *name = d->month == 12 && leap ? "Adar I" : kHebrewMonths[static_cast<size_t>(d->month - 1)];
    return YearMonthDay(
        "hebrew", "Hebrew", d->year, d->month, name, d->day, DayMonthYear(d->day, name, d->year), nullptr,
        Note({leap ? "leap year" : "", kHebrewWeekdays[static_cast<size_t>(DayOfWeek(jdn))]}), leap);
}

WorldDay TwelveMonths(const char *id, const char *name, IcuCalendar calendar, int32_t jdn,
                      const Names12 &months, const char *suffix, const Weekdays *weekdays = nullptr,
                      int32_t firstJdn = INT32_MIN, int32_t lastJdn = INT32_MAX)
{
    const std::optional<IcuDate> d =
        jdn < firstJdn || jdn > lastJdn ? std::nullopt : IcuDateOf(calendar, jdn);
    if (!d || d->extendedYear < 1)  // from the calendar's year 1
        return OutOfRange(id, name);
    const char *month = months[static_cast<size_t>(d->month)];
    return YearMonthDay(id, name, d->extendedYear, d->month + 1, month, d->day,
                        DayMonthYear(d->day, month, d->extendedYear, suffix), nullptr,
                        weekdays ? (*weekdays)[static_cast<size_t>(DayOfWeek(jdn))] : "");
}

WorldDay ThirteenMonths(const char *id, const char *name, IcuCalendar calendar, int32_t jdn,
                        const Names13 &months, const char *era)
{
    const std::optional<IcuDate> d = IcuDateOf(calendar, jdn);
    if (!d || d->era != 1)  // from the era's year 1
        return OutOfRange(id, name);
    const char *month = months[static_cast<size_t>(d->month)];
    return YearMonthDay(id, name, d->year, d->month + 1, month, d->day, DayMonthYear(d->day, month, d->year),
                        era);
}

WorldDay Chinese(int32_t jdn)
{
    // The calendar as reformed in 1645 and published for the years to 2100; ICU's astronomy
    // computes it by today's rules, which earlier centuries did not follow. Checked first: the
    // astronomy is the costly part.
    const std::optional<IcuDate> d = jdn < kShixianReformJdn || jdn > kLastChineseJdn
                                         ? std::nullopt
                                         : IcuDateOf(IcuCalendar::Chinese, jdn);
    if (!d)
        return OutOfRange("chinese", "Chinese");
    const auto i = static_cast<size_t>(d->year - 1);
    const std::string yearName =
        std::string(kStems[i % 10]) + '-' + kBranches[i % 12] + " (" + kAnimals[i % 12] + ')';
    const std::string text = "cycle " + Str(d->era) + ", year " + Str(d->year) + ' ' + yearName + ", " +
                             (d->leapMonth ? "leap month " : "month ") + Str(d->month + 1) + ", day " +
                             Str(d->day);
    JsonObject json;
    json.Add("cycle", d->era).Add("year", d->year).Add("year_name", yearName).Add("month", d->month + 1);
    json.AddBool("leap", d->leapMonth).Add("day", d->day).Add("text", text);
    return {"chinese", "Chinese", true, text, d->leapMonth ? "leap month" : "", json.Text()};
}

WorldDay GregorianEra(const char *id, const char *name, IcuCalendar calendar, int32_t jdn)
{
    const std::optional<IcuDate> d = IcuDateOf(calendar, jdn);
    if (!d)
        return OutOfRange(id, name);
    const char *month = MonthName(d->month + 1);
    if (calendar == IcuCalendar::Japanese) {
        if (jdn < kJapaneseGregorianJdn || d->era < kMeijiEra ||
            d->era >= kMeijiEra + static_cast<int32_t>(kJapaneseEras.size()))
            return OutOfRange(id, name);
        const char *era = kJapaneseEras[static_cast<size_t>(d->era - kMeijiEra)];
        return YearMonthDay(id, name, d->year, d->month + 1, month, d->day,
                            Str(d->day) + ' ' + month + ' ' + era + ' ' + Str(d->year), era);
    }
    if (calendar == IcuCalendar::Roc) {
        const char *era = d->era == 1 ? "Minguo" : "before Minguo";
        return YearMonthDay(id, name, d->year, d->month + 1, month, d->day,
                            Str(d->day) + ' ' + month + ' ' + era + ' ' + Str(d->year), era);
    }
    if (d->year < 1)  // Buddhist Era from its year 1
        return OutOfRange(id, name);
    return YearMonthDay(id, name, d->year, d->month + 1, month, d->day,
                        DayMonthYear(d->day, month, d->year, " BE"), "BE");
}

WorldDay FrenchRepublican(int32_t jdn)
{
    const std::optional<FrenchRepublicanDate> d = FrenchRepublicanOf(jdn);
    if (!d)
        return OutOfRange("french_republican", "French republican");
    const char *month = kFrenchMonths[static_cast<size_t>(d->month - 1)];
    return YearMonthDay("french_republican", "French republican", d->year, d->month, month, d->day,
                        DayMonthYear(d->day, month, d->year), nullptr, d->leapYear ? "sextile year" : "",
                        d->leapYear);
}

WorldDay Mayan(int32_t jdn)
{
    const std::optional<MayanDate> d = MayanOf(jdn);
    if (!d)
        return OutOfRange("mayan", "Maya");
    std::string longCount, array;
    for (const int64_t place : d->longCount) {
        longCount += (longCount.empty() ? "" : ".") + Str(place);
        array += (array.empty() ? "" : ",") + Str(place);
    }
    const char *tzolkin = kTzolkin[static_cast<size_t>(d->tzolkinName - 1)];
    const char *haab = kHaab[static_cast<size_t>(d->haabMonth - 1)];
    const std::string text =
        longCount + ' ' + Str(d->tzolkinNumber) + ' ' + tzolkin + ' ' + Str(d->haabDay) + ' ' + haab;
    JsonObject json;
    json.AddRaw("long_count", '[' + array + ']')
        .AddRaw("tzolkin", JsonObject()
                               .Add("number", d->tzolkinNumber)
                               .Add("name_index", d->tzolkinName)
                               .Add("name", tzolkin)
                               .Text())
        .AddRaw("haab",
                JsonObject().Add("day", d->haabDay).Add("month_index", d->haabMonth).Add("name", haab).Text())
        .Add("text", text);
    return {"mayan", "Maya", true, text, {}, json.Text()};
}

// JDN - 0.5 written out ("-0.5" for JDN 0): the sign and the whole part both come from the count of
// half days, as a whole part of JDN - 1 with ".5" appended reads one day early below JDN 1.
std::string JulianDate(int64_t jdn)
{
    const int64_t halfDays = 2 * jdn - 1;  // odd
    return (halfDays < 0 ? "-" : "") + Str((halfDays < 0 ? -halfDays : halfDays) / 2) + ".5";
}

// A count of days or seconds, written as JSON writes the number.
WorldDay DayCount(const char *id, const char *name, const std::string &value)
{
    JsonObject json;
    json.AddRaw("value", value).Add("text", value);
    return {id, name, true, value, {}, json.Text()};
}

}  // namespace

std::vector<WorldDay> DayInWorldCalendars(int32_t jdn, DeeVariant variant)
{
    const int64_t day = jdn;
    return {
        ProgramCalendar("gregorian", Calendar::Gregorian, jdn, variant),
        ProgramCalendar("julian", Calendar::Julian, jdn, variant),
        ProgramCalendar("dee", Calendar::Dee, jdn, variant),
        IsoWeek(jdn),
        DayOfYear(jdn),
        Hebrew(jdn),
        TwelveMonths("islamic_civil", "Islamic (tabular)", IcuCalendar::IslamicCivil, jdn, kIslamicMonths,
                     " AH", &kIslamicWeekdays),
        // Umm al-Qura as published, 1 Muharram 1300 to 30 Dhu al-Hijjah 1600 AH; beyond, ICU falls
        // back on the tabular calendar, slowly.
        TwelveMonths("islamic_umalqura", "Islamic (Umm al-Qura)", IcuCalendar::IslamicUmmAlQura, jdn,
                     kIslamicMonths, " AH", &kIslamicWeekdays, kFirstUmmAlQuraJdn, kLastUmmAlQuraJdn),
        TwelveMonths("persian", "Persian (Solar Hijri)", IcuCalendar::Persian, jdn, kPersianMonths, " SH",
                     &kPersianWeekdays),
        Chinese(jdn),
        ThirteenMonths("coptic", "Coptic", IcuCalendar::Coptic, jdn, kCopticMonths, "Era of Martyrs"),
        ThirteenMonths("ethiopian", "Ethiopian", IcuCalendar::Ethiopic, jdn, kEthiopianMonths,
                       "Amete Mihret"),
        TwelveMonths("indian", "Indian national (Saka)", IcuCalendar::Indian, jdn, kIndianMonths, " Saka"),
        GregorianEra("japanese", "Japanese", IcuCalendar::Japanese, jdn),
        GregorianEra("roc", "Republic of China", IcuCalendar::Roc, jdn),
        GregorianEra("buddhist", "Thai Buddhist", IcuCalendar::Buddhist, jdn),
        FrenchRepublican(jdn),
        Mayan(jdn),
        // Julian Date and Unix time at 0 h UT of the day; MJD, Rata Die and Lilian days are whole.
        DayCount("jd", "Julian Date", JulianDate(day)),
        DayCount("mjd", "Modified Julian Date", Str(day - 2400001)),
        DayCount("rata_die", "Rata Die", Str(day - 1721425)),
        DayCount("lilian", "Lilian day", Str(day - 2299160)),
        DayCount("unix", "Unix time", Str((day - 2440588) * 86400)),
    };
}

}  // namespace vardex
