// SPDX-License-Identifier: MIT
#include "WorldCalendars.h"

#include <array>
#include <span>

#include "WorldDates.h"
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

const std::array<const char *, kJapaneseEraCount> kJapaneseEras = {"Meiji", "Taishō", "Shōwa", "Heisei",
                                                                   "Reiwa"};
const std::array<const char *, 2> kRocEras = {"before Minguo", "Minguo"};
static_assert(kBeforeMinguo == 0 && kMinguo == 1);

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

std::string Str(int64_t n) { return std::to_string(n); }

WorldDay OutOfRange(const char *id, const char *name)
{
    return {id, name, false, "out of range", {}, "null"};
}

// The JSON of a date of years, months and days: era (if named), year, month, month_name, day,
// leap_year (if noted), text.
std::string MonthJson(const MonthDate &d, const char *monthName, const char *era, bool withLeapYear,
                      const std::string &text)
{
    JsonObject json;
    if (era)
        json.Add("era", era);
    json.Add("year", d.year).Add("month", d.month).Add("month_name", monthName).Add("day", d.day);
    if (withLeapYear)
        json.AddBool("leap_year", d.leapYear);
    json.Add("text", text);
    return json.Text();
}

// How a calendar of years, months and days is written: "26 Kislev 5787", "6 December Reiwa 8",
// "15 Azar 1405 SH".
struct MonthStyle {
    const char *id;
    const char *name;
    std::span<const char *const> months = {};  // by month - 1; none: the Gregorian calendar's
    std::span<const char *const> eras = {};    // by MonthDate::era, named in the JSON
    bool eraInText = false;                    // before the year
    const char *suffix = "";                   // after the year
    const Weekdays *weekdays = nullptr;        // named in the note
    const char *leapNote = nullptr;            // in the note of a leap year; the JSON's leap_year
    const char *leapMonth12 = nullptr;         // month 12 of a leap year, where it has its own name
};

const char *const kCopticEra[] = {"Era of Martyrs"};
const char *const kEthiopianEra[] = {"Amete Mihret"};
const char *const kBuddhistEra[] = {"BE"};
const MonthStyle kHebrew{.id = "hebrew",
                         .name = "Hebrew",
                         .months = kHebrewMonths,
                         .weekdays = &kHebrewWeekdays,
                         .leapNote = "leap year",
                         .leapMonth12 = "Adar I"};
const MonthStyle kIslamicCivil{.id = "islamic_civil",
                               .name = "Islamic (tabular)",
                               .months = kIslamicMonths,
                               .suffix = " AH",
                               .weekdays = &kIslamicWeekdays};
const MonthStyle kIslamicUmmAlQura{.id = "islamic_umalqura",
                                   .name = "Islamic (Umm al-Qura)",
                                   .months = kIslamicMonths,
                                   .suffix = " AH",
                                   .weekdays = &kIslamicWeekdays};
const MonthStyle kPersian{.id = "persian",
                          .name = "Persian (Solar Hijri)",
                          .months = kPersianMonths,
                          .suffix = " SH",
                          .weekdays = &kPersianWeekdays};
const MonthStyle kCoptic{.id = "coptic", .name = "Coptic", .months = kCopticMonths, .eras = kCopticEra};
const MonthStyle kEthiopian{
    .id = "ethiopian", .name = "Ethiopian", .months = kEthiopianMonths, .eras = kEthiopianEra};
const MonthStyle kIndian{
    .id = "indian", .name = "Indian national (Saka)", .months = kIndianMonths, .suffix = " Saka"};
const MonthStyle kJapanese{.id = "japanese", .name = "Japanese", .eras = kJapaneseEras, .eraInText = true};
const MonthStyle kRoc{.id = "roc", .name = "Republic of China", .eras = kRocEras, .eraInText = true};
const MonthStyle kBuddhist{.id = "buddhist", .name = "Thai Buddhist", .eras = kBuddhistEra, .suffix = " BE"};
const MonthStyle kFrenchRepublican{.id = "french_republican",
                                   .name = "French republican",
                                   .months = kFrenchMonths,
                                   .leapNote = "sextile year"};

WorldDay MonthRow(const MonthStyle &style, const std::optional<MonthDate> &d, int32_t weekday)
{
    if (!d)
        return OutOfRange(style.id, style.name);
    const char *month = style.leapMonth12 && d->month == 12 && d->leapYear ? style.leapMonth12
                        : style.months.empty()                             ? MonthName(d->month)
                                               : style.months[static_cast<size_t>(d->month - 1)];
    const char *era = style.eras.empty() ? nullptr : style.eras[static_cast<size_t>(d->era)];
    const std::string text = Str(d->day) + ' ' + month + ' ' +
                             (style.eraInText ? std::string(era) + ' ' : "") + Str(d->year) + style.suffix;
    const std::string note = Note({style.leapNote && d->leapYear ? style.leapNote : "",
                                   style.weekdays ? (*style.weekdays)[static_cast<size_t>(weekday)] : ""});
    return {style.id, style.name, true, text, note, MonthJson(*d, month, era, style.leapNote, text)};
}

