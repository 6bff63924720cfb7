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

}  // namespace
}  // namespace vardex::cli
