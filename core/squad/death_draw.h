#pragma once
// An old player of a human club may die between two league rounds.
namespace tarvelon {

// The first player of the club (index order) aged 53 or more who draws one in three, or aged above
// 60, dies (he leaves the club through PlayerDies) and the club loses 5 league points. The player,
// or 0 when nobody died.
int CheckPlayerDeath(int club);

}  // namespace tarvelon
