#pragma once
// Knockout ties of the national-team tournament brackets and of the club world cup. Both tables are
// saved raw with the game, so the record layout is part of the saved-game format.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/basics/short_string.h"
#include "core/records/record_layout.h"

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

TARVELON_RECORD_SIZE(TCupTie, 48);
TARVELON_FIELD_AT(TCupTie, firstTeam, 0);
TARVELON_FIELD_AT(TCupTie, secondTeam, 4);
TARVELON_FIELD_AT(TCupTie, results, 8);
TARVELON_FIELD_AT(TCupTie, winner, 24);
TARVELON_FIELD_AT(TCupTie, scoreText, 28);
TARVELON_FIELD_AT(TCupTie, padding, 46);

// A fixed bracket of N ties, numbered 1..N as the game counts them. `ties` is the raw image that is
// saved; indexing with a tie number outside 1..N throws instead of touching a neighbour.
template <int N>
struct TCupTieTable {
    static constexpr int count = N;
    std::array<TCupTie, N> ties{};

    TCupTie& operator[](int tie) { return ties.at(static_cast<std::size_t>(tie - 1)); }
    const TCupTie& operator[](int tie) const { return ties.at(static_cast<std::size_t>(tie - 1)); }
};

static_assert(sizeof(TCupTieTable<16>) == 16 * 48, "a bracket is saved as its raw ties");

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
