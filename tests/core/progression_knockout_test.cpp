// Two-leg knockout ties: the tie rules, the national cup and a continental cup played through to one
// champion, the boards' and supporters' reaction to ties, and the finals' prizes and honours.
#include <gtest/gtest.h>

#include <set>

#include "core/records/cup_tie.h"
#include "core/records/history_records.h"
#include "core/records/matchday_globals.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_progression.h"
#include "core/progression/knockout_ties.h"
#include "tests/core/progression_world.h"

namespace tarvelon {
namespace {

using namespace progtest;

TEST(TwoLegTie, LegsThenAggregateThenAwayGoalsThenShootout)
{
    // X wins 2-1 at home, loses 1-0 away: one leg each, 2-2, X's away goals 0 against Y's 1.
    EXPECT_EQ(DecideTwoLegTie(2, 1, 1, 0), 2);
    // X wins 1-0 at home, draws 1-1 away: one leg won against none.
    EXPECT_EQ(DecideTwoLegTie(1, 0, 1, 1), 1);
    // One leg each, aggregate decides.
    EXPECT_EQ(DecideTwoLegTie(3, 0, 1, 0), 1);
    // One leg each, aggregate level, X scored more away.
    EXPECT_EQ(DecideTwoLegTie(0, 1, 2, 3), 1);
    EXPECT_EQ(DecideTwoLegTie(1, 1, 1, 1), 3);
    EXPECT_EQ(DecideTwoLegTie(0, 0, 0, 0), 3);
}

// A final level after both legs: the shoot-out is the first leg's, its home club is side 1 and kicks
// first, and the first-leg record keeps the counts (the brackets read them there).
TEST(TwoLegTie, AShootOutIsThatOfTheFirstLegsHomeAndAwayClubs)
{
    const auto levelFinal = [] {
        BuildClubs(4, 4);
        const int first = AddTwoLegStage(kKindNationalCup, 0, 5, 1, {{0, 1}});
        for (const int leg : {first, first + 1}) {
            Fixtures[leg].homeGoals = Fixtures[leg].awayGoals = 1;
            Fixtures[leg].played = 1;
        }
        Game.DayKind = kKindNationalCup;
        Game.NationalCupStage = 5;
        Game.NationalCupLeg = 2;
        CurrentLeague = 0;
        return first;
    };
    const auto champion = [] {
        for (const TClubPlacing& p : ClubPlacings)
            if (p.place == 1)
                return p.club;
        return -1;
    };

    int first = levelFinal();
    int asked = -1;
    Progression().playShootout = [&asked](int fixture) {
        asked = fixture;
        return 1;
    };
    ResolveKnockoutStage();
    EXPECT_EQ(asked, first);
    EXPECT_EQ(champion(), 0);

    for (const std::uint32_t seed : {3u, 11u, 12345u, 987654u}) {
        first = levelFinal();  // no shoot-out service: the quick random one
        RandSeed = seed;
        const int x = Random(8) + 1;
        const int y = Random(8) + 1;
        RandSeed = seed;
        ResolveKnockoutStage();
        EXPECT_EQ(champion(), y <= x ? 0 : 1) << seed;
        EXPECT_EQ(Fixtures[first].homeShootout, y <= x ? x : y - 1) << seed;
        EXPECT_EQ(Fixtures[first].awayShootout, y <= x ? x - 1 : y) << seed;
        EXPECT_EQ(Fixtures[first + 1].homeShootout + Fixtures[first + 1].awayShootout, 0) << seed;
    }
}

TEST(TieMood, AmountsByStageWithinBounds)
{
    BuildClubs(4, 3);
    // A national cup quarter-final: winner mood +7 board +4; loser mood -5 board -2.
    ApplyTieMood(kKindNationalCup, 3, 1, 0);
    EXPECT_EQ(Clubs[0].SupportersMood, 57);
    EXPECT_EQ(Clubs[0].boardConfidence, 54);
    EXPECT_EQ(Clubs[1].SupportersMood, 45);
    EXPECT_EQ(Clubs[1].boardConfidence, 48);
    // A club of a country without a played league is left alone.
    ApplyTieMood(kKindFirstContinentalCup, 4, 3, 3);
    EXPECT_EQ(Clubs[3].SupportersMood, 50);
    EXPECT_EQ(Clubs[3].boardConfidence, 50);
    // Bounds: confidence never passes 100 nor drops below 0, whatever the cup.
    Clubs[0].boardConfidence = 99;
    Clubs[0].SupportersMood = 95;
    Clubs[1].boardConfidence = 1;
    Clubs[1].SupportersMood = 4;
    ApplyTieMood(kKindFirstContinentalCup, 7, 1, 0);
    EXPECT_EQ(Clubs[0].boardConfidence, 100);
    EXPECT_EQ(Clubs[0].SupportersMood, 100);
    EXPECT_EQ(Clubs[1].boardConfidence, 0);
    EXPECT_EQ(Clubs[1].SupportersMood, 0);
    // The second continental cup moves the winner's board by -3: it stays at 0, not below.
    Clubs[2].boardConfidence = 2;
    ApplyTieMood(kKindSecondContinentalCup, 5, 1, 2);
    EXPECT_EQ(Clubs[2].boardConfidence, 0);
    EXPECT_EQ(Clubs[1].SupportersMood, 0);
}

class CupFinalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildClubs(6, 4, kBrazil, kSpain);
        Leagues.push_back(TLeague{});
        Leagues[1].country = kSpain;  // Spain is played too: clubs 4 and 5 are extra clubs of it
    }

