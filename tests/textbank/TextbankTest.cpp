// SPDX-License-Identifier: MIT
// libtextbank.so as another program sees it: loaded at run time, called through its C symbols.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "textbank.h"

namespace {

namespace fs = std::filesystem;

void *const kLibrary = dlopen(TEXTBANK_PATH, RTLD_NOW | RTLD_LOCAL);
const struct {
    decltype(&lt) load = kLibrary ? reinterpret_cast<decltype(&lt)>(dlsym(kLibrary, "lt")) : nullptr;
    decltype(&gt) get = kLibrary ? reinterpret_cast<decltype(&gt)>(dlsym(kLibrary, "gt")) : nullptr;
} kLib;

// A folder of its own for the files of this test program, removed at exit.
struct Folder {
    fs::path path = fs::path(mkdtemp((fs::temp_directory_path() / "textbank-test-XXXXXX").string().data()));
    int files = 0;
    ~Folder() { fs::remove_all(path); }
    std::string Write(const std::string &contents)
    {
        const fs::path file = path / ("file" + std::to_string(++files) + ".dat");
        std::ofstream(file, std::ios::binary) << contents;
        return file.string();
    }
} gFiles;

int32_t Load(const std::string &contents) { return kLib.load(gFiles.Write(contents).c_str(), 0); }

// The text as the program fetches it, or its result code in angle brackets.
std::string Text(int32_t number)
{
    std::array<char, TEXTBANK_MAX_TEXT_BYTES> buffer{};
    const int32_t n =
        kLib.get(number, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, TEXTBANK_COUNTED);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : "<" + std::to_string(n) + ">";
}

std::string Repeat(const std::string &s, int times) { return times > 0 ? s + Repeat(s, times - 1) : ""; }

TEST(Textbank, ExportsItsFunctionsAndReadsTextsAmongCommentsAndBlankLines)
{
    ASSERT_NE(kLibrary, nullptr) << dlerror();
    ASSERT_TRUE(kLib.load && kLib.get && dlsym(kLibrary, "textbank_version"));
    const std::string file =
        "\xEF\xBB\xBF# Program texts\r\n"
        "\r\n"
        "15 = vardex.example.org/manual\r\n"
        "16=vardex-help.txt\r\n"
        " \t \r\n"
        "\t36 \t=\t Vardex Help  \r\n"
        "   # an indented comment = not a text\r\n"
        "40 = a = b # not a comment\r\n"
        "0041 = ~\r\n"
        "7 = Kalender \xE2\x80\x93 \xC3\xBC\n"  // a dash and a u-umlaut; LF alone is fine too
        "2147483647 = last";                    // no line end at the end of the file
    ASSERT_EQ(Load(file), 7);
    std::vector<std::string> texts;
    for (const int32_t n : {15, 16, 36, 40, 41, 7, 2147483647, 17, -15})
        texts.push_back(Text(n));
    EXPECT_EQ(texts, std::vector<std::string>({"vardex.example.org/manual", "vardex-help.txt", "Vardex Help",
                                               "a = b # not a comment", "~", "Kalender \xE2\x80\x93 \xC3\xBC",
                                               "last", "<0>", "<0>"}));
}

const std::string kLongest = std::string(TEXTBANK_MAX_TEXT_BYTES, 'x');

// A load's result: the number of texts, or a code; a fault's code counts its line (-500 x line - kind).
TEST(Textbank, EachFaultGivesItsCodeAndLine)
{
    // clang-format off
    const std::pair<std::string, int32_t> cases[] = {
        {"", TEXTBANK_EMPTY_FILE}, {"\n  \n\t\r\n", TEXTBANK_EMPTY_FILE},
        {"# one\n  # two\n", TEXTBANK_NO_TEXT},
        {std::string("\xFF\xFE" "1\0=\0a\0", 8), TEXTBANK_NOT_RECOVERED},  // UTF-16
        {"1 = a\n# c\n2 = b\n01 = c\n", -1504},         // a duplicate at line 4
        {"1 = a\n2 = " + kLongest + "x\n", -1002},      // a text too long at line 2
        {"1 = " + Repeat("\xC3\xA9", 512) + "x\n", -1001},
        {"1 = a\n\n#" + std::string(TEXTBANK_MAX_LINE_BYTES, 'x'), -1003},  // a line too long
        {"1 = a\n15 = \t \n", -502},                    // a text missing at line 2
        {"-3 = x\n", -501}, {"2147483648 = x\n", -501},
        {"1 = a\n\nhello\n", -503}, {std::string("1 = a\n2 = b\0c\n", 14), -502},
        {"1 = a\n2 = caf\xE9\n", -502}, {"1 = \xC0\xAF\n", -501},  // Latin-1, overlong UTF-8
        {"1 = a\n2 = \xE2\x82", -502}, {"1 = a\rb\n", -501},
        {"1 = a\n2 =\n1 = b\n", -502},                  // the first fault wins
        {Repeat("# c\n", 500) + "1 = a\n", TEXTBANK_TOO_MUCH_TEXT},
        {Repeat("#\n", 499) + "1 =\n", -1000}, {Repeat("#\n", 499) + "1 = " + kLongest + "x", -1500},
        {"1 = a\n" + Repeat("#\n", 498) + "1 = b\n", -2000},
        // What the limits still accept:
        {Repeat("#\n", 499) + "1 = a\n", 1}, {"1 = " + kLongest + "\n", 1},
        {"#" + std::string(TEXTBANK_MAX_LINE_BYTES - 1, 'x') + "\r\n1 = a", 1},
        {"1 = \xF0\x9F\x93\x85 \xF4\x8F\xBF\xBF\n", 1},
        {"1 = 20\xC2\xB0 \xE0\xA4\x95\n", 1},  // the lowest two- and three-byte leads: a degree, a Devanagari KA
        {std::string("\0\0\xFE\xFF", 4), TEXTBANK_NOT_RECOVERED},  // a UTF-32 file with no text
        // A byte-order mark counts only at the start of the file, not at the start of its second chunk.
        {Repeat("#" + std::string(4094, 'x') + "\n", 16) + "\xFE\xFF = x\n", -517}};
    // clang-format on
    for (const auto &[contents, result] : cases)
        EXPECT_EQ(Load(contents), result) << contents.substr(0, 40);
}

TEST(Textbank, PathsThatAreNotReadableFilesAndAFailedLoadReplacesNothing)
{
    const fs::path fifo = gFiles.path / "pipe";  // a pipe would block a reader
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path &path :
         {gFiles.path / "missing.dat", gFiles.path, fs::path(), fs::path("/dev/zero"), fifo})
        EXPECT_EQ(kLib.load(path.c_str(), 0), TEXTBANK_CANNOT_OPEN) << path;
    EXPECT_EQ(kLib.load(nullptr, 0), TEXTBANK_BAD_ARGUMENT);
    const std::string good = gFiles.Write("1 = a\n");
    EXPECT_EQ(kLib.load(good.c_str(), 1), TEXTBANK_BAD_ARGUMENT);
    if (geteuid() != 0) {  // root reads every file
        chmod(good.c_str(), 0);
        EXPECT_EQ(kLib.load(good.c_str(), 0), TEXTBANK_CANNOT_OPEN);
    }
    // A load replaces all texts, and a failed one none.
    ASSERT_EQ(Load("1 = one\n2 = two\n"), 2);
    EXPECT_EQ(Load("1 = uno\n1 = again\n"), -1502);
    EXPECT_EQ(kLib.load("/nonexistent/textbank.dat", 0), TEXTBANK_CANNOT_OPEN);
    EXPECT_EQ(Load(""), TEXTBANK_EMPTY_FILE);
    EXPECT_EQ(Text(1) + Text(2), "onetwo");
    ASSERT_EQ(Load("3 = three\n"), 1);
    EXPECT_EQ(Text(1) + Text(3), "<0>three");
}

