#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <set>

#include "core/match/match_day.h"
#include "core/match/match_events_codes.h"
#include "core/records/appearance_records.h"
#include "matchday_world.h"

using namespace tarvelon;
using namespace tarvelon::matchdaytest;

namespace {

constexpr int kClubs = 20;
constexpr int kWorlds = 10;
constexpr int kDaysPerWorld = 30;

bool IsGoalOf(const TMatchEventEntry& e)
{
    return e.code == meGoal || e.code == meOwnGoal || e.code == meFreeKickGoal || e.code == mePenaltyGoal;
}

// The players a line-up names: its starters and its bench.
std::vector<int> NamedPlayers(const TLineup& lineup)
{
    std::vector<int> named;
    for (int p : lineup.starters)
        if (p > 0)
            named.push_back(p);
    for (int p : lineup.bench)
        if (p > 0)
            named.push_back(p);
    return named;
}

// Nobody banned, injured or on three yellow cards is picked, and nobody is named twice.
void CheckLineupsOfTheDay()
{
    std::set<int> everyone;
    for (int c = 0; c < kClubs; ++c) {
        const TLineup& lineup = Lineups.at(Clubs[c].LineupIndex);
        for (int p : NamedPlayers(lineup)) {
            EXPECT_TRUE(everyone.insert(p).second) << "player " << p << " named twice";
            EXPECT_EQ(Players[p].Club, c);
            EXPECT_EQ(Players[p].Bans[kKind], 0) << "banned player " << p << " picked";
            EXPECT_LT(Players[p].YellowCards[kKind], 3) << "player " << p << " on three yellow cards picked";
            EXPECT_LE(Players[p].InjuredUntil, TodayDate()) << "injured player " << p << " picked";
        }
    }
}

// The computer clubs' preparation, with the line-ups checked before the suspensions are served.
void PrepareDay()
{
    Lineups.clear();
    LineupCount = 0;
    for (int c = 0; c < kClubs; ++c) {
        BuildCpuLineup(c);
        ChooseCpuTactics(c);
    }
    CheckLineupsOfTheDay();
    ClampPlayerAttributes();
    ServeSuspensions();
}

// A different pairing every day: club i meets club (i + shift) of the other half.
std::vector<MatchdayFixture> FixturesOfDay(int day)
{
    std::vector<MatchdayFixture> fixtures;
    const int half = kClubs / 2;
    for (int i = 0; i < half; ++i) {
        const int a = i;
        const int b = half + (i + day) % half;
        fixtures.push_back(day % 2 ? MatchdayFixture{1, a, b} : MatchdayFixture{1, b, a});
    }
    return fixtures;
}

std::vector<const TMatchEventEntry*> EventsOf(int m)
{
    std::vector<const TMatchEventEntry*> events;
    for (const TMatchEventEntry& e : MatchEvents)
        if (e.match == m)
            events.push_back(&e);
    return events;
}

void CheckPlayedMatch(int m, const std::array<std::vector<int>, 2>& benchAtKickOff)
{
    const jogos& match = Matches[m];
    EXPECT_EQ(match.tick, match.endTick);
    EXPECT_GE(match.endTick, 184);
    EXPECT_LE(match.endTick, 190);
    EXPECT_EQ(match.possession[0] + match.possession[1], match.endTick);
    const auto events = EventsOf(m);
    for (int s = 0; s < 2; ++s) {
        const int club = match.club[s];
        int goals = 0, yellows = 0, reds = 0, substitutions = 0;
        std::set<int> cameOn;
        for (const TMatchEventEntry* e : events) {
            if (e->club != club)
                continue;
            goals += IsGoalOf(*e);
            yellows += e->code == meCard && e->second == ckYellow;
            reds += e->code == meCard && e->second != ckYellow;
            if (e->code == meSubstitution || e->code == meInjurySubstitution) {
                ++substitutions;
                cameOn.insert(e->second);
            }
            EXPECT_GE(e->tick, 1);
            EXPECT_LE(e->tick, match.endTick);
        }
        EXPECT_EQ(match.goals[s], goals);
        EXPECT_EQ(match.yellowCards[s], yellows);
        EXPECT_EQ(match.redCards[s], reds);
        EXPECT_EQ(match.subsLeft[s], 3 - substitutions);
        EXPECT_GE(match.subsLeft[s], 0);

        const TLineup& lineup = Lineups[match.lineup[s]];
        int onPitch = 0;
        for (int p : lineup.starters)
            onPitch += p > 0 && Players[p].OnPitch;
        EXPECT_LE(onPitch, 11);
        // A bench player leaves the bench only by coming on.
        std::set<int> benchNow;
        for (int p : lineup.bench)
            if (p > 0)
                benchNow.insert(p);
        for (int p : benchAtKickOff[s]) {
            if (!benchNow.count(p)) {
                EXPECT_TRUE(cameOn.count(p)) << "bench player " << p << " vanished in match " << m;
            }
        }
    }
    // Whoever was sent off or injured is no longer on the pitch.
    for (const TMatchEventEntry* e : events) {
        if ((e->code == meCard && e->second != ckYellow) || e->code == meInjury) {
            EXPECT_FALSE(Players[e->player].OnPitch) << "player " << e->player << " still on the pitch";
        }
    }
}

void CheckNobodyInTwoPlaces()
{
    std::set<int> seen;
    for (int m = 1; m <= MatchCount; ++m)
        for (int s = 0; s < 2; ++s)
            for (int p : NamedPlayers(Lineups[Matches[m].lineup[s]]))
                EXPECT_TRUE(seen.insert(p).second) << "player " << p << " in two places";
}

struct Carry {
    std::map<int, int> bansBefore;
    std::map<int, int> yellowsBefore;
};

Carry BeforeTheDay()
{
    Carry carry;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        carry.bansBefore[p] = Players[p].Bans[kKind];
        carry.yellowsBefore[p] = Players[p].YellowCards[kKind];
    }
    return carry;
}

