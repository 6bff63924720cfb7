// SPDX-License-Identifier: MIT
// Reading a program text file into a table of numbered texts (the format is described in
// textbank.h).
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace textbank {

using Texts = std::map<int32_t, std::string>;

// Reads the file at path into texts, which must be empty. Returns the number of texts read, or
// 0 or a negative textbank code; texts is then unspecified. Throws only std::bad_alloc, for
// memory other than that of a text (a text's own memory gives TEXTBANK_TEXT_MEMORY).
int32_t ReadTextFile(const char *path, Texts &texts);

}  // namespace textbank
