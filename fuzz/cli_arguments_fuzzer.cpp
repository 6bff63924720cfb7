// SPDX-License-Identifier: MIT
// The vardex-cli command line: the input split into arguments at its NUL bytes, through the
// argument parser and its number reader.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<std::string> args(size == 0 ? 0 : 1);  // no bytes, no arguments
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\0')
            args.emplace_back();
        else
            args.back().push_back(static_cast<char>(data[i]));
    }
    const vardex::cli::ParseResult parsed = vardex::cli::ParseArguments(args);
    if (!parsed.Ok() && parsed.error.empty())
        __builtin_trap();
    for (const std::string &arg : args)
        (void)vardex::cli::ParseInt32(arg);
    return 0;
}
