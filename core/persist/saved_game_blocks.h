#pragma once
// The tables a saved game carries after its game state, in their stored order, listed once: the
// writer, the reader (into a staging copy) and the step that moves a checked staging copy into the
// live tables all walk this one list.
#include <array>
#include <vector>

#include "core/records/cup_tie.h"
#include "core/records/state_championship.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

// The count field of the ticket-price block: the game has always written 4 there, before its five rows.
inline constexpr int kTicketPriceCountField = 4;

// A counted block (an int32 count n, then n records) is marked with this count field; a fixed block
// carries the count field it is written with, then always its whole table, whatever the field says.
inline constexpr int kCountedBlock = -1;

#define TARVELON_TYPE(...) __VA_ARGS__

// X(count field, table type, staging member, live table) for blocks 1..34.
#define TARVELON_SAVED_BLOCKS(X) \
    X(kCountedBlock, std::vector<TPlayer>, players, Players)  /* 1, element 0 (no player) included */ \
    X(kCountedBlock, std::vector<TClub>, clubs, Clubs)  /* 2 */ \
    X(kCountedBlock, std::vector<TNationalTeam>, nationalTeams, NationalTeams)  /* 3 */ \
    X(kCountedBlock, std::vector<TCoach>, coaches, Coaches)  /* 4 */ \
    X(kTicketPriceCountField, TARVELON_TYPE(std::array<TTicketPriceRow, kTicketPriceRows>), ticketPrices, TicketPrices)  /* 5: count field 4, then five rows */ \
    X(kCountedBlock, std::vector<TClubFinance>, clubFinances, ClubFinances)  /* 6 */ \
    X(kCountedBlock, std::vector<TPastMatch>, pastMatches, PastMatches)  /* 7 */ \
    X(16, TARVELON_TYPE(std::array<TCupTie, 16>), nationalCupTies, NationalCupTies.ties)  /* 8 */ \
    X(6, TARVELON_TYPE(std::array<TCupTie, 6>), clubWorldCupTies, ClubWorldCupTies.ties)  /* 9 */ \
    X(kStateCount, TARVELON_TYPE(std::array<TStateChampionship, kStateCount>), stateChampionships, StateChampionships)  /* 10 */ \
    X(kCountedBlock, std::vector<TMatchReport>, matchReports, MatchReports)  /* 11 */ \
    X(kCountedBlock, std::vector<TCallUp>, callUps, CallUps)  /* 12 */ \
    X(kCountedBlock, std::vector<TMailMessage>, mailMessages, MailMessages)  /* 13 */ \
    X(kCountedBlock, std::vector<TFriendly>, friendlies, Friendlies)  /* 14 */ \
    X(kCountedBlock, std::vector<TLeague>, leagues, Leagues)  /* 15 */ \
    X(kCountedBlock, std::vector<TFixture>, fixtures, Fixtures)  /* 16 */ \
    X(kCountedBlock, std::vector<TMatchEventEntry>, reportEvents, ReportEvents)  /* 17 */ \
    X(kCountedBlock, std::vector<TPlacing>, placings, Placings)  /* 18 */ \
    X(kCountedBlock, std::vector<TCoachHonour>, coachHonours, CoachHonours)  /* 19 */ \
    X(kCountedBlock, std::vector<TScorer>, scorers, Scorers)  /* 20 */ \
    X(kCountedBlock, std::vector<TClubPlacing>, clubPlacings, ClubPlacings)  /* 21 */ \
    X(kCountedBlock, std::vector<TTransfer>, transfers, Transfers)  /* 22 */ \
    X(kCountedBlock, std::vector<TCoachHiring>, coachHirings, CoachHirings)  /* 23 */ \
    X(kCountedBlock, std::vector<TStadiumWork>, stadiumWorks, StadiumWorks)  /* 24 */ \
    X(kCountedBlock, std::vector<TLoan>, loans, Loans)  /* 25 */ \
    X(kCountedBlock, std::vector<TStateResult>, stateResults, StateResults)  /* 26 */ \
    X(kCountedBlock, std::vector<TAppearance>, appearances, Appearances)  /* 27 */ \
    X(kCountedBlock, std::vector<TSubAppearance>, subAppearances, SubAppearances)  /* 28 */ \
    X(kCountedBlock, std::vector<TPlayerSeasonStats>, playerSeasonStats, PlayerSeasonStats)  /* 29 */ \
    X(kCountedBlock, std::vector<TGoalTally>, goalTallies, GoalTallies)  /* 30 */ \
    X(kCountedBlock, std::vector<TGoalTally>, allTimeGoalTallies, AllTimeGoalTallies)  /* 31 */ \
    X(kCountedBlock, std::vector<TCompetition>, competitions, Competitions)  /* 32 */ \
    X(kCountedBlock, std::vector<TCoachSeason>, coachSeasons, CoachSeasons)  /* 33 */ \
    X(kCountedBlock, std::vector<TTacticsPreset>, tacticsPresets, TacticsPresets)  /* 34 */

// A saved game read into memory and checked, before it replaces anything.
struct SavedGameImage {
    TGameState game{};
#define TARVELON_DECLARE_BLOCK(count, Type, member, live) Type member{};
    TARVELON_SAVED_BLOCKS(TARVELON_DECLARE_BLOCK)
#undef TARVELON_DECLARE_BLOCK
};

// Calls visit(countField, image member, live table) for each block in the file's order.
template <typename Visit>
void VisitSavedBlocks(SavedGameImage& image, Visit&& visit)
{
#define TARVELON_VISIT_BLOCK(count, Type, member, live) visit(count, image.member, live);
    TARVELON_SAVED_BLOCKS(TARVELON_VISIT_BLOCK)
#undef TARVELON_VISIT_BLOCK
}

// The same over an image that is only read.
template <typename Visit>
void VisitSavedBlocks(const SavedGameImage& image, Visit&& visit)
{
#define TARVELON_VISIT_BLOCK(count, Type, member, live) visit(count, image.member, live);
    TARVELON_SAVED_BLOCKS(TARVELON_VISIT_BLOCK)
#undef TARVELON_VISIT_BLOCK
}

}  // namespace tarvelon
