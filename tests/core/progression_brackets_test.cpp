// The bracket competitions after their matchdays: the World Cup from the last sixteen, the Copa
// América from the quarter-finals and the club world cup, each to one champion, with quick
// shoot-outs for level ties of computer sides and the tournament's records at its end.
#include <gtest/gtest.h>

#include <vector>

#include <set>

#include "core/records/cup_tie.h"
#include "core/records/history_records.h"
#include "core/progression/brackets.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_progression.h"
#include "tests/core/progression_world.h"
#include "core/hooks.h"

namespace tarvelon {
namespace {

using namespace progtest;

// Plays the ties of the round at `stage`: each tie's first team at home; level when `level` holds.
template <int N>
void PlayRound(const TCupTieTable<N>& ties, int firstTie, int count, bool swapHome = false)
{
    std::vector<DayMatch> day;
    for (int t = firstTie; t < firstTie + count; ++t) {
        const TCupTie& tie = ties[t];
        const int g1 = Random(3);
        const int g2 = Random(3);
        day.push_back(swapHome ? DayMatch{tie.secondTeam, tie.firstTeam, g2, g1} : DayMatch{tie.firstTeam, tie.secondTeam, g1, g2});
    }
    SetDayMatches(day);
    // The day is archived before its progression: one report per match.
    for (const DayMatch& d : day) {
        TMatchReport report{};
        report.club[0] = d.home;
        report.club[1] = d.away;
        report.goals[0] = d.homeGoals;
        report.goals[1] = d.awayGoals;
        report.kind = Game.DayKind;
        report.date = Calendar[Game.DayIndex].date;
        MatchReports.push_back(report);
    }
}

void CheckShootoutsWonByOneKick()
{
    for (int m = 1; m <= MatchCount; ++m)
        if (Matches[m].shootout) {
            EXPECT_EQ(std::abs(Matches[m].shootoutGoals[0] - Matches[m].shootoutGoals[1]), 1);
        }
    for (const TMatchReport& r : MatchReports)
        if (r.shootout) {
            EXPECT_EQ(std::abs(r.shootoutGoals[0] - r.shootoutGoals[1]), 1);
        }
}

class WorldCupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildClubs(32, 0);  // 32 national teams' entries, none of a played league
        RandSeed = 2024;
        ClearCupTieTeams(NationalCupTies);
        for (int t = 1; t <= 8; ++t) {
            NationalCupTies[t].firstTeam = 2 * (t - 1);
            NationalCupTies[t].secondTeam = 2 * (t - 1) + 1;
        }
        for (int c = 0; c < 16; ++c)  // the teams through the groups
            Clubs[c].NationalTeamCupEntry = 1;
        Coaches[5].nationalTeamCoach = 1;
        Game.DayKind = kKindWorldCup;
        Game.TournamentStage = 4;
    }
};

