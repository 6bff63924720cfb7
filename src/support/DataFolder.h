// SPDX-License-Identifier: MIT
// Where the program's data files (the program text file, the help, the calendar history) are:
// next to the program, as in the build folder or a copied folder, or in ../share/vardex from the
// program's folder, as a package installs them. The same binaries work in both places.
#pragma once

#include <string>

namespace vardex {

// The folder that holds the data files for a program in programFolder: programFolder itself when
// the program text file is there, else ../share/vardex when it is there, else programFolder (so
// that a missing file is reported where the program looked first).
std::string DataFolder(const std::string &programFolder);

}  // namespace vardex
