// The fixtures and results by round (TForm63) on a seeded game with some matchdays played: it opens
// on the league's current round, the round buttons and the round chooser move through the rounds
// (mouse and keys), the grid holds what the fixtures table holds, headings are drawn on their
// colour, and a played match opens its report while headings and unplayed matches open nothing.
#include "controls/grad_button.h"
#include "core/draws/state_championship.h"
#include "core/history/history_lookups.h"
#include "core/records/matchday_globals.h"
#include "core/records/game_state.h"
#include "core/views/round_fixtures.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/navigator.h"
#include "screens/competitions/round_fixtures_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class RoundFixturesScreenTest : public ViewsScreenTest {};

void ExpectGridHoldsRound(TForm63* form, RoundAndTurn shown)
{
    const auto rows = RoundFixtureRows(form->ShownFixtureKind, form->ShownFixtureRegion, shown);
    ASSERT_EQ(form->t1->RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < form->t1->RowCount(); ++i) {
        EXPECT_EQ(form->t1->GetCellTextByName("coltime1", std::to_string(i)), rows[i].homeName);
        EXPECT_EQ(form->t1->GetCellTextByName("colplacar", std::to_string(i)), rows[i].score);
        EXPECT_EQ(form->t1->GetCellTextByName("coltime2", std::to_string(i)), rows[i].awayName);
        EXPECT_EQ(form->t1->GetCellTextByName("colfixture", std::to_string(i)), std::to_string(rows[i].fixture));
    }
}

TEST_F(RoundFixturesScreenTest, OpensOnTheCurrentRoundAndTheRoundButtonsAndChooserMoveThroughRounds)
{
    auto* form = Open<TForm63>("TForm63");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownFixtureKind, 1);
    const int opening = OpeningRoundEntry(1);
    EXPECT_EQ(form->c1->ItemIndex(), opening - 1);
    EXPECT_EQ(form->c1->Items().Count(), 2 * RoundsPerTurn(1));
    ExpectGridHoldsRound(form, RoundOfEntry(opening, RoundsPerTurn(1)));

    Click(form->GradButton3);  // ">"
    EXPECT_EQ(form->c1->ItemIndex(), opening);
    EXPECT_EQ(form->Label2->Caption(), RoundCaption(RoundOfEntry(opening + 1, RoundsPerTurn(1))));
    ExpectGridHoldsRound(form, RoundOfEntry(opening + 1, RoundsPerTurn(1)));

    for (int i = 0; i < opening + 3; ++i)
        Click(form->bt3);  // "<" stops at the first entry
    EXPECT_EQ(form->c1->ItemIndex(), 0);
    EXPECT_EQ(form->Label2->Caption(), "1ª rodada - 1º turno");
    ExpectGridHoldsRound(form, {1, 1});

    PressKey(form->c1, Qt::Key_Down);  // the chooser's next entry
    EXPECT_EQ(form->c1->ItemIndex(), 1);
    EXPECT_EQ(form->Label2->Caption(), "2ª rodada - 1º turno");
    ExpectGridHoldsRound(form, {2, 1});
}

TEST_F(RoundFixturesScreenTest, HeadingsHaveTheirColourAndOnlyAPlayedMatchOpensItsReport)
{
    auto* form = Open<TForm63>("TForm63");
    ASSERT_NE(form, nullptr);
    for (int i = 0; i < 60 && form->c1->ItemIndex() > 0; ++i)
        Click(form->bt3);
    ASSERT_EQ(form->t1->GetCellTextByName("colfixture", "0"), std::to_string(kHeadingRow));
    EXPECT_EQ(form->t1->GetCellTextByName("coltime2", "0"), "1ª divisão");
    form->t1->SetSelectedRow(-1);
    form->Repaint();
    test::Pump();
    const int x = form->t1->ClientWidth() - 30;
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->t1), x, form->t1->RowTop(0) + 4), 0xFFD7AEu);  // $AED7FF
    EXPECT_EQ(test::GrabbedPixel(WidgetOf(form->t1), x, form->t1->RowTop(2) + 4), 0xFFFFECu);  // $ECFFFF

    int played = -1;
    for (int row = 0; row < form->t1->RowCount() && played < 0; ++row)
        if (std::stoi(form->t1->GetCellTextByName("colfixture", std::to_string(row))) >= 0)
            played = row;
    ASSERT_GE(played, 0) << "the first round was played";
    const int fixture = std::stoi(form->t1->GetCellTextByName("colfixture", std::to_string(played)));
    ASSERT_GE(FindMatchReportOfFixture(fixture), 0);

    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->t1, 0);  // a heading
    WaitForClosed(seen, 400);
    EXPECT_TRUE(seen->empty());

    seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->t1, played);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm52"});
    EXPECT_EQ(LastOpenedScreen(), "TForm52");
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// With state championships on and no state of the day (-1), the state view opens on a state in
// play, never on state -1; the chooser moves to another state; "Nacional" goes back to the league.
TEST_F(RoundFixturesScreenTest, TheStateViewNeverOpensOnAnInvalidState)
{
    Game.StateChampionshipsOn = 1;
    for (int state : {10, 18, 25}) {
        StateChampionships[state].active = 1;
        StateChampionships[state].humanClubPresent = 0;
        StateChampionships[state].groupCount = 1;
    }
    CurrentState = -1;
    auto* form = Open<TForm63>("TForm63");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownFixtureState, 10);
    EXPECT_EQ(form->FixtureStateComboStates, (std::vector<int>{10, 18, 25}));
    Click(form->btestadual);
    EXPECT_EQ(form->ShownFixtureKind, 3);
    EXPECT_TRUE(form->combo1->Visible());
    EXPECT_EQ(form->c1->Items().Count(), 10);
    PressKey(form->combo1, Qt::Key_Down);
    EXPECT_EQ(form->ShownFixtureState, 18);
    EXPECT_EQ(form->c1->ItemIndex(), 0);
    // Back to "Nacional": the league of the league chooser, whatever the state view showed.
    Click(form->btnac);
    EXPECT_EQ(form->ShownFixtureKind, 1);
    EXPECT_EQ(form->ShownFixtureRegion, Leagues.size() >= 2 ? form->combopais->ItemIndex() : 0);
    ExpectGridHoldsRound(form, RoundOfEntry(OpeningRoundEntry(1), RoundsPerTurn(1)));
    Game.StateChampionshipsOn = 0;
}

}  // namespace
}  // namespace tarvelon
