// The calendar advance: a whole season walked day by day to its end, the one-shot steps (the
// revaluation at mid-season, the national squads on a tournament's first day, the call-up offer),
// the end of a tournament, the auction chance, the transfer counts and the exits.
#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/economy/player_value.h"
#include "core/hooks.h"
#include "core/records/matchday_globals.h"
#include "core/progression/calendar_advance.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/progression_services.h"
#include "tests/core/progression_world.h"
#include "tests/core/season_test_setup.h"

namespace tarvelon {
namespace {

std::vector<int> PlayingDaysAfter(int day)
{
    std::vector<int> days;
    for (int d = day + 1; d <= kCalendarDays; ++d)
        if (Calendar[d].dayKind > kKindFriendlies)
            days.push_back(d);
    return days;
}

// Clubs of the progression world in a season with every competition and its calendar.
void SeasonWithClubs(int count, int leagueClubs, int season = 1)
{
    progtest::BuildClubs(count, leagueClubs);
    Game.Season = season;
    Game.nationalCupOn = Game.StateChampionshipsOn = 1;
    Game.firstContinentalPairOn = Game.secondContinentalPairOn = 1;
    Game.worldCupOn = Game.copaAmericaOn = Game.eurocopaOn = 1;
    BuildCalendar();
    Game.ClubWorldCupStage = 2;
    Game.DayIndex = 1;
}

class CalendarAdvanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpSeasonGame(1, kDivisionsOf20);
        Progression() = ProgressionServices{};
        Hooks().showNationalCallUp = nullptr;
        Game.ClubWorldCupStage = 2;  // no club world cup to draw in this empty world
        Game.DayIndex = 1;
        Game.DayKind = Calendar[1].dayKind;
        TournamentJustEnded = false;
    }
};

TEST_F(CalendarAdvanceTest, WalksEveryPlayingDayOfTheSeasonToItsEnd)
{
    const std::vector<int> expected = PlayingDaysAfter(1);
    ASSERT_GT(expected.size(), 50u);
    std::vector<int> visited;
    std::vector<int> closed;
    Progression().closeStateGroups = [&closed] { closed.push_back(kKindStateChampionship); };
    Progression().closeContinentalGroups = [&closed](int kind) { closed.push_back(kind); };
    CalendarExit exit = CalendarExit::Hub;
    for (int step = 0; step < 200; ++step) {
        const int played = Game.DayKind;
        const std::size_t closes = closed.size();
        exit = AdvanceCalendar();
        const bool closesGroups = played == kKindStateChampionship || played == kKindFirstContinentalCup ||
                                  played == kKindSecondContinentalCup;
        EXPECT_EQ(closed.size(), closes + (closesGroups ? 1 : 0));
        if (exit == CalendarExit::SeasonEnd)
            break;
        EXPECT_EQ(exit, CalendarExit::NextMatchday);  // no human side: the next day is played at once
        EXPECT_EQ(Game.DayKind, Calendar[Game.DayIndex].dayKind);
        EXPECT_EQ(NextDayKind, Game.DayKind);
        visited.push_back(Game.DayIndex);
    }
    EXPECT_EQ(exit, CalendarExit::SeasonEnd);
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(NextDayKind, -1);
    EXPECT_EQ(Game.DayKind, -1);
    // Asked again at the end, the season stays over: the last day is never played twice.
    EXPECT_EQ(AdvanceCalendar(), CalendarExit::SeasonEnd);
    EXPECT_EQ(Game.DayIndex, kCalendarDays);
}

TEST_F(CalendarAdvanceTest, ContinentalDaysStartWithTheFirstEdition)
{
    Game.DayIndex = 0;
    for (int d = 1; d <= kCalendarDays; ++d)
        Calendar[d].dayKind = d == 5 ? kKindFirstContinentalCup : kNoMatchDay;
    CurrentLeague = 7;
    EXPECT_EQ(AdvanceCalendar(), CalendarExit::NextMatchday);
    EXPECT_EQ(Game.DayIndex, 5);
    EXPECT_EQ(CurrentLeague, 1);
}

TEST_F(CalendarAdvanceTest, MidSeasonRevaluationOnceAtTheSecondTurn)
{
    SeasonWithClubs(2, 2);
    Clubs[0].Level = Clubs[1].Level = 15;
    for (int i = 0; i < 3; ++i) {
        TPlayer p{};
        p.Club = i < 2 ? i : -1;  // the third is free
        p.Age = 24;
        p.Strength = 70;
        p.Position = 3;
        Players.push_back(p);
    }
    Game.LeagueRound = 1;
    Game.LeagueTurn = 2;
    AdvanceCalendar();
    EXPECT_EQ(Game.MidSeasonRevalued, 1);
    EXPECT_EQ(Players[1].Value, CurrencyFromUnits(ComputePlayerValue(1)));
    EXPECT_GT(Players[1].Value, 0);
    EXPECT_EQ(Players[3].Value, 0);
    Players[1].Value = 1;
    AdvanceCalendar();
    EXPECT_EQ(Players[1].Value, 1);
}

