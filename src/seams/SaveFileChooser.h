// SPDX-License-Identifier: MIT
// Seam: where the user wants a file saved. The program asks with the desktop's save dialog,
// tests answer with a path of their own.
#pragma once

#include <QString>

namespace vardex {

class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The path chosen for a file titled `title`, offering `suggestedName` and the file types of
    // `filter` ("CSV files (*.csv)"); empty when the user cancelled. `selectedFilter`, when given,
    // receives the type the user chose.
    virtual QString SavePath(const QString &title, const QString &suggestedName, const QString &filter,
                             QString *selectedFilter = nullptr) = 0;
};

}  // namespace vardex
