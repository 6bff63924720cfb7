// SPDX-License-Identifier: MIT
// A count written as the first word of a sentence: "No", "Twenty one", "150".
#pragma once

#include <QString>

#include "input/NumberFormat.h"

namespace vardex {

// English words for 0..99 ("No", "One" .. "Twenty", "Twenty one" .. "Ninety nine"); from 100 on,
// and for a negative n, the digits grouped in the format ("150", "1,000").
QString NumberWords(int n, const NumberFormat &format);

}  // namespace vardex
