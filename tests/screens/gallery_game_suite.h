#pragma once
// A test suite on the gallery's seeded game: made once for the suite in a temporary folder (the
// sample database written there first), the working folder given back at the end.
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "screens/common/game_flow.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon::test {

class GalleryGameSuite : public ::testing::Test {
protected:
    static void PrepareGame(int seed, int daysPlayed)
    {
        savedFolder_ = std::filesystem::current_path();
        folder_ = std::make_unique<QTemporaryDir>();
        gallery::GalleryGameOptions options;
        options.scratchFolder = folder_->path().toStdString();
        options.seed = seed;
        options.daysPlayed = daysPlayed;
        std::string message;
        ready_ = gallery::PrepareGalleryGame(options, message);
        ASSERT_TRUE(ready_) << message;
    }
    static void TearDownTestSuite()
    {
        std::filesystem::current_path(savedFolder_);
        folder_.reset();
    }
    void SetUp() override { ASSERT_TRUE(ready_); }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline std::filesystem::path savedFolder_;
    static inline bool ready_ = false;
};

// The suite's game put back, when a test that plays it on ends, as it was when the test began (as a
// loaded game): the suite's other tests find its game whichever test ran before them.
class GameKeptAside {
public:
    GameKeptAside() : image_(WriteSavedGameImage()) {}
    ~GameKeptAside()
    {
        auto image = std::make_unique<SavedGameImage>();
        if (ReadSavedGameImage(image_, *image) != SavedGameCheck::kValid)
            return;
        StartLoadedGame(*image);
        AfterGameLoaded();
    }
    GameKeptAside(const GameKeptAside&) = delete;
    GameKeptAside& operator=(const GameKeptAside&) = delete;

private:
    std::string image_;
};

}  // namespace tarvelon::test
