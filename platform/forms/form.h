#pragma once
// TForm: a top-level window of the game: Show, ShowModal with its own nested event loop that ends
// when ModalResult is set, Close with OnCloseQuery and OnClose (caFree frees the form only once no
// handler of it and no modal loop it runs is on the stack any more), key preview, and the form events.
//
// A form's Left and Top are the position of its window; its Width and Height are those of its
// client area (the window frame of the desktop lies outside them).
#include "platform/forms/win_control.h"
#include "platform/graphics/canvas.h"

namespace tarvelon {

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TFormStyle { fsNormal, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    std::string ClassName() const override { return "TForm"; }

    // Fires OnCreate (once). CreateForm calls it after the constructor; a form shown without it
    // fires OnCreate before its first showing.
    virtual void AfterConstruction();
    // Fires OnDestroy while the form is still whole (Free and Release run it).
    void BeforeDestruction() override;

    // A top-level form with Align = alClient fills the screen's work area when it shows.
    void Show();
    // Shows the form modally: the other forms take no input until ModalResult is set (by a button,
    // Close, or code) and the form has agreed to close. Returns ModalResult. Opened while a
    // stay-on-top form shows, it stays on top as well until it closes.
    TModalResult ShowModal();
    // Asks OnCloseQuery, then OnClose decides: hide (caHide), free once the handler has returned
    // (caFree), or stay (caNone). A modal form ends its loop with mrCancel instead. Closing the main
    // form ends the application.
    void Close();
    bool CloseQuery();
    // Frees the form once none of its handlers and none of the modal loops it runs is on the stack
    // (a form closed from inside a dialog that one of its own handlers opened lives until that
    // handler has returned).
    void Release();

    // Shown once and hidden since (a screen closed, or replaced by the next one).
    bool PutAway() const { return placed_ && !Visible(); }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }

    // With KeyPreview the form's OnKeyDown, OnKeyPress and OnKeyUp see every key first.
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool keyPreview) { keyPreview_ = keyPreview; }

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Focuses the next (or previous) control in tab order after `current`.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    bool Active() const;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle style);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState state);
    // Layered forms keep per-pixel alpha (the smooth dialogs): see TWinControl::UpdateLayered.
    bool Layered() const { return layered_; }
    void SetLayered(bool layered);
    // Shown without taking the activation from the active window.
    bool NoActivate() const { return noActivate_; }
    void SetNoActivate(bool noActivate);

    // Multiplies the size of the form and of every control on it (and their fonts) by m / d.
    void ScaleBy(int m, int d);

    TCanvas& Canvas() { return WindowCanvas(); }

    bool DialogKey(unsigned short key, TShiftState shift) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnPaint;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // From the window system: its close button or its own Alt+F4 (a form that swallows Alt+F4 in
    // OnKeyDown keeps standing); activation of the window.
    void SystemCloseRequest();
    void ActivationChanged(bool active);

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void Notification(TComponent* component, TOperation operation) override;
    void VisibleChanged() override;
    void TextChanged() override;
    void Resize() override;
    void Paint() override;
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);

private:
    bool CloseModal();
    void RunModalLoop();
    void PlaceOnFirstShow();
    // A top-level form aligned alClient fills the screen's work area.
    void FillWorkAreaWhenAligned();
    void SetStayOnTopHint(bool onTop);
    void FocusFirstControl();
    void ApplyFixedSize();

    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool keyPreview_ = false;
    bool created_ = false;
    bool destroyFired_ = false;
    bool placed_ = false;
    TWinControl* activeControl_ = nullptr;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    bool layered_ = false;
    bool noActivate_ = false;
};

// Marks the forms that a handler serves as busy while it runs: Release frees none of them before
// the last such scope has ended. The window events, the timers and ShowModal hold one; the forms
// are those among the component's owners and (for a control) its parents.
class TFormHandlerScope {
public:
    explicit TFormHandlerScope(TComponent* component);
    ~TFormHandlerScope();
    TFormHandlerScope(const TFormHandlerScope&) = delete;
    TFormHandlerScope& operator=(const TFormHandlerScope&) = delete;

private:
    std::vector<TForm*> forms_;
};

// Creates a form and runs its OnCreate: `auto* form = CreateForm<TForm13>(Application);`
template <typename T, typename... Args>
T* CreateForm(TComponent* owner, Args&&... args)
{
    T* form = new T(owner, std::forward<Args>(args)...);
    form->AfterConstruction();
    return form;
}

// A visible window of the program (other than `except`) that stays on top of the others: a
// modal form or a dialog opened while one shows must stay on top too, or it opens hidden under it.
bool StayOnTopWindowShowing(const QWidget* except = nullptr);
// Readies a dialog window of Qt's own (a message box, the colour dialog) about to be shown: it
// belongs to the window that opens it (the active modal form, else the active window) and stays on
// top while a stay-on-top window shows, so it is seen above its opener and answers the mouse.
void PrepareDialogWindow(QWidget* dialog);

}  // namespace tarvelon
