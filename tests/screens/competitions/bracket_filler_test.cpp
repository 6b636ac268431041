// The brackets' labels as both cup brackets lay them out (TForm35 and TForm69) on a seeded game:
// every score label holds a tie decided on penalties, and the first round's boxes hold every club's
// name beside their scores, none covering another.
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
#include "screens/competitions/continental_bracket_screen.h"
#include "screens/competitions/national_cup_bracket_screen.h"
#include "tests/screens/competitions/cup_brackets_suite.h"

namespace tarvelon {
namespace {

class BracketFillerTest : public test::CupBracketsSuite {};

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

TEST_F(BracketFillerTest, EveryScoreLabelHoldsATieDecidedOnPenalties)
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
TEST_F(BracketFillerTest, TheFirstRoundsBoxesHoldEveryClubNameBesideTheirScores)
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
                    EXPECT_LE(canvas.TextWidth(Clubs[club].name.str()), team->Width())
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

}  // namespace
}  // namespace tarvelon
