#pragma once
// Answering a window that the code under test opens modally (a form's ShowModal, a message box),
// without ever hanging the test:
//
//     test::Answer<TForm40>([](TForm40& dialog) { ...type a name, click its button... });
//     QTest::keyClick(hub->Widget(), Qt::Key_F2);  // F2 shows TForm40 modally: returns once answered
//
// A timer polls (from inside whatever modal loop shows the window) until the window shows, then
// runs the steps on it. If the window does not show within the deadline, or the steps leave it
// open and modal (a step that clicked nothing, an ASSERT that returned early), the test records a
// failure and every modal window is closed (and so is every one that shows after it, until the
// test ends), so that each modal loop returns and the test ends red instead of waiting for ever.
// An answer still waiting when the test ends fails the test as well. (AnswerEach, in
// modal_answer_each.h, answers every form of a class that shows while it lives, with the same
// deadline.)
//
// The deadline is generous (a loaded machine can take seconds to show a window):
// TARVELON_MODAL_DEADLINE_MS overrides the default of 20 s.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

// How long an answer waits for its window to show, and then for it to close after the steps.
inline int ModalDeadlineMs()
{
    const char* set = std::getenv("TARVELON_MODAL_DEADLINE_MS");
    const int ms = set ? std::atoi(set) : 0;
    return ms > 0 ? ms : 20000;
}

// The window a found object stands in: a form's own widget, or the widget's window.
inline QWidget* WindowOf(TForm& form) { return form.Widget(); }
inline QWidget* WindowOf(QWidget& widget) { return widget.window(); }

inline bool ShownModally(const QWidget* window)
{
    return window != nullptr && window->isVisible() && window->windowModality() != Qt::NonModal;
}

// Ends every modal loop: each modal form is closed (one that refuses, through OnCloseQuery or
// OnClose, is closed without asking again), Qt's own dialogs are rejected and an open popup menu
// is closed. The loops return once control is back in them.
inline void CloseEveryModalWindow()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    std::vector<QWidget*> forms;
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TForm* form = Screen->Forms(i);
        if (!form->Modal())
            continue;
        forms.push_back(form->Widget());
        form->OnCloseQuery = nullptr;
        form->OnClose = nullptr;
        form->Close();
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!ShownModally(window) || std::find(forms.begin(), forms.end(), window) != forms.end())
            continue;
        if (auto* dialog = qobject_cast<QDialog*>(window))
            dialog->reject();
        else
            window->close();
    }
}

inline bool AnyModalWindow()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Modal())
            return true;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (ShownModally(window))
            return true;
    return QApplication::activePopupWidget() != nullptr;
}

// Closes every form but `kept` (none when null), also those that queued changes of screen still
// open: each round waits a little for what the last one queued, or less once no other form is left.
// A screen's own timer can open a question modally during those waits (the hub's post-round work
// opens the offers and invitations), after the test has let its answerers go: a closer runs through
// every wait and closes each modal window as it shows, so no question is left waiting for an answer.
inline void CloseEveryFormBut(const TForm* kept)
{
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (AnyModalWindow())
            CloseEveryModalWindow();
    });
    closer.start(5);
    const auto noneLeft = [kept] {
        return Screen->FormCount() == 0 || (Screen->FormCount() == 1 && Screen->Forms(0) == kept);
    };
    for (int round = 0; round < 3; ++round) {
        PumpUntil(noneLeft, 50);
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (Screen->Forms(i) != kept)
                Screen->Forms(i)->Close();
    }
    PumpUntil(noneLeft, 50);
}

inline void CloseEveryForm() { CloseEveryFormBut(nullptr); }

namespace modal_driver {

// A window that was answered and must close now: it fails the test when it is still the topmost
// modal window `ms` after its steps (a window under another modal one cannot close yet). Its hiding
// is caught as it happens, so that a window shown again soon after counts as a new showing.
class ClosingWatch : public QObject {
public:
    ClosingWatch(QWidget* window, std::string what) : window_(window), what_(std::move(what))
    {
        clock_.start();
        window->installEventFilter(this);
    }
    QWidget* Window() const { return window_.data(); }
    const std::string& What() const { return what_; }
    bool Closed() const { return hidden_ || !ShownModally(window_); }
    // Gone or hidden since its steps: a showing that has ended.
    bool Ended() const { return hidden_ || window_.isNull() || !window_->isVisible(); }
    bool Overdue(int ms)
    {
        if (QApplication::activeModalWidget() != window_.data())
            clock_.restart();
        return clock_.elapsed() >= ms;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_.data() && event->type() == QEvent::Hide)
            hidden_ = true;
        return false;
    }

private:
    QPointer<QWidget> window_;
    std::string what_;
    QElapsedTimer clock_;
    bool hidden_ = false;
};

// Once an answer has failed, every modal window that shows until the test ends is closed: the code
// under test may open more of them, and none would be answered.
inline QTimer& Closer()
{
    static QTimer* closer = [] {
        auto* timer = new QTimer();
        QObject::connect(timer, &QTimer::timeout, [] {
            if (AnyModalWindow())
                CloseEveryModalWindow();
        });
        return timer;
    }();
    return *closer;
}

inline void FailAndCloseEveryModalWindow(const std::string& what, const std::string& why)
{
    ADD_FAILURE() << "The modal window " << what << ' ' << why
                  << "; every modal window is closed so that the test ends";
    CloseEveryModalWindow();
    Closer().start(20);
}

// One answer on its way: waiting for its window, then for the window to close after the steps.
class PendingAnswer {
public:
    PendingAnswer(std::function<QWidget*()> find, std::function<void()> steps, std::string what, int ms)
        : find_(std::move(find)), steps_(std::move(steps)), what_(std::move(what)), ms_(ms)
    {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }
    PendingAnswer(const PendingAnswer&) = delete;
    PendingAnswer& operator=(const PendingAnswer&) = delete;

