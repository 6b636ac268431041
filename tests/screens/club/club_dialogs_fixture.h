#pragma once
// The fixture of the tests of the human club's dialogs: the small fictional database, a new game
// with two human coaches of the Brazilian league and the hub open for the first; a dialog is opened
// by its class name through the navigator, as the hub's menus open it, and driven inside its modal
// loop.
#include <functional>
#include <memory>
#include <string>

#include "core/club_rosters.h"
#include "core/mail/mail_texts.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "screens/common/navigator.h"
#include "tests/screens/game_folder_fixture.h"
#include "tests/screens/hub_driving.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

class ClubDialogsTest : public GameFolderScreensTest {
protected:
    void SetUp() override
    {
        GameFolderScreensTest::SetUp();
        FillMailTexts();
        NewGameChoices choices;
        choices.countries = {29, 11};
        choices.humanCoaches = {{"Ana", "c29_0.tcf"}, {"Bia", "c29_1.tcf"}};
        const FirstScreen first = StartNewGame(choices);
        ASSERT_EQ(first, FirstScreen::Hub);
        Game.autosave = 0;
        OpenFirstScreenOfNewGame(first);
        ASSERT_TRUE(PumpUntil([] { return OpenHub() != nullptr; }));
        Pump(20);
        hub_ = OpenHub();
        club_ = Game.CurrentHumanClub;
    }

    // Opens the dialog by its class name through the navigator, runs `act` on it once it is on
    // screen (inside its modal loop) and returns when it has closed.
    template <typename T>
    bool Drive(const std::string& formClass, const std::function<void(T&)>& act)
    {
        return DriveOpenedBy<T>(formClass, act, [&] { OpenScreen(formClass); });
    }

    // The same for a dialog that `open` shows (a hook of core's, a rule that asks).
    template <typename T>
    bool DriveOpenedBy(const std::string& formClass, const std::function<void(T&)>& act,
                       const std::function<void()>& open)
    {
        auto acted = std::make_shared<bool>(false);
        AnswerFound<T>([formClass] { return Open<T>(formClass); },
                       [acted, act](T& form) {
                           *acted = true;
                           act(form);
                       },
                       formClass);
        open();
        return PumpUntil([&] { return *acted && !IsOpen(formClass); }, 2 * ModalDeadlineMs());
    }

    static void ClickGraphic(TForm& form, TControl& control)
    {
        ClickAt(form.Widget(), QPoint(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2));
    }

    static void ClickRow(TDataGrid& grid, int row) { ClickAt(grid.Widget(), QPoint(120, grid.RowTop(row) + 10)); }

    int Squad(int slot) const { return PlayersOfClub(club_)[static_cast<std::size_t>(slot)]; }

    TForm13* hub_ = nullptr;
    int club_ = -1;
};

}  // namespace tarvelon::test
