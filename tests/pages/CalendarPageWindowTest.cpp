// SPDX-License-Identifier: MIT
// The Calendar page window from the Tools menu, one case each: it opens on the result's month and
// turns across a year, a place shows its gap, the first weekday is kept between runs, a day clicked
// or chosen by the keys shows its dates, a bad year keeps the page, and the files are of their
// types. The facts are the English change of 1752 (Wednesday 2 September was followed by Thursday
// 14 September; JDN 2,361,222, as the US Naval Observatory's converter gives it). (Fit, Tab,
// names: tests/windows.)
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "StartedMainWindow.h"
#include "StartedWindows.h"
#include "pages/CalendarPageView.h"
#include "pages/CalendarPageWindow.h"

namespace vardex::test {
namespace {

constexpr int32_t kFourteenthSeptember1752 = 2361222;

class CalendarPageWindowTest : public StartedWindows {
protected:
    void SetUp() override
    {
        // The settings of a test run, not the user's, and none left from the run before.
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Vardex"), QCoreApplication::applicationName()).clear();
        Start();
    }
    // Tools > Calendar page (Ctrl+K).
    void Open()
    {
        ASSERT_NO_FATAL_FAILURE(OpenFromTools<CalendarPageWindow>(
            &MainWindow::openCalendarPage, window,
            [this] {
                return std::make_unique<CalendarPageWindow>(*main, dialogs, saveFiles,
                                                            QStringLiteral(VARDEX_DATA_FOLDER));
            },
            Qt::Key_K));
    }
    void Calculate(int month, int day, const QString &year, int era, int calendar)
    {
        EnterMonthDayYear(main->Controller(), main->Form(), month, day, year, era, calendar);
        main->WriteBack();
        QTest::mouseClick(Widget<QPushButton>(main->Form().cmdCalculate), Qt::LeftButton);
    }
    // England and Wales, September 1752.
    void ShowEnglandIn1752()
    {
        window->cboCalendar->setCurrentIndex(window->cboCalendar->findData(QStringLiteral("england")));
        window->cboMonth->setCurrentIndex(8);
        window->txbYear->setText(QStringLiteral("1752"));
    }
    std::vector<int> DayNumbers() const
    {
        std::vector<int> days;
        for (const PageDay &day : window->Sheet().months.front().page.days)
            days.push_back(day.date.day);
        return days;
    }
    QString Title() const { return QString::fromStdString(window->Sheet().title); }
    std::unique_ptr<CalendarPageWindow> window;
};

TEST_F(CalendarPageWindowTest, OpensOnTheResultsMonthAndTurnsAcrossTheYear)
{
    Calculate(12, 15, QStringLiteral("2023"), 3, 1);  // 15 December 2023 CE, Gregorian
    Open();
    EXPECT_EQ(Title(), "December 2023");
    EXPECT_TRUE(window->DayDates().contains("Gregorian: 15 December 2023"))
        << window->DayDates().toStdString();
    QTest::mouseClick(window->cmdNext, Qt::LeftButton);
    EXPECT_EQ(Title(), "January 2024");
    EXPECT_EQ(window->txbYear->text(), "2024");
    ASSERT_TRUE(Activate(window.get()));
    QTest::keyClick(window->txbYear, Qt::Key_PageUp);
    QTest::keyClick(window->txbYear, Qt::Key_PageUp);
    EXPECT_EQ(Title(), "November 2023") << "Page Up, from any control";
    window->optYear->click();
    QTest::mouseClick(window->cmdPrevious, Qt::LeftButton);
    EXPECT_EQ(Title(), "2022");
    EXPECT_EQ(window->Sheet().months.size(), 12u);
    window->optMonth->click();
    QTest::mouseClick(window->cmdShowResult, Qt::LeftButton);
    EXPECT_EQ(Title(), "December 2023") << "Show result";
}

TEST_F(CalendarPageWindowTest, APlaceShowsSeptember1752WithoutThe3rdTo13th)
{
    Open();
    ShowEnglandIn1752();
    std::vector<int> expected{1, 2};
    for (int day = 14; day <= 30; ++day)
        expected.push_back(day);
    EXPECT_EQ(DayNumbers(), expected);
    EXPECT_EQ(Title(), "September 1752");
    EXPECT_EQ(window->Problem(), "");
    // The 14th, a Thursday, beside the 2nd in its week: the row closes up.
    const QRect second = window->page->DayRect(kFourteenthSeptember1752 - 1);
    const QRect fourteenth = window->page->DayRect(kFourteenthSeptember1752);
    EXPECT_EQ(second.top(), fourteenth.top());
    EXPECT_LT(second.left(), fourteenth.left());
}

TEST_F(CalendarPageWindowTest, SundayFirstAndThePaperAreKeptBetweenRuns)
{
    Open();
    EXPECT_TRUE(window->optMonday->isChecked());
    EXPECT_EQ(window->Paper(), PaperSize::Letter) << "the paper of the test's US English";
    window->optSunday->click();
    window->cboPaper->setCurrentIndex(window->cboPaper->findText(QStringLiteral("A4")));
    EXPECT_EQ(window->Sheet().request.firstWeekday, FirstWeekday::Sunday);
    window.reset();
    Open();
    EXPECT_TRUE(window->optSunday->isChecked());
    EXPECT_EQ(window->Sheet().request.firstWeekday, FirstWeekday::Sunday);
    EXPECT_EQ(window->Paper(), PaperSize::A4);
}

TEST_F(CalendarPageWindowTest, ADayClickedOrChosenByTheKeysShowsItsDates)
{
    Open();
    ShowEnglandIn1752();
    QTest::mouseClick(window->page, Qt::LeftButton, {},
                      window->page->DayRect(kFourteenthSeptember1752).center());
    const QString dates = window->DayDates();
    for (const char *part : {"JDN 2,361,222, Thursday.", "Gregorian: 14 September 1752",
                             "Julian: 3 September 1752", "England and Wales: 14 September 1752"})
        EXPECT_TRUE(dates.contains(QString::fromUtf8(part))) << part << " in " << dates.toStdString();
    const auto keys = [&](std::initializer_list<Qt::Key> pressed, const char *written) {
        for (const Qt::Key key : pressed)
            QTest::keyClick(window->page, key);
        EXPECT_TRUE(window->DayDates().contains(QString::fromUtf8(written)))
            << window->DayDates().toStdString();
    };
    keys({Qt::Key_Left, Qt::Key_Return}, "England and Wales: 2 September 1752 (O.S.)");
    keys({Qt::Key_Down, Qt::Key_Space},
         "England and Wales: 20 September 1752");  // a week on, the same column
    keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Enter}, "England and Wales: 2 September 1752 (O.S.)");
    keys({Qt::Key_End, Qt::Key_Return}, "England and Wales: 30 September 1752");
}

