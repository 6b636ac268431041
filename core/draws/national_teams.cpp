#include "core/draws/national_team_draw.h"
#include "core/draws/national_tournaments.h"

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kGroups = 8;
constexpr int kPlaces = 4;
constexpr int kRowSize = 8;

// Base strength by the side's level 1..25, for seasons 1-2 and from season 3 on.
constexpr int kEarlyBase[26] = {0,  7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17, 19,
                                22, 25, 27, 30, 35, 37, 40, 50, 55, 60, 65, 70};
constexpr int kLaterBase[26] = {0,  12, 12, 12, 12, 12, 15, 15, 15, 15, 15, 17, 25, 30,
                                35, 38, 40, 42, 45, 50, 55, 70, 75, 80, 85, 90};

}  // namespace

int CompareNationalCandidates(const void* a, const void* b)
{
    return CompareLevelThenHigherKey(a, b);
}

int FindNationalTeamClub(int country)
{
    for (const TNationalTeam& team : NationalTeams)
        if (team.country == country)
            return team.clubEntry;
    return -1;
}

int ComputeNationalPlayerStrength(int player, int level)
{
    const int base = level >= 1 && level <= 25 ? (Game.Season < 3 ? kEarlyBase[level] : kLaterBase[level]) : 0;
    int strength = base + Random(6);
    const TPlayer& p = Players.at(player);
    if (p.LineupStatus == 1)
        strength += 3;
    if (p.Star)
        strength += 5;
    return strength;
}

void ResetNationalTournamentState()
{
    Game.TournamentSquadsReady = 0;  // the tournament days have not begun
    Game.TournamentCallUpDone = 0;  // the national-team tournament flag
    Game.HumanNationCount = 0;
    Game.TournamentStage = 1;
    Game.tournamentLeg = 1;
    for (std::int32_t& slot : Game.HumanNations)
        slot = -1;
}

void PlaceNationalGroups(const NationalGroupTable& table, int groups, bool mark)
{
    for (int g = 0; g < kGroups; ++g)
        for (int p = 0; p < kPlaces; ++p)
            Game.NationalGroups[g][p] = g < groups ? table[g][p] : -1;
    if (!mark)
        return;
    for (int g = 0; g < groups; ++g) {
        for (int p = 0; p < kPlaces; ++p) {
            const int side = table[g][p];
            if (!IsDrawnClub(side))
                continue;
            Clubs[side].nationalTeamGroupPlace = p + 1;
            Clubs[side].NationalTeamGroup = g + 1;
            Clubs[side].NationalTeamCupEntry = 1;
        }
    }
}

void WriteTournamentRows(int groups)
{
    std::vector<DrawCandidate> drawn;
    for (int g = 0; g < groups; ++g)
        for (int side : Game.NationalGroups[g])
            if (IsDrawnClub(side))
                drawn.push_back({side, Clubs[side].Level, Random(100)});
    SortCandidates(drawn, CompareNationalCandidates);
    for (int i = 0; i < static_cast<int>(drawn.size()) && i < 4 * kRowSize; ++i)
        Game.tournamentRows[i / kRowSize][i % kRowSize] = drawn[i].club;
}

std::vector<int> NationalTeamClubs(const int* countries, int n)
{
    std::vector<int> clubs;
    for (int i = 0; i < n; ++i)
        clubs.push_back(FindNationalTeamClub(countries[i]));
    return clubs;
}

}  // namespace tarvelon
