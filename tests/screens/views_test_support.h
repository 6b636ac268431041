#pragma once
// What the tests of the season and history views share: the gallery's seeded game (some matchdays
// played), opening a screen with real events, clicks, double clicks and keys on its controls, and
// closing a modal screen that a click opened.
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/win_control.h"
#include "screens/common/screen_registry.h"
#include "tests/platform/forms_test_support.h"
#include "tests/platform/modal_driver.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/in_match_answerer.h"

namespace tarvelon::viewstest {

// Two states' championships in play (São Paulo's and Rio's) while it lives.
struct PlayTwoStateChampionships {
    PlayTwoStateChampionships()
    {
        Game.StateChampionshipsOn = 1;
        StateChampionships[kSaoPaulo].active = StateChampionships[kRio].active = 1;
    }
    ~PlayTwoStateChampionships()
    {
        Game.StateChampionshipsOn = before;
        StateChampionships[kSaoPaulo].active = saoPaulo;
        StateChampionships[kRio].active = rio;
    }
    static constexpr int kSaoPaulo = 25;
    static constexpr int kRio = 18;
    decltype(Game.StateChampionshipsOn) before = Game.StateChampionshipsOn;
    std::uint8_t saoPaulo = StateChampionships[kSaoPaulo].active;
    std::uint8_t rio = StateChampionships[kRio].active;
};

// The views' game stands on a league round of a World Cup year on which the hub, as it opens,
// invites a free coach to lead a national team. The tests that open the hub are about other things
// and leave the invitation unanswered: it is closed as it shows, and every other screen left alone.
class InvitationCloser : public test::InMatchAnswerer {
public:
    InvitationCloser()
    {
        for (const char* formClass : {"TForm88", "TForm68", "TForm59", "TForm72"})
            LeaveToTheTest(formClass);
    }
};

class ViewsScreenTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(5, 8); }
    InvitationCloser invitationCloser_;
    void TearDown() override
    {
        test::CloseEveryForm();
    }

    template <typename T>
    T* Open(const std::string& formClass)
    {
        auto* form = dynamic_cast<T*>(CreateScreen(formClass, Application));
        EXPECT_NE(form, nullptr);
        if (form) {
            form->Show();
            test::Pump();
        }
        return form;
    }

    // A click on a control (a windowed one, or a graphic one through its parent's window).
    static void Click(TControl* control, QPoint at = QPoint(-1, -1))
    {
        QWidget* widget = WidgetOf(control);
        QPoint p = at;
        if (!widget) {
            widget = WidgetOf(control->Parent());
            const QPoint origin(control->Left(), control->Top());
            p = origin + (at.x() < 0 ? QPoint(control->Width() / 2, control->Height() / 2) : at);
        } else if (at.x() < 0) {
            p = widget->rect().center();
        }
        test::SendMouse(widget, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        test::Pump();
    }

    // A click on a grid row (in its first visible column).
    static void ClickRow(TDataGrid* grid, int row, int x = 60) { Click(grid, QPoint(x, grid->RowTop(row) + 5)); }

    static void DoubleClickRow(TDataGrid* grid, int row, int x = 60)
    {
        QWidget* widget = WidgetOf(grid);
        const QPoint p(x, grid->RowTop(row) + 5);
        test::SendMouse(widget, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        test::SendMouse(widget, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        test::SendMouse(widget, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        test::Pump();
    }

    static void PressKey(TControl* control, int key)
    {
        test::PressKey(WidgetOf(control), key);
        test::Pump();
    }

    // Opens a history with a state chooser (combo2) over two states and chooses the second by its
    // keys: the screen follows it. Null when it does not.
    template <typename T>
    T* OpenOnSecondState(const std::string& formClass)
    {
        T* form = Open<T>(formClass);
        if (!form || form->StateItems.size() != 2u) {
            ADD_FAILURE() << formClass << " offers " << (form ? form->StateItems.size() : 0) << " states, not 2";
            return nullptr;
        }
        PressKey(form->combo2, Qt::Key_Home);
        PressKey(form->combo2, Qt::Key_Down);
        EXPECT_EQ(form->combo2->ItemIndex(), 1);
        EXPECT_EQ(form->ChosenState, form->StateItems[1]);
        return form->combo2->ItemIndex() == 1 ? form : nullptr;
    }

    // A key on a control of the top screen closes that screen (Enter and Escape reach the form first).
    static void ExpectKeyCloses(TControl* control, int key)
    {
        const int forms = Screen->FormCount();
        PressKey(control, key);
        test::Pump();
        EXPECT_EQ(Screen->FormCount(), forms - 1);
    }

    // Arms a timer that notes and closes the top screen once another opened (for about a second);
    // returns what it saw.
    static std::shared_ptr<std::vector<std::string>> CloseWhatOpens(int formsBefore)
    {
        auto seen = std::make_shared<std::vector<std::string>>();
        if (watcher_) {  // only the latest watch closes what opens
            watcher_->stop();
            watcher_->deleteLater();
        }
        auto* timer = new QTimer;
        watcher_ = timer;
        timer->setInterval(20);
        auto ticks = std::make_shared<int>(0);
        QObject::connect(timer, &QTimer::timeout, timer, [seen, timer, formsBefore, ticks] {
            if (Screen->FormCount() <= formsBefore) {
                if (++*ticks > 50) {  // nothing opened: stop watching
                    timer->stop();
                    timer->deleteLater();
                }
                return;
            }
            TForm* top = Screen->Forms(Screen->FormCount() - 1);
            seen->push_back(top->ClassName());
            top->Close();
            timer->stop();
            timer->deleteLater();
        });
        timer->start();
        return seen;
    }

    // Pumps until the screen opened and was closed again by CloseWhatOpens.
    static void WaitForClosed(const std::shared_ptr<std::vector<std::string>>& seen, int ms = 1500)
    {
        test::PumpUntil([&seen] { return !seen->empty(); }, ms);
        test::Pump(30);
    }

    static TControl* Child(TComponent* form, const std::string& name)
    {
        return dynamic_cast<TControl*>(form->FindComponent(name));
    }

    static QWidget* WidgetOf(TControl* control)
    {
        auto* win = dynamic_cast<TWinControl*>(control);
        return win ? win->Widget() : nullptr;
    }

    static inline QPointer<QTimer> watcher_;
};

}  // namespace tarvelon::viewstest
