#include "core/newgame/squads.h"

#include <algorithm>
#include <array>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/player_value.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/newgame/builder_tables.h"
#include "core/persist/club_file.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kMaxLevel = 25;
constexpr int kLevelAboveMaxReadsAs = 9;
constexpr int kMaxStrength = 100;

TPlayer PlayerOfSlot(TClubSquad& squad, int slot, int club)
{
    TPlayer player;
    player.Name.setRaw(squad.names[slot].raw());
    player.Position = squad.position[slot];
    player.Star = squad.star[slot];
    player.Age = squad.age[slot];
    player.nationality = squad.country[slot];
    player.fileByte = squad.fileByte[slot];
    player.LineupStatus = squad.status[slot] != 0 ? 1 : 0;
    // Unknown traits read as none, an outfield player's missing traits are drawn, a bad side is right.
    ApplySquadSlotLoadFixups(squad, slot);
    player.Side = squad.side[slot];
    player.Trait1 = squad.trait1[slot];
    player.Trait2 = squad.trait2[slot];
    player.Club = club;
    player.Energy = 100;
    player.Morale = 3;
    return player;
}

}  // namespace

void LoadClubSquads()
{
    for (int club = 0; club < static_cast<int>(NewGameClubSquads.size()); ++club) {
        TClubSquad& squad = NewGameClubSquads[club];
        for (int slot = 0; slot < kClubSquadSlots; ++slot) {
            if (IsFreeSlot(squad.names[slot]))
                continue;
            Players.push_back(PlayerOfSlot(squad, slot, club));
            const int index = static_cast<int>(Players.size()) - 1;
            Players[index].Role = ChooseTacticalRole(index);
        }
        ReportNewGameStep();
    }
    PlayerClubsChanged();
}

int StrengthBaseOfLevel(int level)
{
    static constexpr std::array<int, kMaxLevel + 1> kBase{0,  7,  7,  7,  7,  7,  12, 12, 12, 12, 12, 15, 17,
                                                          19, 22, 25, 27, 30, 35, 37, 40, 45, 50, 55, 60, 65};
    return level >= 0 && level <= kMaxLevel ? kBase[level] : 0;
}

int StrengthBaseOfDivision(int leagueFormat, int division)
{
    if (leagueFormat == kDivisionsOf10)
        return division == 1 ? 20 : division == 2 ? 15 : division == 3 ? 10 : 0;
    if (leagueFormat == kDivisionsOf20)
        return division == 1 ? 20 : division == 2 ? 15 : division == 3 ? 5 : 1;
    return 0;
}

void InitSquadStrengths(int club)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return;
    TClub& c = Clubs[club];
    if (c.Level > kMaxLevel)
        c.Level = kLevelAboveMaxReadsAs;
    int base = 0;
    if (club >= Game.LeagueClubCount - 1)
        base = StrengthBaseOfLevel(c.Level);
    else if (Game.LeagueFormat == kDivisionsOf20 || Game.LeagueFormat == kDivisionsOf10)
        base = StrengthBaseOfDivision(Game.LeagueFormat, c.Division) + c.Level;

    for (int p : PlayersOfClub(club)) {
        TPlayer& player = Players[p];
        int strength = Random(6) + base;
        if (player.LineupStatus == 1)
            strength += Random(2) + 8;
        if (player.Star)
            strength += Random(5) + 7;
        player.Strength = std::min(strength, kMaxStrength);
        player.Value = CurrencyFromUnits(ComputePlayerValue(p));
        player.wage = CurrencyFromUnits(ComputePlayerWage(p));
    }
}

}  // namespace tarvelon
