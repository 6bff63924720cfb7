// SPDX-License-Identifier: MIT
// What a command leaves for main(): the texts for the two streams and the exit status.
#pragma once

#include <string>

namespace vardex::cli {

enum ExitStatus { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

struct Outcome {
    std::string out;  // standard output
    std::string err;  // standard error
    int status = kExitOk;
};

}  // namespace vardex::cli
