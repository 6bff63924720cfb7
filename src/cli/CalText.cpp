// SPDX-License-Identifier: MIT
#include "CalText.h"

#include <algorithm>
#include <cstdio>

#include "engine/Calendars.h"

namespace vardex::cli {

namespace {

constexpr size_t kWeekWidth = 20;   // seven days of three columns, the first without its blank
constexpr size_t kWeekLines = 6;    // the weeks of a block of a year, as cal keeps them even
constexpr const char *kGap = "  ";  // between the months of a year's row

// The columns a text takes on a terminal: its code points (place names may be UTF-8).
size_t Columns(const std::string &text)
{
    return static_cast<size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Centred(const std::string &text, size_t width)
{
    const size_t columns = Columns(text);
    return std::string(columns < width ? (width - columns) / 2 : 0, ' ') + text;
}

std::string PaddedTo(std::string text, size_t width)
{
    const size_t columns = Columns(text);
    return columns < width ? text.append(width - columns, ' ') : text;
}

void AddLine(std::string &out, std::string line)
{
    line.erase(line.find_last_not_of(' ') + 1);
    out += line + "\n";
}

std::string HeadLine(FirstWeekday first)
{
    std::string line;
    for (int16_t i = 0; i < 7; ++i) {
        const auto weekday = static_cast<int16_t>((i + (first == FirstWeekday::Monday ? 1 : 0)) % 7);
        line += std::string(i == 0 ? "" : " ") + WeekdayHead(weekday);
    }
    return line;
}

// The title, the heads and the weeks of a month, each line kWeekWidth wide or wider.
std::vector<std::string> MonthBlock(const MonthPage &page, FirstWeekday first, const std::string &title)
{
    std::vector<std::string> lines = {Centred(title, kWeekWidth), HeadLine(first)};
    for (const std::array<int, 7> &row : WeekRows(page, first)) {
        std::string line;
        for (size_t column = 0; column < row.size(); ++column) {
            char cell[8] = "   ";
            if (row[column] >= 0)
                std::snprintf(cell, sizeof cell, "%3d", page.days[static_cast<size_t>(row[column])].date.day);
            line += column == 0 ? cell + 1 : cell;
        }
        lines.push_back(line);
    }
    for (std::string &line : lines)
        line = PaddedTo(line, kWeekWidth);
    return lines;
}

// "  31 Easter Sunday", "  20 March equinox 03:06; Full moon 17:40": a line per marked day.
std::string MarkLines(const MonthPage &page, const std::vector<std::vector<DayMark>> &marks)
{
    std::string out;
    for (size_t i = 0; i < page.days.size() && i < marks.size(); ++i) {
        if (marks[i].empty())
            continue;
        char day[8];
        std::snprintf(day, sizeof day, "%4d", page.days[i].date.day);
        std::string line = day;
        for (size_t k = 0; k < marks[i].size(); ++k)
            line += (k == 0 ? " " : "; ") + marks[i][k].name +
                    (marks[i][k].time.empty() ? "" : " " + marks[i][k].time);
        out += line + "\n";
    }
    return out;
}

// A calendar other than the Gregorian, or the place, named once over the page.
void AddHeader(std::string &out, const CalSheet &sheet, size_t width)
{
    if (sheet.calendar.kind != PageCalendarKind::Gregorian && !sheet.months.empty())
        AddLine(out, Centred(sheet.months.front().calendarName, width));
}

std::string MonthText(const CalSheet &sheet, bool listMarks)
{
    const MonthPage &page = sheet.months.front();
    std::string out;
    AddHeader(out, sheet, kWeekWidth);
    std::vector<std::string> lines = MonthBlock(page, sheet.first, page.title);
    AddLine(out, lines.front());
    if (!page.yearStartNote.empty())
        out += page.yearStartNote + "\n";
    for (size_t i = 1; i < lines.size(); ++i)
        AddLine(out, lines[i]);
    const std::string marks = listMarks ? MarkLines(page, sheet.marks.front()) : "";
    return marks.empty() ? out : out + "\n" + marks;
}

std::string YearText(const CalSheet &sheet, bool listMarks)
{
    // A month keeps its name alone where the year's title says its year.
    std::vector<std::vector<std::string>> blocks;
    for (const MonthPage &page : sheet.months) {
        const std::string plain = std::string(MonthName(page.month)) + " " + sheet.yearTitle;
        blocks.push_back(
            MonthBlock(page, sheet.first, page.title == plain ? MonthName(page.month) : page.title));
    }
    size_t columnWidth = kWeekWidth;
    for (const auto &block : blocks)
        columnWidth = std::max(columnWidth, Columns(block.front()));
    // cal centres the year's title over the three months without the gaps between them.
    const size_t pageWidth = 3 * columnWidth;

    std::string out;
    AddHeader(out, sheet, pageWidth);
    AddLine(out, Centred(sheet.yearTitle, pageWidth));
    std::vector<std::string> notes;
    for (const MonthPage &page : sheet.months) {
        if (!page.yearStartNote.empty() &&
            std::find(notes.begin(), notes.end(), page.yearStartNote) == notes.end())
            notes.push_back(page.yearStartNote);
    }
    for (const std::string &note : notes)
        out += note + "\n";
    for (size_t first = 0; first < blocks.size(); first += 3) {
        const size_t last = std::min(blocks.size(), first + 3);
        size_t height = 2 + kWeekLines;
        for (size_t b = first; b < last; ++b)
            height = std::max(height, blocks[b].size());
        if (first > 0)
            out += "\n";
        for (size_t line = 0; line < height; ++line) {
            std::string text;
            for (size_t b = first; b < last; ++b)
                text += (b == first ? "" : kGap) +
                        PaddedTo(line < blocks[b].size() ? blocks[b][line] : "", columnWidth);
            AddLine(out, text);
        }
    }
    if (!listMarks)
        return out;
    std::string marks;
    for (size_t m = 0; m < sheet.months.size(); ++m) {
        const std::string lines = MarkLines(sheet.months[m], sheet.marks[m]);
        if (!lines.empty())
            marks += sheet.months[m].title + "\n" + lines;
    }
    return marks.empty() ? out : out + "\n" + marks;
}

}  // namespace

std::string CalText(const CalSheet &sheet, bool listMarks)
{
    if (sheet.months.empty())
        return "";
    return sheet.month ? MonthText(sheet, listMarks) : YearText(sheet, listMarks);
}

}  // namespace vardex::cli
