#include "core/newgame/national_squads.h"

#include <string>

#include "core/club_rosters.h"
#include "core/draws/national_tournaments.h"
#include "core/match/computer_lineups.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/file_listing.h"
#include "core/persist/club_file.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr const char* kNationalFolder = "teams/selecoes";
constexpr int kNationalKinds[] = {7, 8, 9};  // World Cup, Copa América, Eurocopa

bool KnownTrait(std::int32_t trait) { return trait >= 0 && trait <= kLastTrait; }

// Frees the slots the game has no position for and clears unknown traits and sides.
void MendSquadValues(TNationalSquad& squad)
{
    for (int slot = 0; slot < kNationalSquadSlots; ++slot) {
        if (squad.position[slot] < 0 || squad.position[slot] > kLastPosition)
            squad.names[slot].clear();
        if (!KnownTrait(squad.trait1[slot]))
            squad.trait1[slot] = 0;
        if (!KnownTrait(squad.trait2[slot]))
            squad.trait2[slot] = 0;
        if (squad.side[slot] > 1)
            squad.side[slot] = 0;
    }
}

// The squads of the files that can be read; a file that cannot (short, unreadable, of no known
// country) is passed over and the player told once which.
void ReadNationalSquadFiles()
{
    std::vector<std::string> skipped;
    for (const std::string& name : ListDataFiles(kNationalFolder, ".nsx")) {
        const std::string path = std::string(kNationalFolder) + "/" + name;
        TNationalSquad squad;
        const DatabaseFileError error = ReadNationalSquadFile(path, squad);
        const bool read = error == DatabaseFileError::None || error == DatabaseFileError::BadValue;
        if (!read || squad.country < 0 || squad.country > kLastCountryId) {
            skipped.push_back(path);
            continue;
        }
        MendSquadValues(squad);
        NationalSquadRecords.push_back(squad);
    }
    NoticeSkippedDataFiles(skipped);
}

int AppendNationalTeamClub(const TNationalSquad& squad, int nationalTeam)
{
    const int club = static_cast<int>(Clubs.size());
    Clubs.emplace_back();
    TClub& c = Clubs.back();
    c.name.set(CountryNames[squad.country]);
    c.Level = squad.level;
    c.IsHuman = 0;
    c.BackColor = squad.backColor;
    c.TextColor = squad.textColor;
    c.crestName.setRaw(squad.symbolName.raw());
    c.Country = squad.country;
    c.coach = -1;
    c.State = nationalTeam;
    for (int kind : kNationalKinds) {
        c.Points[kind] = c.Played[kind] = c.Won[kind] = c.Lost[kind] = 0;
        c.GoalsFor[kind] = c.GoalsAgainst[kind] = 0;
    }
    c.NationalTeamCupEntry = 1;
    return club;
}

void AppendNationalPlayer(const TNationalSquad& squad, int slot, int club)
{
    TPlayer player;
    player.Name.setRaw(squad.names[slot].raw());
    player.LineupStatus = squad.status[slot];
    player.Star = squad.star[slot] != 0 ? 1 : 0;
    player.Trait1 = squad.trait1[slot];
    player.Trait2 = squad.trait2[slot];
    player.Age = squad.age[slot];
    player.Side = squad.side[slot];
    player.Position = squad.position[slot];
    for (int kind : kNationalKinds)
        player.YellowCards[kind] = player.Bans[kind] = 0;
    player.InjuredUntil = TodayDate();
    player.PlayedThisRound = 0;
    player.Morale = 3;
    player.Club = club;
    player.Energy = 100;
    Players.push_back(player);
    PlayerClubsChanged();
    const int index = static_cast<int>(Players.size()) - 1;
    Players[index].Role = ChooseTacticalRole(index);
    Players[index].Strength = ComputeNationalPlayerStrength(index, squad.level);
    Players[index].nationality = squad.country;
}

void AppendNationalTeam(const TNationalSquad& squad)
{
    TNationalTeam team;
    team.country = squad.country;
    team.confederation = squad.confederation;
    team.coachName.setRaw(squad.coach.raw());
    team.level = squad.level;
    NationalTeams.push_back(team);
    const int nationalTeam = static_cast<int>(NationalTeams.size()) - 1;
    const int club = AppendNationalTeamClub(squad, nationalTeam);
    NationalTeams[nationalTeam].clubEntry = club;
    for (int slot = 0; slot < kNationalSquadSlots; ++slot)
        if (!IsFreeSlot(squad.names[slot]))
            AppendNationalPlayer(squad, slot, club);
    ChooseFreeKickTaker(club);
    ChooseCaptain(club);
}

}  // namespace

int NationalTeamConfederation(int country)
{
    return country == CountryMexico ? kConfNorthCentralAmerica : ConfederationOfCountry(country);
}

void LoadNationalTeams()
{
    // No World Cup, Copa América or Eurocopa has been played yet.
    Game.nationalSquadCounter = 0;
    Game.worldCupEditions = 0;
    Game.copaAmericaEditions = 0;
    Game.eurocopaEditions = 0;

    NationalSquadRecords.clear();
    ReadNationalSquadFiles();
    for (TNationalSquad& squad : NationalSquadRecords)
        squad.confederation = NationalTeamConfederation(squad.country);
    for (const TNationalSquad& squad : NationalSquadRecords)
        if (IsNationalSquadTakenIntoGame(squad))
            AppendNationalTeam(squad);
    NationalSquadRecords.clear();
}

}  // namespace tarvelon
