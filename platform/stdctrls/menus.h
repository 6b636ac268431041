#pragma once
// Menus: TMenuItem (caption, "-" for a separator, checked, enabled, visible, image, short cut,
// sub-items, OnClick), TPopupMenu (shown at a screen point, or by a right click on a control that
// names it as its PopupMenu; OnPopup lets the form adjust the items first) and TMainMenu.
// A popup menu shows without blocking: the chosen item's OnClick runs once the menu has closed and
// its event handling has returned (a short cut runs the item at once).
#include <QMenu>
#include <QPointer>
#include <string>
#include <vector>

#include "platform/forms/component.h"
#include "platform/forms/control.h"
#include "platform/stdctrls/image_list_component.h"

class QMenu;
class QMenuBar;
class QWidget;

namespace tarvelon {

// A key with its shift keys, as menu items store it: key | scShift | scCtrl | scAlt.
using TShortCut = unsigned short;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(unsigned short key, TShiftState shift);
// "F2", "Ctrl+F", "Shift+Del" ... (0 when not understood).
TShortCut TextToShortCut(const std::string& text);
std::string ShortCutToText(TShortCut shortCut);

class TMenu;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { caption_ = caption; }
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    // A checked radio item unchecks the other radio items of its group among its siblings.
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { visible_ = visible; }
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio) { radioItem_ = radio; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AutoCheck() const { return autoCheck_; }
    void SetAutoCheck(bool autoCheck) { autoCheck_ = autoCheck; }
    bool Default() const { return default_; }
    void SetDefault(bool isDefault) { default_ = isDefault; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    TShortCut GetShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut) { shortCut_ = shortCut; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }

    // Sub-items.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* operator[](int index) const { return Items(index); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes an item out (it is not freed).
    void Remove(TMenuItem* item);
    // Frees a sub-item.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* ParentItem() const { return parent_; }
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }
    // The sub-item of that name (any depth), or null.
    TMenuItem* Find(const std::string& caption) const;

    // Runs the item as choosing it does (AutoCheck toggles Checked first).
    virtual void Click();
    TNotifyEvent OnClick;

private:
    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool radioItem_ = false;
    bool autoCheck_ = false;
    bool default_ = false;
    int groupIndex_ = 0;
    int imageIndex_ = -1;
    TShortCut shortCut_ = 0;
    std::string hint_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;
    std::string ClassName() const override { return "TMenu"; }

    TMenuItem& Items() { return *items_; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    // Runs the enabled, visible item with that short cut; true when there was one.
    bool IsShortCut(unsigned short key, TShiftState shift);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Fills a Qt menu with the items (sub-menus for items with sub-items).
    void FillQtMenu(QMenu* menu, TMenuItem& parent);

private:
    TMenuItem* items_;
    TCustomImageList* images_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    std::string ClassName() const override { return "TPopupMenu"; }

    // Shows the menu with its top-left corner (paLeft) at a screen point.
    void Popup(int x, int y);
    // The menu being shown, or null (tests choose from it).
    QMenu* ShownMenu() const { return shown_.data(); }
    // The control whose right click showed the menu.
    TControl* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TControl* control) { popupComponent_ = control; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    QPointer<QMenu> shown_;
    TControl* popupComponent_ = nullptr;
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = paLeft;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* owner);
    std::string ClassName() const override { return "TMainMenu"; }
    // A menu bar of the items for a window (the caller places it).
    QMenuBar* BuildMenuBar(QWidget* parent);
};

// The popup menu a control shows on a right click (the PopupMenu property), kept outside the
// control; a right click on a control without one asks its parents.
void SetPopupMenu(TControl* control, TPopupMenu* menu);
TPopupMenu* GetPopupMenu(const TControl* control);

}  // namespace tarvelon
