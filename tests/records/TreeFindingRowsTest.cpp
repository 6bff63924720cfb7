// SPDX-License-Identifier: MIT
// A finding's days as dates and its CSV record. The days: 14 September 1752 (Gregorian) is JDN
// 2,361,222 and 3 September 1752 (Julian), as the US Naval Observatory's converter gives them;
// JDN 2,451,545 is 1 January 2000 (Gregorian), 19 December 1999 (Julian); JDN 0 is 1 January
// 4713 BC (Julian), 24 November 4714 BC (Gregorian); the ends of 1752 from Python 3's datetime
// (proleptic Gregorian ordinals + 1,721,425).
#include <gtest/gtest.h>

#include "records/TreeFindingRows.h"

namespace vardex {
namespace {

TreeFinding Days(std::optional<int32_t> first, std::optional<int32_t> last)
{
    TreeFinding finding;
    finding.firstJdn = first;
    finding.lastJdn = last;
    return finding;
}

TEST(TreeFindingRows, DaysAsJulianAndGregorianDates)
{
    struct Case {
        std::optional<int32_t> first, last;
        const char *julian, *gregorian;
    };
    const Case cases[] = {
        {2361222, 2361222, "1752-09-03", "1752-09-14"},
        {2451545, 2451545, "1999-12-19", "2000-01-01"},
        {0, 0, "-4712-01-01", "-4713-11-24"},
        {2360965, 2361330, "1751-12-21 \u2013 1752-12-20", "1752-01-01 \u2013 1752-12-31"},
        {2361222, std::nullopt, "1752-09-03", "1752-09-14"},
        {std::nullopt, std::nullopt, "", ""},
    };
    for (const Case &c : cases) {
        const TreeFinding finding = Days(c.first, c.last);
        EXPECT_EQ(FindingDaysText(finding, Calendar::Julian), c.julian) << c.first.value_or(-1);
        EXPECT_EQ(FindingDaysText(finding, Calendar::Gregorian), c.gregorian) << c.first.value_or(-1);
    }
}

TEST(TreeFindingRows, CsvRecordsQuoteWhatTheyMust)
{
    EXPECT_EQ(
        TreeFindingCsvHeader(),
        "line,record,name,event,date,place,place_id,first_jdn,last_jdn,julian,gregorian,id,message\r\n");
    TreeFinding finding = Days(2361222, 2361222);
    finding.line = 120;
    finding.record = "@I12@";
    finding.name = "Mary \"Polly\" Jones, Jr.";
    finding.event = "BIRT";
    finding.date = "10 SEP 1752";
    finding.place = "London, England";
    finding.placeId = "england";
    finding.id = "in_gap";
    finding.message = "England skipped\nthat day.";
    EXPECT_EQ(TreeFindingCsvRecord(finding),
              "120,@I12@,\"Mary \"\"Polly\"\" Jones, Jr.\",BIRT,10 SEP 1752,\"London, England\",england,"
              "2361222,2361222,1752-09-03,1752-09-14,in_gap,\"England skipped\nthat day.\"\r\n");
    TreeFinding unread;
    unread.line = 7;
    unread.id = "unreadable";
    EXPECT_EQ(TreeFindingCsvRecord(unread), "7,,,,,,,,,,,unreadable,\r\n");
    const TreeFinding span = Days(2360965, 2361330);
    EXPECT_NE(TreeFindingCsvRecord(span).find(",1751-12-21/1752-12-20,1752-01-01/1752-12-31,"),
              std::string::npos);
}

}  // namespace
}  // namespace vardex
