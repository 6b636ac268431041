#pragma once
// Buttons over Qt's: TButton (Default / Cancel answer Enter / Escape on the form, ModalResult ends
// a modal form), TBitBtn (a button with a glyph), TCheckBox, TRadioButton (the radio buttons of one
// parent exclude each other) and TRadioGroup (a framed group of radio buttons made from Items).
// OnClick fires for a click with the mouse and for the space bar, once.
#include "platform/forms/custom_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/qt_wrap.h"
#include "platform/stdctrls/strings.h"

class QAbstractButton;

namespace tarvelon {

class TButton : public TQtWinControl {
public:
    explicit TButton(TComponent* owner);
    std::string ClassName() const override { return "TButton"; }

    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Presses the button in code (as a click would).
    void Click() override;
    bool DialogKey(unsigned short key, TShiftState shift) override;
    unsigned DialogCode() const override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void TextChanged() override;
    bool UsesColorAsBase() const override { return false; }
    QAbstractButton* Button() const;

private:
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

class TBitBtn : public TButton {
public:
    explicit TBitBtn(TComponent* owner);
    std::string ClassName() const override { return "TBitBtn"; }

    TBitmap& Glyph() { return glyph_; }
    void GlyphChanged();
    TBitBtnKind Kind() const { return kind_; }
    // A kind other than bkCustom gives the button its modal result (and Cancel for bkCancel).
    void SetKind(TBitBtnKind kind);

protected:
    void SyncWidget() override;

private:
    TBitmap glyph_;
    TBitBtnKind kind_ = bkCustom;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TButton {
public:
    explicit TCheckBox(TComponent* owner);
    std::string ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return state_ == cbChecked; }
    // Changing it in code fires OnClick, as the user's click does.
    void SetChecked(bool checked);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);
    void Click() override;
    bool DialogKey(unsigned short key, TShiftState shift) override { return TWinControl::DialogKey(key, shift); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    void WidgetToggled();
    TCheckBoxState state_ = cbUnchecked;
    bool allowGrayed_ = false;
};

class TRadioButton : public TButton {
public:
    explicit TRadioButton(TComponent* owner);
    std::string ClassName() const override { return "TRadioButton"; }

    bool Checked() const { return checked_; }
    // Checking one unchecks the other radio buttons of the same parent; fires OnClick when it
    // becomes checked.
    void SetChecked(bool checked);
    void Click() override;
    bool DialogKey(unsigned short key, TShiftState shift) override { return TWinControl::DialogKey(key, shift); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;

private:
    bool checked_ = false;
};

class TRadioGroup : public TCustomControl {
public:
    explicit TRadioGroup(TComponent* owner);
    std::string ClassName() const override { return "TRadioGroup"; }

    TStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // Checks that button (-1: none); fires OnClick when it changes.
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    TRadioButton* Button(int index) const;
    void Loaded() override;

protected:
    void Paint() override;
    void Resize() override;
    void TextChanged() override { Invalidate(); }

private:
    void RebuildButtons();
    void ArrangeButtons();
    void ButtonClicked(int index);
    TStrings items_;
    std::vector<TRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

}  // namespace tarvelon
