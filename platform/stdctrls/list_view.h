#pragma once
// TListView in report style over a QTreeWidget: columns with captions and widths (a column of
// width 0 is hidden and still holds its texts), rows of a caption and sub-item texts with an image
// of SmallImages (and one per sub-item), one selected row. Selecting a row, by the user or in code, fires OnSelectItem.
#include <memory>
#include <vector>

#include "platform/forms/form.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/qt_wrap.h"
#include "platform/stdctrls/strings.h"

class QTreeWidget;

namespace tarvelon {

class TListView;

class TListColumn {
public:
    explicit TListColumn(TListView* owner) : owner_(owner) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    int Index() const;

private:
    TListView* owner_;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = taLeftJustify;
};

class TListItem {
public:
    explicit TListItem(TListView* owner);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // The texts of the columns after the first.
    TStrings& SubItems() { return subItems_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The image of SmallImages drawn before the text of sub-item `subItem` (0 the second
    // column); -1 none.
    int SubItemImage(int subItem) const;
    void SetSubItemImage(int subItem, int index);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }
    bool Selected() const;
    void SetSelected(bool selected);
    int Index() const;
    TListView* Owner() const { return owner_; }
    // Scrolls the row into view.
    void MakeVisible();

private:
    TListView* owner_;
    std::string caption_;
    TStrings subItems_;
    int imageIndex_ = -1;
    std::vector<int> subItemImages_;
    void* data_ = nullptr;
};

class TListColumns {
public:
    explicit TListColumns(TListView* owner) : owner_(owner) {}
    TListColumn* Add();
    int Count() const { return static_cast<int>(columns_.size()); }
    TListColumn* Items(int index) const;
    TListColumn* operator[](int index) const { return Items(index); }
    void Clear();
    int IndexOf(const TListColumn* column) const;

private:
    TListView* owner_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

class TListItems {
public:
    explicit TListItems(TListView* owner) : owner_(owner) {}
    TListItem* Add();
    TListItem* Insert(int index);
    int Count() const { return static_cast<int>(items_.size()); }
    TListItem* Item(int index) const;
    TListItem* operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;
    // Changes between these show once, at EndUpdate.
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TListView;
    TListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
};

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
using TLVSelectItemEvent = std::function<void(TObject* sender, TListItem* item, bool selected)>;
using TLVColumnClickEvent = std::function<void(TObject* sender, TListColumn* column)>;
using TLVCompareEvent = std::function<void(TObject* sender, TListItem* item1, TListItem* item2, int data, int& compare)>;

class TListView : public TQtWinControl {
public:
    explicit TListView(TComponent* owner);
    ~TListView() override;
    std::string ClassName() const override { return "TListView"; }

    TListColumns& Columns() { return columns_; }
    TListItems& Items() { return items_; }
    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style) { viewStyle_ = style; }
    TListItem* Selected() const;
    void SetSelected(TListItem* item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool rowSelect);
    bool GridLines() const { return gridLines_; }
    void SetGridLines(bool gridLines);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    void SetShowColumnHeaders(bool show);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide) { hideSelection_ = hide; }
    // bsSingle (the default) gives the list the sunken edge around its client area.
    TFormBorderStyle BorderStyle() const { return WindowEdge() == weNone ? bsNone : bsSingle; }
    void SetBorderStyle(TFormBorderStyle style) { SetWindowEdge(style == bsSingle ? weSunken : weNone); }
    TCustomImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TCustomImageList* images);
    // The row at a client point, or null.
    TListItem* GetItemAt(int x, int y) const;
    // Sorts the rows with OnCompare (by caption without it).
    void AlphaSort();
    void Clear() { items_.Clear(); }

    TLVSelectItemEvent OnSelectItem;
    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;
    TNotifyEvent OnChange;

    // From the columns and items.
    void ColumnsChanged();
    void ItemsChanged();
    void ItemChanged(TListItem* item);
    void ItemRemoved(TListItem* item);
    bool Updating() const { return updating_ > 0; }
    void BeginItemsUpdate() { ++updating_; }
    void EndItemsUpdate();
    void ScrollToItem(const TListItem* item);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void Notification(TComponent* component, TOperation operation) override;
    QTreeWidget* Tree() const;

private:
    void SyncColumns();
    void SyncRows();
    void FillRow(int row);
    void WidgetCurrentChanged();
    void ChangeSelection(TListItem* item);
    TListColumns columns_;
    TListItems items_;
    TViewStyle viewStyle_ = vsReport;
    TListItem* selected_ = nullptr;
    bool rowSelect_ = true;
    bool gridLines_ = false;
    bool showColumnHeaders_ = true;
    bool readOnly_ = true;
    bool hideSelection_ = true;
    TCustomImageList* smallImages_ = nullptr;
    int updating_ = 0;
    bool pendingRows_ = false;
    bool syncing_ = false;
};

}  // namespace tarvelon
