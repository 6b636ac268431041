#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "core/records/cup_tie.h"
#include "core/draws/state_championship.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {
namespace {

int CountryId(const std::string& name)
{
    for (std::size_t i = 0; i < CountryNames.size(); ++i)
        if (name == CountryNames[i]) return static_cast<int>(i);
    ADD_FAILURE() << "no country " << name;
    return -1;
}

void FreshGame()
{
    ResetGameState();
    ResetGameTables();
    for (int& slot : Game.HumanClubs) slot = -1;
    for (int& slot : Game.HumanCoachSlots) slot = -1;
    for (int& nation : Game.HumanNations) nation = -1;
    for (TCupTie& tie : NationalCupTies.ties) tie = TCupTie{};
    for (TCupTie& tie : ClubWorldCupTies.ties) tie = TCupTie{};
    for (TStateChampionship& state : StateChampionships) state = TStateChampionship{};
    Clubs.resize(40);
}

void MakeHuman(int club, int slot)
{
    Clubs[static_cast<std::size_t>(club)].IsHuman = 1;
    Game.HumanClubs[slot] = club;
    Game.HumanClubCount = std::max(Game.HumanClubCount, slot + 1);
}

int AddLeague(int country)
{
    TLeague league;
    league.country = country;
    league.divisionCount = 1;
    Leagues.push_back(league);
    return static_cast<int>(Leagues.size()) - 1;
}

TEST(Confederations, EveryCountryBelongsToOne)
{
    std::map<int, int> members;
    for (int id = 0; id <= 201; ++id) ++members[ConfederationOfCountry(id)];
    EXPECT_EQ(members[kConfEurope], 55);
    EXPECT_EQ(members[kConfSouthAmerica], 11);
    EXPECT_EQ(members[kConfAfrica], 50);
    EXPECT_EQ(members[kConfAsia], 45);
    EXPECT_EQ(members[kConfNorthCentralAmerica], 34);
    EXPECT_EQ(members[kConfOceania], 7);
    EXPECT_EQ(ConfederationOfCountry(202), kConfEurope);  // the custom country
    EXPECT_EQ(ConfederationOfCountry(CountryId("Brasil")), kConfSouthAmerica);
    EXPECT_EQ(ConfederationOfCountry(CountryId("México")), kConfSouthAmerica);
    EXPECT_EQ(ConfederationOfCountry(CountryId("Israel")), kConfEurope);
    EXPECT_EQ(ConfederationOfCountry(CountryId("Maldivas")), kConfAfrica);
    EXPECT_EQ(ConfederationOfCountry(CountryId("Chade")), kConfAsia);
    EXPECT_EQ(ConfederationOfCountry(CountryId("Guiana")), kConfNorthCentralAmerica);
    EXPECT_EQ(ConfederationOfCountry(CountryId("Taiti")), kConfOceania);
}

TEST(Confederations, ContinentalCupPlaces)
{
    int southAmerica = 0, firstEurope = 0, secondEurope = 0;
    for (int id = 0; id <= 202; ++id) {
        EXPECT_EQ(GetContinentalCupPlaces(id, kKindFirstContinentalCup, 1),
                  GetContinentalCupPlaces(id, kKindSecondContinentalCup, 1));
        southAmerica += GetContinentalCupPlaces(id, kKindFirstContinentalCup, 1);
        firstEurope += GetContinentalCupPlaces(id, kKindFirstContinentalCup, 2);
        secondEurope += GetContinentalCupPlaces(id, kKindSecondContinentalCup, 2);
        EXPECT_EQ(GetContinentalCupPlaces(id, kKindClubWorldCup, 1), 0);
        EXPECT_EQ(GetContinentalCupPlaces(id, kKindFirstContinentalCup, 3), 0);
    }
    EXPECT_EQ(southAmerica, 32);
    EXPECT_EQ(firstEurope, 30);
    EXPECT_EQ(secondEurope, 33);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Brasil"), kKindFirstContinentalCup, 1), 4);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Brasil"), kKindFirstContinentalCup, 2), 0);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Espanha"), kKindFirstContinentalCup, 2), 4);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Espanha"), kKindSecondContinentalCup, 2), 3);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Georgia"), kKindSecondContinentalCup, 2), 1);
    EXPECT_EQ(GetContinentalCupPlaces(CountryId("Georgia"), kKindFirstContinentalCup, 2), 0);
}

