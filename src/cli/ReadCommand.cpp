// SPDX-License-Identifier: MIT
#include "ReadCommand.h"

#include "HistoryCommand.h"
#include "engine/Calendars.h"
#include "engine/Json.h"
#include "engine/TextForms.h"
#include "history/WrittenDayReading.h"
#include "records/RecordDate.h"

namespace vardex::cli {

namespace {

std::string DateJson(const CalendarDate &d)
{
    return JsonObject().Add("year", d.year).Add("month", d.month).Add("day", d.day).Text();
}

std::string DayJson(int32_t jdn)
{
    return JsonObject()
        .AddRaw("gregorian", DateJson(JDNToDate(Calendar::Gregorian, jdn, {})))
        .AddRaw("julian", DateJson(JDNToDate(Calendar::Julian, jdn, {})))
        .Text();
}

std::string ReadingJson(const std::string &text, const Place *place, const RecordDateReading &reading)
{
    JsonObject json;
    json.Add("text", text);
    if (place)
        json.Add("place", place->id);
    else
        json.AddNull("place");
    json.Add("qualifier", DateQualifierName(reading.qualifier));
    if (reading.qualifier == DateQualifier::Phrase)
        json.AddNull("calendar");
    else
        json.Add("calendar", RecordCalendarName(reading.calendar));
    const auto day = [&json](const char *jdnKey, const char *dayKey, std::optional<int32_t> jdn) {
        if (jdn)
            json.Add(jdnKey, *jdn).AddRaw(dayKey, DayJson(*jdn));
        else
            json.AddNull(jdnKey).AddNull(dayKey);
    };
    day("first_jdn", "first", reading.firstJdn);
    day("last_jdn", "last", reading.lastJdn);
    if (!reading.phrase.empty() || reading.qualifier == DateQualifier::Phrase)
        json.Add("phrase", reading.phrase);
    if (!reading.readAs.empty())
        json.Add("read_as", reading.readAs);
    std::string warnings;
    for (const DateWarning &warning : reading.warnings)
        warnings += (warnings.empty() ? "" : ", ") +
                    JsonObject().Add("id", warning.id).Add("message", warning.message).Text();
    return json.AddRaw("warnings", "[" + warnings + "]").Text() + "\n";
}

std::string DayLine(const char *label, int32_t jdn)
{
    return std::string(label) + "JDN " + std::to_string(jdn) + ", " + WeekdayText(DayOfWeek(jdn)) +
           "; Julian " + FormatDate(JDNToDate(Calendar::Julian, jdn, {}), "-", ",") + ", Gregorian " +
           FormatDate(JDNToDate(Calendar::Gregorian, jdn, {}), "-", ",") + "\n";
}

std::string ReadingText(const Place *place, const RecordDateReading &reading)
{
    std::string out = std::string("Reading:   ") + DateQualifierName(reading.qualifier);
    if (reading.qualifier != DateQualifier::Phrase)
        out += std::string(", ") + RecordCalendarName(reading.calendar);
    if (place)
        out += ", at " + place->name;
    out += "\n";
    if (!reading.phrase.empty())
        out += "Phrase:    " + reading.phrase + "\n";
    if (!reading.readAs.empty())
        out += "Read as:   " + reading.readAs + "\n";
    if (reading.firstJdn && reading.firstJdn == reading.lastJdn) {
        out += DayLine("Day:       ", *reading.firstJdn);
    } else {
        if (reading.firstJdn)
            out += DayLine("First day: ", *reading.firstJdn);
        if (reading.lastJdn)
            out += DayLine("Last day:  ", *reading.lastJdn);
    }
    for (const DateWarning &warning : reading.warnings)
        out += "Warning:   " + warning.id + ": " + warning.message + "\n";
    return out;
}

}  // namespace

Outcome RunRead(const Arguments &a, const std::string &dataFolder)
{
    PlaceTable table;
    const Place *place = nullptr;
    if (a.place) {
        table = LoadPlaceTable(dataFolder);
        if (!table.error.empty())
            return {"", table.error + "\n", kExitRefused};
        place = FindPlace(table, *a.place);
        if (!place)
            return {"", UnknownPlaceMessage(*a.place) + "\n", kExitRefused};
    }
    const RecordDateReading reading = ReadRecordDate(*a.recordText, place);
    if (!reading.read)
        return {"", reading.error + "\n", kExitRefused};
    return {a.json ? ReadingJson(*a.recordText, place, reading) : ReadingText(place, reading), "", kExitOk};
}

}  // namespace vardex::cli
