// Whole matchdays of computer clubs, many seeds: what must hold after every step and at the end.
#include <algorithm>
#include <map>
#include <set>

#include "core/match/match_events_codes.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

struct Totals {
    int matches = 0;
    int goals = 0;
    int penaltiesScored = 0;
    int penaltiesMissed = 0;
    int yellowCards = 0;
    int redCards = 0;
    int injuries = 0;
    int substitutions = 0;
    int ownGoals = 0;
};

bool IsGoalCode(int code)
{
    return code == meGoal || code == meOwnGoal || code == meFreeKickGoal || code == mePenaltyGoal;
}

int OnPitchOfClub(int club)
{
    int n = 0;
    for (std::size_t p = 1; p < Players.size(); ++p)
        n += (Players[p].Club == club && Players[p].OnPitch) ? 1 : 0;
    return n;
}

void ExpectLineupSound(int lineup)
{
    const TLineup& L = Lineups[lineup];
    std::set<int> seen;
    for (int k = 0; k < 11; ++k)
        if (L.starters[k] > 0) {
            EXPECT_TRUE(seen.insert(L.starters[k]).second) << "player twice in line-up " << lineup;
        }
    for (int b = 0; b < 7; ++b)
        if (L.bench[b] > 0) {
            EXPECT_TRUE(seen.insert(L.bench[b]).second) << "bench player also elsewhere, line-up " << lineup;
        }
    for (int z = 0; z < 12; ++z) {
        EXPECT_GE(L.attack[z], 0);
        EXPECT_GE(L.defence[z], 0);
        EXPECT_LE(L.attack[z], 11 * 100);
    }
    EXPECT_GE(L.keeper, 0);
    EXPECT_LE(L.keeper, 100);
}

// The ratings the engine kept after a play are those a fresh computation gives: every change of
// their inputs (fatigue, substitutions, cards, injuries, the human's answers) was seen.
void ExpectRatingsUpToDate(int lineup, int tick)
{
    const TLineup kept = Lineups[lineup];
    ComputeLineupRatings(lineup);
    const TLineup& fresh = Lineups[lineup];
    ASSERT_TRUE(std::equal(kept.attack, kept.attack + 12, fresh.attack)) << "line-up " << lineup << " tick " << tick;
    ASSERT_TRUE(std::equal(kept.defence, kept.defence + 12, fresh.defence)) << "line-up " << lineup << " tick " << tick;
    ASSERT_EQ(kept.keeper, fresh.keeper) << "line-up " << lineup << " tick " << tick;
}

// Human coaches who answer the dialogs at random, sometimes with nobody or with a player who
// cannot take part: the engine must still record only real players.
int DialogsAsked = 0;

void InstallCarelessHumanDialogs()
{
    SilentMatchday = false;
    Hooks().injurySubstitutionDialog = [](int club, int injured, int match) {
        DialogsAsked += 1;
        const TLineup& L = Lineups[Clubs[club].LineupIndex];
        int pick = Random(9);
        return pick < 7 ? L.bench[pick] : (pick == 7 ? -1 : injured);
    };
    Hooks().penaltyDialog = [](int kicking, int, bool) {
        DialogsAsked += 1;
        const TLineup& L = Lineups[Clubs[kicking].LineupIndex];
        int pick = Random(13);
        return PenaltyDialogAnswer{1 + Random(2), pick < 11 ? L.starters[pick] : (pick == 11 ? -1 : L.bench[0])};
    };
}

