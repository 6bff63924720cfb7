// SPDX-License-Identifier: MIT
#include "GedcomCommand.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>

#include "GedcomOutput.h"
#include "Outcome.h"
#include "history/WrittenDayReading.h"
#include "records/FamilyTreeCheck.h"
#include "records/PlaceMatching.h"

namespace vardex::cli {

namespace {

// Whether a file opens as a GEDCOM file does, "0 HEAD" after a byte-order mark and blank space (in
// UTF-16, its zero bytes left out); the stream is put back at its start. A stream that cannot go
// back (a pipe) is taken on trust.
bool BeginsAsGedcom(std::istream &in)
{
    char buffer[64] = {};
    in.read(buffer, sizeof buffer);
    std::string start(buffer, static_cast<size_t>(in.gcount()));
    in.clear();
    if (!in.seekg(0)) {
        in.clear();
        return true;
    }
    start.erase(std::remove(start.begin(), start.end(), '\0'), start.end());
    for (const std::string mark : {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"}) {
        if (start.rfind(mark, 0) == 0)
            start.erase(0, mark.size());
    }
    std::istringstream words(start);
    std::string level, tag;
    words >> level >> tag;
    std::transform(tag.begin(), tag.end(), tag.begin(), [](unsigned char c) { return std::toupper(c); });
    return level == "0" && tag == "HEAD";
}

std::optional<std::string> ReadWholeFile(const std::string &path)
{
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return in.bad() ? std::nullopt : std::optional(std::move(text));
}

}  // namespace

int RunGedcom(const Arguments &a, const std::string &dataFolder, std::ostream &out, std::ostream &err)
{
    const auto refuse = [&err](const std::string &message) {
        err << message << '\n';
        return kExitRefused;
    };
    const PlaceTable table = LoadPlaceTable(dataFolder);
    if (!table.error.empty())
        return refuse(table.error);
    PlaceMap map;
    if (a.placeMapFile) {
        const std::optional<std::string> text = ReadWholeFile(*a.placeMapFile);
        if (!text)
            return refuse("The place map " + Quoted(*a.placeMapFile) + " cannot be read.");
        map = ParsePlaceMap(*text, table);
        if (!map.error.empty())
            return refuse(Quoted(*a.placeMapFile) + ": " + map.error);
    }
    const std::string &path = *a.treeFile;
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, error))
        in.open(path, std::ios::binary);
    if (!in.is_open())
        return refuse("The family tree " + Quoted(path) + " cannot be read.");
    if (!BeginsAsGedcom(in))
        return refuse("The family tree " + Quoted(path) +
                      " is no GEDCOM file: it does not begin with 0 HEAD.");

    const PlaceMatcher matcher(table, map);
    const std::unique_ptr<FindingWriter> writer = MakeFindingWriter(a.json  ? TreeOutput::Json
                                                                    : a.csv ? TreeOutput::Csv
                                                                            : TreeOutput::Text,
                                                                    out, path);
    const TreeSummary summary =
        CheckFamilyTree(in, matcher, [&writer](const TreeFinding &finding) { writer->Finding(finding); });
    writer->Summary(summary);
    out.flush();
    if (in.bad())
        return refuse("Reading the family tree " + Quoted(path) + " failed before its end.");
    return kExitOk;
}

}  // namespace vardex::cli
