// SPDX-License-Identifier: MIT
// The findings of a family tree's check as vardex-cli gedcom writes them: each finding to the stream
// as it comes, then the summary; as text lines for people, one JSON object, or CSV rows.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "records/FamilyTreeCheck.h"

namespace vardex::cli {

class FindingWriter {
public:
    virtual ~FindingWriter() = default;
    virtual void Finding(const TreeFinding &finding) = 0;
    virtual void Summary(const TreeSummary &summary) = 0;
};

enum class TreeOutput { Text, Json, Csv };

// A writer to `out`, which must outlive it; `file` is the tree's path as given.
std::unique_ptr<FindingWriter> MakeFindingWriter(TreeOutput form, std::ostream &out, const std::string &file);

}  // namespace vardex::cli