TEST(FindCompetition, NormalisesTheKeysOfEachKind)
{
    FreshGame();
    Competitions = {
        {},                  // element 0: no competition
        {1, 29, 1},          // 1: first division of Brasil
        {1, 29, 2},          // 2
        {2, 29, -1},         // 3: Copa do Brasil
        {3, 24, 1},          // 4: state 24, level 1
        {4, -1, 1},          // 5: Libertadores
        {4, -1, 0},          // 6: Liga dos Campeões
        {6, -1, 0},          // 7
        {5, -1, -1},         // 8
        {7, -1, -1},         // 9
    };
    EXPECT_EQ(FindCompetition(1, 29, 2, 7, 7), 2);
    EXPECT_EQ(FindCompetition(1, 29, 3, -1, -1), 0);
    EXPECT_EQ(FindCompetition(2, 29, 4, 7, 7), 3);
    EXPECT_EQ(FindCompetition(3, 29, 1, 1, 24), 4);
    EXPECT_EQ(FindCompetition(3, 29, 1, 24, 1), 0);
    EXPECT_EQ(FindCompetition(4, CountryId("Brasil"), 1, 5, 5), 5);
    EXPECT_EQ(FindCompetition(4, CountryId("Inglaterra"), 1, 5, 5), 6);
    EXPECT_EQ(FindCompetition(4, CountryId("Japão"), 1, -1, -1), 0);  // Asia has no edition
    EXPECT_EQ(FindCompetition(6, 202, 1, -1, -1), 7);
    EXPECT_EQ(FindCompetition(5, 29, 1, 2, 3), 8);
    EXPECT_EQ(FindCompetition(7, 29, 1, 2, 3), 9);
    EXPECT_EQ(FindCompetition(0, -1, -1, -1, -1), 0);
    EXPECT_EQ(FindCompetition(10, -1, -1, -1, -1), 0);

    Competitions = {{1, 29, 1}};  // fewer than two elements: element 0 is never a competition
    EXPECT_EQ(FindCompetition(1, 29, 1, -1, -1), 0);
}

TEST(Lookups, LeaguesAndHumanCoaches)
{
    FreshGame();
    AddLeague(29);
    AddLeague(65);
    AddLeague(29);
    EXPECT_EQ(FindLeagueByCountry(29), 0);
    EXPECT_EQ(FindLeagueByCountry(65), 1);
    EXPECT_EQ(FindLeagueByCountry(3), -1);
    EXPECT_EQ(CountHumanCoaches(), 0);
    Game.HumanCoachSlots[0] = 0;
    Game.HumanCoachSlots[4] = 12;
    EXPECT_EQ(CountHumanCoaches(), 2);
}

TEST(Presence, ContinentalAndStateChampionships)
{
    FreshGame();
    EXPECT_FALSE(HasHumanClubs());
    Clubs[5].FirstContinentalEntry = 1;  // not human
    EXPECT_FALSE(AnyHumanClubInFirstContinentalCup());

    MakeHuman(7, 2);  // slot 3, earlier slots empty
    EXPECT_TRUE(HasHumanClubs());
    Clubs[7].Country = CountryId("Espanha");
    Clubs[7].SecondContinentalEntry = 1;
    EXPECT_FALSE(AnyHumanClubInFirstContinentalCup());
    EXPECT_TRUE(AnyHumanClubInSecondContinentalCup());
    EXPECT_TRUE(AnyHumanClubInSecondContinentalCupOf(kConfEurope));
    EXPECT_FALSE(AnyHumanClubInSecondContinentalCupOf(kConfSouthAmerica));
    EXPECT_FALSE(AnyHumanClubInFirstContinentalCupOf(kConfEurope));

    Clubs[7].StateEntry = 1;
    Clubs[7].State = 24;
    EXPECT_FALSE(AnyHumanClubInStateChampionship());
    StateChampionships[24].humanClubPresent = 1;
    EXPECT_TRUE(AnyHumanClubInStateChampionship());
    Clubs[7].State = 40;  // not a state
    EXPECT_FALSE(AnyHumanClubInStateChampionship());
}

