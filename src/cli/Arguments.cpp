// SPDX-License-Identifier: MIT
#include "Arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace vardex::cli {

namespace {

// The length of the well-formed UTF-8 sequence at text[i], or 0 when there is none there.
size_t Utf8Length(const std::string &text, size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const size_t length = lead < 0x80           ? 1
                          : (lead >> 5) == 0x6  ? 2
                          : (lead >> 4) == 0xE  ? 3
                          : (lead >> 3) == 0x1E ? 4
                                                : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    static constexpr uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};  // no overlong forms
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::optional<Calendar> ParseCalendar(const std::string &text)
{
    const std::string name = Lower(text);
    if (name == "gregorian")
        return Calendar::Gregorian;
    if (name == "julian")
        return Calendar::Julian;
    if (name == "dee")
        return Calendar::Dee;
    return std::nullopt;
}

// Entry of the month,day,year calendar list: 1..3 calendars, 4..10 weekdays from Sunday.
int CalendarEntry(const std::string &text)
{
    static const char *const kNames[] = {"gregorian", "julian",    "dee",      "sunday", "monday",
                                         "tuesday",   "wednesday", "thursday", "friday", "saturday"};
    const std::string name = Lower(text);
    for (int i = 0; i < 10; ++i) {
        if (name == kNames[i])
            return i + 1;
    }
    return 0;
}

int MonthNumber(const std::string &text)
{
    static const char *const kNames[] = {"january",   "february", "march",    "april",
                                         "may",       "june",     "july",     "august",
                                         "september", "october",  "november", "december"};
    const std::string name = Lower(text);
    for (int i = 0; i < 12; ++i) {
        if (name == kNames[i])
            return i + 1;
    }
    const auto number = ParseInt32(text);
    return number && *number >= 1 && *number <= 12 ? *number : 0;
}

// "Y-M-D" with an optional sign on the year: "-43-3-15".
std::optional<Ymd> ParseYmd(const std::string &text, std::string &error)
{
    const size_t yearEnd = text.find('-', text.empty() ? 0 : 1);
    const size_t monthEnd = yearEnd == std::string::npos ? yearEnd : text.find('-', yearEnd + 1);
    if (monthEnd == std::string::npos) {
        error = "--date wants Y-M-D, such as 2024-3-5 or -43-3-15, not " + Quoted(text);
        return std::nullopt;
    }
    const auto year = ParseInt32(text.substr(0, yearEnd));
    const auto month = ParseInt32(text.substr(yearEnd + 1, monthEnd - yearEnd - 1));
    const auto day = ParseInt32(text.substr(monthEnd + 1));
    if (!year || !month || !day) {
        error = "--date wants three whole numbers within 32 bits, not " + Quoted(text);
        return std::nullopt;
    }
    return Ymd{*year, *month, *day};
}

class Cursor {
public:
    explicit Cursor(const std::vector<std::string> &args) : args_(args) {}
    bool AtEnd() const { return next_ >= args_.size(); }
    const std::string &Take() { return args_[next_++]; }
    // The next count values after option into values; false (with error set) when they are missing.
    bool TakeValues(const std::string &option, size_t count, std::vector<std::string> &values,
                    std::string &error)
    {
        if (args_.size() - next_ < count) {
            error = option + (count == 1 ? " needs a value" : " needs " + std::to_string(count) + " values");
            return false;
        }
        values.assign(args_.begin() + static_cast<std::ptrdiff_t>(next_),
                      args_.begin() + static_cast<std::ptrdiff_t>(next_ + count));
        next_ += count;
        return true;
    }

private:
    const std::vector<std::string> &args_;
    size_t next_ = 0;
};

// --calendar of convert, --ymd and --today.
bool ParseCalendarOption(Cursor &cursor, std::optional<Calendar> &calendar, std::string &error)
{
    std::vector<std::string> v;
    if (!cursor.TakeValues("--calendar", 1, v, error))
        return false;
    calendar = ParseCalendar(v[0]);
    if (!calendar)
        error = "--calendar wants gregorian, julian or dee, not " + Quoted(v[0]);
    return calendar.has_value();
}

bool ParseConvertOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    std::vector<std::string> v;
    if (option == "--jdn") {
        if (!cursor.TakeValues(option, 1, v, error))
            return false;
        out.jdn = ParseInt32(v[0]);
        if (!out.jdn)
            error = "--jdn wants a whole number within 32 bits, not " + Quoted(v[0]);
        return out.jdn.has_value();
    }
    if (option == "--date") {
        if (!cursor.TakeValues(option, 1, v, error))
            return false;
        out.date = ParseYmd(v[0], error);
        return out.date.has_value();
    }
    if (option == "--calendar")
        return ParseCalendarOption(cursor, out.calendar, error);
    error = "unknown option " + Quoted(option) + " for convert";
    return false;
}