    int Final(int kind, int champion, int runnerUp)
    {
        return AppendFixture(runnerUp, champion, 7, kind, 1, 2, -1, kToday);
    }
};

TEST_F(CupFinalTest, NationalCupPrizesTitlesAndHonours)
{
    const int f = Final(kKindNationalCup, 0, 1);
    AwardCupFinal(0, f);
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(4000000));
    EXPECT_EQ(Clubs[1].cash, CurrencyFromUnits(2000000));
    EXPECT_TRUE(CashMatchesPrizeLedger());
    EXPECT_EQ(Coaches[0].titles[kKindNationalCup - 1], 1);
    EXPECT_EQ(Coaches[1].titles[kKindNationalCup - 1], 0);
    EXPECT_EQ(Clubs[0].honourPoints[kKindNationalCup - 1], 10);
    EXPECT_EQ(Clubs[1].honourPoints[kKindNationalCup - 1], 7);
    ASSERT_EQ(Placings.size(), 2u);
    EXPECT_EQ(Placings[0].club, 0);
    EXPECT_EQ(Placings[0].place, 1);
    EXPECT_EQ(Placings[0].competition, 1);
    ASSERT_EQ(CoachHonours.size(), 2u);
    EXPECT_EQ(CoachHonours[1].club, 1);
    EXPECT_EQ(CoachHonours[1].place, 2);
    EXPECT_EQ(Coaches[0].nationalRankingPoints, 20);
}

TEST_F(CupFinalTest, ContinentalPrizesByConfederationAndOnlyForLeagueClubs)
{
    AwardCupFinal(0, Final(kKindFirstContinentalCup, 0, 1));  // South American champion
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(5000000));
    EXPECT_EQ(Clubs[1].cash, CurrencyFromUnits(3000000));

    Game.LeagueClubCount = 6;  // clubs 4 and 5 now of the played leagues: a European champion
    AwardCupFinal(4, Final(kKindFirstContinentalCup, 4, 0));
    EXPECT_EQ(Clubs[4].cash, CurrencyFromUnits(7000000));
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(5000000 + 4000000));

    Game.LeagueClubCount = 4;  // an extra club wins: placings and honours, no money
    const std::size_t honours = CoachHonours.size();
    AwardCupFinal(5, Final(kKindSecondContinentalCup, 5, 2));
    EXPECT_EQ(Clubs[5].cash, 0);
    EXPECT_EQ(Clubs[2].cash, CurrencyFromUnits(1500000));
    EXPECT_EQ(CoachHonours.size(), honours + 2);
    EXPECT_EQ(Clubs[5].honourPoints[kKindSecondContinentalCup - 1], 12);
    EXPECT_TRUE(CashMatchesPrizeLedger());
}

