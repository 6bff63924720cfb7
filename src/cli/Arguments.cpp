#include "Arguments.h"

#include <limits>

namespace vardex::cli {

namespace {

std::optional<CalendarName> ParseCalendar(const std::string &text)
{
    if (text == "gregorian")
        return CalendarName::Gregorian;
    if (text == "julian")
        return CalendarName::Julian;
    if (text == "dee")
        return CalendarName::Dee;
    return std::nullopt;
}

// "Y-M-D" with an optional sign on the year: "-43-3-15".
std::optional<Ymd> ParseYmd(const std::string &text, std::string &error)
{
    const size_t yearEnd = text.find('-', text.empty() ? 0 : 1);
    const size_t monthEnd = yearEnd == std::string::npos ? yearEnd : text.find('-', yearEnd + 1);
    if (monthEnd == std::string::npos) {
        error = "--date wants Y-M-D, such as 2024-3-5 or -43-3-15, not '" + text + "'";
        return std::nullopt;
    }
    const auto year = ParseInt32(text.substr(0, yearEnd));
    const auto month = ParseInt32(text.substr(yearEnd + 1, monthEnd - yearEnd - 1));
    const auto day = ParseInt32(text.substr(monthEnd + 1));
    if (!year || !month || !day) {
        error = "--date wants three whole numbers within 32 bits, not '" + text + "'";
        return std::nullopt;
    }
    return Ymd{*year, *month, *day};
}

class Cursor {
public:
    explicit Cursor(const std::vector<std::string> &args) : args_(args) {}
    bool AtEnd() const { return next_ >= args_.size(); }
    const std::string &Take() { return args_[next_++]; }
    // The value after option; false (with error set) when there is none.
    bool TakeValue(const std::string &option, std::string &value, std::string &error)
    {
        if (AtEnd()) {
            error = option + " needs a value";
            return false;
        }
        value = Take();
        return true;
    }

private:
    const std::vector<std::string> &args_;
    size_t next_ = 0;
};

bool ParseConvertOption(const std::string &option, Cursor &cursor, Arguments &out, std::string &error)
{
    std::string value;
    if (option == "--jdn") {
        if (!cursor.TakeValue(option, value, error))
            return false;
        out.jdn = ParseInt32(value);
        if (!out.jdn)
            error = "--jdn wants a whole number within 32 bits, not '" + value + "'";
        return out.jdn.has_value();
    }
    if (option == "--date") {
        if (!cursor.TakeValue(option, value, error))
            return false;
        out.date = ParseYmd(value, error);
        return out.date.has_value();
    }
    if (option == "--calendar") {
        if (!cursor.TakeValue(option, value, error))
            return false;
        out.calendar = ParseCalendar(value);
        if (!out.calendar)
            error = "--calendar wants gregorian, julian or dee, not '" + value + "'";
        return out.calendar.has_value();
    }
    error = "unknown option '" + option + "' for convert";
    return false;
}

std::string CheckConvert(const Arguments &a)
{
    if (a.jdn && a.date)
        return "convert takes --jdn or --date, not both";
    if (!a.jdn && !a.date)
        return "convert needs --jdn N or --date Y-M-D --calendar NAME";
    if (a.date && !a.calendar)
        return "--date needs --calendar gregorian, julian or dee";
    if (a.jdn && a.calendar)
        return "--calendar goes with --date, not with --jdn";
    return {};
}

}  // namespace

std::optional<int32_t> ParseInt32(const std::string &text)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

ParseResult ParseArguments(const std::vector<std::string> &args)
{
    ParseResult result;
    Arguments &out = result.arguments;
    std::string &error = result.error;
    Cursor cursor(args);
    bool haveCommand = false;
    while (!cursor.AtEnd() && error.empty()) {
        const std::string &arg = cursor.Take();
        std::string value;
        if (arg == "--help" || arg == "-h") {
            out = Arguments{};  // help wins over everything else
            return result;
        }
        if (arg == "--json") {
            out.json = true;
        } else if (arg == "--variant") {
            if (!cursor.TakeValue(arg, value, error))
                break;
            if (value == "dee" || value == "dee-cecil")
                out.deeVariant = value == "dee";
            else
                error = "--variant wants dee or dee-cecil, not '" + value + "'";
        } else if (!haveCommand) {
            if (arg != "convert") {
                error = "unknown command '" + arg + "'";
                break;
            }
            out.command = Command::Convert;
            haveCommand = true;
        } else {
            ParseConvertOption(arg, cursor, out, error);
        }
    }
    if (error.empty() && !haveCommand)
        error = "no command given";
    if (error.empty() && out.command == Command::Convert)
        error = CheckConvert(out);
    return result;
}

std::string UsageText()
{
    return "Usage:\n"
           "  vardex-cli [--variant dee|dee-cecil] convert (--jdn N | --date Y-M-D --calendar CAL) [--json]\n"
           "  vardex-cli --help\n"
           "\n"
           "  CAL := gregorian | julian | dee      Y-M-D: astronomical year (0 = 1 BC), e.g. -43-3-15\n"
           "  --variant chooses the Dee calendar's epoch: dee (1-1-1 D = JDN 1,721,425) or\n"
           "  dee-cecil (1-1-1 DC = JDN 1,721,426, the default).\n"
           "\n"
           "Exit status: 0 done, 1 the program refused the input (message on standard error),\n"
           "2 malformed arguments.\n";
}

}  // namespace vardex::cli