bool SetDateForm(std::optional<DateInput> &input, DateInput::Form form, std::string &error)
{
    if (input && input->form != form) {
        error = "give the date once: --ymd, --mdy or --today";
        return false;
    }
    if (!input)
        input = DateInput{};
    input->form = form;
    return true;
}

// One option of a DATE into input, and --calendar into calendar; false, with error empty, for an
// option that is none of them.
bool ParseDateInputOption(const std::string &option, Cursor &cursor, std::optional<DateInput> &input,
                          std::optional<Calendar> &calendar, std::string &error)
{
    std::vector<std::string> v;
    if (option == "--ymd") {
        if (!cursor.TakeValues(option, 1, v, error) ||
            !SetDateForm(input, DateInput::Form::YearMonthDay, error))
            return false;
        input->ymdText = v[0];
        return true;
    }
    if (option == "--today")
        return SetDateForm(input, DateInput::Form::Today, error);
    if (option == "--mdy") {
        if (!cursor.TakeValues(option, 5, v, error) ||
            !SetDateForm(input, DateInput::Form::MonthDayYear, error))
            return false;
        DateInput &in = *input;
        in.month = MonthNumber(v[0]);
        const auto day = ParseInt32(v[1]);
        in.day = day && *day >= 1 && *day <= 31 ? *day : 0;
        in.yearText = v[2];
        const std::string era = v[3];
        std::string upper = era;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        in.era = upper;
        in.calendarEntry = CalendarEntry(v[4]);
        if (in.month == 0)
            error = "--mdy MONTH wants 1..12 or an English month name, not " + Quoted(v[0]);
        else if (in.day == 0)
            error = "--mdy DAY wants 1..31, not " + Quoted(v[1]);
        else if (upper != "AD" && upper != "BC" && upper != "CE" && upper != "BCE")
            error = "--mdy ERA wants AD, BC, CE or BCE, not " + Quoted(era);
        else if (in.calendarEntry == 0)
            error = "--mdy CALENDAR wants gregorian, julian, dee or a weekday, not " + Quoted(v[4]);
        return error.empty();
    }
    if (option == "--calendar")
        return ParseCalendarOption(cursor, calendar, error);
    return false;
}

bool ParseDateOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (ParseDateInputOption(option, cursor, out.input, out.calendar, error) || !error.empty())
        return error.empty();
    std::vector<std::string> v;
    if (option == "--plus" || option == "--minus") {
        if (out.arithmetic) {
            error = "give --plus or --minus once";
            return false;
        }
        if (!cursor.TakeValues(option, 4, v, error))
            return false;
        out.arithmetic = ArithInput{option == "--plus", {v[0], v[1], v[2], v[3]}};
        return true;
    }
    return false;
}

// diff DATE --to DATE: the options before --to give the first date, those after it the second.
bool ParseDiffOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (option == "--to" && !out.afterTo) {
        out.afterTo = true;
        return true;
    }
    if (out.afterTo ? ParseDateInputOption(option, cursor, out.to, out.toCalendar, error)
                    : ParseDateInputOption(option, cursor, out.input, out.calendar, error))
        return true;
    if (error.empty())
        error = "unknown option " + Quoted(option) + " for diff";
    return false;
}

// An optional sign and decimal digits, however many: a number beyond 64 bits saturates.
std::optional<int64_t> ParseWholeNumber(std::string_view text)
{
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);  // from_chars reads a minus sign only
    if (text.empty() || (plus && text.front() == '-'))
        return std::nullopt;
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return text.front() == '-' ? INT64_MIN : INT64_MAX;
    return error == std::errc() ? std::optional(value) : std::nullopt;
}

