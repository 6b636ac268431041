#pragma once
// TDgComboBox: the editor of combo box columns. Its text follows ItemIndex; its drop-down is a
// TDgPopupList of its Items; in list style a typed letter chooses the next item beginning with it.
#include "grid/dg_button_edit.h"

namespace tarvelon {

class TDgComboBox : public TDgPopupEdit {
public:
    explicit TDgComboBox(TComponent* owner);
    std::string ClassName() const override { return "TDgComboBox"; }

    TItemsDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TItemsDisplayMode mode) { displayMode_ = mode; }
    TColor DropDownColor() const { return dropDownColor_; }
    void SetDropDownColor(TColor color) { dropDownColor_ = color; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    TColor HighlightTextColor() const { return highlightTextColor_; }
    void SetHighlightTextColor(TColor color) { highlightTextColor_ = color; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { images_ = images; }
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = height; }
    int ItemIndex() const { return itemIndex_; }
    // The text becomes the item's (emptied outside the items) and the list highlights it.
    void SetItemIndex(int index);
    TStrings& Items() { return items_; }
    int ListWidth() const { return listWidth_; }
    void SetListWidth(int width) { listWidth_ = width; }
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor color) { selectionColor_ = color; }
    TDgPopupList& List() { return *static_cast<TDgPopupList*>(Popup()); }

    void SetStyle(TDropDownStyle style) override;
    void PaintPreview(TCanvas& canvas, const TRect& rect) override;
    void Loaded() override;
    // The list's rows grow with the editor's font.
    void ChangeScale(int m, int d) override;

protected:
    TDgPopupControl* PopupClass() override { return new TDgPopupList(this); }
    void ApplyValue(const std::string& value) override {}
    void PreparePopup(TPoint point) override;
    void DoSelect(const std::string& value) override;
    void EditTextChanged() override;
    void KeyDown(unsigned short& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    bool DoMouseWheelDown(TShiftState shift, TPoint mousePos) override;
    bool DoMouseWheelUp(TShiftState shift, TPoint mousePos) override;

private:
    void MoveItemIndex(int delta);
    // The first item from `start` on whose first letter is the character, or -1.
    int FindByFirstLetter(char32_t letter, int start) const;
    TItemsDisplayMode displayMode_ = dmDefault;
    TColor dropDownColor_ = clWindow;
    int dropDownCount_ = 8;
    TColor highlightTextColor_ = clHighlightText;
    TImageList* images_ = nullptr;
    int itemHeight_ = 16;
    int itemIndex_ = -1;
    TStrings items_;
    int listWidth_ = 0;
    TColor selectionColor_ = clHighlight;
    bool settingIndex_ = false;
};

}  // namespace tarvelon
