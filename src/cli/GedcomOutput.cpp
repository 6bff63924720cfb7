// SPDX-License-Identifier: MIT
#include "GedcomOutput.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "Arguments.h"
#include "engine/Calendars.h"
#include "engine/Csv.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "records/TreeFindingRows.h"

namespace vardex::cli {

namespace {

constexpr size_t kProblemsShown = 10;  // bad lines the text lists; the JSON lists all the check kept

// A name from the file as a text line shows it: what Quoted shows, without its quotes.
std::string Plain(const std::string &text)
{
    const std::string quoted = Quoted(text);
    return quoted.substr(1, quoted.size() - 2);
}

CalendarDate Julian(int32_t jdn) { return JDNToDate(Calendar::Julian, jdn, {}); }
CalendarDate Gregorian(int32_t jdn) { return JDNToDate(Calendar::Gregorian, jdn, {}); }

// The unmapped places, most dates first, then by name.
std::vector<std::pair<std::string, int64_t>> UnmappedByCount(const TreeSummary &summary)
{
    std::vector<std::pair<std::string, int64_t>> places(summary.unmappedPlaces.begin(),
                                                        summary.unmappedPlaces.end());
    std::stable_sort(places.begin(), places.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return places;
}

int64_t Total(const std::map<std::string, int64_t> &counts)
{
    int64_t total = 0;
    for (const auto &[key, count] : counts)
        total += count;
    return total;
}

// A line per finding, the days under it; then the summary for people.
class TextWriter : public FindingWriter {
public:
    TextWriter(std::ostream &out, std::string file) : out_(out), file_(std::move(file)) {}

    void Finding(const TreeFinding &f) override
    {
        out_ << "line " << f.line << ' ' << Plain(f.record) << (f.name.empty() ? "" : " " + Plain(f.name))
             << ' ' << Plain(f.event) << ' ' << Quoted(f.date) << " ("
             << (f.place.empty() ? "no place"
                                 : Plain(f.place) + " -> " + (f.placeId.empty() ? "unmapped" : f.placeId))
             << "): " << f.id << ": " << Plain(f.message) << '\n';
        if (f.firstJdn && f.lastJdn)
            out_ << "    Julian " << FindingDaysText(f, Calendar::Julian, "/") << ", Gregorian "
                 << FindingDaysText(f, Calendar::Gregorian, "/") << '\n';
    }

    void Summary(const TreeSummary &s) override
    {
        out_ << "\nFile: " << Plain(file_) << " (" << (s.encoding.empty() ? "" : Plain(s.encoding) + ", ")
             << s.lines << " lines)\n"
             << "Dates: " << s.dates << ", read " << s.datesRead << ", at a known place "
             << s.mappedPlaceDates << '\n';
        if (s.assumedGregorian > 0)
            out_ << "  read as Gregorian for want of a calendar mark and a known place: "
                 << s.assumedGregorian << '\n';
        Counts("by calendar", s.byCalendar);
        Counts("by qualifier", s.byQualifier);
        out_ << "Findings: " << Total(s.findingsById) << '\n';
        Counts("by kind", s.findingsById);
        const auto unmapped = UnmappedByCount(s);
        out_ << "Places unmapped: " << unmapped.size();
        if (!unmapped.empty())
            out_ << " (map them with --place-map FILE: each as written, a tab, a place ID)";
        out_ << '\n';
        for (const auto &[place, dates] : unmapped)
            out_ << "  " << dates << (dates == 1 ? " date:  " : " dates: ") << Plain(place) << '\n';
        out_ << "Bad lines skipped: " << s.problemCount << '\n';
        for (size_t i = 0; i < s.problems.size() && i < kProblemsShown; ++i)
            out_ << "  " << Plain(s.problems[i].message) << '\n';  // "line 12: no level number"
        if (s.problemCount > static_cast<int64_t>(std::min(s.problems.size(), kProblemsShown)))
            out_ << "  ...\n";
    }

private:
    void Counts(const char *label, const std::map<std::string, int64_t> &counts)
    {
        if (counts.empty())
            return;
        out_ << "  " << label << ':';
        const char *separator = " ";
        for (const auto &[key, count] : counts) {
            out_ << separator << Plain(key) << ' ' << count;
            separator = ", ";
        }
        out_ << '\n';
    }

    std::ostream &out_;
    std::string file_;
};

std::string DateJson(const CalendarDate &d)
{
    return JsonObject().Add("year", d.year).Add("month", d.month).Add("day", d.day).Text();
}

std::string DayJson(int32_t jdn)
{
    return JsonObject()
        .AddRaw("julian", DateJson(Julian(jdn)))
        .AddRaw("gregorian", DateJson(Gregorian(jdn)))
        .Text();
}

std::string CountsJson(const std::map<std::string, int64_t> &counts)
{
    JsonObject json;
    for (const auto &[key, count] : counts)
        json.Add(ValidUtf8(key), count);
    return json.Text();
}

// One object whose findings array is written a finding at a time: "dates" and "summary" follow it,
// since they are known only at the end.
class JsonWriter : public FindingWriter {
public:
    JsonWriter(std::ostream &out, const std::string &file) : out_(out)
    {
        const std::string head = JsonObject().Add("file", ValidUtf8(file)).Text();
        out_ << head.substr(0, head.size() - 1) << ", \"findings\": [";
    }

    void Finding(const TreeFinding &f) override
    {
        JsonObject json;
        json.Add("line", f.line)
            .Add("record", ValidUtf8(f.record))
            .Add("name", ValidUtf8(f.name))
            .Add("event", ValidUtf8(f.event))
            .Add("date", ValidUtf8(f.date))
            .Add("place", ValidUtf8(f.place));
        f.placeId.empty() ? json.AddNull("place_id") : json.Add("place_id", f.placeId);
        f.firstJdn ? json.Add("first_jdn", *f.firstJdn) : json.AddNull("first_jdn");
        f.lastJdn ? json.Add("last_jdn", *f.lastJdn) : json.AddNull("last_jdn");
        json.Add("id", ValidUtf8(f.id)).Add("message", ValidUtf8(f.message));
        f.firstJdn ? json.AddRaw("first", DayJson(*f.firstJdn)) : json.AddNull("first");
        f.lastJdn ? json.AddRaw("last", DayJson(*f.lastJdn)) : json.AddNull("last");
        out_ << (first_ ? "\n" : ",\n") << json.Text();
        first_ = false;
    }

    void Summary(const TreeSummary &s) override
    {
        std::string unmapped, problems;
        for (const auto &[place, dates] : UnmappedByCount(s))
            unmapped += (unmapped.empty() ? "" : ", ") +
                        JsonObject().Add("place", ValidUtf8(place)).Add("dates", dates).Text();
        for (const GedcomProblem &p : s.problems)
            problems += (problems.empty() ? "" : ", ") +
                        JsonObject().Add("line", p.line).Add("message", ValidUtf8(p.message)).Text();
        const std::string summary = JsonObject()
                                        .Add("encoding", ValidUtf8(s.encoding))
                                        .Add("lines", s.lines)
                                        .Add("dates", s.dates)
                                        .Add("dates_read", s.datesRead)
                                        .Add("assumed_gregorian", s.assumedGregorian)
                                        .AddRaw("by_calendar", CountsJson(s.byCalendar))
                                        .AddRaw("by_qualifier", CountsJson(s.byQualifier))
                                        .Add("findings", Total(s.findingsById))
                                        .AddRaw("findings_by_id", CountsJson(s.findingsById))
                                        .Add("mapped_place_dates", s.mappedPlaceDates)
                                        .AddRaw("unmapped_places", "[" + unmapped + "]")
                                        .Add("bad_lines", s.problemCount)
                                        .AddRaw("problems", "[" + problems + "]")
                                        .Text();
        out_ << (first_ ? "]" : "\n]") << ", \"dates\": " << s.dates << ", \"summary\": " << summary << "}\n";
    }

private:
    std::ostream &out_;
    bool first_ = true;
};

// The findings as rows under a header row; the summary is for the other two forms.
class CsvWriter : public FindingWriter {
public:
    explicit CsvWriter(std::ostream &out) : out_(out) { out_ << TreeFindingCsvHeader(); }

    // The window's Save as CSV writes the same record; here every text is made valid UTF-8 first.
    void Finding(const TreeFinding &f) override
    {
        TreeFinding valid = f;
        for (std::string *text :
             {&valid.record, &valid.name, &valid.event, &valid.date, &valid.place, &valid.id, &valid.message})
            *text = ValidUtf8(*text);
        out_ << TreeFindingCsvRecord(valid);
    }

    void Summary(const TreeSummary &) override {}

private:
    std::ostream &out_;
};

}  // namespace

std::unique_ptr<FindingWriter> MakeFindingWriter(TreeOutput form, std::ostream &out, const std::string &file)
{
    switch (form) {
    case TreeOutput::Json: return std::make_unique<JsonWriter>(out, file);
    case TreeOutput::Csv: return std::make_unique<CsvWriter>(out);
    case TreeOutput::Text: break;
    }
    return std::make_unique<TextWriter>(out, file);
}

}  // namespace vardex::cli
