#include "core/progression/player_development.h"

#include "core/basics/prefetch.h"
#include "core/club_rosters.h"
#include "core/match/played_today.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kDeclineAge = 32;

const TClub& ClubOf(int player) { return Clubs[Players[player].Club]; }

// Column of the divisor table: state championships on/off crossed with divisions of 20 or not.
int DivisorColumn()
{
    const bool twenty = Game.LeagueFormat == kDivisionsOf20;
    if (Game.StateChampionshipsOn)
        return twenty ? 0 : 1;
    return twenty ? 2 : 3;
}

int GrowthDivisor(const TClub& club)
{
    static constexpr int kTopLevel[4] = {35, 22, 28, 15};
    static constexpr int kHighLevel[4] = {37, 24, 30, 18};
    static constexpr int kOther[4] = {43, 25, 35, 20};
    const int column = DivisorColumn();
    if (!club.IsHuman && club.Level >= 21)
        return kTopLevel[column];
    if (!club.IsHuman && club.Level >= 19)
        return kHighLevel[column];
    return kOther[column];
}

// Ages 17..31 by column: 17, 18, 19, 20, 21, 22, 23-24, 25, 26-28, 29-31.
int AgeColumn(int age)
{
    if (age < 17 || age > 31)
        return -1;
    if (age <= 22)
        return age - 17;
    if (age <= 24)
        return 6;
    if (age == 25)
        return 7;
    return age <= 28 ? 8 : 9;
}

int GrowthNumerator(int level, int age)
{
    static constexpr int kRows[4][10] = {
        {11, 10, 9, 8, 7, 6, 5, 5, 5, 4},  // level 18 or more
        {10, 9, 7, 6, 6, 6, 6, 5, 5, 5},   // 15..17
        {9, 8, 7, 6, 6, 6, 6, 6, 5, 5},    // 11..14
        {4, 3, 2, 1, 1, 1, 1, 1, 1, 1},    // below 11
    };
    const int column = AgeColumn(age);
    if (column < 0)
        return 0;
    const int row = level >= 18 ? 0 : level >= 15 ? 1 : level >= 11 ? 2 : 3;
    return kRows[row][column];
}

double StrengthBandPenalty(int strength)
{
    if (strength >= 71 && strength <= 100)
        return 0.05;
    if (strength >= 51 && strength <= 70)
        return 0.04;
    if (strength >= 41 && strength <= 50)
        return 0.03;
    if (strength >= 30 && strength <= 40)
        return 0.02;
    return 0.0;
}

double DeclineFactor(int strength)
{
    if (strength >= 1 && strength <= 50)
        return 0.8;
    if (strength >= 51 && strength <= 70)
        return 1.2;
    if (strength >= 71 && strength <= 100)
        return 1.5;
    return 0.0;
}

// Rounds over which d points are lost: by the league format and the state championships.
double DeclineRounds()
{
    if (Game.LeagueFormat == kDivisionsOf20)
        return Game.StateChampionshipsOn ? 70.0 : 60.0;
    if (Game.LeagueFormat == kDivisionsOf10)
        return Game.StateChampionshipsOn ? 50.0 : 30.0;
    return 0.0;
}

bool ProtectedFromDecline(int division, int strength)
{
    return (division == 1 && strength < 31) || (division == 2 && strength < 21) || (division == 3 && strength < 11);
}

void KeepStrengthPositive(TPlayer& p)
{
    if (p.Strength < 1)
        p.Strength = 1;
}

bool DevelopsToday(int player)
{
    const int club = Players[player].Club;
    if (club < 0 || club >= Game.LeagueClubCount + Game.ExtraClubCount || club >= static_cast<int>(Clubs.size()))
        return false;
    return Game.DayKind != kKindNationalLeague || Clubs[club].Division > 0;
}

}  // namespace

bool BelowDivisionCap(int player)
{
    const int strength = Players[player].Strength;
    switch (ClubOf(player).Division) {
    case 2: return strength < 81;
    case 3: return strength < 61;
    case 4: return strength < 41;
    case 5: return strength < 31;
    default: return true;
    }
}

void PlayerGrowthStep(int player)
{
    TPlayer& p = Players[player];
    const TClub& club = ClubOf(player);
    // The accumulator is a single-precision field: each addition is rounded to it, as it is stored.
    double g = static_cast<double>(GrowthNumerator(club.Level, p.Age)) / GrowthDivisor(club);
    if (PlayedToday(player))
        g += 0.05;
    if (p.Morale == 3)
        g += 0.01;
    g -= StrengthBandPenalty(p.Strength);
    if (g <= 0)
        g = 0.01;
    p.DevelopmentAccumulator = static_cast<float>(p.DevelopmentAccumulator + g);
    if (p.DevelopmentAccumulator >= 1.0f && p.Strength < 100 && BelowDivisionCap(player)) {
        ++p.Strength;
        p.DevelopmentAccumulator -= 1.0f;
    }
    KeepStrengthPositive(p);
}

void PlayerDeclineStep(int player)
{
    TPlayer& p = Players[player];
    if (!ProtectedFromDecline(ClubOf(player).Division, p.Strength)) {
        const double d = (p.Age - 31) * DeclineFactor(p.Strength);
        const double rounds = DeclineRounds();
        if (d >= 1.0) {
            const double loss = rounds > 0 ? d / rounds : 0.0;
            p.DevelopmentAccumulator = static_cast<float>(p.DevelopmentAccumulator + loss);
            if (p.DevelopmentAccumulator >= 1.0f && p.Strength > 1) {
                --p.Strength;
                p.DevelopmentAccumulator -= 1.0f;
            }
        }
    }
    KeepStrengthPositive(p);
}

void PlayerDevelopmentPass()
{
    if (Game.DayKind != kKindNationalLeague && Game.DayKind != kKindStateChampionship)
        return;
    // Only players with a club develop: the free and retired ones, who pile up, are not visited.
    ForEachIndexedRecord(PlayersWithAClub(), Players, [](int player) {
        if (!DevelopsToday(player))
            return;
        if (Players[player].Age < kDeclineAge)
            PlayerGrowthStep(player);
        else
            PlayerDeclineStep(player);
    });
}

}  // namespace tarvelon
