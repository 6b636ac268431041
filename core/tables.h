#pragma once
// The global tables of a game: growable arrays of fixed-size records, addressed by index, read and
// written directly by every part of the program. They live until the program ends, or until a new
// or loaded game replaces them (ResetGameTables).
//
// `Players` is numbered from 1: element 0 holds no player (club -1) and always exists, so a player
// index 0 reads as "nobody", never out of range. The other tables here are numbered from 0.
//
// The tables of other subjects (match day, fixtures, calendar, competitions, history...) live in
// their own headers; each one registers its own reset with RegisterGameTableReset, so that
// ResetGameTables empties every table of the game.
#include <array>
#include <functional>
#include <vector>

#include "core/records/club.h"
#include "core/records/game_records.h"
#include "core/records/game_state.h"
#include "core/records/player.h"
#include "core/records/table_reset.h"

namespace tarvelon {

// `Game` itself is declared in core/records/game_state.h.
extern std::vector<TClub> Clubs;
extern std::vector<TPlayer> Players;             // element 0: no player
extern std::vector<TLeague> Leagues;
extern std::vector<TCoach> Coaches;
extern std::vector<TNationalTeam> NationalTeams;
extern std::vector<TClubFinance> ClubFinances;   // parallel to Clubs
// The reference ticket prices by division level 0..4 (five rows of four sectors), copied from
// DefaultTicketPrices at new game. A fixed table: its rows always exist (a saved game stores the
// five rows after a count field of 4).
extern std::array<TTicketPriceRow, kTicketPriceRows> TicketPrices;
extern std::vector<TTransfer> Transfers;
extern std::vector<TLoan> Loans;
extern std::vector<TMailMessage> MailMessages;
extern std::vector<TStadiumWork> StadiumWorks;
extern std::vector<TTacticsPreset> TacticsPresets;
extern std::vector<TCoachHiring> CoachHirings;
extern std::vector<TCoachHiring>& CoachHires;    // the same table under the name some screens use
extern std::vector<TCallUp> CallUps;
extern std::vector<TStateResult> StateResults;

// The empty player at element 0 of Players: club -1.
TPlayer NoPlayerRecord();

// After Players was replaced (a loaded game): element 0 exists again when the file had none, and it
// belongs to no club whatever the file said, so that player index 0 always reads as nobody.
void EnsurePlayerElementZero();

// Empties every table of the game for a new or a loaded game: the tables above, and every table
// registered by other subjects. Players keeps its element 0; TicketPrices is zeroed. `Game` is not
// touched (the new-game screens fill it before the tables are built; see ResetGameState).
void ResetGameTables();

}  // namespace tarvelon
