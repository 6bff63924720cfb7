// Every one-, two- and three-character text over the characters that dates are typed with,
// typed into each year box and each arithmetic box of a started main window, followed by the
// refresher's ticks and Calculate. Each must end in a result or in at least one message: never a
// crash, never an exception, never a Calculate that silently does nothing, never half an output.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "StartedMainWindow.h"
#include "engine/Calendars.h"

namespace vardex::test {
namespace {

const QString kAlphabet = QStringLiteral("0123456789-,.' +CEJDBA");

std::vector<QString> AllShortTexts()
{
    std::vector<QString> texts;
    for (const QChar a : kAlphabet) {
        texts.emplace_back(a);
        for (const QChar b : kAlphabet) {
            texts.push_back(QString(a) + b);
            for (const QChar c : kAlphabet)
                texts.push_back(QString(a) + b + c);
        }
    }
    return texts;
}

enum ListEntry { kAD = 1, kGregorianCalendar = 1 };

// The sweep types without the shared helpers' tick, so that each text gets exactly its own ticks.
class Window : public StartedMainWindow {
public:
    // 15 March 2024, in the month,day,year form, with the year as typed.
    void EnterMonthDayYear(const QString &year)
    {
        controller.SelectOption(form.optInputDateWithoutAYN);
        controller.SelectListEntry(form.cboMonthNames, 3);
        controller.SelectListEntry(form.cboDayNumbers, 15);
        form.txbYearADBCetc.text = year;
        form.txbYearADBCetc.caret = year.size();
        controller.SelectListEntry(form.cboYearDesADBCetc, kAD);
        controller.SelectListEntry(form.cboCalendar[0], kGregorianCalendar);
    }

    void EnterYearMonthDay(const QString &text, int calendarEntry)
    {
        controller.SelectOption(form.optInputDateWithAYN);
        controller.SelectListEntry(form.cboCalendar[1], calendarEntry);
        form.txbYearCEJC.text = text;
        form.txbYearCEJC.caret = text.size();
    }

    // The arithmetic with one amount typed and the other three boxes empty.
    void EnterAmount(bool plus, size_t box, const QString &amount)
    {
        controller.SelectOption(plus ? form.optPlus : form.optMinus);
        for (size_t i = 0; i < form.txbArith.size(); ++i)
            form.txbArith[i].text = i == box ? amount : QString();
    }

    void ClearArithmetic()
    {
        form.optPlus.value = false;
        form.optMinus.value = false;
        for (TextBox &box : form.txbArith)
            box.text.clear();
    }
};

struct Box {
    std::string name;
    std::function<void(Window &, const QString &)> type;
    bool someGiveResults;  // a year-month-day date needs five characters at least
};

void PrintTo(const Box &box, std::ostream *os) { *os << box.name; }

class InputTexts : public testing::TestWithParam<Box> {};

TEST_P(InputTexts, EndInAResultOrAMessage)
{
    Window w;
    ASSERT_TRUE(w.started);
    int results = 0, refused = 0, incomplete = 0;
    for (const QString &text : AllShortTexts()) {
        SCOPED_TRACE("typed \"" + text.toStdString() + "\"");
        GetParam().type(w, text);
        w.controller.Timer1_Timer();  // two ticks, as a second passes: the first may choose the
        w.controller.Timer1_Timer();  // calendar that a typed designator names
        if (!w.form.cmdCalculate.enabled) {
            // Nothing to press: only an input the refresher finds incomplete disables Calculate.
            ASSERT_EQ(w.form.intInputDateType, -1);
            ++incomplete;
            continue;
        }
        w.dialogs.shown.clear();
        w.controller.cmdCalculate_Click();

        int shown = 0;
        for (TextBox *box : w.form.OutputBoxes()) {
            ASSERT_EQ(box->visible, !box->text.isEmpty()) << "an output box shown empty or hidden full";
            shown += box->visible;
        }
        ASSERT_TRUE(shown == 0 || shown == 8) << shown << " of the 8 output boxes shown";
        ASSERT_TRUE(shown == 8 || !w.dialogs.shown.empty()) << "Calculate ended without result or message";
        for (const ShownMessage &message : w.dialogs.shown)
            ASSERT_FALSE(message.text.isEmpty());
        (shown == 8 ? results : refused) += 1;
    }
    // The run means something only if the outcomes it can have occur.
    EXPECT_EQ(results > 0, GetParam().someGiveResults) << results << " results";
    EXPECT_GT(refused, 0);
    RecordProperty("results", results);
    RecordProperty("refused", refused);
    RecordProperty("incomplete", incomplete);
}

std::vector<Box> Boxes()
{
    std::vector<Box> boxes = {
        {"YearOfMonthDayYear",
         [](Window &w, const QString &text) {
             w.ClearArithmetic();
             w.EnterMonthDayYear(text);
         },
         true},
    };
    static const char *const kCalendars[] = {"NoCalendar", "Gregorian", "Julian", "Dee"};
    for (int entry = 0; entry < 4; ++entry) {
        boxes.push_back({std::string("YearMonthDay") + kCalendars[entry],
                         [entry](Window &w, const QString &text) {
                             w.ClearArithmetic();
                             w.EnterYearMonthDay(text, entry);
                         },
                         false});
    }
    static const char *const kAmounts[] = {"Years", "Months", "Weeks", "Days"};
    for (const bool plus : {true, false}) {
        for (size_t box = 0; box < 4; ++box) {
            boxes.push_back({std::string(plus ? "Plus" : "Minus") + kAmounts[box],
                             [plus, box](Window &w, const QString &text) {
                                 w.EnterMonthDayYear(QStringLiteral("2024"));
                                 w.EnterAmount(plus, box, text);
                             },
                             true});
        }
    }
    return boxes;
}

INSTANTIATE_TEST_SUITE_P(EachBox, InputTexts, testing::ValuesIn(Boxes()),
                         [](const testing::TestParamInfo<Box> &info) { return info.param.name; });

}  // namespace
}  // namespace vardex::test
