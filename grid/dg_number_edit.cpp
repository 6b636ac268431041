#include "grid/dg_number_edit.h"

#include <QApplication>
#include <QClipboard>

#include <cmath>
#include <cstdio>

#include "core/basics/rounding.h"
#include "grid/dg_sysutils.h"
#include "grid/dg_themes_support.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/text_utils.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_metrics.h"

namespace tarvelon {
namespace {

bool IsSign(char32_t c)
{
    return c == U'-' || c == U'+';
}

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

char32_t Separator()
{
    return static_cast<unsigned char>(FormatSettings.DecimalSeparator);
}

bool HasSign(const QString& text)
{
    return text.contains(QLatin1Char('-')) || text.contains(QLatin1Char('+'));
}

}  // namespace

std::string StripNumberText(const std::string& text, bool allowFloat, bool allowSigns)
{
    const std::u32string codes = ToQString(text).toStdU32String();
    std::u32string kept;
    bool separatorKept = false;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char32_t c = codes[i];
        if (IsDigit(c) || c == 8) {
            kept += c;
        } else if (c == Separator()) {
            if (allowFloat && !separatorKept) {
                kept += c;
                separatorKept = true;
            }
        } else if (IsSign(c)) {
            if (allowSigns && i == 0)
                kept += c;
        }
    }
    if (kept.size() == 1 && IsSign(kept[0]))
        kept += U'0';
    return FromQString(QString::fromStdU32String(kept));
}

std::string FormatFixed(double value, int decimals)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", std::max(0, decimals), value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.')
            c = FormatSettings.DecimalSeparator;
    }
    if (text == "-0" || text.rfind("-0" + std::string(1, FormatSettings.DecimalSeparator), 0) == 0) {
        // A value that rounds to zero shows without a sign.
        bool zero = true;
        for (char c : text.substr(1))
            zero = zero && (c == '0' || c == FormatSettings.DecimalSeparator);
        if (zero)
            text.erase(0, 1);
    }
    return text;
}

// ---- TDgCustomNumberEdit

TDgCustomNumberEdit::TDgCustomNumberEdit(TComponent* owner) : TDgEdit(owner)
{
}

double TDgCustomNumberEdit::Limited(double value) const
{
    if (!RangeApplies())
        return value;
    if (value > max_)
        value = max_;
    if (value < min_)
        value = min_;
    return value;
}

std::string TDgCustomNumberEdit::CleanNumberText(const std::string& text, bool allowFloat, bool allowSigns) const
{
    const double value = Limited(StrToFloat(StripNumberText(text, allowFloat, allowSigns)));
    return FloatToStr(value);
}

std::string TDgCustomNumberEdit::FormatValue(double value) const
{
    if (value == 0 && !nullText_.empty())
        return nullText_;
    std::string text;
    if (!options_.Contains(eoAllowFloat))
        text = FormatFixed(value, 0);
    else if (precision_ < 1)
        text = FloatToStr(value);
    else
        text = FormatFixed(value, precision_);
    return text + textAfter_;
}

double TDgCustomNumberEdit::Value()
{
    const std::string text = Text();
    if (text == nullText_) {
        SetValue(0);
        return 0;
    }
    if (text.empty())
        return min_;
    std::string cleaned =
        StripNumberText(text, options_.Contains(eoAllowFloat), options_.Contains(eoAllowSigns));
    if (cleaned.empty())
        cleaned = FloatToStr(min_);
    double value = 0;
    if (!TryStrToFloat(cleaned, value))
        return lastValue_;
    lastValue_ = Limited(value);
    return lastValue_;
}

void TDgCustomNumberEdit::SetValue(double value)
{
    if (formatting_)
        return;
    SetText(FormatValue(value));
}

void TDgCustomNumberEdit::SetNullText(const std::string& value)
{
    nullText_ = value;
    if (!value.empty())
        SetValue(0);
}

void TDgCustomNumberEdit::SetPrecision(int value)
{
    const double current = Value();
    precision_ = value;
    SetValue(current);
}

void TDgCustomNumberEdit::SetTextAfter(const std::string& value)
{
    const double current = Value();
    textAfter_ = value;
    if (!options_.Contains(eoAllowAll))
        SetValue(current);
}

