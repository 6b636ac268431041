// Between two seasons: the summary's choice of league and its season number, the champions it
// looks up, and "Continuar >>": dismissals of human coaches whose clubs left the divisions, the
// calendar moved to the first day with play, the pre-season friendlies asked only of human coaches
// outside instant play, the national cup skipped when nobody plays its first stage, and the state
// shown first.
#include <gtest/gtest.h>

#include <vector>

#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/records/session_globals.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/seasonloop/season_turn.h"
#include "tests/core/matchday_world.h"

using namespace tarvelon;

namespace {

constexpr int kClubs = 8;

class SeasonTurn : public ::testing::Test {
protected:
    void SetUp() override
    {
        matchdaytest::BuildWorld(kClubs, 4711);
        Game.HumanClubCount = 0;
        for (int& club : Game.HumanClubs) club = -1;
        Game.CurrentHumanClub = -1;
        for (int d = 1; d <= kCalendarDays; ++d) Calendar[d].dayKind = kNoMatchDay;
        for (TStateChampionship& state : StateChampionships) state = TStateChampionship{};
        Hooks().showCoachDismissal = [this](int club, int, int) { dismissed_.push_back(club); };
        CurrentState = 0;
        CurrentLeague = 0;
        Lineups.clear();
        LineupCount = 0;
    }
    void TearDown() override { Hooks().showCoachDismissal = nullptr; }

    void MakeHuman(int club)
    {
        Clubs[club].IsHuman = 1;
        Game.HumanClubs[Game.HumanClubCount++] = club;
        Game.CurrentHumanClub = club;
    }

