// The squads of the computer-run national teams at the start of a national-team tournament.
#include <algorithm>
#include <map>
#include <vector>

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

// The players of each entry's country, ascending, in one walk over the player table.
std::map<int, std::vector<int>> PlayersOfTheirCountries(const std::vector<int>& entries)
{
    std::map<int, std::vector<int>> byCountry;
    for (const int entry : entries)
        byCountry[Clubs[entry].Country];
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (const auto found = byCountry.find(Players[p].nationality); found != byCountry.end())
            found->second.push_back(p);
    return byCountry;
}

}  // namespace

void CallUpCpuNationalSquad(int country, int entry) { CallUpCpuNationalSquad(country, entry, PlayersOfNationality(country)); }

void CallUpCpuNationalSquad(int country, int entry, const std::vector<int>& players)
{
    const int lastClub = Game.LeagueClubCount + Game.ExtraClubCount;
    // The candidates as table rows: strength for points, career goals for wins; the random value
    // rides along in draws and decides nothing.
    std::vector<TStandingRow> rows;
    for (const int p : players) {
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
    // A copy: the squad's players leave the list as they go.
    const std::vector<int> squad = PlayersOfClub(entry);
    for (const int p : squad) {
        CallUps.push_back(TCallUp{p, entry});
        Players[p].Club = -1;
        PlayerClubChanged(p, entry);
    }
    for (int p : called) {
        if (p < 1 || p >= static_cast<int>(Players.size()))
            continue;
        const int from = Players[p].Club;
        // A free player goes back to no club: his call-up holds the format's "none", -1, whatever
        // negative club his record held, as the loader takes no other negative call-up club.
        CallUps.push_back(TCallUp{p, from < 0 ? -1 : from});
        Players[p].Club = entry;
        PlayerClubChanged(p, from);
    }
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
    std::vector<int> entries;
    for (int g = 0; g < groups; ++g)
        for (int entry : Game.NationalGroups[g])
            if (entry >= 0 && entry < static_cast<int>(Clubs.size()) && !IsHumanNation(entry))
                entries.push_back(entry);
    // A call-up moves players between clubs, never between nationalities: one walk serves them all.
    const std::map<int, std::vector<int>> byCountry = PlayersOfTheirCountries(entries);
    for (const int entry : entries) {
        const int country = Clubs[entry].Country;
        const std::vector<int>& players = byCountry.at(country);
        if (CanFormNationalSquad(country, players))
            CallUpCpuNationalSquad(country, entry, players);
    }
    Game.TournamentSquadsReady = 1;
}

}  // namespace tarvelon
