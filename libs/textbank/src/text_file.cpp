// SPDX-License-Identifier: MIT
// Reading a program text file: one pass over its bytes, one line at a time, stopping at the first
// faulty line so that the code names that line.
#include "text_file.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <new>
#include <string_view>
#include <system_error>

#include "textbank.h"

namespace textbank {

namespace {

constexpr int32_t kContinue = 1;            // a line was fine; go on
constexpr std::size_t kChunkBytes = 65536;  // bytes read from the file at a time
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Whether s is well-formed UTF-8 (The Unicode Standard, chapter 3, table 3-7: no overlong forms,
// no surrogates, nothing above U+10FFFF) without control characters other than the tab.
bool IsCleanUtf8(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            if ((lead < 0x20 && lead != '\t') || lead == 0x7F)
                return false;
            ++i;
            continue;
        }
        std::size_t following;                  // continuation bytes, [1, 3]
        unsigned char low = 0x80, high = 0xBF;  // range of the first continuation byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead == 0xE0) {
            following = 2, low = 0xA0;
        } else if (lead == 0xED) {
            following = 2, high = 0x9F;
        } else if (lead >= 0xE1 && lead <= 0xEF) {
            following = 2;
        } else if (lead == 0xF0) {
            following = 3, low = 0x90;
        } else if (lead == 0xF4) {
            following = 3, high = 0x8F;
        } else if (lead >= 0xF1 && lead <= 0xF3) {
            following = 3;
        } else {
            return false;
        }
        if (s.size() - i <= following)
            return false;
        for (std::size_t k = 1; k <= following; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF))
                return false;
        }
        i += following + 1;
    }
    return true;
}

// UTF-16 and UTF-32 files announce themselves by their byte-order marks; their NUL bytes would
// otherwise be reported as a fault of the first line.
bool StartsLikeWideText(std::string_view bytes)
{
    return bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") ||
           bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4));
}

class Parser {
public:
    explicit Parser(Texts &texts) : texts_(texts) { line_.reserve(TEXTBANK_MAX_LINE_BYTES + 1); }

    // Takes the next bytes of the file. Returns kContinue or the file's final code.
    int32_t Feed(std::string_view bytes)
    {
        for (const char c : bytes) {
            if (!inLine_) {
                inLine_ = true;
                if (++lineNumber_ > TEXTBANK_MAX_LINES)
                    return TEXTBANK_TOO_MUCH_TEXT;
            }
            if (c == '\n') {
                if (const int32_t result = EndLine(); result != kContinue)
                    return result;
                continue;
            }
            // One byte beyond the limit is kept for the carriage return of a CR LF line end.
            if (line_.size() == TEXTBANK_MAX_LINE_BYTES + 1)
                return TEXTBANK_STRING_TOO_LONG - lineNumber_;
            line_.push_back(c);
        }
        return kContinue;
    }

    // The end of the file: the last line may lack its line feed.
    int32_t Finish()
    {
        if (inLine_) {
            if (const int32_t result = EndLine(); result != kContinue)
                return result;
        }
        if (!sawContent_)
            return TEXTBANK_EMPTY_FILE;
        return static_cast<int32_t>(texts_.size());  // [0, TEXTBANK_MAX_LINES]
    }

private:
    int32_t EndLine()
    {
        const int32_t result = ParseLine(line_);
        line_.clear();
        inLine_ = false;
        return result;
    }

    int32_t ParseLine(std::string_view line)
    {
        const int32_t missing = TEXTBANK_MISSING_STRING - lineNumber_;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.size() > TEXTBANK_MAX_LINE_BYTES)
            return TEXTBANK_STRING_TOO_LONG - lineNumber_;
        if (lineNumber_ == 1 && line.starts_with(kUtf8Bom))
            line.remove_prefix(kUtf8Bom.size());
        if (!IsCleanUtf8(line))
            return missing;
        line = Trim(line);
        if (line.empty())
            return kContinue;
        sawContent_ = true;
        if (line.front() == '#')
            return kContinue;

        if (!IsDigit(line.front()))
            return missing;
        int64_t number = 0;  // [0, INT32_MAX]
        while (!line.empty() && IsDigit(line.front())) {
            number = number * 10 + (line.front() - '0');
            if (number > INT32_MAX)
                return missing;
            line.remove_prefix(1);
        }
        line = Trim(line);
        if (line.empty() || line.front() != '=')
            return missing;
        const std::string_view text = Trim(line.substr(1));
        if (text.empty())
            return missing;
        if (text.size() > TEXTBANK_MAX_TEXT_BYTES)
            return TEXTBANK_STRING_TOO_LONG - lineNumber_;
        const auto key = static_cast<int32_t>(number);
        if (texts_.contains(key))
            return TEXTBANK_DUPLICATE - lineNumber_;
        try {
            texts_.emplace(key, std::string(text));
        } catch (const std::bad_alloc &) {
            return TEXTBANK_TEXT_MEMORY;
        }
        return kContinue;
    }

    Texts &texts_;
    std::string line_;         // the current line without its line feed
    int32_t lineNumber_ = 0;   // [0, TEXTBANK_MAX_LINES + 1]
    bool inLine_ = false;      // a line has begun and has not ended yet
    bool sawContent_ = false;  // a line other than a blank one was seen
};

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

}  // namespace

int32_t ReadTextFile(const char *path, Texts &texts)
{
    // Only a regular file: a directory cannot be read, and a pipe or a device could block or
    // never end.
    std::error_code error;
    const auto status = std::filesystem::status(std::filesystem::path(path), error);
    if (error || !std::filesystem::is_regular_file(status))
        return TEXTBANK_CANNOT_OPEN;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return TEXTBANK_CANNOT_OPEN;

    std::string chunk(kChunkBytes, '\0');
    Parser parser(texts);
    bool first = true;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        if (got < chunk.size() && std::ferror(file.get()))
            return TEXTBANK_READ_ERROR;
        const std::string_view bytes(chunk.data(), got);
        if (first && StartsLikeWideText(bytes))
            return TEXTBANK_NOT_RECOVERED;
        first = false;
        if (const int32_t result = parser.Feed(bytes); result != kContinue)
            return result;
        if (got < chunk.size())
            break;
    }
    return parser.Finish();
}

}  // namespace textbank