// The calendars of the main window, as it writes their dates.
WorldDay ProgramRow(const char *id, const std::string &name, const CalendarDate &date)
{
    const std::string text = MonthDayYearText(date, EraStyle::CEBCE, NumberFormat::Commas()).toStdString();
    const MonthDate d{date.year, date.month, date.day};
    return {id, name, true, text, {}, MonthJson(d, MonthName(date.month), nullptr, false, text)};
}

WorldDay IsoWeekRow(const std::optional<IsoWeekDate> &d)
{
    if (!d)
        return OutOfRange("iso_week", "ISO week date");
    const std::string text = Str(d->year) + "-W" + TwoDigits(d->week) + '-' + Str(d->weekday);
    JsonObject json;
    json.Add("year", d->year).Add("week", d->week).Add("weekday", d->weekday).Add("text", text);
    return {"iso_week", "ISO week date", true, text, {}, json.Text()};
}

WorldDay DayOfYearRow(const std::optional<YearDay> &d)
{
    if (!d)
        return OutOfRange("day_of_year", "Day of the year");
    JsonObject json;
    json.Add("year", d->year).Add("day", d->day).Add("text", Str(d->day));
    return {"day_of_year", "Day of the year", true, Str(d->day), {}, json.Text()};
}

WorldDay ChineseRow(const std::optional<ChineseDate> &d)
{
    if (!d)
        return OutOfRange("chinese", "Chinese");
    const auto i = static_cast<size_t>(d->year - 1);
    const std::string yearName =
        std::string(kStems[i % 10]) + '-' + kBranches[i % 12] + " (" + kAnimals[i % 12] + ')';
    const std::string text = "cycle " + Str(d->cycle) + ", year " + Str(d->year) + ' ' + yearName + ", " +
                             (d->leapMonth ? "leap month " : "month ") + Str(d->month) + ", day " +
                             Str(d->day);
    JsonObject json;
    json.Add("cycle", d->cycle).Add("year", d->year).Add("year_name", yearName).Add("month", d->month);
    json.AddBool("leap", d->leapMonth).Add("day", d->day).Add("text", text);
    return {"chinese", "Chinese", true, text, d->leapMonth ? "leap month" : "", json.Text()};
}

WorldDay MayanRow(const std::optional<MayanDate> &d)
{
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

// Half days written as days ("-0.5" for -1): the sign and the whole part both come from the count
// of half days, as a whole part of JDN - 1 with ".5" appended reads one day early below JDN 1.
std::string HalfDaysText(int64_t halfDays)
{
    return (halfDays < 0 ? "-" : "") + Str((halfDays < 0 ? -halfDays : halfDays) / 2) + ".5";
}

// A count of days or seconds, written as JSON writes the number.
WorldDay CountRow(const char *id, const char *name, const std::string &value)
{
    JsonObject json;
    json.AddRaw("value", value).Add("text", value);
    return {id, name, true, value, {}, json.Text()};
}

}  // namespace

std::vector<WorldDay> DayInWorldCalendars(int32_t jdn, DeeVariant variant)
{
    const WorldDates d = WorldDatesOf(jdn, variant);
    return {
        ProgramRow("gregorian", "Gregorian", d.gregorian),
        ProgramRow("julian", "Julian", d.julian),
        ProgramRow("dee", DeeCalendarName(variant), d.dee),
        IsoWeekRow(d.isoWeek),
        DayOfYearRow(d.dayOfYear),
        MonthRow(kHebrew, d.hebrew, d.weekday),
        MonthRow(kIslamicCivil, d.islamicCivil, d.weekday),
        MonthRow(kIslamicUmmAlQura, d.islamicUmmAlQura, d.weekday),
        MonthRow(kPersian, d.persian, d.weekday),
        ChineseRow(d.chinese),
        MonthRow(kCoptic, d.coptic, d.weekday),
        MonthRow(kEthiopian, d.ethiopian, d.weekday),
        MonthRow(kIndian, d.indian, d.weekday),
        MonthRow(kJapanese, d.japanese, d.weekday),
        MonthRow(kRoc, d.roc, d.weekday),
        MonthRow(kBuddhist, d.buddhist, d.weekday),
        MonthRow(kFrenchRepublican, d.frenchRepublican, d.weekday),
        MayanRow(d.mayan),
        CountRow("jd", "Julian Date", HalfDaysText(d.julianDateHalfDays)),
        CountRow("mjd", "Modified Julian Date", Str(d.modifiedJulianDate)),
        CountRow("rata_die", "Rata Die", Str(d.rataDie)),
        CountRow("lilian", "Lilian day", Str(d.lilianDay)),
        CountRow("unix", "Unix time", Str(d.unixTime)),
    };
}

const char *HebrewMonthName(int32_t month, bool leapYear)
{
    if (month == 12 && leapYear)
        return "Adar I";
    return month >= 1 && month <= 13 ? kHebrewMonths[static_cast<size_t>(month - 1)] : "";
}

const char *IslamicMonthName(int32_t month)
{
    return month >= 1 && month <= 12 ? kIslamicMonths[static_cast<size_t>(month - 1)] : "";
}

}  // namespace vardex
