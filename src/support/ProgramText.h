// SPDX-License-Identifier: MIT
// The program text file: a few texts that may change without a rebuild (the online manual's
// address, the help file's name, the help viewer's caption, the maker's name and address),
// loaded once at start-up through libtextbank and fetched by number.
#pragma once

#include <QString>
#include <cstdint>

#include "seams/Dialogs.h"

namespace vardex {

// Loads programFolder + "/" + name (no second "/" when the folder already ends with one).
// On failure shows the reason in a message box with the critical icon, an OK button and an empty
// title, and returns false: the caller then ends the program. Texts loaded before a failed call
// stay available.
bool LoadProgramText(const QString &programFolder, const QString &name, Dialogs &dialogs);

// The message for a failed load with result code (0 or negative) of the file at path, lines
// separated by "\r\n"; the empty text for a positive code, which is no failure.
QString ProgramTextLoadMessage(int32_t code, const QString &path);

// Text number `number`, or the empty text when it is absent, when it is "~" (the file's way of
// writing an empty text) or when nothing was loaded.
QString GetProgramText(int16_t number);

}  // namespace vardex
