// SPDX-License-Identifier: MIT
// The program text file loader: any file content through lt, then gt for a few numbers into
// buffers of exactly the capacity passed, so that a write past the capacity is caught.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "textbank.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

const std::string &TempFile()
{
    static const std::string path = [] {
        char name[] = "/tmp/vardex-program-text-XXXXXX";
        const int fd = mkstemp(name);
        Require(fd >= 0);
        close(fd);
        std::atexit([] { std::remove(TempFile().c_str()); });
        return std::string(name);
    }();
    return path;
}

void Write(const uint8_t *data, size_t size)
{
    std::FILE *file = std::fopen(TempFile().c_str(), "wb");
    Require(file != nullptr);
    Require(std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
}

void Fetch(int32_t number)
{
    const int32_t length = gt(number, TEXTBANK_SELECT_LENGTH, nullptr, 0, TEXTBANK_TERMINATED);
    Require(length <= TEXTBANK_MAX_TEXT_BYTES);
    for (const int32_t capacity : {0, 1, 2, 3, 8, 17}) {
        for (const int32_t flag : {TEXTBANK_TERMINATED, TEXTBANK_COUNTED}) {
            const auto buffer = std::make_unique<char[]>(static_cast<size_t>(capacity));  // exactly capacity
            const int32_t result = gt(number, TEXTBANK_SELECT_TEXT, buffer.get(), capacity, flag);
            if (result > 0) {
                Require(result == length);
                Require(flag == TEXTBANK_COUNTED ? result <= capacity : result < capacity);
                Require(std::memchr(buffer.get(), '\0', static_cast<size_t>(result)) == nullptr);
                if (result < capacity)
                    Require(buffer[static_cast<size_t>(result)] == '\0');
            } else if (capacity >= 1) {
                Require(buffer[0] == '\0');
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Write(data, size);
    const int32_t loaded = lt(TempFile().c_str(), 0);
    Require(loaded <= TEXTBANK_MAX_LINES);
    for (const int32_t number : {0, 1, 2, 15, 16, 36, 40, 41, 2147483647, -1})
        Fetch(number);
    return 0;
}
