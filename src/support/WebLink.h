// SPDX-License-Identifier: MIT
// Opening web pages in the user's browser: the online manual and the maker's page.
#pragma once

#include <QString>

#include "seams/Dialogs.h"
#include "seams/Shell.h"

namespace vardex {

// Opens address through the shell, always with https ("http:" in any letter case becomes
// "https:"). A failure is shown in a message box titled "Cannot launch web browser" with the
// exclamation icon, naming the shell's code and, for codes 2, 8 and 31, the likely cause; for 31
// (no browser) also the whole address, to be copied into one.
void OpenWebLink(const QString &address, Shell &shell, Dialogs &dialogs);

// The extension of the last component of path (after its last "\\"): the text after its last ".",
// lower-cased when lowerCase is true; the empty text when that component has no ".". A web
// address has no "\\": for one without a file name this is the domain's last label with any
// path that follows ("example/manual" for https://vardex.example/manual).
QString FileExtension(const QString &path, bool lowerCase);

}  // namespace vardex