// A champion without a coach still takes its money, placings and honour points, but no coach line is
// started for nobody: titles and ranking points need a coach.
TEST_F(CupFinalTest, ChampionWithoutCoachWritesNoCoachLine)
{
    Clubs[0].coach = -1;
    AwardCupFinal(0, Final(kKindNationalCup, 0, 1));
    EXPECT_EQ(Clubs[0].cash, CurrencyFromUnits(4000000));
    EXPECT_EQ(Clubs[0].honourPoints[kKindNationalCup - 1], 10);
    EXPECT_EQ(Placings.size(), 2u);
    for (const TCoachSeason& line : CoachSeasons)
        EXPECT_GE(line.coach, 0);

    ClearCupTieTeams(ClubWorldCupTies);
    ClubWorldCupTies[5].firstTeam = ClubWorldCupTies[5].winner = 0;
    ClubWorldCupTies[5].secondTeam = 1;
    ClubWorldCupTies[6].firstTeam = ClubWorldCupTies[6].winner = 2;
    ClubWorldCupTies[6].secondTeam = 3;
    FinishClubWorldCup();
    EXPECT_EQ(Clubs[0].honourPoints[kKindClubWorldCup - 1], 30);
    EXPECT_EQ(Clubs[2].honourPoints[kKindClubWorldCup - 1], 10);
    for (const TCoachSeason& line : CoachSeasons)
        EXPECT_GE(line.coach, 0);
    EXPECT_TRUE(CashMatchesPrizeLedger());
}

// Every stage of the national cup played leg by leg, as the day's progression moves the counters.
TEST(NationalCupRun, ThirtyTwoClubsToOneChampion)
{
    BuildClubs(32, 32);
    RandSeed = 777;
    std::vector<std::pair<int, int>> pairs;
    for (int t = 0; t < 16; ++t)
        pairs.push_back({2 * t, 2 * t + 1});
    AddTwoLegStage(kKindNationalCup, 0, 1, 16, pairs);
    for (int stage = 2, ties = 8; stage <= 5; ++stage, ties /= 2)
        AddTwoLegStage(kKindNationalCup, 0, stage, ties);
    for (TClub& club : Clubs)
        club.nationalCupEntry = 1;
    Game.DayKind = kKindNationalCup;
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 1;

    int days = 0;
    while (Game.NationalCupStage <= 5 && days < 20) {
        PlayLeg(kKindNationalCup, 0, Game.NationalCupStage, Game.NationalCupLeg);
        CurrentLeague = 0;
        ResolveKnockoutStage();
        EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
        ++days;
    }
    EXPECT_EQ(days, 10);
    EXPECT_EQ(Game.NationalCupStage, 6);
    EXPECT_EQ(Game.NationalCupLeg, 1);

    int champion = -1;
    for (const TClubPlacing& p : ClubPlacings)
        if (p.place == 1) {
            EXPECT_EQ(champion, -1) << "two champions";
            champion = p.club;
            EXPECT_EQ(p.divisionOrState, 6);
        }
    ASSERT_GE(champion, 0);
    for (int c = 0; c < 32; ++c) {
        EXPECT_EQ(CountClubPlacings(c, kKindNationalCup), 1) << c;  // out once, or champion once
        EXPECT_EQ(Clubs[c].nationalCupEntry, 0);
    }
    // Every stage's ties were filled with the winners of the stage before, and the final's loser
    // got the runner-up's money.
    for (const TFixture& f : Fixtures)
        EXPECT_TRUE(f.home >= 0 && f.away >= 0);
    const int finalFirst = FindFixture(0, kKindNationalCup, 5);
    const int runnerUp = Fixtures[finalFirst].home == champion ? Fixtures[finalFirst].away : Fixtures[finalFirst].home;
    EXPECT_EQ(Clubs[champion].cash, CurrencyFromUnits(4000000));
    EXPECT_EQ(Clubs[runnerUp].cash, CurrencyFromUnits(2000000));
    EXPECT_TRUE(CashMatchesPrizeLedger());
    for (const TClub& club : Clubs) {
        EXPECT_GE(club.boardConfidence, 0);
        EXPECT_LE(club.boardConfidence, 100);
    }
    // Level ties went to shoot-outs won by one kick.
    int shootouts = 0;
    for (const TFixture& f : Fixtures)
        if (f.homeShootout + f.awayShootout > 0) {
            ++shootouts;
            EXPECT_EQ(std::abs(f.homeShootout - f.awayShootout), 1);
            EXPECT_EQ(f.leg, 1);
        }
    EXPECT_GT(shootouts, 0);
}

