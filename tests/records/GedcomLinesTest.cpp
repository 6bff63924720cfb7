// SPDX-License-Identifier: MIT
// GEDCOM files as lines: every character set to UTF-8, line terminators, CONC and CONT, bad lines
// with their numbers, overlong lines, truncated and broken files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <streambuf>

#include "records/GedcomLines.h"

namespace vardex {
namespace {

using namespace std::string_literals;

struct Read {
    std::vector<GedcomLine> lines;
    std::string encoding;
    std::vector<GedcomProblem> problems;
    int64_t problemCount = 0;
    int64_t bytesRead = 0;
    bool failed = false;

    std::string Value(const std::string &tag) const
    {
        for (const GedcomLine &line : lines)
            if (line.tag == tag)
                return line.value;
        return "(no " + tag + ")";
    }
    std::vector<std::string> Values(const std::string &tag) const
    {
        std::vector<std::string> values;
        for (const GedcomLine &line : lines)
            if (line.tag == tag)
                values.push_back(line.value);
        return values;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> messages;
        for (const GedcomProblem &problem : problems)
            messages.push_back(problem.message);
        return messages;
    }
};

Read ReadStream(std::istream &in)
{
    Read read;
    GedcomLineReader reader(in);
    GedcomLine line;
    while (reader.Next(line))
        read.lines.push_back(line);
    read.encoding = reader.Encoding();
    read.problems = reader.Problems();
    read.problemCount = reader.ProblemCount();
    read.bytesRead = reader.BytesRead();
    read.failed = reader.ReadFailed();
    return read;
}

Read ReadText(const std::string &bytes)
{
    std::istringstream in(bytes, std::ios::binary);
    return ReadStream(in);
}

std::string FileBytes(const std::string &name)
{
    std::ifstream in(std::string(RECORDS_TEST_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string FromHex(const std::string &hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return bytes;
}

// One small tree written in each character set: the names come out the same UTF-8 (NFC).
TEST(GedcomLines, ReadsEveryCharacterSetAsUtf8)
{
    const struct {
        const char *file;
        const char *encoding;
        std::vector<std::string> names;
    } cases[] = {
        {"gedcom-utf8.ged", "UTF-8", {"Anna /Müller/", "Erik /Ångström/", "Vera /Čapek/"}},
        {"gedcom-utf8-bom.ged", "UTF-8", {"Anna /Müller/", "Erik /Ångström/", "Vera /Čapek/"}},
        {"gedcom-utf16le.ged", "UTF-16LE", {"Anna /Müller/", "Erik /Ångström/", "Vera /Čapek/"}},
        {"gedcom-utf16be.ged", "UTF-16BE", {"Anna /Müller/", "Erik /Ångström/", "Vera /Čapek/"}},
        {"gedcom-ansel.ged", "ANSEL", {"Anna /Müller/", "Erik /Ångström/", "Vera /Čapek/"}},
        {"gedcom-ansi.ged", "ANSI", {"Anna /Müller/", "Erik /Ångström/", "Zoë /Šimek/"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const std::string bytes = FileBytes(c.file);
        ASSERT_FALSE(bytes.empty());
        const Read read = ReadText(bytes);
        EXPECT_EQ(read.encoding, c.encoding);
        EXPECT_EQ(read.Values("NAME"), c.names);
        EXPECT_EQ(read.Value("PLAC"), "Königsberg, Prussia");
        EXPECT_EQ(read.problemCount, 0);
        EXPECT_EQ(read.bytesRead, static_cast<int64_t>(bytes.size()));
        ASSERT_EQ(read.lines.size(), 14u);
        EXPECT_EQ(read.lines.back().tag, "TRLR");
        EXPECT_EQ(read.lines.back().number, 14);
    }
}

std::string Utf16(const std::string &ascii, bool bigEndian)
{
    std::string bytes;
    for (const char c : ascii) {
        bytes.push_back(bigEndian ? '\0' : c);
        bytes.push_back(bigEndian ? c : '\0');
    }
    return bytes;
}

TEST(GedcomLines, TellsUtf16WithoutItsMarkByTheFirstLevel)
{
    for (const bool bigEndian : {false, true}) {
        const Read read = ReadText(Utf16("0 HEAD\n1 CHAR UNICODE\n0 TRLR\n", bigEndian));
        EXPECT_EQ(read.encoding, bigEndian ? "UTF-16BE" : "UTF-16LE");
        EXPECT_EQ(read.Value("CHAR"), "UNICODE");
        EXPECT_EQ(read.lines.size(), 3u);
    }
}

TEST(GedcomLines, Utf16PairsSurrogatesAndReplacesLoneOnes)
{
    // U+1D11E as a pair; a low surrogate alone; a high one followed by a letter; a cut last unit.
    const std::string value = std::string("\x34\xD8\x1E\xDD", 4) + std::string("\x00\xDC", 2) +
                              std::string("\x00\xD8", 2) + Utf16("x", false);
    const Read read =
        ReadText("\xFF\xFE" + Utf16("0 NOTE ", false) + value + Utf16("\n0 TRLR\n", false) + "A");
    EXPECT_EQ(read.Value("NOTE"), "\U0001D11E\uFFFD\uFFFDx");
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[1].tag, "TRLR");  // then a cut unit: the odd byte 'A', a line of its own
    EXPECT_EQ(read.Messages(), std::vector<std::string>{"line 3: no level number"});
}

TEST(GedcomLines, Utf16CharactersCutByTheEndOfABlock)
{
    // A pair of surrogates (4 bytes) and a letter on each line of 22 bytes, the first line longer by
    // 0..10 spaces of 2 bytes: in some of the files a block ends inside the pair's first unit, in
    // others inside its second, in others inside a letter.
    const std::string pair("\x34\xD8\x1E\xDD", 4);
    for (size_t shift = 0; shift < 11; ++shift) {
        std::string bytes = "\xFF\xFE" + Utf16("0 HEAD" + std::string(shift, ' ') + "\n", false);
        for (int i = 0; i < 6000; ++i)
            bytes += Utf16("0 NOTE ", false) + pair + Utf16("x\n", false);
        bytes += Utf16("0 TRLR", false);
        const Read read = ReadText(bytes);
        ASSERT_EQ(read.lines.size(), 6002u) << shift;
        EXPECT_EQ(read.Values("NOTE"), std::vector<std::string>(6000, "\U0001D11Ex")) << shift;
        EXPECT_EQ(read.lines.back().tag, "TRLR");
        EXPECT_EQ(read.bytesRead, static_cast<int64_t>(bytes.size()));
    }
}

TEST(GedcomLines, TheHeadersCharacterSetDecides)
{
    const struct {
        const char *name, *encoding;
    } cases[] = {
        {"ANSI", "ANSI"},     {"windows-1252", "ANSI"}, {"IBM WINDOWS", "ANSI"}, {"ISO-8859-1", "ANSI"},
        {" ansel ", "ANSEL"}, {"ASCII", "ASCII"},       {"utf8", "UTF-8"},       {"UTF-8", "UTF-8"},
        {"UNICODE", "UTF-8"},  // a file whose first bytes are not UTF-16
    };
    for (const auto &c : cases) {
        const Read read = ReadText(std::string("0 HEAD\n1 CHAR ") + c.name + "\n0 TRLR\n");
        EXPECT_EQ(read.encoding, c.encoding) << c.name;
        EXPECT_EQ(read.problemCount, 0) << c.name;
    }
    // CHAR outside the header is some other record's.
    EXPECT_EQ(ReadText("0 HEAD\n0 @I1@ INDI\n1 CHAR ANSEL\n").encoding, "UTF-8");
    // A header longer than the first block: its CHAR is taken when it is read, for what follows.
    std::string text = "0 HEAD\n1 NOTE x\n";
    for (int i = 0; i < 800; ++i)
        text += "2 CONT " + std::string(100, 'n') + "\n";
    const Read read = ReadText(text + "1 CHAR ANSEL\n0 NOTE M\xE8uller\n");
    EXPECT_EQ(read.encoding, "ANSEL");
    EXPECT_EQ(read.lines.back().value, "Müller");
}

// Ill-formed UTF-8: one U+FFFD per maximal subpart, as Python's decoder (errors="replace") gives.
TEST(GedcomLines, ReplacesIllFormedUtf8)
{
    const struct {
        const char *bytes, *value;
    } cases[] = {
        {"a\xC3", "a\uFFFD"},
        {"\xE0\x80\x80", "\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF0\x9F\x98x", "\uFFFDx"},
        {"\xC0\xAF", "\uFFFD\uFFFD"},
        {"\xF8\x88\x80\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xC3(", "\uFFFD("},
        {"\xF0\x80\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x8F\xBF\xBF \xED\x9F\xBF \xEE\x80\x80", "\U0010FFFF \uD7FF \uE000"},
        {"\xE2\x82\xAC \xF0\x9F\x98\x80 \xC3\xA9", "€ \U0001F600 é"},
        {"plain ASCII long enough for whole words", "plain ASCII long enough for whole words"},
    };
    for (const auto &c : cases) {
        const Read read = ReadText(std::string("0 HEAD\n1 CHAR UTF-8\n0 NOTE ") + c.bytes + "\n");
        EXPECT_EQ(read.Value("NOTE"), c.value) << c.bytes;
    }
}

TEST(GedcomLines, AsciiAndUnknownCharacterSets)
{
    Read read = ReadText("0 HEAD\n1 CHAR ASCII\n0 NOTE caf\xE9\n");
    EXPECT_EQ(read.encoding, "ASCII");
    EXPECT_EQ(read.Value("NOTE"), "caf\uFFFD");

    read = ReadText("0 HEAD\n1 CHAR KLINGON\n0 NOTE caf\xC3\xA9\n");
    EXPECT_EQ(read.encoding, "UTF-8");
    EXPECT_EQ(read.Value("NOTE"), "café");
    EXPECT_EQ(read.Messages(),
              std::vector<std::string>{"line 2: character set \"KLINGON\" is not known; read as UTF-8"});

    // A byte-order mark outweighs the header.
    read = ReadText("\xEF\xBB\xBF"
                    "0 HEAD\n1 CHAR ANSEL\n0 NOTE caf\xC3\xA9\n");
    EXPECT_EQ(read.encoding, "UTF-8");
    EXPECT_EQ(read.Value("NOTE"), "café");
}

// Every byte 0x80..0xFF of Windows-1252 as Python's cp1252 codec (errors="replace") reads it.
TEST(GedcomLines, ReadsEveryWindows1252Byte)
{
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b)
        high.push_back(static_cast<char>(b));
    const Read read = ReadText("0 HEAD\n1 CHAR ANSI\n0 NOTE " + high + "\n");
    EXPECT_EQ(read.Value("NOTE"), FromHex("e282acefbfbde2809ac692e2809ee280a6e280a0e280a1cb86e280b0c5a0e280b9"
                                          "c592efbfbdc5bdefbfbdefbfbde28098"
                                          "e28099e2809ce2809de280a2e28093e28094cb9ce284a2c5a1e280bac593efbfbd"
                                          "c5bec5b8c2a0c2a1c2a2c2a3c2a4c2a5"
                                          "c2a6c2a7c2a8c2a9c2aac2abc2acc2adc2aec2afc2b0c2b1c2b2c2b3c2b4c2b5c2"
                                          "b6c2b7c2b8c2b9c2bac2bbc2bcc2bdc2be"
                                          "c2bfc380c381c382c383c384c385c386c387c388c389c38ac38bc38cc38dc38ec3"
                                          "8fc390c391c392c393c394c395c396c397"
                                          "c398c399c39ac39bc39cc39dc39ec39fc3a0c3a1c3a2c3a3c3a4c3a5c3a6c3a7c3"
                                          "a8c3a9c3aac3abc3acc3adc3aec3afc3b0"
                                          "c3b1c3b2c3b3c3b4c3b5c3b6c3b7c3b8c3b9c3bac3bbc3bcc3bdc3bec3bf"));
}

// ANSEL as yaz-iconv (Debian package yaz 5.34, "-f MARC8 -t UTF8") reads MARC-8's extended Latin
// set, composed with Python's unicodedata.normalize("NFC"); generated once. The ligature and double
// tilde halves (0xEB, 0xEC, 0xFA, 0xFB), which yaz joins into one mark, are left out. GEDCOM's own
// additions (0xBE, 0xBF, 0xCD..0xCF) are from its character set appendix.
TEST(GedcomLines, ReadsAnselAsUtf8)
{
    const struct {
        const char *ansel, *utf8hex;
    } cases[] = {
        {"\xA1\xA2\xA3\xA4\xA5\xA6\xA7\xA8\xA9\xAA\xAB\xAC\xAD\xAE",
         "c581c398c490c39ec386c592cab9c2b7e299adc2aec2b1c6a0c6afcabc"},
        {"\xB0\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBC\xBD",
         "cabbc582c3b8c491c3bec3a6c593cabac4b1c2a3c3b0c6a1c6b0"},
        {"\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8", "c2b0e28493e28497c2a9e299afc2bfc2a1c39fe282ac"},
        {"\xBE\xBF\xCD\xCE\xCF", "e296a1e296a0656fc39f"},
        // Each diacritic before "a": hook above .. candrabindu, cedilla .. breve below, comma above.
        {"\xE0"
         "a\xE1"
         "a\xE2"
         "a\xE3"
         "a\xE4"
         "a\xE5"
         "a\xE6"
         "a\xE7"
         "a\xE8"
         "a\xE9"
         "a\xEA"
         "a",
         "e1baa3c3a0c3a1c3a2c3a3c481c483c8a7c3a4c78ec3a5"},
        {"\xED"
         "a\xEE"
         "a\xEF"
         "a\xF0"
         "a\xF1"
         "a\xF2"
         "a\xF3"
         "a\xF4"
         "a\xF5"
         "a\xF6"
         "a\xF7"
         "a\xF8"
         "a\xF9"
         "a\xFE"
         "a",
         "61cc9561cc8b61cc9061cca7c485e1baa161cca4e1b88161ccb361ccb261cca661cc9c61ccae61cc93"},
        // Two diacritics keep their order; a letter with no precomposed form keeps its marks.
        {"\xE2\xE8u \xE8\xE2u \xE3\xF2"
         "a \xE8\xE5"
         "a",
         "c3bacc8820c79820e1baad20c79f"},
        {"M\xE8uller \xEA"
         "Angstr\xE8om \xE9"
         "Capek",
         "4dc3bc6c6c657220c3856e67737472c3b66d20c48c6170656b"},
    };
    for (const auto &c : cases) {
        const Read read = ReadText(std::string("0 HEAD\n1 CHAR ANSEL\n0 NOTE ") + c.ansel + "\n");
        EXPECT_EQ(read.Value("NOTE"), FromHex(c.utf8hex)) << c.utf8hex;
    }
    // Bytes ANSEL leaves unassigned, and a diacritic with no letter after it.
    const Read read = ReadText("0 HEAD\n1 CHAR ANSEL\n0 NOTE \x80\xAF\xD5 x\xE8\n");
    EXPECT_EQ(read.Value("NOTE"), "\uFFFD\uFFFD\uFFFD x \u0308");
}

TEST(GedcomLines, EveryTerminatorEndsOneLine)
{
    for (const char *end : {"\n", "\r\n", "\r", "\n\r"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(end)));
        std::string text;
        for (const char *line : {"0 HEAD", "1 CHAR UTF-8", "", "0 @I1@ INDI", "1 NAME A /B/", "0 TRLR"})
            text += std::string(line) + end;
        const Read read = ReadText(text);
        ASSERT_EQ(read.lines.size(), 5u);
        EXPECT_EQ(read.lines[2].number, 4);  // the blank line 3 is counted, and says nothing
        EXPECT_EQ(read.lines[2].xref, "@I1@");
        EXPECT_EQ(read.lines[3].value, "A /B/");
        EXPECT_EQ(read.lines[4].number, 6);
        EXPECT_EQ(read.problemCount, 0);
    }
}

TEST(GedcomLines, ACrLfSplitByTheEndOfABlockIsOneTerminator)
{
    // Lines of 50 bytes, the first shifted by 0..49 bytes: whatever the reader's block sizes, in one
    // of the files a block ends between a CR and its LF.
    for (size_t shift = 0; shift < 50; ++shift) {
        std::string text = "0 HEAD" + std::string(shift, ' ') + "\r\n";
        for (int i = 0; i < 4000; ++i)
            text += "0 NOTE " + std::string(40, 'a' + i % 26) + " x\r\n";  // 50 bytes with the CR LF
        const Read read = ReadText(text);
        ASSERT_EQ(read.lines.size(), 4001u) << shift;
        EXPECT_EQ(read.lines.back().number, 4001) << shift;
        EXPECT_EQ(read.lines.back().value, std::string(40, 'a' + 3999 % 26) + " x") << shift;
    }
}

TEST(GedcomLines, ReadsLevelXrefTagAndValue)
{
    const Read read = ReadText("  0 @F12@ FAM\n"
                               "1 HUSB @I1@\n"
                               "1\tMARR\n"
                               "2 DATE  ABT 1800 \n"
                               "2 NOTE\n"
                               "1 _MILT  \n");
    ASSERT_EQ(read.lines.size(), 6u);
    EXPECT_EQ(read.lines[0].level, 0);
    EXPECT_EQ(read.lines[0].xref, "@F12@");
    EXPECT_EQ(read.lines[0].tag, "FAM");
    EXPECT_EQ(read.lines[0].value, "");
    EXPECT_EQ(read.lines[1].value, "@I1@");
    EXPECT_EQ(read.lines[2].tag, "MARR");
    EXPECT_EQ(read.lines[3].level, 2);
    EXPECT_EQ(read.lines[3].value, " ABT 1800 ");  // what follows the one delimiter, as written
    EXPECT_EQ(read.lines[4].value, "");
    EXPECT_EQ(read.lines[5].tag, "_MILT");
    EXPECT_EQ(read.lines[5].value, " ");
}

TEST(GedcomLines, JoinsConcAndContLines)
{
    const Read read = ReadText(FileBytes("gedcom-family.ged"));
    EXPECT_EQ(read.Value("NOTE"), "Moved to the colonies in 1760.\nCame back later.");
    for (const GedcomLine &line : read.lines)
        EXPECT_TRUE(line.tag != "CONC" && line.tag != "CONT") << line.number;
    EXPECT_EQ(read.problemCount, 0);
    // The line after the continued one keeps its own number.
    const auto fams = std::find_if(read.lines.begin(), read.lines.end(),
                                   [](const GedcomLine &line) { return line.tag == "FAMS"; });
    ASSERT_NE(fams, read.lines.end());
    EXPECT_EQ(fams->number, 23);

    // 7.0: a leading "@@" is one "@", on CONT lines too; within a text "@@" stays.
    const Read seven = ReadText(FileBytes("gedcom-v7.ged"));
    EXPECT_EQ(seven.Value("SNOTE"), "@home, not a pointer\n@second line");
    EXPECT_EQ(ReadText("0 NOTE a@@b\n").Value("NOTE"), "a@@b");
    // An empty CONT is an empty line of the text; CONC keeps a value's spaces at either end.
    EXPECT_EQ(ReadText("0 NOTE a \n1 CONC  b\n1 CONT\n1 CONT c\n").Value("NOTE"), "a  b\n\nc");
}

TEST(GedcomLines, ContinuationsThatContinueNothingAreReported)
{
    const Read read = ReadText("0 CONC lost\n"
                               "1 NOTE under nothing\n"
                               "0 NOTE a\n"
                               "1 SOUR @S1@\n"
                               "2 CONC b\n"
                               "1 CONT c\n"
                               "0 TRLR\n");
    EXPECT_EQ(read.Messages(), (std::vector<std::string>{
                                   "line 1: a CONC line with no line before it to continue; skipped",
                                   "line 2: level 1 is more than one deeper than the line before (none)",
                                   "line 6: CONT is not one level below the line it would continue; skipped",
                               }));
    EXPECT_EQ(read.Value("SOUR"), "@S1@b");
    EXPECT_EQ(read.Value("NOTE"), "a");
    EXPECT_EQ(read.lines.size(), 3u);
}

TEST(GedcomLines, ReportsBadLinesByNumberAndSkipsThem)
{
    const Read read = ReadText("0 HEAD\n"
                               "1 CHAR UTF-8\n"
                               "HEAD\n"               // 3
                               "3 DATE 1800\n"        // 4
                               "1\n"                  // 5
                               "1NAME x\n"            // 6
                               "1 @I1 INDI\n"         // 7
                               "1 @@ INDI\n"          // 8
                               "1 @#DJULIAN@ DATE\n"  // 9
                               "1 @I1@INDI\n"         // 10
                               "1 @I1@\n"             // 11
                               "1 +NAME\n"            // 12
                               "1 NA-ME x\n"          // 13
                               "100 NAME x\n"         // 14
                               "1 NAME a\0b\n"        // 15
                               "1 SOUR ok\n"s);       // 16
    EXPECT_EQ(read.Messages(), (std::vector<std::string>{
                                   "line 3: no level number",
                                   "line 4: level 3 is more than one deeper than the line before (1)",
                                   "line 5: no tag after the level number",
                                   "line 6: no space after the level number",
                                   "line 7: a cross-reference without its closing @",
                                   "line 8: a bad cross-reference (empty, or starting with #)",
                                   "line 9: a bad cross-reference (empty, or starting with #)",
                                   "line 10: no space after the cross-reference",
                                   "line 11: no tag",
                                   "line 12: no tag",
                                   "line 13: a character in the tag that tags do not have",
                                   "line 14: level number above 99",
                                   "line 15: a NUL byte in the line",
                               }));
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[2].number, 16);
    EXPECT_EQ(read.lines[2].value, "ok");
}

TEST(GedcomLines, LimitsTheLengthsOfTagsAndCrossReferences)
{
    const std::string tag63(63, 'T'), xref255 = "@" + std::string(255, 'X') + "@";
    const Read read = ReadText("0 HEAD\n1 " + tag63 + "\n1 " + tag63 + "T\n0 " + xref255 + " INDI\n0 @" +
                               std::string(256, 'X') + "@ INDI\n");
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[1].tag, tag63);
    EXPECT_EQ(read.lines[2].xref, xref255);
    EXPECT_EQ(read.Messages(), (std::vector<std::string>{
                                   "line 3: a tag longer than 63 characters",
                                   "line 5: a cross-reference longer than 255 characters",
                               }));
}

TEST(GedcomLines, AFileMustStartAtLevelZero)
{
    const Read read = ReadText("1 NAME a\n2 GIVN b\n0 TRLR\n");
    EXPECT_EQ(read.Messages(), (std::vector<std::string>{
                                   "line 1: level 1 is more than one deeper than the line before (none)",
                                   "line 2: level 2 is more than one deeper than the line before (none)",
                               }));
    ASSERT_EQ(read.lines.size(), 1u);
}

TEST(GedcomLines, KeepsTheStartOfAnOverlongLine)
{
    // 10 MB on one line, in a file that goes on.
    const std::string huge(10'000'000, 'x');
    Read read = ReadText("0 HEAD\n0 NOTE " + huge + "\n1 CONT more\n0 TRLR\n");
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[1].value, std::string(kMaxValueBytes, 'x'));
    EXPECT_EQ(read.lines[2].number, 4);
    EXPECT_EQ(read.Messages(),
              (std::vector<std::string>{
                  "line 2: longer than 64 KiB; the rest is skipped",
                  "line 3: the text with its CONC and CONT lines is longer than 64 KiB; the rest is "
                  "skipped",
              }));

