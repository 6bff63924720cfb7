// SPDX-License-Identifier: MIT
// vardex-cli gedcom: a family-tree file checked for calendar mistakes, each finding written as soon
// as it is found (a large tree may have many), then a summary, as text lines, JSON or CSV.
#pragma once

#include <ostream>
#include <string>

#include "Arguments.h"

namespace vardex::cli {

// dataFolder holds calendar-history.tsv. Returns the exit status: kExitOk whether or not there are
// findings, kExitRefused (with the reason on err) when the tree, the place map or the calendar
// history cannot be read or is faulty.
int RunGedcom(const Arguments &arguments, const std::string &dataFolder, std::ostream &out,
              std::ostream &err);

}  // namespace vardex::cli