TEST(Presence, NationalCupNeedsAFirstStageInStageOne)
{
    FreshGame();
    const int league = AddLeague(29);
    MakeHuman(3, 0);
    Clubs[3].Country = 29;
    Clubs[3].nationalCupEntry = 1;
    Game.NationalCupStage = 2;
    EXPECT_TRUE(AnyHumanClubInNationalCup());
    Game.NationalCupStage = 0;
    EXPECT_FALSE(AnyHumanClubInNationalCup());
    Game.NationalCupStage = 1;
    EXPECT_FALSE(AnyHumanClubInNationalCup());
    EXPECT_FALSE(AnyNationalCupScheduled());
    EXPECT_FALSE(AnyHumanLeagueNationalCup());

    AppendFixture(-1, -1, 1, kKindNationalCup, league, 1, 31, 0);
    EXPECT_TRUE(AnyHumanClubInNationalCup());
    EXPECT_TRUE(AnyNationalCupScheduled());
    EXPECT_FALSE(AnyHumanLeagueNationalCup());
    Leagues[0].humanPresent = 1;
    EXPECT_TRUE(AnyHumanLeagueNationalCup());
}

TEST(Presence, ClubWorldCupRoundAndNationalTeams)
{
    FreshGame();
    // Empty ties (-1) never match the empty human slots.
    for (int stage = 0; stage <= 4; ++stage) {
        Game.ClubWorldCupStage = stage;
        EXPECT_FALSE(AnyHumanClubInClubWorldCupRound());
    }
    MakeHuman(9, 0);
    ClubWorldCupTies[4].secondTeam = 9;
    Game.ClubWorldCupStage = 1;
    EXPECT_FALSE(AnyHumanClubInClubWorldCupRound());
    Game.ClubWorldCupStage = 2;
    EXPECT_TRUE(AnyHumanClubInClubWorldCupRound());

    EXPECT_FALSE(AnyHumanNationInTournament());
    Game.HumanNationCount = 1;
    Game.HumanNations[0] = 30;
    EXPECT_FALSE(AnyHumanNationInTournament());
    Clubs[30].NationalTeamCupEntry = 1;
    EXPECT_TRUE(AnyHumanNationInTournament());
    Game.HumanNationCount = 0;
    EXPECT_FALSE(AnyHumanNationInTournament());
}

TEST(ScreenChoices, LeagueToShow)
{
    FreshGame();
    AddLeague(29);
    AddLeague(65);
    NationalCupLeague = 1;
    EXPECT_EQ(PickLeagueToShow(), 1);
    NationalCupLeague = 7;  // stale
    EXPECT_EQ(PickLeagueToShow(), 0);
    Leagues[1].shown = 1;
    EXPECT_EQ(PickLeagueToShow(), -1);
}

