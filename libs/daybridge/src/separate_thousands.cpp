// SPDX-License-Identifier: MIT
// Digit grouping of daybridge's C interface.
#include "daybridge.h"

namespace {

constexpr int32_t kCapacity = 20;  // bytes of out20, the NUL included

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends to a fixed buffer, keeping room for the NUL and dropping what does not fit.
class Writer {
public:
    explicit Writer(char *out) : out_(out) {}
    void Put(char c)
    {
        if (length_ < kCapacity - 1)
            out_[length_++] = c;
    }
    int32_t Finish()
    {
        out_[length_] = '\0';
        return length_;
    }

private:
    char *out_;
    int32_t length_ = 0;
};

}  // namespace

extern "C" int32_t separate_thousands(const char *number, int32_t separator, char *out20)
{
    if (out20 != nullptr)
        out20[0] = '\0';
    if (number == nullptr || out20 == nullptr || separator < 0 || separator > 255)
        return -1;

    const char *p = number;
    Writer out(out20);
    while (*p != '\0' && !IsDigit(*p))  // sign and blanks before the number
        out.Put(*p++);

    const char *digits = p;
    while (IsDigit(*p))
        ++p;
    // Walk the digit run once; a separator goes before every digit whose distance from the end
    // of the run is a positive multiple of three.
    for (const char *q = digits; q != p; ++q) {
        const auto fromEnd = p - q;
        if (separator != 0 && q != digits && fromEnd % 3 == 0)
            out.Put(static_cast<char>(static_cast<unsigned char>(separator)));
        out.Put(*q);
    }

    while (*p != '\0')  // a decimal part or anything else after the digits
        out.Put(*p++);
    return out.Finish();
}

extern "C" DAYBRIDGE_API const char *daybridge_version(void) { return DAYBRIDGE_VERSION; }
