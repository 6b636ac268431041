#pragma once
// The month calendar the date editor drops down, and the small "Today" / "None" buttons on it.
#include <memory>

#include "core/basics/datetime.h"
#include "grid/dg_popup_control.h"
#include "platform/forms/graphic_control.h"

namespace tarvelon {

// A flat push button without a hover look.
class TDgMiniButton : public TGraphicControl {
public:
    explicit TDgMiniButton(TComponent* owner);
    std::string ClassName() const override { return "TDgMiniButton"; }
    bool Down() const { return down_; }
    void SetDown(bool value);
    TBitmap& Glyph() { return *glyph_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool down_ = false;
    std::unique_ptr<TBitmap> glyph_;
};

enum TStartDayOfWeek { dwAutomatic, dwMonday, dwSunday };

// The locale's long names (Portuguese).
std::string LocaleMonthName(int month);
std::string LocaleDayName(int dayOfWeek);  // 1 = Sunday

class TDgDatePopup : public TDgPopupControl {
public:
    explicit TDgDatePopup(TComponent* editor);
    std::string ClassName() const override { return "TDgDatePopup"; }

    TDateTime Date() const { return selectedDate_; }
    // Also sets SelectedDate, Year, Month and Day.
    void SetDate(TDateTime date);
    int Day() const { return day_; }
    void SetDay(int day) { day_ = day; }
    int Month() const { return month_; }
    void SetMonth(int month);
    int Year() const { return year_; }
    void SetYear(int year);
    TStrings* DayNames() const { return dayNames_; }
    void SetDayNames(TStrings* names) { dayNames_ = names; }
    TStrings* MonthNames() const { return monthNames_; }
    void SetMonthNames(TStrings* names) { monthNames_ = names; }
    bool Tracking() const { return tracking_; }
    TDgMiniButton& NoneButton() { return *noneButton_; }
    TDgMiniButton& TodayButton() { return *todayButton_; }
    TRect SelectedCellRect() const { return selectedCellRect_; }
    TDateTime SelectedDate() const { return selectedDate_; }
    void SetSelectedDate(TDateTime date) { selectedDate_ = date; }
    TStartDayOfWeek StartDay() const { return startDay_; }
    void SetStartDay(TStartDayOfWeek day) { startDay_ = day; }

    // 1..7: the place of a weekday (1 = Sunday) in the week as StartDay lays it out.
    int WeekPosition(int dayOfWeek) const;
    // The date shown in a cell of the 7 x 6 day grid.
    TDateTime DateAt(int col, int row) const;
    std::string DayLetter(int position) const;
    std::string Title() const;

    void ClickAt(int x, int y) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    TRect DayGridRect() const { return Rect(14, 38, Width() - 14, Height() - 20); }
    TRect CellRect(int col, int row) const;
    void Track(int x, int y);
    void ShowMonth(int delta);
    // The mini button under a point, or null.
    TDgMiniButton* ButtonAt(int x, int y);
    void ButtonClicked(TDgMiniButton* button);

    int day_ = 1;
    TStrings* dayNames_ = nullptr;
    bool tracking_ = false;
    int month_ = 1;
    TStrings* monthNames_ = nullptr;
    TDgMiniButton* noneButton_ = nullptr;
    TRect selectedCellRect_;
    TDateTime selectedDate_ = 0;
    TStartDayOfWeek startDay_ = dwSunday;
    TDgMiniButton* todayButton_ = nullptr;
    int year_ = 1;
    TDgMiniButton* pressedButton_ = nullptr;
};

}  // namespace tarvelon