// DEG MIN E|W (e or w too): a meridian of 180 degrees at most, on either side.
bool ParseMeridian(Cursor &cursor, Meridian &meridian, std::string &error)
{
    std::vector<std::string> v;
    if (!cursor.TakeValues("--longitude", 3, v, error))
        return false;
    const auto degrees = ParseInt32(v[0]);
    const auto minutes = ParseInt32(v[1]);
    const std::string side = Lower(v[2]);
    const Meridian read{degrees.value_or(-1), minutes.value_or(-1), side == "e"};
    if ((side != "e" && side != "w") || !IsValidMeridian(read)) {
        error = "--longitude wants degrees 0..180, minutes 0..59 and E or W, 180 0 at most, not " +
                Quoted(v[0] + " " + v[1] + " " + v[2]);
        return false;
    }
    meridian = read;
    return true;
}

bool ParseDeltaTModel(Cursor &cursor, DeltaTModel &model, std::string &error)
{
    std::vector<std::string> v;
    if (!cursor.TakeValues("--deltat", 1, v, error))
        return false;
    const auto named = DeltaTModelOfId(v[0]);
    if (!named)
        error = "--deltat wants em2006, smh2016 or ms2004, not " + Quoted(v[0]);
    model = named.value_or(model);
    return named.has_value();
}

// --to YEAR, which belongs to seasons and follows its YEAR, and --month M, which belongs to moon.
bool ParseSkyPeriod(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    const bool seasons = out.command == Command::Seasons;
    std::vector<std::string> v;
    if ((option == "--to") != seasons)
        error =
            option + (seasons ? " goes with moon, not with seasons" : " goes with seasons, not with moon");
    else if (seasons && !out.skyYear)
        error = "--to comes after YEAR: seasons YEAR --to YEAR";
    if (!error.empty() || !cursor.TakeValues(option, 1, v, error))
        return false;
    if (seasons) {
        const auto year = ParseWholeNumber(v[0]);
        if (year)
            out.lastSkyYear = SkyYear{v[0], *year};
        else
            error = "--to wants a year, a whole number, not " + Quoted(v[0]);
        return year.has_value();
    }
    out.month = ParseInt32(v[0]);
    if (!out.month || *out.month < 1 || *out.month > 12)
        error = "--month wants 1..12, not " + Quoted(v[0]);
    return error.empty();
}

// YEAR, --to, --month, --longitude and --deltat of seasons and moon.
bool ParseSkyOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (option == "--to" || option == "--month")
        return ParseSkyPeriod(option, cursor, out, error);
    if (option == "--longitude")
        return ParseMeridian(cursor, out.meridian, error);
    if (option == "--deltat")
        return ParseDeltaTModel(cursor, out.deltaTModel, error);
    if (option.rfind("--", 0) == 0) {
        error = "unknown option " + Quoted(option);
        return false;
    }
    // Any other argument is the year: "-43" is one, not an option.
    const auto year = out.skyYear ? std::nullopt : ParseWholeNumber(option);
    if (year)
        out.skyYear = SkyYear{option, *year};
    else
        error = std::string(out.command == Command::Seasons ? "seasons" : "moon") +
                " wants one year, a whole number, not " + Quoted(option);
    return year.has_value();
}

// --calendar, --place, --year, --month, --sunday, --marks and --ics of cal.
bool ParseCalOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (option == "--calendar")
        return ParseCalendarOption(cursor, out.calendar, error);
    if (option == "--sunday" || option == "--ics") {
        (option == "--ics" ? out.ics : out.sundayFirst) = true;
        return true;
    }
    std::vector<std::string> v;
    if (option != "--place" && option != "--year" && option != "--month" && option != "--marks") {
        error = "unknown option " + Quoted(option) + " for cal";
        return false;
    }
    if (!cursor.TakeValues(option, 1, v, error))
        return false;
    if (option == "--place") {
        out.place = v[0];
    } else if (option == "--year") {
        const auto year = ParseWholeNumber(v[0]);
        if (year)
            out.pageYear = SkyYear{v[0], *year};
        else
            error = "--year wants a whole number, such as 1752 or -43, not " + Quoted(v[0]);
    } else if (option == "--month") {
        out.month = MonthNumber(v[0]);
        if (*out.month == 0)
            error = "--month wants 1..12 or an English month name, not " + Quoted(v[0]);
    } else {
        out.marks = MarkChoiceNamed(v[0]);
        if (!out.marks)
            error = "--marks wants all, none or a list such as feasts,seasons,moon (also jewish, islamic, "
                    "islamic-umm-al-qura), not " +
                    Quoted(v[0]);
    }
    return error.empty();
}

