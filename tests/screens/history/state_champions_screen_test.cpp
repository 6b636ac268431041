// The state champions (TForm66) on a seeded game with the Brazilian state championships, played day
// by day until the state finals: the finals listed with their prizes, and Enter and the instant-play
// timer together close it once.
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <memory>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/persist/saved_game_image.h"
#include "core/progression/state_finals.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/seasonloop/season_turn.h"
#include "core/tables.h"
#include "core/views/season_summary.h"
#include "core/views/standings_view.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/competition_screens.h"
#include "screens/history/state_champions_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/competitions/season_turn_suite.h"
#include "tests/screens/competitions/standings_checks.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/tables_fingerprint.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

using test::TAnswerer;

class StateChampionsScreenTest : public test::SeasonTurnSuite {};

TEST_F(StateChampionsScreenTest, TheStateChampionsScreenListsTheFinalsAndContinuesOnce)
{
    NewGame();
    InstallCompetitionScreenHooks();
    TAnswerer answerer;
    int rows = -1;
    answerer.onStateChampions = [&rows](TForm66& form) {
        rows = form.gcamp->RowCount();
        ASSERT_GT(rows, 0);
        const StateChampionRow& first = StateChampionRows.front();
        EXPECT_EQ(form.gcamp->GetCellTextByName("colclube2", "0"), first.stateCode);
        EXPECT_EQ(form.gcamp->GetCellTextByName("colnacional2", "0"), first.champion);
        EXPECT_EQ(form.gcamp->GetCellTextByName("colestadual2", "0"), first.runnerUp);
        EXPECT_EQ(form.Label3->Caption(), "Prêmios:Campeão 1 milhão; Vice-campeão: 500 mil; Time do artilheiro: 500 mil.");
        // Enter and the instant-play timer both: it closes once.
        form.Continue();
        form.Timer1->OnTimer(form.Timer1);
    };
    while (rows < 0 && PlayDayToNextScreen() != CalendarExit::SeasonEnd) {
    }
    EXPECT_EQ(rows, static_cast<int>(StateChampionRows.size()));
}

// A human coach whose club is left without a division gets his notice from "Continuar >>", over
// the state champions, once; the screen closes after it.
TEST_F(StateChampionsScreenTest, ContinuarGivesTheDismissalNoticesBeforeTheScreenCloses)
{
    NewGame();
    InstallCompetitionScreenHooks();
    TAnswerer answerer;
    int club = -1;
    std::vector<bool> screenOpenAtNotice;
    answerer.onStateChampions = [&](TForm66& form) {
        for (int c = 0; c < Game.LeagueClubCount && club < 0; ++c)
            if (!Clubs[c].IsHuman && Clubs[c].Division > 0 && Clubs[c].coach >= 0)
                club = c;
        ASSERT_GE(club, 0);
        Clubs[club].IsHuman = 1;
        Clubs[club].Division = 0;
        Hooks().showCoachDismissal = [&screenOpenAtNotice](int, int, int) {
            bool open = false;
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (auto* shown = dynamic_cast<TForm66*>(Screen->Forms(i)); shown && shown->Visible())
                    open = true;
            screenOpenAtNotice.push_back(open);
        };
        QTest::mouseClick(form.GradButton2->Widget(), Qt::LeftButton);
    };
    while (club < 0 && PlayDayToNextScreen() != CalendarExit::SeasonEnd) {
    }
    Hooks().showCoachDismissal = nullptr;
    ASSERT_GE(club, 0);
    EXPECT_EQ(screenOpenAtNotice, std::vector<bool>{true});
}

}  // namespace
}  // namespace tarvelon
