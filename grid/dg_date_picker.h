#pragma once
// TDgDatePicker: the editor of date columns; its drop-down is a month calendar, and while it is
// open the arrow and page keys move the date.
#include "grid/dg_button_edit.h"
#include "grid/dg_date_popup.h"

namespace tarvelon {

class TDgDatePicker : public TDgPopupEdit {
public:
    explicit TDgDatePicker(TComponent* owner);
    std::string ClassName() const override { return "TDgDatePicker"; }

    TDateTime Date() { return GetAsDateTime(); }
    void SetDate(TDateTime date) { SetAsDateTime(date); }
    TStrings& DayNames() { return dayNames_; }
    TStrings& MonthNames() { return monthNames_; }
    // Stored only.
    const std::string& EmptyText() const { return emptyText_; }
    void SetEmptyText(const std::string& text) { emptyText_ = text; }
    const std::string& NoneCaption() const { return noneCaption_; }
    void SetNoneCaption(const std::string& caption) { noneCaption_ = caption; }
    const std::string& TodayCaption() const { return todayCaption_; }
    void SetTodayCaption(const std::string& caption) { todayCaption_ = caption; }
    bool ShowNoneButton() const { return showNoneButton_; }
    void SetShowNoneButton(bool value) { showNoneButton_ = value; }
    TStartDayOfWeek StartDay() const { return startDay_; }
    void SetStartDay(TStartDayOfWeek day) { startDay_ = day; }
    TDgDatePopup& Calendar() { return *static_cast<TDgDatePopup*>(Popup()); }

    // An empty text or "0" is today; a text that does not read is 0.
    TDateTime GetAsDateTime() override;
    void SetAsDateTime(TDateTime value) override;

protected:
    TDgPopupControl* PopupClass() override { return new TDgDatePopup(this); }
    void PreparePopup(TPoint point) override;
    void KeyDown(unsigned short& key, TShiftState shift) override;

private:
    TStrings dayNames_;
    std::string emptyText_;
    TStrings monthNames_;
    std::string noneCaption_ = "None";
    bool showNoneButton_ = true;
    TStartDayOfWeek startDay_ = dwSunday;
    std::string todayCaption_ = "Today";
};

// The same day `months` months on (the last day of a shorter month when it has no such day).
TDateTime IncMonth(TDateTime date, int months);

}  // namespace tarvelon
