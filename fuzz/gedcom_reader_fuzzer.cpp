// SPDX-License-Identifier: MIT
// Any bytes as a GEDCOM file, through the line reader alone and through the record reader: nothing
// crashes or hangs, every value is valid UTF-8 within its limit, CONC and CONT never come out as
// lines, line numbers only grow, every byte is read, and problems are counted past the ones kept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "records/GedcomLines.h"
#include "records/GedcomRecords.h"

namespace {

bool IsUtf8(const std::string &text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = lead < 0x80                    ? 1
                        : lead >= 0xC2 && lead <= 0xDF ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size())
            return false;
        uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (c & 0x3F);
        }
        const uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

void CheckProblems(const vardex::GedcomLineReader &reader, size_t size)
{
    if (reader.Problems().size() > vardex::GedcomLineReader::kMaxProblems ||
        static_cast<int64_t>(reader.Problems().size()) > reader.ProblemCount())
        std::abort();
    if (reader.BytesRead() != static_cast<int64_t>(size) || reader.ReadFailed())
        std::abort();
    for (const vardex::GedcomProblem &problem : reader.Problems())
        if (problem.message.rfind("line " + std::to_string(problem.line) + ": ", 0) != 0)
            std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    {
        std::istringstream in(bytes, std::ios::binary);
        vardex::GedcomLineReader reader(in);
        vardex::GedcomLine line;
        int64_t last = 0;
        while (reader.Next(line)) {
            if (line.number <= last || line.level < 0 || line.level > 99 || line.tag.empty() ||
                line.tag == "CONC" || line.tag == "CONT" || line.value.size() > vardex::kMaxValueBytes ||
                !IsUtf8(line.value))
                std::abort();
            last = line.number;
        }
        CheckProblems(reader, size);
    }
    std::istringstream in(bytes, std::ios::binary);
    vardex::GedcomLineReader lines(in);
    vardex::GedcomRecordReader reader(lines);
    vardex::GedcomRecord record;
    int64_t last = 0;
    while (reader.Next(record)) {
        if (record.line <= last || !IsUtf8(record.name))
            std::abort();
        for (const vardex::GedcomEvent &event : record.events)
            if (event.line <= record.line || event.level < 1 || !IsUtf8(event.date) || !IsUtf8(event.place))
                std::abort();
        last = record.line;
    }
    CheckProblems(lines, size);
    return 0;
}
