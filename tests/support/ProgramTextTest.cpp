// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <climits>

#include "RecordingSeams.h"
#include "support/DataFolder.h"
#include "support/ProgramText.h"

namespace vardex {
namespace {

// Next to the program first (the build folder), then ../share/vardex (a package), else next to it.
TEST(DataFolder, NextToTheProgramThenWhereAPackagePutsIt)
{
    const QTemporaryDir root;
    const std::string bin = root.filePath("usr/bin").toStdString(),
                      share = root.filePath("usr/share/vardex").toStdString();
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/bin")) && QDir().mkpath(root.filePath("usr/share/vardex")));
    EXPECT_EQ(DataFolder(bin), bin) << "nowhere: where the messages point";
    QFile(root.filePath("usr/share/vardex/vardex.dat")).open(QIODevice::WriteOnly);
    EXPECT_EQ(DataFolder(bin), share);
    QFile(root.filePath("usr/bin/vardex.dat")).open(QIODevice::WriteOnly);
    EXPECT_EQ(DataFolder(bin), bin);
}

TEST(ProgramText, LoadMessagesNameTheCauseAndTheLine)
{
    // clang-format off
    const std::pair<int32_t, QString> cases[] = {
        {-1512, "Duplicate in program text at line 12."}, {-1501, "Duplicate in program text at line 1."},
        {INT32_MIN, "Duplicate in program text at line 2147482148."},
        {-1003, "String too long at line 3."},            {-1500, "String too long at line 500."},
        {-501, "Missing string at line 1."},              {-1000, "Missing string at line 500."},
        {-500, "Error -500"},                             {-5, "Error -5"},
        {-9, "Error -9"},                                 {0, "No program text was read."},
        {-1, "Cannot open file containing program text.\r\n/opt/vardex/vardex.dat"},
        {-2, "Particular memory allocation error."},      {-3, "Too much program text."},
        {-4, "Text not recovered."},                      {-6, "File is empty."},
        {-7, "Error reading file."},                      {-8, "General memory allocation error."},
        {3, ""}};
    // clang-format on
    for (const auto &[code, message] : cases)
        EXPECT_EQ(ProgramTextLoadMessage(code, "/opt/vardex/vardex.dat"), message) << code;
}

class ProgramTextFiles : public testing::Test {
protected:
    QString Write(const QString &name, const QByteArray &contents)
    {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return file.fileName();
    }
    QTemporaryDir folder;
    test::RecordingDialogs dialogs;
};

TEST_F(ProgramTextFiles, AFileThatCannotBeOpenedIsFatalAndShowsThePathTried)
{
    const QString expected = "Cannot open file containing program text.\r\n" + folder.path() + "/vardex.dat";
    for (const QString &programFolder : {folder.path(), folder.path() + "/"}) {
        test::RecordingDialogs shown;
        EXPECT_FALSE(LoadProgramText(programFolder, "vardex.dat", shown));
        EXPECT_EQ(shown.shown, std::vector<test::ShownMessage>(
                                   {{expected, "", MessageIcon::Critical, MessageButtons::Ok}}))
            << "one \"/\" between folder and name";
    }
}

TEST_F(ProgramTextFiles, AFaultyFileNamesItsLine)
{
    Write("vardex.dat", "15 = a\n16 = b\n15 = c\n");
    EXPECT_FALSE(LoadProgramText(folder.path(), "vardex.dat", dialogs));
    EXPECT_EQ(dialogs.Texts(), QStringList{"Duplicate in program text at line 3."});
}

TEST_F(ProgramTextFiles, TextsComeBackAsTheProgramUsesThem)
{
    const QByteArray longest = QByteArray(1023, 'x') + "!";
    Write("vardex.dat", "15 = ~\n16 = " + longest + "\n17 = Vardex \xE2\x80\x93 Hilfe\n");
    ASSERT_TRUE(LoadProgramText(folder.path(), "vardex.dat", dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(GetProgramText(15), "") << "\"~\" stands for the empty text";
    EXPECT_EQ(GetProgramText(14), "") << "absent";
    EXPECT_EQ(GetProgramText(-1), "");
    EXPECT_EQ(GetProgramText(16), QString::fromLatin1(longest)) << "1024 characters come back whole";
    EXPECT_EQ(GetProgramText(17), QString::fromUtf8("Vardex \xE2\x80\x93 Hilfe"));
}

// The file that ships with the program, as the build puts it next to the programs.
TEST(ProgramText, TheShippedFileHoldsEveryTextTheProgramUses)
{
    test::RecordingDialogs dialogs;
    ASSERT_TRUE(LoadProgramText(VARDEX_BIN_DIR, "vardex.dat", dialogs))
        << dialogs.Texts().join("\n").toStdString();
    for (const int16_t address : {15, 41}) {  // web addresses, to which the program adds http://
        EXPECT_FALSE(GetProgramText(address).isEmpty()) << address;
        EXPECT_FALSE(GetProgramText(address).startsWith("http", Qt::CaseInsensitive)) << address;
    }
    EXPECT_FALSE(GetProgramText(36).isEmpty()) << "the help viewer's caption";
    EXPECT_FALSE(GetProgramText(40).isEmpty()) << "the maker's name";

    QFile help(QDir(VARDEX_BIN_DIR).filePath(GetProgramText(16)));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << "the help file named by text 16 lies beside it";
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(help.readAll());
    EXPECT_FALSE(utf8.hasError());
    EXPECT_GT(text.count('\n'), 150);
}

}  // namespace
}  // namespace vardex
