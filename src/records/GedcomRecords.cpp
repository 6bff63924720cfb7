// SPDX-License-Identifier: MIT
#include "GedcomRecords.h"

namespace vardex {

namespace {

// "John /Smith/" -> "John Smith": the slashes only mark the surname, and the spaces around it
// become one.
void SetName(std::string &name, const std::string &written)
{
    name.clear();
    bool space = false;
    for (const char c : written) {
        if (c == '/')
            continue;
        if (c == ' ' || c == '\t') {
            space = !name.empty();
            continue;
        }
        if (space)
            name.push_back(' ');
        space = false;
        name.push_back(c);
    }
}

GedcomRecord::Kind KindOf(const std::string &tag)
{
    if (tag == "INDI")
        return GedcomRecord::Kind::Person;
    if (tag == "FAM")
        return GedcomRecord::Kind::Family;
    return GedcomRecord::Kind::Other;
}

}  // namespace

GedcomRecordReader::GedcomRecordReader(GedcomLineReader &lines) : lines_(lines) {}

bool GedcomRecordReader::Next(GedcomRecord &record)
{
    // The line reader lets no line deeper than 0 come first, so every line after the first
    // belongs to the record of the level-0 line before it.
    if (!haveLine_ && !lines_.Next(line_))
        return false;
    haveLine_ = false;
    record.kind = KindOf(line_.tag);
    record.line = line_.number;
    record.xref = line_.xref;
    record.tag = line_.tag;
    record.name.clear();
    record.partners.clear();
    record.children.clear();
    size_t events = 0;  // the events of `record` filled in, reusing the strings of the last record's
    structureTag_.clear();
    structurePlace_.clear();
    structureHasPlace_ = false;
    structureFirstEvent_ = 0;
    haveName_ = false;
    eventsCut_ = false;
    linksCut_ = false;
    while (lines_.Next(line_)) {
        if (line_.level == 0) {
            haveLine_ = true;
            break;
        }
        Take(record, line_, events);
    }
    record.events.resize(events);
    return true;
}

void GedcomRecordReader::Take(GedcomRecord &record, const GedcomLine &line, size_t &events)
{
    if (line.level == 1) {
        structureTag_ = line.tag;
        structurePlace_.clear();
        structureHasPlace_ = false;
        structureFirstEvent_ = events;
        if (record.kind == GedcomRecord::Kind::Person && line.tag == "NAME" && !haveName_) {
            SetName(record.name, line.value);
            haveName_ = true;
        } else if (record.kind == GedcomRecord::Kind::Family) {
            const bool partner = line.tag == "HUSB" || line.tag == "WIFE";
            if (partner || line.tag == "CHIL") {
                auto &links = partner ? record.partners : record.children;
                if (record.partners.size() + record.children.size() < kMaxLinks) {
                    links.push_back(line.value);
                } else if (!linksCut_) {
                    lines_.AddProblem(line.number,
                                      "more than 100,000 partners and children in the family of line " +
                                          std::to_string(record.line) + "; the rest are skipped");
                    linksCut_ = true;
                }
            }
        }
    } else if (line.level == 2 && line.tag == "PLAC" && !structureHasPlace_) {
        // The place may follow the structure's DATE: give it to the dates read already.
        structurePlace_ = line.value;
        structureHasPlace_ = true;
        for (size_t i = structureFirstEvent_; i < events; ++i)
            record.events[i].place = structurePlace_;
    }
    if (line.tag != "DATE")
        return;
    if (events == kMaxEvents) {
        if (!eventsCut_)
            lines_.AddProblem(line.number, "more than 100,000 dates in the record of line " +
                                               std::to_string(record.line) + "; the rest are skipped");
        eventsCut_ = true;
        return;
    }
    if (events == record.events.size())
        record.events.emplace_back();
    GedcomEvent &event = record.events[events++];
    event.line = line.number;
    event.level = line.level;
    event.tag = structureTag_;
    event.date = line.value;
    event.place = structurePlace_;
}

}  // namespace vardex