    // Cut at a character boundary: "é" is two bytes, and an odd number of them does not fit.
    std::string accents;
    while (accents.size() < kMaxValueBytes + 1)
        accents += "\xC3\xA9";
    read = ReadText("0 NOTE x" + accents + "\n");
    EXPECT_EQ(read.lines[0].value, "x" + accents.substr(0, kMaxValueBytes - 2));
    EXPECT_EQ(read.lines[0].value.size(), kMaxValueBytes - 1);

    // CONC lines that add up to more than the limit; the file's CONC lines still do not come out.
    std::string text = "0 NOTE ";
    for (int i = 0; i < 700; ++i)
        text += "\n1 CONC " + std::string(100, 'a' + i % 26);
    read = ReadText(text + "\n0 TRLR\n");
    ASSERT_EQ(read.lines.size(), 2u);
    EXPECT_EQ(read.lines[0].value.size(), kMaxValueBytes);
    EXPECT_EQ(read.problemCount, 1);

    // ANSEL grows as UTF-8: the value is cut to the limit all the same.
    read = ReadText("0 HEAD\n1 CHAR ANSEL\n0 NOTE " + std::string(kMaxValueBytes, '\xB5') + "\n");
    EXPECT_EQ(read.Value("NOTE").size(), kMaxValueBytes);
}

TEST(GedcomLines, ReadsATruncatedFile)
{
    Read read = ReadText("0 HEAD\n0 @I1@ INDI\n1 NAME Ann /Lee");
    ASSERT_EQ(read.lines.size(), 3u);
    EXPECT_EQ(read.lines[2].value, "Ann /Lee");

    read = ReadText("0 HEAD\n0 NOTE caf\xC3");
    EXPECT_EQ(read.Value("NOTE"), "caf\uFFFD");

    read = ReadText("0 HEAD\n0 NOTE x\n1 CONC");
    EXPECT_EQ(read.Value("NOTE"), "x");
    for (const std::string text : {"", "0", "\xEF\xBB", "\xFF\xFE",
                                   "\xFF\xFE"
                                   "0"}) {
        read = ReadText(text);
        EXPECT_TRUE(read.lines.empty()) << text;
    }
}

TEST(GedcomLines, SurvivesBinaryGarbage)
{
    std::mt19937 random(1);
    std::string bytes(3'000'000, '\0');
    for (char &c : bytes)
        c = static_cast<char>(random());
    const Read read = ReadText("0 HEAD\n" + bytes);
    EXPECT_GT(read.problemCount, static_cast<int64_t>(GedcomLineReader::kMaxProblems));
    EXPECT_EQ(read.problems.size(), GedcomLineReader::kMaxProblems);
    EXPECT_EQ(read.bytesRead, static_cast<int64_t>(bytes.size() + 7));
    for (const GedcomLine &line : read.lines)
        EXPECT_LE(line.value.size(), kMaxValueBytes);
}

// A stream that fails after its first bytes, as a disk read error would.
class FailingBuffer : public std::streambuf {
public:
    explicit FailingBuffer(std::string start) : start_(std::move(start))
    {
        setg(start_.data(), start_.data(), start_.data() + start_.size());
    }

protected:
    int_type underflow() override { throw std::ios_base::failure("read error"); }

private:
    std::string start_;
};

TEST(GedcomLines, TellsAFailedReadFromTheEndOfTheFile)
{
    // More than the first block, so that the lines read before the failure come out.
    std::string start = "0 HEAD\n";
    while (start.size() < 100'000)
        start += "0 NOTE a note of some length\n";
    FailingBuffer buffer(start);
    std::istream in(&buffer);
    const Read read = ReadStream(in);
    EXPECT_TRUE(read.failed);
    EXPECT_GT(read.lines.size(), 2000u);
    EXPECT_FALSE(ReadText("0 HEAD\n").failed);
}

}  // namespace
}  // namespace vardex