TEST(ScreenChoices, NationalCupLeagueToShow)
{
    FreshGame();
    AddLeague(29);
    AddLeague(65);
    AddLeague(3);
    NationalCupLeague = 0;
    Game.NationalCupStage = 1;
    EXPECT_EQ(PickNationalCupLeagueToShow(), -1);  // no first stage anywhere
    AppendFixture(-1, -1, 1, kKindNationalCup, 2, 1, 31, 0);
    EXPECT_EQ(PickNationalCupLeagueToShow(), 2);  // the first league with a first stage
    AppendFixture(-1, -1, 1, kKindNationalCup, 0, 1, 31, 0);
    EXPECT_EQ(PickNationalCupLeagueToShow(), 0);
    Leagues[1].humanPresent = 1;  // followed, but its cup has no first stage
    EXPECT_EQ(PickNationalCupLeagueToShow(), 0);
    Leagues[2].shown = 1;
    EXPECT_EQ(PickNationalCupLeagueToShow(), -1);

    Game.NationalCupStage = 3;
    EXPECT_EQ(PickNationalCupLeagueToShow(), -1);
    Leagues[1].humanPresent = 0;
    Leagues[2].shown = 0;
    NationalCupLeague = 9;
    EXPECT_EQ(PickNationalCupLeagueToShow(), 0);
    NationalCupLeague = 2;
    EXPECT_EQ(PickNationalCupLeagueToShow(), 2);
    Game.NationalCupStage = 0;
    EXPECT_EQ(PickNationalCupLeagueToShow(), -1);
}

TCupTie Tie(int first, int second)
{
    TCupTie tie;
    tie.firstTeam = first;
    tie.secondTeam = second;
    return tie;
}

struct Opponent {
    int club = -7, side = -7, key = -7;
};

Opponent NextOpponent(int club)
{
    Opponent o;
    FindNextOpponent(club, o.club, o.side, o.key);
    return o;
}

TEST(NextOpponent, FriendliesOfTheDay)
{
    FreshGame();
    Game.Season = 2;
    Game.LeagueFormat = kDivisionsOf20;
    BuildCalendar();
    Game.DayIndex = 3;
    Game.DayKind = kKindFriendlies;
    Friendlies = {
        TFriendly{1, 2, 1, {}, Calendar[3].date},
        TFriendly{4, 5, 1, {}, Calendar[6].date},
        TFriendly{6, 1, 1, {}, Calendar[3].date},
    };
    const Opponent none = NextOpponent(9);
    EXPECT_EQ(none.club, -7);  // left as the caller set it
    EXPECT_EQ(none.side, -7);
    EXPECT_EQ(none.key, -7);
    const Opponent one = NextOpponent(1);  // the last friendly of the club decides
    EXPECT_EQ(one.club, 6);
    EXPECT_EQ(one.side, 1);
    EXPECT_EQ(one.key, 2);
    const Opponent two = NextOpponent(2);
    EXPECT_EQ(two.club, 1);
    EXPECT_EQ(two.side, 1);
    EXPECT_EQ(two.key, 1);
}

TEST(NextOpponent, NationalTeamGroupsAndKnockouts)
{
    FreshGame();
    Game.DayKind = kKindWorldCup;
    for (int g = 0; g < 8; ++g)
        for (int p = 0; p < 4; ++p) Game.NationalGroups[g][p] = 100 + 4 * g + p;
    Clubs[20].NationalTeamGroup = 3;
    Clubs[20].nationalTeamGroupPlace = 4;
    Game.TournamentStage = 2;  // round 2: 1-3 and 4-2
    Game.tournamentLeg = 1;
    Opponent o = NextOpponent(20);
    EXPECT_EQ(o.club, 109);  // place 2 of group 3
    EXPECT_EQ(o.side, 0);
    EXPECT_EQ(o.key, 6);     // group 3 times match 2
    Game.TournamentStage = 3;  // round 3: 4-1
    o = NextOpponent(20);
    EXPECT_EQ(o.club, 108);
    EXPECT_EQ(o.side, 0);
    EXPECT_EQ(o.key, 3);
    Game.tournamentLeg = 2;  // a return leg swaps the grounds
    o = NextOpponent(20);
    EXPECT_EQ(o.side, 1);

    Game.TournamentStage = 5;  // quarter-finals: ties 9..12
    NationalCupTies[3] = Tie(20, 21);
    NationalCupTies[10] = Tie(22, 20);
    o = NextOpponent(20);
    EXPECT_EQ(o.club, 22);
    EXPECT_EQ(o.side, 0);
    EXPECT_EQ(o.key, 10);
    Game.DayKind = kKindEurocopa;  // stage 5 of the smaller tournaments: ties 5..6
    NationalCupTies[5] = Tie(20, 23);
    o = NextOpponent(20);
    EXPECT_EQ(o.club, 23);
    EXPECT_EQ(o.side, 1);
    EXPECT_EQ(o.key, 5);
    Game.TournamentStage = 7;  // no such stage in a 16-team tournament
    EXPECT_EQ(NextOpponent(20).club, -7);
}

