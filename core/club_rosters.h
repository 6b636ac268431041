#pragma once
// The players of each club, found without walking the whole `Players` table: a list of player
// indexes per club, ascending (the order of a walk over the table), built from `Players` on first
// use and again after a change.
//
// Whoever moves a player to another club (sets TPlayer::Club) or adds players calls
// PlayerClubsChanged() afterwards; the next lookup then rebuilds the lists in one walk. A change in
// the size of `Players` is noticed on its own. Builds with TARVELON_CHECK_INDEXES compare every
// lookup with a walk over the table and stop at the first difference.
#include <cstdint>
#include <vector>

namespace tarvelon {

// The indexes of the players whose Club is `club`, ascending (club -1: the free players). The list
// stays valid until the next PlayerClubsChanged(): code walking it must not move players itself.
const std::vector<int>& PlayersOfClub(int club);

// The indexes of every player with a club (Club 0 or above), ascending: the daily passes over the
// players leave out the free and the retired ones, who pile up season after season. Valid as long
// as PlayersOfClub's lists.
const std::vector<int>& PlayersWithAClub();

// Marks the lists out of date after TPlayer::Club changed somewhere (or Players was replaced).
void PlayerClubsChanged();

// How many times PlayerClubsChanged() was called: a pass keeping its own list of players tells by it
// that the table may have been replaced since.
std::uint64_t PlayerClubsChangeCount();

// After one player's Club changed from `from`: his lists are mended in place (a transfer or a loan
// then costs no walk over every player, whose table grows season after season); anything unusual
// marks the lists out of date as PlayerClubsChanged() does.
void PlayerClubChanged(int player, int from);

// Calls f(index) for every player of club `a` or club `b`, in ascending index order, each player
// once (a == b is one club). A club below 0 stands for nobody here: the free players are left out.
template <typename F>
void ForEachPlayerOfClubs(int a, int b, F&& f)
{
    static const std::vector<int> nobody;
    const std::vector<int>& first = a >= 0 ? PlayersOfClub(a) : nobody;
    const std::vector<int>& second = b >= 0 && b != a ? PlayersOfClub(b) : nobody;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < first.size() || j < second.size()) {
        if (j == second.size() || (i < first.size() && first[i] < second[j]))
            f(first[i++]);
        else
            f(second[j++]);
    }
}

}  // namespace tarvelon
