#include "platform/forms/form.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "platform/forms/application.h"
#include "platform/forms/input_state.h"
#include "platform/forms/keys.h"
#include "platform/forms/screen.h"
#include "platform/forms/text_utils.h"
#include "platform/forms/window_widget.h"

namespace tarvelon {
namespace {

// These two are never freed: a form still alive when the program ends may be reached, and freed,
// while the program's own statics are destroyed.
std::set<TForm*>& PendingRelease()
{
    static auto* forms = new std::set<TForm*>;
    return *forms;
}

// How many handler scopes hold each form now (forms with none are absent).
std::map<const TForm*, int>& BusyForms()
{
    static auto* forms = new std::map<const TForm*, int>;
    return *forms;
}

bool IsBusy(const TForm* form)
{
    return BusyForms().count(form) != 0;
}

// Frees a released form from the top of the event loop, unless a handler of it runs again by then
// (its last scope queues the free anew).
void QueueFree(TForm* form)
{
    QMetaObject::invokeMethod(
        qApp,
        [form] {
            if (PendingRelease().count(form) != 0 && !IsBusy(form)) {
                PendingRelease().erase(form);
                Free(form);
            }
        },
        Qt::QueuedConnection);
}

void AddUnique(std::vector<TForm*>& forms, TForm* form)
{
    if (form && std::find(forms.begin(), forms.end(), form) == forms.end())
        forms.push_back(form);
}

bool IsSizeable(TFormBorderStyle style)
{
    return style == bsSizeable || style == bsSizeToolWin;
}

// The next focusable control after `current` in the tab order of `root` (circular).
TWinControl* NextInTabOrder(const TWinControl* root, TWinControl* current, bool forward, bool checkTabStop)
{
    std::vector<TWinControl*> list;
    root->GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int count = static_cast<int>(list.size());
    int start = forward ? -1 : count;
    for (int i = 0; i < count; ++i) {
        if (list[static_cast<std::size_t>(i)] == current)
            start = i;
    }
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (forward ? step : -step)) % count + count) % count;
        TWinControl* candidate = list[static_cast<std::size_t>(index)];
        if (candidate == current)
            continue;
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) && !candidate->IsPopupWindow())
            return candidate;
    }
    return nullptr;
}

// The program never lives on without a window: once what the closing queued (the next screen) has
// run, a program that shows no form any more ends.
void EndWhenNoFormShows()
{
    Application->Queue([] {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Visible())
                return;
        Application->Terminate();
    });
}

}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    StoreVisible(false);
    StoreBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    SetParentFont(false);
    Screen->AddForm(this);
}

TForm::~TForm()
{
    PendingRelease().erase(this);
    BusyForms().erase(this);
    if (Screen)
        Screen->RemoveForm(this);
    if (Application && Application->MainForm() == this)
        Application->SetMainForm(nullptr);
}

void TForm::AfterConstruction()
{
    if (created_)
        return;
    created_ = true;
    DoCreate();
}