TEST_F(CalendarAdvanceTest, TournamentFirstDayPreparesSquadsOnceAndRefillsEnergy)
{
    for (int d = 1; d <= kCalendarDays; ++d)
        Calendar[d].dayKind = d >= 3 && d <= 5 ? kKindWorldCup : kNoMatchDay;
    TPlayer tired{};
    tired.Club = -1;
    tired.Energy = 20;
    Players.push_back(tired);
    Players[0].Energy = 3;
    int prepared = 0;
    Progression().prepareTournamentSquads = [&prepared] { ++prepared; };
    EXPECT_EQ(AdvanceCalendar(), CalendarExit::NextMatchday);
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(Game.TournamentSquadsReady, 1);
    EXPECT_EQ(Players[0].Energy, 100);
    EXPECT_EQ(Players[1].Energy, 100);
    Players[1].Energy = 40;
    AdvanceCalendar();
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(Players[1].Energy, 40);
}

TEST_F(CalendarAdvanceTest, TournamentEndSendsCalledUpPlayersHome)
{
    SeasonWithClubs(4, 2);
    TPlayer p{};
    p.Club = 3;  // with national team 3
    Players.push_back(p);
    CallUps.push_back(TCallUp{1, 0});
    Clubs[3].IsHuman = 1;
    Clubs[3].coach = 2;
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = 3;
    TournamentJustEnded = true;
    AdvanceCalendar();
    EXPECT_EQ(Players[1].Club, 0);
    EXPECT_TRUE(CallUps.empty());
    EXPECT_EQ(Clubs[3].IsHuman, 0);
    EXPECT_EQ(Clubs[3].coach, -1);
    EXPECT_FALSE(TournamentJustEnded);
}

TEST_F(CalendarAdvanceTest, AuctionOnlyWhenAHumanSquadIsShort)
{
    SeasonWithClubs(2, 2);
    Game.HumanClubCount = 1;
    Game.HumanClubs[0] = 0;
    Clubs[0].IsHuman = 1;
    for (int i = 0; i < 25; ++i) {
        TPlayer p{};
        p.Club = 0;
        Players.push_back(p);
    }
    Game.DayKind = kKindNationalLeague;
    for (int seed = 1; seed <= 20; ++seed) {
        RandSeed = seed;
        EXPECT_EQ(ReturnToHub(), CalendarExit::Hub);
        EXPECT_EQ(AuctionRound, 0);
    }
    Players.pop_back();  // 24 players: an auction with chance 3 in 4
    int auctions = 0;
    for (int seed = 1; seed <= 40; ++seed) {
        RandSeed = seed;
        const CalendarExit exit = ReturnToHub();
        EXPECT_EQ(exit == CalendarExit::Auction, AuctionRound >= 1);
        if (exit == CalendarExit::Auction) {
            ++auctions;
            EXPECT_EQ(AuctionPlayer, -1);
        }
    }
    EXPECT_GT(auctions, 20);
    EXPECT_LT(auctions, 40);
    Game.DayKind = kKindNationalCup;
    EXPECT_EQ(ReturnToHub(), CalendarExit::Hub);
}

TEST_F(CalendarAdvanceTest, NationalCallUpOfferedOncePerTournament)
{
    Game.DayKind = kKindWorldCup;
    std::vector<int> shown;
    Hooks().showNationalCallUp = [&shown](int team) { shown.push_back(team); };
    // No human national team: nothing to offer, but the offer is spent.
    EXPECT_EQ(ReturnToHub(), CalendarExit::NationalHub);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(Game.TournamentCallUpDone, 1);
    EXPECT_FALSE(NeedsNationalCallUp());
}

TEST_F(CalendarAdvanceTest, TransferCountsByFormatDayAndSeason)
{
    Game.LeagueFormat = kDivisionsOf20;
    Game.DayIndex = 62;
    EXPECT_EQ(AiTransferCounts().anyLeague, 3);
    EXPECT_EQ(AiTransferCounts().stateLeague, 4);
    Game.DayIndex = 63;  // a day at the limit belongs to the next column
    EXPECT_EQ(AiTransferCounts().anyLeague, 1);
    EXPECT_EQ(AiTransferCounts().stateLeague, 2);
    Game.DayIndex = 136;
    RandSeed = 10;
    const int a = Random(3) + 2;
    const int b = Random(3) + 2;
    RandSeed = 10;
    const TransferCounts late = AiTransferCounts();
    EXPECT_EQ(late.anyLeague, a);
    EXPECT_EQ(late.stateLeague, b);
    Game.LeagueFormat = kDivisionsOf10;
    Game.DayIndex = 101;
    RandSeed = 10;
    const int c = Random(3) + 1;
    RandSeed = 10;
    EXPECT_EQ(AiTransferCounts().anyLeague, c);
    Game.LeagueFormat = 7;
    Game.Season = 6;
    EXPECT_EQ(AiTransferCounts().anyLeague, 5);
    EXPECT_EQ(AiTransferCounts().stateLeague, 5);
}

TEST_F(CalendarAdvanceTest, JobOfferWalksKeepTheCurrentHumanCoach)
{
    SeasonWithClubs(4, 4, 2);
    for (int& slot : Game.HumanCoachSlots)
        slot = -1;
    Game.HumanCoachSlots[0] = 1;
    Game.HumanCoachSlots[2] = 3;
    Coaches[3].club = -1;  // a jobless human coach
    Clubs[3].coach = -1;
    Game.CurrentHumanCoach = 1;
    Game.DayIndex = 1;
    Game.DayKind = kKindNationalLeague;
    Game.LeagueTurn = 2;
    Game.LeagueRound = 4;
    for (int seed = 1; seed <= 6; ++seed) {
        RandSeed = seed;
        Game.DayKind = kKindNationalLeague;
        AdvanceCalendar();
        EXPECT_EQ(Game.CurrentHumanCoach, 1);
    }
}

}  // namespace
}  // namespace tarvelon
