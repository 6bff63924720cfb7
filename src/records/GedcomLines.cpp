// SPDX-License-Identifier: MIT
#include "GedcomLines.h"

namespace vardex {

namespace {
const std::string kNone;
const std::vector<GedcomProblem> kNoProblems;
}  // namespace

GedcomLineReader::GedcomLineReader(std::istream &) {}
bool GedcomLineReader::Next(GedcomLine &) { return false; }
const std::string &GedcomLineReader::Encoding() const { return kNone; }
int64_t GedcomLineReader::BytesRead() const { return 0; }
const std::vector<GedcomProblem> &GedcomLineReader::Problems() const { return kNoProblems; }
int64_t GedcomLineReader::ProblemCount() const { return 0; }
bool GedcomLineReader::ReadFailed() const { return false; }

}  // namespace vardex
