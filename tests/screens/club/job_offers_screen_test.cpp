// The job offers (TForm30), driven by real clicks and keys on a game with two human coaches: the
// offers previewed and one taken (the coaches swap clubs), or all rejected (cleared, nobody moves).
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
#include "screens/club/job_offers_screen.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/career_suite.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class JobOffersScreenTest : public test::CareerSuite {};

TEST_F(JobOffersScreenTest, AJobOfferIsPreviewedAndTakenAndTheCoachesSwapClubs)
{
    const std::vector<int> league = ComputerClubsOf(29);
    ASSERT_GE(league.size(), 3u);
    const int first = league[0];
    const int abroad = league[1];
    const int taken = league[2];
    Clubs[abroad].Country = 104;  // a country whose league is not played
    ASSERT_LT(FindLeagueByCountry(104), 0);
    JobOffers = {first, abroad, taken, -1};
    const int coach = Game.CurrentHumanCoach;
    const int takenCoach = Clubs[taken].coach;

    ASSERT_TRUE(DriveOpenedBy<TForm30>("TForm30", [&](TForm30& offers) {
        EXPECT_EQ(offers.Label2->Caption(), Coaches[coach].name.str());
        EXPECT_TRUE(offers.r[0]->Visible());
        EXPECT_TRUE(offers.r[0]->Checked());
        EXPECT_FALSE(offers.r[1]->Visible());
        EXPECT_TRUE(offers.r[2]->Visible());
        EXPECT_FALSE(offers.r[3]->Visible());
        EXPECT_EQ(offers.r[2]->Caption().rfind(Clubs[taken].name.str() + "(Brasil) - ", 0), 0u);
        EXPECT_EQ(offers.Label6->Caption(), "Plantel - " + Clubs[first].name.str());
        EXPECT_EQ(offers.ljog->Items().Count(), static_cast<int>(PlayersOfClub(first).size()));
        EXPECT_EQ(offers.ljog->Items()[0]->Caption(), "G");

        ClickBox(offers.r[2]);
        EXPECT_TRUE(offers.r[2]->Checked());
        EXPECT_EQ(offers.Label6->Caption(), "Plantel - " + Clubs[taken].name.str());
        EXPECT_EQ(offers.ljog->Items().Count(), static_cast<int>(PlayersOfClub(taken).size()));
        Click(offers.bt3);
    }, ShowJobOffersOnScreen));
    EXPECT_EQ(Clubs[taken].coach, coach);
    EXPECT_EQ(Coaches[coach].club, taken);
    EXPECT_EQ(Clubs[club_].coach, takenCoach);  // the old club takes the new club's former coach
    for (int offer : JobOffers)
        EXPECT_EQ(offer, -1);
}

TEST_F(JobOffersScreenTest, RejectingTheOffersClearsThemAndNobodyMoves)
{
    const int offered = ComputerClubsOf(29).front();
    const int coach = Game.CurrentHumanCoach;
    JobOffers = {offered, -1, -1, -1};
    ASSERT_TRUE(DriveOpenedBy<TForm30>("TForm30", [&](TForm30& offers) {
        test::PressKey(offers.Widget(), Qt::Key_F4, Qt::AltModifier);  // answered only by its buttons
        EXPECT_TRUE(offers.Visible());
        bool standingsShown = false;
        test::AnswerFound<TForm>([] { return Open("TForm36"); },
                                 [&](TForm& standings) {
                                     standingsShown = standings.Modal();
                                     standings.Close();
                                 },
                                 "TForm36");
        Click(offers.bt2);  // "Classificação": the standings, modal, and back to the offers
        EXPECT_TRUE(standingsShown);
        EXPECT_TRUE(offers.Visible());
        Click(offers.GradButton1);
    }, ShowJobOffersOnScreen));
    EXPECT_EQ(Coaches[coach].club, club_);
    EXPECT_NE(Clubs[offered].coach, coach);
    EXPECT_EQ(JobOffers[0], -1);
}

}  // namespace
}  // namespace tarvelon
