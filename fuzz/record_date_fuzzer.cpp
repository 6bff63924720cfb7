// SPDX-License-Identifier: MIT
// Any bytes as a written date, without a place and at each place of the calendar history: nothing
// crashes or hangs, a date read has its days in order (or none), and one not read says why.
//
// Input: byte 0 chooses the place (0: none), the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/WrittenDayReading.h"
#include "records/RecordDate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const vardex::PlaceTable table = vardex::LoadPlaceTable(VARDEX_DATA_FOLDER);
    if (size < 1 || !table.error.empty())
        return 0;
    const size_t choice = data[0] % (table.places.size() + 1);
    const vardex::Place *place = choice == 0 ? nullptr : &table.places[choice - 1];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const vardex::RecordDateReading reading = vardex::ReadRecordDate(text, place);
    if (reading.read != reading.error.empty())
        std::abort();
    if (reading.firstJdn.has_value() != reading.lastJdn.has_value())
        std::abort();
    if (reading.firstJdn && *reading.firstJdn > *reading.lastJdn)
        std::abort();
    for (const vardex::DateWarning &warning : reading.warnings) {
        if (warning.id.empty() || warning.message.empty())
            std::abort();
    }
    return 0;
}
