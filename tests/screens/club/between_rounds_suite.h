#pragma once
// The suite of the tests between rounds: the hub's seeded two-coach game started afresh for each
// test, the round's updates forgotten, the hub opened once the first round's dispatch has run, and
// the modal screens that open answered as they come.
#include <QTest>

#include <functional>
#include <string>
#include <utility>

#include "controls/grad_button.h"
#include "core/economy/between_rounds.h"
#include "core/records/session_globals.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "screens/club/hub_screen.h"
#include "screens/common/navigator.h"
#include "tests/screens/hub_game.h"
#include "tests/screens/hub_game_suite.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon::test {

class BetweenRoundsSuite : public HubGameSuite {
protected:
    // Answers the modal screens as they open: `answer` gets each new visible screen other than the hub
    // and the title screen, and must close it.
    class ModalAnswerer : public AnswerEach<TGameForm> {
    public:
        explicit ModalAnswerer(std::function<void(TGameForm&)> answer)
            : AnswerEach<TGameForm>(std::move(answer), [](TGameForm& form) {
                  return form.FormClass() != "TForm13" && form.FormClass() != "TForm1";
              })
        {
        }
    };

    static void Click(TWinControl* button)
    {
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button->Widget(), Qt::LeftButton);
    }

    // The row of the hub's grid that shows the player.
    static int RowOf(TForm13& hub, int player)
    {
        for (int row = 0; row < hub.gridview1->RowCount(); ++row)
            if (hub.gridview1->GetCellTextByName("id", row) == std::to_string(player))
                return row;
        return -1;
    }

    static void SelectPlayer(TForm13& hub, int player)
    {
        const int row = RowOf(hub, player);
        ASSERT_GE(row, 0);
        QTest::mouseClick(hub.gridview1->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(60, hub.gridview1->RowTop(row) + 10));
        test::PumpUntil([&hub, player] { return hub.SelectedPlayer() == player; });
        ASSERT_EQ(hub.SelectedPlayer(), player);
    }

    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        ASSERT_EQ(HubGame::StartTwoCoachGame(), FirstScreen::Hub);
        Game.autosave = 0;
        ForgetRoundUpdates();
    }

    TForm13* OpenTheHub()
    {
        OpenScreen("TForm13");
        EXPECT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr; }));
        // the first round's dispatch (skipped at the start of a game) has run
        EXPECT_TRUE(test::PumpUntil([] { return !PostRoundPending; }));
        test::Pump();
        return test::OpenHub();
    }
};

}  // namespace tarvelon::test
