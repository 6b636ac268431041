// The national cup bracket (TForm35) and the continental cup bracket (TForm69) on a seeded game:
// the title and ties are those of the cup chosen, a tie decided on penalties reads both legs and the
// shoot-out, rounds not drawn yet stay silver and empty, and the choosers (mouse and keys) show
// another cup without leaving anything of the previous one.
#include <tuple>

#include "core/format/names.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/views/cup_brackets.h"
#include "platform/graphics/canvas.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/graphics/geometry.h"
#include "screens/common/subjects.h"
#include "screens/competitions/continental_bracket_screen.h"
#include "screens/competitions/national_cup_bracket_screen.h"
#include "tests/screens/views_test_support.h"

namespace tarvelon {
namespace {

using viewstest::ViewsScreenTest;

class CupBracketsScreenTest : public ViewsScreenTest {};

template <std::size_t N>
void ExpectLabelsHold(const TBracketControls& bracket, const std::array<BracketTie, N>& ties)
{
    for (std::size_t t = 0; t < N; ++t) {
        const std::string name1 = ties[t].Drawn() ? " " + Clubs[ties[t].team1].name.str() : "";
        const std::string name2 = ties[t].Drawn() ? " " + Clubs[ties[t].team2].name.str() : "";
        EXPECT_EQ(bracket.team1[t]->Caption(), name1) << "tie " << t + 1;
        EXPECT_EQ(bracket.team2[t]->Caption(), name2) << "tie " << t + 1;
        EXPECT_EQ(bracket.score[t]->Caption(), ties[t].score) << "tie " << t + 1;
    }
}

unsigned PixelInLabel(TGameForm* form, TLabel* label)
{
    form->Repaint();
    test::Pump();
    return test::GrabbedPixel(form->Widget(), label->Left() + label->Width() - 3, label->Top() + 3);
}

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

TEST_F(CupBracketsScreenTest, TheNationalCupShowsItsDrawnTiesAPenaltyTieAndSilverForWhatIsToCome)
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

// Every score label holds the longest scores a tie gets: both legs and a shoot-out, one that went
// on to sudden death included.
void ExpectEveryScoreFits(TGameForm* form, const TBracketControls& bracket)
{
    TCanvas& canvas = form->Canvas();
    for (std::size_t t = 0; t < bracket.score.size(); ++t) {
        canvas.Font.Assign(bracket.score[t]->Font());
        for (const char* score : {"0x0-0x0;P:5x6", "2x2-2x2;P:10x9"})
            EXPECT_LE(canvas.TextWidth(score), bracket.score[t]->Width()) << "tie " << t + 1 << ": " << score;
    }
}

TEST_F(CupBracketsScreenTest, EveryScoreLabelHoldsATieDecidedOnPenalties)
{
    auto* national = Open<TForm35>("TForm35");
    ASSERT_NE(national, nullptr);
    ExpectEveryScoreFits(national, national->bracket);
    BracketCompetition = 4;
    auto* continental = Open<TForm69>("TForm69");
    ASSERT_NE(continental, nullptr);
    ExpectEveryScoreFits(continental, continental->bracket);
}

// The first round's club boxes hold every club name of the game whole, and each first-round
// score stays clear of the boxes of the next round.
TEST_F(CupBracketsScreenTest, TheFirstRoundsBoxesHoldEveryClubNameBesideTheirScores)
{
    auto* national = Open<TForm35>("TForm35");
    ASSERT_NE(national, nullptr);
    BracketCompetition = 4;
    auto* continental = Open<TForm69>("TForm69");
    ASSERT_NE(continental, nullptr);
    for (auto [form, bracket, firstRound] : {std::tuple{static_cast<TGameForm*>(national), &national->bracket, 16},
                                             std::tuple{static_cast<TGameForm*>(continental), &continental->bracket, 8}}) {
        TCanvas& canvas = form->Canvas();
        for (int t = 0; t < firstRound; ++t)
            for (TLabel* team : {bracket->team1[t], bracket->team2[t]}) {
                canvas.Font.Assign(team->Font());
                for (int club = 0; club < Game.LeagueClubCount; ++club)
                    EXPECT_LE(canvas.TextWidth(" " + Clubs[club].name.str()), team->Width())
                        << form->FormClass() << " tie " << t + 1 << ": " << Clubs[club].name.str();
            }
        for (std::size_t t = 0; t < bracket->score.size(); ++t)
            for (std::size_t other = 0; other < bracket->team1.size(); ++other) {
                TRect common;
                EXPECT_FALSE(IntersectRect(common, bracket->score[t]->BoundsRect(), bracket->team1[other]->BoundsRect()) ||
                             IntersectRect(common, bracket->score[t]->BoundsRect(), bracket->team2[other]->BoundsRect()))
                    << form->FormClass() << " score " << t + 1 << " and tie " << other + 1;
            }
        EXPECT_LE(bracket->champion->BoundsRect().Right, form->ClientWidth());
    }
}

// Eight drawn European round-of-16 ties, the first played (their records added when the season
// has no continental cup yet).
void DrawEuropeanRoundOf16()
{
    int first = FindFixture(2, 4, 4);
    if (first < 0) {
        first = static_cast<int>(Fixtures.size());
        for (int f = 0; f < 16; ++f) {
            TFixture fixture;
            fixture.kind = 4;
            fixture.region = 2;
            fixture.round = 4;
            Fixtures.push_back(fixture);
        }
    }
    for (int t = 0; t < 8; ++t) {
        TFixture& leg1 = Fixtures[first + 2 * t];
        TFixture& leg2 = Fixtures[first + 2 * t + 1];
        leg1.home = leg2.away = 2 * t;
        leg1.away = leg2.home = 2 * t + 1;
    }
    Fixtures[first].played = 1;
    Fixtures[first].homeGoals = 3;
}

TEST_F(CupBracketsScreenTest, TheContinentalBracketOpensOnLibertadoresAndTheChooserShowsEachCupAlone)
{
    DrawEuropeanRoundOf16();
    BracketCompetition = 4;
    auto* form = Open<TForm69>("TForm69");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "Libertadores - 2ª Fase");
    EXPECT_EQ(form->combo1->ItemIndex(), 0);
    EXPECT_EQ(form->combo1->Items().Count(), Game.secondContinentalPairOn ? 4 : 2);
    ExpectLabelsHold(form->bracket, ContinentalBracketOf(4, 1).ties);

    PressKey(form->combo1, Qt::Key_Down);
    EXPECT_EQ(form->Label1->Caption(), "Liga dos Campeões - 2ª Fase");
    const ContinentalBracket europe = ContinentalBracketOf(4, 2);
    ExpectLabelsHold(form->bracket, europe.ties);
    EXPECT_EQ(form->bracket.team1[0]->Caption(), " " + Clubs[0].name.str());
    EXPECT_EQ(form->bracket.score[0]->Caption(), "3x0");
    EXPECT_EQ(form->bracket.team1[8]->Caption(), "");  // the quarter-finals are not drawn

    PressKey(form->combo1, Qt::Key_Up);
    EXPECT_EQ(form->Label1->Caption(), "Libertadores - 2ª Fase");
    EXPECT_EQ(form->bracket.score[0]->Caption(), ContinentalBracketOf(4, 1).ties[0].score);
    EXPECT_EQ(PixelInLabel(form, form->bracket.team1[14]) & 0xFFFFFFu, 0xC0C0C0u);
    const int open = Screen->FormCount();
    Click(Child(form, "GradButton1"));
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
}

}  // namespace
}  // namespace tarvelon
