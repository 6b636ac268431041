#include "grid/dg_date_popup.h"

#include <cmath>

#include "grid/dg_shared_common.h"
#include "grid/dg_sysutils.h"
#include "grid/dg_themes_support.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/text_draw.h"

namespace tarvelon {

// ---- TDgMiniButton

TDgMiniButton::TDgMiniButton(TComponent* owner) : TGraphicControl(owner), glyph_(std::make_unique<TBitmap>())
{
}

void TDgMiniButton::SetDown(bool value)
{
    if (down_ == value)
        return;
    down_ = value;
    Invalidate();
}

void TDgMiniButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    SetDown(true);
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TDgMiniButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    SetDown(false);
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TDgMiniButton::Paint()
{
    TCanvas& canvas = Canvas();
    TRect rect = ClientRect();
    if (IsThemed()) {
        ThemeRect(nullptr, canvas, rect, "button", BP_PUSHBUTTON, down_ ? PBS_PRESSED : PBS_NORMAL);
    } else {
        canvas.Brush.SetColor(clBtnFace);
        canvas.Brush.SetStyle(bsSolid);
        canvas.FillRect(rect);
        TRect edge = rect;
        DrawEdge(canvas, edge, down_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    if (!glyph_->Empty())
        canvas.Draw(Width() / 2 - glyph_->Width() / 2, Height() / 2 - glyph_->Height() / 2, *glyph_);
    canvas.Font.Assign(Font());
    DrawTextRect(canvas, rect, false, Caption(), 2);
}

// ---- names

std::string LocaleMonthName(int month)
{
    static const char* const names[] = {"janeiro", "fevereiro", "março",    "abril",   "maio",     "junho",
                                        "julho",   "agosto",    "setembro", "outubro", "novembro", "dezembro"};
    return month >= 1 && month <= 12 ? names[month - 1] : std::string();
}

std::string LocaleDayName(int dayOfWeek)
{
    static const char* const names[] = {"domingo",      "segunda-feira", "terça-feira", "quarta-feira",
                                        "quinta-feira", "sexta-feira",   "sábado"};
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? names[dayOfWeek - 1] : std::string();
}

namespace {

std::string FirstCharacter(const std::string& text)
{
    if (text.empty())
        return text;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, length);
}

TDateTime PreviousMonthDay(int year, int month, int day)
{
    return month == 1 ? EncodeDate(year - 1, 12, day) : EncodeDate(year, month - 1, day);
}

}  // namespace

// ---- TDgDatePopup

TDgDatePopup::TDgDatePopup(TComponent* editor) : TDgPopupControl(editor)
{
    SetBounds(0, 0, 151, 163);
    todayButton_ = new TDgMiniButton(this);
    todayButton_->SetParent(this);
    todayButton_->SetTag(0);
    todayButton_->SetBounds(20, 133, 47, 20);
    noneButton_ = new TDgMiniButton(this);
    noneButton_->SetParent(this);
    noneButton_->SetTag(1);
    noneButton_->SetBounds(82, 133, 47, 20);
}

void TDgDatePopup::SetDate(TDateTime date)
{
    selectedDate_ = std::floor(date);
    const DateParts parts = DecodeDate(date);
    year_ = parts.year;
    month_ = parts.month;
    day_ = parts.day;
}

void TDgDatePopup::SetMonth(int month)
{
    month_ = month;
    Invalidate();
}

void TDgDatePopup::SetYear(int year)
{
    year_ = year;
    Invalidate();
}

int TDgDatePopup::WeekPosition(int dayOfWeek) const
{
    bool mondayFirst = startDay_ == dwMonday;
    if (startDay_ == dwAutomatic)
        mondayFirst = DgFormatSettings().firstDayOfWeek == "0";
    if (!mondayFirst)
        return dayOfWeek;
    return dayOfWeek == 1 ? 7 : dayOfWeek - 1;
}

TDateTime TDgDatePopup::DateAt(int col, int row) const
{
    const int index = row * 7 + col;
    const int p = WeekPosition(DayOfWeek(EncodeDate(year_, month_, 1)));
    const int days = DaysInMonth(year_, month_);
    if (index < p - 1) {
        const int prevYear = month_ == 1 ? year_ - 1 : year_;
        const int prevMonth = month_ == 1 ? 12 : month_ - 1;
        return PreviousMonthDay(year_, month_, DaysInMonth(prevYear, prevMonth) - p + 2 + col);
    }
    if (index - p + 2 <= days)
        return EncodeDate(year_, month_, index - p + 2);
    const int nextDay = index - (p + days) + 2;
    return month_ == 12 ? EncodeDate(year_ + 1, 1, nextDay) : EncodeDate(year_, month_ + 1, nextDay);
}

std::string TDgDatePopup::DayLetter(int position) const
{
    if (dayNames_ && dayNames_->Count() >= 7)
        return FirstCharacter(dayNames_->Strings(position - 1));
    for (int day = 1; day <= 7; ++day) {
        if (WeekPosition(day) == position)
            return FirstCharacter(LocaleDayName(day));
    }
    return std::string();
}

std::string TDgDatePopup::Title() const
{
    const std::string name =
        monthNames_ && monthNames_->Count() >= 12 ? monthNames_->Strings(month_ - 1) : LocaleMonthName(month_);
    return name + " " + std::to_string(year_);
}

TRect TDgDatePopup::CellRect(int col, int row) const
{
    return Rect(col * 17 + 15, row * 15 + 38, col * 17 + 32, row * 15 + 53);
}

void TDgDatePopup::Paint()
{
    TDgPopupControl::Paint();
    TCanvas& canvas = Canvas();
    const int width = Width();
    canvas.Font.Assign(Font());
    canvas.Brush.SetColor(Color());
    canvas.Brush.SetStyle(bsSolid);
    canvas.Pen.SetColor(clGrayText);
    canvas.Rectangle(ClientRect());
    const bool themed = IsThemed();
    canvas.Brush.SetColor(themed ? TGraphicsProvider::BlendColor(clGradientInactiveCaption, clWindow, 249) : clBtnFace);
    canvas.FillRect(Rect(5, 5, width - 5, 21));
    canvas.Font.SetColor(clWindowText);
    DrawTextRect(canvas, Rect(5, 5, width - 5, 21), false, Title(), 2);
    canvas.Brush.SetColor(clWindowText);
    canvas.Pen.SetColor(clWindowText);
    canvas.Polygon({Point(15, 9), Point(15, 17), Point(11, 13)});
    canvas.Polygon({Point(width - 15, 9), Point(width - 15, 17), Point(width - 11, 13)});
    for (int i = 0; i < 7; ++i)
        DrawTextRect(canvas, Rect(15 + 17 * i, 22, 30 + 17 * i, 36), false, DayLetter(i + 1), 1);
    canvas.Pen.SetColor(clGrayText);
    canvas.MoveTo(15, 36);
    canvas.LineTo(width - 17, 36);
    canvas.MoveTo(15, 128);
    canvas.LineTo(width - 17, 128);
    const TDateTime today = tarvelon::Date();
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 7; ++col) {
            const TDateTime date = DateAt(col, row);
            const int x = 15 + 17 * col;
            const int y = 38 + 15 * row;
            if (date == selectedDate_) {
                selectedCellRect_ = Rect(x, y, x + 17, y + 15);
                canvas.Brush.SetStyle(bsSolid);
                canvas.Brush.SetColor(themed ? RGB(251, 230, 148) : clSilver);
                canvas.FillRect(selectedCellRect_);
            }
            if (date == today) {
                canvas.Brush.SetColor(themed ? clMaroon : clHighlight);
                canvas.FrameRect(Rect(x, y, x + 17, y + 15));
            }
            canvas.Font.SetColor(DecodeDate(date).month == month_ ? clWindowText : clGrayText);
            const std::string number = std::to_string(DecodeDate(date).day);
            TGraphicsProvider::DrawTextRectEx(canvas, Rect(x, y, x + 15, y + 15), false, number, false, 2, 1);
        }
    }
}

