#include <gtest/gtest.h>

#include "RecordingSeams.h"
#include "support/WebLink.h"

namespace vardex {
namespace {

struct FailureCase {
    const char *name;
    int code;
    QString address;
    QString message;
};

class ShellFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(ShellFailures, AreShownWithTheirCause)
{
    test::RecordingShell shell;
    shell.result = GetParam().code;
    test::RecordingDialogs dialogs;
    OpenWebLink(GetParam().address, shell, dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, GetParam().message);
    EXPECT_EQ(dialogs.shown[0].title, "Cannot launch web browser");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.shown[0].buttons, MessageButtons::Ok);
}

const QString kPrefix = "Error launching web browser, error code = ";

QString NoApplicationFor(const QString &extension)
{
    return kPrefix + "31.\r\n\r\nFile extension '" + extension +
           "' is not associated with any application program.";
}

INSTANTIATE_TEST_SUITE_P(
    WebLink, ShellFailures,
    testing::Values(
        FailureCase{"NoApplicationForHtm", 31, "HTTP://vardex.example.org/guide/Page.HTM",
                    "Error launching web browser, error code = 31.\r\n\r\n"
                    "File extension 'htm' is not associated with any application program."},
        FailureCase{"NoApplicationForDomain", 31, "http://vardex.example.org", NoApplicationFor("org")},
        FailureCase{"NoApplicationForAFolder", 31, "https://x.example.org/manual",
                    NoApplicationFor("org/manual")},
        FailureCase{"OutOfMemory", 8, "https://vardex.example.org", kPrefix + "8.\r\n\r\nOut of memory."},
        FailureCase{"NotFound", 2, "https://vardex.example.org", kPrefix + "2.\r\n\r\nPlease try once more."},
        FailureCase{"OtherCode", 5, "https://vardex.example.org", kPrefix + "5."},
        FailureCase{"HighestFailure", 32, "https://vardex.example.org", kPrefix + "32."}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WebLink, EveryLinkOpensWithHttps)
{
    const std::pair<QString, QString> cases[] = {
        {"HTTP://vardex.example.org/a.htm", "https://vardex.example.org/a.htm"},
        {"hTtP://vardex.example.org", "https://vardex.example.org"},
        {"https://vardex.example.org", "https://vardex.example.org"},
        {"HTTPS://vardex.example.org", "HTTPS://vardex.example.org"},
        {"http://a.example.org/?next=http://b.example.org",
         "https://a.example.org/?next=https://b.example.org"},
    };
    for (const auto &[address, opened] : cases) {
        test::RecordingShell shell;
        test::RecordingDialogs dialogs;
        OpenWebLink(address, shell, dialogs);
        EXPECT_EQ(shell.opened, QStringList{opened});
        EXPECT_TRUE(dialogs.shown.empty()) << "a started browser is no failure";
    }
}

TEST(WebLink, AnEmptyManualAddressOpensHttpsAloneAndReportsTheFailure)
{
    test::RecordingShell shell;
    shell.result = 2;
    test::RecordingDialogs dialogs;
    OpenWebLink("http://" + QString(), shell, dialogs);
    EXPECT_EQ(shell.opened, QStringList{"https://"});
    EXPECT_EQ(dialogs.Texts(), QStringList{kPrefix + "2.\r\n\r\nPlease try once more."});
}

struct ExtensionCase {
    const char *name;
    QString path;
    bool lowerCase;
    QString extension;
};

class Extensions : public testing::TestWithParam<ExtensionCase> {};

TEST_P(Extensions, OfTheLastComponent)
{
    EXPECT_EQ(FileExtension(GetParam().path, GetParam().lowerCase), GetParam().extension);
}

INSTANTIATE_TEST_SUITE_P(
    WebLink, Extensions,
    testing::Values(ExtensionCase{"WindowsPath", "C:\\Vardex\\Help.TXT", true, "txt"},
                    ExtensionCase{"CaseKept", "C:\\Vardex\\Help.TXT", false, "TXT"},
                    ExtensionCase{"SlashIsNoSeparator", "/home/ann/my.docs/readme", true, "docs/readme"},
                    ExtensionCase{"LastDot", "backup.tar.GZ", true, "gz"},
                    ExtensionCase{"WebPage", "https://vardex.example.org/guide/Page.HTM", true, "htm"},
                    ExtensionCase{"WebAddressWithoutFile", "https://vardex.example.org", false, "org"},
                    ExtensionCase{"WebFolder", "https://vardex.example/manual", true, "example/manual"},
                    ExtensionCase{"EndsWithSeparator", "C:\\Vardex\\", true, ""},
                    ExtensionCase{"EndsWithDot", "notes.", true, ""},
                    ExtensionCase{"HiddenFile", "/home/ann/.profile", true, "profile"},
                    ExtensionCase{"BackslashAfterSlash", "a/b.x\\c", true, ""},
                    ExtensionCase{"SlashAfterBackslash", "C:\\a.x/c.D", true, "d"}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vardex
