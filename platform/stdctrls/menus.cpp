#include "platform/stdctrls/menus.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <algorithm>
#include <map>
#include <memory>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/free_watch.h"
#include "platform/forms/keys.h"
#include "platform/forms/text_utils.h"
#include "platform/forms/win_control.h"
#include "platform/forms/window_events.h"

namespace tarvelon {
namespace {

// Never freed: a form still alive when the program ends hears, from the watches that outlive it,
// that they are gone, and its popup menus look themselves up here then, after the end of main.
std::map<const TControl*, TPopupMenu*>& PopupMenus()
{
    static auto* menus = new std::map<const TControl*, TPopupMenu*>;
    return *menus;
}

struct KeyName {
    unsigned short key;
    const char* name;
};

const KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"}, {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"}, {VK_HOME, "Home"}, {VK_LEFT, "Left"},
    {VK_UP, "Up"}, {VK_RIGHT, "Right"}, {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyText(unsigned short key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F12)
        return "F" + std::to_string(key - VK_F1 + 1);
    for (const KeyName& named : kKeyNames) {
        if (named.key == key)
            return named.name;
    }
    return {};
}

// The control of the focused widget, or of the nearest widget above it that has one.
TControl* FocusedControl()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (TWinControl* control = TWinControl::FromWidget(widget))
            return control;
    }
    return nullptr;
}

// Right clicks on controls with a popup menu, and the short cuts of those menus.
class PopupFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::RightButton || !watched->isWidgetType())
                return false;
            const QPoint global = mouse->globalPosition().toPoint();
            // A release that Qt passes on to the parents is one click.
            if (mouse->timestamp() == lastTime_ && global == lastPos_)
                return false;
            lastTime_ = mouse->timestamp();
            lastPos_ = global;
            for (TControl* control = TWindowEvents::FindControlAt(Point(global.x(), global.y())); control;
                 control = control->Parent()) {
                if (TPopupMenu* menu = GetPopupMenu(control); menu && menu->AutoPopup()) {
                    menu->SetPopupComponent(control);
                    menu->Popup(global.x(), global.y());
                    return false;
                }
            }
            return false;
        }
        if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget()) {
            auto* key = static_cast<QKeyEvent*>(event);
            const unsigned short vk = VirtualKeyOfQtKey(key->key(), key->modifiers() & Qt::KeypadModifier);
            if (vk == 0)
                return false;
            for (TControl* control = FocusedControl(); control; control = control->Parent()) {
                if (TPopupMenu* menu = GetPopupMenu(control); menu && menu->IsShortCut(vk, ShiftStateOf(key->modifiers())))
                    return true;
            }
        }
        return false;
    }

private:
    quint64 lastTime_ = ~quint64{0};
    QPoint lastPos_;
};

void InstallPopupFilter()
{
    static PopupFilter* filter = nullptr;
    if (!filter && qApp) {
        filter = new PopupFilter;
        qApp->installEventFilter(filter);
    }
}

}  // namespace

TShortCut ShortCut(unsigned short key, TShiftState shift)
{
    TShortCut shortCut = key & 0xFF;
    if (shift & ssShift)
        shortCut |= scShift;
    if (shift & ssCtrl)
        shortCut |= scCtrl;
    if (shift & ssAlt)
        shortCut |= scAlt;
    return shortCut;
}

std::string ShortCutToText(TShortCut shortCut)
{
    const std::string key = KeyText(shortCut & 0xFF);
    if (key.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

TShortCut TextToShortCut(const std::string& text)
{
    std::string rest = text;
    TShortCut modifiers = 0;
    for (;;) {
        const std::size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 >= rest.size())
            break;
        const std::string part = rest.substr(0, plus);
        if (SameText(part, "Shift"))
            modifiers |= scShift;
        else if (SameText(part, "Ctrl"))
            modifiers |= scCtrl;
        else if (SameText(part, "Alt"))
            modifiers |= scAlt;
        else
            return 0;
        rest = rest.substr(plus + 1);
    }
    for (unsigned short key = 1; key < 0xFF; ++key) {
        const std::string name = KeyText(key);
        if (!name.empty() && SameText(name, rest))
            return static_cast<TShortCut>(key | modifiers);
    }
    return 0;
}

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner)
{
}

TMenuItem::~TMenuItem()
{
    if (parent_)
        parent_->Remove(this);
    for (TMenuItem* item : items_)
        item->parent_ = nullptr;
    // Sub-items this item owns are freed by TComponent; the others stay with their owner.
}

void TMenuItem::SetChecked(bool checked)
{
    checked_ = checked;
    if (checked && radioItem_ && parent_) {
        for (TMenuItem* sibling : parent_->items_) {
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
        }
    }
}

TMenuItem* TMenuItem::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto found = std::find(items_.begin(), items_.end(), item);
    if (found == items_.end())
        return;
    items_.erase(found);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index)
{
    if (TMenuItem* item = Items(index))
        Free(item);
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        Free(items_.back());
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    for (TMenuItem* item : items_) {
        if (SameText(item->caption_, caption))
            return item;
        if (TMenuItem* found = item->Find(caption))
            return found;
    }
    return nullptr;
}

