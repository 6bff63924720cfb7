// SPDX-License-Identifier: MIT
// Digit grouping: any NUL-terminated text with any separator code, into an output buffer of
// exactly 20 bytes; a grouped text that was not cut gives the input back without its separators.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "daybridge.h"
#include "engine/TextForms.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto separator = provider.ConsumeIntegral<int32_t>();
    const std::string text = provider.ConsumeRemainingBytesAsString();
    // Exactly the bytes of the text and its NUL, so that reading past the NUL is caught.
    const auto number = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(number.get(), text.c_str(), text.size() + 1);
    const auto out = std::make_unique<char[]>(20);
    std::memset(out.get(), ' ', 20);

    const int32_t result = separate_thousands(number.get(), separator, out.get());
    if (separator < 0 || separator > 255) {
        Require(result == -1 && out[0] == '\0');
        return 0;
    }
    Require(result >= 0 && result <= 19 && out[static_cast<size_t>(result)] == '\0');
    Require(std::strlen(out.get()) == static_cast<size_t>(result));

    const std::string input(number.get());  // up to the first NUL
    const auto sep = static_cast<char>(separator);
    if (separator != 0 && !IsDigit(sep) && input.find(sep) == std::string::npos && result < 19) {
        std::string back(out.get());
        back.erase(std::remove(back.begin(), back.end(), sep), back.end());
        Require(back == input);
    }
    if (separator != 0)  // the engine's wrapper, as the program's texts call it
        Require(vardex::SeparateThousands(input, std::string(1, sep)).size() <= 19);
    return 0;
}
