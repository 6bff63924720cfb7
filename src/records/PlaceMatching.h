// SPDX-License-Identifier: MIT
// Which of the calendar history's places a place as written in a family tree was: by its last
// comma-separated parts, country first and then region ("London, Middlesex, England" -> England and
// Wales; "Königsberg, Ostpreußen, Preußen" -> Duchy of Prussia), with the historic names people use
// (Prussia, Bohemia, Holland, Russia, the American colonies...). A place map of the user's own, a
// TSV of "text<TAB>place id", comes first.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "history/PlaceHistory.h"

namespace vardex {

// A place map file's lines, or, in error, why not: "Line 3 of the place map: unknown place 'englnd'."
struct PlaceMap {
    std::vector<std::pair<std::string, std::string>> entries;  // text as written, place id
    std::string error;
};
PlaceMap ParsePlaceMap(std::string_view text, const PlaceTable &places);

class PlaceMatcher {
public:
    // Both must outlive the matcher.
    PlaceMatcher(const PlaceTable &places, const PlaceMap &map);
    // The place a PLAC text names, or nullptr when none is known (or the text is empty).
    const Place *Match(std::string_view placeText) const;

private:
    std::unordered_map<std::string, const Place *> byId_;
    std::unordered_map<std::string, const Place *> mapped_;  // the place map's, by PlaceKey
};

}  // namespace vardex