    bool StillWaitingToShow() const { return !answered_ && !finished_; }
    const std::string& What() const { return what_; }
    bool Finished() const { return finished_; }

private:
    void Poll()
    {
        if (!answered_)
            AnswerOnceShown();
        else if (watch_->Closed())
            Finish();
        else if (watch_->Overdue(ms_))
            GiveUp("was still open " + std::to_string(ms_) + " ms after its steps");
    }

    void AnswerOnceShown()
    {
        QWidget* window = find_();
        if (window == nullptr) {
            if (clock_.elapsed() >= ms_)
                GiveUp("did not show within " + std::to_string(ms_) + " ms");
            return;
        }
        answered_ = true;
        timer_.stop();  // the steps may run nested modal loops of their own
        const bool failedBefore = ::testing::Test::HasFatalFailure();
        steps_();
        watch_ = std::make_unique<ClosingWatch>(window, what_);
        if (!failedBefore && ::testing::Test::HasFatalFailure() && !watch_->Closed()) {
            GiveUp("was left open by steps that failed");
            return;
        }
        timer_.start(5);
    }

    void GiveUp(const std::string& why)
    {
        FailAndCloseEveryModalWindow(what_, why);
        Finish();
    }

    void Finish()
    {
        timer_.stop();
        finished_ = true;
    }

    std::function<QWidget*()> find_;
    std::function<void()> steps_;
    std::string what_;
    int ms_;
    QTimer timer_;
    QElapsedTimer clock_;
    std::unique_ptr<ClosingWatch> watch_;
    bool answered_ = false;
    bool finished_ = false;
};

inline std::vector<std::unique_ptr<PendingAnswer>>& Pending()
{
    static std::vector<std::unique_ptr<PendingAnswer>> pending;
    return pending;
}

// At each test's end: an answer whose window never showed fails the test; all are dropped, so
// that none acts in the next test (on its windows, with the ended test's variables), and the
// closing of modal windows after a failure stops.
class DropAnswersAtTestEnd : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        for (const auto& answer : Pending())
            if (answer->StillWaitingToShow())
                ADD_FAILURE() << "The modal window " << answer->What() << " did not show before the test ended";
        Pending().clear();
        Closer().stop();
    }
};

inline void ListenForTestEnd()
{
    static const bool listening = [] {
        ::testing::UnitTest::GetInstance()->listeners().Append(new DropAnswersAtTestEnd);
        return true;
    }();
    (void)listening;
}

inline void Queue(std::unique_ptr<PendingAnswer> answer)
{
    ListenForTestEnd();
    auto& pending = Pending();
    pending.erase(std::remove_if(pending.begin(), pending.end(), [](const auto& a) { return a->Finished(); }),
                  pending.end());
    pending.push_back(std::move(answer));
}

template <typename T>
std::string NameOf()
{
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
    std::string result = status == 0 && name ? name : typeid(T).name();
    std::free(name);
    return result;
}

}  // namespace modal_driver

// Runs `steps` on what `find` returns once it returns something (a form or a widget), from inside
// the modal loop that shows it; fails the test and closes every modal window when it does not show
// within `ms`, or stays open and modal `ms` after the steps. `what` names it in the failure.
template <typename T>
void AnswerFound(std::function<T*()> find, std::function<void(T&)> steps, std::string what,
                 int ms = ModalDeadlineMs())
{
    auto found = std::make_shared<T*>(nullptr);
    modal_driver::Queue(std::make_unique<modal_driver::PendingAnswer>(
        [find = std::move(find), found]() -> QWidget* {
            *found = find();
            return *found ? WindowOf(**found) : nullptr;
        },
        [steps = std::move(steps), found] { steps(**found); }, std::move(what), ms));
}

// The newest visible form of class T, null when none shows.
template <typename T>
T* Shown()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible())
            return form;
    return nullptr;
}

// Answers the form of class T once one shows for which `ready` holds (the newest such).
template <typename T>
void Answer(std::function<void(T&)> steps, int ms = ModalDeadlineMs(), std::function<bool(T&)> ready = {})
{
    AnswerFound<T>(
        [ready = std::move(ready)]() -> T* {
            for (int i = Screen->FormCount() - 1; i >= 0; --i)
                if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible() && (!ready || ready(*form)))
                    return form;
            return nullptr;
        },
        std::move(steps), modal_driver::NameOf<T>(), ms);
}

// Answers the form last opened once it is one of class `formClass` and shows.
inline void AnswerTopForm(const std::string& formClass, std::function<void(TForm&)> steps, int ms = ModalDeadlineMs())
{
    AnswerFound<TForm>(
        [formClass]() -> TForm* {
            TForm* top = Screen->FormCount() > 0 ? Screen->Forms(Screen->FormCount() - 1) : nullptr;
            return top && top->ClassName() == formClass && top->Visible() ? top : nullptr;
        },
        std::move(steps), formClass, ms);
}

// Answers `form` itself once it shows.
template <typename T>
void AnswerForm(T& form, std::function<void(T&)> steps, int ms = ModalDeadlineMs())
{
    AnswerFound<T>([&form]() -> T* { return form.Visible() ? &form : nullptr; }, std::move(steps),
                   modal_driver::NameOf<T>(), ms);
}

// Answers the active modal widget of Qt's own of class T (a QMessageBox, a QColorDialog).
template <typename T>
void AnswerDialog(std::function<void(T&)> steps, int ms = ModalDeadlineMs())
{
    AnswerFound<T>(
        []() -> T* {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible() ? dialog : nullptr;
        },
        std::move(steps), modal_driver::NameOf<T>(), ms);
}

}  // namespace tarvelon::test
