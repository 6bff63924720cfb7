// SPDX-License-Identifier: MIT
#include "IcsLines.h"

#include <algorithm>
#include <cstdio>

#include "astronomy/SkyEvents.h"
#include "engine/Calendars.h"

namespace vardex::cli {

namespace {

constexpr size_t kLineOctets = 75;
constexpr int32_t kUnixEpochJdn = 2440588;          // 1970-01-01
constexpr int64_t kLastStampSecond = 253402300799;  // 9999-12-31 23:59:59 UTC

std::optional<std::string> DateTimeText(int32_t jdn, int hours, int minutes, int seconds)
{
    const std::optional<std::string> date = IcsDate(jdn);
    if (!date)
        return std::nullopt;
    char time[16];
    std::snprintf(time, sizeof time, "T%02d%02d%02dZ", hours, minutes, seconds);
    return *date + time;
}

}  // namespace

std::string IcsEscaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\\' || c == ';' || c == ',')
            out += std::string("\\") + c;
        else
            out += c;
    }
    return out;
}

std::string IcsLine(std::string_view line)
{
    std::string out;
    size_t room = kLineOctets;
    while (line.size() > room) {
        size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
            --cut;  // not inside a character
        if (cut == 0)
            cut = room;  // no character starts there: bytes that are no UTF-8, cut anywhere
        out.append(line.substr(0, cut)).append("\r\n ");
        line.remove_prefix(cut);
        room = kLineOctets - 1;  // the blank that starts a folded line counts
    }
    return out.append(line).append("\r\n");
}

std::optional<std::string> IcsDate(int32_t jdn)
{
    const CalendarDate date = JDNToDate(Calendar::Gregorian, jdn, DeeVariant::Dee);
    if (date.year < 1 || date.year > 9999)
        return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", date.year, date.month, date.day);
    return std::string(text);
}

std::optional<std::string> IcsUtcMinute(double jdUT)
{
    const ClockReading reading = ReadClock(jdUT + 30.0 / 86400, 0);  // to the nearest minute
    return DateTimeText(reading.jdn, reading.hours, reading.minutes, 0);
}

std::string IcsStamp(int64_t utcSeconds)
{
    const int64_t seconds = std::clamp<int64_t>(utcSeconds, 0, kLastStampSecond);
    const auto day = static_cast<int32_t>(seconds / 86400);
    const auto second = static_cast<int>(seconds % 86400);
    return *DateTimeText(kUnixEpochJdn + day, second / 3600, second / 60 % 60, second % 60);
}

}  // namespace vardex::cli
