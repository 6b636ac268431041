#include "core/newgame/club_tables.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/state_championship.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/extra_clubs.h"
#include "core/newgame/national_squads.h"
#include "core/newgame/squads.h"
#include "core/persist/club_file.h"
#include "core/persist/file_paths.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kSpareCoaches = 6;
constexpr int kDivisionRows = 5;  // division 0 (regional or none) and divisions 1..4

// Seats of the sectors G, A, C and Cm by division.
constexpr std::array<std::array<std::int32_t, kStadiumSectors>, kDivisionRows> kSeatsByDivision{{
    {{2000, 9000, 700, 30}},
    {{10000, 40000, 4000, 400}},
    {{7000, 30000, 3000, 300}},
    {{6000, 15000, 1500, 100}},
    {{2000, 9000, 700, 30}},
}};

// Starting cash in whole money units by division, with and without the state championships.
constexpr std::array<std::int64_t, kDivisionRows> kCashWithStates{2500000, 15000000, 12000000, 10000000, 2500000};
constexpr std::array<std::int64_t, kDivisionRows> kCashWithoutStates{2000000, 12000000, 10000000, 7000000, 2000000};

int DivisionRow(int division) { return division >= 0 && division < kDivisionRows ? division : 0; }

bool SlotValuesUsable(const TClubSquad& squad, int slot)
{
    return squad.position[slot] <= kLastPosition && squad.country[slot] <= kLastCountryId;
}

// Frees the used slots whose position or nationality the game has no place for; true when none.
bool DropUnusableSlots(TClubSquad& squad)
{
    bool clean = true;
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        if (IsFreeSlot(squad.names[slot]) || SlotValuesUsable(squad, slot))
            continue;
        squad.names[slot].clear();
        clean = false;
    }
    return clean;
}

// What the set-up knew of a club whose file cannot be read: its name, crest, level, country, state.
// "A club file listed in `ClubFileNames` that is missing leaves a zero header and an empty squad: the
// club gets an empty name and level 0 and no players": a zero header would also give it country 0,
// so it would drop out of its own league's club count and stand nameless in the tables; the
// set-up's name, country and state are kept and the missing file is reported.
TClubHeader HeaderFromSetUp(const TClub& club)
{
    TClubHeader header;
    header.shortName.setRaw(club.name.raw());
    header.crestName.setRaw(club.crestName.raw());
    header.level = static_cast<std::uint8_t>(club.Level);
    header.country = static_cast<std::uint8_t>(club.Country <= kLastCountryId ? club.Country : 0);
    header.state = static_cast<std::uint8_t>(club.State >= 0 && club.State <= kLastStateIndex ? club.State : 0);
    return header;
}

// Reads one club's file; false when it could not be read whole and sound. ("A missing file leaves
// both records zero" would give the club an empty name, level 0 and no players to field; such a
// club keeps what the set-up knew of it, and the player is told to reinstall the clubs.)
bool ReadOneClubFile(int club)
{
    const std::string name = club < static_cast<int>(ClubFileNames.size()) ? ClubFileNames[club] : "";
    // A name that would lead out of the club folder is no club file.
    const std::string path = IsPlainFileName(name) ? FindFileNoCase("teams", name) : "";
    ClubFile file;
    const DatabaseFileError error = path.empty() ? DatabaseFileError::CannotOpen : ReadClubFile(path, file);
    if (error != DatabaseFileError::None && error != DatabaseFileError::BadValue) {
        NewGameClubHeaders[club] = HeaderFromSetUp(Clubs[club]);
        NewGameClubSquads[club] = TClubSquad{};
        return false;
    }
    bool sound = DropUnusableSlots(file.squad);
    if (file.header.country > kLastCountryId || file.header.state > kLastStateIndex) {
        const TClubHeader known = HeaderFromSetUp(Clubs[club]);
        file.header.country = known.country;
        file.header.state = known.state;
        sound = false;
    }
    NewGameClubHeaders[club] = file.header;
    NewGameClubSquads[club] = file.squad;
    return sound;
}

int ExtraClubDivision(int level, int division)
{
    if (level < 0)
        return division;
    if (level < 12)
        return 4;
    if (level <= 16)
        return 3;
    if (level <= 18)
        return 2;
    if (level <= 25)
        return 1;
    return division;
}

void InitClubFromHeader(int index, const TClubHeader& h)
{
    TClub& club = Clubs[index];
    club.Level = h.level;
    club.name.setRaw(h.shortName.raw());
    club.BackColor = h.backColor;
    club.TextColor = h.textColor;
    club.crestName.setRaw(h.crestName.raw());
    club.Stadium.setRaw(h.stadium.raw());
    club.State = h.state;
    club.Country = Game.playedCountry == CustomCountry ? CustomCountry : h.country;
    club.boardConfidence = 100;
    club.SupportersMood = 100;
    if (index >= Game.LeagueClubCount)
        club.Division = ExtraClubDivision(club.Level, club.Division);

    const int row = DivisionRow(club.Division);
    for (int s = 0; s < kStadiumSectors; ++s) {
        club.SectorSeats[s] = kSeatsByDivision[row][s];
        club.SectorPrices[s] = DefaultTicketPrices[row].sectors[s];
    }
    const std::int64_t cash = Game.StateChampionshipsOn ? kCashWithStates[row] : kCashWithoutStates[row];
    // The cash has a random fraction of a unit: (Random(99) + 1) hundredths.
    club.cash = CurrencyFromUnits(cash) + (Random(99) + 1) * (kCurrencyScale / 100);
}

