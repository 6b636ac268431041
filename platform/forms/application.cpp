#include "platform/forms/application.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

#include "platform/forms/form.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/text_utils.h"
#include "platform/forms/waits.h"

namespace tarvelon {

namespace {

bool IsUserInput(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
        return true;
    case QEvent::Close:
        return event->spontaneous();
    default:
        return false;
    }
}

// Installed on the application during a pause: the user's input goes nowhere.
class InputSwallower : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return IsUserInput(event); }
};

InputSwallower& PauseFilter()
{
    static InputSwallower* filter = new InputSwallower;
    return *filter;
}

}  // namespace

TApplication* Application = new TApplication(nullptr);

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    HintWindowClass = [](TComponent* hintOwner) { return new THintWindow(hintOwner); };
}

TApplication::~TApplication()
{
    delete hintTimer_;
    delete hideTimer_;
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleMessage()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void TApplication::Queue(std::function<void()> call)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, call = std::move(call)] {
            try {
                call();
            } catch (const std::exception& error) {
                HandleException(this, error);
            }
        },
        Qt::QueuedConnection);
}

void TApplication::PauseRepaintingOnly(int milliseconds)
{
    milliseconds = WaitTime(milliseconds);
    if (milliseconds <= 0)
        return;
    if (pauseDepth_++ == 0)
        QCoreApplication::instance()->installEventFilter(&PauseFilter());
    struct EndPause {
        TApplication* application;
        ~EndPause()
        {
            if (--application->pauseDepth_ == 0)
                QCoreApplication::instance()->removeEventFilter(&PauseFilter());
        }
    } endPause{this};
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void TApplication::Run()
{
    ConnectToQt();
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        app->setQuitOnLastWindowClosed(false);
    if (mainForm_ && ShowMainForm)
        mainForm_->Show();
    while (!terminated_)
        HandleMessage();
}

void TApplication::Terminate()
{
    terminated_ = true;
    // Wakes a loop waiting for events so that it sees the flag.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] {}, Qt::QueuedConnection);
}

void TApplication::HandleException(TObject* sender, const std::exception& error)
{
    if (OnException) {
        OnException(sender, error);
        return;
    }
    ShowException(error.what());
}

void TApplication::ShowException(const std::string& message)
{
    const bool offscreen = QGuiApplication::platformName() == "offscreen" && !ExceptionBoxesOffscreen;
    if (offscreen || !qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, ToQString(Title), ToQString(message));
    PrepareDialogWindow(&box);
    box.exec();
}

void TApplication::ConnectToQt()
{
    if (connected_ || !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    connected_ = true;
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, qApp,
                     [this](Qt::ApplicationState state) { ActivationChanged(state == Qt::ApplicationActive); });
    hintTimer_ = new QTimer;
    hintTimer_->setSingleShot(true);
    QObject::connect(hintTimer_, &QTimer::timeout, hintTimer_, [this] { HintTimerFired(); });
    hideTimer_ = new QTimer;
    hideTimer_->setSingleShot(true);
    QObject::connect(hideTimer_, &QTimer::timeout, hideTimer_, [this] { HideHintWindow(); });
}

void TApplication::ActivationChanged(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (!active)
        CancelHint();
    TWinControl::ForEachWindow([active](TWinControl* window) { window->ApplicationActivated(active); });
    const TNotifyEvent& handler = active ? OnActivate : OnDeactivate;
    if (handler)
        handler(this);
}

void TApplication::SetShowHint(bool showHint)
{
    showHint_ = showHint;
    if (!showHint)
        CancelHint();
}

std::string TApplication::GetShortHint(const std::string& hint)
{
    const auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

void TApplication::HintMouseMove(TControl* control, TPoint screenPos)
{
    ConnectToQt();
    hintMousePos_ = screenPos;
    if (hintShowing_ && control == hintControl_ && PtInRect(hintCursorRect_, screenPos))
        return;
    if (control == hintControl_ && !hintShowing_)
        return;  // the pending hint keeps waiting
    const bool wasShowing = hintShowing_;
    HideHintWindow();
    hintControl_ = control;
    if (hintTimer_)
        hintTimer_->stop();
    if (!control || !showHint_ || !control->ShowHint() || GetShortHint(control->Hint()).empty())
        return;
    if (hintTimer_)
        hintTimer_->start(wasShowing ? HintShortPause : HintPause);
}

void TApplication::HintTimerFired()
{
    ActivateHint(hintMousePos_);
}

void TApplication::ActivateHint(TPoint screenPos)
{
    TControl* control = hintControl_;
    if (!control || !showHint_)
        return;
    THintInfo info;
    info.HintControl = control;
    info.HintStr = GetShortHint(control->Hint());
    info.CursorPos = control->ScreenToClient(screenPos);
    info.CursorRect = control->ClientRect();
    info.HintPos = Point(screenPos.X, screenPos.Y + 20);
    info.HintMaxWidth = 300;
    info.HintColor = HintColor;
    info.HideTimeout = HintHidePause;
    if (!control->HandleHintShow(info))
        return;
    bool canShow = true;
    if (OnShowHint)
        OnShowHint(info.HintStr, canShow, info);
    if (!canShow || info.HintStr.empty())
        return;
    if (!hintWindow_)
        hintWindow_ = HintWindowClass(this);
    hintWindow_->SetColor(info.HintColor);
    TRect rect = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
    OffsetRect(rect, info.HintPos.X, info.HintPos.Y);
    hintWindow_->ActivateHint(rect, info.HintStr);
    hintShowing_ = true;
    const TPoint origin = control->ClientToScreen(info.CursorRect.TopLeft());
    hintCursorRect_ = Bounds(origin.X, origin.Y, info.CursorRect.Width(), info.CursorRect.Height());
    if (hideTimer_ && info.HideTimeout > 0)
        hideTimer_->start(info.HideTimeout);
}

void TApplication::HideHintWindow()
{
    if (hideTimer_)
        hideTimer_->stop();
    if (hintWindow_ && hintShowing_)
        hintWindow_->ReleaseHint();
    hintShowing_ = false;
}

void TApplication::CancelHint()
{
    if (hintTimer_)
        hintTimer_->stop();
    HideHintWindow();
    hintControl_ = nullptr;
}

void TApplication::ForgetControl(TControl* control)
{
    if (control == hintControl_)
        CancelHint();
    if (control == hintWindow_) {
        hintWindow_ = nullptr;
        hintShowing_ = false;
    }
}

}  // namespace tarvelon
