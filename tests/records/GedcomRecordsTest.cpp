// SPDX-License-Identifier: MIT
// GEDCOM records: persons with their names, families with their partners and children, and every
// DATE as an event of the level-1 structure it is under, with that structure's place.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "records/GedcomRecords.h"

namespace vardex {
namespace {

struct Records {
    std::vector<GedcomRecord> records;
    std::vector<GedcomProblem> problems;
};

Records ReadRecords(const std::string &bytes)
{
    std::istringstream in(bytes, std::ios::binary);
    GedcomLineReader lines(in);
    GedcomRecordReader reader(lines);
    Records read;
    GedcomRecord record;
    while (reader.Next(record))
        read.records.push_back(record);
    read.problems = lines.Problems();
    return read;
}

std::string FileBytes(const std::string &name)
{
    std::ifstream in(std::string(RECORDS_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

using Kind = GedcomRecord::Kind;

TEST(GedcomRecords, ReadsPersonsFamiliesAndTheirEvents)
{
    const Records read = ReadRecords(FileBytes("gedcom-family.ged"));
    EXPECT_TRUE(read.problems.empty());
    ASSERT_EQ(read.records.size(), 7u);

    const GedcomRecord &head = read.records[0];
    EXPECT_EQ(head.kind, Kind::Other);
    EXPECT_EQ(head.tag, "HEAD");
    ASSERT_EQ(head.events.size(), 1u);  // the file's own date: a DATE at level 1
    EXPECT_EQ(head.events[0].tag, "DATE");
    EXPECT_EQ(head.events[0].level, 1);
    EXPECT_EQ(head.events[0].date, "2 JAN 2024");

    const GedcomRecord &thomas = read.records[1];
    EXPECT_EQ(thomas.kind, Kind::Person);
    EXPECT_EQ(thomas.xref, "@I1@");
    EXPECT_EQ(thomas.line, 6);
    EXPECT_EQ(thomas.name, "Thomas Ashdown");  // the first NAME, its double space made single
    const struct {
        int64_t line;
        int level;
        const char *tag, *date, *place;
    } events[] = {
        {11, 2, "BIRT", "11 FEB 1731/32", "London, Middlesex, England"},  // PLAC before DATE
        {13, 2, "CHR", "20 FEB 1731/32", "London, Middlesex, England"},   // PLAC after DATE
        {16, 4, "CHR", "1 MAR 1732", "London, Middlesex, England"},       // the source's date
        {19, 2, "DEAT", "@#DJULIAN@ 5 OCT 1790", ""},
    };
    ASSERT_EQ(thomas.events.size(), std::size(events));
    for (size_t i = 0; i < std::size(events); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(thomas.events[i].line, events[i].line);
        EXPECT_EQ(thomas.events[i].level, events[i].level);
        EXPECT_EQ(thomas.events[i].tag, events[i].tag);
        EXPECT_EQ(thomas.events[i].date, events[i].date);
        EXPECT_EQ(thomas.events[i].place, events[i].place);
    }
    EXPECT_TRUE(thomas.partners.empty());

    EXPECT_EQ(read.records[2].name, "Hester Pellow");
    EXPECT_EQ(read.records[2].events.at(0).place, "Boston, Suffolk, Massachusetts, USA");
    EXPECT_EQ(read.records[3].name, "Ashdown Mercy");
    EXPECT_EQ(read.records[3].events.at(0).place, "");

    const GedcomRecord &family = read.records[4];
    EXPECT_EQ(family.kind, Kind::Family);
    EXPECT_EQ(family.xref, "@F1@");
    EXPECT_EQ(family.partners, (std::vector<std::string>{"@I1@", "@I2@"}));
    EXPECT_EQ(family.children, std::vector<std::string>{"@I3@"});
    ASSERT_EQ(family.events.size(), 1u);
    EXPECT_EQ(family.events[0].tag, "MARR");
    EXPECT_EQ(family.events[0].place, "Amsterdam, Holland");

    EXPECT_EQ(read.records[5].kind, Kind::Other);
    EXPECT_EQ(read.records[5].tag, "SOUR");
    EXPECT_EQ(read.records[5].events.at(0).tag, "DATE");
    EXPECT_EQ(read.records[6].tag, "TRLR");
    EXPECT_TRUE(read.records[6].events.empty());
}

TEST(GedcomRecords, NamesLoseTheirSlashesAndExtraSpaces)
{
    const struct {
        const char *written, *name;
    } cases[] = {
        {"John /Smith/", "John Smith"},
        {"/Smith/", "Smith"},
        {"  Mary  Ann /van der Berg/ Jr. ", "Mary Ann van der Berg Jr."},
        {"Jan/Kos/", "JanKos"},
        {"Ola //", "Ola"},
        {"", ""},
    };
    for (const auto &c : cases) {
        const Records read =
            ReadRecords(std::string("0 @I1@ INDI\n1 NAME ") + c.written + "\n1 NAME Other /Name/\n");
        ASSERT_EQ(read.records.size(), 1u);
        EXPECT_EQ(read.records[0].name, c.name) << c.written;
    }
    // A family, or any other record, has no name of its own here; a person's NAME under another
    // structure is not its name.
    Records read = ReadRecords("0 @F1@ FAM\n1 NAME x\n0 @I1@ INDI\n1 ASSO @I2@\n2 NAME Wrong /One/\n");
    EXPECT_EQ(read.records.at(0).name, "");
    EXPECT_EQ(read.records.at(1).name, "");
}

TEST(GedcomRecords, EachRecordStartsAfresh)
{
    // The second record reuses the first one's object: nothing of the first may remain.
    const Records read = ReadRecords("0 @I1@ INDI\n1 NAME A /B/\n1 BIRT\n2 DATE 1800\n2 PLAC Here\n1 DEAT\n"
                                     "2 DATE 1850\n"
                                     "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n1 MARR\n2 DATE 1820\n"
                                     "0 @I2@ INDI\n1 BIRT\n2 DATE 1821\n");
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].events.size(), 2u);
    EXPECT_EQ(read.records[1].events.size(), 1u);
    EXPECT_EQ(read.records[1].events[0].place, "");
    const GedcomRecord &last = read.records[2];
    EXPECT_EQ(last.name, "");
    EXPECT_TRUE(last.partners.empty());
    EXPECT_TRUE(last.children.empty());
    ASSERT_EQ(last.events.size(), 1u);
    EXPECT_EQ(last.events[0].tag, "BIRT");
    EXPECT_EQ(last.events[0].place, "");
}

TEST(GedcomRecords, OnlyTheStructuresOwnPlaceCounts)
{
    const Records read = ReadRecords("0 @I1@ INDI\n"
                                     "1 RESI\n"
                                     "2 ADDR\n"
                                     "3 PLAC Not this\n"  // deeper than the structure's own
                                     "2 DATE 1830\n"
                                     "2 PLAC First\n"
                                     "2 PLAC Second\n"
                                     "1 DATE 1840\n"
                                     "2 PLAC Its own\n"
                                     "1 EVEN\n"
                                     "2 DATE 1850\n");
    ASSERT_EQ(read.records.at(0).events.size(), 3u);
    EXPECT_EQ(read.records[0].events[0].place, "First");
    EXPECT_EQ(read.records[0].events[1].tag, "DATE");
    EXPECT_EQ(read.records[0].events[1].place, "Its own");
    EXPECT_EQ(read.records[0].events[2].place, "");
}

TEST(GedcomRecords, CapsTheDatesOfOneRecord)
{
    std::string text = "0 HEAD\n0 @I1@ INDI\n";
    for (int i = 0; i < 100'003; ++i)
        text += "1 DATE 1800\n";
    text += "0 @I2@ INDI\n1 BIRT\n2 DATE 1801\n";
    const Records read = ReadRecords(text);
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[1].events.size(), 100'000u);
    EXPECT_EQ(read.records[1].events.back().line, 100'002);
    EXPECT_EQ(read.records[2].events.size(), 1u);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].message,
              "line 100003: more than 100,000 dates in the record of line 2; the rest are skipped");
}

TEST(GedcomRecords, CapsTheLinksOfOneFamily)
{
    std::string text = "0 @F1@ FAM\n1 HUSB @I1@\n1 WIFE @I2@\n";
    for (int i = 0; i < 100'000; ++i)
        text += "1 CHIL @I3@\n";
    const Records read = ReadRecords(text + "0 TRLR\n");
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].partners.size(), 2u);
    EXPECT_EQ(read.records[0].children.size(), 99'998u);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(
        read.problems[0].message,
        "line 100002: more than 100,000 partners and children in the family of line 1; the rest are skipped");
}

}  // namespace
}  // namespace vardex
