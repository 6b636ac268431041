// A whole season rollover on a synthetic world (Brazil with four divisions of 20 and the state
// championships, Argentina with two, guest clubs and national teams), every competition on: the
// invariants of the new season and the rollover's own order of resets, draws and payments.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/basics/random.h"
#include "core/draws/national_cup.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/rollover/season_rollover.h"
#include "tests/core/draws_world.h"
#include "tests/core/rollover_world.h"

using namespace tarvelon;
using namespace tarvelon::drawtest;
using rollovertest::ServiceLog;

namespace {

class SeasonRollover : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildSeasonOneWorld();
        rollovertest::InstallStandInServices(log);
    }
    void TearDown() override { rollovertest::RemoveServices(); }

    static void BuildSeasonOneWorld()
    {
        RandSeed = 515;
        BuildWorld(1);
        Game.saveVersion = kSaveVersion;
        Game.nationalCupOn = 1;
        Game.StateChampionshipsOn = 1;
        Game.firstContinentalPairOn = 1;
        Game.secondContinentalPairOn = 1;
        Game.worldCupOn = 1;
        Game.copaAmericaOn = 1;
        Game.eurocopaOn = 1;
        TicketPrices = DefaultTicketPrices;
        ClubFinances.assign(Clubs.size(), TClubFinance{});
        for (int club = 0; club < Game.LeagueClubCount; ++club) {
            TCoach coach{};
            coach.name.set("Técnico " + std::to_string(club));
            coach.club = club;
            coach.active = 1;
            Clubs[club].coach = static_cast<int>(Coaches.size());
            Coaches.push_back(coach);
            for (int age = 18; age < 40; age += 3) rollovertest::AddPlayer(club, age, age % 5);
            ClubFinances[club].bankLoan = 5000 + club;
            ClubFinances[club].ticketIncome = 77;
            Clubs[club].boardConfidence = 30 + club % 70;
            Clubs[club].Points[1] = 40;
            Clubs[club].Place[3] = 2;
        }
        Clubs[0].IsHuman = 1;
        Clubs[0].cash = CurrencyFromUnits(100);
        DrawStateChampionships();
        BuildCalendar();
        MatchReports.resize(3);
        ReportEvents.resize(9);
        GoalTallies.resize(4);
        AllTimeGoalTallies.resize(4);
        Appearances.resize(5);
        SubAppearances.resize(2);
        Fixtures.resize(30);
        SeasonMatchesOver = true;
    }

    ServiceLog log;
};

// The end-of-season screen's part: the season that has just ended, then the rollover.
void RollOverSeasonOne()
{
    SummarySeason = 1;
    NewSeasonRollover();
}

int CountFixtures(int kind)
{
    return static_cast<int>(std::count_if(Fixtures.begin(), Fixtures.end(), [kind](const TFixture& f) { return f.kind == kind; }));
}

}  // namespace

TEST_F(SeasonRollover, EveryClubIsInOneDivisionAndCountsStay)
{
    std::vector<int> clubsBefore;
    for (const TLeague& league : Leagues) clubsBefore.push_back(league.divisionCount);
    RollOverSeasonOne();
    for (std::size_t l = 0; l < Leagues.size(); ++l) {
        const TLeague& league = Leagues[l];
        EXPECT_EQ(league.divisionCount, clubsBefore[l]);
        std::map<int, int> seen;
        for (int d = 1; d <= league.divisionCount; ++d)
            for (int p = 0; p < 20; ++p) {
                const int club = league.divisions[d - 1][p];
                ASSERT_TRUE(IsRealClub(club));
                EXPECT_EQ(Clubs[club].Division, d);
                EXPECT_EQ(Clubs[club].Country, league.country);
                ++seen[club];
            }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(league.divisionCount * 20));
        for (int club = 0; club < Game.LeagueClubCount; ++club)
            if (Clubs[club].Country == league.country && !seen.count(club)) {
                EXPECT_EQ(Clubs[club].Division, 0);
            }
    }
}