TEST(NationalCupRun, UnknownTieStopsTheStageAndFirstStageSkipsLeaguesWithoutOne)
{
    BuildClubs(8, 8);
    AddTwoLegStage(kKindNationalCup, 0, 2, 4, {{0, 1}, {2, 3}});  // ties 3 and 4 not yet drawn
    AddTwoLegStage(kKindNationalCup, 0, 3, 2);
    Game.DayKind = kKindNationalCup;
    Game.NationalCupStage = 2;
    Game.NationalCupLeg = 2;
    Fixtures[0].homeGoals = 2;  // club 0 through
    Fixtures[2].homeGoals = 1;  // club 2 at home in the first leg, 1-0 ... and 0-0 away: through
    CurrentLeague = 0;
    ResolveKnockoutStage();
    const int next = FindFixture(0, kKindNationalCup, 3);
    EXPECT_EQ(Fixtures[next].home, 0);
    EXPECT_EQ(Fixtures[next].away, 2);
    EXPECT_EQ(Fixtures[next + 1].home, 2);
    EXPECT_EQ(CountClubPlacings(4, kKindNationalCup), 0);

    // On the first stage a league without a cup fixture of it is passed over.
    Leagues.push_back(TLeague{});
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 1;
    CurrentLeague = -1;
    AddTwoLegStage(kKindNationalCup, 1, 1, 1, {{4, 5}});
    EXPECT_NE(LeagueCupAfterMatchday(), NextMatchday::Results);
    EXPECT_EQ(CurrentLeague, 1);
    EXPECT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
    EXPECT_EQ(Game.NationalCupLeg, 2);
}

// The first continental cup from the last sixteen, edition by edition: the South American edition
// has the ties, the European one none.
TEST(ContinentalCupRun, LastSixteenToChampionWithExtraClubs)
{
    BuildClubs(16, 8);
    RandSeed = 4321;
    std::vector<std::pair<int, int>> pairs;
    for (int t = 0; t < 8; ++t)
        pairs.push_back({t, 8 + t});  // a league club against an extra club
    AddTwoLegStage(kKindFirstContinentalCup, 1, 4, 8, pairs);
    for (int stage = 5, ties = 4; stage <= 7; ++stage, ties /= 2)
        AddTwoLegStage(kKindFirstContinentalCup, 1, stage, ties);
    for (TClub& club : Clubs)
        club.FirstContinentalEntry = 1;
    Game.DayKind = kKindFirstContinentalCup;
    Game.FirstContinentalTurn = 2;
    Game.FirstContinentalStage = 4;
    Game.FirstContinentalLeg = 1;

    int days = 0;
    while (Game.FirstContinentalStage <= 7 && days < 20) {
        PlayLeg(kKindFirstContinentalCup, 1, Game.FirstContinentalStage, Game.FirstContinentalLeg);
        CurrentLeague = 1;
        ResolveKnockoutStage();
        ASSERT_EQ(LeagueCupAfterMatchday(), NextMatchday::PlayShown);  // the European edition
        ResolveKnockoutStage();
        ASSERT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
        ++days;
    }
    EXPECT_EQ(days, 8);
    int champions = 0;
    for (const TClubPlacing& p : ClubPlacings)
        champions += p.place == 1 ? 1 : 0;
    EXPECT_EQ(champions, 1);
    int entries = 0;
    for (const TClub& club : Clubs)
        entries += club.FirstContinentalEntry;
    EXPECT_EQ(entries, 0);
    EXPECT_TRUE(CashMatchesPrizeLedger());
    long long paid = 0;
    for (const TClub& club : Clubs)
        paid += CurrencyUnits(club.cash);
    // Only league clubs are paid: 5,000,000 + 3,000,000 when both finalists are league clubs; the
    // champion's 5,000,000 alone over an extra runner-up; the runner-up's 4,000,000 alone when an extra
    // (European) club wins; nothing between two extra clubs.
    EXPECT_TRUE(paid == 8000000 || paid == 5000000 || paid == 4000000 || paid == 0) << paid;
}

}  // namespace
}  // namespace tarvelon
