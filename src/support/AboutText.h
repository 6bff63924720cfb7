// SPDX-License-Identifier: MIT
// The text of Help > About Vardex.
#pragma once

#include <QString>

namespace vardex {

// "Vardex 0.1.0", what it is, the licence, the maker's address (from the program text file), and
// the versions of Qt and of the program's libraries in use (as they report them at run time).
QString AboutText(const QString &makerAddress);

// The program's one version number, set in the top CMakeLists.txt.
QString ProgramVersion();

}  // namespace vardex
