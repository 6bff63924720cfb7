// SPDX-License-Identifier: MIT
#include "PlaceNames.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>

namespace vardex {

extern const char *const kPlaceNamesText;  // data/place-names.tsv, generated into the build

namespace {

// Letters NFKD leaves whole though people write them without their stroke or as two letters.
void AppendPlainLetter(UChar32 c, icu::UnicodeString &out)
{
    switch (c) {
    case 0x00F8: out.append(u'o'); break;      // ø
    case 0x00E6: out.append(u"ae", 2); break;  // æ
    case 0x0153: out.append(u"oe", 2); break;  // œ
    case 0x0142: out.append(u'l'); break;      // ł
    case 0x0111:                               // đ
    case 0x00F0: out.append(u'd'); break;      // ð
    case 0x00FE: out.append(u"th", 2); break;  // þ
    case 0x0131: out.append(u'i'); break;      // dotless ı
    default:
        // Dashes of every kind separate words as the hyphen does.
        out.append(u_charType(c) == U_DASH_PUNCTUATION ? UChar32{'-'} : c);
    }
}

// Lower case without accents: decomposed, the marks left out, case folded (ß -> ss).
std::string WithoutAccents(std::string_view text)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString written =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    const icu::Normalizer2 *nfkd = icu::Normalizer2::getNFKDInstance(status);
    icu::UnicodeString decomposed = U_SUCCESS(status) ? nfkd->normalize(written, status) : written;
    if (U_FAILURE(status))
        decomposed = written;
    decomposed.foldCase();
    icu::UnicodeString plain;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        i += U16_LENGTH(c);
        if (u_charType(c) != U_NON_SPACING_MARK)
            AppendPlainLetter(c, plain);
    }
    std::string out;
    plain.toUTF8String(out);
    return out;
}

std::vector<std::string_view> Split(std::string_view text, std::string_view separator)
{
    std::vector<std::string_view> parts;
    for (size_t from = 0;;) {
        const size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos)
            return parts;
        from = at + separator.size();
    }
}

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// One line of the names into the tree; false, with error set, when it does not read.
bool AddNamesLine(std::string_view line, PlaceNameTree &tree, std::string &error)
{
    const std::vector<std::string_view> fields = Split(line, "\t");
    if (fields.size() != 3) {
        error = "three fields separated by tabs are wanted, not " + std::to_string(fields.size());
        return false;
    }
    size_t parent = 0;
    if (!Trimmed(fields[0]).empty()) {
        for (const std::string_view name : Split(fields[0], " / ")) {
            const auto &children = tree.nodes[parent].children;
            const auto found = children.find(FoldPlaceName(name));
            if (found == children.end()) {
                error = "'" + std::string(Trimmed(name)) + "' of its within is not named before it";
                return false;
            }
            parent = found->second;
        }
    }
    const std::string_view place = Trimmed(fields[2]);
    size_t node = tree.nodes.size();
    if (place.substr(0, 1) == "=") {
        const auto &top = tree.nodes[0].children;
        const auto same = top.find(FoldPlaceName(place.substr(1)));
        if (same == top.end()) {
            error = "'" + std::string(Trimmed(place.substr(1))) + "' is no name without a within";
            return false;
        }
        node = same->second;
    } else if (place.empty()) {
        error = "no place id";
        return false;
    } else {
        tree.nodes.push_back({place == "-" ? std::string() : std::string(place), {}});
    }
    for (const std::string_view name : Split(fields[1], "|")) {
        const std::string folded = FoldPlaceName(name);
        // Spellings that fold alike ("Éire|Eire") are one; the same name for two places is a fault.
        const auto [named, added] = tree.nodes[parent].children.emplace(folded, node);
        if (folded.empty() || (!added && named->second != node)) {
            error = folded.empty() ? "an empty name" : "'" + std::string(Trimmed(name)) + "' is named twice";
            return false;
        }
    }
    return true;
}

}  // namespace

std::string FoldPlaceName(std::string_view text)
{
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const std::string plain = ascii ? std::string(text) : WithoutAccents(text);
    std::string out;
    bool blank = false;  // a blank is pending: written once between words, never at the ends
    for (const char c : plain) {
        if (c == '.')
            continue;  // "U.S.A.", "St. Gallen"
        if (c == ' ' || c == '-' || c == '_' || (c >= '\t' && c <= '\r')) {
            blank = !out.empty();
            continue;
        }
        if (blank)
            out += ' ';
        blank = false;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

std::string PlaceKey(std::string_view text)
{
    std::string key;
    for (const std::string_view part : Split(text, ",")) {
        const std::string folded = FoldPlaceName(part);
        if (!folded.empty())
            key += (key.empty() ? "" : ",") + folded;
    }
    return key;
}

PlaceNameTree ParsePlaceNames(std::string_view text)
{
    PlaceNameTree tree;
    tree.nodes.emplace_back();
    int number = 0;
    for (const std::string_view line : Split(text, "\n")) {
        ++number;
        if (Trimmed(line).empty() || line.front() == '#')
            continue;
        std::string error;
        if (!AddNamesLine(line, tree, error)) {
            tree.error = "Line " + std::to_string(number) + " of the place names: " + error + ".";
            return tree;
        }
    }
    return tree;
}

const PlaceNameTree &BuiltInPlaceNames()
{
    static const PlaceNameTree tree = ParsePlaceNames(kPlaceNamesText);
    return tree;
}

std::string CheckBuiltInPlaceNames(const PlaceTable &places)
{
    const PlaceNameTree &tree = BuiltInPlaceNames();
    if (!tree.error.empty())
        return tree.error;
    for (const PlaceNameNode &node : tree.nodes) {
        const bool known =
            node.placeId.empty() || std::any_of(places.places.begin(), places.places.end(),
                                                [&](const Place &p) { return p.id == node.placeId; });
        if (!known)
            return "The place names give the unknown place '" + node.placeId + "'.";
    }
    return {};
}

}  // namespace vardex
