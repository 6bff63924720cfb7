// libtextbank.so as another program sees it: loaded at run time, called through its C symbols.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "textbank.h"

// Allocation failures on demand. This program replaces the global operator new, and the loaded
// library's allocations go through it too.
namespace {
std::atomic<long> gAllocationsLeft{-1};  // -1: no limit
}  // namespace

// The pair allocates with malloc and frees with free; GCC, inlining both into their callers, takes
// the free for a mismatch with new.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void *operator new(std::size_t size)
{
    long left = gAllocationsLeft.load();
    while (left > 0 && !gAllocationsLeft.compare_exchange_weak(left, left - 1)) {
    }
    if (left == 0)
        throw std::bad_alloc();
    if (void *p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

namespace fs = std::filesystem;

struct Library {
    void *handle = dlopen(TEXTBANK_PATH, RTLD_NOW | RTLD_LOCAL);
    template <typename F> F Symbol(const char *name)
    {
        return handle ? reinterpret_cast<F>(dlsym(handle, name)) : nullptr;
    }
    decltype(&lt) load = Symbol<decltype(&lt)>("lt");
    decltype(&gt) get = Symbol<decltype(&gt)>("gt");
};

Library &Lib()
{
    static Library library;
    return library;
}

// A folder of its own for the files of this test program, removed at exit.
class Folder {
public:
    Folder()
    {
        std::string pattern = (fs::temp_directory_path() / "textbank-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~Folder() { fs::remove_all(path_); }
    std::string Write(const std::string &contents)
    {
        const fs::path file = path_ / ("file" + std::to_string(++files_) + ".dat");
        std::ofstream(file, std::ios::binary) << contents;
        return file.string();
    }
    const fs::path &Path() const { return path_; }

private:
    fs::path path_;
    int files_ = 0;
};

Folder &Files()
{
    static Folder folder;
    return folder;
}

int32_t Load(const std::string &contents) { return Lib().load(Files().Write(contents).c_str(), 0); }

// The text as the program fetches it, or its result code in angle brackets.
std::string Text(int32_t number)
{
    std::array<char, TEXTBANK_MAX_TEXT_BYTES> buffer{};
    const int32_t n =
        Lib().get(number, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, TEXTBANK_COUNTED);
    return n > 0 ? std::string(buffer.data(), static_cast<std::size_t>(n)) : "<" + std::to_string(n) + ">";
}

std::string Repeat(const std::string &s, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

TEST(Textbank, ExportsBothFunctions)
{
    ASSERT_NE(Lib().handle, nullptr) << dlerror();
    EXPECT_NE(Lib().load, nullptr);
    EXPECT_NE(Lib().get, nullptr);
}

TEST(Textbank, ReadsTextsAmongCommentsAndBlankLines)
{
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
    EXPECT_EQ(Text(15), "vardex.example.org/manual");
    EXPECT_EQ(Text(16), "vardex-help.txt");
    EXPECT_EQ(Text(36), "Vardex Help");
    EXPECT_EQ(Text(40), "a = b # not a comment");
    EXPECT_EQ(Text(41), "~");
    EXPECT_EQ(Text(7), "Kalender \xE2\x80\x93 \xC3\xBC");
    EXPECT_EQ(Text(2147483647), "last");
    EXPECT_EQ(Text(17), "<0>");
    EXPECT_EQ(Text(-15), "<0>");
}

struct FileCase {
    const char *name;
    std::string contents;
    int32_t result;  // of lt
};

class FileContents : public testing::TestWithParam<FileCase> {};

TEST_P(FileContents, LoadGivesItsCodeAndLine) { EXPECT_EQ(Load(GetParam().contents), GetParam().result); }

const std::string kLongest = std::string(TEXTBANK_MAX_TEXT_BYTES, 'x');

INSTANTIATE_TEST_SUITE_P(
    Textbank, FileContents,
    testing::Values(
        FileCase{"Empty", "", TEXTBANK_EMPTY_FILE},
        FileCase{"OnlyByteOrderMark", "\xEF\xBB\xBF", TEXTBANK_EMPTY_FILE},
        FileCase{"OnlyBlankLines", "\n  \n\t\r\n", TEXTBANK_EMPTY_FILE},
        FileCase{"OnlyComments", "# one\n  # two\n", TEXTBANK_NO_TEXT},
        FileCase{"Utf16",
                 std::string("\xFF\xFE"
                             "1\0=\0a\0",
                             8),
                 TEXTBANK_NOT_RECOVERED},
        FileCase{"DuplicateAtLine4", "1 = a\n# c\n2 = b\n01 = c\n", -1504},
        FileCase{"DuplicateInCrLfFile", "1 = a\r\n\r\n1 = b\r\n", -1503},
        FileCase{"TextTooLongAtLine2", "1 = a\n2 = " + kLongest + "x\n", -1002},
        FileCase{"MultiByteTextTooLong", "1 = " + Repeat("\xC3\xA9", 512) + "x\n", -1001},
        FileCase{"LineTooLongAtLine3", "1 = a\n\n#" + std::string(TEXTBANK_MAX_LINE_BYTES, 'x'), -1003},
        FileCase{"OnlyBlanksAfterEquals", "1 = a\n15 = \t \n", -502},
        FileCase{"NoEqualsSign", "1 = a\n15 vardex\n", -502}, FileCase{"NegativeNumber", "-3 = x\n", -501},
        FileCase{"NumberBeyond32Bits", "2147483648 = x\n", -501},
        FileCase{"WordsOnly", "1 = a\n\nhello\n", -503},
        FileCase{"NulInText", std::string("1 = a\n2 = b\0c\n", 14), -502},
        FileCase{"NulInComment", std::string("1 = a\n# \0\n", 10), -502},
        FileCase{"Latin1Byte", "1 = a\n2 = caf\xE9\n", -502},
        FileCase{"OverlongUtf8", "1 = \xC0\xAF\n", -501},
        FileCase{"CutUtf8AtEndOfFile", "1 = a\n2 = \xE2\x82", -502},
        FileCase{"StrayCarriageReturn", "1 = a\rb\n", -501},
        FileCase{"OldMacLineEnds", "1 = a\r2 = b\r", -501},
        FileCase{"FirstFaultWins", "1 = a\n2 =\n1 = b\n", -502},
        FileCase{"Line501", Repeat("# c\n", 500) + "1 = a\n", TEXTBANK_TOO_MUCH_TEXT},
        FileCase{"BlankLine501", "1 = a\n" + Repeat("\n", 500), TEXTBANK_TOO_MUCH_TEXT},
        FileCase{"MissingAtLine500", Repeat("#\n", 499) + "1 =\n", -1000},
        FileCase{"TooLongAtLine500", Repeat("#\n", 499) + "1 = " + kLongest + "x", -1500},
        FileCase{"DuplicateAtLine500", "1 = a\n" + Repeat("#\n", 498) + "1 = b\n", -2000},
        // What the limits still accept:
        FileCase{"FiveHundredLines", Repeat("#\n", 499) + "1 = a\n", 1},
        FileCase{"LongestText", "1 = " + kLongest + "\n", 1},
        FileCase{"LongestMultiByteText", "1 = " + Repeat("\xC3\xA9", 512) + "\n", 1},
        FileCase{"LongestLineWithCrLf", "#" + std::string(TEXTBANK_MAX_LINE_BYTES - 1, 'x') + "\r\n1 = a", 1},
        FileCase{"FourByteCharacters", "1 = \xF0\x9F\x93\x85 \xF4\x8F\xBF\xBF\n", 1}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Textbank, PathsThatAreNotReadableFiles)
{
    EXPECT_EQ(Lib().load((Files().Path() / "missing.dat").c_str(), 0), TEXTBANK_CANNOT_OPEN);
    EXPECT_EQ(Lib().load(Files().Path().c_str(), 0), TEXTBANK_CANNOT_OPEN) << "a folder";
    EXPECT_EQ(Lib().load("", 0), TEXTBANK_CANNOT_OPEN);
    EXPECT_EQ(Lib().load("/dev/zero", 0), TEXTBANK_CANNOT_OPEN) << "a device";
    const fs::path fifo = Files().Path() / "pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Lib().load(fifo.c_str(), 0), TEXTBANK_CANNOT_OPEN) << "a pipe, which would block a reader";
    EXPECT_EQ(Lib().load(nullptr, 0), TEXTBANK_BAD_ARGUMENT);
    const std::string good = Files().Write("1 = a\n");
    EXPECT_EQ(Lib().load(good.c_str(), 1), TEXTBANK_BAD_ARGUMENT);
    if (geteuid() != 0) {  // root reads every file
        chmod(good.c_str(), 0);
        EXPECT_EQ(Lib().load(good.c_str(), 0), TEXTBANK_CANNOT_OPEN);
    }
}

TEST(Textbank, ALoadReplacesAllTextsAndAFailedOneNone)
{
    ASSERT_EQ(Load("1 = one\n2 = two\n"), 2);
    EXPECT_EQ(Load("1 = uno\n1 = again\n"), -1502);
    EXPECT_EQ(Lib().load("/nonexistent/textbank.dat", 0), TEXTBANK_CANNOT_OPEN);
    EXPECT_EQ(Load(""), TEXTBANK_EMPTY_FILE);
    EXPECT_EQ(Text(1), "one");
    EXPECT_EQ(Text(2), "two");
    ASSERT_EQ(Load("3 = three\n"), 1);
    EXPECT_EQ(Text(1), "<0>");
    EXPECT_EQ(Text(3), "three");
}

// A six-byte text fetched into buffers of every small size: never a byte past capacity.
struct BufferCase {
    const char *name;
    int32_t capacity, flag, result;
    const char *written;  // the bytes expected at the start of the buffer
    std::size_t writtenBytes;
};

class Buffers : public testing::TestWithParam<BufferCase> {};

TEST_P(Buffers, WriteAtMostCapacityBytes)
{
    const BufferCase &c = GetParam();
    ASSERT_EQ(Load("5 = abcdef\n"), 1);
    constexpr char kCanary = '\x7F';
    std::array<char, 32> buffer;
    buffer.fill(kCanary);
    EXPECT_EQ(Lib().get(5, TEXTBANK_SELECT_TEXT, buffer.data(), c.capacity, c.flag), c.result);
    EXPECT_EQ(std::string(buffer.data(), c.writtenBytes), std::string(c.written, c.writtenBytes));
    for (std::size_t i = c.writtenBytes; i < buffer.size(); ++i)
        ASSERT_EQ(buffer[i], kCanary) << "byte " << i;
}

constexpr int32_t kT = TEXTBANK_TERMINATED;
constexpr int32_t kC = TEXTBANK_COUNTED;
constexpr int32_t kSmall = TEXTBANK_BUFFER_TOO_SMALL;

INSTANTIATE_TEST_SUITE_P(Textbank, Buffers,
                         testing::Values(BufferCase{"Capacity0Counted", 0, kC, kSmall, "", 0},
                                         BufferCase{"Capacity0Terminated", 0, kT, kSmall, "", 0},
                                         BufferCase{"Capacity1Terminated", 1, kT, kSmall, "", 1},
                                         BufferCase{"Capacity5Counted", 5, kC, kSmall, "", 1},
                                         BufferCase{"Capacity6Counted", 6, kC, 6, "abcdef", 6},
                                         BufferCase{"Capacity6Terminated", 6, kT, kSmall, "", 1},
                                         BufferCase{"Capacity7Terminated", 7, kT, 6, "abcdef", 7},
                                         BufferCase{"Capacity7Counted", 7, kC, 6, "abcdef", 7},
                                         BufferCase{"Capacity32Terminated", 32, kT, 6, "abcdef", 7},
                                         BufferCase{"NegativeCapacity", -1, kC, TEXTBANK_INVALID_CALL, "", 0},
                                         BufferCase{"UnknownFlag", 32, 2, TEXTBANK_INVALID_CALL, "", 1}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Textbank, OtherCallsOfGt)
{
    ASSERT_EQ(Load("5 = abcdef\n"), 1);
    std::array<char, 4> buffer = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(Lib().get(6, TEXTBANK_SELECT_TEXT, buffer.data(), 4, kC), TEXTBANK_ABSENT);
    EXPECT_EQ(std::string(buffer.data(), 4), std::string("\0xxx", 4));
    EXPECT_EQ(Lib().get(5, TEXTBANK_SELECT_TEXT, nullptr, 32, kC), TEXTBANK_INVALID_CALL);
    EXPECT_EQ(Lib().get(5, TEXTBANK_SELECT_LENGTH, nullptr, 0, kC), 6);
    EXPECT_EQ(Lib().get(6, TEXTBANK_SELECT_LENGTH, nullptr, 0, kC), TEXTBANK_ABSENT);
    buffer.fill('x');
    EXPECT_EQ(Lib().get(5, 2, buffer.data(), 4, kC), TEXTBANK_INVALID_CALL);
    EXPECT_EQ(Lib().get(5, TEXTBANK_SELECT_LENGTH, buffer.data(), 4, kC), 6);
    EXPECT_EQ(std::string(buffer.data(), 4), "xxxx") << "only the text selector writes";
}

TEST(Textbank, LongestTextFillsTheProgramsBufferWithoutANul)
{
    const std::string text = kLongest.substr(0, TEXTBANK_MAX_TEXT_BYTES - 1) + "!";
    ASSERT_EQ(Load("1 = " + text + "\n"), 1);
    std::vector<char> buffer(TEXTBANK_MAX_TEXT_BYTES + 1, '\x7F');
    EXPECT_EQ(Lib().get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, kC),
              TEXTBANK_MAX_TEXT_BYTES);
    EXPECT_EQ(std::string(buffer.data(), TEXTBANK_MAX_TEXT_BYTES), text);
    EXPECT_EQ(buffer.back(), '\x7F');
    EXPECT_EQ(Lib().get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES, kT), kSmall);
    EXPECT_EQ(Lib().get(1, TEXTBANK_SELECT_TEXT, buffer.data(), TEXTBANK_MAX_TEXT_BYTES + 1, kT),
              TEXTBANK_MAX_TEXT_BYTES);
    EXPECT_EQ(buffer.back(), '\0');
}

TEST(Textbank, NothingLoadedInAFreshCopy)
{
    // A new link-map namespace holds a copy of the library of its own, with an empty table.
    void *fresh = dlmopen(LM_ID_NEWLM, TEXTBANK_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(fresh, nullptr) << dlerror();
    const auto get = reinterpret_cast<decltype(&gt)>(dlsym(fresh, "gt"));
    ASSERT_NE(get, nullptr);
    std::array<char, 8> buffer = {'x'};
    EXPECT_EQ(get(15, TEXTBANK_SELECT_TEXT, buffer.data(), 8, kC), TEXTBANK_NOTHING_LOADED);
    EXPECT_EQ(buffer[0], '\0');
    dlclose(fresh);
}

// Texts of one file are all "A"s, of the other all "B"s: a reader must never see a mixture or a
// text cut short while the files are swapped under it.
TEST(Textbank, ReadsWhileOtherThreadsLoad)
{
    constexpr int kTexts = 50, kLength = 300;
    std::string a, b;
    for (int n = 1; n <= kTexts; ++n) {
        a += std::to_string(n) + " = " + std::string(kLength, 'A') + "\n";
        b += std::to_string(n) + " = " + std::string(kLength, 'B') + "\n";
    }
    const std::string fileA = Files().Write(a), fileB = Files().Write(b);
    ASSERT_EQ(Lib().load(fileA.c_str(), 0), kTexts);

    std::atomic<int> faults{0};
    std::vector<std::thread> threads;
    for (const std::string *file : {&fileA, &fileB}) {
        threads.emplace_back([&faults, file] {
            for (int i = 0; i < 100; ++i) {
                if (Lib().load(file->c_str(), 0) != kTexts)
                    ++faults;
            }
        });
    }
    for (int reader = 0; reader < 3; ++reader) {
        threads.emplace_back([&faults, reader] {
            std::array<char, TEXTBANK_MAX_TEXT_BYTES> buffer;
            for (int i = 0; i < 3000; ++i) {
                const int32_t n = Lib().get(1 + (i + reader) % kTexts, TEXTBANK_SELECT_TEXT, buffer.data(),
                                            TEXTBANK_MAX_TEXT_BYTES, kC);
                const std::string text(buffer.data(), n == kLength ? kLength : 0);
                if (n != kLength || (text != std::string(kLength, 'A') && text != std::string(kLength, 'B')))
                    ++faults;
            }
        });
    }
    for (std::thread &t : threads)
        t.join();
    EXPECT_EQ(faults, 0);
}

// Every allocation of a load fails in turn: each failure gives a memory code, never a crash or an
// exception, and leaves the texts of the last good load.
TEST(Textbank, MemoryShortageGivesACodeAndKeepsTheOldTexts)
{
    ASSERT_EQ(Load("1 = previous\n"), 1);
    std::string file;
    for (int n = 1; n <= 5; ++n)
        file += std::to_string(n) + " = " + std::string(100, static_cast<char>('a' + n)) + "\n";
    const std::string path = Files().Write(file);

    std::set<int32_t> codes;
    int32_t result = 0;
    for (long allowed = 0; allowed < 1000 && result <= 0; ++allowed) {
        gAllocationsLeft = allowed;
        result = Lib().load(path.c_str(), 0);
        gAllocationsLeft = -1;
        if (result <= 0) {
            codes.insert(result);
            ASSERT_EQ(Text(1), "previous") << "after " << allowed << " allocations";
        }
    }
    EXPECT_EQ(result, 5);
    EXPECT_EQ(codes, (std::set<int32_t>{TEXTBANK_TEXT_MEMORY, TEXTBANK_GENERAL_MEMORY}));
    EXPECT_EQ(Text(5), std::string(100, 'f'));
}

}  // namespace
