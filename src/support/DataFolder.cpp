// SPDX-License-Identifier: MIT
#include "DataFolder.h"

#include <filesystem>

namespace vardex {

std::string DataFolder(const std::string &programFolder)
{
    namespace fs = std::filesystem;
    const auto holdsData = [](const fs::path &folder) {
        std::error_code error;
        return fs::is_regular_file(folder / "vardex.dat", error);
    };
    const fs::path here(programFolder);
    if (holdsData(here))
        return programFolder;
    const fs::path installed = (here / ".." / "share" / "vardex").lexically_normal();
    return holdsData(installed) ? installed.string() : programFolder;
}

}  // namespace vardex
