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

TEST(FileWriting, AFullDiskIsFoundByTheFlushAndNamed)
{
    const QFileInfo device("/dev/full");
    if (!device.exists() || device.isFile())
        GTEST_SKIP() << "no /dev/full";
    QFile full(device.filePath());
    ASSERT_TRUE(full.open(QIODevice::WriteOnly));
    errno = 0;
    EXPECT_FALSE(WriteAll(full, "a few bytes")) << "buffered, they fail only when flushed";
    EXPECT_EQ(WriteFault(full, errno), "the disk is full");
}

// QSaveFile often fails with no error of its own ("Unknown error"): the system's words then.
TEST(FileWriting, TheReasonIsTheDevicesOrElseTheSystems)
{
    const QTemporaryDir folder;
    QFile unopened(folder.filePath("a.csv"));
    QFile missingFolder(folder.filePath("no such folder/a.csv"));
    ASSERT_FALSE(missingFolder.open(QIODevice::WriteOnly));
    const std::tuple<const QFile *, int, QString> cases[] = {
        {&unopened, EROFS, "read-only file system"},
        {&unopened, EIO, "input/output error"},
        {&unopened, 0, "the system gave no reason"},
        {&unopened, ENOSPC, "the disk is full"},
        {&missingFolder, 0, "no such file or directory"},
        {&missingFolder, EACCES, "no such file or directory"},
        {&missingFolder, ENOSPC, "the disk is full"}};
    for (const auto &[file, systemError, words] : cases)
        EXPECT_EQ(WriteFault(*file, systemError), words) << systemError;
}

TEST(FileWriting, AWholeFileReplacesTheOldOneAndAFailedOneWritesNothing)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath("chart.svg");
    for (const QByteArray bytes : {"first", "second"})
        EXPECT_EQ(WriteWholeFile(path, bytes), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "second");
    const QString missing = folder.filePath("no such folder/chart.svg");
    EXPECT_EQ(WriteWholeFile(missing, "third"), "no such file or directory");
    EXPECT_FALSE(QFileInfo::exists(missing));
}

}  // namespace
}  // namespace vardex
