#pragma once
// Knockout ties of the national-team tournament brackets and of the club world cup. Both tables are
// saved raw with the game, so the record layout is part of the saved-game format.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/basics/short_string.h"

namespace tarvelon {

#pragma pack(push, 1)
struct TCupTie {
    std::int32_t firstTeam = -1;   // club index (or a national team's club entry); -1 = not yet known
    std::int32_t secondTeam = -1;  // -1 = not yet known
    std::int32_t results[4] = {};  // written by the matchday code
    std::int32_t winner = -1;      // -1 = not yet played
    ShortString<17> scoreText;
    std::uint8_t padding[2] = {};
};
#pragma pack(pop)

static_assert(sizeof(TCupTie) == 48);
static_assert(offsetof(TCupTie, firstTeam) == 0);
static_assert(offsetof(TCupTie, secondTeam) == 4);
static_assert(offsetof(TCupTie, results) == 8);
static_assert(offsetof(TCupTie, winner) == 24);
static_assert(offsetof(TCupTie, scoreText) == 28);
static_assert(offsetof(TCupTie, padding) == 46);

// A fixed bracket of N ties, numbered 1..N as the game counts them. `ties` is the raw image that is
// saved; indexing with a tie number outside 1..N throws instead of touching a neighbour.
template <int N>
struct TCupTieTable {
    static constexpr int count = N;
    std::array<TCupTie, N> ties{};

    TCupTie& operator[](int tie) { return ties.at(static_cast<std::size_t>(tie - 1)); }
    const TCupTie& operator[](int tie) const { return ties.at(static_cast<std::size_t>(tie - 1)); }
};

// Ties 1..16 of the running national-team tournament (World Cup: 1-8 last sixteen, 9-12 quarter-finals,
// 13-14 semi-finals, 15 final, 16 third place; Copa América and Eurocopa use 1..8).
extern TCupTieTable<16> NationalCupTies;

// The club world cup: ties 1 and 2 the first round, 3 and 4 the semi-finals (a continental champion
// against the winner of tie 1 or 2), 5 and 6 the last stage.
extern TCupTieTable<6> ClubWorldCupTies;

// Clears the two teams and the winner of every tie of a table; the result fields belong to the
// matchday code and are left as they are.
template <int N>
void ClearCupTieTeams(TCupTieTable<N>& table)
{
    for (TCupTie& tie : table.ties) {
        tie.firstTeam = -1;
        tie.secondTeam = -1;
        tie.winner = -1;
    }
}

}  // namespace tarvelon
