// SPDX-License-Identifier: MIT
#include "CsvFileSaving.h"

#include <QDir>

#include "FileWriting.h"

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
    path = WithSuffix(path, QStringLiteral("csv"));
    if (const std::optional<QString> fault = WriteWholeFile(path, csv))
        dialogs.ShowMessage(QStringLiteral("The table could not be saved as \"%1\": %2.")
                                .arg(QDir::toNativeSeparators(path), *fault),
                            SaveAsCsvTitle(), MessageIcon::Critical);
}

}  // namespace vardex
