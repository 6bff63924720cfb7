// SPDX-License-Identifier: MIT
// Writing a file the user saves: whole or not at all, and a failure told in words. A full disk is
// /dev/full, written through a plain QFile: a QSaveFile would put its file beside it, in /dev.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

#include "QtPrinters.h"
#include "support/widgets/FileWriting.h"

namespace vardex {
namespace {

// A whole file replaces the old one, a failed one writes nothing. QSaveFile often fails with no
// error of its own ("Unknown error"): the system's words then.
TEST(FileWriting, AWholeFileOrNoneAndTheReasonIsTheDevicesOrElseTheSystems)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("chart.svg"), missing = folder.filePath("no such folder/chart.svg");
    for (const QByteArray bytes : {"first", "second"})
        EXPECT_EQ(WriteWholeFile(path, bytes), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "second");
    EXPECT_EQ(WriteWholeFile(missing, "third"), "no such file or directory");
    EXPECT_FALSE(QFileInfo::exists(missing));
    QFile unopened(path), missingFolder(missing);
    ASSERT_FALSE(missingFolder.open(QIODevice::WriteOnly));
    const std::tuple<const QFile *, int, QString> cases[] = {
        {&unopened, EROFS, "read-only file system"},
        {&unopened, 0, "the system gave no reason"},
        {&unopened, ENOSPC, "the disk is full"},
        {&missingFolder, 0, "no such file or directory"},
        {&missingFolder, EACCES, "no such file or directory"},
        {&missingFolder, ENOSPC, "the disk is full"}};
    for (const auto &[f, systemError, words] : cases)
        EXPECT_EQ(WriteFault(*f, systemError), words) << systemError;
    QFile full("/dev/full");
    if (QFileInfo(full).isFile() || !full.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "no /dev/full";
    errno = 0;
    EXPECT_FALSE(WriteAll(full, "a few bytes")) << "buffered, they fail only when flushed";
    EXPECT_EQ(WriteFault(full, errno), "the disk is full");
}

}  // namespace
}  // namespace vardex
