#pragma once
// The suite of the hub's and the line-up's tests: the hub's two-coach game started afresh for each
// test, with the first coach's hub or the line-up screen opened on it.
#include <QTest>

#include "core/newgame/start_game.h"
#include "core/records/session_globals.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "screens/club/hub_screen.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/lineup_screen.h"
#include "tests/screens/hub_game_suite.h"

namespace tarvelon::test {

class TwoCoachHubSuite : public HubGameSuite {
protected:

    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        first_ = HubGame::StartTwoCoachGame();
        ASSERT_EQ(first_, FirstScreen::Hub);
        Game.autosave = 0;  // "Não salvar": the tests of saving set their own option
        AutosaveCounter = 0;
    }

    TForm13* OpenTheHub()
    {
        OpenFirstScreenOfNewGame(first_);
        EXPECT_TRUE(PumpUntil([] { return OpenHub() != nullptr; }));
        Pump(20);
        return OpenHub();
    }

    TForm87* OpenLineupScreen()
    {
        auto* lineup = dynamic_cast<TForm87*>(CreateScreen("TForm87", Application));
        lineup->Show();
        Pump(20);
        return lineup;
    }

    static QPoint RowPoint(TDataGrid* grid, int row) { return QPoint(60, grid->RowTop(row) + 10); }

    FirstScreen first_ = FirstScreen::None;};

}  // namespace tarvelon::test