    std::vector<int> dismissed_;
};

TEST_F(SeasonTurn, ContinueMovesToTheFirstDayWithPlayAndOpensTheMatchdayWithoutHumanClubs)
{
    Calendar[5].dayKind = kKindNationalLeague;
    Game.DayIndex = 120;
    Friendlies.push_back(TFriendly{0, 1, 0, {}, Calendar[3].date});
    ReportEvents.resize(4);
    bool asked = false;
    EXPECT_EQ(StartNewSeason([&asked] { asked = true; }), SeasonStartScreen::Matchday);
    EXPECT_FALSE(asked);  // nobody to ask
    EXPECT_EQ(Game.DayIndex, 5);  // the friendly was dropped before the calendar moved on
    EXPECT_EQ(Game.DayKind, kKindNationalLeague);
    EXPECT_TRUE(Friendlies.empty());
    EXPECT_TRUE(ReportEvents.empty());
    EXPECT_EQ(CurrentLeague, 0);
    EXPECT_EQ(static_cast<int>(Lineups.size()), kClubs);  // every computer club's line-up
}

TEST_F(SeasonTurn, HumanClubOpensTheHubAndIsAskedForFriendliesOutsideInstantPlay)
{
    Calendar[2].dayKind = kKindNationalLeague;
    MakeHuman(3);
    int asked = 0;
    EXPECT_EQ(StartNewSeason([&asked] { ++asked; }), SeasonStartScreen::Hub);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(Lineups.empty());  // the coach picks his line-up on the hub

    Game.InstantPlay = 1;
    EXPECT_EQ(StartNewSeason([&asked] { ++asked; }), SeasonStartScreen::Hub);
    EXPECT_EQ(asked, 1);
}

TEST_F(SeasonTurn, FriendliesArrangedInThePromptCountAsDaysWithPlay)
{
    Calendar[7].dayKind = kKindNationalLeague;
    Calendar[3].dayKind = kKindFriendlies;
    MakeHuman(0);
    StartNewSeason([] { Friendlies.push_back(TFriendly{0, 1, 0, {}, Calendar[3].date}); });
    EXPECT_EQ(Game.DayIndex, 3);
    EXPECT_EQ(Game.DayKind, kKindFriendlies);
}

TEST_F(SeasonTurn, NationalCupWithoutFirstStageTiesIsSkippedToTheLeague)
{
    Calendar[2].dayKind = kKindNationalCup;
    Game.NationalCupStage = 1;
    SeasonStartPending = false;
    EXPECT_EQ(StartNewSeason(), SeasonStartScreen::Hub);
    EXPECT_EQ(Game.NationalCupStage, 2);
    EXPECT_EQ(Game.DayKind, kKindNationalLeague);
    EXPECT_EQ(Game.DayIndex, 45);
    EXPECT_TRUE(SeasonStartPending);
    EXPECT_TRUE(Lineups.empty());
}

// A game that opens on a matchday (no human club plays its first day) keeps its season start
// through that matchday: the first hub after it skips the round's updates and questions.
TEST_F(SeasonTurn, AGameStartedOnAMatchdayKeepsItsSeasonStartForItsFirstHub)
{
    SeasonStartPending = 1;
    BeginSeasonLoop(true);
    PrepareTodaysMatchday();
    EXPECT_TRUE(SeasonStartPending);
}

TEST_F(SeasonTurn, ContinentalDaysStartWithTheFirstEdition)
{
    Calendar[4].dayKind = kKindSecondContinentalCup;
    EXPECT_EQ(StartNewSeason(), SeasonStartScreen::Matchday);
    EXPECT_EQ(CurrentLeague, 1);
}

TEST_F(SeasonTurn, StateShownFirstIsSaoPauloThenRioThenMinas)
{
    Calendar[2].dayKind = kKindStateChampionship;
    StateChampionships[10].active = 1;
    StateChampionships[18].active = 1;
    StartNewSeason();
    EXPECT_EQ(CurrentState, 18);

    CurrentState = 0;
    StateChampionships[25].active = 1;
    StartNewSeason();
    EXPECT_EQ(CurrentState, 25);

    // A state chosen already, or state 0 with groups of its own, is kept.
    CurrentState = 0;
    StateChampionships[0].groupCount = 2;
    StartNewSeason();
    EXPECT_EQ(CurrentState, 0);
    StateChampionships[0].groupCount = 0;
    CurrentState = 7;
    StartNewSeason();
    EXPECT_EQ(CurrentState, 7);
}

TEST_F(SeasonTurn, HumanCoachOutsideTheDivisionsIsDismissedUnlessHisStateChampionshipGoesOn)
{
    Calendar[2].dayKind = kKindNationalLeague;
    MakeHuman(2);
    MakeHuman(5);
    Clubs[2].Division = 0;
    Clubs[5].Division = 0;
    Clubs[5].State = 12;
    Clubs[5].stateGroup = 1;
    StateChampionships[12].active = 1;
    Game.RegionalFourthDivision = 1;
    Game.StateChampionshipsOn = 1;
    EXPECT_FALSE(HumanCoachKeepsJobOutsideDivisions(2));  // no state group
    EXPECT_TRUE(HumanCoachKeepsJobOutsideDivisions(5));
    StartNewSeason();
    EXPECT_EQ(dismissed_, std::vector<int>{2});

    // Each condition on its own takes the shelter away.
    auto keeps = [](auto change) {
        const TGameState game = Game;
        const TClub club = Clubs[5];
        const auto states = StateChampionships;
        change();
        const bool kept = HumanCoachKeepsJobOutsideDivisions(5);
        Game = game;
        Clubs[5] = club;
        StateChampionships = states;
        return kept;
    };
    EXPECT_FALSE(keeps([] { Game.RegionalFourthDivision = 0; }));
    EXPECT_FALSE(keeps([] { Game.StateChampionshipsOn = 0; }));
    EXPECT_FALSE(keeps([] { StateChampionships[12].active = 0; }));
    EXPECT_FALSE(keeps([] { Clubs[5].Country = 30; }));
}

TEST_F(SeasonTurn, SummaryListsTheHumanClubsLeagueElseCountry29s)
{
    Leagues.resize(3);
    Leagues[0].country = 10;
    Leagues[1].country = 29;
    Leagues[2].country = 44;
    Clubs[4].Country = 44;
    EXPECT_EQ(SummaryReferenceLeague(), 1);
    Game.CurrentHumanClub = 4;
    EXPECT_EQ(SummaryReferenceLeague(), 2);
    Clubs[4].Country = 99;  // a league that is not played: the first item
    EXPECT_EQ(SummaryReferenceLeague(), 0);
}

TEST_F(SeasonTurn, CompetitionPlacingIsTheFirstRecordOfThatSeasonAndPlace)
{
    Competitions = {TCompetition{0, -1, -1}, TCompetition{1, 29, 1}, TCompetition{2, 29, -1}};
    Placings = {TPlacing{1, 2, 6, 1, -1}, TPlacing{2, 2, 3, 1, -1}, TPlacing{2, 2, 4, 2, -1}, TPlacing{2, 2, 5, 1, -1}};
    EXPECT_EQ(FindCompetitionPlacing(29, 1, 2, kKindNationalCup), 3);
    EXPECT_EQ(FindCompetitionPlacing(29, 2, 2, kKindNationalCup), 4);
    EXPECT_EQ(FindCompetitionPlacing(29, 1, 1, kKindNationalCup), 6);
    EXPECT_EQ(FindCompetitionPlacing(29, 1, 2, kKindNationalLeague), -1);
    EXPECT_EQ(FindCompetitionPlacing(29, 3, 2, kKindNationalCup), -1);
}

}  // namespace
