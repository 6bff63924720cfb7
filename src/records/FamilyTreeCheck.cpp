// SPDX-License-Identifier: MIT
#include "FamilyTreeCheck.h"

#include <algorithm>
#include <unordered_map>

#include "GedcomRecords.h"
#include "engine/Calendars.h"

namespace vardex {

namespace {

// The events whose order a life fixes, by their GEDCOM tags.
enum class LifeEvent { Birth, Baptism, Death, Burial, None };

LifeEvent LifeEventOf(const std::string &tag)
{
    if (tag == "BIRT")
        return LifeEvent::Birth;
    if (tag == "CHR" || tag == "BAPM")
        return LifeEvent::Baptism;
    if (tag == "DEAT")
        return LifeEvent::Death;
    if (tag == "BURI" || tag == "CREM")
        return LifeEvent::Burial;
    return LifeEvent::None;
}

const char *LifeEventWords(LifeEvent event)
{
    switch (event) {
    case LifeEvent::Birth: return "born";
    case LifeEvent::Baptism: return "baptised";
    case LifeEvent::Death: return "died";
    case LifeEvent::Burial: return "buried";
    case LifeEvent::None: break;
    }
    return "";
}

// An event as the order checks need it: its days, and the finding it would give.
struct DatedEvent {
    TreeFinding finding;  // the event's fields, its id and message still empty
    int32_t first = 0, last = 0;
};

// Only a day, or a span the text pins down, can be out of order; "about" and "before" dates are
// loose by their nature.
bool OrderMatters(const RecordDateReading &reading)
{
    return reading.read && reading.firstJdn && reading.lastJdn &&
           (reading.qualifier == DateQualifier::Exact || reading.qualifier == DateQualifier::Interpreted);
}

std::string GregorianDayText(int32_t jdn)
{
    return HistoricalDateText(JDNToDate(Calendar::Gregorian, jdn, {}));
}

// "1 March 1700 (Gregorian)", or its first and last days for a span.
std::string DaysText(int32_t first, int32_t last)
{
    if (first == last)
        return GregorianDayText(first) + " (Gregorian)";
    return GregorianDayText(first) + " to " + GregorianDayText(last) + " (Gregorian)";
}

// Most calendar mix-ups put two events 10 to 13 days apart, the gap between the Julian and the
// Gregorian dates of the 17th to 19th centuries.
std::string CalendarHint(int32_t apart)
{
    if (apart >= 1 && apart <= 13)
        return " The two are " + std::to_string(apart) + (apart == 1 ? " day" : " days") +
               " apart: one of them may be in the other calendar (Old and New Style).";
    return "";
}

class TreeChecker {
public:
    TreeChecker(const PlaceMatcher &places, const std::function<void(const TreeFinding &)> &onFinding)
        : places_(places),
          onFinding_(onFinding)
    {
    }

    void Check(const GedcomRecord &record)
    {
        if (record.tag == "HEAD")
            return;  // the file's own date of export
        std::vector<DatedEvent> life[4];
        const std::string name = NameOf(record);
        for (const GedcomEvent &event : record.events) {
            summary_.lines = std::max(summary_.lines, event.line);
            TreeFinding finding{event.line, record.xref, name, event.tag, event.date, event.place,
                                {},         {},          {},   {},        {}};
            const RecordDateReading reading = Read(event, finding);
            if (reading.read && !reading.firstJdn && reading.qualifier != DateQualifier::Phrase &&
                reading.warnings.empty())
                continue;
            const LifeEvent kind = LifeEventOf(event.tag);
            if (record.kind == GedcomRecord::Kind::Person && kind != LifeEvent::None &&
                OrderMatters(reading) && event.level == 2)
                life[static_cast<int>(kind)].push_back({finding, *reading.firstJdn, *reading.lastJdn});
        }
        if (record.kind == GedcomRecord::Kind::Person) {
            CheckLife(life);
            Person &person = persons_[record.xref];
            person.name = name;
            if (!life[0].empty())
                person.birth = std::move(life[0].front());
        } else if (record.kind == GedcomRecord::Kind::Family) {
            families_.push_back({record.partners, record.children});
        }
    }

    // The parents born after a child, once every person is known.
    void CheckFamilies()
    {
        for (const Family &family : families_) {
            for (const std::string &parentId : family.partners) {
                const auto parent = persons_.find(parentId);
                if (parent == persons_.end() || !parent->second.birth)
                    continue;
                for (const std::string &childId : family.children) {
                    const auto child = persons_.find(childId);
                    if (child == persons_.end() || !child->second.birth)
                        continue;
                    const DatedEvent &p = *parent->second.birth, &c = *child->second.birth;
                    if (p.first > c.last)
                        Emit(p.finding, kOutOfOrder,
                             "Born on " + DaysText(p.first, p.last) + ", after their child " + childId +
                                 (child->second.name.empty() ? "" : " (" + child->second.name + ")") +
                                 " was born on " + DaysText(c.first, c.last) + " (line " +
                                 std::to_string(c.finding.line) + ")." + CalendarHint(p.first - c.last));
                }
            }
        }
    }

