// SPDX-License-Identifier: MIT
// vardex-cli gedcom run in process, on files no process argument of the transcripts can name: the
// encodings a tree may begin in, and names that are no UTF-8, which the JSON must still carry.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "Arguments.h"
#include "GedcomCommand.h"
#include "Outcome.h"

namespace vardex::cli {
namespace {

namespace fs = std::filesystem;

struct GedcomRun {
    std::string out, err;
    int status = -1;
};

GedcomRun RunOn(const std::vector<std::string> &args)
{
    const ParseResult parsed = ParseArguments(args);
    EXPECT_TRUE(parsed.Ok()) << parsed.error;
    std::ostringstream out, err;
    const int status = RunGedcom(parsed.arguments, HISTORY_DATA, out, err);
    return {out.str(), err.str(), status};
}

class GedcomFiles : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }
    std::string Write(const std::string &name, const std::string &bytes)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    const fs::path folder_ = fs::temp_directory_path() / ("vardex-gedcom-" + std::to_string(::getpid()));
};

TEST(GedcomArguments, FileAndPlaceMapInAnyOrder)
{
    const ParseResult r = ParseArguments({"gedcom", "--place-map", "m.tsv", "tree.ged", "--csv"});
    ASSERT_TRUE(r.Ok()) << r.error;
    EXPECT_EQ(r.arguments.command, Command::Gedcom);
    EXPECT_EQ(r.arguments.treeFile, "tree.ged");
    EXPECT_EQ(r.arguments.placeMapFile, "m.tsv");
    EXPECT_TRUE(r.arguments.csv);
    EXPECT_FALSE(r.arguments.json);
    EXPECT_EQ(ParseArguments({"gedcom", "-"}).arguments.treeFile, "-");  // a file name, not an option
}

// A tree begins with "0 HEAD" in whatever encoding it is written, after a byte-order mark; anything
// else is refused before the check runs.
TEST_F(GedcomFiles, ATreeIsKnownByItsHeaderInEveryEncoding)
{
    const std::pair<std::string, bool> cases[] = {
        {"0 HEAD\n1 CHAR UTF-8\n0 TRLR\n", true},
        {"\xEF\xBB\xBF"
         "0 HEAD\r\n0 TRLR\r\n",
         true},
        {std::string("\xFF\xFE"
                     "0\0 \0H\0E\0A\0D\0\n\0",
                     16),
         true},
        {std::string("\xFE\xFF\0"
                     "0\0 \0H\0E\0A\0D\0\n",
                     16),
         true},
        {"\n  0  head\n", true},
        {"", false},
        {"1 HEAD\n", false},
        {"0 HEADER\n", false},
        {"00 HEAD\n", false},
        {"0 @I1@ INDI\n", false},
    };
    for (const auto &[bytes, tree] : cases) {
        const std::string path = Write("tree.ged", bytes);
        const GedcomRun run = RunOn({"gedcom", path});
        EXPECT_EQ(run.status, tree ? kExitOk : kExitRefused) << bytes << run.err;
        EXPECT_EQ(run.err.empty(), tree) << run.err;
        EXPECT_EQ(run.out.empty(), !tree);
    }
}

TEST_F(GedcomFiles, TheJsonStaysJsonWhateverTheFileIsCalled)
{
    const std::string path = Write("a \"tree\"\\ \xFF\x01.ged", "0 HEAD\n0 TRLR\n");
    const GedcomRun run = RunOn({"gedcom", path, "--json"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    EXPECT_TRUE(
        json.object().value("file").toString().endsWith(QString::fromUtf8("a \"tree\"\\ \uFFFD\x01.ged")));
    for (const char *key : {"findings", "dates", "summary"})
        EXPECT_TRUE(json.object().contains(key)) << key;
    EXPECT_EQ(ValidUtf8("\xC3\xA9\xC3\x28\xED\xA0\x80"),
              "\xC3\xA9\xEF\xBF\xBD(\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

// A map that is no file, or an empty one, and the map's own faults with its name.
TEST_F(GedcomFiles, ThePlaceMapIsReadWhole)
{
    const std::string tree = Write("tree.ged", "0 HEAD\n0 TRLR\n");
    EXPECT_EQ(RunOn({"gedcom", tree, "--place-map", Write("empty.tsv", "")}).status, kExitOk);
    const std::string faulty = Write("faulty.tsv", "Berlin, Germany\tberlin\n");
    const GedcomRun run = RunOn({"gedcom", tree, "--place-map", faulty});
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "'" + faulty +
                  "': Line 1 of the place map: unknown place 'berlin'; vardex-cli history --places lists "
                  "them.\n");
    EXPECT_EQ(RunOn({"gedcom", tree, "--place-map", folder_.string()}).err,
              "The place map '" + folder_.string() + "' cannot be read.\n");
}

}  // namespace
}  // namespace vardex::cli
