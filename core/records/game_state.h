#pragma once
// The game state: everything about a game that is not a table. There is exactly one, `Game`.
// It is the header of a saved game, stored byte for byte, so every field stands at a fixed offset,
// reserved ranges included.
//
// Field names: the names the rules use where they have one (`DayKind`, `DayIndex`, `Season`, ...),
// otherwise an English name in lowerCamelCase. Lists that the rules number from 1 (human slots,
// groups, places, extra-club rows...) are plain C arrays here: slot s is element [s - 1], except the
// extra-club rows, which keep their stored row 0 (see below).
// Club indexes point into `Clubs`, coach indexes into `Coaches`; -1 means none.
#include <cstdint>

#include "core/basics/color.h"
#include "core/basics/short_string.h"
#include "core/records/record_layout.h"

namespace tarvelon {

// The save version written by a new game and required when a game is loaded.
inline constexpr std::int32_t kSaveVersion = 10;

// Extra clubs of the continental cups are kept per position k of the fixed list of 53 countries.
// Row k of club indexes starts at byte 384 + 80 k; rows from k = 45 on would run into the count
// table and the group tables that follow, so only positions 1..44 can hold extra clubs.
inline constexpr int kExtraClubListSize = 53;
inline constexpr int kMaxExtraClubListPosition = 44;
inline constexpr int kExtraClubsPerRow = 20;

#pragma pack(push, 1)
struct TGameState {
    // Header and human players.
    std::uint8_t reserved0[4]{};
    std::int32_t saveVersion{};        // 10
    std::int32_t CurrentHumanClub{};   // the human club whose coach is acting now
    std::uint8_t reserved12[4]{};
    std::int32_t CurrentHumanCoach{};  // that club's coach
    std::int32_t HumanCoachSlots[6]{}; // coach indexes of the human coaches, slot s at [s-1]; -1 free
    std::int32_t LeagueClubCount{};    // Clubs[0 .. count-1] belong to the played leagues
    std::int32_t ExtraClubCount{};     // continental-cup guests stored after the league clubs
    std::int32_t nationalSquadCounter{}; // reset when the national squads are loaded; nothing reads it
    std::uint8_t reserved56[4]{};
    std::int32_t LeagueRound{};        // round of the national league within the turn, from 1
    std::int32_t LeagueTurn{};         // 1 first half of the double round robin, 2 second half
    std::uint8_t reserved68[52]{};

    // Competition kind of the day and save name.
    std::int32_t DayKind{};            // 0 friendlies .. 9 Eurocopa; 7+ = national-team tournament mode
    ShortString<50> saveName;          // file name inside "sav/"; empty = never saved
    std::uint8_t reserved175[1]{};
    std::int32_t Season{};             // 1 in the first season; the year is 2009 + Season
    std::int32_t playedCountry{};      // country id of the played league; 202 = custom championship

    // Options (settings file at new game, options screens later).
    std::int32_t TickIntervalHuman{};  // ms per clock tick on a day with a human match
    std::int32_t TickIntervalCpu{};    // ms per clock tick on a day without one
    std::int32_t autosave{};           // 0 never, 1 every third hub visit, 2 every visit, 3 start of year
    std::uint8_t showCoachChanges{};
    std::uint8_t HalfTimeScreen{};     // substitution window at half time
    std::uint8_t ShowPenalties{};      // watch shoot-outs of other clubs
    std::uint8_t colouredPlayerLists{};
    std::uint8_t SoundOption{};
    std::uint8_t BoldHomeEvents{};
    std::uint8_t KeepLineup{};
    std::uint8_t reserved203[1]{};
    std::int32_t contractNotices{};    // 0 all, 1 only at the end, 2 three weeks before, 3 none
    TColor listColours[5]{};           // colours "cor0".."cor4"
    std::uint8_t reserved228[4]{};
    std::int32_t continentalMatchDisplay[4]{}; // 0 show matches, 1 results only; stored only
    std::uint8_t autoContractExtension{};
    std::uint8_t nationalCupOn{};
    std::uint8_t reserved250[2]{};

