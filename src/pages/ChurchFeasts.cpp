// SPDX-License-Identifier: MIT
#include "ChurchFeasts.h"

#include <algorithm>
#include <array>
#include <set>

#include "EasterReckoning.h"
#include "engine/Calendars.h"
#include "history/YearStart.h"

namespace vardex {

namespace {

struct MovableFeast {
    int32_t daysFromEaster;
    const char *id;
    const char *western;   // the Western church's name; nullptr where it does not keep the feast
    const char *orthodox;  // the Orthodox church's
};

constexpr std::array<MovableFeast, 8> kMovableFeasts = {{
    {-46, "ash_wednesday", "Ash Wednesday", nullptr},
    {-7, "palm_sunday", "Palm Sunday", "Palm Sunday"},
    {-2, "good_friday", "Good Friday", "Good Friday"},
    {0, "easter", "Easter Sunday", "Easter Sunday (Pascha)"},
    {39, "ascension", "Ascension", "Ascension"},
    {49, "pentecost", "Pentecost", "Pentecost"},
    {56, "trinity_sunday", "Trinity Sunday", nullptr},
    {60, "corpus_christi", "Corpus Christi", nullptr},
}};

enum class QuarterDays { None, English, Scottish };

struct FixedFeast {
    int32_t month, day;
    const char *id;
    const char *name;
    QuarterDays quarter;  // the custom whose quarter or term day it is; None: a feast of every church
};

constexpr std::array<FixedFeast, 9> kFixedFeasts = {{
    {1, 6, "epiphany", "Epiphany", QuarterDays::None},
    {2, 2, "candlemas", "Candlemas", QuarterDays::Scottish},
    {3, 25, "annunciation", "Annunciation (Lady Day)", QuarterDays::English},
    {5, 15, "whitsunday_term", "Whitsunday", QuarterDays::Scottish},
    {6, 24, "midsummer", "Midsummer (Nativity of St John)", QuarterDays::English},
    {8, 1, "lammas", "Lammas", QuarterDays::Scottish},
    {9, 29, "michaelmas", "Michaelmas", QuarterDays::English},
    {11, 11, "martinmas", "Martinmas", QuarterDays::Scottish},
    {12, 25, "christmas", "Christmas", QuarterDays::English},
}};

// England's quarter days went with the Act of 1750 to Ireland and the colonies; Scotland kept its
// own term days.
QuarterDays QuarterDaysOf(const PageCalendar &calendar)
{
    if (calendar.kind != PageCalendarKind::Place || !calendar.place)
        return QuarterDays::None;
    const std::string &id = calendar.place->id;
    if (id == "england" || id == "ireland" || id == "british-america")
        return QuarterDays::English;
    return id == "scotland" ? QuarterDays::Scottish : QuarterDays::None;
}

// The first day (Gregorian) on which an Orthodox church dated its fixed feasts by the Revised Julian
// calendar (the Gregorian's twin until 2800) rather than the Julian, which the Russian and Serbian
// churches keep to this day: Greece 10 March 1924, Romania 1 October 1924, Bulgaria 21 December 1968.
std::optional<int32_t> RevisedJulianFrom(const std::string &placeId)
{
    const auto from = [](int32_t y, int32_t m, int32_t d) {
        return DateToJDN(Calendar::Gregorian, {y, m, d}, DeeVariant::Dee);
    };
    if (placeId == "greece")
        return from(1924, 3, 10);
    if (placeId == "romania")
        return from(1924, 10, 1);
    if (placeId == "bulgaria")
        return from(1968, 12, 21);
    return std::nullopt;
}

// The date a fixed feast is looked up by: as the page wrote the day, except on the Dee page, whose
// Western church keeps the Gregorian calendar, and where an Orthodox church kept the Julian calendar
// after its country changed to the Gregorian (Christmas in Moscow on 7 January).
CalendarDate FeastDate(const PageCalendar &calendar, const PageDay &day)
{
    if (calendar.kind == PageCalendarKind::Dee)
        return JDNToDate(Calendar::Gregorian, day.jdn, DeeVariant::Dee);
    if (ChurchOfPage(calendar) == Church::Orthodox && calendar.place) {
        const std::optional<int32_t> revised = RevisedJulianFrom(calendar.place->id);
        if (!revised || day.jdn < *revised)
            return JDNToDate(Calendar::Julian, day.jdn, DeeVariant::Dee);
    }
    return day.date;
}

// The movable feasts of the Easters whose years the page's days lie in, matched by the date the place
// wrote: where it ran a day ahead of its calendar's date (Russian America kept Asia's), its Easter
// fell a day earlier.
void AddMovableFeasts(const MonthPage &page, const PageCalendar &calendar,
                      std::vector<std::vector<DayMark>> &marks)
{
    const Church church = ChurchOfPage(calendar);
    std::vector<int64_t> reckoned(page.days.size());
    std::set<int32_t> years;
    for (size_t i = 0; i < page.days.size(); ++i) {
        reckoned[i] = int64_t{page.days[i].jdn} + DayOffsetOn(calendar, page.days[i].jdn);
        const auto jdn = static_cast<int32_t>(std::clamp<int64_t>(reckoned[i], INT32_MIN, INT32_MAX));
        // A year's Easter and the feasts it moves fall in February to June of that year of its
        // computus's calendar, so the years the page's days have in either calendar find them.
        years.insert(JDNToDate(Calendar::Julian, jdn, DeeVariant::Dee).year);
        years.insert(JDNToDate(Calendar::Gregorian, jdn, DeeVariant::Dee).year);
    }
    for (const int32_t year : years) {
        const std::optional<int32_t> easter = EasterJdn(ComputusOfYear(calendar, year), year);
        if (!easter)
            continue;
        for (const MovableFeast &feast : kMovableFeasts) {
            const char *name = church == Church::Orthodox ? feast.orthodox : feast.western;
            for (size_t i = 0; name && i < page.days.size(); ++i) {
                if (reckoned[i] == int64_t{*easter} + feast.daysFromEaster)
                    marks[i].push_back({MarkKind::Feast, feast.id, name, ""});
            }
        }
    }
}

// The fixed feasts on the days written with their date: a date a change of calendar skipped has none.
void AddFixedFeasts(const MonthPage &page, const PageCalendar &calendar,
                    std::vector<std::vector<DayMark>> &marks)
{
    const QuarterDays quarter = QuarterDaysOf(calendar);
    for (const FixedFeast &feast : kFixedFeasts) {
        if (feast.quarter == QuarterDays::Scottish && quarter != QuarterDays::Scottish)
            continue;
        for (size_t i = 0; i < page.days.size(); ++i) {
            const CalendarDate date = FeastDate(calendar, page.days[i]);
            if (date.month != feast.month || date.day != feast.day)
                continue;
            marks[i].push_back({MarkKind::Feast, feast.id, feast.name, ""});
            if (feast.quarter != QuarterDays::None && feast.quarter == quarter)
                marks[i].push_back({MarkKind::Feast, "quarter_day",
                                    quarter == QuarterDays::Scottish ? "Term day" : "Quarter day", ""});
        }
    }
}

const char *ComputusName(Computus computus) { return computus == Computus::Julian ? "Julian" : "Gregorian"; }

}  // namespace

std::string FeastRulesText(const PageCalendar &calendar, int32_t year)
{
    if (calendar.kind == PageCalendarKind::Place && !calendar.place)
        return {};
    if (ChurchOfPage(calendar) == Church::Orthodox)
        return "Orthodox church; Easter by the Julian reckoning";
    std::string text = "Western church; Easter by the ";
    const std::optional<GregorianChange> change =
        calendar.kind == PageCalendarKind::Place ? FindGregorianChange(*calendar.place) : std::nullopt;
    if (change && change->lastOld.year == year && change->firstNew.year == year)
        text += "Julian reckoning until the change of " + YearText(year) + ", the Gregorian after";
    else
        text += std::string(ComputusName(ComputusOfYear(calendar, year))) + " reckoning";
    // The improved calendar of 1700 reckoned Easter from the Rudolphine tables until 1775; it parted
    // from the Gregorian computus in these two years only.
    if (calendar.kind == PageCalendarKind::Place && calendar.place->id == "germany-protestant" &&
        (year == 1724 || year == 1744))
        text += " (the Protestant states kept Easter " + YearText(year) +
                " on another Sunday by their own astronomical reckoning, not shown)";
    return text;
}

std::vector<std::vector<DayMark>> FeastsOfMonth(const MonthPage &page, const PageCalendar &calendar)
{
    std::vector<std::vector<DayMark>> marks(page.days.size());
    AddMovableFeasts(page, calendar, marks);
    AddFixedFeasts(page, calendar, marks);
    return marks;
}

}  // namespace vardex