TEST_F(SeasonRollover, SeasonTablesAccountsAndStandingsStartAfresh)
{
    RollOverSeasonOne();
    EXPECT_EQ(Game.Season, 2);
    EXPECT_TRUE(MatchReports.empty());
    EXPECT_TRUE(ReportEvents.empty());  // emptied with the reports they point into
    EXPECT_TRUE(GoalTallies.empty());
    EXPECT_TRUE(AllTimeGoalTallies.empty());
    EXPECT_TRUE(Appearances.empty());
    EXPECT_TRUE(SubAppearances.empty());
    EXPECT_FALSE(SeasonMatchesOver);
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        EXPECT_EQ(ClubFinances[club].bankLoan, 5000 + club);
        EXPECT_EQ(ClubFinances[club].ticketIncome, 0);
        EXPECT_GE(Clubs[club].boardConfidence, 80);
        EXPECT_GE(Clubs[club].SupportersMood, 80);
        EXPECT_EQ(Clubs[club].Points[1], 0);
    }
    EXPECT_EQ(Game.NationalCupStage, 1);
    EXPECT_EQ(Game.NationalCupLeg, 1);
    EXPECT_EQ(Game.nationalCupRound, 1);
    EXPECT_EQ(Game.StateTurn, 1);
    EXPECT_EQ(Game.StateStage, 1);
    EXPECT_EQ(Game.LeagueRound, 1);
    EXPECT_EQ(Game.LeagueTurn, 1);
    // Cleared, then the 12-team draw of 2011 writes its teams: the other 20 places stay -1.
    int cleared = 0;
    for (const auto& row : Game.tournamentRows)
        for (int entry : row) {
            if (entry == -1) ++cleared;
            else EXPECT_GE(entry, Game.LeagueClubCount + Game.ExtraClubCount);
        }
    EXPECT_EQ(cleared, 32 - 12);
    for (const TCupTie& tie : ClubWorldCupTies.ties) {
        EXPECT_EQ(tie.firstTeam, -1);
        EXPECT_EQ(tie.winner, -1);
    }
}

TEST_F(SeasonRollover, PlayersAgeComputerClubsRetireesAreReplacedAndServicesRun)
{
    const std::size_t before = Players.size();
    std::vector<int> ages, humanSquad;
    for (std::size_t p = 0; p < before; ++p) {
        ages.push_back(Players[p].Age);
        if (p > 0 && Players[p].Club == 0) humanSquad.push_back(static_cast<int>(p));
    }
    RollOverSeasonOne();
    int retired = 0;
    for (std::size_t p = 1; p < before; ++p) {
        EXPECT_EQ(Players[p].Age, ages[p] + 1);
        if (Players[p].Club == -1) ++retired;
    }
    EXPECT_GT(retired, 0);
    EXPECT_EQ(Players.size(), before + static_cast<std::size_t>(retired));
    for (std::size_t p = before; p < Players.size(); ++p) EXPECT_EQ(Players[p].Age, 18);
    ASSERT_FALSE(humanSquad.empty());
    for (int p : humanSquad) EXPECT_EQ(Players[p].Club, 0);  // the human club keeps its old players
    EXPECT_EQ(log.wageBills.size(), static_cast<std::size_t>(Game.LeagueClubCount + Game.ExtraClubCount));
    EXPECT_EQ(log.surplusClubs.size(), Clubs.size());
}

TEST_F(SeasonRollover, NextSeasonsCalendarFixturesAndDrawsAreBuilt)
{
    RollOverSeasonOne();
    EXPECT_EQ(DecodeDate(Calendar[1].date).year, 2011);  // season 2
    int leagueMatches = 0;
    for (const TLeague& league : Leagues) leagueMatches += league.divisionCount * 20 * 19;
    EXPECT_EQ(CountFixtures(kKindNationalLeague), leagueMatches);
    EXPECT_GT(CountFixtures(kKindStateChampionship), 0);
    EXPECT_GT(CountFixtures(kKindNationalCup), 0);
    EXPECT_GT(CountFixtures(kKindFirstContinentalCup), 0);
    EXPECT_GT(CountFixtures(kKindSecondContinentalCup), 0);
    for (const TFixture& f : Fixtures) {
        EXPECT_EQ(f.played, 0);
        if (f.kind == kKindNationalLeague) {
            EXPECT_TRUE(IsRealClub(f.home));
            EXPECT_TRUE(IsRealClub(f.away));
            EXPECT_EQ(Clubs[f.home].Division, Clubs[f.away].Division);
        }
    }
    bool tournamentDrawn = false;
    for (const auto& group : Game.NationalGroups)
        for (int team : group) tournamentDrawn = tournamentDrawn || IsRealClub(team);
    EXPECT_TRUE(tournamentDrawn);  // the national-team tournament of 2011
}

