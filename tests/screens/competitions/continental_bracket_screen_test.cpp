// The continental cup bracket (TForm69) on a seeded game: it opens on the Libertadores, and the
// chooser (mouse and keys) shows each cup alone, rounds not drawn yet silver and empty.
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
#include "tests/screens/competitions/cup_brackets_suite.h"

namespace tarvelon {
namespace {

class ContinentalBracketScreenTest : public test::CupBracketsSuite {};

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

TEST_F(ContinentalBracketScreenTest, TheContinentalBracketOpensOnLibertadoresAndTheChooserShowsEachCupAlone)
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
    EXPECT_EQ(form->bracket.team1[0]->Caption(), Clubs[0].name.str());  // no leading blank
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
