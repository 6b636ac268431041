// The resignation (TForm65), driven by real clicks and keys on a game with two human coaches: a
// resignation confirmed (the dismissal notice, then the hub serves the next coach) or refused with a
// message.
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
#include "screens/club/resignation_dialog.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/career_suite.h"

namespace tarvelon {
namespace {

class ResignationDialogTest : public test::CareerSuite {};

TEST_F(ResignationDialogTest, AConfirmedResignationHandsTheClubOverAndTheNextCoachTakesHisTurn)
{
    const int coach = Game.CurrentHumanCoach;
    const int second = Game.HumanClubs[1] == club_ ? Game.HumanClubs[0] : Game.HumanClubs[1];
    ASSERT_TRUE(Drive<TForm65>("TForm65", [&](TForm65& confirm) { Click(confirm.GradButton1); }));  // "Não"
    EXPECT_EQ(Coaches[coach].club, club_);

    AnswerDismissalNotices();
    ASSERT_TRUE(Drive<TForm65>("TForm65", [&](TForm65& confirm) { Click(confirm.GradButton2); }));  // "Sim"
    EXPECT_TRUE(test::PumpUntil([&] { return Game.CurrentHumanClub == second; }, 5000));
    stopAnswering_ = true;
    EXPECT_NE(dismissal_.find("resolveu lhe demitir,conforme você solicitou, boa sorte no próximo clube."),
              std::string::npos);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_FALSE(Clubs[club_].IsHuman);
    EXPECT_NE(Clubs[club_].coach, coach);
    EXPECT_FALSE(ResignationConfirmed);
    EXPECT_EQ(test::OpenHub(), hub_);
}

TEST_F(ResignationDialogTest, AResignationThatCannotBeCarriedOutSaysSo)
{
    const int coach = Game.CurrentHumanCoach;
    Game.CurrentHumanCoach = -1;  // nobody coaches the club the hub shows
    ASSERT_TRUE(Drive<TForm65>("TForm65", [&](TForm65& confirm) { Click(confirm.GradButton2); }));
    EXPECT_TRUE(test::PumpUntil([&] { return !messages_.empty(); }));
    Game.CurrentHumanCoach = coach;
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], kResignationRefused);
    EXPECT_EQ(Clubs[club_].coach, coach);
    EXPECT_TRUE(Clubs[club_].IsHuman);
}

}  // namespace
}  // namespace tarvelon
