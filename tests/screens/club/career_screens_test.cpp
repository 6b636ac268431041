// The coach's career on screen, driven by real clicks and keys on a game with two human coaches:
// job offers previewed and one taken (the coaches swap clubs) or all rejected, a resignation
// confirmed (the dismissal notice, then the hub serves the next coach) or refused with a message,
// and the notice of a computer club's coach change, which closes itself in instant play.
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
#include "screens/club/dismissal_notice.h"
#include "screens/club/job_offers_screen.h"
#include "screens/club/resignation_dialog.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/club_dialogs_fixture.h"

namespace tarvelon {
namespace {

class CareerScreensTest : public test::ClubDialogsTest {
protected:
    void TearDown() override
    {
        Hooks().showCoachDismissal = nullptr;
        ClearJobOffers();
        ResetCoachChange();
        ClubDialogsTest::TearDown();
    }

    // Computer-run clubs of the country's league with a squad, in table order.
    static std::vector<int> ComputerClubsOf(int country)
    {
        std::vector<int> clubs;
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            if (Clubs[c].Country == country && !Clubs[c].IsHuman && Clubs[c].Division >= 1 && !PlayersOfClub(c).empty())
                clubs.push_back(c);
        return clubs;
    }

    // Closes the dismissal notice with Enter whenever it comes up; the notice's message is kept.
    void AnswerDismissalNotices()
    {
        Hooks().showCoachDismissal = ShowCoachDismissalOnScreen;
        std::function<void()>* poll = new std::function<void()>;
        *poll = [this, poll] {
            if (auto* notice = Open<TForm31>("TForm31")) {
                dismissal_ = notice->Label4->Caption();
                QTest::keyClick(notice->Widget(), Qt::Key_Return);
            }
            if (!stopAnswering_)
                QTimer::singleShot(10, *poll);
            else
                delete poll;
        };
        QTimer::singleShot(10, *poll);
    }

    std::string dismissal_;
    bool stopAnswering_ = false;
};

TEST_F(CareerScreensTest, AJobOfferIsPreviewedAndTakenAndTheCoachesSwapClubs)
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

TEST_F(CareerScreensTest, RejectingTheOffersClearsThemAndNobodyMoves)
{
    const int offered = ComputerClubsOf(29).front();
    const int coach = Game.CurrentHumanCoach;
    JobOffers = {offered, -1, -1, -1};
    ASSERT_TRUE(DriveOpenedBy<TForm30>("TForm30", [&](TForm30& offers) {
        test::PressKey(offers.Widget(), Qt::Key_F4, Qt::AltModifier);  // answered only by its buttons
        EXPECT_TRUE(offers.Visible());
        bool standingsShown = false;
        QTimer::singleShot(50, [&] {
            if (TForm* standings = Open("TForm36")) {
                standingsShown = standings->Modal();
                standings->Close();
            }
        });
        Click(offers.bt2);  // "Classificação": the standings, modal, and back to the offers
        EXPECT_TRUE(standingsShown);
        EXPECT_TRUE(offers.Visible());
        Click(offers.GradButton1);
    }, ShowJobOffersOnScreen));
    EXPECT_EQ(Coaches[coach].club, club_);
    EXPECT_NE(Clubs[offered].coach, coach);
    EXPECT_EQ(JobOffers[0], -1);
}

TEST_F(CareerScreensTest, AConfirmedResignationHandsTheClubOverAndTheNextCoachTakesHisTurn)
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

TEST_F(CareerScreensTest, AResignationThatCannotBeCarriedOutSaysSo)
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

TEST_F(CareerScreensTest, TheCoachChangeNoticeTellsTheChainAndClosesItselfInInstantPlay)
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
    QTimer::singleShot(4000, [this] {  // a notice that stayed would be closed here, too late
        if (auto* notice = Open<TForm57>("TForm57"))
            notice->Close();
    });
    QElapsedTimer shown;
    shown.start();
    ShowCoachChangeOnScreen();
    EXPECT_LT(shown.elapsed(), 3000);
    EXPECT_GE(shown.elapsed(), 900);
    Game.InstantPlay = 0;
}

}  // namespace
}  // namespace tarvelon
