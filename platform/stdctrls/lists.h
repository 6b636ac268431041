#pragma once
// Lists over Qt's: TListBox (a list of texts), TComboBox (a drop-down list, editable or not) and
// TComboBoxEx (a drop-down list whose items show an image of an image list).
// A choice by the user fires OnClick (and OnChange / OnSelect for the combo boxes); setting
// ItemIndex in code fires nothing.
#include <QPointer>

#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/qt_wrap.h"
#include "platform/stdctrls/strings.h"

class QComboBox;
class QListWidget;

namespace tarvelon {

class TListBox : public TQtWinControl {
public:
    explicit TListBox(TComponent* owner);
    std::string ClassName() const override { return "TListBox"; }

    TStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool sorted) { items_.SetSorted(sorted); }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool multiSelect);
    bool Selected(int index) const;
    void SetSelected(int index, bool selected);
    int SelCount() const;
    int TopIndex() const;
    void SetTopIndex(int index);
    int ItemHeight() const;
    // The item at a client point, or -1.
    int ItemAtPos(TPoint point) const;
    void Clear() { items_.Clear(); }

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    QListWidget* List() const;

private:
    void ItemsChanged();
    void WidgetSelectionChanged();
    TStrings items_;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    bool multiSelect_ = false;
    bool syncing_ = false;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TQtWinControl {
public:
    explicit TComboBox(TComponent* owner);
    std::string ClassName() const override { return "TComboBox"; }

    TStrings& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // Selects an item (-1: none) and shows its text.
    void SetItemIndex(int index);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle style);
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool sorted) { items_.SetSorted(sorted); }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int count);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength);
    bool DroppedDown() const;
    void SetDroppedDown(bool down);
    void Clear();

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void SyncWidget() override;
    void TextChanged() override;
    QComboBox* Combo() const;
    // The icon of an item (none in a plain combo box).
    virtual QIcon ItemIcon(int index) const;
    virtual QSize IconSize() const;
    void ItemsChanged();

private:
    void UserChose(int index);
    void UserTyped(const QString& text);
    TStrings items_;
    int itemIndex_ = -1;
    TComboBoxStyle style_ = csDropDown;
    int dropDownCount_ = 8;
    int maxLength_ = 0;
    bool syncing_ = false;
};

// One item of a TComboBoxEx.
struct TComboExItem {
    std::string Caption;
    int ImageIndex = -1;
    TObject* Data = nullptr;
};

class TComboBoxEx : public TComboBox {
public:
    explicit TComboBoxEx(TComponent* owner);
    ~TComboBoxEx() override;
    std::string ClassName() const override { return "TComboBoxEx"; }

    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // Adds an item with its image; returns its index.
    int AddItem(const std::string& caption, int imageIndex, TObject* data = nullptr);
    int ImageIndex(int index) const;
    void SetImageIndex(int index, int imageIndex);
    TObject* ItemData(int index) const;
    // Items of the description: ItemsEx = < item Caption = 'x' ImageIndex = 0 end >.
    void SetItemsEx(const std::vector<TComboExItem>& items);

protected:
    QIcon ItemIcon(int index) const override;
    QSize IconSize() const override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The image of each item, kept beside Items (their objects are the items' data).
    std::vector<int> imageIndexes_;
    TCustomImageList* images_ = nullptr;
};

}  // namespace tarvelon
