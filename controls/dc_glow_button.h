#pragma once
// TDcGlowButton: the glossy push button of the game's screens. TDcCustomGlowButton holds the
// behaviour: states moved by mouse, keys, focus and toggle groups, the 30 ms colour fade between
// the normal, hot and down looks, repeated clicks while held (400 ms, then every 100 ms), the
// drop-down part and automatic sizing. Paint (dc_glow_button_paint.cpp) picks the colours of the
// state and hands them to DrawGlowButton.
#include <memory>
#include <string>

#include "controls/dc_glow_button_appearance.h"
#include "controls/dc_glow_button_draw.h"
#include "controls/dc_hint_info.h"
#include "controls/dialog_char.h"
#include "controls/gdi_picture.h"
#include "platform/forms/custom_control.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/strings.h"

namespace tarvelon {

enum TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum TDcButtonStyle { bsButton, bsCheck };
enum TButtonSizeState { bsGlyph, bsLabel, bsLarge };
enum TDropDownDirection { ddDown, ddRight };

// ButtonState values.
enum : unsigned char { glowUp = 0, glowDisabled = 1, glowDown = 2, glowExclusive = 4 };
// FadePhase values.
enum : int { fadeHot = 0, fadeDown = 1, fadeIdle = 2 };

// State: 0 normal, 1 pointer inside, 2 down.
using TGlowButtonDrawEvent = std::function<void(TObject* sender, TCanvas& canvas, TRect rect, int state)>;

inline constexpr int kGlowFadeInterval = 30;
inline constexpr int kGlowFadeStep = 20;

class TDcCustomGlowButton : public TCustomControl, public TDialogCharControl {
public:
    explicit TDcCustomGlowButton(TComponent* owner);
    ~TDcCustomGlowButton() override;
    std::string ClassName() const override { return "TDcCustomGlowButton"; }

    // From another glossy button: its published properties, one by one.
    void Assign(const TDcCustomGlowButton& source);
    void Loaded() override;