void TMenuItem::Click()
{
    if (autoCheck_)
        SetChecked(!checked_);
    if (OnClick)
        OnClick(this);
}

// ---- TMenu

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this))
{
}

TMenu::~TMenu()
{
    SetImages(nullptr);
}

void TMenu::SetImages(TCustomImageList* images)
{
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_)
        images_->FreeNotification(this);
}

void TMenu::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
    if (operation == opRemove && component == items_)
        items_ = nullptr;
}

namespace {

TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut)
{
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible() || !item->Enabled())
            continue;
        if (item->GetShortCut() != 0 && item->GetShortCut() == shortCut)
            return item;
        if (TMenuItem* found = FindShortCut(*item, shortCut))
            return found;
    }
    return nullptr;
}

// The chosen item runs once the menu has closed and its event handling has returned: what it starts
// (a modal dialog, another screen, the end of its form) never runs inside the menu's own code, which
// goes on touching the menu after the choice. An item freed meanwhile is not clicked.
void ClickOnceMenuHasClosed(TMenuItem* item)
{
    auto watch = std::make_shared<TFreeWatch>(item);
    Application->Queue([watch] {
        if (auto* chosen = static_cast<TMenuItem*>(watch->Watched())) {
            const TFormHandlerScope busy(chosen);  // its form is freed only once the click has returned
            chosen->Click();
        }
    });
}

}  // namespace

bool TMenu::IsShortCut(unsigned short key, TShiftState shift)
{
    if (!items_ || key == 0)
        return false;
    TMenuItem* item = FindShortCut(*items_, ShortCut(key, shift));
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMenu::FillQtMenu(QMenu* menu, TMenuItem& parent)
{
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(ToQString(item->Caption()));
            FillQtMenu(sub, *item);
            action = sub->menuAction();
        } else {
            action = menu->addAction(ToQString(item->Caption()));
            QObject::connect(action, &QAction::triggered, menu, [item] { ClickOnceMenuHasClosed(item); });
        }
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
        action->setChecked(item->Checked());
        if (item->GetShortCut() != 0)
            action->setText(action->text() + '\t' + ToQString(ShortCutToText(item->GetShortCut())));
        if (images_ && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count())
            action->setIcon(QIcon(QPixmap::fromImage(images_->Image(item->ImageIndex()))));
        if (item->Default()) {
            QFont font = action->font();
            font.setBold(true);
            action->setFont(font);
        }
        action->setObjectName(ToQString(item->Name()));
    }
}

// ---- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner)
{
}

TPopupMenu::~TPopupMenu()
{
    for (auto it = PopupMenus().begin(); it != PopupMenus().end();) {
        if (it->second == this)
            it = PopupMenus().erase(it);
        else
            ++it;
    }
    delete shown_.data();
}

void TPopupMenu::Popup(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    delete shown_.data();
    auto* menu = new QMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    shown_ = menu;
    FillQtMenu(menu, Items());
    QPoint at(x, y);
    const QSize size = menu->sizeHint();
    if (Alignment() == paRight)
        at.rx() -= size.width();
    else if (Alignment() == paCenter)
        at.rx() -= size.width() / 2;
    menu->popup(at);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    TMenu::Notification(component, operation);
    if (operation != opRemove)
        return;
    // The control may be half destroyed already: it is found by its address.
    for (auto it = PopupMenus().begin(); it != PopupMenus().end();) {
        if (static_cast<const void*>(it->first) == static_cast<const void*>(component))
            it = PopupMenus().erase(it);
        else
            ++it;
    }
}

// ---- TMainMenu

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner)
{
}

QMenuBar* TMainMenu::BuildMenuBar(QWidget* parent)
{
    auto* bar = new QMenuBar(parent);
    bar->setNativeMenuBar(false);
    for (int i = 0; i < Items().Count(); ++i) {
        TMenuItem* item = Items().Items(i);
        if (!item->Visible())
            continue;
        QMenu* menu = bar->addMenu(ToQString(item->Caption()));
        menu->setEnabled(item->Enabled());
        FillQtMenu(menu, *item);
    }
    return bar;
}

// ---- the PopupMenu property

void SetPopupMenu(TControl* control, TPopupMenu* menu)
{
    if (!control)
        return;
    if (TPopupMenu* old = GetPopupMenu(control); old && old != menu)
        old->RemoveFreeNotification(control);
    if (menu) {
        InstallPopupFilter();
        PopupMenus()[control] = menu;
        menu->FreeNotification(control);
    } else {
        PopupMenus().erase(control);
    }
}

TPopupMenu* GetPopupMenu(const TControl* control)
{
    auto found = PopupMenus().find(control);
    return found == PopupMenus().end() ? nullptr : found->second;
}

}  // namespace tarvelon
