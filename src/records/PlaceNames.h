// SPDX-License-Identifier: MIT
// The names family trees give places, folded so that case, accents, dots, hyphens and spacing do
// not matter, and the built-in names of data/place-names.tsv as a tree: a country or historic state,
// the regions within it, and the place of the calendar history each stands for.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "history/PlaceHistory.h"

namespace vardex {

// "Preußen" -> "preussen", "U.S.A." -> "usa", "Noord-Holland" -> "noord holland", "  Čechy " -> "cechy".
std::string FoldPlaceName(std::string_view text);

// A whole place text as the place map matches it: its folded comma-separated parts, the empty ones
// left out, joined by commas ("London,  , ENGLAND" -> "london,england").
std::string PlaceKey(std::string_view text);

struct PlaceNameNode {
    std::string placeId;                               // empty where the name alone says no place
    std::unordered_map<std::string, size_t> children;  // folded name -> node
};

// nodes[0] is the root: its children are the names that may stand last.
struct PlaceNameTree {
    std::vector<PlaceNameNode> nodes;
    std::string error;  // "Line 12 of the place names: ..."
};
PlaceNameTree ParsePlaceNames(std::string_view text);

// The tree of data/place-names.tsv, which the build puts into the program.
const PlaceNameTree &BuiltInPlaceNames();

// What is wrong with the built-in names for this table: a line that does not parse or a place id
// it does not hold; empty when nothing is.
std::string CheckBuiltInPlaceNames(const PlaceTable &places);

}  // namespace vardex