void TDgCustomNumberEdit::RefreshText()
{
    if (!options_.Contains(eoAllowAll))
        SetValue(Value());
}

void TDgCustomNumberEdit::DoExit()
{
    RefreshText();
    TDgEdit::DoExit();
}

void TDgCustomNumberEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    if (options_.Contains(eoDisableTyping) && !options_.Contains(eoAllowAll) &&
        (key == VK_BACK || key == VK_CLEAR || key == VK_DELETE)) {
        key = 0;
        return;
    }
    TDgEdit::KeyDown(key, shift);
}

bool TDgCustomNumberEdit::AcceptsChar(char32_t key) const
{
    if (options_.Contains(eoDisableTyping))
        return false;
    const char32_t control = ControlCharOf(key);
    if (control == 3 || control == 9 || control == 22 || control == 24)
        return true;
    if (key != 8 && !IsSign(key) && !IsDigit(key) && key != Separator())
        return false;
    const QString text = ToQString(Text());
    const QString selected = ToQString(SelText());
    if (key == Separator()) {
        const QChar separator(static_cast<char16_t>(Separator()));
        return options_.Contains(eoAllowFloat) && (!text.contains(separator) || selected.contains(separator));
    }
    if (IsSign(key))
        return options_.Contains(eoAllowSigns) && ((SelStart() == 0 && !HasSign(text)) || HasSign(selected));
    return true;
}

void TDgCustomNumberEdit::KeyPress(char32_t& key)
{
    if (!options_.Contains(eoAllowAll) && !AcceptsChar(key)) {
        key = 0;
        return;
    }
    TDgEdit::KeyPress(key);
}

void TDgCustomNumberEdit::PasteFromClipboard()
{
    if (options_.Contains(eoDisablePaste))
        return;
    if (options_.Contains(eoAllowAll)) {
        TDgEdit::PasteFromClipboard();
        return;
    }
    const QString clipboard = QApplication::clipboard()->text();
    const int start = SelStart();
    QString outside = ToQString(Text());
    outside.remove(start, SelLength());
    const bool allowFloat =
        options_.Contains(eoAllowFloat) && !outside.contains(QChar(static_cast<char16_t>(Separator())));
    try {
        const std::string cleaned = CleanNumberText(FromQString(clipboard), allowFloat, start == 0);
        SetSelText(cleaned);
        SetSelStart(start);
    } catch (const std::exception& error) {
        Application->HandleException(this, error);
    }
}

// ---- TDgSpinButtons

TDgSpinButtons::TDgSpinButtons(TDgSpinEdit* editor) : TCustomControl(editor), editor_(editor)
{
    repeatDelayTimer_ = std::make_unique<TTimer>(nullptr);
    repeatDelayTimer_->SetEnabled(false);
    repeatDelayTimer_->SetInterval(400);
    repeatDelayTimer_->OnTimer = [this](TObject*) {
        repeatDelayTimer_->SetEnabled(false);
        repeatTimer_->SetEnabled(true);
    };
    repeatTimer_ = std::make_unique<TTimer>(nullptr);
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(20);
    repeatTimer_->OnTimer = [this](TObject*) {
        if (pressedPart_ != spNone && OnStep)
            OnStep(pressedPart_);
    };
}

void TDgSpinButtons::SetHotPart(TDgSpinPart part)
{
    if (part == hotPart_)
        return;
    hotPart_ = part;
    Invalidate();
}

void TDgSpinButtons::PressPart(TDgSpinPart part)
{
    pressedPart_ = part;
    Invalidate();
    if (OnStep)
        OnStep(part);
    repeatTimer_->SetEnabled(false);
    repeatDelayTimer_->SetEnabled(true);
}

void TDgSpinButtons::ReleasePart()
{
    pressedPart_ = spNone;
    repeatDelayTimer_->SetEnabled(false);
    repeatTimer_->SetEnabled(false);
    Invalidate();
}

void TDgSpinButtons::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button == mbLeft)
        PressPart(PartAt(y));
}

void TDgSpinButtons::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    SetHotPart(PartAt(y));
}

void TDgSpinButtons::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    ReleasePart();
}

void TDgSpinButtons::MouseLeave()
{
    TCustomControl::MouseLeave();
    SetHotPart(spNone);
}

