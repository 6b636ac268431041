#pragma once
// Answering every form of a class that the game shows during a stretch of play, each once per
// showing, with the modal driver's deadline (modal_driver.h): a form still open and modal a deadline
// after its answer fails the test, and every modal window is closed.
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/screen.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

// Answers each form of class T that shows (and for which `matches` holds), once per showing, for as
// long as the object lives: for a stretch of play in which the game opens screen after screen.
// Each answered form that is still the topmost modal window a deadline after its steps fails the
// test, and every modal window is closed.
template <typename T>
class AnswerEach {
public:
    explicit AnswerEach(std::function<void(T&)> steps, std::function<bool(T&)> matches = {},
                        int ms = ModalDeadlineMs())
        : state_(std::make_shared<State>())
    {
        modal_driver::ListenForTestEnd();
        state_->steps = std::move(steps);
        state_->matches = std::move(matches);
        state_->ms = ms;
        Poll(state_);
    }
    AnswerEach(const AnswerEach&) = delete;
    AnswerEach& operator=(const AnswerEach&) = delete;

    // The forms answered so far (their class names, in order).
    const std::vector<std::string>& Seen() const { return state_->seen; }

private:
    struct State {
        std::function<void(T&)> steps;
        std::function<bool(T&)> matches;
        int ms = 0;
        std::vector<std::string> seen;
        std::vector<std::unique_ptr<modal_driver::ClosingWatch>> closing;  // answered, still shown
        std::vector<QPointer<QWidget>> answering;                          // steps running
    };

    static void Poll(const std::weak_ptr<State>& weak)
    {
        // The next look is queued first: the steps may open the next modal window before they return.
        QTimer::singleShot(10, [weak] {
            if (std::shared_ptr<State> state = weak.lock()) {
                Poll(weak);
                WatchClosing(*state);
                if (T* form = NextToAnswer(*state))
                    Run(*state, *form);
            }
        });
    }

    static bool Answered(const State& state, const QWidget* window)
    {
        for (const auto& watch : state.closing)
            if (watch->Window() == window && !watch->Ended())
                return true;
        return std::find(state.answering.begin(), state.answering.end(), window) != state.answering.end();
    }

    static T* NextToAnswer(const State& state)
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            auto* form = dynamic_cast<T*>(Screen->Forms(i));
            if (form && form->Visible() && (!state.matches || state.matches(*form)) &&
                !Answered(state, form->Widget()))
                return form;
        }
        return nullptr;
    }

    static void Run(State& state, T& form)
    {
        QPointer<QWidget> window = form.Widget();
        const std::string what = form.ClassName();
        state.seen.push_back(what);
        state.answering.push_back(window);
        state.steps(form);
        state.answering.erase(std::find(state.answering.begin(), state.answering.end(), window));
        if (window && window->isVisible())  // (a window hidden and shown again by the steps is not caught)
            state.closing.push_back(std::make_unique<modal_driver::ClosingWatch>(window, what));
    }

    static void WatchClosing(State& state)
    {
        auto& closing = state.closing;
        closing.erase(std::remove_if(closing.begin(), closing.end(), [](const auto& watch) { return watch->Ended(); }),
                      closing.end());
        for (const auto& watch : closing) {
            if (!watch->Closed() && watch->Overdue(state.ms)) {
                modal_driver::FailAndCloseEveryModalWindow(
                    watch->What(), "was still open " + std::to_string(state.ms) + " ms after its steps");
                break;
            }
        }
    }

    std::shared_ptr<State> state_;
};

}  // namespace tarvelon::test
