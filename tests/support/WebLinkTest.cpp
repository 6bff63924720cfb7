// SPDX-License-Identifier: MIT
// Opening a web link: always over https, and a browser that cannot be started reported with its cause.
#include <gtest/gtest.h>

#include "RecordingSeams.h"
#include "support/WebLink.h"

namespace vardex {
namespace {

TEST(WebLink, EveryLinkOpensWithHttps)
{
    const std::pair<QString, QString> cases[] = {
        {"HTTP://vardex.example.org/a.htm", "https://vardex.example.org/a.htm"},
        {"hTtP://vardex.example.org", "https://vardex.example.org"},
        {"HTTPS://vardex.example.org", "HTTPS://vardex.example.org"},
        {"http://a.example.org/?next=http://b.example.org",
         "https://a.example.org/?next=https://b.example.org"}};
    for (const auto &[address, opened] : cases) {
        test::RecordingShell shell;
        test::RecordingDialogs dialogs;
        OpenWebLink(address, shell, dialogs);
        EXPECT_EQ(shell.opened, QStringList{opened});
        EXPECT_TRUE(dialogs.shown.empty()) << "a started browser is no failure";
    }
}

TEST(WebLink, AFailureIsShownWithItsCause)
{
    const QString prefix = "Error launching web browser, error code = ";
    // No browser: the address as opened, whole and on a line of its own, for the user to copy.
    const QString noBrowser = "31.\r\n\r\nNo web browser could be started. To open the page, copy its "
                              "address into a web browser:\r\n\r\n%1";
    const std::tuple<int, QString, QString> cases[] = {
        {31, "HTTP://vardex.example.org/guide/Page.HTM",
         noBrowser.arg("https://vardex.example.org/guide/Page.HTM")},
        {31, "https://x.example.org/manual?part=2", noBrowser.arg("https://x.example.org/manual?part=2")},
        {8, "https://vardex.example.org", "8.\r\n\r\nOut of memory."},
        {2, "http://", "2.\r\n\r\nPlease try once more."},  // an empty manual address
        {5, "https://vardex.example.org", "5."},
        {32, "https://vardex.example.org", "32."}};
    for (const auto &[code, address, message] : cases) {
        test::RecordingShell shell;
        shell.result = code;
        test::RecordingDialogs dialogs;
        OpenWebLink(address, shell, dialogs);
        EXPECT_EQ(dialogs.shown,
                  std::vector<test::ShownMessage>({{prefix + message, "Cannot launch web browser",
                                                    MessageIcon::Exclamation, MessageButtons::Ok}}));
    }
}

TEST(WebLink, TheExtensionOfTheLastComponent)
{
    // clang-format off
    const std::tuple<QString, bool, QString> cases[] = {
        {"C:\\Vardex\\Help.TXT", true, "txt"}, {"C:\\Vardex\\Help.TXT", false, "TXT"}, {"notes.", true, ""},
        {"/home/ann/my.docs/readme", true, "docs/readme"}, {"C:\\Vardex\\", true, ""}, {"a.tar.GZ", 1, "gz"},
        {"a/b.x\\c", true, ""}, {"C:\\a.x/c.D", true, "d"}};
    // clang-format on
    for (const auto &[path, lowerCase, extension] : cases)
        EXPECT_EQ(FileExtension(path, lowerCase), extension) << path.toStdString();
}

}  // namespace
}  // namespace vardex
