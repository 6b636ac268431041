// A World Cup led by two human coaches, played on screen to its final: both take their invitation
// with the mouse, the calendar opens the national-team hub on the tournament's days, each coach in
// turn sets his national team's line-up on the line-up screen, the matchday plays the day and the
// results move on, a national team that is out is no longer served, and once no human nation is
// still in the days go on without the hub until the final is played.
#include <QTest>
#include <gtest/gtest.h>
#include <set>

#include "controls/grad_button.h"

#include "core/lineup/hub_turns.h"
#include "screens/common/form_references.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/national_invitations_screen.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/quick_clock.h"

namespace tarvelon {
namespace {

using test::Shown;
using test::CloseEveryForm;

using test::HubGame;

class NationalTournamentFlowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string message;
        ready_ = HubGame::Prepare(message);
        ASSERT_TRUE(ready_) << message;
    }
    static void TearDownTestSuite() { HubGame::Leave(); }
    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        first_ = HubGame::StartTwoCoachGame();
        ASSERT_EQ(first_, FirstScreen::Hub);
        AfterGameStarted(first_);
        Game.autosave = 0;
    }
    void TearDown() override
    {
        Game.InstantPlay = 0;
        CloseEveryForm();
    }

    static inline bool ready_ = false;
    FirstScreen first_ = FirstScreen::None;
    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
};

// The coach of human club `slot` takes the first offer free to lead, with the mouse.
int TakeInvitation(int slot)
{
    Game.CurrentHumanCoach = Clubs[Game.HumanClubs[slot]].coach;
    InvitationCompetition = 7;
    InvitationOfferTier = 1;
    auto* form = dynamic_cast<TForm76*>(CreateScreen("TForm76", Application));
    if (form == nullptr)
        return -1;
    form->Show();
    test::Pump();
    for (TRadioButton* radio : form->radios)
        if (radio->Visible() && radio->Enabled()) {
            QTest::mouseClick(radio->Widget(), Qt::LeftButton, {}, QPoint(8, radio->Height() / 2));
            break;
        }
    QTest::mouseClick(form->btfechar->Widget(), Qt::LeftButton);
    test::Pump();
    return Game.HumanNationCount > slot ? Game.HumanNations[slot] : -1;
}

// The open national-team hub, serving any human nation: "Escalar Time", a formation, "Jogar >>".
void PlayNationalTurn(TForm75& hub)
{
    test::WhenLineupOpens([](TForm87& lineup) { test::PickFormationAndPlay(lineup, 4); });
    QTest::mouseClick(hub.btjogar->Widget(), Qt::LeftButton);
    // The line-up stands beside the hub: the turn ends when the hub has closed it.
    ASSERT_TRUE(test::PumpUntil([] { return Form87.Get() == nullptr; }, 60000));
}

TEST_F(NationalTournamentFlowTest, TwoHumanNationsTakeTurnsThroughAWorldCupPlayedToItsFinal)
{
    // The first World Cup of a game is a fixed draw that leaves the offer table as it was: its
    // first row gets eight of the drawn teams, as a regular draw would give.
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[0][slot] = Game.NationalGroups[slot][0];
    const int nations[2] = {TakeInvitation(0), TakeInvitation(1)};
    ASSERT_GE(nations[0], 0);
    ASSERT_GE(nations[1], 0);
    ASSERT_NE(nations[0], nations[1]);
    EXPECT_EQ(Game.HumanNationCount, 2);

    // The season's days up to the World Cup, played by the assistants.
    CalendarExit exit = CalendarExit::Hub;
    for (int day = 0; day < 200 && exit != CalendarExit::NationalHub && exit != CalendarExit::SeasonEnd; ++day)
        exit = PlayDayToNextScreen();
    ASSERT_EQ(exit, CalendarExit::NationalHub);
    ASSERT_EQ(Game.DayKind, 7);

    Game.InstantPlay = 1;
    test::InMatchAnswerer answerer;
    OpenAfterCalendar(exit);
    std::set<int> servedOnFirstDay;
    int hubDays = 0;
    bool firstDay = true;
    // Each tournament day: the hub serves the human nations still in (or the matchday opens at once).
    for (int step = 0; step < 400 && Game.DayKind == 7; ++step) {
        ASSERT_TRUE(test::PumpUntil([] { return Shown<TForm75>() != nullptr || Game.DayKind != 7; }, 120000))
            << "stage " << Game.TournamentStage;
        TForm75* hub = Shown<TForm75>();
        if (hub == nullptr)
            break;
        ++hubDays;
        const int served = Game.coachedNationalTeam;
        EXPECT_NE(Clubs[served].NationalTeamCupEntry, 0) << "a national team that is out was served";
        EXPECT_EQ(hub->Label1->Caption(), Clubs[served].name.str());
        if (firstDay)
            servedOnFirstDay.insert(served);
        const bool lastTurn = NextServedNation(hub->NationalHubSlot + 1) == 0;
        PlayNationalTurn(*hub);
        if (lastTurn) {
            firstDay = false;
            // The hub closes; the matchday plays and the results move on to the next day.
            ASSERT_TRUE(test::PumpUntil([hub] { return Shown<TForm75>() != hub; }, 120000));
        }
    }
    EXPECT_EQ(servedOnFirstDay, (std::set<int>{nations[0], nations[1]}));
    EXPECT_GE(hubDays, 6);  // three group days for both nations at least
    ASSERT_TRUE(test::PumpUntil([] { return Game.TournamentStage >= 8 || Game.DayKind != 7; }, 240000));
    EXPECT_GE(Game.TournamentStage, 8) << "the final was not played";
    bool finalArchived = false;
    for (const TMatchReport& report : MatchReports)
        finalArchived = finalArchived || (report.kind == 7 && report.round == 7);
    EXPECT_TRUE(finalArchived);
}

}  // namespace
}  // namespace tarvelon
