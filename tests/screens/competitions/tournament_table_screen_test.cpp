// The national tournament's table (TForm78) on a seeded game made into a World Cup day: opened from
// the results on the tournament's days (the standings on others), the Copa América's three groups
// with places for the best thirds, and a group in the rules' order with a played score that opens
// its report.
#include <QMenu>

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/lineup/lineup_board.h"
#include "core/progression/national_invitations.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/menus.h"
#include "screens/club/club_screens.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "screens/competitions/tournament_table_screen.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/competitions/national_team_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/player_clicks.h"

namespace tarvelon {
namespace {

class TournamentTableScreenTest : public test::NationalTeamSuite {};

TEST_F(TournamentTableScreenTest, TheResultsOpenTheTournamentTableOnItsDaysAndTheStandingsOnOthers)
{
    Game.InstantPlay = 0;
    auto* results = Open<TGameForm>("TForm67");
    ASSERT_NE(results, nullptr);
    auto seen = CloseWhatOpens(Screen->FormCount());
    Click(Child(results, "bt2"));
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm78");
    Game.DayKind = 1;
    seen = CloseWhatOpens(Screen->FormCount());
    Click(Child(results, "bt2"));
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm36");
}

TEST_F(TournamentTableScreenTest, ACopaAmericaTableHasThreeGroupsAndPlacesForTheBestThirds)
{
    Game.DayKind = 8;
    auto* form = Open<TForm78>("TForm78");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->groups[2]->Visible());
    EXPECT_FALSE(form->groups[3]->Visible());
    EXPECT_FALSE(form->tieTeams[0][0]->Visible());  // no last sixteen
    EXPECT_TRUE(form->Image1->Visible());
    EXPECT_EQ(form->tieTeams[8][0]->Caption(), "1º Grupo A ");
    EXPECT_EQ(form->tieTeams[8][1]->Caption(), "2º Grupo B ");
    EXPECT_EQ(form->tieTeams[9][1]->Caption(), "2º melhor 3º col. ");
    EXPECT_EQ(form->tieTeams[15][1]->Caption(), "Perdedor jogo 6 ");
    EXPECT_EQ(form->tieTeams[11][0]->Caption(), "1º melhor 3º col. ");
    EXPECT_EQ(form->tieNumbers[8]->Caption(), "1");
    // The quarter-finals and every later round stay where the form puts them, under their headings.
    EXPECT_EQ(form->tieTeams[8][0]->Top(), form->ScaledLength(226));
    EXPECT_EQ(Child(form, "hr2")->Top(), form->ScaledLength(209));
    EXPECT_TRUE(Child(form, "hr2")->Visible());
    EXPECT_FALSE(Child(form, "hr1")->Visible());
    for (int t = 1; t <= 8; ++t) {  // the last sixteen, hidden
        const std::string n = std::to_string(t);
        for (const std::string& name : {"lo" + n + "1", "lo" + n + "2", "eo" + n + "1", "eo" + n + "2", "po" + n, "esto" + n, "num" + n})
            EXPECT_FALSE(Child(form, name)->Visible()) << name;
    }
    EXPECT_EQ(form->tieTeams[15][0]->Caption(), "Perdedor jogo 5 ");
    EXPECT_EQ(form->tieVenues[8]->Caption(), TournamentHostCity(8, 1));
    Click(form->groups[3]);  // hidden: nothing changes
    EXPECT_EQ(form->ShownGroup, 1);
}

void ArchiveGroupMatch(int home, int away, int homeGoals, int awayGoals)
{
    TMatchReport report{};
    report.club[0] = home;
    report.club[1] = away;
    report.goals[0] = homeGoals;
    report.goals[1] = awayGoals;
    report.kind = 7;
    report.round = 1;
    MatchReports.push_back(report);
}

TEST_F(TournamentTableScreenTest, TheTableShowsAGroupInTheRulesOrderAndAPlayedScoreOpensItsReport)
{
    const int a = kFirstNation + 4, b = a + 1, c = a + 2, d = a + 3;  // group B
    for (int club : {a, b, c, d})
        Clubs[club].Played[7] = Clubs[club].Won[7] = Clubs[club].Points[7] = Clubs[club].Lost[7] = 0;
    Clubs[b].Points[7] = 3;
    Clubs[b].Played[7] = Clubs[b].Won[7] = 1;
    Clubs[b].GoalsFor[7] = 2;
    Clubs[a].Played[7] = Clubs[a].Lost[7] = 1;
    Clubs[a].GoalsAgainst[7] = 2;
    ArchiveGroupMatch(b, a, 2, 0);  // matchday 1 pairs the first and second teams: a at b
    auto* form = Open<TForm78>("TForm78");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownGroup, 1);
    EXPECT_TRUE(form->groups[7]->Visible());  // the World Cup's eight groups
    Click(form->groups[1]);
    EXPECT_EQ(form->ShownGroup, 2);
    EXPECT_EQ(form->labgrupo->Caption(), "Grupo B");
    EXPECT_EQ(form->standings[0].name->Caption(), Clubs[b].name.str());
    EXPECT_EQ(form->standings[0].place->Caption(), "1º");
    EXPECT_EQ(form->standings[0].numbers[0]->Caption(), "3");
    EXPECT_EQ(form->standings[3].name->Caption(), Clubs[a].name.str());
    // Each standings row's flag stands in an image of 16 x 18, the flag whole inside it.
    for (const auto& row : form->standings) {
        EXPECT_EQ(row.flag->Width(), 16);
        EXPECT_EQ(row.flag->Height(), 18);
        EXPECT_TRUE(row.flag->Proportional());
    }
    // The first match, a against b, read from a's side.
    EXPECT_EQ(form->matchTeams[0]->Caption(), Clubs[a].name.str());
    EXPECT_EQ(form->matchScores[0]->Caption(), "0x2");
    EXPECT_EQ(form->matchScores[1]->Caption(), "x");
    EXPECT_FALSE(form->matchVenues[0]->Caption().empty());
    // Before the knockout stage the bracket keeps its places.
    EXPECT_EQ(form->tieTeams[0][0]->Caption(), "1º grupo A ");

    const auto seen = CloseWhatOpens(Screen->FormCount());
    Click(form->matchScores[0]);
    WaitForClosed(seen);
    ASSERT_FALSE(seen->empty());
    EXPECT_EQ(seen->front(), "TForm52");
    EXPECT_EQ(MatchReportIndex, static_cast<int>(MatchReports.size()) - 1);

    const auto none = CloseWhatOpens(Screen->FormCount());
    Click(form->matchScores[1]);  // not played: nothing opens
    WaitForClosed(none, 400);
    EXPECT_TRUE(none->empty());
    const int open = Screen->FormCount();
    PressKey(form, Qt::Key_Return);  // Enter closes
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
}

}  // namespace
}  // namespace tarvelon
