#pragma once
// Number editors: TDgCustomNumberEdit filters what is typed and pasted, reads its value from the
// text within a range and writes it back formatted; TDgSpinEdit (the editor of number columns)
// adds arrow buttons that step the value.
#include <memory>

#include "grid/dg_edit.h"
#include "platform/forms/timer.h"
#include "platform/graphics/enum_set.h"

namespace tarvelon {

enum TDgNumberEditOption { eoAllowAll, eoAllowFloat, eoAllowSigns, eoDisablePaste, eoDisableTyping };
using TDgNumberEditOptions = TSet<TDgNumberEditOption>;

// Keeps only what a number may hold: digits, one decimal separator (when floats are allowed) and a
// leading sign (when signs are allowed); a lone sign gets a "0".
std::string StripNumberText(const std::string& text, bool allowFloat, bool allowSigns);
// The value written with a fixed number of decimals and the locale's separator.
std::string FormatFixed(double value, int decimals);

class TDgCustomNumberEdit : public TDgEdit {
public:
    explicit TDgCustomNumberEdit(TComponent* owner);
    std::string ClassName() const override { return "TDgCustomNumberEdit"; }

    // Limits apply only when Max or Min is not 0.
    double Max() const { return max_; }
    void SetMax(double value) { max_ = value; }
    double Min() const { return min_; }
    void SetMin(double value) { min_ = value; }
    const std::string& NullText() const { return nullText_; }
    void SetNullText(const std::string& value);
    TDgNumberEditOptions Options() const { return options_; }
    void SetOptions(TDgNumberEditOptions value) { options_ = value; }
    int Precision() const { return precision_; }
    void SetPrecision(int value);
    const std::string& TextAfter() const { return textAfter_; }
    void SetTextAfter(const std::string& value);
    double Value();
    void SetValue(double value);
    double LastValue() const { return lastValue_; }

    // The text cleaned, converted, limited and written back in the shortest form; an empty result
    // raises the conversion error.
    std::string CleanNumberText(const std::string& text, bool allowFloat, bool allowSigns) const;
    // The range rule.
    double Limited(double value) const;
    bool RangeApplies() const { return max_ != 0 || min_ != 0; }

    double GetAsFloat() override { return Value(); }
    void SetAsFloat(double value) override { SetValue(value); }
    void RefreshText() override;
    void PasteFromClipboard() override;

protected:
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoExit() override;
    // Whether the typed character may reach the text.
    bool AcceptsChar(char32_t key) const;
    std::string FormatValue(double value) const;
    int precision_ = 2;

private:
    double max_ = 0;
    double min_ = 0;
    std::string nullText_;
    TDgNumberEditOptions options_{eoAllowFloat, eoAllowSigns};
    std::string textAfter_;
    double lastValue_ = 0;
};

class TDgSpinEdit;

enum TDgSpinPart { spNone = 0, spUp = 1, spDown = 2, spBoth = 3 };

// The pair of arrows at a spin editor's right edge; a held arrow repeats after 400 ms every 20 ms.
class TDgSpinButtons : public TCustomControl {
public:
    explicit TDgSpinButtons(TDgSpinEdit* editor);
    std::string ClassName() const override { return "TDgSpinButtons"; }

    TDgSpinPart HotPart() const { return hotPart_; }
    void SetHotPart(TDgSpinPart part);
    TDgSpinPart PressedPart() const { return pressedPart_; }
    // Presses a part: one step at once, repeated while held.
    void PressPart(TDgSpinPart part);
    void ReleasePart();
    TDgSpinPart PartAt(int y) const { return y < ClientHeight() / 2 ? spUp : spDown; }
    TTimer& RepeatDelayTimer() { return *repeatDelayTimer_; }
    TTimer& RepeatTimer() { return *repeatTimer_; }

    std::function<void(TDgSpinPart)> OnStep;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The arrows lie at the editor's edge: leaving them may be leaving the editor.
    void MouseLeave() override;

private:
    void PaintPart(const TRect& rect, TDgSpinPart part);
    TDgSpinEdit* editor_;
    TDgSpinPart hotPart_ = spNone;
    TDgSpinPart pressedPart_ = spNone;
    std::unique_ptr<TTimer> repeatDelayTimer_;
    std::unique_ptr<TTimer> repeatTimer_;
};

using TDgSpinEvent = std::function<void(TObject* sender, TDgSpinPart button)>;

class TDgSpinEdit : public TDgCustomNumberEdit {
public:
    explicit TDgSpinEdit(TComponent* owner);
    std::string ClassName() const override { return "TDgSpinEdit"; }

    double Increment() const { return increment_; }
    void SetIncrement(double value) { increment_ = value; }
    bool SpinButtons() const { return spinButtons_; }
    void SetSpinButtons(bool value);
    TDgSpinButtons& Buttons() { return *buttons_; }
    // One step up (1) or down (2).
    void Spin(TDgSpinPart button);

    int GetAsInteger() override;
    void SetAsInteger(int value) override { SetValue(value); }
    void GetTextMargins(int& left, int& right) override;

    TDgSpinEvent OnSpin;

protected:
    void PlaceChildren() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    double increment_ = 1.0;
    bool spinButtons_ = true;
    TDgSpinButtons* buttons_ = nullptr;
};

}  // namespace tarvelon
