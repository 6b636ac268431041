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

}  // namespace
}  // namespace tarvelon