void TForm::BeforeDestruction()
{
    if (destroyFired_)
        return;
    destroyFired_ = true;
    if (OnDestroy)
        OnDestroy(this);
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Show()
{
    SetVisible(true);
    if (QWidget* widget = ExistingWidget(); widget && !noActivate_) {
        widget->raise();
        widget->activateWindow();
    }
}

TModalResult TForm::ShowModal()
{
    if (Visible() || modal_)
        throw std::logic_error("Cannot make a visible window modal");
    AfterConstruction();
    SetCaptureControl(nullptr);
    QPointer<QWidget> previousFocus = QApplication::focusWidget();
    QPointer<QWidget> previousWindow = QApplication::activeWindow();
    const TFormHandlerScope busy(this);
    modal_ = true;
    modalResult_ = mrNone;
    HandleNeeded();
    ExistingWidget()->setWindowModality(Qt::ApplicationModal);
    SetStayOnTopHint(formStyle_ == fsStayOnTop || StayOnTopWindowShowing(ExistingWidget()));
    try {
        Show();
        // A modal form takes the keyboard even when it shows itself without activation.
        if (QWidget* widget = ExistingWidget(); widget && noActivate_) {
            widget->activateWindow();
            FocusFirstControl();
        }
        RunModalLoop();
    } catch (...) {
        modal_ = false;
        throw;
    }
    modal_ = false;
    SetVisible(false);
    if (QWidget* widget = ExistingWidget())
        widget->setWindowModality(Qt::NonModal);
    SetStayOnTopHint(formStyle_ == fsStayOnTop);
    if (previousWindow)
        previousWindow->activateWindow();
    if (previousFocus)
        previousFocus->setFocus(Qt::OtherFocusReason);
    return modalResult_;
}

void TForm::SetStayOnTopHint(bool onTop)
{
    QWidget* widget = ExistingWidget();
    if (widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        widget->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
}

void TForm::RunModalLoop()
{
    QEventLoop loop;
    for (;;) {
        if (Application->Terminated()) {
            modalResult_ = mrCancel;
            return;
        }
        if (modalResult_ != mrNone && CloseModal())
            return;
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

bool TForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) {
        modalResult_ = mrNone;
        return false;
    }
    if (action == caFree)
        Release();
    return true;
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Release()
{
    if (!PendingRelease().insert(this).second)
        return;
    if (Visible() && !modal_)
        Hide();
    if (!IsBusy(this))
        QueueFree(this);
}

TFormHandlerScope::TFormHandlerScope(TComponent* component)
{
    for (TComponent* owner = component; owner; owner = owner->Owner())
        AddUnique(forms_, dynamic_cast<TForm*>(owner));
    if (auto* control = dynamic_cast<TControl*>(component)) {
        for (TControl* parent = control->Parent(); parent; parent = parent->Parent())
            AddUnique(forms_, dynamic_cast<TForm*>(parent));
    }
    for (TForm* form : forms_)
        ++BusyForms()[form];
}

TFormHandlerScope::~TFormHandlerScope()
{
    for (TForm* form : forms_) {
        auto found = BusyForms().find(form);
        if (found == BusyForms().end())
            continue;  // freed outright meanwhile
        if (--found->second > 0)
            continue;
        BusyForms().erase(found);
        if (PendingRelease().count(form) != 0)
            QueueFree(form);
    }
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (activeControl_ == control)
        return;
    if (activeControl_)
        RemoveFreeNotification(activeControl_);
    activeControl_ = control;
    if (control)
        FreeNotification(control);
}

void TForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == activeControl_)
        activeControl_ = nullptr;
}

void TForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    if (TWinControl* next = NextInTabOrder(this, current, forward, checkTabStop))
        next->SetFocus();
}

bool TForm::Active() const
{
    QWidget* widget = ExistingWidget();
    return widget && widget->isActiveWindow();
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    if (borderStyle_ == style)
        return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    if (borderIcons_ == icons)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle style)
{
    if (formStyle_ == style)
        return;
    formStyle_ = style;
    RecreateWnd();
}

void TForm::SetWindowState(TWindowState state)
{
    windowState_ = state;
    QWidget* widget = ExistingWidget();
    if (!widget || !Visible())
        return;
    switch (state) {
    case wsMinimized: widget->showMinimized(); break;
    case wsMaximized: widget->showMaximized(); break;
    default: widget->showNormal(); break;
    }
}

void TForm::SetLayered(bool layered)
{
    if (layered_ == layered)
        return;
    layered_ = layered;
    RecreateWnd();
}

void TForm::SetNoActivate(bool noActivate)
{
    if (noActivate_ == noActivate)
        return;
    noActivate_ = noActivate;
    RecreateWnd();
}

void TForm::ScaleBy(int m, int d)
{
    if (m == d || d == 0)
        return;
    const std::vector<TControl*> children = [this] {
        std::vector<TControl*> list;
        for (int i = 0; i < ControlCount(); ++i)
            list.push_back(Controls(i));
        return list;
    }();
    for (TControl* child : children)
        child->ChangeScale(m, d);
    Font().SetHeight(MulDiv(Font().Height(), m, d));
    SetClientSize(MulDiv(ClientWidth(), m, d), MulDiv(ClientHeight(), m, d));
}

bool TForm::DialogKey(unsigned short key, TShiftState shift)
{
    if (key == VK_TAB && !(shift & ssCtrl)) {
        SelectNext(activeControl_, !(shift & ssShift), true);
        return true;
    }
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
        if (!activeControl_ || !activeControl_->Parent())
            return false;
        const bool forward = key == VK_RIGHT || key == VK_DOWN;
        if (TWinControl* next = NextInTabOrder(activeControl_->Parent(), activeControl_, forward, false))
            next->SetFocus();
        return true;
    }
    return TWinControl::DialogKey(key, shift);
}

