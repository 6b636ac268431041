// A national cup played with real matchdays: the matchday driver plays each leg's matches, the
// knockout rules decide the ties after the return legs, and the day's progression moves the legs and
// stages until one champion is left; boards stay within bounds and every prize is in the accounts.
#include <gtest/gtest.h>

#include "core/records/history_records.h"
#include "core/matchday/matchday_driver.h"
#include "core/records/matchday_globals.h"
#include "core/progression/day_progression.h"
#include "core/progression/knockout_ties.h"
#include "core/progression/progression_services.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "tests/core/matchday_world.h"

namespace tarvelon {
namespace {

constexpr int kClubs = 16;

std::vector<MatchdayFixture> LegOfToday()
{
    std::vector<MatchdayFixture> day;
    for (int f = 0; f < static_cast<int>(Fixtures.size()); ++f) {
        const TFixture& fixture = Fixtures[f];
        if (fixture.round == Game.NationalCupStage && fixture.leg == Game.NationalCupLeg && fixture.home >= 0)
            day.push_back(MatchdayFixture{1, fixture.home, fixture.away, f});
    }
    return day;
}

TEST(CupMatchdays, SixteenClubsPlayTheNationalCupToOneChampion)
{
    matchdaytest::BuildWorld(kClubs, 31337);
    Progression() = ProgressionServices{};
    Competitions.assign(1, TCompetition{});
    Competitions.push_back(TCompetition{kKindNationalCup, matchdaytest::kCountry, -1});
    Fixtures.clear();
    for (int t = 0; t < 8; ++t) {
        AppendFixture(2 * t, 2 * t + 1, 2, kKindNationalCup, 0, 1, -1, TodayDate());
        AppendFixture(2 * t + 1, 2 * t, 2, kKindNationalCup, 0, 2, -1, TodayDate());
    }
    for (int stage = 3, ties = 4; stage <= 5; ++stage, ties /= 2)
        for (int t = 0; t < ties; ++t) {
            AppendFixture(-1, -1, stage, kKindNationalCup, 0, 1, -1, TodayDate());
            AppendFixture(-1, -1, stage, kKindNationalCup, 0, 2, -1, TodayDate());
        }
    for (TClub& club : Clubs)
        club.nationalCupEntry = 1;
    Game.DayKind = kKindNationalCup;
    Game.NationalCupStage = 2;
    Game.NationalCupLeg = 1;

    int days = 0;
    while (Game.NationalCupStage <= 5 && days < 12) {
        matchdaytest::PrepareLineups();
        MatchdayRecord record = MatchdayRecordOfToday();
        CurrentLeague = 0;
        const std::vector<MatchdayFixture> today = LegOfToday();
        ASSERT_FALSE(today.empty());
        BeginMatchday(today);
        for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
            PlayMatchdayTick(tick);
        for (int m = 1; m <= MatchCount; ++m)
            RecordFixtureResult(FixtureOfMatch(m), m);
        ResolveKnockoutStage();  // after the results, before the archive, as the end of a matchday does
        FinishMatchday(record);
        ASSERT_EQ(LeagueCupAfterMatchday(), NextMatchday::Results);
        for (const TClub& club : Clubs) {
            ASSERT_GE(club.boardConfidence, 0);
            ASSERT_LE(club.boardConfidence, 100);
            ASSERT_GE(club.SupportersMood, 0);
            ASSERT_LE(club.SupportersMood, 100);
        }
        ++days;
        ++Game.DayIndex;
    }
    EXPECT_EQ(days, 8);
    int champions = 0;
    int champion = -1;
    for (const TClubPlacing& p : ClubPlacings)
        if (p.place == 1) {
            ++champions;
            champion = p.club;
        }
    ASSERT_EQ(champions, 1);
    for (int c = 0; c < kClubs; ++c) {
        EXPECT_EQ(Clubs[c].nationalCupEntry, 0);
        int placings = 0;
        for (const TClubPlacing& p : ClubPlacings)
            placings += p.club == c ? 1 : 0;
        EXPECT_EQ(placings, 1) << c;
    }
    for (const TFixture& f : Fixtures)
        EXPECT_EQ(f.played, 1);
    // The champion's 4,000,000 and the runner-up's 2,000,000 (and the cup top scorer's club prize):
    // every club's cash is what its accounts booked as prizes.
    long long prizes = 0;
    for (int c = 0; c < kClubs; ++c) {
        EXPECT_EQ(Clubs[c].cash, CurrencyFromUnits(ClubFinances[c].prizes)) << c;
        prizes += ClubFinances[c].prizes;
    }
    EXPECT_GE(ClubFinances[champion].prizes, 4000000);
    EXPECT_TRUE(prizes == 6000000 || prizes == 7000000) << prizes;
}

}  // namespace
}  // namespace tarvelon
