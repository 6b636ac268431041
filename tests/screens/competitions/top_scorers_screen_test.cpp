// The top scorers (TForm20) on a seeded game with some matchdays played: the season list of the
// first division holds the season's goal tallies in the award's order with the matches scored in, the
// chooser's keys switch to the best of all time (100 rows, then all of them from the link), and a
// double click on a player opens his career.
#include <algorithm>

#include "core/records/history_records.h"
#include "core/tables.h"
#include "core/views/scorer_rows.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/competitions/top_scorers_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class TopScorersScreenTest : public ViewsScreenTest {};

void ExpectRows(TForm20* form, const std::vector<ScorerRow>& rows, std::size_t count)
{
    ASSERT_EQ(form->t1->RowCount(), static_cast<int>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const std::string row = std::to_string(i);
        EXPECT_EQ(form->t1->GetCellTextByName("colid", row), std::to_string(rows[i].player));
        EXPECT_EQ(form->t1->GetCellTextByName("coljogador", row), Players[rows[i].player].Name.str());
        EXPECT_EQ(form->t1->GetCellTextByName("colgols", row), std::to_string(rows[i].goals));
    }
}

TEST_F(TopScorersScreenTest, TheFirstDivisionListsTheSeasonsTalliesInTheAwardsOrderWithTheMatchesScoredIn)
{
    auto* form = Open<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->combo1->Items().Strings(form->combo1->ItemIndex()), "Nacional - 1ª divisão");
    const int competition = ScorerCompetition(1, form->ChosenLeague, 1);
    const auto rows = SeasonScorerRows(competition);
    ASSERT_FALSE(rows.empty()) << "goals were scored in the first matchdays";
    ExpectRows(form, rows, rows.size());
    int tallies = 0;
    for (const TGoalTally& t : GoalTallies)
        tallies += t.competition == competition;
    EXPECT_EQ(form->t1->RowCount(), tallies);
    for (int i = 0; i + 1 < form->t1->RowCount(); ++i)
        EXPECT_GE(std::stoi(form->t1->GetCellTextByName("colgols", std::to_string(i))),
                  std::stoi(form->t1->GetCellTextByName("colgols", std::to_string(i + 1))));
    // "Jogos": the goals field of the scorer's first all-time tally, which counts the matchdays he
    // scored on; equal goals rank the fewer such games first.
    for (int i = 0; i < form->t1->RowCount(); ++i) {
        const std::string row = std::to_string(i);
        const int player = std::stoi(form->t1->GetCellTextByName("colid", row));
        const auto first = std::find_if(AllTimeGoalTallies.begin(), AllTimeGoalTallies.end(),
                                        [player](const TGoalTally& t) { return t.player == player; });
        ASSERT_NE(first, AllTimeGoalTallies.end());
        EXPECT_EQ(form->t1->GetCellTextByName("coljogos", row), std::to_string(first->goals));
        EXPECT_GE(first->goals, 1);
        if (first->competition == competition)  // one a matchday he scored on, however many goals
            EXPECT_LE(first->goals, std::stoi(form->t1->GetCellTextByName("colgols", row)));
        if (i > 0 && form->t1->GetCellTextByName("colgols", row) ==
                         form->t1->GetCellTextByName("colgols", std::to_string(i - 1)))
            EXPECT_GE(first->goals, std::stoi(form->t1->GetCellTextByName("coljogos", std::to_string(i - 1))));
    }
    const int forms = Screen->FormCount();
    PressKey(form->combo1, Qt::Key_Escape);  // as Enter does, Escape closes it
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), forms - 1);
}

// Another league: the list shown (a second division) is filled for the new league, and the
// competition chooser is rebuilt for it, back on its first item.
TEST_F(TopScorersScreenTest, AnotherLeagueRefillsTheListShownAndRebuildsTheChooser)
{
    ASSERT_GT(Leagues.size(), 1u);
    auto* form = Open<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    PressKey(form->combo1, Qt::Key_Down);
    ASSERT_EQ(form->combo1->Items().Strings(form->combo1->ItemIndex()), "Nacional - 2ª divisão");
    const int before = form->ChosenLeague;
    PressKey(form->combopais, before + 1 < static_cast<int>(Leagues.size()) ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_NE(form->ChosenLeague, before);
    ExpectRows(form, SeasonScorerRows(ScorerCompetition(1, form->ChosenLeague, 2)),
               SeasonScorerRows(ScorerCompetition(1, form->ChosenLeague, 2)).size());
    EXPECT_EQ(form->combo1->ItemIndex(), 0);
    EXPECT_EQ(form->combo1->Items().Strings(0), "Nacional - 1ª divisão");
}

TEST_F(TopScorersScreenTest, TheLastItemShowsTheBestOfAllTimeAndTheLinkShowsThemAll)
{
    auto* form = Open<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    PressKey(form->combo1, Qt::Key_End);
    EXPECT_EQ(form->combo1->Items().Strings(form->combo1->ItemIndex()), "Melhores de Sempre");
    EXPECT_TRUE(form->t1->ColumnByName("colgolst")->Visible());
    EXPECT_FALSE(form->t1->ColumnByName("colgols")->Visible());
    const auto rows = AllTimeScorerRows();
    ASSERT_GT(rows.size(), 100u) << "the sample players bring their careers";
    ExpectRows(form, rows, 100);
    EXPECT_TRUE(form->Label1->Visible());
    Click(form->Label1);  // "clique aqui"
    ExpectRows(form, rows, rows.size());
    EXPECT_FALSE(form->Label1->Visible());
    EXPECT_FALSE(form->Label4->Visible());
    PressKey(form->combo1, Qt::Key_Home);
    EXPECT_TRUE(form->t1->ColumnByName("colgols")->Visible());
    // The player's index stands in both lists; the second copy of it stays hidden.
    EXPECT_TRUE(form->t1->ColumnByName("colid")->Visible());
    EXPECT_FALSE(form->t1->ColumnByName("coljogid")->Visible());
}

TEST_F(TopScorersScreenTest, ADoubleClickOnAPlayerOpensHisCareer)
{
    auto* form = Open<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    ASSERT_GT(form->t1->RowCount(), 1);
    const int player = std::stoi(form->t1->GetCellTextByName("colid", "1"));
    auto seen = CloseWhatOpens(Screen->FormCount());
    DoubleClickRow(form->t1, 1);
    WaitForClosed(seen);
    EXPECT_EQ(*seen, std::vector<std::string>{"TForm16"});
    EXPECT_EQ(SelectedRecord, player);
}

// The state chooser lists the season's scorers of the state chosen by its keys, and Enter closes the
// screen from its choosers as Escape does.
TEST_F(TopScorersScreenTest, TheStateChooserFollowsItsKeysAndEnterClosesIt)
{
    viewstest::PlayTwoStateChampionships playing;
    auto* form = OpenOnSecondState<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    const auto rows = SeasonScorerRows(ScorerCompetition(3, form->StateItems[1], 1));
    ExpectRows(form, rows, rows.size());

    ExpectKeyCloses(form->combo2, Qt::Key_Return);
    form = Open<TForm20>("TForm20");
    ASSERT_NE(form, nullptr);
    ExpectKeyCloses(form->t1, Qt::Key_Return);
}

}  // namespace
}  // namespace tarvelon
