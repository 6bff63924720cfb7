#include "CalendarState.h"

namespace vardex {

int32_t DeeEpochJDN = kDeeCecilEpochJDN;

namespace {

std::array<std::string, 13> EnglishMonthNames()
{
    return {"",     "January", "February",  "March",   "April",    "May",     "June",
            "July", "August",  "September", "October", "November", "December"};
}

}  // namespace

// Filled before main() as well, so that no caller ever sees an empty table.
std::array<std::string, 13> MonthNames = EnglishMonthNames();

void InitCalendarTables() { MonthNames = EnglishMonthNames(); }

}  // namespace vardex
