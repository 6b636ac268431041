#include "core/records/cup_tie.h"
#include "core/records/state_championship.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/match/match_day.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"

namespace tarvelon {

namespace {

enum class Tactics { kKeep, kDraw };

void PrepareClub(int club, Tactics tactics)
{
    if (ClubAt(club) == nullptr || IsHumanClub(club))
        return;
    BuildCpuLineup(club);
    if (tactics == Tactics::kDraw)
        ChooseCpuTactics(club);
}

void PrepareFriendlies()
{
    double today = TodayDate();
    for (const TFriendly& f : Friendlies) {
        if (f.date != today || f.done != 0)
            continue;
        PrepareClub(f.home, Tactics::kKeep);
        PrepareClub(f.away, Tactics::kKeep);
    }
}

template <typename Accept>
void PrepareLeagueClubs(Accept accept)
{
    int count = std::min<int>(Game.LeagueClubCount, static_cast<int>(Clubs.size()));
    for (int c = 0; c < count; ++c)
        if (accept(Clubs[c]))
            PrepareClub(c, Tactics::kDraw);
}

void PrepareStateChampionships()
{
    for (const TStateChampionship& state : StateChampionships) {
        if (state.active == 0)
            continue;
        int tiers = std::clamp<int>(state.groupCount, 0, kStateTierCount);
        for (int t = 0; t < tiers; ++t)
            for (int club : state.groups[t])
                PrepareClub(club, Tactics::kDraw);
    }
}

// The groups of the given tables of the game state (8 groups of 4 each, or the first `groups`).
void PrepareGroups(const std::int32_t (&table)[8][4], int groups)
{
    for (int g = 0; g < groups; ++g)
        for (int club : table[g])
            PrepareClub(club, Tactics::kDraw);
}

void PrepareClubWorldCupStage()
{
    int stage = Game.ClubWorldCupStage;
    if (stage < 1 || stage > 3)
        return;
    for (int tie = 2 * stage - 1; tie <= 2 * stage; ++tie) {
        PrepareClub(ClubWorldCupTies[tie].firstTeam, Tactics::kKeep);
        PrepareClub(ClubWorldCupTies[tie].secondTeam, Tactics::kKeep);
    }
}

}  // namespace

void PrepareMatchdayLineups()
{
    LineupCount = static_cast<int>(Lineups.size());
    switch (Game.DayKind) {
    case 0: PrepareFriendlies(); break;
    case 1: PrepareLeagueClubs([](const TClub& c) { return c.Division > 0; }); break;
    case 2: PrepareLeagueClubs([](const TClub& c) { return c.nationalCupEntry != 0; }); break;
    case 3: PrepareStateChampionships(); break;
    case 4:
        PrepareGroups(Game.ContinentalGroups[ContinentalGroupTable(4, 1)], 8);
        PrepareGroups(Game.ContinentalGroups[ContinentalGroupTable(4, 2)], 8);
        break;
    case 5: PrepareClubWorldCupStage(); break;
    case 6:
        PrepareGroups(Game.ContinentalGroups[ContinentalGroupTable(6, 1)], 8);
        PrepareGroups(Game.ContinentalGroups[ContinentalGroupTable(6, 2)], 8);
        break;
    case 7: PrepareGroups(Game.NationalGroups, 8); break;
    case 8: PrepareGroups(Game.NationalGroups, 3); break;
    case 9: PrepareGroups(Game.NationalGroups, 4); break;
    default: break;
    }
    ClampAttributesAndServeSuspensions();
}

}  // namespace tarvelon
