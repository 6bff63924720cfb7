// SPDX-License-Identifier: MIT
// The program text file (where it is, its messages and texts) and web links (https, failures' causes).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <climits>

#include "RecordingSeams.h"
#include "support/DataFolder.h"
#include "support/ProgramText.h"
#include "support/WebLink.h"

namespace vardex {
namespace {

// The load messages name the cause and the line. The file is looked for next to the program first
// (the build folder), then in ../share/vardex (a package), else next to it. A file that cannot be opened
// is fatal and names the path tried, one "/" between folder and name; a faulty one names its line;
// texts come back as the program uses them; the shipped file has all the program uses.
TEST(ProgramText, LoadMessagesFindingAndLoadingAFileAndTheShippedOne)
{
    // clang-format off
    const std::pair<int32_t, QString> cases[] = {
        {-1512, "Duplicate in program text at line 12."}, {-1501, "Duplicate in program text at line 1."},
        {INT32_MIN, "Duplicate in program text at line 2147482148."}, {-9, "Error -9"}, {3, ""},
        {-1003, "String too long at line 3."},            {-1500, "String too long at line 500."},
        {-501, "Missing string at line 1."},              {-1000, "Missing string at line 500."},
        {-500, "Error -500"}, {-5, "Error -5"},           {0, "No program text was read."},
        {-1, "Cannot open file containing program text.\r\n/opt/vardex/vardex.dat"},
        {-2, "Particular memory allocation error."},      {-3, "Too much program text."},
        {-4, "Text not recovered."},                      {-6, "File is empty."},
        {-7, "Error reading file."},                      {-8, "General memory allocation error."}};
    // clang-format on
    for (const auto &[code, message] : cases)
        EXPECT_EQ(ProgramTextLoadMessage(code, "/opt/vardex/vardex.dat"), message) << code;
    const QTemporaryDir root;
    const std::string bin = root.filePath("usr/bin").toStdString(),
                      share = root.filePath("usr/share/vardex").toStdString();
    ASSERT_TRUE(QDir().mkpath(root.filePath("usr/bin")) && QDir().mkpath(root.filePath("usr/share/vardex")));
    EXPECT_EQ(DataFolder(bin), bin) << "nowhere: where the messages point";
    QFile(root.filePath("usr/share/vardex/vardex.dat")).open(QIODevice::WriteOnly);
    EXPECT_EQ(DataFolder(bin), share);
    QFile(root.filePath("usr/bin/vardex.dat")).open(QIODevice::WriteOnly);
    EXPECT_EQ(DataFolder(bin), bin);
    const QTemporaryDir folder;
    const QString path = folder.filePath("vardex.dat");
    for (const QString &programFolder : {folder.path(), folder.path() + "/"}) {
        test::RecordingDialogs shown;
        EXPECT_FALSE(LoadProgramText(programFolder, "vardex.dat", shown));
        EXPECT_EQ(shown.Texts(), QStringList{"Cannot open file containing program text.\r\n" + path});
    }
    test::RecordingDialogs faulty, dialogs;
    const auto load = [&](const QByteArray &contents, test::RecordingDialogs &shown) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        return LoadProgramText(folder.path(), "vardex.dat", shown);
    };
    EXPECT_FALSE(load("15 = a\n16 = b\n15 = c\n", faulty));
    EXPECT_EQ(faulty.Texts(), QStringList{"Duplicate in program text at line 3."});
    const QByteArray longest = QByteArray(1023, 'x') + "!";
    ASSERT_TRUE(load("15 = ~\n16 = " + longest + "\n17 = Vardex \xE2\x80\x93 Hilfe\n", dialogs));
    EXPECT_EQ(GetProgramText(15) + GetProgramText(14) + GetProgramText(-1), "") << "\"~\" as absent";
    EXPECT_EQ(GetProgramText(16), QString::fromLatin1(longest)) << "1024 characters come back whole";
    EXPECT_EQ(GetProgramText(17), QString::fromUtf8("Vardex \xE2\x80\x93 Hilfe"));
    ASSERT_TRUE(LoadProgramText(VARDEX_BIN_DIR, "vardex.dat", dialogs))
        << dialogs.Texts().join("\n").toStdString();
    EXPECT_FALSE(GetProgramText(15).isEmpty() || GetProgramText(40).isEmpty()) << "the maker, its address";
    EXPECT_FALSE(GetProgramText(41).isEmpty() || GetProgramText(41).startsWith("http", Qt::CaseInsensitive))
        << "an address to which we add http://";
}

// A started browser (42) is handed the https address; a failure's code is shown with its cause, no
// browser (31) with the address as opened, whole and on a line of its own, for the user to copy. And
// the extension of a path's last component, as typed or in lower case.
TEST(WebLink, EveryLinkOpensWithHttpsAFailureIsShownWithItsCauseAndExtensionsAreRead)
{
    const QString noBrowser = "31.\r\n\r\nNo web browser could be started. To open the page, copy its "
                              "address into a web browser:\r\n\r\n";
    const std::tuple<QString, int, QString> cases[] = {
        {"HTTP://vardex.example.org/a.htm", 42, "https://vardex.example.org/a.htm"},
        {"HTTPS://vardex.example.org", 42, "HTTPS://vardex.example.org"},
        {"http://a.example/?next=http://b.example", 42, "https://a.example/?next=https://b.example"},
        {"HTTP://vardex.example.org/guide/Page.HTM", 31,
         noBrowser + "https://vardex.example.org/guide/Page.HTM"},
        {"https://vardex.example.org", 8, "8.\r\n\r\nOut of memory."},
        {"http://", 2, "2.\r\n\r\nPlease try once more."},  // an empty manual address
        {"https://vardex.example.org", 5, "5."},
        {"https://vardex.example.org", 32, "32."}};
    for (const auto &[address, code, expected] : cases) {
        test::RecordingShell shell;
        shell.result = code;
        test::RecordingDialogs dialogs;
        OpenWebLink(address, shell, dialogs);
        if (code == 42)
            EXPECT_EQ(std::pair(shell.opened, dialogs.shown.size()),
                      std::pair(QStringList{expected}, size_t(0)));
        else
            EXPECT_EQ(dialogs.shown,
                      (std::vector<test::ShownMessage>{
                          {"Error launching web browser, error code = " + expected,
                           "Cannot launch web browser", MessageIcon::Exclamation, MessageButtons::Ok}}));
    }
    // clang-format off
    const std::tuple<QString, bool, QString> paths[] = {
        {"C:\\Vardex\\Help.TXT", true, "txt"}, {"C:\\Vardex\\Help.TXT", false, "TXT"}, {"notes.", true, ""},
        {"/home/ann/my.docs/readme", true, "docs/readme"}, {"C:\\Vardex\\", true, ""}, {"a.tar.GZ", 1, "gz"},
        {"a/b.x\\c", true, ""}, {"C:\\a.x/c.D", true, "d"}};
    // clang-format on
    for (const auto &[path, lowerCase, extension] : paths)
        EXPECT_EQ(FileExtension(path, lowerCase), extension) << path.toStdString();
}

}  // namespace
}  // namespace vardex
