// SPDX-License-Identifier: MIT
#include "GedcomLines.h"

#include <algorithm>
#include <cstring>

namespace vardex {

namespace {

// Blocks grow from the first to the largest, so that a small file costs little memory.
constexpr size_t kFirstBlockBytes = 4 * 1024;
constexpr size_t kBlockBytes = 64 * 1024;
// What is kept of an overlong line: its value's limit plus room for the level, xref and tag.
constexpr size_t kKeepBytes = kMaxValueBytes + 1024;
constexpr int kMaxLevel = 99;
constexpr size_t kMaxXrefBytes = 255;
constexpr size_t kMaxTagBytes = 63;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsTagChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsDigit(c) || c == '_'; }

// The position of the first CR or LF in [p, p + size), or size.
size_t FindTerminator(const char *p, size_t size)
{
    const void *lf = std::memchr(p, '\n', size);
    const size_t lfAt = lf ? static_cast<size_t>(static_cast<const char *>(lf) - p) : size;
    const void *cr = std::memchr(p, '\r', lfAt);
    return cr ? static_cast<size_t>(static_cast<const char *>(cr) - p) : lfAt;
}

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The level and tag of a line, and its value, for the look at the header before anything is read.
struct LooseLine {
    int level = -1;
    std::string_view tag, value;
};

LooseLine ReadLoosely(std::string_view text)
{
    LooseLine line;
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i == text.size() || !IsDigit(text[i]))
        return line;
    int level = 0;
    while (i < text.size() && IsDigit(text[i]) && level <= kMaxLevel)
        level = level * 10 + (text[i++] - '0');
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i < text.size() && text[i] == '@') {
        const size_t close = text.find('@', i + 1);
        if (close == std::string_view::npos)
            return line;
        i = close + 1;
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    }
    const size_t tagStart = i;
    while (i < text.size() && IsTagChar(text[i]))
        ++i;
    line.level = level;
    line.tag = text.substr(tagStart, i - tagStart);
    line.value = i < text.size() ? Trimmed(text.substr(i)) : std::string_view();
    return line;
}

// How much of `text` fits in `room` bytes without cutting a UTF-8 character, which would leave a
// U+FFFD in place of a character that was whole.
size_t Utf8Fit(std::string_view text, size_t room)
{
    if (text.size() <= room)
        return text.size();
    while (room > 0 && (static_cast<unsigned char>(text[room]) & 0xC0) == 0x80)
        --room;
    return room;
}

bool IsContinuation(std::string_view tag) { return tag == "CONC" || tag == "CONT"; }

}  // namespace

GedcomLineReader::GedcomLineReader(std::istream &in) : in_(in) {}

void GedcomLineReader::Start()
{
    started_ = true;
    blockBytes_ = kFirstBlockBytes;
    buffer_.resize(2 * kFirstBlockBytes);
    // The first bytes tell a byte-order mark or UTF-16 ("0" of the first level with a zero byte).
    char first[3] = {};
    size_t got = 0;
    try {
        in_.read(first, sizeof first);
        got = static_cast<size_t>(in_.gcount());
    } catch (...) {
        failed_ = true;
    }
    bytesRead_ = static_cast<int64_t>(got);
    const auto byte = [&](size_t i) { return i < got ? static_cast<unsigned char>(first[i]) : -1; };
    size_t skip = 0;
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
        skip = 3;
        encodingFixed_ = true;
    } else if ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == '0' && byte(1) == 0)) {
        utf16_.emplace(false);
        encoding_ = "UTF-16LE";
        skip = byte(0) == 0xFF ? 2 : 0;
    } else if ((byte(0) == 0xFE && byte(1) == 0xFF) || (byte(0) == 0 && byte(1) == '0')) {
        utf16_.emplace(true);
        encoding_ = "UTF-16BE";
        skip = byte(0) == 0xFE ? 2 : 0;
    }
    if (utf16_) {
        encodingFixed_ = true;
        utf16_->Append(first + skip, got - skip, converted_);
        std::memcpy(buffer_.data(), converted_.data(), converted_.size());
        end_ = converted_.size();
    } else {
        std::memcpy(buffer_.data(), first + skip, got - skip);
        end_ = got - skip;
    }
    if (got < sizeof first || !in_) {
        endOfFile_ = true;
        failed_ = failed_ || in_.bad();
    }
    Fill();
    if (!encodingFixed_)
        GuessCharsetFromHeader();
}

