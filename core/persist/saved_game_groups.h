#pragma once
// What the rules take for granted across a saved game's tables when they play it: every group place
// holds no club (-1) or a club of the club table, and a club sits in at most one group of each
// competition (the state championships, each of the four continental group tables, the national
// teams' groups). A club in two groups would be prepared and played twice on one day. A saved game
// that breaks this is refused as damaged.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/records/game_state.h"
#include "core/records/state_championship.h"

namespace tarvelon {

struct SavedGameImage;

// A state without tiers whose places were never cleared to -1 holds zeros: it plays nothing (a game
// starts with the places zeroed).
bool StateNeverDrawn(const TStateChampionship& state);

bool GroupsHoldEachClubOnce(const TGameState& game, const std::array<TStateChampionship, kStateCount>& states,
                            std::size_t clubCount);

bool SavedGroupsHoldEachClubOnce(const SavedGameImage& image);

}  // namespace tarvelon