    TreeSummary &Summary() { return summary_; }

private:
    struct Person {
        std::string name;
        std::optional<DatedEvent> birth;
    };
    struct Family {
        std::vector<std::string> partners, children;
    };

    std::string NameOf(const GedcomRecord &record) const
    {
        if (record.kind != GedcomRecord::Kind::Family || !record.name.empty())
            return record.name;
        std::string names;
        for (const std::string &partner : record.partners) {
            const auto found = persons_.find(partner);
            const std::string name =
                found != persons_.end() && !found->second.name.empty() ? found->second.name : partner;
            names += (names.empty() ? "" : " & ") + name;
        }
        return names;
    }

    RecordDateReading Read(const GedcomEvent &event, TreeFinding &finding)
    {
        ++summary_.dates;
        const Place *place = places_.Match(event.place);
        if (place) {
            finding.placeId = place->id;
            ++summary_.mappedPlaceDates;
        } else if (!event.place.empty()) {
            ++summary_.unmappedPlaces[event.place];
        }
        RecordDateReading reading = ReadRecordDate(event.date, place);
        finding.firstJdn = reading.firstJdn;
        finding.lastJdn = reading.lastJdn;
        if (!reading.read) {
            Emit(finding, kUnreadable, reading.error);
            return reading;
        }
        ++summary_.datesRead;
        if (reading.qualifier != DateQualifier::Phrase)
            ++summary_.byCalendar[RecordCalendarName(reading.calendar)];
        ++summary_.byQualifier[DateQualifierName(reading.qualifier)];
        for (const DateWarning &warning : reading.warnings) {
            if (warning.id == kAssumedGregorian)
                ++summary_.assumedGregorian;
            else
                Emit(finding, warning.id, warning.message);
        }
        return reading;
    }

    // Born before baptised and before dying, died before buried, baptised before buried: the
    // first event of each kind, against the first of the kinds that must follow it.
    void CheckLife(const std::vector<DatedEvent> (&life)[4])
    {
        static constexpr std::pair<LifeEvent, LifeEvent> kOrder[] = {{LifeEvent::Birth, LifeEvent::Baptism},
                                                                     {LifeEvent::Birth, LifeEvent::Death},
                                                                     {LifeEvent::Birth, LifeEvent::Burial},
                                                                     {LifeEvent::Baptism, LifeEvent::Burial},
                                                                     {LifeEvent::Death, LifeEvent::Burial}};
        for (const auto &[before, after] : kOrder) {
            const auto &earlier = life[static_cast<int>(before)], &later = life[static_cast<int>(after)];
            if (earlier.empty() || later.empty())
                continue;
            const DatedEvent &e = earlier.front(), &l = later.front();
            if (e.first <= l.last)
                continue;
            std::string message = std::string("Was ") + LifeEventWords(after) + " on " +
                                  DaysText(l.first, l.last) + ", before being " + LifeEventWords(before) +
                                  " on " + DaysText(e.first, e.last) + " (" + e.finding.event + ", line " +
                                  std::to_string(e.finding.line) + ")." + CalendarHint(e.first - l.last);
            Emit(l.finding, kOutOfOrder, std::move(message));
        }
    }

    void Emit(const TreeFinding &event, const std::string &id, std::string message)
    {
        TreeFinding finding = event;
        finding.id = id;
        finding.message = std::move(message);
        ++summary_.findingsById[finding.id];
        if (onFinding_)
            onFinding_(finding);
    }

    const PlaceMatcher &places_;
    const std::function<void(const TreeFinding &)> &onFinding_;
    TreeSummary summary_;
    std::unordered_map<std::string, Person> persons_;
    std::vector<Family> families_;
};

}  // namespace

TreeSummary CheckFamilyTree(std::istream &in, const PlaceMatcher &places,
                            const std::function<void(const TreeFinding &)> &onFinding,
                            const std::function<bool(int64_t bytesRead)> &progress)
{
    GedcomLineReader lines(in);
    GedcomRecordReader records(lines);
    TreeChecker checker(places, onFinding);
    GedcomRecord record;
    bool cancelled = false;
    while (records.Next(record)) {
        checker.Check(record);
        if (progress && !progress(lines.BytesRead())) {
            cancelled = true;
            break;
        }
    }
    if (!cancelled)
        checker.CheckFamilies();
    TreeSummary summary = std::move(checker.Summary());
    summary.cancelled = cancelled;
    summary.encoding = lines.Encoding();
    summary.problems = lines.Problems();
    summary.problemCount = lines.ProblemCount();
    return summary;
}

}  // namespace vardex
