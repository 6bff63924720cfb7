// SPDX-License-Identifier: MIT
// Writing a file the user chose to save: whole or not at all, and when it fails, why in plain
// words rather than Qt's frequent "Unknown error".
#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace vardex {

// path, with "." and suffix added when its file name has no suffix: what a user types without
// one is meant as a file of the kind being saved.
QString WithSuffix(const QString &path, const QString &suffix);

// Writes bytes to path through QSaveFile, so that an earlier file there stays as it was unless
// every byte is written; nothing when written, else the reason (WriteFault).
std::optional<QString> WriteWholeFile(const QString &path, QByteArrayView bytes);

// Writes bytes to the open file and flushes them: a buffered write learns of a full disk only
// when flushed. True when every byte reached the system.
bool WriteAll(QFileDevice &file, QByteArrayView bytes);

// Why a write to file failed, as a clause to follow a colon: "the disk is full", or the
// device's own reason, or else the system's words for systemError (errno as the failing call
// left it), with a lower-case first letter ("no such file or directory").
QString WriteFault(const QFileDevice &file, int systemError);

}  // namespace vardex
