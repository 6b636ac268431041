#pragma once
// TDcComboBox: a drop-down combo box with a flat look, focus colours, a hot-tracked drop-down
// button (themed when the desktop is), a settable width of the drop-down list and an optional
// attached label. The list drops down as a popup window that never takes the focus from the
// combo: the combo keeps the keys, the list follows the mouse.
#include <memory>
#include <string>

#include "platform/forms/custom_control.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/strings.h"

class QObject;

namespace tarvelon {

enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom
};

class TDcCustomCombo;

// The dropped-down list: a popup of the combo's items, the one under the mouse highlighted.
class TDcComboList : public TCustomControl {
public:
    TDcComboList(TDcCustomCombo* combo);
    std::string ClassName() const override { return "TDcComboList"; }

    int ItemHeight() const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    int HotIndex() const { return hotIndex_; }
    void SetHotIndex(int index);
    int VisibleCount() const;
    // The item at a client point, or -1.
    int ItemAt(int y) const;
    // Sizes and places the list under the combo (above it when the screen has no room below).
    void Open(int hotIndex);
    void ApplicationActivated(bool active) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) override;

private:
    friend class TDcCustomCombo;
    void UpdateScrollBar();
    TDcCustomCombo* combo_;
    int topIndex_ = 0;
    int hotIndex_ = -1;
};

class TDcCustomCombo : public TCustomControl {
public:
    explicit TDcCustomCombo(TComponent* owner);
    ~TDcCustomCombo() override;
    std::string ClassName() const override { return "TDcCustomCombo"; }

    // The combo box's own.
    TStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // Selects an item (-1: none) and shows its text; fires nothing.
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = std::max(1, count); }
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool sorted) { items_.SetSorted(sorted); }
    bool DroppedDown() const;
    void SetDroppedDown(bool down);
    TDcComboList* List() const { return list_; }

    // The flat look.
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    bool Ctl3D() const { return !flat_; }
    bool Etched() const { return etched_; }
    void SetEtched(bool value);
    TColor FlatLineColor() const { return flatLineColor_; }
    void SetFlatLineColor(TColor value);
    bool FlatParentColor() const { return flatParentColor_; }
    void SetFlatParentColor(bool value);
    int ButtonWidth() const { return buttonWidth_; }
    // Only 14 to 32 are taken.
    void SetButtonWidth(int value);
    int DropWidth() const { return dropWidth_; }
    void SetDropWidth(int value);
    bool FocusBorder() const { return focusBorder_; }
    void SetFocusBorder(bool value) { focusBorder_ = value; }
    TColor FocusBorderColor() const { return focusBorderColor_; }
    void SetFocusBorderColor(TColor value) { focusBorderColor_ = value; }
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value) { focusColor_ = value; }
    bool FocusLabel() const { return focusLabel_; }
    void SetFocusLabel(bool value) { focusLabel_ = value; }
    bool DisabledBorder() const { return disabledBorder_; }
    void SetDisabledBorder(bool value) { disabledBorder_ = value; }
    bool AutoFocus() const { return autoFocus_; }
    void SetAutoFocus(bool value) { autoFocus_ = value; }
    bool AutoComplete() const { return autoComplete_; }
    void SetAutoComplete(bool value) { autoComplete_ = value; }
    // Records the colour read from a description as the normal colour.
    void SetColor(TColor color);
    std::string Version() const { return "1.3.0.0"; }
    void SetVersion(const std::string&) {}

    // The attached label, made by the first LabelCaption.
    const std::string& LabelCaption() const { return labelCaption_; }
    void SetLabelCaption(const std::string& caption);
    TLabel* Label() const { return label_; }
    TLabelPosition LabelPosition() const { return labelPosition_; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return labelMargin_; }
    void SetLabelMargin(int value);
    TFont& LabelFont() { return *labelFont_; }
    bool LabelTransparent() const { return labelTransparent_; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return labelAlwaysEnabled_; }
    void SetLabelAlwaysEnabled(bool value);

    void SetBounds(int left, int top, int width, int height) override;
    void SetVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetParent(TWinControl* parent) override;
    void Loaded() override;
    unsigned DialogCode() const override;

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropUp;

    // Run-time state.
    bool MouseInside() const { return mouseInside_; }
    bool HotButton() const { return hotButton_; }
    bool HasFocus() const { return hasFocus_; }

    // From the list: the user chose an item (and the list closes).
    void ChooseFromList(int index);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ParentFontChanged() override;
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

private:
    friend class TDcComboList;
    // Painting (dc_combo_paint.cpp).
    bool OwnPaint() const;
    void PaintNative();
    void PaintOwn();
    void PaintField(const TRect& field);
    void DrawDropButton();
    void DrawNativeButton(const TRect& rect);
    void DrawBorders();
    bool BorderHot() const;

    void UserChose(int index);
    // The item of the open list under a point of the combo; -1 when none.
    int ListItemUnder(int x, int y) const;
    // The first item after `after` (going round) whose text starts with the letter; -1 when none.
    int NextItemStartingWith(char32_t letter, int after) const;
    void ItemsChanged();
    void CloseList(bool notify);
    void PlaceLabel();
    void ApplyLabelFont();
    void SetLabelBold(bool bold);
    void ApplyFocusColor();
    void RestoreColor();
    void WatchOutsideClicks(bool watch);

    TStrings items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    TDcComboList* list_ = nullptr;
    QObject* outsideWatch_ = nullptr;

    bool flat_ = false;
    bool etched_ = false;
    TColor flatLineColor_ = clBlack;
    bool flatParentColor_ = true;
    int buttonWidth_;
    int dropWidth_ = 0;
    bool focusBorder_ = false;
    TColor focusBorderColor_ = clNone;
    TColor focusColor_ = clNone;
    bool focusLabel_ = false;
    bool disabledBorder_ = true;
    bool autoFocus_ = false;
    bool autoComplete_ = true;

    std::string labelCaption_;
    TLabel* label_ = nullptr;
    TLabelPosition labelPosition_ = lpLeftTop;
    int labelMargin_ = 4;
    std::unique_ptr<TFont> labelFont_;
    bool labelTransparent_ = false;
    bool labelAlwaysEnabled_ = false;

    bool mouseInside_ = false;
    bool hotButton_ = false;
    bool hasFocus_ = false;
    bool mouseDown_ = false;
    TColor normalColor_ = clWindow;
    TColor restoreColor_ = clWindow;
    bool restoreKnown_ = false;
    TColor savedColor_ = clWindow;
    bool savedParentColor_ = false;
};

class TDcComboBox : public TDcCustomCombo {
public:
    explicit TDcComboBox(TComponent* owner) : TDcCustomCombo(owner) {}
    std::string ClassName() const override { return "TDcComboBox"; }
};

// Registers TDcComboBox and its stored properties for the form descriptions.
void RegisterDcComboBox();

}  // namespace tarvelon
