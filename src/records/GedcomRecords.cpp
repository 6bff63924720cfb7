// SPDX-License-Identifier: MIT
#include "GedcomRecords.h"

namespace vardex {

GedcomRecordReader::GedcomRecordReader(GedcomLineReader &) {}
bool GedcomRecordReader::Next(GedcomRecord &) { return false; }

}  // namespace vardex
