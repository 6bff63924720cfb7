// SPDX-License-Identifier: MIT
#include "TypedNumber.h"

#include <string_view>

#include "NumberFormat.h"
#include "engine/NumberReading.h"

namespace vardex {

TypedNumber ReadTypedNumber(const QString &text, const QString &what, int64_t least, int64_t most)
{
    const NumberFormat format = NumberFormat::Regional();
    const QString range = format.Grouped(least) + QStringLiteral(" to ") + format.Grouped(most);
    QString capitalised = what;
    if (!capitalised.isEmpty())
        capitalised[0] = capitalised[0].toUpper();
    if (text.trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("Enter ") + what + QStringLiteral(", ") + range + u'.'};
    const std::optional<int64_t> value = GroupedWholeNumber(std::u16string_view(
        reinterpret_cast<const char16_t *>(text.utf16()), static_cast<size_t>(text.size())));
    if (!value)
        return {std::nullopt, capitalised + QStringLiteral(" must be a whole number in digits, grouped by "
                                                           "thousands or not (1731 or 1,731).")};
    if (*value < least || *value > most)
        return {std::nullopt, capitalised + QStringLiteral(" runs from ") + range + u'.'};
    return {value, {}};
}

}  // namespace vardex
