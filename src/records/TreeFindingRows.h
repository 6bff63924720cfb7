// SPDX-License-Identifier: MIT
// A finding of the family-tree check as a row of a table: the days its date was read as, in the
// Julian and the Gregorian calendar, and its CSV record (the columns of vardex-cli gedcom --csv),
// for the window and the command to show the same.
#pragma once

#include <string>
#include <string_view>

#include "FamilyTreeCheck.h"
#include "engine/CalendarDate.h"

namespace vardex {

// The days of the reading as year-month-day dates in `calendar` (Julian or Gregorian): "1752-09-14",
// or "1750-01-01 – 1750-12-31" (an en dash, for people) when the reading spans more than one day;
// empty when it names no day. Files write a span as ISO 8601 does, "1750-01-01/1750-12-31", with
// the separator "/".
std::string FindingDaysText(const TreeFinding &finding, Calendar calendar,
                            std::string_view separator = " \u2013 ");

// "line,record,name,event,date,place,place_id,first_jdn,last_jdn,julian,gregorian,id,message" and
// its CR LF.
std::string TreeFindingCsvHeader();
// The finding's record under that header, each field quoted as it needs, a span of days as
// "first/last".
std::string TreeFindingCsvRecord(const TreeFinding &finding);

}  // namespace vardex
