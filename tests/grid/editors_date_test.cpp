// The date editor and its month calendar: the weeks' layout, picking days of the neighbouring
// months, the month arrows, the keys while open, and the order of the pick's events.
#include <gtest/gtest.h>

#include "grid/dg_date_picker.h"
#include "grid/dg_sysutils.h"
#include "platform/forms/form.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;

class DateEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 320, 260);
        picker = new TDgDatePicker(form);
        picker->SetParent(form);
        picker->SetBounds(10, 10, 120, 21);
        picker->SetTabStop(true);
        form->Show();
        Pump(10);
        picker->SetFocus();
    }
    void TearDown() override { Free(form); }

    void Click(QPoint local)
    {
        QWidget* widget = picker->Calendar().Widget();
        test::SendMouse(widget, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
    }
    // Opens the calendar and lets the opening click's release go by.
    void Open()
    {
        picker->DropDown();
        test::SendMouse(picker->Calendar().Widget(), QEvent::MouseButtonRelease, QPoint(-4, -4), Qt::LeftButton,
                        Qt::NoButton);
    }
    static QPoint CellCentre(int col, int row) { return QPoint(15 + 17 * col + 8, 38 + 15 * row + 7); }

    TForm* form = nullptr;
    TDgDatePicker* picker = nullptr;
};

TEST_F(DateEditorTest, ANewPickerHoldsTodayAndBadTextsReadAsZero)
{
    EXPECT_EQ(picker->Text(), DateToStr(Date()));
    picker->SetText("");
    EXPECT_EQ(picker->GetAsDateTime(), Date());
    picker->SetText("0");
    EXPECT_EQ(picker->GetAsDateTime(), Date());
    picker->SetText("31/02/2026");
    EXPECT_EQ(picker->GetAsDateTime(), 0);
    picker->SetAsDateTime(EncodeDate(2026, 3, 9));
    EXPECT_EQ(picker->Text(), "09/03/2026");
}

TEST_F(DateEditorTest, WeeksStartOnTheChosenDay)
{
    TDgDatePopup& calendar = picker->Calendar();
    ASSERT_EQ(DayOfWeek(EncodeDate(2025, 9, 1)), 2);  // a Monday
    calendar.SetDate(EncodeDate(2025, 9, 17));
    calendar.SetStartDay(dwMonday);
    EXPECT_EQ(calendar.DateAt(0, 0), EncodeDate(2025, 9, 1));
    calendar.SetStartDay(dwSunday);
    EXPECT_EQ(calendar.DateAt(0, 0), EncodeDate(2025, 8, 31));
    EXPECT_EQ(calendar.DateAt(6, 5), EncodeDate(2025, 10, 11));
    // January looks back into December of the year before.
    calendar.SetDate(EncodeDate(2026, 1, 10));
    EXPECT_EQ(calendar.DateAt(0, 0), EncodeDate(2025, 12, 28));
    calendar.SetStartDay(dwAutomatic);  // the Brazilian week starts on Sunday
    EXPECT_EQ(calendar.WeekPosition(1), 1);
    EXPECT_EQ(calendar.DayLetter(1), "d");
    EXPECT_EQ(calendar.DayLetter(7), "s");
    EXPECT_EQ(calendar.Title(), "janeiro 2026");
    picker->MonthNames().SetText("Jan\nFev\nMar\nAbr\nMai\nJun\nJul\nAgo\nSet\nOut\nNov\nDez");
    calendar.SetMonthNames(&picker->MonthNames());
    EXPECT_EQ(calendar.Title(), "Jan 2026");
}

TEST_F(DateEditorTest, TheMonthArrowsKeepTheCalendarOpenAndAGreyDayIsPicked)
{
    picker->SetAsDateTime(EncodeDate(2025, 9, 17));
    Open();
    TDgDatePopup& calendar = picker->Calendar();
    EXPECT_EQ(calendar.Width(), 151);
    EXPECT_EQ(calendar.Height(), 163);
    Click(QPoint(8, 8));
    EXPECT_TRUE(picker->Dropped());
    EXPECT_EQ(calendar.Month(), 8);
    Click(QPoint(151 - 8, 8));
    Click(QPoint(151 - 8, 8));
    EXPECT_EQ(calendar.Month(), 10);
    EXPECT_TRUE(picker->Dropped());
    // October 2025 begins on a Wednesday: the last row ends with 8 November.
    Click(CellCentre(6, 5));
    EXPECT_FALSE(picker->Dropped());
    EXPECT_EQ(picker->Text(), "08/11/2025");
}

TEST_F(DateEditorTest, TheSelectEventComesBeforeTheTextChanges)
{
    picker->SetAsDateTime(EncodeDate(2025, 9, 17));
    std::string seen;
    picker->OnSelect = [&](TObject*) { seen = picker->Text(); };
    Open();
    Click(CellCentre(3, 1));  // Wednesday 10 September
    EXPECT_EQ(seen, "17/09/2025");
    EXPECT_EQ(picker->Text(), "10/09/2025");
}

TEST_F(DateEditorTest, KeysMoveTheDateWhileOpen)
{
    picker->SetText("");
    Open();
    EXPECT_EQ(picker->Calendar().SelectedDate(), Date());
    picker->SetAsDateTime(EncodeDate(2026, 1, 31));
    QWidget* edit = picker->Widget();
    test::PressKey(edit, Qt::Key_PageDown);
    EXPECT_EQ(picker->Text(), "28/02/2026");
    test::PressKey(edit, Qt::Key_Right);
    EXPECT_EQ(picker->Text(), "01/03/2026");
    test::PressKey(edit, Qt::Key_Up);
    EXPECT_EQ(picker->Text(), "22/02/2026");
    EXPECT_EQ(picker->Calendar().SelectedDate(), EncodeDate(2026, 2, 22));
    EXPECT_EQ(picker->Calendar().Month(), 2);
    test::PressKey(edit, Qt::Key_PageUp);
    EXPECT_EQ(picker->Text(), "22/01/2026");
}

TEST_F(DateEditorTest, TodayAndNoneButtons)
{
    picker->SetAsDateTime(EncodeDate(2020, 5, 5));
    Open();
    TDgDatePopup& calendar = picker->Calendar();
    EXPECT_EQ(calendar.TodayButton().Caption(), "Today");
    EXPECT_EQ(calendar.TodayButton().Left(), 20);
    Click(QPoint(20 + 10, 133 + 10));
    EXPECT_EQ(picker->Text(), DateToStr(Date()));
    Open();
    Click(QPoint(82 + 10, 133 + 10));
    EXPECT_EQ(picker->Text(), "");
    picker->SetShowNoneButton(false);
    Open();
    EXPECT_FALSE(calendar.NoneButton().Visible());
    EXPECT_EQ(calendar.TodayButton().Left(), 151 / 2 - 47 / 2);
}

TEST(IncMonthTest, TheDayIsKeptOrCutToTheMonthsEnd)
{
    EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 31), 1), EncodeDate(2026, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31), 1), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 15), -1), EncodeDate(2025, 12, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2025, 12, 15), 1), EncodeDate(2026, 1, 15));
}

}  // namespace
}  // namespace tarvelon
