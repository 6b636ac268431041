// The injury dialog (TForm53), the match engine's question to the human coach answered with the
// mouse: he picks the substitute among the offered ones.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/lineup/lineup_board.h"
#include "core/match/computer_lineups.h"
#include "core/match/injury_choice.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/match/penalty_kick.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/shootout.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/injury_dialog.h"
#include "screens/matchday/matchday_screens.h"
#include "screens/matchday/pitch_board.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/matchday/match_dialogs_suite.h"
#include "tests/screens/quick_clock.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class InjuryDialogTest : public test::MatchDialogsSuite {};

TEST_F(InjuryDialogTest, AnInjuryAsksForTheSubstituteAmongTheOfferedOnes)
{
    const TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    const int injured = lineup->starters[5];
    const InjuryChoice choice = InjurySubstituteChoice(human_, injured);
    ASSERT_GT(choice.candidates.size(), 1u);
    // A star player is offered with the star beside his name.
    TPlayer& star = Players[choice.candidates[0]];
    TPlayer& plain = Players[choice.candidates[1]];
    const auto stars = std::pair{star.Star, plain.Star};
    star.Star = 1;
    plain.Star = 0;
    test::Answer<TForm53>([&](TForm53& shown) {
        TForm53* dialog = &shown;
        EXPECT_EQ(dialog->ListView1->Items().Count(), static_cast<int>(choice.candidates.size()));
        EXPECT_EQ(dialog->ListView1->Items()[0]->Caption(), star.Name.str());
        EXPECT_TRUE(DrawsStar(dialog->ListView1, 0, 0));
        EXPECT_FALSE(DrawsStar(dialog->ListView1, 1, 0));
        // Keys are swallowed; the button waits for a choice.
        test::PressKey(dialog->Widget(), Qt::Key_Escape);
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
        EXPECT_EQ(OpenForm<TForm53>(), dialog);
        ClickRow(dialog->ListView1, 1);
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(Hooks().injurySubstitutionDialog(human_, injured, match_), choice.candidates[1]);
    std::tie(star.Star, plain.Star) = stars;
}

// While plays are traced the injury asks nobody: no dialog opens and no substitute is chosen.
TEST_F(InjuryDialogTest, WhilePlaysAreTracedNoDialogAsks)
{
    const TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    bool asked = false;
    const test::AnswerEach<TForm53> closeAnyDialog([&asked](TForm53& dialog) {  // should one open all the same
        asked = true;
        dialog.Close();
    });
    DebugTrace = true;
    const int chosen = Hooks().injurySubstitutionDialog(human_, lineup->starters[5], match_);
    DebugTrace = false;
    EXPECT_EQ(chosen, -1);
    EXPECT_FALSE(asked);
}

}  // namespace
}  // namespace tarvelon
