// Saved games read whole: input = the file. The preview and the loader never read past the bytes;
// a game the loader takes saves to a file that loads again.
#include <memory>

#include "core/persist/saved_game_image.h"
#include "tests/fuzz/fuzz_target.h"

TARVELON_FUZZ_TARGET(saved_game)
{
    using namespace tarvelon;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TGameState preview{};
    ReadSavedGameHeader(bytes, preview);
    auto image = std::make_unique<SavedGameImage>();
    if (ReadSavedGameImage(bytes, *image) != SavedGameCheck::kValid)
        return;
    InstallSavedGameImage(*image);
    fuzz::Expect(ReadSavedGameImage(WriteSavedGameImage(), *image) == SavedGameCheck::kValid,
                 "a loaded game saves to a file that loads again");
}