// read TEXT [--place ID]: any argument that is no option is the date, which may begin with "-".
bool ParseReadOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (option == "--place") {
        std::vector<std::string> v;
        if (!cursor.TakeValues(option, 1, v, error))
            return false;
        out.place = v[0];
        return true;
    }
    if (option.rfind("--", 0) == 0) {
        error = "unknown option " + Quoted(option) + " for read";
        return false;
    }
    if (out.recordText) {
        error = "read takes one date; put it in quotes: vardex-cli read \"23 Feb 1731/2\"";
        return false;
    }
    out.recordText = option;
    return true;
}

// FILE and --place-map FILE of gedcom.
bool ParseGedcomOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    std::vector<std::string> v;
    if (option == "--place-map") {
        if (out.placeMapFile)
            error = "give --place-map once";
        else if (cursor.TakeValues(option, 1, v, error))
            out.placeMapFile = v[0];
    } else if (option.size() > 2 && option.rfind("--", 0) == 0) {
        error = "unknown option " + Quoted(option) + " for gedcom";
    } else if (out.treeFile) {
        error = "gedcom takes one FILE, not also " + Quoted(option);
    } else {
        out.treeFile = option;
    }
    return error.empty();
}

bool ParseCommandOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    if (out.command == Command::Read)
        return ParseReadOption(option, cursor, out, error);
    if (out.command == Command::Gedcom)
        return ParseGedcomOption(option, cursor, out, error);
    if (out.command == Command::Cal)
        return ParseCalOption(option, cursor, out, error);
    if (out.command == Command::Convert)
        return ParseConvertOption(option, cursor, out, error);
    if (out.command == Command::Diff)
        return ParseDiffOption(option, cursor, out, error);
    if ((out.command == Command::Calendars || out.command == Command::History) && option == "--jdn")
        return ParseConvertOption(option, cursor, out, error);
    if (out.command == Command::Seasons || out.command == Command::Moon)
        return ParseSkyOption(option, cursor, out, error);
    if (out.command == Command::Easter) {
        out.easterYear = out.easterYear ? std::nullopt : ParseInt32(option);
        if (!out.easterYear)
            error = "easter wants one year, a whole number, not " + Quoted(option);
        return out.easterYear.has_value();
    }
    if (out.command == Command::History) {
        std::vector<std::string> v;
        if (option == "--places") {
            out.listPlaces = true;
            return true;
        }
        std::optional<std::string> *target = option == "--place"     ? &out.place
                                             : option == "--to"      ? &out.toPlace
                                             : option == "--written" ? &out.written
                                             : option == "--style"   ? &out.style
                                                                     : nullptr;
        if (target) {
            if (!cursor.TakeValues(option, 1, v, error))
                return false;
            *target = v[0];
            return true;
        }
    }
    if (ParseDateOption(option, cursor, out, error) || !error.empty())
        return error.empty();
    std::vector<std::string> v;
    if ((option == "--days" && out.command == Command::Sequence) ||
        (option == "--years" && out.command == Command::Equinox)) {
        if (!cursor.TakeValues(option, 1, v, error))
            return false;
        out.count = v[0];
        return true;
    }
    if (out.command == Command::Equinox && option == "--longitude") {
        if (!cursor.TakeValues(option, 2, v, error))
            return false;
        const auto degrees = ParseInt32(v[0]);
        const auto minutes = ParseInt32(v[1]);
        if (!degrees || *degrees < 70 || *degrees > 79 || !minutes || *minutes < 0 || *minutes > 59) {
            error =
                "--longitude wants degrees 70..79 and minutes 0..59 west, not " + Quoted(v[0] + " " + v[1]);
            return false;
        }
        out.longitudeDegrees = *degrees;
        out.longitudeMinutes = *minutes;
        return true;
    }
    if (out.command == Command::Equinox && (option == "--mean" || option == "--apparent")) {
        out.meanTime = option == "--mean";
        return true;
    }
    error = "unknown option " + Quoted(option);
    return false;
}

std::string CheckSky(const Arguments &a)
{
    if (!a.skyYear)
        return std::string(a.command == Command::Seasons ? "seasons" : "moon") + " needs a YEAR";
    if (a.lastSkyYear && a.lastSkyYear->value < a.skyYear->value)
        return "--to wants YEAR or a later year, not " + Quoted(a.lastSkyYear->text);
    return {};
}

