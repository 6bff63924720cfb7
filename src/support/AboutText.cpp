// SPDX-License-Identifier: MIT
#include "AboutText.h"

#include <QtGlobal>

#include "daybridge.h"
#include "skyfold.h"
#include "textbank.h"

namespace vardex {

QString ProgramVersion() { return QStringLiteral(VARDEX_VERSION); }

QString AboutText(const QString &makerAddress)
{
    const auto line = [](const char *label, const char *version) {
        return QString::fromLatin1(label) + QString::fromLatin1(version) + u'\n';
    };
    return QStringLiteral("Vardex ") + ProgramVersion() + QStringLiteral("\n\n") +
           QStringLiteral("A date calculator for the Gregorian, Julian and Dee calendars.\n\n") +
           QStringLiteral("Licence: MIT\n") + QStringLiteral("Maker: ") + makerAddress +
           QStringLiteral("\n\n") + line("Qt ", qVersion()) + line("libdaybridge ", daybridge_version()) +
           line("libskyfold ", skyfold_version()) + line("libtextbank ", textbank_version());
}

}  // namespace vardex
