#include "tools/savesweep/refusal_reason.h"

#include <cstring>
#include <iterator>
#include <memory>

#include "core/persist/saved_game_groups.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_indexes.h"
#include "core/persist/saved_game_ranges.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"

namespace tarvelon::savesweep {

namespace {

// Which competition's groups hold a club twice or a place outside the club table: each is checked
// alone, the others emptied as before a game's first draw.
std::string GroupsThatBreak(const SavedGameImage& image)
{
    const std::size_t clubs = image.clubs.size();
    const std::array<TStateChampionship, kStateCount> noStates{};
    if (!GroupsHoldEachClubOnce(TGameState{}, image.stateChampionships, clubs))
        return "state championships";
    for (std::size_t table = 0; table < std::size(image.game.ContinentalGroups); ++table) {
        TGameState alone{};
        std::memcpy(alone.ContinentalGroups[table], image.game.ContinentalGroups[table], sizeof alone.ContinentalGroups[table]);
        if (!GroupsHoldEachClubOnce(alone, noStates, clubs))
            return "continental groups " + std::to_string(table);
    }
    return "national-team groups";
}

}  // namespace

std::string RefusalReason(const std::string& bytes)
{
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) == SavedGameCheck::kValid)
        return {};
    // The image is read whole before the checks run: each check again, on its own.
    if (bytes.size() < kSavedGameHeaderBytes || !SavedGameStateInRange(image->game))
        return "header";
    if (const char* range = SavedRangeBroken(*image))
        return range;
    if (!SavedGroupsHoldEachClubOnce(*image))
        return "groups: " + GroupsThatBreak(*image);
    if (const char* index = SavedIndexOutsideItsTable(*image))
        return std::string("index: ") + index;
    return "blocks";
}

}  // namespace tarvelon::savesweep