void GedcomLineReader::Fill()
{
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    // A block becomes at most 1.5 times as long when UTF-16 turns into UTF-8, and a character cut
    // by the last block adds one.
    const size_t need = end_ + 2 * blockBytes_ + 8;
    if (buffer_.size() < need)
        buffer_.resize(std::max(need, 2 * buffer_.size()));
    if (endOfFile_) {
        if (utf16_) {
            converted_.clear();
            utf16_->Finish(converted_);
            std::memcpy(buffer_.data() + end_, converted_.data(), converted_.size());
            end_ += converted_.size();
        }
        return;
    }
    if (utf16_ && block_.size() < blockBytes_)
        block_.resize(blockBytes_);
    char *target = utf16_ ? block_.data() : buffer_.data() + end_;
    const size_t want = blockBytes_;
    blockBytes_ = std::min(2 * blockBytes_, kBlockBytes);
    size_t got = 0;
    try {
        in_.read(target, static_cast<std::streamsize>(want));
        got = static_cast<size_t>(in_.gcount());
        if (!in_) {
            endOfFile_ = true;
            failed_ = in_.bad();
        }
    } catch (...) {
        endOfFile_ = true;
        failed_ = true;
    }
    bytesRead_ += static_cast<int64_t>(got);
    if (utf16_) {
        converted_.clear();
        utf16_->Append(block_.data(), got, converted_);
        if (endOfFile_)
            utf16_->Finish(converted_);
        std::memcpy(buffer_.data() + end_, converted_.data(), converted_.size());
        end_ += converted_.size();
    } else {
        end_ += got;
    }
}

