#pragma once
// The team sheet a human coach fills before a matchday: eighteen shirts (1 the goalkeeper, 2..11
// the outfield starters, 12..18 the bench) and the candidates of his squad, each with the
// availability code the line-up list shows. The screens paint it; every move on it is here.
#include <array>
#include <string>
#include <vector>

#include "core/economy/squad_rules.h"  // SquadInListOrder, which the boards list

namespace tarvelon {

inline constexpr int kShirtCount = 18;
inline constexpr int kStarterShirts = 11;

// Availability codes of a candidate.
enum LineupCode {
    kCodeFree = 0,         // not on a shirt
    kCodeStarter = 1,      // on shirt 1..11
    kCodeSubstitute = 2,   // on shirt 12..18
    kCodeUnavailable = 3,  // injured, banned, or three yellow cards in today's competition
    kCodeBlocked = 4,      // contract expired or not available before the next match
};

// Kind of a shirt: empty, starter, substitute, or reset by the automatic selection.
enum ShirtKind { kShirtEmpty = 0, kShirtStarter = 1, kShirtSubstitute = 2, kShirtReset = -1 };

struct ShirtSlot {
    int pitchSlot = 0;  // 1..25 for shirts 1..11; 0 or -1 on the bench
    int kind = kShirtEmpty;
    int player = 0;     // 0 or -1: empty
};

struct LineupBoard {
    std::array<ShirtSlot, kShirtCount + 1> shirts{};  // 1..18; [0] unused
    std::vector<int> rowPlayers;                       // candidates in list order
    std::vector<int> rowCodes;                         // their availability codes

    bool HasPlayer(int shirt) const;
    int Row(int player) const;  // -1 when the player is not a candidate
};

// How a player stands for today's match (club mode checks contracts and the per-round block).
struct CandidateStatus {
    int code = kCodeFree;    // kCodeFree, kCodeUnavailable or kCodeBlocked
    int condition = 0;       // condition icon: 1 banned, 3 injured, 4 three yellows (+4 for a star), 12 star
    std::string hint;        // "Contrato expirado", "Jogador contundido", ...
};
CandidateStatus CandidateStatusOf(int player, bool nationalTeamMode);

// A board with the club's squad as candidates and every shirt empty.
LineupBoard NewLineupBoard(int club, bool nationalTeamMode);

// Shirts 1..11 to the pitch slots of formation 1..10, shirts 12..18 to the bench.
void PlaceFormation(LineupBoard& board, int formation);

// The first pitch slot (1..25) whose 42 x 42 square at (PitchSlotX, PitchSlotY) holds the point, 0 none.
int PitchSlotAt(int x, int y);

// A player standing on a pitch slot of another position plays out of position (a midfielder on
// slot 10 or 17 does not).
bool PlaysOutOfPosition(int player, int pitchSlot);

// The shirt 1..18 wearing the player, or -1.
int FindShirtOfPlayer(const LineupBoard& board, int player);

// The candidate of list row `row` dropped on shirt `shirt`: refused (false) for codes 3 and 4;
// his former shirt is emptied, the shirt's former player goes back to the list.
bool DropCandidateOnShirt(LineupBoard& board, int row, int shirt);

// Two shirts exchange their players (nothing happens for the same shirt).
void SwapShirts(LineupBoard& board, int a, int b);

// An outfield starter shirt (2..11) moved to pitch slot `slot`; a shirt already standing there
// takes the moved shirt's old slot, so two shirts never share one. False when nothing moved.
bool MoveShirtToPitchSlot(LineupBoard& board, int shirt, int slot);

// Every shirt 1..11 wears a player.
bool StartersComplete(const LineupBoard& board);

// "Jogar >>" may go ahead: every shirt 1..11 wears a player, or no available candidate is left off
// them (a squad with fewer than eleven fit players plays short rather than never). A player whose
// contract ran out counts as one left off: the coach renews him first.
bool ReadyToKickOff(const LineupBoard& board);

// The code a player's row gets from the shirt he wears.
int CodeOfShirt(int shirt);

}  // namespace tarvelon