void TDgSpinButtons::PaintPart(const TRect& rect, TDgSpinPart part)
{
    TCanvas& canvas = Canvas();
    const bool pressed = pressedPart_ == part;
    const bool hot = hotPart_ == part || hotPart_ == spBoth;
    if (IsThemed()) {
        const int state = !Enabled() ? 4 : pressed ? 3 : hot ? 2 : 1;
        ThemeRect(this, canvas, rect, "spin", part == spUp ? SPNP_UP : SPNP_DOWN, state);
        return;
    }
    unsigned flags = part == spUp ? DFCS_SCROLLUP : DFCS_SCROLLDOWN;
    if (pressed)
        flags |= DFCS_PUSHED;
    if (!Enabled())
        flags |= DFCS_INACTIVE;
    TRect box = rect;
    DrawFrameControl(canvas, box, DFC_SCROLL, flags);
}

void TDgSpinButtons::Paint()
{
    const int half = ClientHeight() / 2;
    PaintPart(Rect(0, 0, ClientWidth(), half), spUp);
    PaintPart(Rect(0, half, ClientWidth(), ClientHeight()), spDown);
}

// ---- TDgSpinEdit

TDgSpinEdit::TDgSpinEdit(TComponent* owner) : TDgCustomNumberEdit(owner)
{
    precision_ = 0;
    buttons_ = new TDgSpinButtons(this);
    buttons_->SetParent(this);
    buttons_->OnStep = [this](TDgSpinPart part) { Spin(part); };
    UpdateLayout();
}

void TDgSpinEdit::SetSpinButtons(bool value)
{
    spinButtons_ = value;
    UpdateLayout();
}

void TDgSpinEdit::GetTextMargins(int& left, int& right)
{
    TDgCustomNumberEdit::GetTextMargins(left, right);
    if (spinButtons_)
        right += GetSystemMetrics(SM_CXVSCROLL);
}

void TDgSpinEdit::PlaceChildren()
{
    TDgCustomNumberEdit::PlaceChildren();
    if (!buttons_)
        return;
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    const TRect inner = DisplayClientRect();
    if (BorderStyle() == bsSingle)
        buttons_->SetBounds(inner.Right - width, inner.Top + 1, width, inner.Height() - 1);
    else
        buttons_->SetBounds(inner.Right - width, 0, width, inner.Height() + 1);
    buttons_->SetVisible(spinButtons_);
}

int TDgSpinEdit::GetAsInteger()
{
    return RoundToInt32(Value());
}

void TDgSpinEdit::Spin(TDgSpinPart button)
{
    if (ReadOnly())
        return;
    if (!Focused() && CanFocus())
        SetFocus();
    const double value = Value();
    if (button == spUp) {
        if (RangeApplies() && value + increment_ > Max())
            return;
        SetValue(value + increment_);
    } else {
        if (value == 0 && !Options().Contains(eoAllowSigns))
            return;
        if (RangeApplies() && value - increment_ < Min())
            return;
        SetValue(value - increment_);
    }
    CaretToEnd();
    if (OnSpin)
        OnSpin(this, button);
}

void TDgSpinEdit::KeyDown(unsigned short& key, TShiftState shift)
{
    TDgCustomNumberEdit::KeyDown(key, shift);
    if (key == VK_UP || key == VK_DOWN) {
        buttons_->PressPart(key == VK_UP ? spUp : spDown);
        key = 0;
    }
}

void TDgSpinEdit::KeyUp(unsigned short& key, TShiftState shift)
{
    TDgCustomNumberEdit::KeyUp(key, shift);
    if (key == VK_UP || key == VK_DOWN)
        buttons_->ReleasePart();
}

bool TDgSpinEdit::DoMouseWheelDown(TShiftState shift, TPoint mousePos)
{
    Spin(spDown);
    return true;
}

bool TDgSpinEdit::DoMouseWheelUp(TShiftState shift, TPoint mousePos)
{
    Spin(spUp);
    return true;
}

void TDgSpinEdit::MouseEnter()
{
    TDgCustomNumberEdit::MouseEnter();
    buttons_->SetHotPart(spBoth);
}

void TDgSpinEdit::MouseLeave()
{
    TDgCustomNumberEdit::MouseLeave();
    buttons_->SetHotPart(spNone);
}

}  // namespace tarvelon
