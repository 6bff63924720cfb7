// SPDX-License-Identifier: MIT
// The dated events of a GEDCOM file, record by record: each INDI and FAM record with its name
// (a person's first NAME, "John Smith"; a family's its partners' names), its events (the tag, the
// DATE as written, the event's PLAC) and, for a family, its partners and children.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GedcomLines.h"

namespace vardex {

struct GedcomEvent {
    int64_t line = 0;   // the DATE line's number
    int level = 2;      // the DATE line's level: 2 for an event's own date
    std::string tag;    // "BIRT", "CHR", "MARR", ..., or "DATE" for a DATE directly under the record
    std::string date;   // as written
    std::string place;  // the event's PLAC, or empty
};

struct GedcomRecord {
    enum class Kind { Person, Family, Other };
    Kind kind = Kind::Other;
    int64_t line = 0;  // the level-0 line's number
    std::string xref;  // "@I1@"
    std::string tag;   // "INDI", "FAM", "SOUR", ...
    std::string name;  // a person's first NAME without its slashes, or empty
    std::vector<GedcomEvent> events;
    std::vector<std::string> partners;  // a family's HUSB and WIFE
    std::vector<std::string> children;  // a family's CHIL
};

// Reads the records of a line reader one at a time: each level-0 record with the dated events
// under it (at any depth; the event is the level-1 structure the DATE is under).
class GedcomRecordReader {
public:
    explicit GedcomRecordReader(GedcomLineReader &lines);
    // The next record, or false at the end of the file.
    bool Next(GedcomRecord &record);
};

}  // namespace vardex
