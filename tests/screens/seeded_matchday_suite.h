#pragma once
// The matchday tests' seeded game (seed 11): the sample database written once per suite into a
// temporary folder and reused by every new game of the suite, the in-match questions answered, and
// every form deleted after each test.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/forms/screen.h"
#include "screens/common/form_references.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/in_match_answerer.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon::test {

class SeededMatchdaySuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        savedFolder_ = std::filesystem::current_path();
        folder_ = std::make_unique<QTemporaryDir>();
        dataWritten_ = false;
    }
    static void TearDownTestSuite()
    {
        std::filesystem::current_path(savedFolder_);
        folder_.reset();
    }
    void TearDown() override
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        Pump();
    }

    // A new game of the seeded database, `seasonsPlayed` seasons and then `daysPlayed` days on.
    static void NewSeededGame(int daysPlayed = 2, bool stateChampionships = false, int seasonsPlayed = 0)
    {
        gallery::GalleryGameOptions options;
        if (dataWritten_)
            options.dataFolder = folder_->path().toStdString();
        else
            options.scratchFolder = folder_->path().toStdString();
        options.seed = 11;
        options.daysPlayed = daysPlayed;
        options.seasonsPlayed = seasonsPlayed;
        options.stateChampionships = stateChampionships;
        std::string message;
        ASSERT_TRUE(gallery::PrepareGalleryGame(options, message)) << message;
        dataWritten_ = true;
    }

    static TForm46* Matchday() { return Form46.As<TForm46>(); }
    static TForm67* Results() { return Form67.As<TForm67>(); }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline std::filesystem::path savedFolder_;
    static inline bool dataWritten_ = false;
    InMatchAnswerer answerer_;
};

}  // namespace tarvelon::test
