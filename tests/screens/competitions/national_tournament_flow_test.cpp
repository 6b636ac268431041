// The first World Cup of a new game with the chooser's defaults (its real 2010 groups) and two human
// coaches, played on screen: on 16/05/2010 (the first hub of a league round from the fifth on) the
// hub invites each coach in turn with the offers of his tier's row, each takes one with the mouse,
// calls up its squad on the call-up screen, leads it through the national-team hub and its line-up,
// and the World Cup is played to its final.
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/hooks.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "screens/club/call_up_screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_hub_screen.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/national_team_driving.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/season_from_hub.h"

namespace tarvelon {
namespace {

using test::Shown;

// An invitation as it opened: to whom, which row it offered, what was taken.
struct InvitationSeen {
    int coach = -1;
    int tier = 0;
    std::vector<std::string> captions;  // the shown offers' names, slot by slot ("" hidden)
    std::vector<bool> enabled;
    int taken = -1;
    int takenBy = -1;  // the coach of the team taken, once taken
};

// A call-up as it opened: the national team, the squad chosen and whether it joined the team.
struct CallUpSeen {
    int team = -1;
    std::vector<int> squad;
    bool joined = false;
};

class NationalTournamentFlowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string message;
        ready_ = test::HubGame::Prepare(message);
        ASSERT_TRUE(ready_) << message;
    }
    static void TearDownTestSuite() { test::HubGame::Leave(); }
    void SetUp() override
    {
        ASSERT_TRUE(ready_);
        const FirstScreen first = test::HubGame::StartTwoCoachGame();
        ASSERT_EQ(first, FirstScreen::Hub);
        AfterGameStarted(first);
        Game.autosave = 0;
        Hooks().showNationalCallUp = ShowNationalCallUpOnScreen;  // the call-up on its screen
    }
    void TearDown() override
    {
        Game.InstantPlay = 0;
        test::CloseEveryForm();
        Hooks() = saved_;
    }

    static inline bool ready_ = false;
    CoreHooks saved_ = Hooks();
    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
};

// The invitation's offers, taken down as shown; the first one free taken with the mouse and "OK".
InvitationSeen TakeInvitation(TForm76& invitation)
{
    InvitationSeen seen;
    seen.coach = Game.CurrentHumanCoach;
    seen.tier = InvitationOfferTier;
    for (TRadioButton* radio : invitation.radios) {
        seen.captions.push_back(radio->Visible() ? radio->Caption() : "");
        seen.enabled.push_back(radio->Visible() && radio->Enabled());
    }
    const int slot = test::ClickFirstFreeOffer(invitation);
    const int before = Game.HumanNationCount;
    QTest::mouseClick(invitation.btfechar->Widget(), Qt::LeftButton);
    if (Shown<TForm76>() == &invitation)
        invitation.Close();  // nothing was free to take: the test fails below rather than waits
    if (slot >= 0 && Game.HumanNationCount > before) {
        seen.taken = Game.HumanNations[before];
        seen.takenBy = Clubs[seen.taken].coach;
    }
    return seen;
}

bool IsDrawnNation(int club)
{
    return club >= Game.LeagueClubCount + Game.ExtraClubCount && club < static_cast<int>(Clubs.size()) &&
           Clubs[club].NationalTeamCupEntry != 0 && Clubs[club].NationalTeamGroup >= 1;
}

