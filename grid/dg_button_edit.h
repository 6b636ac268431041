#pragma once
// Editors with a button at their right edge: TDgCustomButtonEdit (a push button and typing limits)
// and TDgPopupEdit, whose drop-down arrow opens a popup window under the editor and manages its
// opening and closing.
#include "grid/dg_edit.h"
#include "grid/dg_popup_control.h"

namespace tarvelon {

class TDgCustomButtonEdit;

// The common base of the editors' buttons: pressed and hover states; it paints nothing itself.
class TDgSmallButton : public TCustomControl {
public:
    explicit TDgSmallButton(TDgCustomButtonEdit* editor);
    std::string ClassName() const override { return "TDgSmallButton"; }

    TDgCustomButtonEdit* Editor() const { return editor_; }
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool Hover() const { return hover_; }
    void SetHover(bool value);
    virtual int ButtonWidth() const { return 16; }

    TNotifyEvent OnButtonDown;
    TNotifyEvent OnButtonUp;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    // The button lies inside its editor: the mouse on it has not left the editor.
    void MouseEnter() override;
    void MouseLeave() override;
    // Part state of the themed look: 1 normal, 2 hot, 3 pressed, 4 disabled.
    int ThemedState() const;

private:
    TDgCustomButtonEdit* editor_;
    bool down_ = false;
    bool hover_ = false;
};

// A push button that shows the editor's glyph and its caption.
class TDgExecuteButton : public TDgSmallButton {
public:
    using TDgSmallButton::TDgSmallButton;
    std::string ClassName() const override { return "TDgExecuteButton"; }
    int ButtonWidth() const override { return 21; }

protected:
    void Paint() override;
};

// The drop-down arrow.
class TDropDownButton : public TDgSmallButton {
public:
    using TDgSmallButton::TDgSmallButton;
    std::string ClassName() const override { return "TDropDownButton"; }
    int ButtonWidth() const override { return 16; }

protected:
    void Paint() override;
};

enum TDgEditOption { epDisablePaste, epDisableTyping };
using TDgEditOptions = TSet<TDgEditOption>;

class TDgCustomButtonEdit : public TDgEdit {
public:
    explicit TDgCustomButtonEdit(TComponent* owner);
    ~TDgCustomButtonEdit() override;
    std::string ClassName() const override { return "TDgCustomButtonEdit"; }

    TDgEditOptions Options() const { return options_; }
    void SetOptions(TDgEditOptions value) { options_ = value; }
    TDgSmallButton& Button() { return *button_; }
    TDgPopupControl* Popup() const { return popup_; }

    void GetTextMargins(int& left, int& right) override;
    void PasteFromClipboard() override;

    TNotifyEvent OnButtonClick;

protected:
    // Made anew by each class's constructor (a virtual call reaches the class being built only then).
    void BuildParts();
    virtual void CreatePopup() {}
    virtual TDgSmallButton* ButtonClass() { return new TDgExecuteButton(this); }
    virtual TDgPopupControl* PopupClass() { return new TDgPopupControl(this); }
    virtual void ApplyValue(const std::string& value) { SetText(value); }
    virtual void PreparePopup(TPoint point) {}
    virtual void DoSelect(const std::string& value);
    virtual void PlaceButton();
    virtual void DoButtonClick();
    void PlaceChildren() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseEnter() override;
    void MouseLeave() override;
    TDgPopupControl* popup_ = nullptr;

private:
    TDgEditOptions options_;
    TDgSmallButton* button_ = nullptr;
};

enum TDropDownStyle { dsDropDown, dsDropDownList };

class TDgPopupEdit : public TDgCustomButtonEdit {
public:
    explicit TDgPopupEdit(TComponent* owner);
    std::string ClassName() const override { return "TDgPopupEdit"; }

    bool HideFocus() const { return hideFocus_; }
    void SetHideFocus(bool value) { hideFocus_ = value; }
    TDropDownStyle Style() const { return style_; }
    virtual void SetStyle(TDropDownStyle style);
    void SetDropped(bool value);
    // The button's press: opens the drop-down.
    void DropDown();

    bool CanEdit() const override { return style_ != dsDropDownList; }
    void PaintDisplay(TCanvas& canvas) override;

    TNotifyEvent OnCloseUp;
    TNotifyEvent OnSelect;

protected:
    void CreatePopup() override;
    TDgSmallButton* ButtonClass() override { return new TDropDownButton(this); }
    void DoSelect(const std::string& value) override;
    virtual void DoCloseUp();
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoExit() override;
    void DoEnter() override;
    void VisibleChanged() override;
    TCursor CursorAt(int x, int y) const override;

private:
    bool hideFocus_ = false;
    TDropDownStyle style_ = dsDropDown;
};

}  // namespace tarvelon