TEST_F(WorldCupTest, LastSixteenToChampionWithRecords)
{
    const int firstTies[4] = {1, 9, 13, 15};
    const int counts[4] = {8, 4, 2, 2};
    int shootouts = 0;
    for (int day = 0; day < 4; ++day) {
        PlayRound(NationalCupTies, firstTies[day], counts[day], day == 1);
        EXPECT_EQ(ProgressAfterMatchday(), NextMatchday::Results);
        EXPECT_EQ(Game.TournamentStage, 5 + day);
        CheckShootoutsWonByOneKick();
        int levelTies = 0;
        for (int t = firstTies[day]; t < firstTies[day] + counts[day]; ++t)
            levelTies += NationalCupTies[t].results[0] == NationalCupTies[t].results[1] ? 1 : 0;
        // The shoot-outs come after the day was archived: its reports show them all the same.
        int reportedShootouts = 0;
        for (std::size_t r = MatchReports.size() - counts[day]; r < MatchReports.size(); ++r)
            reportedShootouts += MatchReports[r].shootout;
        EXPECT_EQ(reportedShootouts, levelTies);
        shootouts += levelTies;
        for (int t = firstTies[day]; t < firstTies[day] + counts[day]; ++t) {
            const TCupTie& tie = NationalCupTies[t];
            EXPECT_TRUE(tie.winner == tie.firstTeam || tie.winner == tie.secondTeam) << t;
            const std::string text = tie.scoreText.str();
            EXPECT_EQ(text.rfind(std::to_string(tie.results[0]) + "x" + std::to_string(tie.results[1]), 0), 0u) << text;
            if (tie.results[0] == tie.results[1]) {
                EXPECT_NE(text.find(";P:"), std::string::npos) << text;
            }
        }
    }
    EXPECT_GT(shootouts, 0);
    // The bracket: quarter-final 9 pairs the winners of ties 1 and 2, 10 of 5 and 6; the third
    // place the two semi-final losers.
    EXPECT_EQ(NationalCupTies[9].firstTeam, NationalCupTies[1].winner);
    EXPECT_EQ(NationalCupTies[9].secondTeam, NationalCupTies[2].winner);
    EXPECT_EQ(NationalCupTies[10].firstTeam, NationalCupTies[5].winner);
    EXPECT_EQ(NationalCupTies[11].secondTeam, NationalCupTies[4].winner);
    const std::set<int> semiLosers{NationalCupTies[16].firstTeam, NationalCupTies[16].secondTeam};
    for (int t : {13, 14}) {
        const TCupTie& semi = NationalCupTies[t];
        EXPECT_TRUE(semiLosers.count(semi.winner == semi.firstTeam ? semi.secondTeam : semi.firstTeam));
    }
    // The semi-final losers stayed in for the third place; last-sixteen and quarter-final losers left.
    int stillIn = 0;
    for (const TClub& club : Clubs)
        stillIn += club.NationalTeamCupEntry;
    EXPECT_EQ(stillIn, 4);

    const int champion = NationalCupTies[15].winner;
    EXPECT_EQ(Game.tournamentOver, 1);
    EXPECT_EQ(Game.worldCupEditions, 1);
    EXPECT_TRUE(TournamentJustEnded);
    EXPECT_EQ(Coaches[5].nationalTeamCoach, 0);
    ASSERT_EQ(Placings.size(), 4u);
    EXPECT_EQ(Placings[0].club, champion);
    EXPECT_EQ(Placings[2].club, NationalCupTies[16].winner);
    // The coach honour names the champion's own entry as its club.
    ASSERT_EQ(CoachHonours.size(), 1u);
    EXPECT_EQ(CoachHonours[0].club, champion);
    EXPECT_EQ(CoachHonours[0].coach, champion);
    EXPECT_EQ(CoachHonours[0].region, Clubs[champion].Country);
}

TEST_F(WorldCupTest, GroupDaysOnlyMoveTheStage)
{
    Game.TournamentStage = 1;
    SetDayMatches({{0, 1, 2, 0}});
    EXPECT_EQ(ProgressAfterMatchday(), NextMatchday::Results);
    EXPECT_EQ(Game.TournamentStage, 2);
    EXPECT_EQ(NationalCupTies[1].winner, -1);
    EXPECT_EQ(Clubs[1].NationalTeamCupEntry, 1);
}

TEST_F(WorldCupTest, WatchedShootoutGoesToTheDialogs)
{
    Game.ShowPenalties = 1;
    int asked = 0;
    Progression().playBracketShootout = [&asked](int tie, int a, int b) {
        ++asked;
        EXPECT_EQ(a, NationalCupTies[tie].firstTeam);
        EXPECT_EQ(b, NationalCupTies[tie].secondTeam);
        return 2;
    };
    std::vector<DayMatch> day;
    for (int t = 1; t <= 8; ++t)
        day.push_back({NationalCupTies[t].firstTeam, NationalCupTies[t].secondTeam, 1, 1});
    SetDayMatches(day);
    std::vector<int> told;
    Hooks().shootoutNotice = [&told](int milliseconds) { told.push_back(milliseconds); };
    WorldCupAfterMatchday();
    Hooks().shootoutNotice = nullptr;
    EXPECT_EQ(told, std::vector<int>{3000}) << "once after the round's shoot-outs";
    EXPECT_EQ(asked, 8);
    for (int t = 1; t <= 8; ++t)
        EXPECT_EQ(NationalCupTies[t].winner, NationalCupTies[t].secondTeam);
    EXPECT_TRUE(PendingShootouts.empty());
}