constexpr int32_t kT = TEXTBANK_TERMINATED;
constexpr int32_t kC = TEXTBANK_COUNTED;
constexpr int32_t kSmall = TEXTBANK_BUFFER_TOO_SMALL;

// A six-byte text fetched into buffers of every small size: never a byte past capacity.
TEST(Textbank, WritesAtMostCapacityBytesAndTheLongestTextWhole)
{
    ASSERT_EQ(Load("5 = abcdef\n"), 1);
    // capacity, flag, result, the bytes written at the start of the buffer
    // clang-format off
    const std::tuple<int32_t, int32_t, int32_t, std::string> cases[] = {
        {0, kC, kSmall, ""}, {0, kT, kSmall, ""},                     {1, kT, kSmall, {'\0'}},
        {5, kC, kSmall, {'\0'}}, {6, kC, 6, "abcdef"},                    {6, kT, kSmall, {'\0'}},
        {7, kT, 6, {"abcdef\0", 7}}, {7, kC, 6, {"abcdef\0", 7}}, {32, kT, 6, {"abcdef\0", 7}},
        {-1, kC, TEXTBANK_INVALID_CALL, ""}, {32, 2, TEXTBANK_INVALID_CALL, {'\0'}}};
    // clang-format on
    for (const auto &[capacity, flag, result, written] : cases) {
        std::array<char, 32> buffer;
        buffer.fill('\x7F');
        EXPECT_EQ(kLib.get(5, TEXTBANK_SELECT_TEXT, buffer.data(), capacity, flag), result)
            << capacity << flag;
        EXPECT_EQ(std::string(buffer.data(), buffer.size()),
                  written + std::string(32 - written.size(), '\x7F'))
            << capacity << " " << flag;
    }
    // Lengths without writing, absent texts, and the longest text, which fills the program's buffer
    // without a NUL.
    const std::string text = kLongest.substr(0, TEXTBANK_MAX_TEXT_BYTES - 1) + "!";
    ASSERT_EQ(Load("1 = " + text + "\n"), 1);
    std::vector<char> buffer(TEXTBANK_MAX_TEXT_BYTES + 1, '\x7F');
    EXPECT_EQ(kLib.get(1, TEXTBANK_SELECT_LENGTH, buffer.data(), 4, kC), TEXTBANK_MAX_TEXT_BYTES);
    EXPECT_EQ(buffer[0], '\x7F') << "only the text selector writes";
    EXPECT_EQ(kLib.get(6, TEXTBANK_SELECT_LENGTH, nullptr, 0, kC), TEXTBANK_ABSENT);
    EXPECT_EQ(kLib.get(1, TEXTBANK_SELECT_TEXT, nullptr, 32, kC), TEXTBANK_INVALID_CALL);
    EXPECT_EQ(kLib.get(1, 2, buffer.data(), 4, kC), TEXTBANK_INVALID_CALL);
    EXPECT_EQ(kLib.get(6, TEXTBANK_SELECT_TEXT, buffer.data(), 4, kC), TEXTBANK_ABSENT);
    EXPECT_EQ(buffer[0], '\0');
    buffer[0] = '\x7F';
    EXPECT_EQ(kLib.get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, kC),
              TEXTBANK_MAX_TEXT_BYTES);
    EXPECT_EQ(std::string(buffer.data(), TEXTBANK_MAX_TEXT_BYTES) + buffer.back(), text + '\x7F');
    EXPECT_EQ(kLib.get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, kT), kSmall);
    EXPECT_EQ(kLib.get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES + 1, kT),
              TEXTBANK_MAX_TEXT_BYTES);
    EXPECT_EQ(buffer.back(), '\0');
}

}  // namespace
