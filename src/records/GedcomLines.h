// SPDX-License-Identifier: MIT
// The lines of a GEDCOM file (5.5.1 or 7.0), read as a stream: each line's level, cross-reference,
// tag and value as UTF-8, whatever the file's encoding (UTF-8, UTF-16 with its byte-order mark,
// ANSEL, ASCII or ANSI as its header's CHAR says), with CONC and CONT folded into the line they
// continue. Bad lines are reported with their number and skipped; a line of any length is read, and
// only its first kMaxValueBytes kept, so that memory stays flat.
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace vardex {

struct GedcomLine {
    int64_t number = 0;  // 1 for the file's first line
    int level = 0;
    std::string xref;   // "@I1@", or empty
    std::string tag;    // "BIRT", "_MILT"
    std::string value;  // UTF-8, its CONC and CONT lines joined ("\n" for CONT)
};

// A line that was skipped, and why: "line 12: no level number", ...
struct GedcomProblem {
    int64_t line = 0;
    std::string message;
};

inline constexpr size_t kMaxValueBytes = 64 * 1024;

class GedcomLineReader {
public:
    // `in` is read in binary, in blocks; it must outlive the reader.
    explicit GedcomLineReader(std::istream &in);

    // The next good line, or false at the end of the file.
    bool Next(GedcomLine &line);

    // The file's encoding as read: "UTF-8", "UTF-16LE", "UTF-16BE", "ANSEL", "ASCII", "ANSI".
    const std::string &Encoding() const;
    // How many bytes of the file have been read, for a progress bar.
    int64_t BytesRead() const;
    // The lines skipped so far, the first kMaxProblems of them, and how many in all.
    const std::vector<GedcomProblem> &Problems() const;
    int64_t ProblemCount() const;
    static constexpr size_t kMaxProblems = 1000;
    // False when the stream failed while reading (not at its end).
    bool ReadFailed() const;
};

}  // namespace vardex
