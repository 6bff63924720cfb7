// SPDX-License-Identifier: MIT
// The check of a whole tree on a file of invented people with one deliberate mistake after another:
// every finding it must give, in order, and none other; the summary; Cancel; the user's place map.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "history/WrittenDayReading.h"
#include "records/FamilyTreeCheck.h"

namespace vardex::test {
namespace {

const PlaceTable &Places()
{
    static const PlaceTable table = LoadPlaceTable(CALENDAR_HISTORY_FOLDER);
    return table;
}

std::string MistakesFile()
{
    std::ifstream in(RECORDS_TEST_DATA "/mistakes.ged", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Checked {
    std::vector<TreeFinding> findings;
    TreeSummary summary;
};

Checked Check(const std::string &file, const PlaceMap &map = {}, std::function<bool(int64_t)> progress = {})
{
    Checked checked;
    std::istringstream in(file);
    const PlaceMatcher matcher(Places(), map);
    checked.summary = CheckFamilyTree(
        in, matcher, [&checked](const TreeFinding &finding) { checked.findings.push_back(finding); },
        progress);
    return checked;
}

using Row = std::tuple<int64_t, std::string, std::string, std::string>;  // line, record, event, id

TEST(FamilyTreeCheck, FindsEveryDeliberateMistakeAndNothingElse)
{
    const Checked checked = Check(MistakesFile());
    std::vector<Row> rows;
    for (const TreeFinding &f : checked.findings)
        rows.emplace_back(f.line, f.record, f.event, f.id);
    const std::vector<Row> expected = {
        {17, "@I1@", "DEAT", "in_gap"},                  // 10 Sep 1752 in London
        {20, "@I1@", "BURI", "calendar_after_switch"},   // Julian, 1760
        {25, "@I2@", "BIRT", "in_gap"},                  // Sweden's 29 February 1700
        {33, "@I3@", "BIRT", "weekday_mismatch"},        // 4 July 1776 was a Thursday
        {36, "@I3@", "DEAT", "impossible"},              // 31 April
        {47, "@I4@", "DEAT", "calendar_before_switch"},  // Gregorian, 1751, in England
        {44, "@I4@", "CHR", "out_of_order"},             // baptised 8 days before being born
        {52, "@I5@", "BIRT", "dual_year_mismatch"},      // 1711/13
        {55, "@I5@", "DEAT", "calendar_after_switch"},   // O.S. in 1760 Scotland
        {76, "@I8@", "BIRT", "unreadable"},              // no year
        {82, "@I8@", "BURI", "range_reversed"},
        {90, "@F1@", "MARR", "year_start_ambiguous"},  // 10 March 1735 in England
        {64, "@I6@", "BIRT", "out_of_order"},          // born after her child
    };
    EXPECT_EQ(rows, expected);
    ASSERT_EQ(checked.findings.size(), expected.size());

    const TreeFinding &baptism = checked.findings[6];
    EXPECT_EQ(baptism.name, "John Ashdown");
    EXPECT_EQ(baptism.date, "20 JAN 1745/6");
    EXPECT_EQ(baptism.place, "Canterbury, Kent, England");
    EXPECT_EQ(baptism.placeId, "england");
    EXPECT_NE(baptism.message.find("8 days apart"), std::string::npos) << baptism.message;
    const TreeFinding &mother = checked.findings[12];
    EXPECT_EQ(mother.name, "Elizabeth Carr");
    EXPECT_NE(mother.message.find("@I7@ (William Carr)"), std::string::npos) << mother.message;
    EXPECT_EQ(checked.findings[11].name, "Robert Carr & Elizabeth Carr");
    EXPECT_EQ(checked.findings[9].placeId, "");
    EXPECT_FALSE(checked.findings[9].firstJdn);
    EXPECT_EQ(checked.findings[0].firstJdn, checked.findings[0].lastJdn);

    const TreeSummary &s = checked.summary;
    EXPECT_EQ(s.dates, 21);
    EXPECT_EQ(s.datesRead, 20);
    EXPECT_EQ(s.byQualifier.at("exact"), 17);
    EXPECT_EQ(s.byQualifier.at("about"), 1);
    EXPECT_EQ(s.byQualifier.at("phrase"), 1);
    EXPECT_EQ(s.byQualifier.at("between"), 1);
    EXPECT_EQ(s.byCalendar.at("julian"), 12);
    EXPECT_EQ(s.findingsById.at("out_of_order"), 2);
    EXPECT_EQ(s.unmappedPlaces, (std::map<std::string, int64_t>{{"Atlantis", 2}}));
    EXPECT_EQ(s.assumedGregorian, 2);
    EXPECT_EQ(s.encoding, "UTF-8");
    EXPECT_FALSE(s.cancelled);
}

TEST(FamilyTreeCheck, CancelStopsBeforeTheFamilies)
{
    int calls = 0;
    const Checked checked = Check(MistakesFile(), {}, [&calls](int64_t bytes) {
        EXPECT_GT(bytes, 0);
        return ++calls < 3;
    });
    EXPECT_TRUE(checked.summary.cancelled);
    EXPECT_EQ(calls, 3);
    for (const TreeFinding &finding : checked.findings)
        EXPECT_NE(finding.record, "@I6@");
}

TEST(FamilyTreeCheck, TheUsersPlaceMapComesFirst)
{
    const PlaceMap map = ParsePlaceMap("Atlantis\tengland\nCanterbury, Kent, England\tscotland\n", Places());
    ASSERT_EQ(map.error, "");
    const Checked checked = Check(MistakesFile(), map);
    EXPECT_TRUE(checked.summary.unmappedPlaces.empty());
    // Read as Scotland wrote it, John Ashdown's days are the same; the mapping shows in each finding.
    for (const TreeFinding &finding : checked.findings) {
        if (finding.record == "@I4@") {
            EXPECT_EQ(finding.placeId, "scotland");
        }
    }
}

}  // namespace
}  // namespace vardex::test