    TAntiAlias AntiAlias() const { return antiAlias_; }
    void SetAntiAlias(TAntiAlias value);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }
    bool Default() const { return default_; }
    void SetDefault(bool value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* list);
    TCustomImageList* DisabledImages() const { return disabledImages_; }
    void SetDisabledImages(TCustomImageList* list);
    TCustomImageList* HotImages() const { return hotImages_; }
    void SetHotImages(TCustomImageList* list);
    TGDIPPicture& Picture() { return *picture_; }
    void SetPicture(const TGDIPPicture& picture) { picture_->Assign(&picture); }
    TGDIPPicture& HotPicture() { return *hotPicture_; }
    void SetHotPicture(const TGDIPPicture& picture) { hotPicture_->Assign(&picture); }
    TGDIPPicture& DisabledPicture() { return *disabledPicture_; }
    void SetDisabledPicture(const TGDIPPicture& picture);
    TFocusType FocusType() const { return focusType_; }
    void SetFocusType(TFocusType value) { focusType_ = value; }
    int MarginVert() const { return marginVert_; }
    void SetMarginVert(int value);
    int MarginHorz() const { return marginHorz_; }
    void SetMarginHorz(int value);
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) { modalResult_ = value; }
    TStrings& Notes() { return notes_; }
    void SetNotes(const std::vector<std::string>& lines);
    TFont& NotesFont() { return *notesFont_; }
    void SetNotesFont(const TFont& font);
    TDcHintInfo& OfficeHint() { return *officeHint_; }
    void SetOfficeHint(const TDcHintInfo& hint) { officeHint_->Assign(&hint); }
    TButtonPosition Position() const { return position_; }
    void SetPosition(TButtonPosition value);
    int InitRepeatPause() const { return initRepeatPause_; }
    void SetInitRepeatPause(int value) { initRepeatPause_ = value; }
    int RepeatPause() const { return repeatPause_; }
    void SetRepeatPause(int value) { repeatPause_ = value; }
    bool RepeatClick() const { return repeatClick_; }
    void SetRepeatClick(bool value) { repeatClick_ = value; }
    bool Rounded() const { return rounded_; }
    void SetRounded(bool value);
    const std::string& ShortCutHint() const { return shortCutHint_; }
    void SetShortCutHint(const std::string& value) { shortCutHint_ = value; }
    // Stored only: the identifier of the hint's place as the description gives it.
    const std::string& ShortCutHintPos() const { return shortCutHintPos_; }
    void SetShortCutHintPos(const std::string& value) { shortCutHintPos_ = value; }
    bool ShowCaption() const { return showCaption_; }
    void SetShowCaption(bool value);
    bool ShowDisabled() const { return showDisabled_; }
    void SetShowDisabled(bool value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value) { transparent_ = value; }
    TGPStringTrimming Trimming() const { return trimming_; }
    void SetTrimming(TGPStringTrimming value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    std::string Version() const { return "1.9.1.1"; }
    void SetVersion(const std::string&) {}

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    TGlowButtonAppearance& Appearance() { return *appearance_; }
    void SetAppearance(const TGlowButtonAppearance& value) { appearance_->Assign(value); }
    bool Down() const { return down_; }
    void SetDown(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout value);
    TDcButtonStyle Style() const { return style_; }
    void SetStyle(TDcButtonStyle value) { style_ = value; }
    TButtonSizeState MaxButtonSizeState() const { return maxSizeState_; }
    void SetMaxButtonSizeState(TButtonSizeState value);
    TButtonSizeState MinButtonSizeState() const { return minSizeState_; }
    void SetMinButtonSizeState(TButtonSizeState value);
    bool DropDownButton() const { return dropDownButton_; }
    void SetDropDownButton(bool value);
    TDropDownPosition DropDownPosition() const { return dropDownPosition_; }
    void SetDropDownPosition(TDropDownPosition value);
    TDropDownDirection DropDownDirection() const { return dropDownDirection_; }
    void SetDropDownDirection(TDropDownDirection value);
    bool DropDownSplit() const { return dropDownSplit_; }
    void SetDropDownSplit(bool value) { dropDownSplit_ = value; }
    TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
    void SetDropDownMenu(TPopupMenu* menu);

    TGlowButtonDrawEvent OnDrawButton;
    TNotifyEvent OnDropDown;

    // Clicks the button (ModalResult to the form first, then OnClick).
    void Click() override;
    bool DialogKey(unsigned short key, TShiftState shift) override;
    // Alt + the caption's accelerator: opens the drop-down menu when there is one, else clicks.
    bool DialogChar(char32_t character, bool altHeld) override;

    // Run-time state, readable for whoever draws or tests the button.
    unsigned char ButtonState() const { return buttonState_; }
    bool Hot() const { return hot_; }
    bool MouseInControl() const { return mouseInControl_; }
    bool IsPressed() const { return pressed_; }
    bool ButtonHeld() const { return buttonHeld_; }
    int HotLevel() const { return hotLevel_; }
    int DownLevel() const { return downLevel_; }
    int FadePhase() const { return fadePhase_; }
    bool Fading() const { return fading_; }
    TButtonSizeState SizeState() const { return sizeState_; }
    // Whether Enter clicks this button now: the focused glossy button alone, or, while a control
    // of another kind has the focus, every button whose Default is set.
    bool ActiveDefault() const;
    // One tick of the fade (what the 30 ms timer runs).
    void FadeTick();
    void RepeatTimerTick();

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyUp(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    // Empty hooks for descendants: after painting, and an extra glyph bitmap.
    virtual void AfterPaint() {}

private:
    void Changed() { Invalidate(); }
    void Remeasure();
    void ApplyMeasuredSize(TSize content);
    void SetSizeState(TButtonSizeState state);
    void EnsureFadeTimer();
    void StopFade();
    void StartFade(int phase, int step);
    void UpdateTracking();
    void UpdateExclusive();
    void ReleasedByGroup(TDcCustomGlowButton* sender);
    void KeyboardClick();
    void DoDropDown();
    void PopupDropDownMenu();
    bool InDropDownZone(int x, int y) const;
    void SetImageList(TCustomImageList*& slot, TCustomImageList* list);
    void RepaintParentCorners();
    void PaintParentInto(const TRegion& clip);

    std::unique_ptr<TGlowButtonAppearance> appearance_;
    std::unique_ptr<TGDIPPicture> picture_;
    std::unique_ptr<TGDIPPicture> hotPicture_;
    std::unique_ptr<TGDIPPicture> disabledPicture_;
    std::unique_ptr<TFont> notesFont_;
    std::unique_ptr<TDcHintInfo> officeHint_;
    TStrings notes_;
    TTimer* fadeTimer_ = nullptr;
    TTimer* repeatTimer_ = nullptr;
    TCustomImageList* images_ = nullptr;
    TCustomImageList* disabledImages_ = nullptr;
    TCustomImageList* hotImages_ = nullptr;
    TPopupMenu* dropDownMenu_ = nullptr;

    TAntiAlias antiAlias_ = aaClearType;
    bool autoSize_ = false;
    TFormBorderStyle borderStyle_ = bsSingle;
    bool cancel_ = false;
    bool default_ = false;
    int imageIndex_ = -1;
    TFocusType focusType_ = ftBorder;
    int marginVert_ = 1;
    int marginHorz_ = 1;
    TModalResult modalResult_ = mrNone;
    TButtonPosition position_ = bpStandalone;
    int initRepeatPause_ = 400;
    int repeatPause_ = 100;
    bool repeatClick_ = false;
    bool rounded_ = true;
    std::string shortCutHint_;
    std::string shortCutHintPos_ = "shpTop";
    bool showCaption_ = true;
    bool showDisabled_ = true;
    int spacing_ = 2;
    bool transparent_ = false;
    TGPStringTrimming trimming_ = StringTrimmingNone;
    bool wordWrap_ = true;
    bool allowAllUp_ = false;
    bool down_ = false;
    int groupIndex_ = 0;
    TButtonLayout layout_ = blGlyphLeft;
    TDcButtonStyle style_ = bsButton;
    TButtonSizeState maxSizeState_ = bsLarge;
    TButtonSizeState minSizeState_ = bsGlyph;
    bool dropDownButton_ = false;
    TDropDownPosition dropDownPosition_ = dpRight;
    TDropDownDirection dropDownDirection_ = ddDown;
    bool dropDownSplit_ = true;

    unsigned char buttonState_ = glowUp;
    bool hot_ = false;
    bool mouseInControl_ = false;
    bool trackingFlag_ = false;
    bool pressed_ = false;
    bool buttonHeld_ = false;
    bool repressOnEnter_ = false;
    bool mouseDownInside_ = false;
    bool dropDownHot_ = false;
    bool focused_ = false;
    bool loadedDown_ = false;
    TButtonSizeState sizeState_ = bsLarge;
    TButtonLayout savedLayout_ = blGlyphLeft;
    TDropDownPosition savedDropDownPosition_ = dpRight;
    bool sizePending_ = false;
    bool initialSizePending_ = true;  // the first paint measures an auto-sized button
    int hotLevel_ = 0;
    int downLevel_ = 0;
    int fadeStep_ = kGlowFadeStep;
    int fadePhase_ = fadeIdle;
    bool painting_ = false;
    bool fading_ = false;
};

class TDcGlowButton : public TDcCustomGlowButton {
public:
    explicit TDcGlowButton(TComponent* owner) : TDcCustomGlowButton(owner) {}
    std::string ClassName() const override { return "TDcGlowButton"; }
};

// Whether the system offers the locale services of the systems whose interface face is "Segoe UI"
// (what a button asking for the system font looks for). They come with a module of those systems
// that this platform never loads, so the answer is no and such buttons take "Tahoma".
bool IsLocaleInfoExAvailable();

// Registers TDcGlowButton and its stored properties for the form descriptions.
void RegisterDcGlowButton();

}  // namespace tarvelon
