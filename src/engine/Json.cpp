// SPDX-License-Identifier: MIT
#include "Json.h"

#include <cstdio>

namespace vardex {

std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (u < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
                out += buffer;
            } else {
                out += c;  // UTF-8 passes through unchanged
            }
        }
    }
    return out + "\"";
}

JsonObject &JsonObject::Put(std::string_view key, std::string_view json)
{
    if (!body_.empty())
        body_ += ", ";
    body_ += JsonString(key);
    body_ += ": ";
    body_ += json;
    return *this;
}

JsonObject &JsonObject::Add(std::string_view key, std::string_view text)
{
    return Put(key, JsonString(text));
}
JsonObject &JsonObject::Add(std::string_view key, int64_t number) { return Put(key, std::to_string(number)); }
JsonObject &JsonObject::AddBool(std::string_view key, bool value)
{
    return Put(key, value ? "true" : "false");
}
JsonObject &JsonObject::AddNull(std::string_view key) { return Put(key, "null"); }
JsonObject &JsonObject::AddRaw(std::string_view key, std::string_view json) { return Put(key, json); }

}  // namespace vardex
