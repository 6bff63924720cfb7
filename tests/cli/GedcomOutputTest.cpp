// SPDX-License-Identifier: MIT
// The three forms of vardex-cli gedcom's findings, written from findings made up here: the days
// under each (JDN 2361222 is 14 September 1752, the first Gregorian day in Britain, 3 September
// in the Julian calendar), the names of a file as they may come (quotes, commas, line breaks,
// bytes that are no UTF-8), and the summary's order.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>

#include "GedcomOutput.h"

namespace vardex::cli {
namespace {

TreeFinding InGap()
{
    TreeFinding f;
    f.line = 120;
    f.record = "@I12@";
    f.name = "John Smith";
    f.event = "BIRT";
    f.date = "10 Sep 1752";
    f.place = "London, England";
    f.placeId = "england";
    f.firstJdn = f.lastJdn = 2361222;
    f.id = "in_gap";
    f.message = "Skipped.";
    return f;
}

// A month, at a place not matched, with a name a family tree might well hold.
TreeFinding Awkward()
{
    TreeFinding f = InGap();
    f.name = "José \"Pepe\", Núñez\nJr\x01\xff";
    f.place = "Berlin, Germany";
    f.placeId.clear();
    f.lastJdn = 2361251;
    f.id = "year_start_ambiguous";
    return f;
}

TreeFinding Unread()
{
    TreeFinding f = InGap();
    f.place.clear();
    f.placeId.clear();
    f.firstJdn.reset();
    f.lastJdn.reset();
    f.id = "unreadable";
    return f;
}

TreeSummary Summary()
{
    TreeSummary s;
    s.encoding = "UTF-8";
    s.lines = 500;
    s.dates = 40;
    s.datesRead = 38;
    s.assumedGregorian = 4;
    s.byCalendar = {{"gregorian", 30}, {"julian", 8}};
    s.byQualifier = {{"about", 5}, {"exact", 33}};
    s.findingsById = {{"in_gap", 1}, {"unreadable", 2}};
    s.unmappedPlaces = {{"Aachen", 2}, {"Berlin, Germany", 7}, {"Zwolle", 2}};
    s.mappedPlaceDates = 20;
    for (int64_t line = 1; line <= 12; ++line)
        s.problems.push_back({line * 10, "line " + std::to_string(line * 10) + ": no level number"});
    s.problemCount = 15;
    return s;
}

std::string Written(TreeOutput form, const std::vector<TreeFinding> &findings, const TreeSummary &summary)
{
    std::ostringstream out;
    const auto writer = MakeFindingWriter(form, out, "tree.ged");
    for (const TreeFinding &f : findings)
        writer->Finding(f);
    writer->Summary(summary);
    return out.str();
}

TEST(GedcomOutput, TextFindingsWithTheirDays)
{
    const std::string text = Written(TreeOutput::Text, {InGap(), Awkward(), Unread()}, TreeSummary());
    EXPECT_EQ(text.substr(0, text.find("\nFile:")),
              "line 120 @I12@ John Smith BIRT '10 Sep 1752' (London, England -> england): in_gap: Skipped.\n"
              "    Julian 1752-09-03, Gregorian 1752-09-14\n"
              "line 120 @I12@ José \"Pepe\", Núñez\\x0AJr\\x01\\xFF BIRT '10 Sep 1752' (Berlin, Germany -> "
              "unmapped): "
              "year_start_ambiguous: Skipped.\n"
              "    Julian 1752-09-03/1752-10-02, Gregorian 1752-09-14/1752-10-13\n"
              "line 120 @I12@ John Smith BIRT '10 Sep 1752' (no place): unreadable: Skipped.\n");
}

// Unmapped places most dates first, ties by name; ten bad lines and a mark for the rest.
TEST(GedcomOutput, TextSummary)
{
    const std::string text = Written(TreeOutput::Text, {}, Summary());
    EXPECT_EQ(text,
              "\nFile: tree.ged (UTF-8, 500 lines)\n"
              "Dates: 40, read 38, at a known place 20\n"
              "  read as Gregorian for want of a calendar mark and a known place: 4\n"
              "  by calendar: gregorian 30, julian 8\n"
              "  by qualifier: about 5, exact 33\n"
              "Findings: 3\n"
              "  by kind: in_gap 1, unreadable 2\n"
              "Places unmapped: 3 (map them with --place-map FILE: each as written, a tab, a place ID)\n"
              "  7 dates: Berlin, Germany\n"
              "  2 dates: Aachen\n"
              "  2 dates: Zwolle\n"
              "Bad lines skipped: 15\n"
              "  line 10: no level number\n  line 20: no level number\n  line 30: no level number\n"
              "  line 40: no level number\n  line 50: no level number\n  line 60: no level number\n"
              "  line 70: no level number\n  line 80: no level number\n  line 90: no level number\n"
              "  line 100: no level number\n  ...\n");
}

QJsonObject ParsedJson(const std::string &text)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << text;
    return json.object();
}

TEST(GedcomOutput, JsonFindingsAndSummary)
{
    const QJsonObject json = ParsedJson(Written(TreeOutput::Json, {InGap(), Awkward(), Unread()}, Summary()));
    EXPECT_EQ(json["file"].toString(), "tree.ged");
    EXPECT_EQ(json["dates"].toInt(), 40);
    const QJsonArray findings = json["findings"].toArray();
    ASSERT_EQ(findings.size(), 3);
    const QJsonObject gap = findings[0].toObject();
    EXPECT_EQ(gap["line"].toInt(), 120);
    EXPECT_EQ(gap["place_id"].toString(), "england");
    EXPECT_EQ(gap["first_jdn"].toInt(), 2361222);
    const QJsonObject julian = gap["first"]["julian"].toObject();
    EXPECT_EQ(std::tuple(julian["year"].toInt(), julian["month"].toInt(), julian["day"].toInt()),
              std::tuple(1752, 9, 3));
    EXPECT_EQ(gap["last"]["gregorian"]["day"].toInt(), 14);
    const QJsonObject awkward = findings[1].toObject();
    EXPECT_EQ(awkward["name"].toString(), QString::fromUtf8("José \"Pepe\", Núñez\nJr\x01\uFFFD"));
    EXPECT_TRUE(awkward["place_id"].isNull());
    EXPECT_EQ(awkward["last"]["gregorian"]["month"].toInt(), 10);
    const QJsonObject unread = findings[2].toObject();
    for (const char *key : {"first_jdn", "last_jdn", "first", "last"})
        EXPECT_TRUE(unread[key].isNull()) << key;
    const QJsonObject summary = json["summary"].toObject();
    EXPECT_EQ(summary["dates_read"].toInt(), 38);
    EXPECT_EQ(summary["assumed_gregorian"].toInt(), 4);
    EXPECT_EQ(summary["by_calendar"]["julian"].toInt(), 8);
    EXPECT_EQ(summary["findings_by_id"]["unreadable"].toInt(), 2);
    EXPECT_EQ(summary["unmapped_places"][0]["place"].toString(), "Berlin, Germany");
    EXPECT_EQ(summary["unmapped_places"][2]["place"].toString(), "Zwolle");
    EXPECT_EQ(summary["bad_lines"].toInt(), 15);
    EXPECT_EQ(summary["problems"].toArray().size(), 12);
    EXPECT_EQ(ParsedJson(Written(TreeOutput::Json, {}, TreeSummary()))["findings"].toArray().size(), 0);
}

TEST(GedcomOutput, CsvRows)
{
    EXPECT_EQ(
        Written(TreeOutput::Csv, {InGap(), Awkward(), Unread()}, Summary()),
        "line,record,name,event,date,place,place_id,first_jdn,last_jdn,julian,gregorian,id,message\r\n"
        "120,@I12@,John Smith,BIRT,10 Sep 1752,\"London, England\",england,2361222,2361222,1752-09-03,"
        "1752-09-14,in_gap,Skipped.\r\n"
        "120,@I12@,\"José \"\"Pepe\"\", Núñez\nJr\x01\xEF\xBF\xBD\",BIRT,10 Sep 1752,\"Berlin, Germany\",,"
        "2361222,2361251,1752-09-03/1752-10-02,1752-09-14/1752-10-13,year_start_ambiguous,Skipped.\r\n"
        "120,@I12@,John Smith,BIRT,10 Sep 1752,,,,,,,unreadable,Skipped.\r\n");
}

}  // namespace
}  // namespace vardex::cli
