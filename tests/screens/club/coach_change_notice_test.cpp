// The notice of a computer club's coach change (TForm57) on a game with two human coaches: it tells
// the chain of coaches that moved and closes itself in instant play.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

#include "controls/grad_button.h"
#include "core/career/career_state.h"
#include "core/career/resignation.h"
#include "core/hooks.h"
#include "core/season/competitions.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "screens/club/coach_change_notice.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/career_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class CoachChangeNoticeTest : public test::CareerSuite {};

TEST_F(CoachChangeNoticeTest, TheCoachChangeNoticeTellsTheChainAndClosesItselfInInstantPlay)
{
    const std::vector<int> league = ComputerClubsOf(29);
    CoachChangeClub = league[0];
    FiredCoach = Clubs[league[0]].coach;
    ReplacementCoach = Clubs[league[1]].coach;
    ReplacementCoachOldClub = league[1];
    Clubs[league[0]].SupportersMood = 10;
    const std::string fired = Coaches[FiredCoach].name.str();
    const std::string replacement = Coaches[ReplacementCoach].name.str();
    Game.InstantPlay = 0;
    ASSERT_TRUE(DriveOpenedBy<TForm57>("TForm57", [&](TForm57& notice) {
        EXPECT_EQ(notice.Label2->Caption(), "Troca de técnicos");
        EXPECT_EQ(notice.Label3->Caption(), fired + " por " + replacement);
        EXPECT_EQ(notice.Label4->Caption(), fired + " demitido do " + Clubs[league[0]].name.str() +
                                                " porque a pressão da torcida foi grande pois os resultados não "
                                                "estavam sendo nada bons.");
        EXPECT_EQ(notice.Label5->Caption(), "Em seu lugar foi contratado " + replacement + " e " + fired +
                                                " foi parar no " + Clubs[league[1]].name.str());
        QTest::keyClick(notice.Widget(), Qt::Key_Return);
    }, ShowCoachChangeOnScreen));

    Game.InstantPlay = 1;
    test::Answer<TForm57>([](TForm57&) {});  // a notice that stayed would fail the test and be closed
    QElapsedTimer shown;
    shown.start();
    ShowCoachChangeOnScreen();
    EXPECT_LT(shown.elapsed(), 3000);
    EXPECT_GE(shown.elapsed(), 900);
    Game.InstantPlay = 0;
}

}  // namespace
}  // namespace tarvelon
