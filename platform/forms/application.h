#pragma once
// TApplication (the global Application): the program's event loop and its nested pumping, the main
// form, ending the program, the handler of unexpected exceptions (shows the message and goes on),
// and the hints: after HintPause over a control with a hint, a hint window shows it.
#include <QPointer>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "platform/forms/component.h"
#include "platform/forms/control.h"

class QTimer;

namespace tarvelon {

class TForm;
class THintWindow;

using TExceptionEvent = std::function<void(TObject* sender, const std::exception& error)>;
using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
using THintWindowFactory = std::function<THintWindow*(TComponent* owner)>;

class TApplication : public TComponent {
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;
    std::string ClassName() const override { return "TApplication"; }

    // Handles every event waiting now (timers, paints, input) and returns.
    void ProcessMessages();
    // Waits for events and handles them once.
    void HandleMessage();
    // Runs `call` once the event being handled now (and every event waiting before it) is over,
    // from the loop running then: how a screen is changed from outside the handler of the form
    // that closes. An exception it throws goes to HandleException.
    void Queue(std::function<void()> call);
    // A pause of the game: for `milliseconds` the windows repaint, but the user's input (mouse,
    // keys, the windows' close buttons) is dropped and the game's timers do not tick.
    void PauseRepaintingOnly(int milliseconds);
    bool Pausing() const { return pauseDepth_ > 0; }
    // Shows the main form (when ShowMainForm) and runs the event loop until Terminate.
    void Run();
    // False when the program has already shown its first window itself (a game opened at once).
    bool ShowMainForm = true;
    // Ends Run and every modal loop (they end with mrCancel).
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Clears Terminated (for a test that runs several programs in one process).
    void ResetTerminated() { terminated_ = false; }

    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* form) { mainForm_ = form; }
    // Creates a form owned by the application; the first one becomes the main form.
    template <typename T>
    void CreateForm(T*& reference)
    {
        reference = new T(this);
        if (!mainForm_)
            mainForm_ = reference;
        reference->AfterConstruction();
    }

    // An exception that reached an event handler: OnException when assigned, else ShowException.
    void HandleException(TObject* sender, const std::exception& error);
    // Shows an exception's message in a message box, above every window of the program (on the
    // offscreen platform: on stderr, unless ExceptionBoxesOffscreen asks for the box there too).
    void ShowException(const std::string& message);
    bool ExceptionBoxesOffscreen = false;
    TExceptionEvent OnException;
    std::string Title;

    // Hints.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool showHint);
    int HintPause = 500;
    int HintShortPause = 50;
    int HintHidePause = 2500;
    TColor HintColor = clInfoBk;
    TShowHintEvent OnShowHint;
    // The hint window class (the drawn controls install their own).
    THintWindowFactory HintWindowClass;
    // Hides a shown hint and stops a pending one.
    void CancelHint();
    // Shows the hint of the control under the mouse now.
    void ActivateHint(TPoint screenPos);
    THintWindow* HintWindow() const { return hintWindow_; }
    TControl* HintControl() const { return hintControl_; }
    // The part of a hint before "|".
    static std::string GetShortHint(const std::string& hint);

    // Activation of the program (all its windows) by the desktop.
    bool Active() const { return active_; }
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    // From the desktop (Qt's application state): the program's windows were activated or deactivated.
    // Popup windows hear it (ApplicationActivated), then OnActivate / OnDeactivate fires.
    void ActivationChanged(bool active);

    // From the windows of this layer.
    void HintMouseMove(TControl* control, TPoint screenPos);
    void ForgetControl(TControl* control);
    void ConnectToQt();

private:
    void HintTimerFired();
    void HideHintWindow();

    bool terminated_ = false;
    int pauseDepth_ = 0;
    TForm* mainForm_ = nullptr;
    bool showHint_ = true;
    bool active_ = true;
    bool connected_ = false;
    TControl* hintControl_ = nullptr;
    TPoint hintMousePos_;
    TRect hintCursorRect_;  // screen coordinates of the area the shown hint belongs to
    THintWindow* hintWindow_ = nullptr;
    bool hintShowing_ = false;
    QTimer* hintTimer_ = nullptr;
    QTimer* hideTimer_ = nullptr;
};

extern TApplication* Application;

}  // namespace tarvelon
