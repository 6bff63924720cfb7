// SPDX-License-Identifier: MIT
// Seam: which file the user wants read. The program asks with the desktop's open dialog, tests
// answer with a path of their own.
#pragma once

#include <QString>

namespace vardex {

class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // The path of an existing file chosen in a dialog titled `title`, opening at `startPath` (a
    // file or a folder; empty: where the last file was chosen) and offering the file types of
    // `filter` ("GEDCOM files (*.ged *.GED);;All files (*)"); empty when the user cancelled.
    virtual QString OpenPath(const QString &title, const QString &startPath, const QString &filter) = 0;
};

}  // namespace vardex