TEST(NextOpponent, ClubWorldCupAndOtherKinds)
{
    FreshGame();
    Game.DayKind = kKindClubWorldCup;
    Game.ClubWorldCupStage = 3;
    ClubWorldCupTies[6] = Tie(11, 12);
    Opponent o = NextOpponent(12);
    EXPECT_EQ(o.club, 11);
    EXPECT_EQ(o.side, 0);
    EXPECT_EQ(o.key, 6);
    Game.ClubWorldCupStage = 1;  // ties 1 and 2 not yet drawn: no club is their -1
    EXPECT_EQ(NextOpponent(-1).club, -7);
    Game.DayKind = kKindNationalLeague;
    EXPECT_EQ(NextOpponent(12).club, -7);
}

TEST(HumanSlots, SortedWithEmptySlotsLastAndStateFlagsRenewed)
{
    FreshGame();
    const std::array<int, 6> slots = {7, -1, 3, -1, -1, 12};
    for (int i = 0; i < 6; ++i) Game.HumanClubs[i] = slots[static_cast<std::size_t>(i)];
    Clubs[12].IsHuman = 1;
    StateChampionships[1].humanClubPresent = 1;  // stale
    StateChampionships[2].groupCount = 1;
    for (auto& tier : StateChampionships[2].groups)
        for (int& place : tier) place = -1;
    StateChampionships[2].groups[1][3] = 12;  // reserve tier of a one-tier state
    StateChampionships[3].groupCount = 1;
    for (auto& tier : StateChampionships[3].groups)
        for (int& place : tier) place = -1;
    StateChampionships[3].groups[2][0] = 12;  // below the reserve tier: not in the championship
    Game.StateChampionshipsOn = 1;
    SortHumanClubSlots();
    EXPECT_EQ(Game.HumanClubs[0], 3);
    EXPECT_EQ(Game.HumanClubs[1], 7);
    EXPECT_EQ(Game.HumanClubs[2], 12);
    EXPECT_EQ(Game.HumanClubs[3], -1);
    EXPECT_EQ(Game.HumanClubs[5], -1);
    EXPECT_EQ(StateChampionships[1].humanClubPresent, 0);
    EXPECT_EQ(StateChampionships[2].humanClubPresent, 1);
    EXPECT_EQ(StateChampionships[3].humanClubPresent, 0);
}

TEST(HumanSlots, SortIntsSortsAnyOrder)
{
    int values[] = {5, -3, 9, 9, 0, 5000, 2, -3};
    SortInts(values, 8);
    const int sorted[] = {-3, -3, 0, 2, 5, 9, 9, 5000};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(values[i], sorted[i]);
    int one[] = {4};
    SortInts(one, 1);
    SortInts(nullptr, 0);
    EXPECT_EQ(one[0], 4);
}

TEST(Competitions, ANewGameEmptiesTheTableAndForgetsTheCupLeague)
{
    Competitions.assign(4, TCompetition{});
    NationalCupLeague = 3;
    ResetGameTables();
    EXPECT_TRUE(Competitions.empty());
    EXPECT_EQ(NationalCupLeague, -1);
}

}  // namespace
}  // namespace tarvelon
