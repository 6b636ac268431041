// The national cup bracket (TForm35) on a seeded game: the title and ties are those of the cup
// chosen, a tie decided on penalties reads both legs and the shoot-out, rounds not drawn yet stay
// silver and empty, and the chooser shows another cup without leaving anything of the previous one.
#include <tuple>

#include "core/format/names.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/views/cup_brackets.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_cup_bracket_screen.h"
#include "tests/screens/competitions/cup_brackets_suite.h"

namespace tarvelon {
namespace {

class NationalCupBracketScreenTest : public test::CupBracketsSuite {};

// The first-leg fixture of the first drawn tie of the Brazilian cup, made a tie decided on penalties.
int DecideFirstCupTieOnPenalties(int league)
{
    int first = FindFixture(league, 2, 1);
    if (first < 0)
        first = FindFixture(league, 2, 2);
    if (first < 0 || Fixtures[first].home < 0)
        return -1;
    TFixture& leg1 = Fixtures[first];
    TFixture& leg2 = Fixtures[first + 1];
    leg1.played = leg2.played = 1;
    leg1.homeGoals = 1;
    leg1.awayGoals = 0;
    leg2.homeGoals = 1;
    leg2.awayGoals = 0;
    leg1.homeShootout = 4;
    leg1.awayShootout = 3;
    return first;
}

TEST_F(NationalCupBracketScreenTest, TheNationalCupShowsItsDrawnTiesAPenaltyTieAndSilverForWhatIsToCome)
{
    const int brazil = FindLeagueByCountry(29);
    ASSERT_GE(brazil, 0);
    const int fixture = DecideFirstCupTieOnPenalties(brazil);
    auto* form = Open<TForm35>("TForm35");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownCupLeague, brazil);
    EXPECT_EQ(form->Label1->Caption(), "Tabela da Copa do Brasil");
    const NationalCupBracket cup = NationalCupBracketOf(brazil);
    if (!cup.sixteenEntrants)
        ExpectLabelsHold(form->bracket, cup.ties);
    if (fixture >= 0) {
        const int tie = cup.sixteenEntrants ? 17 : 1;
        EXPECT_EQ(form->bracket.score[tie - 1]->Caption(), "1x0-0x1;P:4x3");
        const TClub& home = Clubs[Fixtures[fixture].home];
        EXPECT_EQ(PixelInLabel(form, form->bracket.team1[tie - 1]) & 0xFFFFFFu,
                  static_cast<unsigned>(((home.BackColor & 0xFF) << 16) | (home.BackColor & 0xFF00) |
                                        ((home.BackColor >> 16) & 0xFF)));
    }
    // The final is not drawn on a matchday of the first weeks: empty and silver.
    EXPECT_EQ(form->bracket.team1[30]->Caption(), "");
    EXPECT_EQ(PixelInLabel(form, form->bracket.team1[30]) & 0xFFFFFFu, 0xC0C0C0u);
    EXPECT_EQ(form->bracket.champion->Caption(), "");

    if (Leagues.size() >= 2) {
        PressKey(form->combopais, brazil == 0 ? Qt::Key_Down : Qt::Key_Up);
        const int other = form->ShownCupLeague;
        EXPECT_NE(other, brazil);
        EXPECT_EQ(form->Label1->Caption(), "Tabela da Copa " + CountryPhrase(Leagues[other].country));
        const NationalCupBracket otherCup = NationalCupBracketOf(other);
        if (!otherCup.sixteenEntrants)
            ExpectLabelsHold(form->bracket, otherCup.ties);
        else
            EXPECT_FALSE(form->bracket.team2[0]->Visible());
    }
    PressKey(form->combopais, Qt::Key_Escape);
    test::Pump();
}

// A cup of 16 entrants lists its drawn clubs one by one in the first column, alone on their lines;
// the lines of the ties whose first leg is not known yet keep both labels, empty and silver.
TEST_F(NationalCupBracketScreenTest, SixteenEntrantsListTheKnownClubsAndKeepTheOtherLinesSilver)
{
    // The Brazilian cup made one of 16: its round of 32 taken away, its round of 16 drawn only as
    // far as its second tie (with clubs of the round of 32); the third tie's first leg has no home club.
    const test::GameKeptAside kept;
    const int league = FindLeagueByCountry(29);
    ASSERT_GE(league, 0);
    const int first = FindFixture(league, 2, 1);
    const int sixteen = FindFixture(league, 2, 2);
    ASSERT_GE(first, 0);
    ASSERT_GE(sixteen, 0);
    ASSERT_LT(sixteen + 5, static_cast<int>(Fixtures.size()));
    for (int f = 0; f < 4; ++f) {
        Fixtures[sixteen + f].home = Fixtures[first + f].home;
        Fixtures[sixteen + f].away = Fixtures[first + f].away;
        Fixtures[sixteen + f].played = 0;
    }
    Fixtures[sixteen + 4].home = -1;
    for (TFixture& f : Fixtures)
        if (f.region == league && f.kind == 2 && f.round == 1)
            f.region = -99;
    ASSERT_TRUE(NationalCupBracketOf(league).sixteenEntrants);

    auto* form = Open<TForm35>("TForm35");
    ASSERT_NE(form, nullptr);
    while (form->ShownCupLeague != league) {
        const int before = form->ShownCupLeague;
        PressKey(form->combopais, before < league ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_NE(form->ShownCupLeague, before);
    }
    const NationalCupBracket cup = NationalCupBracketOf(league);
    for (int k = 0; k < 16; ++k) {
        TLabel* team1 = form->bracket.team1[k];
        TLabel* team2 = form->bracket.team2[k];
        if (k < 4) {
            const BracketTie& tie = cup.ties[16 + k / 2];
            EXPECT_EQ(team1->Caption(), Clubs[k % 2 == 0 ? tie.team1 : tie.team2].name.str()) << k;
            EXPECT_FALSE(team2->Visible()) << k;
            continue;
        }
        EXPECT_EQ(team1->Caption(), "") << k;
        EXPECT_EQ(team2->Caption(), "") << k;
        EXPECT_TRUE(team2->Visible()) << k;
        EXPECT_EQ(PixelInLabel(form, team2) & 0xFFFFFFu, 0xC0C0C0u) << k;
    }
    PressKey(form->combopais, Qt::Key_Escape);
    test::Pump();
}

}  // namespace
}  // namespace tarvelon