std::string CheckConvert(const Arguments &a)
{
    if (a.jdn && a.date)
        return "convert takes --jdn or --date, not both";
    if (!a.jdn && !a.date)
        return "convert needs --jdn N or --date Y-M-D --calendar NAME";
    if (a.date && !a.calendar)
        return "--date needs --calendar gregorian, julian or dee";
    if (a.jdn && a.calendar)
        return "--calendar goes with --date, not with --jdn";
    return {};
}

std::string CheckWindowCommand(Arguments &a)
{
    if (!a.input)
        return "give the date: --ymd TEXT, --mdy MONTH DAY YEAR ERA CALENDAR or --today";
    if (a.calendar) {
        if (a.input->form == DateInput::Form::MonthDayYear)
            return "--mdy names its calendar itself; --calendar goes with --ymd or --today";
        a.input->calendar = a.calendar;
    }
    if (a.command == Command::Sequence && !a.count)
        return "sequence needs --days N";
    if (a.command == Command::Equinox && !a.count)
        return "equinox needs --years N";
    return {};
}

// A DATE of diff, with its --calendar: given, in a calendar (no weekday search).
std::string CheckDiffDate(std::optional<DateInput> &input, const std::optional<Calendar> &calendar,
                          const std::string &which)
{
    if (!input)
        return "give the " + which + " date: --ymd TEXT, --mdy MONTH DAY YEAR ERA CALENDAR or --today";
    if (calendar) {
        if (input->form == DateInput::Form::MonthDayYear)
            return "--mdy names its calendar itself; --calendar goes with --ymd or --today";
        input->calendar = calendar;
    }
    if (input->form == DateInput::Form::MonthDayYear && input->calendarEntry > 3)
        return "diff wants a calendar for --mdy: gregorian, julian or dee";
    return {};
}

std::string CheckDiff(Arguments &a)
{
    if (!a.afterTo)
        return "diff needs the second date after --to";
    std::string error = CheckDiffDate(a.input, a.calendar, "first");
    return error.empty() ? CheckDiffDate(a.to, a.toCalendar, "second") : error;
}

std::string CheckHistory(Arguments &a)
{
    if (a.listPlaces)
        return a.place || a.toPlace || a.written || a.style || a.jdn || a.input ? "--places goes alone" : "";
    if (!a.place)
        return "history needs --place ID (vardex-cli history --places lists them)";
    const int dates = a.written.has_value() + a.jdn.has_value() + a.input.has_value();
    if (dates != 1)
        return "history takes one of --written YEAR-MONTH-DAY, --jdn N or a date";
    if (a.style && !a.written)
        return "--style goes with --written";
    return a.input ? CheckWindowCommand(a) : "";
}

std::string CheckCal(const Arguments &a)
{
    if (a.calendar && a.place)
        return "cal takes --calendar or --place, not both";
    if (a.ics && a.json)
        return "--ics and --json do not go together";
    return {};
}

std::string CheckCommand(Arguments &a)
{
    const bool table = a.command == Command::Sequence || a.command == Command::Equinox ||
                       a.command == Command::Seasons || a.command == Command::Moon ||
                       a.command == Command::Gedcom;
    if (a.csv && !table)
        return "--csv is for the sequence and equinox tables";
    if (a.csv && a.json)
        return "--csv and --json do not go together";
    switch (a.command) {
    case Command::Convert: return CheckConvert(a);
    case Command::Diff: return CheckDiff(a);
    case Command::History: return CheckHistory(a);
    case Command::Easter: return a.easterYear ? "" : "easter needs a YEAR";
    case Command::Seasons:
    case Command::Moon: return CheckSky(a);
    case Command::Cal: return CheckCal(a);
    case Command::Read:
        return a.recordText ? "" : "read needs the date, such as vardex-cli read \"23 Feb 1731/2\"";
    case Command::Gedcom: return a.treeFile ? "" : "gedcom needs a FILE, a GEDCOM family tree";
    case Command::Calendars:
        if (a.jdn)  // --jdn instead of a date
            return a.input || a.arithmetic || a.calendar ? "calendars takes --jdn N or a date, not both" : "";
        return CheckWindowCommand(a);
    default: return CheckWindowCommand(a);
    }
}

