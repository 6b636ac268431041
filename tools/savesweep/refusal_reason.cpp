#include "tools/savesweep/refusal_reason.h"

#include <memory>

#include "core/persist/saved_game_groups.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_indexes.h"
#include "core/persist/saved_game_ranges.h"

namespace tarvelon::savesweep {

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
        return "groups";
    if (const char* index = SavedIndexOutsideItsTable(*image))
        return std::string("index: ") + index;
    return "blocks";
}

}  // namespace tarvelon::savesweep
