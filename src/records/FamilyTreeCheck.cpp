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

// "Buried", and "the death": what a finding says of the later event and of the earlier one.
const char *LifeEventVerb(LifeEvent event)
{
    switch (event) {
    case LifeEvent::Birth: return "Born";
    case LifeEvent::Baptism: return "Baptised";
    case LifeEvent::Death: return "Died";
    case LifeEvent::Burial: return "Buried";
    case LifeEvent::None: break;
    }
    return "";
}

const char *LifeEventNoun(LifeEvent event)
{
    switch (event) {
    case LifeEvent::Birth: return "the birth";
    case LifeEvent::Baptism: return "the baptism";
    case LifeEvent::Death: return "the death";
    case LifeEvent::Burial: return "the burial";
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

uint64_t XrefKey(std::string_view xref) { return std::hash<std::string_view>{}(xref); }

// What the families need of each person, packed: the name, and the birth that can be out of order
// with a child's. A person costs some 80 bytes and the length of these texts, however long their
// record was; the file itself is never held.
class PeopleSeen {
public:
    void Add(const std::string &xref, const std::string &name, const DatedEvent *birth)
    {
        Person person;
        person.at = texts_.size();
        person.lengths[0] = Append(xref);
        person.lengths[1] = Append(name);
        if (birth) {
            person.lengths[2] = Append(birth->finding.date);
            person.lengths[3] = Append(birth->finding.place);
            person.lengths[4] = Append(birth->finding.placeId);
            person.first = birth->first;
            person.last = birth->last;
            person.line = birth->finding.line;
            person.born = true;
        }
        index_[XrefKey(xref)] = static_cast<uint32_t>(people_.size());
        people_.push_back(person);
    }

    std::string_view Name(std::string_view xref) const
    {
        const Person *person = Find(XrefKey(xref));
        return person ? Text(*person, 1) : std::string_view();
    }

    // The person's birth as a finding would show it.
    std::optional<DatedEvent> Birth(uint64_t key) const
    {
        const Person *person = Find(key);
        if (!person || !person->born)
            return std::nullopt;
        DatedEvent birth;
        birth.finding = TreeFinding{person->line,
                                    std::string(Text(*person, 0)),
                                    std::string(Text(*person, 1)),
                                    "BIRT",
                                    std::string(Text(*person, 2)),
                                    std::string(Text(*person, 3)),
                                    std::string(Text(*person, 4)),
                                    person->first,
                                    person->last,
                                    {},
                                    {}};
        birth.first = person->first;
        birth.last = person->last;
        return birth;
    }

private:
    struct Person {
        size_t at = 0;  // its texts in texts_: xref, name, date, place, place id
        uint32_t lengths[5] = {0, 0, 0, 0, 0};
        int32_t first = 0, last = 0;
        int64_t line = 0;
        bool born = false;
    };

    uint32_t Append(const std::string &text)
    {
        texts_ += text;
        return static_cast<uint32_t>(text.size());
    }

    std::string_view Text(const Person &person, int which) const
    {
        size_t at = person.at;
        for (int i = 0; i < which; ++i)
            at += person.lengths[i];
        return std::string_view(texts_).substr(at, person.lengths[which]);
    }

    const Person *Find(uint64_t key) const
    {
        const auto found = index_.find(key);
        return found == index_.end() ? nullptr : &people_[found->second];
    }

    std::string texts_;
    std::vector<Person> people_;
    std::unordered_map<uint64_t, uint32_t> index_;  // by the xref's 64-bit hash
};

// Each family's partners and children, by their keys, until every person has been read.
class FamiliesSeen {
public:
    void Add(const std::vector<std::string> &partners, const std::vector<std::string> &children)
    {
        if (partners.empty() || children.empty())
            return;
        families_.push_back({members_.size(), partners.size(), children.size()});
        for (const std::string &xref : partners)
            members_.push_back(XrefKey(xref));
        for (const std::string &xref : children)
            members_.push_back(XrefKey(xref));
    }

    template <typename Visit> void ForEach(Visit visit) const
    {
        for (const Family &family : families_)
            visit(&members_[family.at], family.partners, &members_[family.at + family.partners],
                  family.children);
    }

private:
    struct Family {
        size_t at, partners, children;
    };
    std::vector<Family> families_;
    std::vector<uint64_t> members_;
};

// Reads each record's dates, then checks the order of its person's events.
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
            if (event.tag == "CHAN")
                continue;  // when the record was last edited, not a date of the life
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
            people_.Add(record.xref, name, life[0].empty() ? nullptr : &life[0].front());
        } else if (record.kind == GedcomRecord::Kind::Family) {
            families_.Add(record.partners, record.children);
        }
    }

    // The parents born after a child, once every person is known.
    void CheckFamilies()
    {
        families_.ForEach([this](const uint64_t *partners, size_t partnerCount, const uint64_t *children,
                                 size_t childCount) {
            for (size_t i = 0; i < partnerCount; ++i) {
                const std::optional<DatedEvent> p = people_.Birth(partners[i]);
                for (size_t k = 0; p && k < childCount; ++k) {
                    const std::optional<DatedEvent> c = people_.Birth(children[k]);
                    if (c && p->first > c->last)
                        Emit(p->finding, kOutOfOrder,
                             "Born on " + DaysText(p->first, p->last) + ", after their child " +
                                 c->finding.record +
                                 (c->finding.name.empty() ? "" : " (" + c->finding.name + ")") +
                                 " was born on " + DaysText(c->first, c->last) + " (line " +
                                 std::to_string(c->finding.line) + ")." + CalendarHint(p->first - c->last));
                }
            }
        });
    }

    TreeSummary &Summary() { return summary_; }

private:
    std::string NameOf(const GedcomRecord &record) const
    {
        if (record.kind != GedcomRecord::Kind::Family || !record.name.empty())
            return record.name;
        std::string names;
        for (const std::string &partner : record.partners) {
            const std::string_view name = people_.Name(partner);
            names +=
                (names.empty() ? "" : " & ") + std::string(name.empty() ? std::string_view(partner) : name);
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
            std::string message = std::string(LifeEventVerb(after)) + " on " + DaysText(l.first, l.last) +
                                  ", before " + LifeEventNoun(before) + " on " + DaysText(e.first, e.last) +
                                  " (" + e.finding.event + ", line " + std::to_string(e.finding.line) + ")." +
                                  CalendarHint(e.first - l.last);
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
    PeopleSeen people_;
    FamiliesSeen families_;
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
