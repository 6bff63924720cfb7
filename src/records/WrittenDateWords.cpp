// SPDX-License-Identifier: MIT
#include "WrittenDateWords.h"

#include <unordered_map>

namespace vardex {

namespace {

struct Named {
    std::string_view word;
    int value;
};

// Folded forms only. Where languages share a spelling (juni, april, mars) it appears once.
constexpr Named kMonths[] = {
    // English, and GEDCOM's codes
    {"january", 1},
    {"jan", 1},
    {"february", 2},
    {"feb", 2},
    {"march", 3},
    {"mar", 3},
    {"april", 4},
    {"apr", 4},
    {"may", 5},
    {"june", 6},
    {"jun", 6},
    {"july", 7},
    {"jul", 7},
    {"august", 8},
    {"aug", 8},
    {"september", 9},
    {"sep", 9},
    {"sept", 9},
    {"october", 10},
    {"oct", 10},
    {"november", 11},
    {"nov", 11},
    {"december", 12},
    {"dec", 12},
    // French
    {"janvier", 1},
    {"janv", 1},
    {"fevrier", 2},
    {"fevr", 2},
    {"fev", 2},
    {"mars", 3},
    {"avril", 4},
    {"avr", 4},
    {"mai", 5},
    {"juin", 6},
    {"juillet", 7},
    {"juil", 7},
    {"aout", 8},
    {"septembre", 9},
    {"octobre", 10},
    {"novembre", 11},
    {"decembre", 12},
    // German
    {"januar", 1},
    {"janner", 1},
    {"jaenner", 1},
    {"februar", 2},
    {"feber", 2},
    {"marz", 3},
    {"maerz", 3},
    {"juni", 6},
    {"juli", 7},
    {"oktober", 10},
    {"okt", 10},
    {"dezember", 12},
    {"dez", 12},
    // Spanish
    {"enero", 1},
    {"ene", 1},
    {"febrero", 2},
    {"marzo", 3},
    {"abril", 4},
    {"abr", 4},
    {"mayo", 5},
    {"junio", 6},
    {"julio", 7},
    {"agosto", 8},
    {"ago", 8},
    {"septiembre", 9},
    {"setiembre", 9},
    {"octubre", 10},
    {"noviembre", 11},
    {"diciembre", 12},
    {"dic", 12},
    // Italian
    {"gennaio", 1},
    {"gen", 1},
    {"febbraio", 2},
    {"aprile", 4},
    {"maggio", 5},
    {"mag", 5},
    {"giugno", 6},
    {"giu", 6},
    {"luglio", 7},
    {"lug", 7},
    {"settembre", 9},
    {"set", 9},
    {"ottobre", 10},
    {"ott", 10},
    {"dicembre", 12},
    // Dutch
    {"januari", 1},
    {"februari", 2},
    {"maart", 3},
    {"mrt", 3},
    {"mei", 5},
    {"augustus", 8},
    // Swedish
    {"maj", 5},
    {"augusti", 8},
    // Latin, in the nominative and the genitive the registers use ("die 3 Januarii")
    {"ianuarius", 1},
    {"januarius", 1},
    {"ianuarii", 1},
    {"januarii", 1},
    {"februarius", 2},
    {"februarii", 2},
    {"martius", 3},
    {"martii", 3},
    {"aprilis", 4},
    {"maius", 5},
    {"maii", 5},
    {"iunius", 6},
    {"junius", 6},
    {"iunii", 6},
    {"junii", 6},
    {"iulius", 7},
    {"julius", 7},
    {"iulii", 7},
    {"julii", 7},
    {"augusti", 8},
    {"septembris", 9},
    {"octobris", 10},
    {"novembris", 11},
    {"decembris", 12},
    // The registers' numbered months, counted from March: 7ber is September, Xber December.
    {"7ber", 9},
    {"7bre", 9},
    {"7bris", 9},
    {"8ber", 10},
    {"8bre", 10},
    {"8bris", 10},
    {"9ber", 11},
    {"9bre", 11},
    {"9bris", 11},
    {"10ber", 12},
    {"10bre", 12},
    {"10bris", 12},
    {"xber", 12},
    {"xbre", 12},
    {"xbris", 12},
};

constexpr Named kHebrewCodes[] = {{"nsn", 1},  {"iyr", 2},  {"svn", 3}, {"tmz", 4}, {"aav", 5},
                                  {"ell", 6},  {"tsh", 7},  {"csh", 8}, {"ksl", 9}, {"tvt", 10},
                                  {"shv", 11}, {"adr", 12}, {"ads", 13}};

constexpr Named kFrenchCodes[] = {{"vend", 1},  {"brum", 2},  {"frim", 3}, {"nivo", 4}, {"pluv", 5},
                                  {"vent", 6},  {"germ", 7},  {"flor", 8}, {"prai", 9}, {"mess", 10},
                                  {"ther", 11}, {"fruc", 12}, {"comp", 13}};

constexpr Named kWeekdays[] = {
    // English
    {"sunday", 0},
    {"sun", 0},
    {"monday", 1},
    {"mon", 1},
    {"tuesday", 2},
    {"tue", 2},
    {"tues", 2},
    {"wednesday", 3},
    {"wed", 3},
    {"thursday", 4},
    {"thu", 4},
    {"thur", 4},
    {"thurs", 4},
    {"friday", 5},
    {"fri", 5},
    {"saturday", 6},
    {"sat", 6},
    // French
    {"dimanche", 0},
    {"lundi", 1},
    {"mardi", 2},
    {"mercredi", 3},
    {"jeudi", 4},
    {"vendredi", 5},
    {"samedi", 6},
    // German
    {"sonntag", 0},
    {"montag", 1},
    {"dienstag", 2},
    {"mittwoch", 3},
    {"donnerstag", 4},
    {"freitag", 5},
    {"samstag", 6},
    {"sonnabend", 6},
    // Spanish
    {"domingo", 0},
    {"lunes", 1},
    {"martes", 2},
    {"miercoles", 3},
    {"jueves", 4},
    {"viernes", 5},
    {"sabado", 6},
    // Italian
    {"domenica", 0},
    {"lunedi", 1},
    {"martedi", 2},
    {"mercoledi", 3},
    {"giovedi", 4},
    {"venerdi", 5},
    {"sabato", 6},
    // Dutch
    {"zondag", 0},
    {"maandag", 1},
    {"dinsdag", 2},
    {"woensdag", 3},
    {"donderdag", 4},
    {"vrijdag", 5},
    {"zaterdag", 6},
    // Swedish
    {"sondag", 0},
    {"mandag", 1},
    {"tisdag", 2},
    {"onsdag", 3},
    {"torsdag", 4},
    {"fredag", 5},
    {"lordag", 6},
    // Latin: dies Solis .. dies Saturni, and the Church's dominica and feriae
    {"solis", 0},
    {"dominica", 0},
    {"lunae", 1},
    {"martis", 2},
    {"mercurii", 3},
    {"iovis", 4},
    {"jovis", 4},
    {"veneris", 5},
    {"saturni", 6},
};

constexpr struct {
    std::string_view word;
    DateWord kind;
} kWords[] = {
    {"bc", DateWord::BeforeChrist}, {"bce", DateWord::BeforeChrist},  {"ad", DateWord::AnnoDomini},
    {"ce", DateWord::AnnoDomini},   {"domini", DateWord::AnnoDomini}, {"os", DateWord::OldStyle},
    {"ns", DateWord::NewStyle},     {"of", DateWord::Filler},         {"the", DateWord::Filler},
    {"de", DateWord::Filler},       {"del", DateWord::Filler},        {"den", DateWord::Filler},
    {"der", DateWord::Filler},      {"le", DateWord::Filler},         {"il", DateWord::Filler},
    {"anno", DateWord::Filler},     {"die", DateWord::Filler},        {"dies", DateWord::Filler},
    {"im", DateWord::Filler},       {"on", DateWord::Filler},
};

using Table = std::unordered_map<std::string_view, int>;

template <size_t N> Table TableOf(const Named (&entries)[N])
{
    Table table;
    for (const Named &entry : entries)
        table.emplace(entry.word, entry.value);
    return table;
}

std::optional<int> Find(const Table &table, std::string_view word)
{
    const auto found = table.find(word);
    if (found == table.end())
        return std::nullopt;
    return found->second;
}

// The base letter of a two-byte UTF-8 letter of Latin-1 (C3 xx), or 0 when it has none.
char BaseOfLatin1(unsigned char second)
{
    // 0xC3 0x80..0xBF stands for U+00C0..U+00FF.
    static constexpr char kBase[64 + 1] = "aaaaaaaceeeeiiii"     // À..Ï
                                          "dnooooo\0ouuuuy\0s"   // Ð..ß (× and Þ none; ß below)
                                          "aaaaaaaceeeeiiii"     // à..ï
                                          "dnooooo\0ouuuuy\0y";  // ð..ÿ
    if (second < 0x80 || second > 0xBF)
        return 0;
    return kBase[second - 0x80];
}

}  // namespace

std::string FoldedWord(std::string_view word)
{
    std::string folded;
    folded.reserve(word.size());
    for (size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c == '.')
            continue;
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
            continue;
        }
        if (c == 0xC3 && i + 1 < word.size()) {
            const auto next = static_cast<unsigned char>(word[i + 1]);
            if (next == 0x9F) {  // ß
                folded += "ss";
                ++i;
                continue;
            }
            if (const char base = BaseOfLatin1(next)) {
                folded += base;
                ++i;
                continue;
            }
        }
        // Combining accents, U+0300..U+036F: CC 80..CD AF.
        if ((c == 0xCC || c == 0xCD) && i + 1 < word.size()) {
            const auto next = static_cast<unsigned char>(word[i + 1]);
            if (next >= 0x80 && next <= 0xBF && (c == 0xCC || next <= 0xAF)) {
                ++i;
                continue;
            }
        }
        folded += static_cast<char>(c);
    }
    return folded;
}

std::optional<int> MonthOfWord(std::string_view folded)
{
    static const Table table = TableOf(kMonths);
    return Find(table, folded);
}

std::optional<int> HebrewMonthOfCode(std::string_view folded)
{
    static const Table table = TableOf(kHebrewCodes);
    return Find(table, folded);
}

std::optional<int> FrenchRepublicanMonthOfCode(std::string_view folded)
{
    static const Table table = TableOf(kFrenchCodes);
    return Find(table, folded);
}

std::optional<int> WeekdayOfWord(std::string_view folded)
{
    static const Table table = TableOf(kWeekdays);
    return Find(table, folded);
}

DateWord KindOfWord(std::string_view folded)
{
    for (const auto &entry : kWords) {
        if (entry.word == folded)
            return entry.kind;
    }
    return DateWord::None;
}

}  // namespace vardex
