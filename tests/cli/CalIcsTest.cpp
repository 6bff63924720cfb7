// SPDX-License-Identifier: MIT
// The iCalendar file's pieces in process: content lines folded and escaped as RFC 5545 wants them,
// the stamp and the instants in its UTC form, and the all-day events at the end of its years.
// (The whole file read back by a parser of its own: check_ics.py.)
#include <gtest/gtest.h>

#include "CalIcs.h"
#include "IcsLines.h"

namespace vardex::cli {
namespace {

TEST(Ics, LinesFoldAt75OctetsBetweenCharacters)
{
    // The two octets of "ó" would end at the 76th: the fold comes before them; a folded line's
    // blank counts (75, then 1 + 74).
    const std::string a74(74, 'a');
    EXPECT_EQ(IcsLine(a74 + "\xc3\xb3" + a74), a74 + "\r\n \xc3\xb3" + a74.substr(2) + "\r\n aa\r\n");
    EXPECT_EQ(IcsEscaped("a\\b;c,d\ne"), "a\\\\b\\;c\\,d\\ne");
}

// The stamp (GNU date -u -d @1709642096) and an instant rounded into the next day.
TEST(Ics, StampsAndInstantsInUtc)
{
    EXPECT_EQ(IcsStamp(1709642096), "20240305T123456Z");
    EXPECT_EQ(IcsStamp(INT64_MAX), "99991231T235959Z");
    EXPECT_EQ(IcsUtcMinute(2460389.5 + (23 * 3600 + 59 * 60 + 40) / 86400.0), "20240321T000000Z");
}

// An all-day event lasts to the next day; on 31 December 9999 there is none, and leaving DTEND
// out gives the event its one day.
TEST(Ics, AllDayEventsAtTheEndOfTheYears)
{
    CalSheet sheet;
    sheet.year = 9999;
    sheet.month = 12;
    sheet.months.push_back(*BuildMonthPage(sheet.calendar, 9999, 12));
    sheet.marks.assign(1, std::vector<std::vector<DayMark>>(31));
    sheet.marks[0][29] = {{MarkKind::Feast, "st_egwin", "Saint Egwin, a test", ""}};
    sheet.marks[0][30] = {{MarkKind::Jewish, "last", "Last", ""}};
    const std::string file = CalIcs(sheet, "9", 0).value();
    EXPECT_NE(
        file.find("UID:feast-st_egwin-5373483@vardex\r\nDTSTAMP:19700101T000000Z\r\n"
                  "DTSTART;VALUE=DATE:99991230\r\nDTEND;VALUE=DATE:99991231\r\n"
                  "SUMMARY:Saint Egwin\\, a test\r\nDESCRIPTION:30 December 9999\\, Gregorian calendar\r\n"),
        std::string::npos)
        << file;
    EXPECT_NE(file.find("DTSTART;VALUE=DATE:99991231\r\nSUMMARY:Last\r\n"), std::string::npos) << file;
    sheet.months[0] = *BuildMonthPage(sheet.calendar, 10000, 1);
    EXPECT_EQ(CalIcs(sheet, "9", 0), std::nullopt);
}

}  // namespace
}  // namespace vardex::cli
