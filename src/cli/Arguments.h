// SPDX-License-Identifier: MIT
// The command line of vardex-cli, parsed into plain values. Parsing never touches the
// calendar logic; each command's runner does that.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "astronomy/DeltaTModels.h"
#include "astronomy/SkyEvents.h"
#include "engine/Calendars.h"
#include "pages/PageMarks.h"

namespace vardex::cli {

enum class Command {
    Help,
    Version,
    Convert,
    Calc,
    Sequence,
    Equinox,
    Diff,
    Calendars,
    History,
    Easter,
    Seasons,
    Moon,
    Cal,
    Read,
    Gedcom
};

struct Ymd {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
};

// How the main window's input date is entered: DATE of calc, sequence and equinox.
struct DateInput {
    enum class Form { YearMonthDay, MonthDayYear, Today };
    Form form = Form::Today;
    std::optional<Calendar> calendar;  // --calendar of --ymd and --today
    std::string ymdText;               // --ymd TEXT, as typed
    int month = 0;                     // --mdy: 1..12
    int day = 0;                       // 1..31
    std::string yearText;              // as typed into the year box
    std::string era;                   // "AD", "BC", "CE" or "BCE"
    int calendarEntry = 0;             // entry of the calendar list: 1..3 calendars, 4..10 Sunday..Saturday
};

// A year of seasons, moon or cal as typed, and its value: beyond 64 bits the value saturates,
// which leaves it outside the years offered as the text says.
struct SkyYear {
    std::string text;
    int64_t value = 0;
};

// --plus Y M W D or --minus Y M W D, each the text typed into that box.
struct ArithInput {
    bool plus = true;
    std::array<std::string, 4> amounts;
};

struct Arguments {
    Command command = Command::Help;
    DeeVariant variant = DeeVariant::DeeCecil;  // --variant
    bool json = false;
    bool csv = false;  // sequence, equinox, seasons and moon
    // convert, calendars
    std::optional<int32_t> jdn;
    std::optional<Ymd> date;
    std::optional<Calendar> calendar;
    // calc, sequence, equinox, and the first date of diff
    std::optional<DateInput> input;
    // diff: the date after --to, with its own --calendar
    std::optional<DateInput> to;
    std::optional<Calendar> toCalendar;
    bool afterTo = false;
    std::optional<ArithInput> arithmetic;
    std::optional<std::string> count;  // --days N or --years N, as typed into the window's box
    // history
    // An empty ID or style is given and unknown, not left out.
    std::optional<std::string> place;    // --place ID
    std::optional<std::string> toPlace;  // --to ID
    std::optional<std::string> written;  // --written YEAR-MONTH-DAY
    std::optional<std::string> style;    // --style STYLE
    bool listPlaces = false;             // --places
    // easter
    std::optional<int32_t> easterYear;
    // seasons and moon
    std::optional<SkyYear> skyYear;      // YEAR
    std::optional<SkyYear> lastSkyYear;  // --to YEAR of seasons
    std::optional<int> month;            // --month M of moon and cal
    Meridian meridian;                   // --longitude DEG MIN E|W; Greenwich unless given
    DeltaTModel deltaTModel = DeltaTModel::EspenakMeeus2006;
    int longitudeDegrees = 77;  // equinox
    int longitudeMinutes = 0;
    bool meanTime = false;
    // cal: --place and --calendar above, a page year (--year) and month (--month) or today's
    std::optional<SkyYear> pageYear;
    bool sundayFirst = false;         // --sunday
    std::optional<MarkChoice> marks;  // --marks; the defaults of a month page unless given
    bool ics = false;                 // --ics
    // read: the date as written, and --place above
    std::optional<std::string> recordText;
    // gedcom: the family tree's file and --place-map FILE, as typed
    std::optional<std::string> treeFile;
    std::optional<std::string> placeMapFile;
};

struct ParseResult {
    Arguments arguments;
    std::string error;  // one line; empty when the arguments are good
    bool Ok() const { return error.empty(); }
};

// args without the program name.
ParseResult ParseArguments(const std::vector<std::string> &args);

std::string UsageText();

// An argument as a message shows it, in single quotes: bytes that are no UTF-8, and control
// characters (C0, DEL and C1), as \xHH, so that a message never passes raw bytes on to the terminal.
std::string Quoted(const std::string &text);

// The text with each byte that is no part of well-formed UTF-8 replaced by U+FFFD, so that JSON
// written from a file's names stays JSON.
std::string ValidUtf8(const std::string &text);

// The spelling of a variant on the command line, which the JSON outputs use too.
const char *VariantOption(DeeVariant variant);

// Optional sign and decimal digits only, within 32 bits.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace vardex::cli
