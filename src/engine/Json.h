// SPDX-License-Identifier: MIT
// A small writer of JSON objects, keeping their keys in the order they are written (scripts and
// people read them in that order): what vardex-cli prints.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vardex {

std::string JsonString(std::string_view text);

class JsonObject {
public:
    JsonObject &Add(std::string_view key, std::string_view text);
    JsonObject &Add(std::string_view key, const char *text) { return Add(key, std::string_view(text)); }
    JsonObject &Add(std::string_view key, int64_t number);
    JsonObject &Add(std::string_view key, int32_t number) { return Add(key, int64_t{number}); }
    JsonObject &AddBool(std::string_view key, bool value);
    JsonObject &AddNull(std::string_view key);
    // A value already written as JSON (an object, an array, a number in a chosen form).
    JsonObject &AddRaw(std::string_view key, std::string_view json);
    std::string Text() const { return "{" + body_ + "}"; }

private:
    JsonObject &Put(std::string_view key, std::string_view json);
    std::string body_;
};

}  // namespace vardex
