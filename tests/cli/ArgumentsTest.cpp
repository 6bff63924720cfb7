// SPDX-License-Identifier: MIT
// The command line parsed in process: messages quote what was typed safely. (Numbers that fit:
// the --jdn transcripts of commands.txt.)
#include <gtest/gtest.h>

#include "Arguments.h"

namespace vardex::cli {
namespace {

// Bytes that are no UTF-8, and control characters, are escaped; well-formed UTF-8 passes.
TEST(Arguments, InvalidBytesAreEscapedInMessages)
{
    const ParseResult r = ParseArguments({"calc", "--ymd", "1-1-1 CE", "--x\xe9t\xc3\xa9\x01\xed\xa0\x80"});
    EXPECT_EQ(r.error, "unknown option '--x\\xE9t\xc3\xa9\\x01\\xED\\xA0\\x80'");
}

}  // namespace
}  // namespace vardex::cli
