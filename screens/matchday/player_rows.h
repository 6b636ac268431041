#pragma once
// A player's row in the matchday dialogs' lists (penalty taker, injury substitute, shoot-out
// takers): the name (the star image beside a star player's), strength, energy with "%" and the
// player index in a hidden column, after a position letter of the caller's choice.
#include <string>

namespace tarvelon {

class TListItem;
class TListView;

// Gives a list the images its rows draw: the star beside a star player's name.
void UseStarImages(TListView& list);
// "P", name, "F", energy, id: the row's first cell is `letter`.
TListItem* AddPlayerRow(TListView& list, const std::string& letter, int player);
// Name first, then the position letter ("Jogador", "P", "F", "Energia", id).
TListItem* AddPlayerRowNameFirst(TListView& list, const std::string& letter, int player);
// The player index of a row (its hidden id column), or -1.
int PlayerOfRow(TListItem* row, int idColumn);

// The letter of a player's pitch slot in his club's line-up ("G", "Z", ...), or "".
std::string PitchSlotLetterOf(int club, int player);
// The first letter of the player's position name.
std::string PositionLetterOf(int player);

}  // namespace tarvelon
