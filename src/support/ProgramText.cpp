// SPDX-License-Identifier: MIT
#include "ProgramText.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <mutex>

#include "input/TextUtils.h"
#include "textbank.h"

namespace vardex {

namespace {

// The transfer buffer, kept for the whole run. The library's longest text is exactly as long as
// the buffer, so with the counted flag every text comes back whole (without a NUL when it fills
// the buffer; the result gives the length).
constexpr int32_t kBufferBytes = 1024;
static_assert(kBufferBytes >= TEXTBANK_MAX_TEXT_BYTES, "every text the library accepts fits the buffer");

constexpr int32_t kSelector = TEXTBANK_SELECT_TEXT;  // 0
constexpr int32_t kFlag = TEXTBANK_COUNTED;          // 1

}  // namespace

QString ProgramTextLoadMessage(int32_t code, const QString &path)
{
    // 64 bits, so that -code and the line numbers below cannot overflow for INT32_MIN.
    const int64_t r = code;
    if (r > 0)
        return {};
    if (r <= -1501)
        return QStringLiteral("Duplicate in program text at line %1.").arg(-r - 1500);
    if (r <= -1001)
        return QStringLiteral("String too long at line %1.").arg(-r - 1000);
    if (r <= -501)
        return QStringLiteral("Missing string at line %1.").arg(-r - 500);
    switch (r) {
    case 0: return QStringLiteral("No program text was read.");
    case -1: return QStringLiteral("Cannot open file containing program text.") + kCrLf + path;
    case -2: return QStringLiteral("Particular memory allocation error.");
    case -3: return QStringLiteral("Too much program text.");
    case -4: return QStringLiteral("Text not recovered.");
    case -6: return QStringLiteral("File is empty.");
    case -7: return QStringLiteral("Error reading file.");
    case -8: return QStringLiteral("General memory allocation error.");
    default:  // -5 and -9 to -500
        return QStringLiteral("Error %1").arg(r);
    }
}

bool LoadProgramText(const QString &programFolder, const QString &name, Dialogs &dialogs)
{
    const QString path = programFolder.endsWith(QLatin1Char('/')) ? programFolder + name
                                                                  : programFolder + QLatin1Char('/') + name;
    const int32_t result = lt(QFile::encodeName(path).constData(), 0);
    if (result > 0)
        return true;
    dialogs.ShowMessage(ProgramTextLoadMessage(result, path), QString(), MessageIcon::Critical,
                        MessageButtons::Ok);
    return false;
}

QString GetProgramText(int16_t number)
{
    static std::array<char, kBufferBytes> buffer;
    static std::mutex bufferMutex;  // the buffer is shared; a call from another thread must wait
    const std::lock_guard lock(bufferMutex);

    const int32_t length = gt(number, kSelector, buffer.data(), kBufferBytes, kFlag);
    if (length <= 0)
        return {};
    const QString text = QString::fromUtf8(buffer.data(), std::min(length, kBufferBytes));
    if (text == QLatin1String("~"))
        return {};
    return text;
}

}  // namespace vardex
