// SPDX-License-Identifier: MIT
// The lines of a GEDCOM file (5.5.1 or 7.0), read as a stream: each line's level, cross-reference,
// tag and value as UTF-8, whatever the file's encoding (UTF-8, UTF-16 with its byte-order mark,
// ANSEL, ASCII or ANSI as its header's CHAR says), with CONC and CONT folded into the line they
// continue. Bad lines are reported with their number and skipped; a line of any length is read, and
// only its first kMaxValueBytes kept, so that memory stays flat.
#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "GedcomCharsets.h"

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

private:
    friend class GedcomRecordReader;  // reports what it has to cut from a record
    enum class Charset { Utf8, Ascii, Ansi, Ansel };
    // One line as written, its value still in the file's character set.
    struct RawLine {
        int64_t number = 0;
        int level = 0;
        int levelBefore = -1;  // the level of the good line before it
        std::string xref, tag, value;
    };

    void Start();
    void Fill();
    void GuessCharsetFromHeader();
    bool NextPhysicalLine(std::string_view &text, bool &cut);
    bool ReadGoodLine(RawLine &line);
    bool ParseLine(std::string_view text, RawLine &line);
    void UseCharset(std::string_view name, int64_t lineNumber);
    size_t Fit(std::string_view raw, size_t room) const;
    void Decode(std::string_view raw, std::string &out) const;
    void AddProblem(int64_t line, std::string_view what);
    bool KeepsProblems() const { return problems_.size() < kMaxProblems; }

    std::istream &in_;
    bool started_ = false;
    bool endOfFile_ = false;
    bool failed_ = false;
    int64_t bytesRead_ = 0;
    // The bytes read and not yet taken, as UTF-8 or the file's 8-bit set: [pos_, end_) of buffer_.
    std::string buffer_;
    size_t pos_ = 0;
    size_t end_ = 0;
    std::string block_;      // a UTF-16 file's bytes before they become UTF-8
    size_t blockBytes_ = 0;  // how much the next read asks for
    std::string converted_;
    std::optional<Utf16ToUtf8> utf16_;
    char partner_ = 0;  // after a CR, an LF that would make CRLF; after an LF, a CR (LFCR)
    int64_t lineNumber_ = 0;
    int previousLevel_ = -1;
    bool inHeader_ = false;
    bool encodingFixed_ = false;  // by a byte-order mark or UTF-16: CHAR cannot change it
    Charset charset_ = Charset::Utf8;
    std::string encoding_ = "UTF-8";
    RawLine current_, pending_;
    bool havePending_ = false;
    std::vector<GedcomProblem> problems_;
    int64_t problemCount_ = 0;
};

}  // namespace vardex