// Cards, bans and injuries of the day stay on the players after the matchday is cleared.
// A booking lasts one matchday: a second yellow of the day sends off, a yellow of an earlier day does not.
void CheckBookingsOfTheDay(const std::vector<TMatchEventEntry>& events)
{
    std::set<int> booked;
    for (const TMatchEventEntry& e : events) {
        if (e.code != meCard)
            continue;
        if (e.second == ckYellow) {
            EXPECT_TRUE(booked.insert(e.player).second) << "player " << e.player << " booked twice in a day";
        } else if (e.second == ckSecondYellow) {
            EXPECT_TRUE(booked.count(e.player)) << "second yellow without a first one today: " << e.player;
        }
    }
}

void CheckCarriedIntoNextDay(const Carry& carry, const std::vector<TMatchEventEntry>& events)
{
    std::map<int, int> yellows;
    for (const TMatchEventEntry& e : events) {
        if (e.code == meCard && e.second == ckYellow)
            ++yellows[e.player];
        if (e.code == meCard && e.second != ckYellow) {
            EXPECT_GE(Players[e.player].Bans[kKind], carry.bansBefore.at(e.player) + 1);
            EXPECT_LE(Players[e.player].Bans[kKind], carry.bansBefore.at(e.player) + 10);
        }
        if (e.code == meInjury) {
            EXPECT_GE(Players[e.player].InjuredUntil, TodayDate() + 9) << "injured player " << e.player;
        }
    }
    for (const auto& [player, count] : yellows)
        EXPECT_EQ(Players[player].YellowCards[kKind], carry.yellowsBefore.at(player) + count);
    EXPECT_TRUE(BookedPlayers.empty());
    EXPECT_TRUE(MatchEvents.empty());
}

void CheckRatings(std::size_t firstStarter, std::size_t firstSubstitute)
{
    for (std::size_t i = firstStarter; i < Appearances.size(); ++i) {
        const float r = Appearances[i].rating;
        EXPECT_TRUE(r >= 0.0f && r <= 10.0f && std::fmod(r * 2, 1.0f) == 0.0f) << r;
        EXPECT_GE(Appearances[i].cardGrade, 0);
        EXPECT_LE(Appearances[i].cardGrade, 3);
    }
    for (std::size_t i = firstSubstitute; i < SubAppearances.size(); ++i) {
        const float r = SubAppearances[i].rating;
        EXPECT_TRUE(r >= 0.0f && r <= 10.0f && std::fmod(r * 2, 1.0f) == 0.0f) << r;
    }
}

}  // namespace

TEST(MatchdayInvariants, HundredsOfSeededMatchdays)
{
    int goals = 0, cards = 0, reds = 0, injuries = 0, substitutions = 0;
    for (int world = 0; world < kWorlds; ++world) {
        BuildWorld(kClubs, 1000 + world);
        for (int day = 1; day <= kDaysPerWorld; ++day) {
            Game.DayIndex = day;
            PrepareDay();
            const Carry carry = BeforeTheDay();
            BeginMatchday(FixturesOfDay(day));
            std::vector<std::array<std::vector<int>, 2>> benches(MatchCount + 1);
            for (int m = 1; m <= MatchCount; ++m)
                for (int s = 0; s < 2; ++s)
                    for (int p : Lineups[Matches[m].lineup[s]].bench)
                        if (p > 0)
                            benches[m][s].push_back(p);
            for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
                PlayMatchdayTick(tick);
            for (int m = 1; m <= MatchCount; ++m)
                CheckPlayedMatch(m, benches[m]);
            CheckNobodyInTwoPlaces();
            const std::vector<TMatchEventEntry> events = MatchEvents;
            CheckBookingsOfTheDay(events);
            for (const TMatchEventEntry& e : events) {
                goals += IsGoalOf(e);
                cards += e.code == meCard;
                reds += e.code == meCard && e.second != ckYellow;
                injuries += e.code == meInjury;
                substitutions += e.code == meSubstitution;
            }
            const std::size_t starters = Appearances.size();
            const std::size_t substitutes = SubAppearances.size();
            FinishMatchday(MatchdayRecordOfToday());
            CheckRatings(starters, substitutes);
            CheckCarriedIntoNextDay(carry, events);
            // The players rest a little between matchdays.
            for (TPlayer& p : Players)
                p.Energy = std::min(100, p.Energy + 30);
            if (HasFailure())
                return;
        }
    }
    // Three hundred matchdays of ten matches see every kind of incident.
    EXPECT_GT(goals, 3000);
    EXPECT_GT(cards, 100);
    EXPECT_GT(reds, 0);
    std::printf("goals %d cards %d reds %d injuries %d substitutions %d\n", goals, cards, reds, injuries, substitutions);
    EXPECT_GT(injuries, 10);
    EXPECT_GT(substitutions, 100);
}
