#include "grid/dg_date_picker.h"

#include <algorithm>
#include <cmath>

#include "grid/dg_sysutils.h"
#include "platform/forms/keys.h"

namespace tarvelon {

TDateTime IncMonth(TDateTime date, int months)
{
    const DateParts parts = DecodeDate(date);
    const int total = parts.year * 12 + (parts.month - 1) + months;
    const int year = total / 12;
    const int month = total % 12 + 1;
    const double time = date - std::floor(date);
    return EncodeDate(year, month, std::min(parts.day, DaysInMonth(year, month))) + time;
}

TDgDatePicker::TDgDatePicker(TComponent* owner) : TDgPopupEdit(owner)
{
    BuildParts();
    SetAsDateTime(tarvelon::Date());
}

TDateTime TDgDatePicker::GetAsDateTime()
{
    const std::string text = Text();
    if (text.empty() || text == "0")
        return tarvelon::Date();
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value))
        return 0;
    return value;
}

void TDgDatePicker::SetAsDateTime(TDateTime value)
{
    SetText(FormatDateTime(FormatSettings.ShortDateFormat, value));
}

void TDgDatePicker::PreparePopup(TPoint point)
{
    TDgDatePopup& calendar = Calendar();
    calendar.NoneButton().SetCaption(noneCaption_);
    TDateTime date = GetAsDateTime();
    if (date == 0)
        date = tarvelon::Date();
    calendar.SetDate(date);
    calendar.SetDayNames(&dayNames_);
    calendar.SetMonthNames(&monthNames_);
    calendar.SetStartDay(startDay_);
    calendar.TodayButton().SetCaption(todayCaption_);
    calendar.SetBounds(calendar.Left(), calendar.Top(), 151, 163);
    calendar.NoneButton().SetVisible(showNoneButton_);
    TDgMiniButton& today = calendar.TodayButton();
    const int left = showNoneButton_ ? 20 : calendar.ClientWidth() / 2 - today.Width() / 2;
    today.SetBounds(left, today.Top(), today.Width(), today.Height());
}

void TDgDatePicker::KeyDown(unsigned short& key, TShiftState shift)
{
    TDgPopupEdit::KeyDown(key, shift);
    if (key == 0 || !Dropped())
        return;
    const TDateTime date = GetAsDateTime();
    bool moved = true;
    switch (key) {
    case VK_LEFT: SetAsDateTime(date - 1); break;
    case VK_RIGHT: SetAsDateTime(date + 1); break;
    case VK_UP: SetAsDateTime(date - 7); break;
    case VK_DOWN: SetAsDateTime(date + 7); break;
    case VK_PRIOR: SetAsDateTime(IncMonth(date, -1)); break;
    case VK_NEXT: SetAsDateTime(IncMonth(date, 1)); break;
    default:
        moved = false;
        if (Style() == dsDropDownList)
            key = 0;
        break;
    }
    if (key == 0)
        return;
    Calendar().SetDate(GetAsDateTime());
    Calendar().Invalidate();
    // The keys that moved the date do not move the caret as well.
    if (moved)
        key = 0;
}

}  // namespace tarvelon
