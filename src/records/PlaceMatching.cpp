// SPDX-License-Identifier: MIT
#include "PlaceMatching.h"

#include <unicode/utf8.h>

#include <cstdio>

#include "PlaceNames.h"

namespace vardex {

namespace {

// An id as a message shows it: control characters and bytes that are no UTF-8 as \xHH, so that a
// faulty map cannot pass them on to the terminal.
std::string Shown(std::string_view text)
{
    std::string out;
    const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(bytes, i, length, c);
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            for (int32_t k = start; k < i; ++k) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", bytes[k]);
                out += escaped;
            }
        } else {
            out.append(text.substr(static_cast<size_t>(start), static_cast<size_t>(i - start)));
        }
    }
    return out;
}

const Place *PlaceWithId(const PlaceTable &places, std::string_view id)
{
    for (const Place &place : places.places) {
        if (place.id == id)
            return &place;
    }
    return nullptr;
}

std::string_view WithoutBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

PlaceMap ParsePlaceMap(std::string_view text, const PlaceTable &places)
{
    PlaceMap map;
    std::unordered_map<std::string, std::pair<int, std::string>> seen;  // key -> line, id
    int number = 0;
    for (size_t from = 0; from <= text.size();) {
        size_t end = text.find('\n', from);
        end = end == std::string_view::npos ? text.size() : end;
        const std::string_view line = text.substr(from, end - from);
        from = end + 1;
        ++number;
        const std::string_view content = WithoutBlanks(line);
        if (content.empty() || content.front() == '#')
            continue;
        const std::string where = "Line " + std::to_string(number) + " of the place map: ";
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            map.error = where + "no tab between the place as written and its place id.";
            return map;
        }
        const std::string_view written = WithoutBlanks(line.substr(0, tab));
        const std::string_view id = WithoutBlanks(line.substr(tab + 1));
        const std::string key = PlaceKey(written);
        if (key.empty()) {
            map.error = where + "no place before the tab.";
            return map;
        }
        if (!PlaceWithId(places, id)) {
            map.error = where + "unknown place '" + Shown(id) + "'; vardex-cli history --places lists them.";
            return map;
        }
        const auto [before, added] = seen.emplace(key, std::pair(number, std::string(id)));
        if (!added && before->second.second != id) {
            map.error = where + "'" + Shown(written) + "' is mapped to another place on line " +
                        std::to_string(before->second.first) + ".";
            return map;
        }
        map.entries.emplace_back(written, id);
    }
    return map;
}

PlaceMatcher::PlaceMatcher(const PlaceTable &places, const PlaceMap &map)
{
    for (const Place &place : places.places)
        byId_.emplace(place.id, &place);
    for (const auto &[written, id] : map.entries) {
        const auto place = byId_.find(id);
        if (place != byId_.end())
            mapped_.emplace(PlaceKey(written), place->second);
    }
}

const Place *PlaceMatcher::Match(std::string_view placeText) const
{
    const std::string key = PlaceKey(placeText);
    if (key.empty())
        return nullptr;
    if (const auto mapped = mapped_.find(key); mapped != mapped_.end())
        return mapped->second;
    // From the last part, the country, inwards; a part not named within the one before is passed
    // over (a county, a town), and the innermost name found says the place.
    const PlaceNameTree &names = BuiltInPlaceNames();
    size_t node = 0;
    for (size_t end = key.size(); end != std::string::npos && end > 0;) {
        const size_t comma = key.rfind(',', end - 1);
        const size_t start = comma == std::string::npos ? 0 : comma + 1;
        const auto &children = names.nodes[node].children;
        const auto found = children.find(key.substr(start, end - start));
        if (found != children.end())
            node = found->second;
        else if (node == 0)
            return nullptr;  // the last part must be a known country or state
        end = comma;
    }
    const auto place = byId_.find(names.nodes[node].placeId);
    return node == 0 || place == byId_.end() ? nullptr : place->second;
}

}  // namespace vardex
