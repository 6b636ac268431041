// The notice of a human coach's dismissal (TForm31) on the hub's seeded two-coach game: it names the
// coach, the club and the reason, and the replacement who takes the club; Enter closes it.
#include <gtest/gtest.h>

#include <QTest>

#include <string>

#include "controls/grad_button.h"
#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/records/session_globals.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/dismissal_notice.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/two_coach_hub_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {


class DismissalNoticeTest : public test::TwoCoachHubSuite {};

TEST_F(DismissalNoticeTest, TheDismissalNoticeNamesTheReplacementWhoTakesTheClub)
{
    const int club = Game.HumanClubs[0];
    const int fired = Clubs[club].coach;
    Clubs[club].SupportersMood = 10;
    std::string message;
    std::string replacement;
    test::Answer<TForm31>([&](TForm31& notice) {
        message = notice.Label4->Caption();
        replacement = notice.Label5->Caption();
        QTest::keyClick(notice.Widget(), Qt::Key_Return);
    });
    CoachChangeClub = club;
    DismissHumanCoach();
    ResetCoachChange();
    EXPECT_EQ(message, Coaches[fired].name.str() + ", " + Clubs[club].name.str() +
                           " resolveu lhe demitir,porque a pressão da torcida foi grande pois seus resultados não "
                           "estavam sendo bons.");
    ASSERT_NE(Clubs[club].coach, fired);
    EXPECT_EQ(replacement, "Para seu lugar foi contratado " + Coaches[Clubs[club].coach].name.str());
}

}  // namespace
}  // namespace tarvelon
