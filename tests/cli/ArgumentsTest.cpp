// SPDX-License-Identifier: MIT
// The command line parsed and run in process: messages quote what was typed safely. (Numbers that fit:
// the --jdn transcripts of commands.txt.)
#include <gtest/gtest.h>

#include "Arguments.h"
#include "HistoryCommand.h"

namespace vardex::cli {
namespace {

// Bytes that are no UTF-8 (a surrogate, U+07FF written in three bytes), and control characters (C1
// ones written in UTF-8 too), are escaped; well-formed UTF-8 (U+0800 the first of three bytes) passes.
// What history does not know is quoted the same way (bytes that no process argument of the
// transcripts can carry); a data folder without the calendar history is named.
TEST(Arguments, MessagesQuoteWhatWasTypedSafely)
{
    const ParseResult r =
        ParseArguments({"calc", "--ymd", "1-1-1 CE",
                        "--x\xe9t\xc3\xa9\x01\xed\xa0\x80\xc2\x9b\xc2\xa0\xe0\x9f\xbf\xe0\xa0\x80"});
    EXPECT_EQ(r.error,
              "unknown option '--x\\xE9t\xc3\xa9\\x01\\xED\\xA0\\x80\\xC2\\x9B\xc2\xa0\\xE0\\x9F\\xBF"
              "\xe0\xa0\x80'");
    struct NoClock : Clock {
        std::string ShortDateText() const override { return "2024-01-01"; }
        int64_t UtcSeconds() const override { return 1704067200; }
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"history", "--place", "at\x01l\xff", "--jdn", "1"},
         "Unknown place 'at\\x01l\\xFF'; vardex-cli history --places lists them.\n"},
        {{"history", "--place", "england", "--jdn", "1", "--to", "\x1b[31mred"},
         "Unknown place '\\x1B[31mred'; vardex-cli history --places lists them.\n"},
        {{"history", "--place", "england", "--written", "1700-1-1", "--style", "a\xc3"},
         "Unknown year-start style 'a\\xC3'; styles: circumcision, annunciation, pisan, nativity, venetian, "
         "byzantine, easter.\n"},
    };
    for (const auto &[args, message] : cases) {
        const ParseResult parsed = ParseArguments(args);
        ASSERT_TRUE(parsed.Ok()) << parsed.error;
        const Outcome outcome = RunHistory(parsed.arguments, NoClock(), HISTORY_DATA);
        EXPECT_EQ(std::tuple(outcome.out, outcome.err, outcome.status),
                  std::tuple("", message, kExitRefused));
    }
    const Outcome unread = RunHistory(ParseArguments({"history", "--places"}).arguments, NoClock(), "/none");
    EXPECT_EQ(unread.err, "The calendar history file /none/calendar-history.tsv cannot be read.\n");
}

// Each malformed line of seasons and moon names what is wrong. Huge years are numbers and get the
// range's refusal when run (sky.txt), not one of these.
TEST(Arguments, SkyCommandsRefuseMalformedLines)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"moon"}, "moon needs a YEAR"},
        {{"seasons", ""}, "seasons wants one year, a whole number, not ''"},
        {{"seasons", "+-5"}, "seasons wants one year, a whole number, not '+-5'"},
        {{"moon", "2024", "2025"}, "moon wants one year, a whole number, not '2025'"},
        {{"seasons", "--to", "2025", "2024"}, "--to comes after YEAR: seasons YEAR --to YEAR"},
        {{"seasons", "+2024", "--to", "2023"}, "--to wants YEAR or a later year, not '2023'"},
        {{"seasons", "2024", "--to", "x"}, "--to wants a year, a whole number, not 'x'"},
        {{"seasons", "2024", "--to"}, "--to needs a value"},
        {{"moon", "2024", "--month", "13"}, "--month wants 1..12, not '13'"},
        {{"moon", "2024", "--month", "0"}, "--month wants 1..12, not '0'"},
        {{"seasons", "2024", "--month", "3"}, "--month goes with moon, not with seasons"},
        {{"moon", "2024", "--to", "2025"}, "--to goes with seasons, not with moon"},
        {{"moon", "2024", "--deltat", "EM2006"}, "--deltat wants em2006, smh2016 or ms2004, not 'EM2006'"},
        {{"moon", "2024", "--json", "--csv"}, "--csv and --json do not go together"},
        {{"seasons", "2024", "-x"}, "seasons wants one year, a whole number, not '-x'"},
        {{"seasons", "2024", "--mean"}, "unknown option '--mean'"},
        {{"seasons", "2024", "--longitude", "77", "0"}, "--longitude needs 3 values"},
    };
    for (const auto &[args, message] : cases)
        EXPECT_EQ(ParseArguments(args).error, message);
    const std::string wants =
        "--longitude wants degrees 0..180, minutes 0..59 and E or W, 180 0 at most, not '";
    for (const std::string longitude :
         {"181 0 E", "180 1 W", "10 60 E", "10 0 X", "-1 0 E", "10 -1 W", "1e1 0 E", "4294967306 0 E"}) {
        std::vector<std::string> args = {"moon", "2024", "--longitude"};
        for (size_t from = 0, blank = 0; blank != std::string::npos; from = blank + 1)
            args.push_back(longitude.substr(from, (blank = longitude.find(' ', from)) - from));
        EXPECT_EQ(ParseArguments(args).error, wants + longitude + "'");
    }
}

// Each malformed line of cal names what is wrong.
TEST(Arguments, CalRefusesMalformedLines)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"cal", "--calendar", "julian", "--place", "england"}, "cal takes --calendar or --place, not both"},
        {{"cal", "--ics", "--json"}, "--ics and --json do not go together"},
        {{"cal", "--calendar", "hebrew"}, "--calendar wants gregorian, julian or dee, not 'hebrew'"},
        {{"cal", "--year", "1752.5"}, "--year wants a whole number, such as 1752 or -43, not '1752.5'"},
        {{"cal", "--month", "13"}, "--month wants 1..12 or an English month name, not '13'"},
        {{"cal", "--marks", "feasts,tides"},
         "--marks wants all, none or a list such as feasts,seasons,moon (also jewish, islamic, "
         "islamic-umm-al-qura), not 'feasts,tides'"},
        {{"cal", "--marks", ""},
         "--marks wants all, none or a list such as feasts,seasons,moon (also jewish, islamic, "
         "islamic-umm-al-qura), not ''"},
        {{"cal", "2024"}, "unknown option '2024' for cal"},
    };
    for (const auto &[args, message] : cases)
        EXPECT_EQ(ParseArguments(args).error, message);
}

}  // namespace
}  // namespace vardex::cli