TEST_F(CalendarPageWindowTest, AYearThatIsNoNumberIsToldAndThePageStays)
{
    Open();
    ShowEnglandIn1752();
    for (const char *typed : {"12x5", "6,000,000"}) {
        window->txbYear->setText(QString::fromLatin1(typed));
        EXPECT_FALSE(window->Problem().isEmpty()) << typed;
        EXPECT_EQ(Title(), "September 1752");
        EXPECT_EQ(window->txbYear->text(), typed);
    }
}

TEST_F(CalendarPageWindowTest, SavesThePageAsPdfSvgOrPng)
{
    Open();
    ShowEnglandIn1752();
    QTemporaryDir folder;
    ASSERT_TRUE(Activate(window.get()));
    const auto save = [&](const QString &name) {
        saveFiles.path = folder.filePath(name);
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QFile file(saveFiles.path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_TRUE(save(QStringLiteral("page.pdf")).startsWith("%PDF-"));
    const QByteArray svg = save(QStringLiteral("page.svg"));
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_TRUE(svg.contains("<title>September 1752 \xE2\x80\x94 England and Wales</title>"));
    const QImage png = QImage::fromData(save(QStringLiteral("page.png")), "PNG");
    const QSize letterAt150Dpi(1275, 1650);  // 8.5 by 11 inches, the paper of the test's US English
    EXPECT_EQ(png.size(), letterAt150Dpi);
    window->optYear->click();
    EXPECT_EQ(QImage::fromData(save(QStringLiteral("year.png")), "PNG").size(), letterAt150Dpi.transposed());
    EXPECT_TRUE(save(QStringLiteral("typeless")).isEmpty()) << "written with the type's suffix";
    QFile typeless(folder.filePath(QStringLiteral("typeless.pdf")));
    EXPECT_TRUE(typeless.open(QIODevice::ReadOnly) && typeless.readAll().startsWith("%PDF-"));
    EXPECT_TRUE(dialogs.shown.empty());
    saveFiles.path = folder.filePath(QStringLiteral("no such folder/page.pdf"));
    QTest::mouseClick(window->cmdSave, Qt::LeftButton);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.startsWith("The page could not be saved as"))
        << dialogs.shown[0].text.toStdString();
}

}  // namespace
}  // namespace vardex::test