TEST_F(NationalTournamentFlowTest, TheDefaultGameInvitesBothCoachesAndTheyLeadTheirNationsThroughTheWorldCup)
{
    ASSERT_EQ(Game.HumanClubCount, 2);
    ASSERT_TRUE(Game.worldCupOn);
    // The real groups, ranked in the four rows of offers: 32 different national teams.
    std::set<int> ranked;
    for (const auto& row : Game.tournamentRows)
        for (int club : row) {
            EXPECT_TRUE(IsDrawnNation(club)) << "row entry " << club;
            ranked.insert(club);
        }
    EXPECT_EQ(ranked.size(), 32u);

    // The assistants play the days up to the hub of the fifth round of 2010, where the coaches are
    // invited.
    CalendarExit exit = CalendarExit::Hub;
    for (int day = 0; day < 100 && !(exit == CalendarExit::Hub && InvitationDue(kKindWorldCup)); ++day)
        exit = PlayDayToNextScreen();
    ASSERT_EQ(exit, CalendarExit::Hub);
    ASSERT_TRUE(InvitationDue(kKindWorldCup));
    EXPECT_EQ(DateToStr(Calendar[static_cast<std::size_t>(Game.DayIndex)].date), "16/05/2010");
    EXPECT_EQ(Game.HumanNationCount, 0);

    Game.InstantPlay = 1;
    test::InMatchAnswerer answerer;  // offers and notices closed; the invitations are the test's
    answerer.LeaveToTheTest("TForm76");
    std::vector<InvitationSeen> invitations;
    std::vector<CallUpSeen> callUps;
    // The invitations open modally from the hub's timer and the call-ups inside the results'
    // "Continuar": both are answered from a timer.
    QTimer questions;
    QObject::connect(&questions, &QTimer::timeout, [&] {
        if (auto* invitation = Shown<TForm76>(); invitation && invitation->Tag() != 76) {
            invitation->SetTag(76);
            invitations.push_back(TakeInvitation(*invitation));
        }
        if (auto* callUp = Shown<TForm77>(); callUp && callUp->Tag() != 77) {
            callUp->SetTag(77);
            CallUpSeen seen{Game.HumanNations[CallUpTeam - 1], test::CallUpTheStrongest(*callUp)};
            if (callUp->bt2->Enabled())
                QTest::mouseClick(callUp->bt2->Widget(), Qt::LeftButton);
            else
                callUp->Close();  // the test fails below on the squad left incomplete
            seen.joined = std::all_of(seen.squad.begin(), seen.squad.end(),
                                      [&seen](int player) { return Players[player].Club == seen.team; });
            callUps.push_back(seen);
        }
    });
    questions.start(10);

    // The days on screen, each coach through "Jogar >>", until the day after the World Cup's last.
    bool worldCupDays = false;
    test::SeasonFromHubDriving driving;
    driving.afterDay = [&worldCupDays] {
        worldCupDays = worldCupDays || Game.DayKind == kKindWorldCup;
        return !worldCupDays || Game.DayKind == kKindWorldCup;
    };
    OpenAfterCalendar(exit);
    const test::SeasonFromHubTally tally = test::PlayToSeasonEnd(driving);
    questions.stop();
    ASSERT_EQ(tally.failure, "");
    ASSERT_TRUE(worldCupDays) << "the World Cup was not reached";

    // Each coach was invited once, with the eight offers of his tier's row, and took one of them.
    ASSERT_EQ(invitations.size(), 2u);
    std::set<int> coaches;
    std::vector<int> nations;
    for (const InvitationSeen& seen : invitations) {
        coaches.insert(seen.coach);
        ASSERT_GE(seen.tier, 1);
        ASSERT_LE(seen.tier, 4);
        for (int slot = 0; slot < 8; ++slot)
            EXPECT_EQ(seen.captions[slot], Clubs[Game.tournamentRows[seen.tier - 1][slot]].name.str())
                << "tier " << seen.tier << " slot " << slot;
        ASSERT_GT(seen.taken, 0);
        EXPECT_EQ(seen.takenBy, seen.coach);
        nations.push_back(seen.taken);
    }
    EXPECT_EQ(coaches, (std::set<int>{Clubs[Game.HumanClubs[0]].coach, Clubs[Game.HumanClubs[1]].coach}));
    ASSERT_NE(nations[0], nations[1]);
    // The first coach's team is no longer free to the second when his row offers it.
    const InvitationSeen& second = invitations[1];
    for (int slot = 0; slot < 8; ++slot)
        if (Game.tournamentRows[second.tier - 1][slot] == nations[0])
            EXPECT_FALSE(second.enabled[slot]);
    EXPECT_EQ(Game.HumanNationCount, 2);

    // Both squads were called up on the call-up screen, each of its own nation's players.
    ASSERT_EQ(callUps.size(), 2u);
    EXPECT_EQ(std::set<int>({callUps[0].team, callUps[1].team}), std::set<int>(nations.begin(), nations.end()));
    for (const CallUpSeen& seen : callUps) {
        EXPECT_GE(seen.squad.size(), 22u) << Clubs[seen.team].name.str();
        EXPECT_TRUE(seen.joined) << Clubs[seen.team].name.str();
    }

    // Both nations were led at the national-team hub, three group days at least each, and the
    // World Cup was played to its final.
    EXPECT_GE(tally.nationalTurns, 6);
    for (int nation : nations) {
        int played = 0;
        for (const TMatchReport& report : MatchReports)
            played += report.kind == kKindWorldCup && (report.club[0] == nation || report.club[1] == nation);
        EXPECT_GE(played, 3) << Clubs[nation].name.str();
    }
    EXPECT_GE(Game.TournamentStage, 8) << "the final was not played";
    bool finalArchived = false;
    for (const TMatchReport& report : MatchReports)
        finalArchived = finalArchived || (report.kind == kKindWorldCup && report.round == 7);
    EXPECT_TRUE(finalArchived);
}

}  // namespace
}  // namespace tarvelon
