// SPDX-License-Identifier: MIT
#include "PlaceMeridians.h"

#include <string_view>

namespace vardex {

namespace {

struct Row {
    std::string_view id;
    std::string_view city;
    int degrees;
    int minutes;
    bool east;
};

// The longitude of each place's capital or chief city to the minute of arc (an error of a minute
// of arc moves the local time by four seconds).
// clang-format off
constexpr Row kRows[] = {
    {"alaska", "Sitka", 135, 20, false},           {"austria", "Vienna", 16, 22, true},
    {"bavaria", "Munich", 11, 35, true},           {"bohemia", "Prague", 14, 25, true},
    {"brabant", "Brussels", 4, 21, true},          {"british-america", "Philadelphia", 75, 10, false},
    {"bulgaria", "Sofia", 23, 19, true},           {"denmark", "Copenhagen", 12, 34, true},
    {"england", "London", 0, 8, false},            {"finland", "Turku", 22, 16, true},
    {"florence", "Florence", 11, 15, true},        {"france", "Paris", 2, 21, true},
    {"friesland", "Leeuwarden", 5, 48, true},      {"gelderland", "Arnhem", 5, 54, true},
    {"germany-protestant", "Leipzig", 12, 23, true}, {"greece", "Athens", 23, 44, true},
    {"holland", "Amsterdam", 4, 54, true},         {"hungary", "Buda", 19, 2, true},
    {"ireland", "Dublin", 6, 16, false},           {"lorraine", "Nancy", 6, 11, true},
    {"pisa", "Pisa", 10, 24, true},                {"poland", "Kraków", 19, 56, true},
    {"portugal", "Lisbon", 9, 8, false},           {"prussia", "Berlin", 13, 24, true},
    {"romania", "Bucharest", 26, 6, true},         {"rome", "Rome", 12, 29, true},
    {"russia", "Moscow", 37, 37, true},            {"scotland", "Edinburgh", 3, 11, false},
    {"serbia", "Belgrade", 20, 28, true},          {"spain", "Madrid", 3, 42, false},
    {"sweden", "Stockholm", 18, 4, true},          {"switzerland-catholic", "Lucerne", 8, 18, true},
    {"switzerland-protestant", "Zürich", 8, 33, true}, {"utrecht", "Utrecht", 5, 7, true},
    {"venice", "Venice", 12, 20, true},
};
// clang-format on

}  // namespace

std::optional<PlaceMeridian> PlaceMeridianOf(const std::string &placeId)
{
    for (const Row &row : kRows) {
        if (row.id == placeId)
            return PlaceMeridian{std::string(row.city), {row.degrees, row.minutes, row.east}};
    }
    return std::nullopt;
}

}  // namespace vardex
