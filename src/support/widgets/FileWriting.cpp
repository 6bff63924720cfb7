// SPDX-License-Identifier: MIT
#include "FileWriting.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace vardex {

namespace {

// "Permission denied" -> "permission denied"; "I/O error" keeps its capitals.
QString AsClause(QString words)
{
    if (words.size() > 1 && words[0].isUpper() && words[1].isLower())
        words[0] = words[0].toLower();
    return words;
}

}  // namespace

QString WithSuffix(const QString &path, const QString &suffix)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

std::optional<QString> WriteWholeFile(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly) && WriteAll(file, bytes) && file.commit())
        return std::nullopt;
    return WriteFault(file, errno);
}

bool WriteAll(QFileDevice &file, QByteArrayView bytes)
{
    // QSaveFile's commit flushes as well, but a failure there still puts the short file in the
    // target's place (Qt 6.4): only a flush that succeeded may be committed.
    return file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
}

QString WriteFault(const QFileDevice &file, int systemError)
{
    if (systemError == ENOSPC)
        return QStringLiteral("the disk is full");
    // A device without a reason of its own says "Unknown error" (translated, like this one).
    if (file.error() != QFileDevice::NoError && file.errorString() != QFile().errorString())
        return AsClause(file.errorString());
    if (systemError != 0)
        return AsClause(QString::fromLocal8Bit(std::strerror(systemError)));
    return QStringLiteral("the system gave no reason");
}

}  // namespace vardex