// Slot (0..5) of the club among the game state's human clubs, or -1.
int HumanClubSlot(int club)
{
    for (int j = 0; j < 6; ++j)
        if (Game.HumanClubs[j] == club)
            return j;
    return -1;
}

void CreateHumanCoach(int club, int humanNumber, const TClubHeader& header)
{
    const int clubCount = static_cast<int>(Clubs.size());
    const int spare = clubCount - 1 + humanNumber;
    if (spare < static_cast<int>(Coaches.size())) {
        TCoach& free = Coaches[spare];
        free.name.setRaw(header.coachName.raw());
        free.division = Clubs[club].Division;
        free.country = Clubs[club].Country;
        free.club = -1;
    }
    const int slot = HumanClubSlot(club);
    Coaches[club].name.setRaw(slot >= 0 ? HumanCoachNames[slot].raw() : header.coachName.raw());
    Coaches[club].human = 1;
    if (humanNumber <= 6)
        Game.HumanCoachSlots[humanNumber - 1] = club;
}

// The human-present flag of every drawn state championship, from the clubs of its groups.
void MarkHumanStateChampionships()
{
    for (TStateChampionship& state : StateChampionships) {
        if (state.groupCount < 1)
            continue;
        for (const auto& group : state.groups)
            for (int club : group)
                if (club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman)
                    state.humanClubPresent = 1;
    }
}

void ChooseSquadFigures(int clubCount)
{
    for (int club = 0; club < clubCount; ++club) {
        InitSquadStrengths(club);
        ChooseCaptain(club);
        ChooseFreeKickTaker(club);
    }
}

void CountLeagueClubs()
{
    for (TLeague& league : Leagues)
        league.clubCount = CountClubsOfCountry(league.country);
}

void SettleSquadsAndWages()
{
    const int clubs = static_cast<int>(Clubs.size());
    const int paying = std::min(Game.LeagueClubCount + Game.ExtraClubCount, clubs);
    for (int club = 0; club < paying; ++club)
        RecalcClubWageBill(club);
    for (int club = 0; club < clubs; ++club)
        RecountSquad(club);
    for (int club = 0; club < std::min(Game.LeagueClubCount, clubs); ++club)
        if (Clubs[club].squadSize > 15)
            ListSurplusPlayers(club);
}

bool AnyNationalTournamentOn()
{
    return Game.worldCupOn || Game.copaAmericaOn || Game.eurocopaOn;
}

}  // namespace

void InitTicketPrices()
{
    TicketPrices = DefaultTicketPrices;
}

bool ReadClubFilesForBuild()
{
    bool allRead = true;
    for (int club = 0; club < static_cast<int>(NewGameClubHeaders.size()); ++club)
        allRead = ReadOneClubFile(club) && allRead;
    if (!allRead && Hooks().showMessage)
        Hooks().showMessage(kReinstallClubsText);
    return allRead;
}

void InitClubsFromHeaders()
{
    for (int club = 0; club < static_cast<int>(NewGameClubHeaders.size()); ++club)
        InitClubFromHeader(club, NewGameClubHeaders[club]);
}

void CreateCoaches()
{
    int humans = 0;
    for (int club = 0; club < static_cast<int>(NewGameClubHeaders.size()); ++club) {
        const TClubHeader& header = NewGameClubHeaders[club];
        if (Clubs[club].IsHuman)
            CreateHumanCoach(club, ++humans, header);
        else
            Coaches[club].name.setRaw(header.coachName.raw());
        TCoach& coach = Coaches[club];
        coach.country = Clubs[club].Country;
        coach.division = Clubs[club].Division;
        coach.club = club;
        coach.active = 1;
        Clubs[club].coach = club;
    }
}

void BuildNewGameTables()
{
    for (std::int32_t& slot : Game.HumanCoachSlots)
        slot = -1;
    InitTicketPrices();
    ResetExtraClubRows();
    if (Game.playedCountry != CustomCountry)
        CatalogueClubFiles();

    const int clubCount = static_cast<int>(Clubs.size());
    Coaches.assign(static_cast<std::size_t>(clubCount + kSpareCoaches), TCoach{});
    NewGameClubHeaders.assign(static_cast<std::size_t>(clubCount), TClubHeader{});
    NewGameClubSquads.assign(static_cast<std::size_t>(clubCount), TClubSquad{});
    ClubFinances.assign(static_cast<std::size_t>(clubCount), TClubFinance{});
    ReadClubFilesForBuild();
    ReportNewGameProgress(20);

    InitClubsFromHeaders();
    CreateCoaches();
    LoadClubSquads();
    ChooseSquadFigures(clubCount);
    ReportNewGameProgress(30);
    CountLeagueClubs();
    SettleSquadsAndWages();
    if (AnyNationalTournamentOn())
        LoadNationalTeams();
    // The national teams' entries get (empty) accounts too, so every club has its row.
    ClubFinances.resize(Clubs.size());
    MarkHumanStateChampionships();
}

}  // namespace tarvelon