void TDgDatePopup::ShowMonth(int delta)
{
    month_ += delta;
    if (month_ < 1) {
        month_ = 12;
        --year_;
    } else if (month_ > 12) {
        month_ = 1;
        ++year_;
    }
    Invalidate();
}

TDgMiniButton* TDgDatePopup::ButtonAt(int x, int y)
{
    for (TDgMiniButton* button : {todayButton_, noneButton_}) {
        if (button->Visible() && PtInRect(button->BoundsRect(), Point(x, y)))
            return button;
    }
    return nullptr;
}

void TDgDatePopup::Track(int x, int y)
{
    const int col = (x - 14) / 17;
    const int row = (y - 38) / 15;
    const TDateTime date = DateAt(col, row);
    if (date == selectedDate_)
        return;
    InvalidateRect(selectedCellRect_);
    selectedDate_ = date;
    selectedCellRect_ = CellRect(col, row);
    InvalidateRect(selectedCellRect_);
}

void TDgDatePopup::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TDgPopupControl::MouseDown(button, shift, x, y);
    const TPoint point = Point(x, y);
    if (TDgMiniButton* mini = ButtonAt(x, y)) {
        // The popup holds the mouse: its buttons are pressed through it.
        pressedButton_ = mini;
        mini->SetDown(true);
    } else if (PtInRect(Rect(0, 0, 18, 18), point)) {
        ShowMonth(-1);
    } else if (PtInRect(Rect(Width() - 18, 0, Width(), 18), point)) {
        ShowMonth(1);
    } else if (PtInRect(DayGridRect(), point)) {
        tracking_ = true;
        Track(x, y);
    }
}

void TDgDatePopup::MouseMove(TShiftState shift, int x, int y)
{
    TDgPopupControl::MouseMove(shift, x, y);
    if (tracking_ && PtInRect(DayGridRect(), Point(x, y)))
        Track(x, y);
}

void TDgDatePopup::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (TDgMiniButton* pressed = pressedButton_) {
        pressedButton_ = nullptr;
        pressed->SetDown(false);
        TDgControl::MouseUp(button, shift, x, y);
        if (ButtonAt(x, y) == pressed)
            ButtonClicked(pressed);
        return;
    }
    if (!PtInRect(Rect(0, 0, Width(), 19), Point(x, y)))
        TDgPopupControl::MouseUp(button, shift, x, y);
    tracking_ = false;
}

void TDgDatePopup::ButtonClicked(TDgMiniButton* button)
{
    if (button->Tag() == 0)
        DoSelect(DateToStr(tarvelon::Date()));
    else
        DoSelect(std::string());
}

void TDgDatePopup::ClickAt(int x, int y)
{
    if (!PtInRect(DayGridRect(), Point(x, y)))
        return;
    DoSelect(DateToStr(DateAt((x - 14) / 17, (y - 38) / 15)));
}

}  // namespace tarvelon