// Plays one seeded matchday of 10 clubs and checks every step; adds to the totals. With humans,
// clubs 0, 3, 6 and 9 are human-run and the matchday is played with its dialogs.
void PlaySeededMatchday(std::uint32_t seed, Totals& totals, bool humans = false)
{
    ResetTestGame(seed);
    for (int c = 0; c < 10; ++c)
        AddClubWithSquad("Clube " + std::to_string(c), 40 + 5 * c, humans && c % 3 == 0);
    if (humans)
        InstallCarelessHumanDialogs();
    KickOffPairs();

    std::set<int> sentOff;
    std::size_t checkedEvents = 0;
    PlayMatchday([&](int m, int recorded) {
        const jogos& M = Matches[m];
        EXPECT_GE(recorded, -1);
        EXPECT_LT(recorded, static_cast<int>(MatchEvents.size()));
        for (int s = 0; s < 2; ++s) {
            EXPECT_LE(OnPitchOfClub(M.club[s]), 11);
            EXPECT_GE(M.subsLeft[s], 0);
            EXPECT_LE(M.subsLeft[s], 3);
        }
        EXPECT_GE(M.ballZone, 1);
        EXPECT_LE(M.ballZone, 12);
        ExpectRatingsUpToDate(M.lineup[0], M.tick);
        ExpectRatingsUpToDate(M.lineup[1], M.tick);
        for (; checkedEvents < MatchEvents.size(); ++checkedEvents) {
            const TMatchEventEntry& e = MatchEvents[checkedEvents];
            EXPECT_EQ(sentOff.count(e.player), 0u) << "a sent-off player acted again, code " << e.code;
            if (e.code == meSubstitution || e.code == meInjurySubstitution) {
                EXPECT_EQ(sentOff.count(e.second), 0u) << "a sent-off player came back";
            }
            if (e.code == meCard && e.second != ckYellow)
                sentOff.insert(e.player);
        }
        for (int p : sentOff)
            EXPECT_FALSE(Players[p].OnPitch);
        if (recorded >= 0) {
            const TMatchEventEntry& e = MatchEvents[recorded];
            EXPECT_GT(e.player, 0);
            EXPECT_TRUE(e.club == M.club[0] || e.club == M.club[1]);
            if (e.code == mePenaltyGoal || e.code == mePenaltyMissed || e.code == meGoal) {
                EXPECT_EQ(Players[e.player].Club, e.club);
            }
        }
    });

    for (int m = 1; m <= MatchCount; ++m) {
        const jogos& M = Matches[m];
        EXPECT_EQ(M.tick, M.endTick);
        EXPECT_GE(M.endTick, 184);
        EXPECT_LE(M.endTick, 190);
        EXPECT_EQ(M.possession[0] + M.possession[1], M.tick);
        for (int s = 0; s < 2; ++s) {
            int goalEvents = 0;
            int changes = 0;
            for (const TMatchEventEntry& e : MatchEvents) {
                if (e.match != m || e.club != M.club[s])
                    continue;
                goalEvents += IsGoalCode(e.code) ? 1 : 0;
                changes += (e.code == meSubstitution || e.code == meInjurySubstitution) ? 1 : 0;
            }
            EXPECT_EQ(M.goals[s], goalEvents);
            EXPECT_LE(changes, 3);
            EXPECT_EQ(changes, 3 - M.subsLeft[s]);
            EXPECT_GE(M.shots[s], M.goals[s]);
            totals.goals += M.goals[s];
            totals.yellowCards += M.yellowCards[s];
            totals.redCards += M.redCards[s];
            totals.injuries += M.injuries[s];
            totals.substitutions += changes;
        }
        ExpectLineupSound(M.lineup[0]);
        ExpectLineupSound(M.lineup[1]);
        totals.matches += 1;
    }
    for (const TMatchEventEntry& e : MatchEvents) {
        totals.penaltiesScored += e.code == mePenaltyGoal ? 1 : 0;
        totals.penaltiesMissed += e.code == mePenaltyMissed ? 1 : 0;
        totals.ownGoals += e.code == meOwnGoal ? 1 : 0;
    }
    for (std::size_t p = 1; p < Players.size(); ++p) {
        EXPECT_GE(Players[p].Energy, 1);
        EXPECT_LE(Players[p].Energy, 100);
    }
}

class MatchEngineInvariants : public ::testing::Test {
protected:
    static Totals totals;
    static void SetUpTestSuite()
    {
        totals = {};  // a repeated run counts its own matches only
        for (std::uint32_t seed = 1; seed <= 60; ++seed)
            PlaySeededMatchday(seed * 7919u, totals);
    }
};
Totals MatchEngineInvariants::totals;

TEST(MatchEngineWithHumans, CarelessDialogAnswersNeverBreakTheMatch)
{
    // The careless answers are this test's own: the tests after it get the dialogs as they were.
    struct HooksKept {
        CoreHooks saved = Hooks();
        ~HooksKept() { Hooks() = saved; }
    } kept;
    Totals humans;
    for (std::uint32_t seed = 1; seed <= 120; ++seed)
        PlaySeededMatchday(seed * 104729u, humans, true);
    EXPECT_EQ(humans.matches, 600);
    EXPECT_GT(DialogsAsked, 3);
    EXPECT_GT(humans.goals, 0);
}

TEST_F(MatchEngineInvariants, HundredsOfMatchesArePlayedToTheirEnd)
{
    EXPECT_EQ(totals.matches, 300);
}

TEST_F(MatchEngineInvariants, GoalsPerMatchAreThoseOfAFootballMatch)
{
    double perMatch = static_cast<double>(totals.goals) / totals.matches;
    EXPECT_GT(perMatch, 0.5);
    EXPECT_LT(perMatch, 8.0);
}

TEST_F(MatchEngineInvariants, PenaltiesFollowOnlyCardedFoulsAndAreRare)
{
    int kicks = totals.penaltiesScored + totals.penaltiesMissed;
    EXPECT_GT(kicks, 0);
    EXPECT_LT(kicks, totals.yellowCards + totals.redCards);
}

TEST_F(MatchEngineInvariants, CardsInjuriesAndChangesHappenAtSaneRates)
{
    double yellows = static_cast<double>(totals.yellowCards) / totals.matches;
    double reds = static_cast<double>(totals.redCards) / totals.matches;
    EXPECT_GT(yellows, 0.05);
    EXPECT_LT(yellows, 6.0);
    EXPECT_LT(reds, yellows);
    EXPECT_GT(totals.injuries, 0);
    EXPECT_GT(totals.substitutions, 0);
    EXPECT_GT(totals.ownGoals, 0);
    EXPECT_LT(totals.ownGoals, totals.goals / 10 + 1);
}

}  // namespace
}  // namespace tarvelon::testing