std::optional<Command> CommandNamed(const std::string &name)
{
    if (name == "convert")
        return Command::Convert;
    if (name == "calc")
        return Command::Calc;
    if (name == "sequence")
        return Command::Sequence;
    if (name == "equinox")
        return Command::Equinox;
    if (name == "diff")
        return Command::Diff;
    if (name == "calendars")
        return Command::Calendars;
    if (name == "history")
        return Command::History;
    if (name == "easter")
        return Command::Easter;
    if (name == "seasons")
        return Command::Seasons;
    if (name == "moon")
        return Command::Moon;
    if (name == "cal")
        return Command::Cal;
    if (name == "read")
        return Command::Read;
    if (name == "gedcom")
        return Command::Gedcom;
    return std::nullopt;
}

}  // namespace

std::string Quoted(const std::string &text)
{
    std::string out = "'";
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const size_t length = Utf8Length(text, i);
        const bool c1 = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (length == 0 || byte < 0x20 || byte == 0x7F || c1) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out + "'";
}

std::string ValidUtf8(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const size_t length = Utf8Length(text, i);
        out.append(length ? text.substr(i, length) : "\xEF\xBF\xBD");
        i += length ? length : 1;
    }
    return out;
}

const char *VariantOption(DeeVariant variant) { return variant == DeeVariant::Dee ? "dee" : "dee-cecil"; }

std::optional<int32_t> ParseInt32(std::string_view text)
{
    const bool plus = !text.empty() && text.front() == '+';
    if (plus)
        text.remove_prefix(1);  // from_chars reads a minus sign only
    if (text.empty() || (plus && text.front() == '-'))
        return std::nullopt;
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

ParseResult ParseArguments(const std::vector<std::string> &args)
{
    ParseResult result;
    Arguments &out = result.arguments;
    std::string &error = result.error;
    Cursor cursor(args);
    bool haveCommand = false;
    while (!cursor.AtEnd() && error.empty()) {
        const std::string &arg = cursor.Take();
        std::vector<std::string> v;
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            out = Arguments{};  // help and the version win over everything else
            out.command = arg == "--version" ? Command::Version : Command::Help;
            return result;
        }
        if (arg == "--json") {
            out.json = true;
        } else if (arg == "--csv") {
            out.csv = true;
        } else if (arg == "--variant") {
            if (!cursor.TakeValues(arg, 1, v, error))
                break;
            if (v[0] == "dee" || v[0] == "dee-cecil")
                out.variant = v[0] == "dee" ? DeeVariant::Dee : DeeVariant::DeeCecil;
            else
                error = "--variant wants dee or dee-cecil, not " + Quoted(v[0]);
        } else if (!haveCommand) {
            const auto command = CommandNamed(arg);
            if (!command) {
                error = "unknown command " + Quoted(arg);
                break;
            }
            out.command = *command;
            haveCommand = true;
        } else {
            ParseCommandOption(arg, cursor, out, error);
        }
    }
    if (error.empty() && !haveCommand)
        error = "no command given";
    if (error.empty())
        error = CheckCommand(out);
    return result;
}

