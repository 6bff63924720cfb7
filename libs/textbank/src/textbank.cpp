// SPDX-License-Identifier: MIT
// The C interface of textbank: one process-wide table of texts behind a mutex. lt reads a file
// into a table of its own and swaps it in only when the whole file was good, so a failed load
// leaves the texts of the last good one.
#include "textbank.h"

#include <cstring>
#include <mutex>
#include <new>

#include "text_file.h"

namespace textbank {
namespace {

struct Store {
    std::mutex mutex;
    Texts texts;
    bool loaded = false;  // a file has been loaded
};

Store &TheStore()
{
    static Store store;
    return store;
}

}  // namespace
}  // namespace textbank

extern "C" int32_t lt(const char *path, int32_t reserved)
{
    if (path == nullptr || reserved != 0)
        return TEXTBANK_BAD_ARGUMENT;
    try {
        textbank::Texts texts;
        const int32_t result = textbank::ReadTextFile(path, texts);
        if (result <= 0)
            return result;
        textbank::Store &store = textbank::TheStore();
        const std::lock_guard lock(store.mutex);
        store.texts.swap(texts);  // the old texts are freed after the lock is released
        store.loaded = true;
        return result;
    } catch (const std::bad_alloc &) {
        return TEXTBANK_GENERAL_MEMORY;
    } catch (...) {
        return TEXTBANK_INTERNAL_ERROR;
    }
}

extern "C" int32_t gt(int32_t number, int32_t selector, char *buffer, int32_t capacity, int32_t flag)
{
    const bool copy = selector == TEXTBANK_SELECT_TEXT;
    const auto fail = [&](int32_t code) {
        if (copy && buffer != nullptr && capacity >= 1)
            buffer[0] = '\0';
        return code;
    };
    if ((!copy && selector != TEXTBANK_SELECT_LENGTH) ||
        (flag != TEXTBANK_TERMINATED && flag != TEXTBANK_COUNTED))
        return fail(TEXTBANK_INVALID_CALL);
    if (copy && (buffer == nullptr || capacity < 0))
        return fail(TEXTBANK_INVALID_CALL);
    try {
        textbank::Store &store = textbank::TheStore();
        const std::lock_guard lock(store.mutex);
        if (!store.loaded)
            return fail(TEXTBANK_NOTHING_LOADED);
        const auto found = store.texts.find(number);
        if (found == store.texts.end())
            return fail(TEXTBANK_ABSENT);
        const std::string &text = found->second;
        const auto length = static_cast<int32_t>(text.size());  // [1, TEXTBANK_MAX_TEXT_BYTES]
        if (!copy)
            return length;
        const int32_t needed = flag == TEXTBANK_TERMINATED ? length + 1 : length;
        if (needed > capacity)
            return fail(TEXTBANK_BUFFER_TOO_SMALL);
        std::memcpy(buffer, text.data(), static_cast<std::size_t>(length));
        if (length < capacity)
            buffer[length] = '\0';
        return length;
    } catch (...) {
        return fail(TEXTBANK_INTERNAL_ERROR);
    }
}

extern "C" TEXTBANK_API const char *textbank_version(void) { return TEXTBANK_VERSION; }
