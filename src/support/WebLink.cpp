// SPDX-License-Identifier: MIT
#include "WebLink.h"

#include "input/TextUtils.h"

namespace vardex {

void OpenWebLink(const QString &address, Shell &shell, Dialogs &dialogs)
{
    const QString target =
        QString(address).replace(QStringLiteral("http:"), QStringLiteral("https:"), Qt::CaseInsensitive);
    const int result = shell.Open(target);
    if (result >= 33)
        return;  // the browser was started

    QString text = QStringLiteral("Error launching web browser, error code =") + QLatin1Char(' ') +
                   QString::number(result) + QLatin1Char('.');
    const QString paragraph = kCrLf + kCrLf;
    switch (result) {
    case 31:
        // The address on a line of its own, so that it can be copied whole into a browser.
        text += paragraph +
                QStringLiteral("No web browser could be started. To open the page, copy its address "
                               "into a web browser:") +
                paragraph + target;
        break;
    case 8: text += paragraph + QStringLiteral("Out of memory."); break;
    case 2: text += paragraph + QStringLiteral("Please try once more."); break;
    default: break;
    }
    dialogs.ShowMessage(text, QStringLiteral("Cannot launch web browser"), MessageIcon::Exclamation,
                        MessageButtons::Ok);
}

QString FileExtension(const QString &path, bool lowerCase)
{
    // Only "\\" ends a component: a web address has none, so its extension is whatever follows
    // its last ".", the domain's last label with any path after it when there is no file name.
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString extension = name.mid(dot + 1);
    return lowerCase ? extension.toLower() : extension;
}

}  // namespace vardex