void TForm::SystemCloseRequest()
{
    // A close request of the desktop (its own Alt+F4, the frame's close button) is the form's
    // Alt+F4, whether or not Alt is still held when it comes: the form's key handlers may swallow it
    // as they swallow the key itself.
    unsigned short key = VK_F4;
    if (DoKeyDown(key, ssAlt))
        return;
    Close();
    EndWhenNoFormShows();
}

void TForm::ActivationChanged(bool active)
{
    if (active) {
        Screen->SetActiveForm(this);
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeactivate) {
        OnDeactivate(this);
    }
}

QWidget* TForm::CreateWidget(QWidget* parentWidget)
{
    auto* widget = new TWindowWidget(this, nullptr);
    Qt::WindowFlags flags;
    const bool systemMenu = borderIcons_.Contains(biSystemMenu);
    switch (borderStyle_) {
    case bsNone:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (systemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (systemMenu)
            flags |= Qt::WindowCloseButtonHint;
        break;
    default:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (systemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (systemMenu && borderIcons_.Contains(biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if (systemMenu && borderIcons_.Contains(biMaximize) && IsSizeable(borderStyle_))
            flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    widget->setWindowFlags(flags);
    widget->setWindowTitle(ToQString(Caption()));
    return widget;
}

void TForm::CreateParams(TCreateParams& params)
{
    params.noActivate = noActivate_;
    params.layered = layered_;
}

void TForm::CreateWnd()
{
    TWinControl::CreateWnd();
    ApplyFixedSize();
}

void TForm::ApplyFixedSize()
{
    QWidget* widget = ExistingWidget();
    if (!widget)
        return;
    if (IsSizeable(borderStyle_)) {
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        widget->setFixedSize(std::max(1, Width()), std::max(1, Height()));
    }
}

void TForm::VisibleChanged()
{
    if (Visible()) {
        AfterConstruction();
        HandleNeeded();
        FillWorkAreaWhenAligned();
        PlaceOnFirstShow();
        DoShow();
        QWidget* widget = ExistingWidget();
        if (!widget || !Visible())
            return;
        widget->show();
        if (!noActivate_) {
            widget->raise();
            widget->activateWindow();
            FocusFirstControl();
        }
    } else {
        DoHide();
        if (QWidget* widget = ExistingWidget())
            widget->hide();
    }
}

void TForm::FillWorkAreaWhenAligned()
{
    if (Align() != alClient || Parent())
        return;
    const TRect area = Screen->WorkAreaRect();
    SetBounds(area.Left, area.Top, area.Width(), area.Height());
}

void TForm::PlaceOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    const TForm* over = nullptr;
    switch (position_) {
    case poMainFormCenter:
        over = Application->MainForm();
        break;
    case poOwnerFormCenter:
        over = dynamic_cast<TForm*>(Owner());
        if (!over)
            over = Application->MainForm();
        break;
    case poScreenCenter:
    case poDesktopCenter:
        break;
    default:
        return;
    }
    if (over == this || (over && !over->Visible()))
        over = nullptr;
    const TRect area = over ? over->BoundsRect() : Screen->WorkAreaRect();
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(),
              Height());
}

void TForm::FocusFirstControl()
{
    if (activeControl_ && activeControl_->CanFocus()) {
        activeControl_->SetFocus();
        return;
    }
    if (TWinControl* first = NextInTabOrder(this, nullptr, true, true)) {
        first->SetFocus();
        return;
    }
    if (QWidget* widget = ExistingWidget())
        widget->setFocus(Qt::OtherFocusReason);
}

void TForm::TextChanged()
{
    if (QWidget* widget = ExistingWidget())
        widget->setWindowTitle(ToQString(Caption()));
}

void TForm::Resize()
{
    ApplyFixedSize();
    TWinControl::Resize();
}

void TForm::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

bool StayOnTopWindowShowing(const QWidget* except)
{
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = window->windowType();
        // Hints and drop-downs float over everything anyway; they do not make a dialog float.
        if (window == except || !window->isVisible() || type == Qt::ToolTip || type == Qt::Popup)
            continue;
        if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return true;
    }
    return false;
}

void PrepareDialogWindow(QWidget* dialog)
{
    if (StayOnTopWindowShowing(dialog))
        dialog->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QWidget* opener = QApplication::activeModalWidget();
    if (!opener || opener == dialog)
        opener = QApplication::activeWindow();
    if (!opener || opener == dialog || !opener->window()->windowHandle())
        return;
    dialog->winId();
    if (QWindow* window = dialog->windowHandle())
        window->setTransientParent(opener->window()->windowHandle());
}

}  // namespace tarvelon
