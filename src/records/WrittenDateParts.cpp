// SPDX-License-Identifier: MIT
#include "WrittenDateParts.h"

#include <algorithm>
#include <vector>

#include "WrittenDateWords.h"

namespace vardex {

namespace {

// Years beyond this are not dates of records; it also keeps every sum below in range.
constexpr int64_t kMaxWrittenYear = 9'999'999;

struct Token {
    enum class Kind { Number, Word, Slash, Dash, Dot, Comma, Open, Close };
    Kind kind = Kind::Word;
    std::string_view raw;
    std::string folded;  // words
    int64_t value = 0;   // numbers, saturated above kMaxWrittenYear
    int digits = 0;
    bool ordinal = false;  // "1st", "23rd", "1er", "23."
    bool dotted = false;   // "23.": with two more numbers, a date written 1. 2. 1750
    bool spaceBefore = false;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Letters of words: ASCII ones, and every byte of a multi-byte UTF-8 character, which the word
// tables then accept or not.
bool IsWordByte(char c) { return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80 || c == '_'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string Quoted(std::string_view text) { return QuotedDateText(text); }

// The en and em dashes people paste between dual years.
size_t DashBytes(std::string_view text, size_t i)
{
    if (text[i] == '-')
        return 1;
    if (text.substr(i, 3) == "\xE2\x80\x93" || text.substr(i, 3) == "\xE2\x80\x94")
        return 3;
    return 0;
}

const char *kOrdinalSuffixes[] = {"st", "nd", "rd", "th", "er", "re", "e", "o", "a"};

// Splits the date into tokens, or says which character it cannot read.
std::string Tokenize(std::string_view text, std::vector<Token> &tokens)
{
    size_t i = 0;
    bool space = true;
    while (i < text.size()) {
        const char c = text[i];
        if (IsSpace(c)) {
            space = true;
            ++i;
            continue;
        }
        Token token;
        token.spaceBefore = space;
        space = false;
        const size_t start = i;
        if (IsDigit(c)) {
            while (i < text.size() && IsDigit(text[i])) {
                token.value = std::min(token.value * 10 + (text[i] - '0'), kMaxWrittenYear + 1);
                ++token.digits;
                ++i;
            }
            token.kind = Token::Kind::Number;
            // A suffix glued to the number: an ordinal, or a register's 7ber.
            size_t end = i;
            while (end < text.size() && (IsWordByte(text[end]) || text[end] == '.'))
                ++end;
            if (end > i) {
                std::string suffix = FoldedWord(text.substr(i, end - i));
                std::string joined = std::string(text.substr(start, i - start)) + suffix;
                if (MonthOfWord(joined)) {
                    token.kind = Token::Kind::Word;
                    token.folded = std::move(joined);
                    i = end;
                } else if (text[i] == '.' && (i + 1 >= text.size() || !IsDigit(text[i + 1])) &&
                           suffix.empty()) {
                    token.ordinal = true;  // "23." as German and Scandinavian write the day
                    token.dotted = true;
                    i = end;
                } else if (text[i] != '.') {
                    bool known = suffix == "\xC2\xBA" || suffix == "\xC2\xAA";  // º ª
                    for (const char *ordinal : kOrdinalSuffixes)
                        known = known || suffix == ordinal;
                    if (!known)
                        return "Cannot read " + Quoted(text.substr(start, end - start)) + ".";
                    token.ordinal = true;
                    i = end;
                }
            }
        } else if (IsWordByte(c)) {
            while (i < text.size() && (IsWordByte(text[i]) || text[i] == '.' || text[i] == '\''))
                ++i;
            token.kind = Token::Kind::Word;
            token.folded = FoldedWord(text.substr(start, i - start));
            // The bytes of a non-Latin letter or a symbol the tables do not know are rejected below.
        } else if (const size_t dash = DashBytes(text, i)) {
            token.kind = Token::Kind::Dash;
            i += dash;
        } else if (c == '/') {
            token.kind = Token::Kind::Slash;
            ++i;
        } else if (c == '.') {
            token.kind = Token::Kind::Dot;
            ++i;
        } else if (c == ',') {
            token.kind = Token::Kind::Comma;
            ++i;
        } else if (c == '(') {
            token.kind = Token::Kind::Open;
            ++i;
        } else if (c == ')') {
            token.kind = Token::Kind::Close;
            ++i;
        } else {
            size_t end = i + 1;
            while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
                ++end;
            return "Cannot read " + Quoted(text.substr(i, end - i)) + " in " + Quoted(text) + ".";
        }
        token.raw = text.substr(start, i - start);
        tokens.push_back(std::move(token));
    }
    return {};
}

// A dual year's second number in full: "1731/2" -> 1732, "1699/00" -> 1700, "1709/10" -> 1710.
int64_t SecondYearInFull(int64_t first, const Token &second)
{
    if (second.digits >= 3 || second.value >= 1000)
        return second.value;
    int64_t modulus = 1;
    for (int d = 0; d < second.digits; ++d)
        modulus *= 10;
    int64_t year = first - first % modulus + second.value;
    if (year <= first)
        year += modulus;
    return year;
}

struct GedcomEscape {
    std::string_view name;
    RecordCalendar calendar;
};
constexpr GedcomEscape kEscapes[] = {{"GREGORIAN", RecordCalendar::Gregorian},
                                     {"JULIAN", RecordCalendar::Julian},
                                     {"HEBREW", RecordCalendar::Hebrew},
                                     {"FRENCH R", RecordCalendar::FrenchRepublican},
                                     {"FRENCH_R", RecordCalendar::FrenchRepublican}};

std::optional<RecordCalendar> EscapeCalendar(std::string_view name)
{
    for (const GedcomEscape &escape : kEscapes) {
        if (escape.name.size() == name.size()) {
            bool same = true;
            for (size_t i = 0; i < name.size() && same; ++i)
                same = escape.name[i] == (name[i] >= 'a' && name[i] <= 'z' ? name[i] - 'a' + 'A' : name[i]);
            if (same)
                return escape.calendar;
        }
    }
    return std::nullopt;
}

// Takes a calendar escape off the front of the text: 5.5.1's "@#DJULIAN@", 7.0's "JULIAN".
std::string TakeEscape(std::string_view &text, WrittenDateParts &parts)
{
    if (text.substr(0, 3) == "@#D" || text.substr(0, 3) == "@#d") {
        const size_t end = text.find('@', 3);
        if (end == std::string_view::npos)
            return "The calendar escape of " + Quoted(text) + " has no closing '@'.";
        const std::string_view name = text.substr(3, end - 3);
        const std::optional<RecordCalendar> calendar = EscapeCalendar(name);
        if (!calendar)
            return "Vardex does not read dates of the calendar " + Quoted(name) +
                   "; it reads the Gregorian, Julian, Hebrew and French republican calendars.";
        parts.calendar = *calendar;
        parts.mark = CalendarMark::Escape;
        text.remove_prefix(end + 1);
        return {};
    }
    const size_t space = text.find(' ');
    if (space != std::string_view::npos) {
        if (const std::optional<RecordCalendar> calendar = EscapeCalendar(text.substr(0, space))) {
            parts.calendar = *calendar;
            parts.mark = CalendarMark::Escape;
            text.remove_prefix(space + 1);
        }
    }
    return {};
}

std::optional<int> MonthInCalendar(RecordCalendar calendar, std::string_view folded)
{
    switch (calendar) {
    case RecordCalendar::Hebrew: return HebrewMonthOfCode(folded);
    case RecordCalendar::FrenchRepublican: return FrenchRepublicanMonthOfCode(folded);
    case RecordCalendar::Gregorian:
    case RecordCalendar::Julian: break;
    }
    return MonthOfWord(folded);
}

// A calendar said in words: O.S. and N.S., "Old Style", "Julian".
bool TakeStyleMark(const std::vector<Token> &tokens, size_t &i, WrittenDateParts &parts, std::string &error)
{
    const std::string &word = tokens[i].folded;
    std::optional<RecordCalendar> calendar;
    size_t used = 1;
    const DateWord kind = KindOfWord(word);
    if (kind == DateWord::OldStyle)
        calendar = RecordCalendar::Julian;
    else if (kind == DateWord::NewStyle)
        calendar = RecordCalendar::Gregorian;
    else if ((word == "old" || word == "new") && i + 1 < tokens.size() && tokens[i + 1].folded == "style") {
        calendar = word == "old" ? RecordCalendar::Julian : RecordCalendar::Gregorian;
        used = 2;
    } else if (word == "julian" || word == "gregorian") {
        calendar = word == "julian" ? RecordCalendar::Julian : RecordCalendar::Gregorian;
    }
    if (!calendar)
        return false;
    if (parts.mark != CalendarMark::None && parts.calendar != *calendar)
        error = "The date is marked with two calendars.";
    parts.calendar = *calendar;
    if (parts.mark == CalendarMark::None)
        parts.mark = CalendarMark::Style;
    i += used;
    return true;
}

struct Number {
    const Token *token;
    const Token *second = nullptr;  // a dual year's second number
};

// Numbers with dots between them and no month word: 14.9.1752, day first, as Europe writes it.
// Slashed numbers are refused: 9/10/1752 is September in one country and October in another.
void ReadDottedDate(const std::vector<Number> &numbers, WrittenDateParts &parts)
{
    parts.day = static_cast<int>(std::min<int64_t>(numbers[0].token->value, 99));
    parts.month = static_cast<int>(std::min<int64_t>(numbers[1].token->value, 99));
    parts.year = numbers[2].token->value;
}

}  // namespace

std::string QuotedDateText(std::string_view text)
{
    std::string quoted = "'";
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (++characters > 80) {
            quoted += "\xE2\x80\xA6";  // …
            break;
        }
        if (c < 0x20 || c == 0x7F) {
            quoted += '?';
        } else if (c < 0x80) {
            quoted += static_cast<char>(c);
        } else {
            // A whole, well-formed UTF-8 character, or "?".
            const size_t length = c >= 0xF0 && c < 0xF5 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 && c < 0xE0 ? 2 : 0;
            bool good = length != 0 && i + length <= text.size();
            for (size_t k = 1; good && k < length; ++k)
                good = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
            if (good) {
                quoted.append(text.substr(i, length));
                i += length - 1;
            } else {
                quoted += '?';
            }
        }
    }
    return quoted + "'";
}

WrittenDatePartsReading ReadWrittenDateParts(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    const std::string_view whole = text;
    WrittenDateParts parts;
    if (std::string error = TakeEscape(text, parts); !error.empty())
        return {std::nullopt, error};
    std::vector<Token> tokens;
    tokens.reserve(8);
    if (std::string error = Tokenize(text, tokens); !error.empty())
        return {std::nullopt, error};
    if (tokens.empty())
        return {std::nullopt, "No date in " + Quoted(whole) + "."};

    const auto fail = [&](const std::string &why) { return WrittenDatePartsReading{std::nullopt, why}; };
    // ISO 8601: 1752-09-14, always Gregorian unless marked.
    std::vector<Number> numbers;
    std::optional<size_t> monthAt;  // index in `numbers` the month word came before
    bool dots = false, slashes = false, iso = false;
    int parens = 0;
    std::string error;
    for (size_t i = 0; i < tokens.size();) {
        const Token &t = tokens[i];
        switch (t.kind) {
        case Token::Kind::Number: {
            Number number{&t};
            dots = dots || t.dotted;
            // 1731/2, 1731/32, 1731-2: a dual year, the marks glued to the first number.
            const bool joined =
                i + 2 < tokens.size() &&
                (tokens[i + 1].kind == Token::Kind::Slash || tokens[i + 1].kind == Token::Kind::Dash) &&
                !tokens[i + 1].spaceBefore && tokens[i + 2].kind == Token::Kind::Number &&
                !tokens[i + 2].spaceBefore;
            if (joined && tokens[i + 1].kind == Token::Kind::Dash && i + 4 < tokens.size() &&
                tokens[i + 3].kind == Token::Kind::Dash && tokens[i + 4].kind == Token::Kind::Number &&
                numbers.empty() && !monthAt && t.digits >= 3) {
                // Year-month-day.
                parts.year = t.value;
                parts.month = static_cast<int>(std::min<int64_t>(tokens[i + 2].value, 99));
                parts.day = static_cast<int>(std::min<int64_t>(tokens[i + 4].value, 99));
                iso = true;
                i += 5;
                break;
            }
            if (joined && tokens[i + 1].kind == Token::Kind::Slash && i + 4 < tokens.size() &&
                tokens[i + 3].kind == Token::Kind::Slash)
                slashes = true;
            if (joined && t.digits >= 3 && !tokens[i + 2].ordinal) {
                number.second = &tokens[i + 2];
                i += 3;
            } else if (joined && tokens[i + 1].kind == Token::Kind::Slash) {
                slashes = true;
                i += 1;
            } else {
                i += 1;
            }
            numbers.push_back(number);
            break;
        }
        case Token::Kind::Word: {
            if (TakeStyleMark(tokens, i, parts, error)) {
                if (!error.empty())
                    return fail(error);
                break;
            }
            if (const std::optional<int> month = MonthInCalendar(parts.calendar, t.folded)) {
                if (parts.month != 0)
                    return fail("Two months in " + Quoted(whole) + ".");
                parts.month = *month;
                monthAt = numbers.size();
            } else if (const std::optional<int> weekday = WeekdayOfWord(t.folded)) {
                if (parts.weekday)
                    return fail("Two weekdays in " + Quoted(whole) + ".");
                parts.weekday = *weekday;
            } else {
                const DateWord kind = KindOfWord(t.folded);
                if (kind == DateWord::BeforeChrist)
                    parts.beforeChrist = true;
                else if (kind != DateWord::AnnoDomini && kind != DateWord::Filler)
                    return fail("Cannot read " + Quoted(t.raw) + " in " + Quoted(whole) + ".");
            }
            ++i;
            break;
        }
        case Token::Kind::Dot: dots = true; [[fallthrough]];
        case Token::Kind::Slash:
            if (t.kind == Token::Kind::Slash)
                slashes = true;
            [[fallthrough]];
        case Token::Kind::Dash:
        case Token::Kind::Comma: ++i; break;
        case Token::Kind::Open:
            ++parens;
            ++i;
            break;
        case Token::Kind::Close:
            if (--parens < 0)
                return fail("A ')' without its '(' in " + Quoted(whole) + ".");
            ++i;
            break;
        }
    }
    if (parens != 0)
        return fail("A '(' without its ')' in " + Quoted(whole) + ".");

    if (iso) {
        if (!numbers.empty())
            return fail("Cannot read " + Quoted(whole) + " as a year-month-day date.");
    } else if (!monthAt) {
        if (numbers.size() == 3 && dots && !slashes) {
            ReadDottedDate(numbers, parts);
        } else if (numbers.size() >= 2) {
            return fail("Cannot tell the day from the month in " + Quoted(whole) +
                        ": write the month as a word, such as 14 Sep 1752, or as 1752-09-14.");
        } else if (numbers.size() == 1) {
            if (numbers[0].token->ordinal)
                return fail("No month or year in " + Quoted(whole) + ".");
            parts.year = numbers[0].token->value;
            if (numbers[0].second)
                parts.secondYear = SecondYearInFull(parts.year, *numbers[0].second);
        } else {
            return fail("No year in " + Quoted(whole) + ".");
        }
    } else {
        // Around the month: [day] MONTH year, MONTH [day] year, year MONTH day.
        const size_t before = *monthAt, after = numbers.size() - *monthAt;
        const Number *day = nullptr, *year = nullptr;
        if (before == 1 && after == 1) {
            const bool yearFirst = (numbers[0].token->value > 31 || numbers[0].second) &&
                                   numbers[1].token->value <= 31 && !numbers[1].second;
            day = yearFirst ? &numbers[1] : &numbers[0];
            year = yearFirst ? &numbers[0] : &numbers[1];
        } else if (before == 0 && after == 2) {
            day = &numbers[0];
            year = &numbers[1];
        } else if (before == 0 && after == 1 && !numbers[0].token->ordinal) {
            year = &numbers[0];
        } else if (numbers.size() > 2 || (before == 1 && after == 0 && numbers[0].token->value > 31)) {
            return fail("Cannot read " + Quoted(whole) + ": too many numbers around the month.");
        } else {
            return fail("No year in " + Quoted(whole) + ".");
        }
        if (day && (day->second || day->token->value < 1 || day->token->value > 31))
            return fail("No day " + std::string(day->token->raw) + " in any month, in " + Quoted(whole) +
                        ".");
        if (year->token->ordinal)
            return fail("No year in " + Quoted(whole) + ".");
        if (day)
            parts.day = static_cast<int>(day->token->value);
        parts.year = year->token->value;
        if (year->second)
            parts.secondYear = SecondYearInFull(parts.year, *year->second);
    }
    if (parts.year > kMaxWrittenYear || (parts.secondYear && *parts.secondYear > kMaxWrittenYear))
        return fail("The year of " + Quoted(whole) + " is beyond the years Vardex reads.");
    if (parts.beforeChrist && parts.calendar != RecordCalendar::Gregorian &&
        parts.calendar != RecordCalendar::Julian)
        return fail("Years before Christ belong to the Gregorian and Julian calendars, not to " +
                    Quoted(whole) + ".");
    if (parts.year == 0 && !iso)
        return fail("There is no year 0 in " + Quoted(whole) + ": 1 BC is followed by AD 1.");
    const int months =
        parts.calendar == RecordCalendar::Hebrew || parts.calendar == RecordCalendar::FrenchRepublican ? 13
                                                                                                       : 12;
    if (parts.month < 0 || parts.month > months || (iso && parts.month == 0))
        return fail("No month " + std::to_string(parts.month) + " in " + Quoted(whole) + ".");
    if (parts.day > 31 || (iso && parts.day == 0))
        return fail("No day " + std::to_string(parts.day) + " in any month, in " + Quoted(whole) + ".");
    if (parts.day != 0 && parts.month == 0)
        return fail("No month in " + Quoted(whole) + ".");
    return {parts, {}};
}

}  // namespace vardex
