#include "controls/dc_glow_button.h"

#include <algorithm>

#include "platform/forms/input_state.h"
#include "platform/forms/keys.h"

namespace tarvelon {

TDcCustomGlowButton::TDcCustomGlowButton(TComponent* owner)
    : TCustomControl(owner),
      appearance_(std::make_unique<TGlowButtonAppearance>()),
      picture_(std::make_unique<TGDIPPicture>()),
      hotPicture_(std::make_unique<TGDIPPicture>()),
      disabledPicture_(std::make_unique<TGDIPPicture>()),
      notesFont_(std::make_unique<TFont>()),
      officeHint_(std::make_unique<TDcHintInfo>())
{
    SetBounds(Left(), Top(), 100, 41);
    // The button paints its whole face (and the parent's background where it shows through).
    eraseBackground_ = false;
    doubleClicks_ = false;  // a push button: each of two quick clicks is a click
    appearance_->OnChange = [this](TObject*) { Changed(); };
    picture_->OnChange = [this] { Remeasure(); };
    hotPicture_->OnChange = [this] { Remeasure(); };
    notesFont_->SetName("Tahoma");
    notesFont_->SetSize(8);
    notesFont_->OnChange = [this] { Changed(); };
    notes_.OnChange = [this] { Changed(); };
    InstallAcceleratorFilter();
}

TDcCustomGlowButton::~TDcCustomGlowButton()
{
    appearance_->OnChange = nullptr;
    picture_->OnChange = nullptr;
    hotPicture_->OnChange = nullptr;
    notesFont_->OnChange = nullptr;
    notes_.OnChange = nullptr;
}

void TDcCustomGlowButton::Assign(const TDcCustomGlowButton& s)
{
    SetAlign(s.Align());
    SetAction(s.Action());
    SetAnchors(s.Anchors());
    SetAntiAlias(s.antiAlias_);
    SetAutoSize(s.autoSize_);
    SetBorderStyle(s.borderStyle_);
    SetCancel(s.cancel_);
    SetCaption(s.Caption());
    SetConstraints(s.Constraints());
    SetDefault(s.default_);
    SetImageIndex(s.imageIndex_);
    SetImages(s.images_);
    SetDisabledImages(s.disabledImages_);
    SetHotImages(s.hotImages_);
    SetDragMode(s.DragMode());
    SetDragKind(s.DragKind());
    SetFocusType(s.focusType_);
    SetPicture(*s.picture_);
    SetHotPicture(*s.hotPicture_);
    SetDisabledPicture(*s.disabledPicture_);
    SetMarginVert(s.marginVert_);
    SetMarginHorz(s.marginHorz_);
    SetModalResult(s.modalResult_);
    SetNotes(s.notes_.ToVector());
    SetNotesFont(*s.notesFont_);
    SetOfficeHint(*s.officeHint_);
    SetParentFont(s.ParentFont());
    SetPopupMenu(s.PopupMenu());
    SetPosition(s.position_);
    SetInitRepeatPause(s.initRepeatPause_);
    SetRepeatPause(s.repeatPause_);
    SetRepeatClick(s.repeatClick_);
    SetRounded(s.rounded_);
    SetShortCutHint(s.shortCutHint_);
    SetShortCutHintPos(s.shortCutHintPos_);
    SetShowCaption(s.showCaption_);
    SetShowDisabled(s.showDisabled_);
    SetSpacing(s.spacing_);
    SetTransparent(s.transparent_);
    SetTrimming(s.trimming_);
    SetWordWrap(s.wordWrap_);
    SetShowHint(s.ShowHint());
    SetParentShowHint(s.ParentShowHint());
    SetTabOrder(s.TabOrder());
    SetTabStop(s.TabStop());
    SetVisible(s.Visible());
}

void TDcCustomGlowButton::Loaded()
{
    TCustomControl::Loaded();
    // Down may come before GroupIndex in a description; it is applied again once all is read.
    if (loadedDown_ != down_)
        SetDown(loadedDown_);
}

// ---- Property setters

void TDcCustomGlowButton::SetAntiAlias(TAntiAlias value)
{
    if (antiAlias_ != value) {
        antiAlias_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetAutoSize(bool value)
{
    if (autoSize_ != value) {
        autoSize_ = value;
        Remeasure();
    }
}

void TDcCustomGlowButton::SetBorderStyle(TFormBorderStyle value)
{
    borderStyle_ = value;
    Changed();
}

void TDcCustomGlowButton::SetDefault(bool value)
{
    default_ = value;
}

void TDcCustomGlowButton::SetImageIndex(int value)
{
    imageIndex_ = value;
    Remeasure();
}

void TDcCustomGlowButton::SetImageList(TCustomImageList*& slot, TCustomImageList* list) { ReplaceNotified(slot, list); }

void TDcCustomGlowButton::SetImages(TCustomImageList* list)
{
    SetImageList(images_, list);
    Remeasure();
    Changed();
}

void TDcCustomGlowButton::SetDisabledImages(TCustomImageList* list)
{
    SetImageList(disabledImages_, list);
    Changed();
}

void TDcCustomGlowButton::SetHotImages(TCustomImageList* list)
{
    SetImageList(hotImages_, list);
    Changed();
}

void TDcCustomGlowButton::SetDisabledPicture(const TGDIPPicture& picture)
{
    disabledPicture_->Assign(&picture);
    Changed();
}

void TDcCustomGlowButton::SetMarginVert(int value)
{
    if (marginVert_ != value) {
        marginVert_ = value;
        Remeasure();
    }
}

void TDcCustomGlowButton::SetMarginHorz(int value)
{
    if (marginHorz_ != value) {
        marginHorz_ = value;
        Remeasure();
    }
}

void TDcCustomGlowButton::SetNotes(const std::vector<std::string>& lines)
{
    notes_.Assign(lines);
    Changed();
}

void TDcCustomGlowButton::SetNotesFont(const TFont& font)
{
    notesFont_->Assign(font);
    Changed();
}

void TDcCustomGlowButton::SetPosition(TButtonPosition value)
{
    position_ = value;
    Changed();
}

void TDcCustomGlowButton::SetRounded(bool value)
{
    if (rounded_ != value) {
        rounded_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetShowCaption(bool value)
{
    showCaption_ = value;
    Remeasure();
    Changed();
}

void TDcCustomGlowButton::SetShowDisabled(bool value)
{
    showDisabled_ = value;
    Changed();
}

void TDcCustomGlowButton::SetSpacing(int value)
{
    if (spacing_ != value) {
        spacing_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetTrimming(TGPStringTrimming value)
{
    if (trimming_ != value) {
        trimming_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetWordWrap(bool value)
{
    if (wordWrap_ != value) {
        wordWrap_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetAllowAllUp(bool value)
{
    if (allowAllUp_ != value) {
        allowAllUp_ = value;
        UpdateExclusive();
    }
}

void TDcCustomGlowButton::SetGroupIndex(int value)
{
    if (groupIndex_ != value) {
        groupIndex_ = value;
        UpdateExclusive();
    }
}

void TDcCustomGlowButton::SetLayout(TButtonLayout value)
{
    layout_ = value;
    Changed();
}

void TDcCustomGlowButton::SetDropDownButton(bool value)
{
    dropDownButton_ = value;
    SetBounds(Left(), Top(), Width(), Height());
    if (Parent())
        Parent()->Realign();
    Changed();
}

void TDcCustomGlowButton::SetDropDownPosition(TDropDownPosition value)
{
    dropDownPosition_ = value;
    if (dropDownButton_ && Parent())
        Parent()->Realign();
    Changed();
}

void TDcCustomGlowButton::SetDropDownDirection(TDropDownDirection value)
{
    if (dropDownDirection_ != value) {
        dropDownDirection_ = value;
        Changed();
    }
}

void TDcCustomGlowButton::SetDropDownMenu(TPopupMenu* menu) { ReplaceNotified(dropDownMenu_, menu); }

void TDcCustomGlowButton::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == images_)
        images_ = nullptr;
    if (component == disabledImages_)
        disabledImages_ = nullptr;
    if (component == hotImages_)
        hotImages_ = nullptr;
    if (component == dropDownMenu_)
        dropDownMenu_ = nullptr;
}

// ---- Down and toggle groups

void TDcCustomGlowButton::SetDown(bool value)
{
    if (Loading())
        loadedDown_ = value;
    if (groupIndex_ == 0 && style_ == bsButton)
        value = false;
    if (style_ == bsCheck) {
        down_ = value;
        buttonState_ = value ? glowDown : glowUp;
        Changed();
        return;
    }
    if (value == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = value;
    if (value) {
        if (buttonState_ == glowUp)
            Changed();
        buttonState_ = glowExclusive;
        UpdateExclusive();
    } else {
        buttonState_ = glowUp;
        Changed();
    }
}

void TDcCustomGlowButton::UpdateExclusive()
{
    if (!Parent() || groupIndex_ == 0)
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TDcCustomGlowButton*>(Parent()->Controls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_)
            other->ReleasedByGroup(this);
    }
}

void TDcCustomGlowButton::ReleasedByGroup(TDcCustomGlowButton* sender)
{
    if (sender->down_ && down_) {
        down_ = false;
        buttonState_ = glowUp;
        Changed();
    }
}

// ---- Sizes

void TDcCustomGlowButton::Remeasure()
{
    if (!autoSize_) {
        Changed();
        return;
    }
    sizePending_ = true;
    Changed();
    if (Parent() && !Loading() && HandleAllocated())
        Update();
    // A button that could not paint now keeps its size until the next re-measure (only the first
    // paint measures in any case).
    sizePending_ = false;
}

void TDcCustomGlowButton::ApplyMeasuredSize(TSize content)
{
    int width = spacing_ * 3 + content.cx + 2 + 2 * marginHorz_;
    int height = spacing_ * 2 + content.cy + 2 * marginVert_;
    if (dropDownButton_)
        (dropDownPosition_ == dpRight ? width : height) += kGlowDropDownWidth;
    if (width != Width())
        SetWidth(width);
    if (height != Height())
        SetHeight(height);
}

void TDcCustomGlowButton::SetSizeState(TButtonSizeState state)
{
    if (sizeState_ == bsLarge && state != bsLarge) {
        savedLayout_ = layout_;
        savedDropDownPosition_ = dropDownPosition_;
    }
    const bool enteringLarge = sizeState_ != bsLarge && state == bsLarge;
    sizeState_ = state;
    if (autoSize_) {
        if (enteringLarge) {
            layout_ = savedLayout_;
            dropDownPosition_ = savedDropDownPosition_;
        } else if (state != bsLarge) {
            layout_ = blGlyphLeft;
            dropDownPosition_ = dpRight;
        }
    }
    sizePending_ = true;
    Changed();
}

void TDcCustomGlowButton::SetMaxButtonSizeState(TButtonSizeState value)
{
    maxSizeState_ = value;
    SetSizeState(value);
}

void TDcCustomGlowButton::SetMinButtonSizeState(TButtonSizeState value)
{
    minSizeState_ = value;
    if (value > sizeState_)
        SetSizeState(value);
}

// ---- Fade and repeat timers

void TDcCustomGlowButton::EnsureFadeTimer()
{
    // One timer per button, stopped rather than freed when a fade ends: freeing it inside its own
    // tick is not safe here. Fading() tells whether a fade runs, as the timer's presence did.
    if (!fadeTimer_) {
        fadeTimer_ = new TTimer(this);
        fadeTimer_->SetInterval(kGlowFadeInterval);
        fadeTimer_->OnTimer = [this](TObject*) { FadeTick(); };
    }
    fading_ = true;
    fadeTimer_->SetEnabled(true);
}

void TDcCustomGlowButton::StopFade()
{
    fadePhase_ = fadeIdle;
    fading_ = false;
    if (fadeTimer_)
        fadeTimer_->SetEnabled(false);
}

void TDcCustomGlowButton::StartFade(int phase, int step)
{
    EnsureFadeTimer();
    fadeStep_ = step;
    fadePhase_ = phase;
}

void TDcCustomGlowButton::FadeTick()
{
    if (fadePhase_ == fadeIdle)
        return;
    int& level = fadePhase_ == fadeHot ? hotLevel_ : downLevel_;
    level += fadeStep_;
    const bool finished = (level >= 101 && fadeStep_ > 0) || (level < 0 && fadeStep_ < 0);
    if (!finished) {
        Invalidate();
        return;
    }
    level = std::clamp(level, 0, 100);
    if (fadePhase_ == fadeDown && fadeStep_ < 0) {
        pressed_ = false;
        repressOnEnter_ = false;
    }
    StopFade();
}

void TDcCustomGlowButton::RepeatTimerTick()
{
    repeatTimer_->SetInterval(repeatPause_);
    if (pressed_ && MouseCapture())
        Click();
}

// ---- Mouse

void TDcCustomGlowButton::MouseEnter()
{
    // No hover effects while the form is being read.
    if (mouseInControl_ || Loading())
        return;
    TCustomControl::MouseEnter();
    hot_ = true;
    if (repressOnEnter_)
        pressed_ = true;
    EnsureFadeTimer();
    if (!(pressed_ || fadePhase_ == fadeDown)) {
        fadeStep_ = kGlowFadeStep;
        fadePhase_ = fadeHot;
    }
    Changed();
    trackingFlag_ = true;
    mouseInControl_ = true;
}

void TDcCustomGlowButton::MouseLeave()
{
    if (!mouseInControl_)
        return;
    TCustomControl::MouseLeave();
    mouseInControl_ = false;
    trackingFlag_ = false;
    hot_ = false;
    dropDownHot_ = false;
    const bool heldDown = pressed_ && buttonHeld_;
    pressed_ = false;
    if (!heldDown)
        hotLevel_ = 100;
    fadeStep_ = -kGlowFadeStep;
    fadePhase_ = fadeHot;
    Changed();
    if (heldDown)
        repressOnEnter_ = true;
    EnsureFadeTimer();
}

void TDcCustomGlowButton::UpdateTracking()
{
    if (!Enabled())
        return;
    const bool outside = FindControlAtPos(GetCursorPos()) != this;
    if (outside == trackingFlag_)
        return;
    trackingFlag_ = outside;
    if (outside)
        MouseLeave();
    else
        MouseEnter();
}

bool TDcCustomGlowButton::InDropDownZone(int x, int y) const
{
    return (dropDownPosition_ == dpRight && x > Width() - kGlowDropDownWidth) ||
           (dropDownPosition_ == dpBottom && y > Height() - kGlowDropDownWidth);
}

void TDcCustomGlowButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (repeatClick_) {
        if (!repeatTimer_) {
            repeatTimer_ = new TTimer(this);
            repeatTimer_->OnTimer = [this](TObject*) { RepeatTimerTick(); };
        }
        repeatTimer_->SetInterval(initRepeatPause_);
        repeatTimer_->SetEnabled(true);
    }
    pressed_ = true;
    buttonHeld_ = true;
    if (TabStop() && CanFocus())
        SetFocus();
    StartFade(fadeDown, kGlowFadeStep);
    const bool inZone = InDropDownZone(x, y);
    if (dropDownButton_ &&
        ((inZone && dropDownSplit_) || (!dropDownSplit_ && style_ == bsButton && groupIndex_ < 1))) {
        trackingFlag_ = false;
        if (OnDropDown)
            OnDropDown(this);
        if (dropDownMenu_) {
            pressed_ = false;
            hot_ = false;
            mouseInControl_ = true;
            Changed();
            PopupDropDownMenu();
            if (!PtInRect(ClientRect(), ScreenToClient(GetCursorPos()))) {
                mouseInControl_ = false;
                trackingFlag_ = false;
                hot_ = false;
                dropDownHot_ = false;
            }
            Changed();
        }
        Changed();
        return;
    }
    if (style_ == bsCheck)
        SetDown(!down_);
    if (!down_ || style_ == bsCheck) {
        buttonState_ = glowDown;
        Changed();
    }
    mouseDownInside_ = true;
}

void TDcCustomGlowButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    UpdateTracking();
    const bool dropHot = dropDownButton_ && ((dropDownPosition_ == dpBottom && y > Height() - kGlowSplitWidth) ||
                                             (dropDownPosition_ == dpRight && x > Width() - kGlowSplitWidth));
    if (dropHot != dropDownHot_) {
        dropDownHot_ = dropHot;
        Changed();
    }
    if (!mouseDownInside_) {
        if (!trackingFlag_)
            UpdateTracking();
        return;
    }
    // Bottom row included, as the button always counted it.
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    unsigned char state = down_ ? glowExclusive : glowUp;
    if (inside)
        state = down_ ? glowExclusive : glowDown;
    if (style_ == bsCheck && down_)
        state = glowDown;
    if (state != buttonState_) {
        buttonState_ = state;
        Changed();
    }
}

void TDcCustomGlowButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft) {
        fadeStep_ = -kGlowFadeStep;
        fadePhase_ = fadeDown;
        buttonHeld_ = false;
        repressOnEnter_ = false;
        EnsureFadeTimer();
        if (mouseDownInside_) {
            mouseDownInside_ = false;
            const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
            if (groupIndex_ != 0) {
                if (inside) {
                    SetDown(!down_);
                    if (down_)
                        Changed();
                } else {
                    if (down_)
                        buttonState_ = glowExclusive;
                    Changed();
                }
            } else {
                buttonState_ = glowUp;
                trackingFlag_ = false;
                if (style_ == bsCheck) {
                    if (!inside && down_)
                        SetDown(false);
                    Changed();
                }
                if (inside && buttonState_ != glowDown && buttonState_ != glowExclusive)
                    Changed();
            }
            UpdateTracking();
        }
    }
    TCustomControl::MouseUp(button, shift, x, y);
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    Changed();
}

// ---- Clicks and keys

void TDcCustomGlowButton::Click()
{
    if (TForm* form = ParentForm())
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

bool TDcCustomGlowButton::ActiveDefault() const
{
    // The focused button answers Enter; while another push button has the focus, a default one does not.
    const TForm* form = ParentForm();
    if (form && form->ActiveControl() == this)
        return true;
    return default_ && !AnotherButtonHasFocus(this);
}

bool TDcCustomGlowButton::DialogKey(unsigned short key, TShiftState shift)
{
    const bool answers = (key == VK_RETURN && ActiveDefault()) || (key == VK_ESCAPE && cancel_);
    if (answers && !(shift & (ssShift | ssCtrl | ssAlt)) && CanFocus() && Showing()) {
        KeyboardClick();
        buttonState_ = glowUp;
        return true;
    }
    return TCustomControl::DialogKey(key, shift);
}

bool IsLocaleInfoExAvailable()
{
    return false;
}

bool TDcCustomGlowButton::DialogChar(char32_t character, bool altHeld)
{
    if (!altHeld || !IsAccelerator(character, Caption()) || !CanFocus())
        return false;
    if (dropDownMenu_)
        DoDropDown();
    else
        Click();
    return true;
}

void TDcCustomGlowButton::KeyboardClick()
{
    if (!dropDownButton_ || style_ == bsCheck || groupIndex_ > 0 || dropDownSplit_) {
        if (style_ == bsCheck) {
            SetDown(!down_);
            buttonState_ = glowDown;
            Changed();
        }
        Click();
    } else if (dropDownMenu_) {
        DoDropDown();
    } else {
        Click();
    }
}

void TDcCustomGlowButton::PopupDropDownMenu()
{
    const TPoint corner = dropDownDirection_ == ddDown ? Point(0, Height()) : Point(Width(), 0);
    const TPoint at = ClientToScreen(corner);
    dropDownMenu_->SetPopupComponent(this);
    dropDownMenu_->Popup(at.X, at.Y);
}

void TDcCustomGlowButton::DoDropDown()
{
    if (!dropDownMenu_)
        return;
    buttonState_ = glowDown;
    if (OnDropDown)
        OnDropDown(this);
    Changed();
    PopupDropDownMenu();
    buttonState_ = glowUp;
    Changed();
}

void TDcCustomGlowButton::KeyDown(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyDown(key, shift);
    if (key == VK_RETURN || key == VK_SPACE) {
        pressed_ = true;
        buttonState_ = glowDown;
        Changed();
    } else if (key == VK_F4) {
        DoDropDown();
    }
}

void TDcCustomGlowButton::KeyUp(unsigned short& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    pressed_ = false;
    buttonState_ = glowUp;
    Changed();
}

void TDcCustomGlowButton::KeyPress(char32_t& key)
{
    TCustomControl::KeyPress(key);
    if (key != U' ' && key != U'\r')
        return;
    // The keyboard's click: the form's result and OnClick, without toggling Down.
    if (TForm* form = ParentForm())
        form->SetModalResult(modalResult_);
    if (OnClick)
        OnClick(this);
}

void TDcCustomGlowButton::DoEnter()
{
    TCustomControl::DoEnter();
    Changed();
    focused_ = true;
}

void TDcCustomGlowButton::DoExit()
{
    TCustomControl::DoExit();
    pressed_ = false;
    buttonState_ = glowUp;
    focused_ = false;
    Changed();
}

void TDcCustomGlowButton::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    Changed();
}

void TDcCustomGlowButton::TextChanged()
{
    TCustomControl::TextChanged();
    if (autoSize_)
        Remeasure();
    Changed();
}

}  // namespace tarvelon