void GedcomLineReader::GuessCharsetFromHeader()
{
    // HEAD's CHAR decides how every value is read, so look for it in the first block before
    // reading a line. A header longer than that still has its CHAR taken when it is read.
    std::string_view rest(buffer_.data() + pos_, end_ - pos_);
    bool first = true;
    while (!rest.empty()) {
        const size_t end = FindTerminator(rest.data(), rest.size());
        const LooseLine line = ReadLoosely(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (line.level < 0)
            continue;
        if (line.level == 0 && !first)
            return;
        first = false;
        if (line.level == 1 && line.tag == "CHAR") {
            UseCharset(line.value, 0);
            return;
        }
    }
}

void GedcomLineReader::UseCharset(std::string_view name, int64_t lineNumber)
{
    if (encodingFixed_)
        return;
    const std::string upper = Upper(Trimmed(name));
    if (upper == "UTF-8" || upper == "UTF8" || upper == "UNICODE") {
        // UNICODE here names UTF-16, which would have been seen in the first bytes: the file
        // cannot be UTF-16, and UTF-8 is what such files turn out to hold.
        charset_ = Charset::Utf8;
        encoding_ = "UTF-8";
    } else if (upper == "ANSEL") {
        charset_ = Charset::Ansel;
        encoding_ = "ANSEL";
    } else if (upper == "ASCII" || upper == "US-ASCII") {
        charset_ = Charset::Ascii;
        encoding_ = "ASCII";
    } else if (upper == "ANSI" || upper == "WINDOWS-1252" || upper == "CP1252" || upper == "IBM WINDOWS" ||
               upper == "WINDOWS" || upper == "ISO-8859-1" || upper == "ISO8859-1" || upper == "LATIN1") {
        // Windows-1252 holds every printable character of ISO 8859-1 at the same byte.
        charset_ = Charset::Ansi;
        encoding_ = "ANSI";
    } else {
        charset_ = Charset::Utf8;
        encoding_ = "UTF-8";
        if (lineNumber > 0 && KeepsProblems()) {
            std::string what = "character set \"" + upper.substr(0, 40) + "\" is not known; read as UTF-8";
            AddProblem(lineNumber, what);
        } else if (lineNumber > 0) {
            ++problemCount_;
        }
    }
}

bool GedcomLineReader::NextPhysicalLine(std::string_view &text, bool &cut)
{
    cut = false;
    size_t scanned = 0;  // bytes after pos_ known to hold no terminator
    for (;;) {
        if (partner_ != 0) {
            if (pos_ == end_ && !endOfFile_) {
                Fill();
                continue;
            }
            if (pos_ < end_ && buffer_[pos_] == partner_)
                ++pos_;
            partner_ = 0;
        }
        const size_t found = FindTerminator(buffer_.data() + pos_ + scanned, end_ - pos_ - scanned);
        if (pos_ + scanned + found < end_) {
            const size_t terminator = pos_ + scanned + found;
            const size_t length = cut ? kKeepBytes : terminator - pos_;
            text = std::string_view(buffer_.data() + pos_, length);
            partner_ = buffer_[terminator] == '\r' ? '\n' : '\r';
            pos_ = terminator + 1;
            ++lineNumber_;
            return true;
        }
        if (end_ - pos_ > kKeepBytes) {
            // Keep the line's start; the rest is read and dropped until its end.
            cut = true;
            end_ = pos_ + kKeepBytes;
        }
        scanned = end_ - pos_;
        if (endOfFile_) {
            if (pos_ == end_)
                return false;
            // The last line, without a terminator: a truncated file.
            text = std::string_view(buffer_.data() + pos_, end_ - pos_);
            pos_ = end_;
            ++lineNumber_;
            return true;
        }
        Fill();
    }
}

bool GedcomLineReader::ParseLine(std::string_view text, RawLine &line)
{
    const size_t size = text.size();
    if (std::memchr(text.data(), '\0', size)) {
        AddProblem(lineNumber_, "a NUL byte in the line");
        return false;
    }
    size_t i = 0;
    while (i < size && IsBlank(text[i]))
        ++i;
    if (i == size)
        return false;  // a blank line says nothing and loses nothing
    if (!IsDigit(text[i])) {
        AddProblem(lineNumber_, "no level number");
        return false;
    }
    int level = 0;
    while (i < size && IsDigit(text[i])) {
        level = level * 10 + (text[i++] - '0');
        if (level > kMaxLevel) {
            AddProblem(lineNumber_, "level number above 99");
            return false;
        }
    }
    if (i == size) {
        AddProblem(lineNumber_, "no tag after the level number");
        return false;
    }
    if (!IsBlank(text[i])) {
        AddProblem(lineNumber_, "no space after the level number");
        return false;
    }
    while (i < size && IsBlank(text[i]))
        ++i;
    if (level > previousLevel_ + 1) {
        if (KeepsProblems())
            AddProblem(lineNumber_,
                       "level " + std::to_string(level) + " is more than one deeper than the line before (" +
                           (previousLevel_ < 0 ? std::string("none") : std::to_string(previousLevel_)) + ")");
        else
            ++problemCount_;
        return false;
    }
    line.xref.clear();
    if (i < size && text[i] == '@') {
        size_t close = i + 1;
        while (close < size && text[close] != '@' && !IsBlank(text[close]))
            ++close;
        if (close == size || text[close] != '@') {
            AddProblem(lineNumber_, "a cross-reference without its closing @");
            return false;
        }
        const size_t inner = close - i - 1;
        if (inner == 0 || text[i + 1] == '#') {
            AddProblem(lineNumber_, "a bad cross-reference (empty, or starting with #)");
            return false;
        }
        if (inner > kMaxXrefBytes) {
            AddProblem(lineNumber_, "a cross-reference longer than 255 characters");
            return false;
        }
        if (close + 1 < size && !IsBlank(text[close + 1])) {
            AddProblem(lineNumber_, "no space after the cross-reference");
            return false;
        }
        line.xref.assign(text.data() + i, inner + 2);
        i = close + 1;
        while (i < size && IsBlank(text[i]))
            ++i;
    }
    const size_t tagStart = i;
    while (i < size && IsTagChar(text[i]))
        ++i;
    if (i == tagStart) {
        AddProblem(lineNumber_, "no tag");
        return false;
    }
    if (i < size && !IsBlank(text[i])) {
        AddProblem(lineNumber_, "a character in the tag that tags do not have");
        return false;
    }
    if (i - tagStart > kMaxTagBytes) {
        AddProblem(lineNumber_, "a tag longer than 63 characters");
        return false;
    }
    line.tag.assign(text.data() + tagStart, i - tagStart);
    std::string_view value = i < size ? text.substr(i + 1) : std::string_view();
    if (value.size() >= 2 && value[0] == '@' && value[1] == '@')
        value.remove_prefix(1);  // "@@" stands for a text's leading "@", which pointers also start with
    value = value.substr(0, Fit(value, kMaxValueBytes));
    line.value.assign(value.data(), value.size());
    line.number = lineNumber_;
    line.level = level;
    line.levelBefore = previousLevel_;
    previousLevel_ = level;
    return true;
}

bool GedcomLineReader::ReadGoodLine(RawLine &line)
{
    if (!started_)
        Start();
    std::string_view text;
    bool cut = false;
    while (NextPhysicalLine(text, cut)) {
        if (cut)
            AddProblem(lineNumber_, "longer than 64 KiB; the rest is skipped");
        if (!ParseLine(text, line))
            continue;
        if (line.level == 0)
            inHeader_ = line.tag == "HEAD";
        else if (line.level == 1 && inHeader_ && line.tag == "CHAR")
            UseCharset(line.value, line.number);
        return true;
    }
    return false;
}

size_t GedcomLineReader::Fit(std::string_view raw, size_t room) const
{
    // In the 8-bit sets every byte is a character (ANSEL's diacritics at worst lose their letter).
    return charset_ == Charset::Utf8 ? Utf8Fit(raw, room) : std::min(raw.size(), room);
}

void GedcomLineReader::Decode(std::string_view raw, std::string &out) const
{
    out.clear();
    switch (charset_) {
    case Charset::Utf8: AppendCheckedUtf8(raw, out); break;
    case Charset::Ascii: AppendAscii(raw, out); break;
    case Charset::Ansi: AppendWindows1252(raw, out); break;
    case Charset::Ansel: AppendAnsel(raw, out); break;
    }
}

bool GedcomLineReader::Next(GedcomLine &line)
{
    for (;;) {
        if (!havePending_ && !ReadGoodLine(pending_))
            return false;
        havePending_ = false;
        std::swap(current_, pending_);
        if (!IsContinuation(current_.tag))
            break;
        AddProblem(current_.number,
                   "a " + current_.tag + " line with no line before it to continue; skipped");
        previousLevel_ = current_.levelBefore;  // the lines under it are under nothing either
    }
    bool reported = false;  // that the value is too long
    while (ReadGoodLine(pending_)) {
        if (!IsContinuation(pending_.tag)) {
            havePending_ = true;
            break;
        }
        if (pending_.level != current_.level + 1) {
            AddProblem(pending_.number,
                       pending_.tag + " is not one level below the line it would continue; skipped");
            previousLevel_ = pending_.levelBefore;
            continue;
        }
        // CONT starts a new line of the text; CONC goes on with the same one, not even a space between.
        std::string &value = current_.value;
        const size_t room = kMaxValueBytes - std::min(value.size(), kMaxValueBytes);
        const bool newLine = pending_.tag == "CONT";
        const size_t length = pending_.value.size() + (newLine ? 1 : 0);
        if (length > room && !reported) {
            AddProblem(pending_.number,
                       "the text with its CONC and CONT lines is longer than 64 KiB; the rest is "
                       "skipped");
            reported = true;
        }
        if (newLine && room > 0)
            value.push_back('\n');
        value.append(pending_.value, 0, Fit(pending_.value, room - std::min<size_t>(room, newLine)));
    }
    line.number = current_.number;
    line.level = current_.level;
    line.xref = current_.xref;
    line.tag = current_.tag;
    Decode(current_.value, line.value);
    // ANSEL, ANSI and broken UTF-8 grow as UTF-8.
    CutUtf8(line.value, kMaxValueBytes);
    return true;
}

const std::string &GedcomLineReader::Encoding() const { return encoding_; }
int64_t GedcomLineReader::BytesRead() const { return bytesRead_; }
const std::vector<GedcomProblem> &GedcomLineReader::Problems() const { return problems_; }
int64_t GedcomLineReader::ProblemCount() const { return problemCount_; }
bool GedcomLineReader::ReadFailed() const { return failed_; }

void GedcomLineReader::AddProblem(int64_t line, std::string_view what)
{
    ++problemCount_;
    if (!KeepsProblems())
        return;
    std::string message = "line " + std::to_string(line) + ": ";
    message += what;
    problems_.push_back({line, std::move(message)});
}

}  // namespace vardex
