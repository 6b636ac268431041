// The squads of the computer-run national teams at the start of a national-team tournament.
#include <algorithm>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/squad_rules.h"
#include "core/matchday_rules/national_call_up.h"
#include "core/matchday_rules/standings.h"
#include "core/season/competition_kind.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// Players called up per position: goalkeepers, full backs, centre backs, midfielders, forwards.
constexpr int kQuota[5] = {3, 4, 4, 8, 6};

bool IsHumanNation(int entry)
{
    const int count = std::clamp(Game.HumanNationCount, 0, 6);
    for (int i = 0; i < count; ++i)
        if (Game.HumanNations[i] == entry)
            return true;
    return entry >= 0 && entry < static_cast<int>(Clubs.size()) && Clubs[entry].IsHuman != 0;
}

}  // namespace

void CallUpCpuNationalSquad(int country, int entry)
{
    const int lastClub = Game.LeagueClubCount + Game.ExtraClubCount;
    // The candidates as table rows: strength for points, career goals for wins; the random value
    // rides along in draws and decides nothing.
    std::vector<TStandingRow> rows;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        const TPlayer& player = Players[p];
        if (player.nationality != country || player.Club >= lastClub)
            continue;
        TStandingRow row{p, player.Strength, player.Star, player.careerGoals, Random(2), -1, -1, -1, -1};
        rows.push_back(row);
    }
    if (!rows.empty())
        SortRecords(rows.data(), 0, static_cast<int>(rows.size()) - 1, CompareStandingRows);
    std::vector<int> called;
    int counts[5] = {};
    for (const TStandingRow& row : rows) {
        const int position = Players[row.club].Position;
        if (position < 0 || position > 4 || counts[position] >= kQuota[position])
            continue;
        counts[position] += 1;
        called.push_back(row.club);
    }
    CommitNationalCallUp(entry, called);
}

void CommitNationalCallUp(int entry, const std::vector<int>& called)
{
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        if (Players[p].Club != entry)
            continue;
        CallUps.push_back(TCallUp{p, entry});
        Players[p].Club = -1;
    }
    for (int p : called) {
        if (p < 1 || p >= static_cast<int>(Players.size()))
            continue;
        CallUps.push_back(TCallUp{p, Players[p].Club});
        Players[p].Club = entry;
    }
    PlayerClubsChanged();
}

void PrepareTournamentSquads()
{
    int groups = 0;
    switch (Game.DayKind) {
    case kKindWorldCup: groups = 8; break;
    case kKindCopaAmerica: groups = 3; break;
    case kKindEurocopa: groups = 4; break;
    default: return;
    }
    for (int g = 0; g < groups; ++g) {
        for (int entry : Game.NationalGroups[g]) {
            if (entry < 0 || entry >= static_cast<int>(Clubs.size()) || IsHumanNation(entry))
                continue;
            const int country = Clubs[entry].Country;
            if (CanFormNationalSquad(country))
                CallUpCpuNationalSquad(country, entry);
        }
    }
    Game.TournamentSquadsReady = 1;
}

}  // namespace tarvelon
