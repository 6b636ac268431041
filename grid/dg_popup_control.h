#pragma once
// The drop-down windows the in-place editors open under themselves: TDgPopupControl places, shows,
// captures and closes a drop-down (it never takes the focus from its editor); TDgPopupList is the
// item list of the combo editor.
#include <functional>
#include <string>

#include "grid/dg_scroll_control.h"
#include "platform/graphics/image_list.h"
#include "platform/stdctrls/strings.h"

namespace tarvelon {

// How an item "name=value" shows: the whole line, its name, its value, or its value indented by
// 10 pixels per unit of the name.
enum TItemsDisplayMode { dmDefault, dmNameList, dmValueList, dmIndentList };

// The text an item shows in a display mode (the indent of dmIndentList not included).
std::string ItemDisplayText(const std::string& item, TItemsDisplayMode mode);

using TDgSelectEvent = std::function<void(TObject* sender, const std::string& value)>;

class TDgPopupControl : public TDgControl {
public:
    // `editor` owns the popup and hears its close and pick.
    explicit TDgPopupControl(TComponent* editor);
    std::string ClassName() const override { return "TDgPopupControl"; }

    TComponent* Editor() const { return editor_; }
    bool Closed() const { return closed_; }
    void SetClosed(bool value) { closed_ = value; }
    bool FirstUpSeen() const { return firstUpSeen_; }

    // Picks what lies under a client point.
    virtual void ClickAt(int x, int y) {}
    // Shows the popup with its top left at the screen point, kept inside the monitor's work area.
    virtual void Popup(int x, int y);
    virtual void ClosePopup();
    // Hides the popup and gives the mouse back (the editor's close does it when it hooks CloseEditor).
    void HidePopup();

    void ApplicationActivated(bool active) override;

    TNotifyEvent OnCloseUp;
    TDgSelectEvent OnSelect;
    // The editor's own close (set by the drop-down editors): closes, releases, hides, fires its OnCloseUp.
    std::function<void()> CloseEditor;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // The wheel belongs to the editor, which keeps the focus while the popup is open.
    bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    virtual void DoSelect(const std::string& value);

private:
    TComponent* editor_;
    bool closed_ = true;
    bool firstUpSeen_ = false;
};

class TDgPopupList : public TDgPopupControl {
public:
    explicit TDgPopupList(TComponent* editor);
    std::string ClassName() const override { return "TDgPopupList"; }

    TItemsDisplayMode DisplayMode() const { return displayMode_; }
    void SetDisplayMode(TItemsDisplayMode mode) { displayMode_ = mode; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count) { dropDownCount_ = count; }
    TColor HighlightTextColor() const { return highlightTextColor_; }
    void SetHighlightTextColor(TColor color) { highlightTextColor_ = color; }
    TColor SelectionColor() const { return selectionColor_; }
    void SetSelectionColor(TColor color) { selectionColor_ = color; }
    int HoverIndex() const { return hoverIndex_; }
    int PrevHoverIndex() const { return prevHoverIndex_; }
    void SetHoverIndex(int index);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images) { images_ = images; }
    bool ShowImages() const { return showImages_; }
    void SetShowImages(bool value) { showImages_ = value; }
    int ItemIndex() const { return itemIndex_; }
    // Scrolls the item into view and highlights it.
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height) { itemHeight_ = std::max(1, height); }
    // The editor's list (not owned).
    TStrings* Items() const { return items_; }
    void SetItems(TStrings* items) { items_ = items; }

    virtual int GetItemCount() const;
    virtual int GetScrollMax() const;
    virtual void DrawItem(int index, const TRect& rect);
    int VisibleCount() const;
    int TopIndex() const { return const_cast<TDgPopupList*>(this)->VertScrollBar().Position(); }
    // The item under a client point (not checked against the items).
    int ItemAt(int y) const;
    TRect ItemRect(int index) const;

    void ClickAt(int x, int y) override;
    void Popup(int x, int y) override;

protected:
    int GetVertScrollDelta(int oldPos, int newPos) override { return (oldPos - newPos) * itemHeight_; }
    void Paint() override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    TItemsDisplayMode displayMode_ = dmDefault;
    int dropDownCount_ = 8;
    TColor highlightTextColor_ = clHighlightText;
    int hoverIndex_ = -1;
    TImageList* images_ = nullptr;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
    TStrings* items_ = nullptr;
    int prevHoverIndex_ = -1;
    TColor selectionColor_ = clHighlight;
    bool showImages_ = false;
};

}  // namespace tarvelon