    // Competition progress.
    std::int32_t NationalCupStage{};
    std::int32_t nationalCupRound{};   // round number given to national cup matches in the archive
    std::int32_t NationalCupLeg{};     // 1 or 2
    ShortString<30> cupName;           // cup of the custom championship
    std::uint8_t reserved295[1]{};
    std::int32_t HumanClubCount{};
    std::int32_t HumanClubs[6]{};      // human-run club indexes, sorted ascending, free (-1) last
    std::int32_t LeagueFormat{};       // 2 = divisions of 20 clubs, 4 = divisions of 10
    std::int32_t DayIndex{};           // today's calendar day, 1..148
    std::uint8_t StateChampionshipsOn{};
    std::uint8_t firstContinentalPairOn{};  // both editions of the first continental cup
    std::uint8_t secondContinentalPairOn{}; // both editions of the second continental cup
    std::uint8_t reserved335[4]{};
    std::uint8_t worldCupOn{};
    std::uint8_t eurocopaOn{};
    std::uint8_t copaAmericaOn{};
    std::uint8_t reserved342[2]{};
    std::int32_t StateTurn{};          // 1 or 2
    std::int32_t StateStage{};         // round within the turn; 6 last group day, 7 and 8 the final
    // Season whose state finals, state prizes and regional fourth division draw are done (0: none
    // yet). Kept in what older saves hold as reserved zero bytes, so they load as "not done".
    std::int32_t stateFinalsSeason{};
    std::int32_t FirstContinentalTurn{};
    std::int32_t FirstContinentalStage{}; // round within the turn in the groups, then the stage
    std::int32_t FirstContinentalLeg{};
    std::int32_t SecondContinentalTurn{};
    std::int32_t SecondContinentalStage{};
    std::int32_t SecondContinentalLeg{};
    std::int32_t ClubWorldCupStage{};