TEST(ContinentalTournamentRun, QuarterFinalsToChampionOfCopaAmericaAndEurocopa)
{
    for (const int kind : {kKindCopaAmerica, kKindEurocopa}) {
        BuildClubs(8, 0);
        RandSeed = 99 + kind;
        ClearCupTieTeams(NationalCupTies);
        for (int t = 1; t <= 4; ++t) {
            NationalCupTies[t].firstTeam = 2 * (t - 1);
            NationalCupTies[t].secondTeam = 2 * (t - 1) + 1;
        }
        Game.DayKind = kind;
        Game.TournamentStage = 4;
        const int firstTies[3] = {1, 5, 7};
        const int counts[3] = {4, 2, 2};
        for (int day = 0; day < 3; ++day) {
            PlayRound(NationalCupTies, firstTies[day], counts[day]);
            ProgressAfterMatchday();
            CheckShootoutsWonByOneKick();
        }
        EXPECT_EQ(Game.TournamentStage, 7);
        EXPECT_EQ(NationalCupTies[5].firstTeam, NationalCupTies[1].winner);
        EXPECT_EQ(NationalCupTies[5].secondTeam, NationalCupTies[3].winner);
        EXPECT_EQ(NationalCupTies[6].firstTeam, NationalCupTies[2].winner);
        EXPECT_EQ(Game.copaAmericaEditions, kind == kKindCopaAmerica ? 1 : 0);
        EXPECT_EQ(Game.eurocopaEditions, kind == kKindEurocopa ? 1 : 0);
        EXPECT_EQ(Game.worldCupEditions, 0);
        ASSERT_EQ(Placings.size(), 4u);
        EXPECT_EQ(Placings[0].club, NationalCupTies[7].winner);
        EXPECT_EQ(Placings[0].competition, kind == kKindCopaAmerica ? 7 : 8);
        EXPECT_EQ(Placings[3].club, NationalCupTies[8].winner == NationalCupTies[8].firstTeam
                                        ? NationalCupTies[8].secondTeam
                                        : NationalCupTies[8].firstTeam);
    }
}

TEST(ClubWorldCupRun, SixClubsToChampionWithPrizesInTheAccounts)
{
    BuildClubs(6, 2);  // clubs 0 and 1 of the played league, the others guests
    RandSeed = 5;
    ClearCupTieTeams(ClubWorldCupTies);
    ClubWorldCupTies[1].firstTeam = 2;
    ClubWorldCupTies[1].secondTeam = 3;
    ClubWorldCupTies[2].firstTeam = 4;
    ClubWorldCupTies[2].secondTeam = 5;
    ClubWorldCupTies[3].firstTeam = 0;  // the seeded continental champions wait for the semi-finals
    ClubWorldCupTies[4].firstTeam = 1;
    for (TClub& club : Clubs)
        club.clubWorldCupEntry = 1;
    Game.DayKind = kKindClubWorldCup;
    Game.ClubWorldCupStage = 1;
    for (int stage = 1; stage <= 3; ++stage) {
        PlayRound(ClubWorldCupTies, 2 * stage - 1, 2);
        ProgressAfterMatchday();
        CheckShootoutsWonByOneKick();
        EXPECT_EQ(Game.ClubWorldCupStage, stage + 1);
    }
    EXPECT_EQ(ClubWorldCupTies[3].secondTeam, ClubWorldCupTies[1].winner);
    EXPECT_EQ(ClubWorldCupTies[4].secondTeam, ClubWorldCupTies[2].winner);
    const int champion = ClubWorldCupTies[5].winner;
    ASSERT_GE(champion, 0);
    // Placings 10 for the first-round losers, 1..4 for the last four.
    int places[11] = {};
    for (const TClubPlacing& p : ClubPlacings) {
        ASSERT_TRUE(p.place >= 1 && p.place <= 10);
        ++places[p.place];
    }
    EXPECT_EQ(places[10], 2);
    for (int place = 1; place <= 4; ++place)
        EXPECT_EQ(places[place], 1);
    EXPECT_EQ(Clubs[champion].honourPoints[kKindClubWorldCup - 1], 30);
    EXPECT_EQ(Coaches[champion].titles[kKindClubWorldCup - 1], 1);
    EXPECT_TRUE(CashMatchesPrizeLedger());
    const int runnerUp = ClubWorldCupTies[5].firstTeam == champion ? ClubWorldCupTies[5].secondTeam : ClubWorldCupTies[5].firstTeam;
    EXPECT_EQ(Clubs[champion].cash, champion < 2 ? CurrencyFromUnits(5000000) : 0);
    EXPECT_EQ(Clubs[runnerUp].cash, runnerUp < 2 ? CurrencyFromUnits(3000000) : 0);
    ASSERT_EQ(CoachHonours.size(), 2u);
    EXPECT_EQ(CoachHonours[0].club, champion);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

TEST(BracketEdges, UndrawnTiesGetNoWinnerAndNoShootout)
{
    progtest::BuildClubs(4, 4);
    ClearCupTieTeams(ClubWorldCupTies);
    Game.DayKind = kKindClubWorldCup;
    Game.ClubWorldCupStage = 2;
    SetDayMatches({});
    const std::uint32_t seed = RandSeed = 77;
    ClubWorldCupAfterMatchday();
    EXPECT_EQ(ClubWorldCupTies[3].winner, -1);
    EXPECT_EQ(ClubWorldCupTies[4].winner, -1);
    EXPECT_EQ(RandSeed, seed);  // no shoot-out drawn
    EXPECT_EQ(Game.ClubWorldCupStage, 3);
    EXPECT_TRUE(ClubPlacings.empty());
}

}  // namespace
}  // namespace tarvelon
