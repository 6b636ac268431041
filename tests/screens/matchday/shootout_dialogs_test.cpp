// The shoot-out dialogs (TForm37, TForm38) driven with the mouse: the human coach's takers ordered,
// the kicks shown one by one until a side has won, the longest club names shown whole, and a
// computer clubs' shoot-out shown ending as the one kicked out at once.
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
#include <vector>

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
#include "screens/matchday/matchday_screens.h"
#include "screens/matchday/pitch_board.h"
#include "screens/matchday/shootout_dialogs.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/matchday/match_dialogs_suite.h"
#include "tests/screens/quick_clock.h"
#include "tests/platform/modal_driver.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class ShootoutDialogsTest : public test::MatchDialogsSuite {};

// The human coach orders his takers (one by hand, the rest automatically), then the kicks are
// shown one by one until a side has won; the outcome is booked.
TEST_F(ShootoutDialogsTest, AShootOutAsksForTheTakersThenShowsTheKicks)
{
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    int first = -1;
    int listed = 0;
    bool nextWasOff = false;
    // A star taker is listed with the star beside his name.
    const std::vector<int> candidates = ShootoutCandidates(human_);
    ASSERT_GT(candidates.size(), 2u);
    TPlayer& star = Players[candidates[0]];
    TPlayer& plain = Players[candidates[1]];
    const auto stars = std::pair{star.Star, plain.Star};
    star.Star = 1;
    plain.Star = 0;
    test::Answer<TForm37>([&](TForm37& shown) {
        TForm37* takers = &shown;
        EXPECT_EQ(takers->OrderingClub(), human_);
        listed = takers->l1->Items().Count();
        ASSERT_GT(listed, 2);
        EXPECT_EQ(takers->l1->Items()[0]->SubItems()[0], star.Name.str());
        EXPECT_TRUE(DrawsStar(takers->l1, 0, 1));
        EXPECT_FALSE(DrawsStar(takers->l1, 1, 1));
        first = std::stoi(takers->l1->Items()[2]->SubItems()[3]);
        ClickRow(takers->l1, 2);
        QTest::mouseClick(takers->GradButton2->Widget(), Qt::LeftButton);
        EXPECT_EQ(takers->l2->Items().Count(), 1);
        nextWasOff = !takers->btp->Enabled();
        QTest::mouseClick(takers->bt1->Widget(), Qt::LeftButton);
        EXPECT_EQ(takers->l1->Items().Count(), 0);
        EXPECT_EQ(takers->l2->Items().Count(), listed);
        QTest::mouseClick(takers->btp->Widget(), Qt::LeftButton);
    });
    Hooks().shootoutDialog(true);
    std::tie(star.Star, plain.Star) = stars;
    EXPECT_TRUE(nextWasOff) << "\"Próximo >>\" waits until every player is placed";
    EXPECT_EQ(ShootoutTakersA[0], first);
    EXPECT_TRUE(ShootoutResult == 1 || ShootoutResult == 2);
    EXPECT_EQ(OpenForm<TForm37>(), nullptr);
    EXPECT_EQ(OpenForm<TForm38>(), nullptr);
}

// The shoot-out's header holds the longest club names (25 characters, capitals among them) whole,
// and none of its names, crests, scores and lists cover one another.
TEST_F(ShootoutDialogsTest, TheShootOutShowsTheLongestClubNamesWhole)
{
    const std::string savedA = Clubs[human_].name.str();
    const std::string savedB = Clubs[other_].name.str();
    Clubs[human_].name = "SOCIEDADE ESPORTIVA MOGIM";
    Clubs[other_].name = "Wanderers Montevideo MMWW";
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    auto* shootout = dynamic_cast<TForm38*>(CreateScreen("TForm38", Application));
    ASSERT_NE(shootout, nullptr);
    shootout->Timer3->SetEnabled(false);
    shootout->Show();
    test::Pump(20);
    for (TLabel* name : {shootout->nome1, shootout->nome2}) {
        ASSERT_EQ(name->Caption().size(), 25u);
        TCanvas& canvas = shootout->Canvas();
        canvas.Font.Assign(name->Font());
        EXPECT_LE(canvas.TextWidth(name->Caption()), name->Width()) << name->Caption();
    }
    const std::vector<TControl*> header = {shootout->nome1, shootout->nome2, shootout->escudo1, shootout->escudo2,
                                           shootout->pl1, shootout->pl2, shootout->l1, shootout->l2};
    for (std::size_t i = 0; i < header.size(); ++i) {
        EXPECT_LE(header[i]->BoundsRect().Right, shootout->ClientWidth()) << header[i]->Name();
        for (std::size_t j = i + 1; j < header.size(); ++j) {
            TRect common;
            EXPECT_FALSE(IntersectRect(common, header[i]->BoundsRect(), header[j]->BoundsRect()))
                << header[i]->Name() << " and " << header[j]->Name();
        }
    }
    delete shootout;
    Clubs[human_].name = savedA;
    Clubs[other_].name = savedB;
}

// Two computer clubs' shoot-out shown kick by kick ends as the one kicked out at once.
TEST_F(ShootoutDialogsTest, AShownComputerShootOutEndsAsTheOneKickedOutAtOnce)
{
    Clubs[human_].IsHuman = 0;
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    RandSeed = 4242;
    Hooks().shootoutDialog(false);
    const int shown = ShootoutResult;
    RandSeed = 4242;
    KickOutShootoutAtOnce();
    Clubs[human_].IsHuman = 1;
    EXPECT_EQ(shown, ShootoutResult);
}

}  // namespace
}  // namespace tarvelon