TEST_F(SeasonRollover, StepsRunInTheirOrder)
{
    // Values and wages are renewed before the wage bills, before the ageing and its youths, before
    // the surplus lists; the season number moves on after them and the money comes last.
    std::vector<std::string> steps;
    const auto note = [&steps](const std::string& step) {
        if (steps.empty() || steps.back() != step) steps.push_back(step);
    };
    const int veteran = 1;
    const int ageBefore = Players[veteran].Age;
    int ageSeenByValue = -1;
    RolloverServices& s = Rollover();
    s.computePlayerValue = [&](int p) {
        note("value");
        if (p == veteran) ageSeenByValue = Players[p].Age;
        return std::int64_t{1000};
    };
    s.computePlayerWage = [&](int) { note("value"); return std::int64_t{600}; };
    s.recalcClubWageBill = [&](int) { note("wage bill"); };
    const auto youth = s.createYouthReplacement;
    s.createYouthReplacement = [&, youth](int p, const std::string& name, int position) {
        note(Game.Season == 1 ? "youth" : "youth after the new season");
        youth(p, name, position);
    };
    s.listSurplusPlayers = [&](int) { note(Game.Season == 1 ? "surplus" : "surplus after the new season"); };
    RollOverSeasonOne();
    EXPECT_EQ(steps, (std::vector<std::string>{"value", "wage bill", "youth", "surplus"}));
    EXPECT_EQ(ageSeenByValue, ageBefore);
    EXPECT_EQ(Players[veteran].Age, ageBefore + 1);
}

TEST_F(SeasonRollover, QualifiersAreTakenFromTheSeasonThatHasJustEnded)
{
    std::set<int> seasonsAsked;
    Draws().findChampion = [&](int, int, int season) {
        seasonsAsked.insert(season);
        return -1;
    };
    RollOverSeasonOne();
    EXPECT_EQ(seasonsAsked, std::set<int>{1});
}

TEST_F(SeasonRollover, NewSeasonMoneyIsPaidLast)
{
    RollOverSeasonOne();
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(100 + (Clubs[0].Division == 1   ? 3'000'000
                                                      : Clubs[0].Division == 2 ? 1'500'000
                                                      : Clubs[0].Division == 3 ? 1'000'000
                                                      : Clubs[0].Division == 4 ? 800'000
                                                                               : 0)));
    for (int club = 1; club < Game.LeagueClubCount; ++club) {
        const std::int64_t units = CurrencyUnits(Clubs[club].cash);
        switch (Clubs[club].Division) {
        case 1: EXPECT_GE(units, 12'000'000); EXPECT_LT(units, 13'000'000); break;
        case 2: EXPECT_GE(units, 9'000'000); EXPECT_LT(units, 10'000'000); break;
        case 3: EXPECT_GE(units, 4'000'000); EXPECT_LT(units, 5'000'000); break;
        case 4: EXPECT_GE(units, 1'000'000); EXPECT_LT(units, 1'500'000); break;
        default: EXPECT_GE(units, 200'000); EXPECT_LT(units, 400'000); break;
        }
    }
}

TEST_F(SeasonRollover, SameSeedSameNewSeason)
{
    RandSeed = 9;
    RollOverSeasonOne();
    const std::string first = DrawSnapshot();
    BuildSeasonOneWorld();
    RandSeed = 9;
    RollOverSeasonOne();
    EXPECT_EQ(DrawSnapshot(), first);
}

TEST(SeasonRolloverWithoutLeagues, NoLeagueMeansNoFixturesAndMoneyAtOnce)
{
    drawtest::ResetWorld(1);
    AppendGuestClubs(60, 3);
    Game.nationalCupOn = 1;
    Game.firstContinentalPairOn = 1;
    RollOverSeasonOne();
    EXPECT_TRUE(Fixtures.empty());
    for (int club = 0; club < 3; ++club) {
        EXPECT_GE(CurrencyUnits(Clubs[club].cash), 200'000);
        EXPECT_LT(CurrencyUnits(Clubs[club].cash), 400'000);
    }
    EXPECT_EQ(Game.Season, 2);
}
