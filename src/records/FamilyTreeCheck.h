// SPDX-License-Identifier: MIT
// The check of a whole family-tree file for calendar mistakes: every DATE read at the place of its
// event (RecordDate's warnings), and each person's events out of order once all are days
// (born after baptised, buried before died, born after a child's birth). Streams the file; it
// keeps only each person's birth, for the families that follow, and is never written to.
#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "GedcomLines.h"
#include "PlaceMatching.h"
#include "RecordDate.h"

namespace vardex {

inline constexpr const char *kOutOfOrder = "out_of_order";
inline constexpr const char *kUnreadable = "unreadable";  // a DATE the reader cannot read

struct TreeFinding {
    int64_t line = 0;     // the DATE line
    std::string record;   // "@I1@"
    std::string name;     // the person's or family's name
    std::string event;    // "BIRT"
    std::string date;     // as written
    std::string place;    // the PLAC as written
    std::string placeId;  // the place it was read at, or empty
    std::optional<int32_t> firstJdn, lastJdn;
    std::string id;  // a RecordDate warning id, kOutOfOrder, or kUnreadable
    std::string message;
};

struct TreeSummary {
    std::string encoding;  // as GedcomLineReader names it
    int64_t lines = 0;
    int64_t dates = 0;                           // DATE values met
    int64_t datesRead = 0;                       // of them, read
    std::map<std::string, int64_t> byCalendar;   // "julian" -> dates read in it
    std::map<std::string, int64_t> byQualifier;  // "about" -> ...
    std::map<std::string, int64_t> findingsById;
    std::map<std::string, int64_t> unmappedPlaces;  // PLAC text -> how many dates it held
    int64_t mappedPlaceDates = 0;                   // dates whose place was matched
    // Dates before 1923 read as Gregorian for want of a calendar mark and of a known place: not
    // findings, since a tree without places would give one for every date, but counted.
    int64_t assumedGregorian = 0;
    std::vector<GedcomProblem> problems;  // bad lines, the first GedcomLineReader keeps
    int64_t problemCount = 0;
    bool cancelled = false;
};

// Checks the file `in`, calling onFinding for each finding as it is found (in the order of the
// file's lines, except that a person's order findings come at the end of their record), and
// `progress` now and then with the bytes read so far; the check stops, cancelled, when it
// returns false.
TreeSummary CheckFamilyTree(std::istream &in, const PlaceMatcher &places,
                            const std::function<void(const TreeFinding &)> &onFinding,
                            const std::function<bool(int64_t bytesRead)> &progress = {});

}  // namespace vardex
