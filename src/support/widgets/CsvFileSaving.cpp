// SPDX-License-Identifier: MIT
#include "CsvFileSaving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vardex {

QString SaveAsCsvTitle() { return QStringLiteral("Save as CSV"); }

void SaveCsvFile(const std::string &csv, bool hasRows, const QString &suggestedName, SaveFileChooser &chooser,
                 Dialogs &dialogs)
{
    if (!hasRows) {
        dialogs.ShowMessage(QStringLiteral("The table has no rows to save yet: run it with Do it first."),
                            SaveAsCsvTitle(), MessageIcon::Information);
        return;
    }
    QString path =
        chooser.SavePath(SaveAsCsvTitle(), suggestedName, QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;  // cancelled
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    // QSaveFile writes beside the target and renames at the end: a failed save leaves an
    // earlier file as it was.
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) &&
        file.write(csv.data(), static_cast<qint64>(csv.size())) == static_cast<qint64>(csv.size()) &&
        file.commit();
    if (!written)
        dialogs.ShowMessage(QStringLiteral("The table could not be saved as\r\n") +
                                QDir::toNativeSeparators(path) + QStringLiteral("\r\n") + file.errorString(),
                            SaveAsCsvTitle(), MessageIcon::Critical);
}

}  // namespace vardex
