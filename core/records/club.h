#pragma once
// A club of the game (also each national team in play has a club entry). `Clubs` holds first the
// clubs of the played leagues, then the extra clubs of the continental cups, then the national teams.
// Stored raw in saved games: every field stands at a fixed offset.
//
// Per-competition arrays are indexed by the competition kind (0 friendlies .. 9 Eurocopa); the
// all-time and honour arrays cover kinds 1..6 only, kind k at [k - 1].
#include <cstdint>

#include "core/basics/color.h"
#include "core/basics/currency.h"
#include "core/basics/short_string.h"
#include "core/records/record_layout.h"
#include "core/vocab/players.h"

namespace tarvelon {

inline constexpr int kCompetitionKinds = 10;   // kinds 0..9
inline constexpr int kClubCompetitionKinds = 6; // kinds 1..6 of the club competitions
inline constexpr int kStadiumSectors = 4;      // G, A, C, Cm

// A club holds at most this many players: no transfer, loan or auction takes it beyond.
inline constexpr int kSquadLimit = 28;

// The three all-time figures kept per competition kind 1..6.
enum AllTimeFigure { kAllTimePoints = 0, kAllTimeGoalsFor = 1, kAllTimeGoalsAgainst = 2 };

#pragma pack(push, 1)
struct TClub {
    ShortString<25> name;               // national team: the country's team name
    ShortString<30> crestName;          // base file name of the crest or national symbol
    std::uint8_t IsHuman{};             // a human coach runs the club
    std::uint8_t reserved58[2]{};
    std::int32_t Country{};             // country id
    std::int32_t State{};               // state 0..26 of a club of country 29; national team: its NationalTeams index
    std::int32_t coach{};               // coach index, -1 none
    Currency cash{};                    // the club's money
    std::int32_t boardConfidence{};     // 100 at the start; below 10 the coach is dismissed
    std::int32_t SupportersMood{};      // 0..100
    std::int32_t nationalTeamGroupPlace{}; // place 1..4 of a national team in its tournament group
    std::int32_t LineupIndex{};         // today's line-up in Lineups
    std::int32_t squadSize{};
    std::int32_t playersPerPosition[PositionCount]{};
    std::int32_t Division{};            // 1..4; 0 outside the national divisions
    std::int32_t stateGroup{};          // group in the state championship
    std::int32_t firstContinentalGroup{};
    std::int32_t secondContinentalGroup{};
    std::int32_t NationalTeamGroup{};   // group 1..8 of a national team in a tournament
    std::int32_t Level{};               // reputation 1..25
    std::uint8_t reserved144[4]{};
    std::int32_t AvailablePlayers{};    // players available for today's competition kind
    std::int32_t Captain{};             // player index
    std::int32_t SetPieceTaker{};       // player index
    TColor BackColor{};                 // colours of the club's name
    TColor TextColor{};
    // Standings per competition kind; draws = Played - Won - Lost.
    std::int32_t Points[kCompetitionKinds]{};
    std::int32_t Played[kCompetitionKinds]{};
    std::int32_t Won[kCompetitionKinds]{};
    std::int32_t Lost[kCompetitionKinds]{};
    std::int32_t GoalsFor[kCompetitionKinds]{};
    std::int32_t GoalsAgainst[kCompetitionKinds]{};
    std::int32_t Place[kCompetitionKinds]{};
    std::int32_t lastResult{};          // last table match: 0 draw, 1 win, 2 loss
    ShortString<30> Stadium;
    std::uint8_t reserved483[5]{};
    std::int32_t SectorPrices[kStadiumSectors]{}; // ticket price per sector, whole money units
    std::int32_t SectorSeats[kStadiumSectors]{};
    std::uint8_t nationalCupEntry{};
    std::uint8_t NationalTeamCupEntry{};
    std::uint8_t StateEntry{};
    std::uint8_t FirstContinentalEntry{};
    std::uint8_t SecondContinentalEntry{};
    std::uint8_t clubWorldCupEntry{};
    std::uint8_t reserved526[6]{};
    std::int32_t PlayingStyle{};        // 0 balanced, 1 all-out attack, 2 counter-attack
    std::int32_t Pressing{};            // marking: 0 light, 1 heavy, 2 very heavy
    std::int32_t AttackFocus{};         // 0 through the middle, 1 down the flanks
    std::int32_t squadMood{};           // 1..3, kept for the current human club
    std::int32_t moodCountdown{};       // rounds until a lowered squad mood rises again
    // The day (season x 1000 + calendar day) whose between-rounds updates the club has had; 0 none.
    // Kept in what older saves hold as reserved zero bytes, so they load as "none yet".
    std::int32_t roundUpdatesDay{};
    std::int32_t heavyDefeat{};         // pending event 1..4 after a heavy defeat of a human club; 0 none
    std::int32_t stateTitles{};
    std::int32_t allTimeRecord[kClubCompetitionKinds][3]{}; // kind k at [k-1], figure by AllTimeFigure
    std::int32_t honourPoints[kClubCompetitionKinds]{};     // league, national cup, state, first continental, club world cup, second continental
    std::uint8_t reserved660[4]{};
};
#pragma pack(pop)

TARVELON_RECORD_SIZE(TClub, 664);
TARVELON_FIELD_AT(TClub, name, 0);
TARVELON_FIELD_AT(TClub, crestName, 26);
TARVELON_FIELD_AT(TClub, IsHuman, 57);
TARVELON_FIELD_AT(TClub, reserved58, 58);
TARVELON_FIELD_AT(TClub, Country, 60);
TARVELON_FIELD_AT(TClub, State, 64);
TARVELON_FIELD_AT(TClub, coach, 68);
TARVELON_FIELD_AT(TClub, cash, 72);
TARVELON_FIELD_AT(TClub, boardConfidence, 80);
TARVELON_FIELD_AT(TClub, SupportersMood, 84);
TARVELON_FIELD_AT(TClub, nationalTeamGroupPlace, 88);
TARVELON_FIELD_AT(TClub, LineupIndex, 92);
TARVELON_FIELD_AT(TClub, squadSize, 96);
TARVELON_FIELD_AT(TClub, playersPerPosition, 100);
TARVELON_FIELD_AT(TClub, Division, 120);
TARVELON_FIELD_AT(TClub, stateGroup, 124);
TARVELON_FIELD_AT(TClub, firstContinentalGroup, 128);
TARVELON_FIELD_AT(TClub, secondContinentalGroup, 132);
TARVELON_FIELD_AT(TClub, NationalTeamGroup, 136);
TARVELON_FIELD_AT(TClub, Level, 140);
TARVELON_FIELD_AT(TClub, reserved144, 144);
TARVELON_FIELD_AT(TClub, AvailablePlayers, 148);
TARVELON_FIELD_AT(TClub, Captain, 152);
TARVELON_FIELD_AT(TClub, SetPieceTaker, 156);
TARVELON_FIELD_AT(TClub, BackColor, 160);
TARVELON_FIELD_AT(TClub, TextColor, 164);
TARVELON_FIELD_AT(TClub, Points, 168);
TARVELON_FIELD_AT(TClub, Played, 208);
TARVELON_FIELD_AT(TClub, Won, 248);
TARVELON_FIELD_AT(TClub, Lost, 288);
TARVELON_FIELD_AT(TClub, GoalsFor, 328);
TARVELON_FIELD_AT(TClub, GoalsAgainst, 368);
TARVELON_FIELD_AT(TClub, Place, 408);
TARVELON_FIELD_AT(TClub, lastResult, 448);
TARVELON_FIELD_AT(TClub, Stadium, 452);
TARVELON_FIELD_AT(TClub, reserved483, 483);
TARVELON_FIELD_AT(TClub, SectorPrices, 488);
TARVELON_FIELD_AT(TClub, SectorSeats, 504);
TARVELON_FIELD_AT(TClub, nationalCupEntry, 520);
TARVELON_FIELD_AT(TClub, NationalTeamCupEntry, 521);
TARVELON_FIELD_AT(TClub, StateEntry, 522);
TARVELON_FIELD_AT(TClub, FirstContinentalEntry, 523);
TARVELON_FIELD_AT(TClub, SecondContinentalEntry, 524);
TARVELON_FIELD_AT(TClub, clubWorldCupEntry, 525);
TARVELON_FIELD_AT(TClub, reserved526, 526);
TARVELON_FIELD_AT(TClub, PlayingStyle, 532);
TARVELON_FIELD_AT(TClub, Pressing, 536);
TARVELON_FIELD_AT(TClub, AttackFocus, 540);
TARVELON_FIELD_AT(TClub, squadMood, 544);
TARVELON_FIELD_AT(TClub, moodCountdown, 548);
TARVELON_FIELD_AT(TClub, roundUpdatesDay, 552);
TARVELON_FIELD_AT(TClub, heavyDefeat, 556);
TARVELON_FIELD_AT(TClub, stateTitles, 560);
TARVELON_FIELD_AT(TClub, allTimeRecord, 564);
TARVELON_FIELD_AT(TClub, honourPoints, 636);
TARVELON_FIELD_AT(TClub, reserved660, 660);

}  // namespace tarvelon
