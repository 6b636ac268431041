// Saved games read whole: input = the file. The loader never reads past the bytes; a game it takes
// points into its own tables and saves to a file that loads again.
#include <memory>

#include "core/persist/saved_game_image.h"
#include "tests/fuzz/fuzz_game.h"
#include "tests/fuzz/fuzz_target.h"

TARVELON_FUZZ_TARGET(saved_game)
{
    using namespace tarvelon;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) != SavedGameCheck::kValid)
        return;
    InstallSavedGameImage(*image);
    fuzz::ExpectIndexesInTheirTables();
    fuzz::Expect(ReadSavedGameImage(WriteSavedGameImage(), *image) == SavedGameCheck::kValid,
                 "a loaded game saves to a file that loads again");
}