std::string UsageText()
{
    return "Usage:\n"
           "  vardex-cli [--variant dee|dee-cecil] convert (--jdn N | --date Y-M-D --calendar CAL) [--json]\n"
           "  vardex-cli [--variant dee|dee-cecil] calc DATE [ARITH] [--json]\n"
           "  vardex-cli [--variant dee|dee-cecil] sequence DATE [ARITH] --days N [--json|--csv]\n"
           "  vardex-cli [--variant dee|dee-cecil] equinox DATE [ARITH] --years N [--longitude DEG MIN]\n"
           "             [--mean|--apparent] [--json|--csv]\n"
           "  vardex-cli [--variant dee|dee-cecil] diff DATE --to DATE [--json]\n"
           "  vardex-cli [--variant dee|dee-cecil] calendars (--jdn N | DATE [ARITH]) [--json]\n"
           "  vardex-cli history --place ID --written YEAR-MONTH-DAY [--style STYLE] [--to ID] [--json]\n"
           "  vardex-cli history --place ID (--jdn N | DATE [ARITH]) [--to ID] [--json]\n"
           "  vardex-cli history --places [--json]\n"
           "  vardex-cli easter YEAR [--json]\n"
           "  vardex-cli [--variant dee|dee-cecil] seasons YEAR [--to YEAR] [--longitude DEG MIN (E|W)]\n"
           "             [--deltat em2006|smh2016|ms2004] [--json|--csv]\n"
           "  vardex-cli [--variant dee|dee-cecil] moon YEAR [--month M] [--longitude DEG MIN (E|W)]\n"
           "             [--deltat em2006|smh2016|ms2004] [--json|--csv]\n"
           "  vardex-cli [--variant dee|dee-cecil] cal [--calendar CAL | --place ID] [--year Y] [--month M]\n"
           "             [--sunday] [--marks all|none|LIST] [--json | --ics]\n"
           "  vardex-cli read TEXT [--place ID] [--json]\n"
           "  vardex-cli gedcom FILE [--place-map FILE] [--json|--csv]\n"
           "  vardex-cli --help | --version\n"
           "\n"
           "  DATE  := --ymd TEXT [--calendar CAL]             e.g. --ymd \"2024-3-5 JC\"\n"
           "         | --mdy MONTH DAY YEAR ERA CALENDAR         e.g. --mdy March 15 44 BC julian\n"
           "         | --today [--calendar CAL]\n"
           "  ARITH := --plus Y M W D | --minus Y M W D          years, months, weeks, days; \"\" for none\n"
           "  CAL   := gregorian | julian | dee\n"
           "  MONTH := 1..12 or an English month name; DAY := 1..31; YEAR := the text of the year box\n"
           "  ERA   := AD | BC | CE | BCE\n"
           "  CALENDAR := CAL | sunday | monday | tuesday | wednesday | thursday | friday | saturday\n"
           "  Y-M-D: astronomical year (0 = 1 BC), e.g. -43-3-15\n"
           "  --variant chooses the Dee calendar's epoch: dee (1-1-1 D = JDN 1,721,425) or\n"
           "  dee-cecil (1-1-1 DC = JDN 1,721,426, the default).\n"
           "  --longitude: the meridian west of Greenwich, degrees 70..79 and minutes 0..59 (77 0).\n"
           "  diff: from the first DATE to the one after --to (To - From), in days, weeks and days, and\n"
           "  years, months and days of each calendar; its --mdy CALENDAR is a CAL, not a weekday.\n"
           "  seasons: the equinoxes and solstices of the years YEAR to --to YEAR (or of YEAR alone);\n"
           "  moon: the Moon's phases whose local day falls in YEAR, or in its month M (1..12).\n"
           "  Their YEAR is astronomical (0 = 1 BC), -4000..8000. Local times are mean solar time at\n"
           "  the meridian of --longitude DEG MIN E|W (0..180 degrees, 0..59 minutes; 0 0 E, Greenwich).\n"
           "  --deltat: the model of Delta-T (TT - UT): em2006 (Espenak and Meeus 2006, the default),\n"
           "  smh2016 (Stephenson, Morrison and Hohenkerk 2016) or ms2004 (Morrison and Stephenson 2004).\n"
           "  cal: a month (--month M, 1..12 or an English month name) or, with --year alone, a whole\n"
           "  year, as in a calendar or as a place of history --places wrote it; this month by default.\n"
           "  Y is astronomical (0 = 1 BC). --sunday starts the weeks on Sunday. --marks: all, none or\n"
           "  a comma-separated LIST of feasts, seasons, moon, jewish, islamic, islamic-umm-al-qura\n"
           "  (a month: feasts,seasons,moon; a year's text: none). Seasons and Moon are marked for the\n"
           "  years -4000..8000. --ics writes the marks as an iCalendar file (years 1..9999).\n"
           "  read: a date as records and family-tree files write it (GEDCOM's forms, \"23 Feb 1731/2\",\n"
           "  \"10 Jan 1700 O.S.\", month names in eight languages) and the days it can mean; with\n"
           "  --place, an unmarked date is read as the place wrote it then. Exit 1 when it cannot be read.\n"
           "  gedcom: checks the dates of a GEDCOM family tree for calendar mistakes, each read at the\n"
           "  place of its event as history --places knows it; a line per finding, then a summary with\n"
           "  the places not matched. --place-map FILE: lines of a place as the tree writes it, a tab\n"
           "  and a place ID, matched first. The tree is never written; its findings exit 0 too.\n"
           "\n"
           "Exit status: 0 done, 1 the program refused the input (its message on standard error),\n"
           "2 malformed arguments, an incomplete input date, or a table asked for a weekday search.\n"
           "\n"
           "Report bugs to <bugs@vardex.example>.\n";
}

}  // namespace vardex::cli