    // Extra clubs, groups and national-team tournaments.
    // Row k (list position 1..44) at ExtraClubRows[k], entry c (1..count) at [k][c-1]; row 0 unused.
    std::int32_t ExtraClubRows[kMaxExtraClubListPosition + 1][kExtraClubsPerRow]{};
    std::uint8_t reserved3984[4]{};
    // Count of list position k at [k-1].
    std::int32_t ExtraClubCounts[kMaxExtraClubListPosition]{};
    // Four tables of group g (1..8), place p (1..4) at [table][g-1][p-1]; the tables in stored order:
    // 0 first cup South America, 1 second cup South America, 2 first cup Europe, 3 second cup Europe
    // (see ContinentalGroupTable).
    std::int32_t ContinentalGroups[4][8][4]{};
    std::uint8_t reserved4676[16]{};
    std::int32_t NationalGroups[8][4]{}; // national-team club entries, group g place p at [g-1][p-1]
    std::uint8_t reserved4820[192]{};
    std::int32_t HumanNationCount{};   // national teams led by human coaches (0..6)
    std::int32_t coachedNationalTeam{}; // club entry of the national team a human coach leads
    std::int32_t HumanNations[6]{};    // their club entries, [0 .. count-1], -1 empty
    std::int32_t TournamentStage{};    // 8 = the final has been played
    std::int32_t tournamentLeg{};
    std::int32_t worldCupEditions{};   // World Cups played; selects the host
    std::int32_t copaAmericaEditions{};
    std::int32_t eurocopaEditions{};
    std::uint8_t tournamentOver{};
    std::uint8_t reserved5065[3]{};
    std::int32_t TournamentHost{};     // 1-based row of the host tables
    std::int32_t tournamentRows[4][8]{}; // national teams of the last draw by level: the invitations offer them
    std::uint8_t InstantPlay{};
    ShortString<25> previewCoach;      // shown by the load screen
    ShortString<25> previewClub;
    std::uint8_t reserved5253[3]{};
    std::int32_t TournamentSquadsReady{}; // once per tournament: computer squads built
    std::int32_t MidSeasonRevalued{};     // once per season: set when the league's second turn begins
    std::uint8_t TournamentCallUpDone{};  // once per tournament: human call-up offered
    std::uint8_t thirtyTwoTeamDraw{};
    std::uint8_t reserved5266[2]{};
    std::int32_t MatchReferees[12]{};  // referee of match slot m at [m-1]
    std::uint8_t reserved5316[32]{};
    std::uint8_t RegionalFourthDivision{};
    std::uint8_t reserved5349[3]{};
};
#pragma pack(pop)

TARVELON_RECORD_SIZE(TGameState, 5352);
TARVELON_FIELD_AT(TGameState, reserved0, 0);
TARVELON_FIELD_AT(TGameState, saveVersion, 4);
TARVELON_FIELD_AT(TGameState, CurrentHumanClub, 8);
TARVELON_FIELD_AT(TGameState, reserved12, 12);
TARVELON_FIELD_AT(TGameState, CurrentHumanCoach, 16);
TARVELON_FIELD_AT(TGameState, HumanCoachSlots, 20);
TARVELON_FIELD_AT(TGameState, LeagueClubCount, 44);
TARVELON_FIELD_AT(TGameState, ExtraClubCount, 48);
TARVELON_FIELD_AT(TGameState, nationalSquadCounter, 52);
TARVELON_FIELD_AT(TGameState, reserved56, 56);
TARVELON_FIELD_AT(TGameState, LeagueRound, 60);
TARVELON_FIELD_AT(TGameState, LeagueTurn, 64);
TARVELON_FIELD_AT(TGameState, reserved68, 68);
TARVELON_FIELD_AT(TGameState, DayKind, 120);
TARVELON_FIELD_AT(TGameState, saveName, 124);
TARVELON_FIELD_AT(TGameState, reserved175, 175);
TARVELON_FIELD_AT(TGameState, Season, 176);
TARVELON_FIELD_AT(TGameState, playedCountry, 180);
TARVELON_FIELD_AT(TGameState, TickIntervalHuman, 184);
TARVELON_FIELD_AT(TGameState, TickIntervalCpu, 188);
TARVELON_FIELD_AT(TGameState, autosave, 192);
TARVELON_FIELD_AT(TGameState, showCoachChanges, 196);
TARVELON_FIELD_AT(TGameState, HalfTimeScreen, 197);
TARVELON_FIELD_AT(TGameState, ShowPenalties, 198);
TARVELON_FIELD_AT(TGameState, colouredPlayerLists, 199);
TARVELON_FIELD_AT(TGameState, SoundOption, 200);
TARVELON_FIELD_AT(TGameState, BoldHomeEvents, 201);
TARVELON_FIELD_AT(TGameState, KeepLineup, 202);
TARVELON_FIELD_AT(TGameState, reserved203, 203);
TARVELON_FIELD_AT(TGameState, contractNotices, 204);
TARVELON_FIELD_AT(TGameState, listColours, 208);
TARVELON_FIELD_AT(TGameState, reserved228, 228);
TARVELON_FIELD_AT(TGameState, continentalMatchDisplay, 232);
TARVELON_FIELD_AT(TGameState, autoContractExtension, 248);
TARVELON_FIELD_AT(TGameState, nationalCupOn, 249);
TARVELON_FIELD_AT(TGameState, reserved250, 250);
TARVELON_FIELD_AT(TGameState, NationalCupStage, 252);
TARVELON_FIELD_AT(TGameState, nationalCupRound, 256);
TARVELON_FIELD_AT(TGameState, NationalCupLeg, 260);
TARVELON_FIELD_AT(TGameState, cupName, 264);
TARVELON_FIELD_AT(TGameState, reserved295, 295);
TARVELON_FIELD_AT(TGameState, HumanClubCount, 296);
TARVELON_FIELD_AT(TGameState, HumanClubs, 300);
TARVELON_FIELD_AT(TGameState, LeagueFormat, 324);
TARVELON_FIELD_AT(TGameState, DayIndex, 328);
TARVELON_FIELD_AT(TGameState, StateChampionshipsOn, 332);
TARVELON_FIELD_AT(TGameState, firstContinentalPairOn, 333);
TARVELON_FIELD_AT(TGameState, secondContinentalPairOn, 334);
TARVELON_FIELD_AT(TGameState, reserved335, 335);
TARVELON_FIELD_AT(TGameState, worldCupOn, 339);
TARVELON_FIELD_AT(TGameState, eurocopaOn, 340);
TARVELON_FIELD_AT(TGameState, copaAmericaOn, 341);
TARVELON_FIELD_AT(TGameState, reserved342, 342);
TARVELON_FIELD_AT(TGameState, StateTurn, 344);
TARVELON_FIELD_AT(TGameState, StateStage, 348);
TARVELON_FIELD_AT(TGameState, stateFinalsSeason, 352);
TARVELON_FIELD_AT(TGameState, FirstContinentalTurn, 356);
TARVELON_FIELD_AT(TGameState, FirstContinentalStage, 360);
TARVELON_FIELD_AT(TGameState, FirstContinentalLeg, 364);
TARVELON_FIELD_AT(TGameState, SecondContinentalTurn, 368);
TARVELON_FIELD_AT(TGameState, SecondContinentalStage, 372);
TARVELON_FIELD_AT(TGameState, SecondContinentalLeg, 376);
TARVELON_FIELD_AT(TGameState, ClubWorldCupStage, 380);
TARVELON_FIELD_AT(TGameState, ExtraClubRows, 384);
TARVELON_FIELD_AT(TGameState, reserved3984, 3984);
TARVELON_FIELD_AT(TGameState, ExtraClubCounts, 3988);
TARVELON_FIELD_AT(TGameState, ContinentalGroups, 4164);
TARVELON_FIELD_AT(TGameState, reserved4676, 4676);
TARVELON_FIELD_AT(TGameState, NationalGroups, 4692);
TARVELON_FIELD_AT(TGameState, reserved4820, 4820);
TARVELON_FIELD_AT(TGameState, HumanNationCount, 5012);
TARVELON_FIELD_AT(TGameState, coachedNationalTeam, 5016);
TARVELON_FIELD_AT(TGameState, HumanNations, 5020);
TARVELON_FIELD_AT(TGameState, TournamentStage, 5044);
TARVELON_FIELD_AT(TGameState, tournamentLeg, 5048);
TARVELON_FIELD_AT(TGameState, worldCupEditions, 5052);
TARVELON_FIELD_AT(TGameState, copaAmericaEditions, 5056);
TARVELON_FIELD_AT(TGameState, eurocopaEditions, 5060);
TARVELON_FIELD_AT(TGameState, tournamentOver, 5064);
TARVELON_FIELD_AT(TGameState, reserved5065, 5065);
TARVELON_FIELD_AT(TGameState, TournamentHost, 5068);
TARVELON_FIELD_AT(TGameState, tournamentRows, 5072);
TARVELON_FIELD_AT(TGameState, InstantPlay, 5200);
TARVELON_FIELD_AT(TGameState, previewCoach, 5201);
TARVELON_FIELD_AT(TGameState, previewClub, 5227);
TARVELON_FIELD_AT(TGameState, reserved5253, 5253);
TARVELON_FIELD_AT(TGameState, TournamentSquadsReady, 5256);
TARVELON_FIELD_AT(TGameState, MidSeasonRevalued, 5260);
TARVELON_FIELD_AT(TGameState, TournamentCallUpDone, 5264);
TARVELON_FIELD_AT(TGameState, thirtyTwoTeamDraw, 5265);
TARVELON_FIELD_AT(TGameState, reserved5266, 5266);
TARVELON_FIELD_AT(TGameState, MatchReferees, 5268);
TARVELON_FIELD_AT(TGameState, reserved5316, 5316);
TARVELON_FIELD_AT(TGameState, RegionalFourthDivision, 5348);
TARVELON_FIELD_AT(TGameState, reserved5349, 5349);

// The one game state of the program: all zero at start, filled by a new game, replaced by a load.
extern TGameState Game;

// Zeroes `Game`, as at program start.
void ResetGameState();

// True for the list positions whose row fits in the record (1..44).
constexpr bool ExtraClubListPositionFits(int listPosition)
{
    return listPosition >= 1 && listPosition <= kMaxExtraClubListPosition;
}

// Index into TGameState::ContinentalGroups of a continental cup (kind 4 first cup, kind 6 second
// cup) and its edition (1 South America, 2 Europe); -1 for anything else.
constexpr int ContinentalGroupTable(int cupKind, int edition)
{
    if ((cupKind != 4 && cupKind != 6) || (edition != 1 && edition != 2)) {
        return -1;
    }
    return (cupKind == 4 ? 0 : 1) + (edition == 2 ? 2 : 0);
}

}  // namespace tarvelon
