// SPDX-License-Identifier: MIT
// Saving a table as a CSV file: the user picks the file (".csv" is added to a name without a
// type), the text is written whole or not at all, and every failure is told.
#pragma once

#include <QString>
#include <string>

#include "seams/Dialogs.h"
#include "seams/SaveFileChooser.h"

namespace vardex {

// "Save as CSV", the title of the dialog and of its messages.
QString SaveAsCsvTitle();

// Asks where to save `csv` (UTF-8) and writes it there. With no rows (`csv` holding only its
// header) there is nothing to save, and the user is told so instead.
void SaveCsvFile(const std::string &csv, bool hasRows, const QString &suggestedName, SaveFileChooser &chooser,
                 Dialogs &dialogs);

}  // namespace vardex
