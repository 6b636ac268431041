#pragma once
// The byte image of a saved game: int32 1, the 5352-byte game state, then the 34 table blocks
// (core/persist/saved_game_blocks.h). Reading checks the whole image into a staging copy first, so a
// refused file changes nothing; only a checked image is moved into the live tables.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

// The leading int32 of every saved game.
inline constexpr std::int32_t kSavedGameLead = 1;
// The lead and the game state, before the table blocks.
inline constexpr std::size_t kSavedGameHeaderBytes = 4 + sizeof(TGameState);

// The largest saved game the game writes, and so reads. A game's history grows by about 1.2 MB a
// season with every league played: this is centuries of play. A larger file is refused unread.
inline constexpr std::size_t kMaxSavedGameBytes = std::size_t{512} << 20;

enum class SavedGameCheck {
    kValid,
    kWrongVersion,  // a whole header whose version is not 10
    kCorrupt,       // short, truncated, a count that runs past the end, bytes left over, a season,
                    // calendar day, stage, tally or amount of money no game reaches (saved_game_ranges.h), a group
                    // place the rules cannot play (saved_game_groups.h), an index or count outside
                    // the table it points into, or records that name each other and disagree
                    // (saved_game_indexes.h)
};

// The live game as a saved-game file holds it. Every number the loader holds to a range is first
// held there in the live tables (saved_game_ranges.h), so the file written is one the loader takes.
std::string WriteSavedGameImage();

// Reads and checks a whole file into `image`; `image` is only meaningful when the result is kValid.
SavedGameCheck ReadSavedGameImage(std::string_view bytes, SavedGameImage& image);

// Replaces `Game` and every saved table with a checked image (the image is left emptied).
// Player element 0 exists afterwards and belongs to no club. Nothing else is touched: a game that is
// loaded starts through StartLoadedGame (core/persist/saved_game.h).
void InstallSavedGameImage(SavedGameImage& image);

}  // namespace tarvelon
