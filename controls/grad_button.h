#pragma once
// TGradButton: the game's standard push button. It paints a face colour or a vertical two-colour
// gradient, a caption, an optional glyph, a border, a 3-D edge and a focus rectangle, with six
// colours for each of its states (normal, mouse over, pressed, disabled); twelve colour schemes
// set all of them at once. Clicks, Space and Enter, Default / Cancel, accelerators and
// ModalResult work as on the standard push button.
#include <array>
#include <memory>

#include "controls/dc_smooth_gdip.h"
#include "controls/dialog_char.h"
#include "platform/forms/custom_control.h"
#include "platform/graphics/bitmap.h"

class QObject;

namespace tarvelon {

enum TColorScheme {
    csNeoDesert, csNeoSky, csNeoGrass, csNeoSilver, csNeoRose, csNeoSun, csDesert, csGrass, csSky, csSun, csRose,
    csSilver, csCustom
};

// Indexes of the 25 colours: the six of a state are face, gradient end, dark edge, light edge,
// border, caption.
enum TGradButtonColor {
    gcFace, gcGrad, gcDark, gcLight, gcBorder, gcText,
    gcOverFace = 6, gcDownFace = 12, gcDisabledFace = 18,
    gcFocusRect = 24,
};
inline constexpr int kGradButtonColorCount = 25;

class TGradButton : public TCustomControl, public TDialogCharControl {
public:
    // Where the glyph goes (the glossy button has a layout type of its own, ordered otherwise).
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

    explicit TGradButton(TComponent* owner);
    ~TGradButton() override;
    std::string ClassName() const override { return "TGradButton"; }

    // The 25 colours by index (TGradButtonColor); setting one makes the scheme csCustom.
    TColor ButtonColor(int index) const { return colors_.at(static_cast<std::size_t>(index)); }
    using TControl::SetColor;
    void SetColor(int index, TColor color);

    TColor ColorFace() const { return ButtonColor(0); }
    void SetColorFace(TColor c) { SetColor(0, c); }
    TColor ColorGrad() const { return ButtonColor(1); }
    void SetColorGrad(TColor c) { SetColor(1, c); }
    TColor ColorDark() const { return ButtonColor(2); }
    void SetColorDark(TColor c) { SetColor(2, c); }
    TColor ColorLight() const { return ButtonColor(3); }
    void SetColorLight(TColor c) { SetColor(3, c); }
    TColor ColorBorder() const { return ButtonColor(4); }
    void SetColorBorder(TColor c) { SetColor(4, c); }
    TColor ColorText() const { return ButtonColor(5); }
    void SetColorText(TColor c) { SetColor(5, c); }
    TColor OverColorFace() const { return ButtonColor(6); }
    void SetOverColorFace(TColor c) { SetColor(6, c); }
    TColor OverColorGrad() const { return ButtonColor(7); }
    void SetOverColorGrad(TColor c) { SetColor(7, c); }
    TColor OverColorText() const { return ButtonColor(11); }
    void SetOverColorText(TColor c) { SetColor(11, c); }
    TColor DownColorFace() const { return ButtonColor(12); }
    void SetDownColorFace(TColor c) { SetColor(12, c); }
    TColor DownColorGrad() const { return ButtonColor(13); }
    void SetDownColorGrad(TColor c) { SetColor(13, c); }
    TColor DisabledColorFace() const { return ButtonColor(18); }
    void SetDisabledColorFace(TColor c) { SetColor(18, c); }
    TColor DisabledColorGrad() const { return ButtonColor(19); }
    void SetDisabledColorGrad(TColor c) { SetColor(19, c); }
    TColor ColorFocusRect() const { return ButtonColor(24); }
    void SetColorFocusRect(TColor c) { SetColor(24, c); }

    TColorScheme ColorScheme() const { return scheme_; }
    void SetColorScheme(TColorScheme scheme);

    bool Ctl3D() const { return ctl3D_; }
    void SetCtl3D(bool v) { StoreAndInvalidate(ctl3D_, v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v) { StoreAndInvalidate(layout_, v); }
    TBitmap& Glyph() { return *glyph_; }
    void SetGlyph(const TBitmap& glyph);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { StoreAndInvalidate(spacing_, v); }
    bool TransparentGlyph() const { return transparentGlyph_; }
    void SetTransparentGlyph(bool v) { StoreAndInvalidate(transparentGlyph_, v); }
    bool Gradient() const { return gradient_; }
    void SetGradient(bool v) { StoreAndInvalidate(gradient_, v); }
    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool v) { hotTrack_ = v; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }

    // 0 normal, 1 mouse over, 2 pressed.
    int State() const { return state_; }

    // Copies ModalResult to the form, shows the normal state, then fires OnClick.
    void Click() override;
    bool DialogKey(unsigned short key, TShiftState shift) override;
    // A character typed as an accelerator (with or without Alt): true when it is this button's
    // and the button clicked.
    bool DialogChar(char32_t character, bool altHeld) override;

protected:
    void Paint() override;
    void CreateWnd() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    void TextChanged() override;
    void FontChanged() override;
    void EnabledChanged() override;

private:
    class KeyFilter;
    friend class KeyFilter;

    template <typename T>
    void StoreAndInvalidate(T& field, T value)
    {
        if (StoreChanged(field, value))
            Invalidate();
    }
    void SetState(int state);
    // The button's own keys: Space and Enter down, Space up. True when the event is swallowed.
    bool HandleKeyEvent(bool press, int qtKey, int modifiers, bool autoRepeat, const std::string& text);
    void PaintGradient(TCanvas& canvas, TColor from, TColor to);
    void PaintGlyph(TCanvas& canvas, int& tx, int& ty, int tw, int th);

    std::array<TColor, kGradButtonColorCount> colors_{};
    TColorScheme scheme_ = csCustom;
    bool ctl3D_ = true;
    TButtonLayout layout_ = blGlyphLeft;
    std::unique_ptr<TBitmap> glyph_;
    int spacing_ = 4;
    bool transparentGlyph_ = true;
    bool gradient_ = false;
    bool hotTrack_ = true;
    bool cancel_ = false;
    bool default_ = false;
    TModalResult modalResult_ = mrNone;
    int state_ = 0;
    bool held_ = false;
    std::unique_ptr<QObject> keyFilter_;
};

}  // namespace tarvelon
