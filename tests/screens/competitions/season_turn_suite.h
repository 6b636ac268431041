#pragma once
// The suite of the season's turn on screen: one seeded game of every league with the Brazilian
// state championships (the sample database written once), played day by day through its screens,
// the dialogs that open answered, and the game at its first season's end played once and put back
// for each test that needs it.
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "platform/forms/screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/history/state_champions_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/quick_clock.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon::test {

// Answers the screens that open while a season is played: Enter on the state champions, and every
// other dialog (friendlies, notices, offers) closed as a coach who wants nothing of them. It notes
// the classes it answered.
class TAnswerer {
public:
    TAnswerer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    std::vector<std::string> answered;
    // Run with the state champions screen on screen, before it is answered.
    std::function<void(TForm66&)> onStateChampions;
    std::function<void(TGameForm&)> onDialog;

private:
    void Answer()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
            if (!form || !form->Visible() || !form->Modal())
                continue;
            answered.push_back(form->FormClass());
            if (auto* champions = dynamic_cast<TForm66*>(form)) {
                if (onStateChampions)
                    onStateChampions(*champions);
                test::PressKey(champions->Widget(), Qt::Key_Return);
            } else {
                if (onDialog)
                    onDialog(*form);
                form->Close();
            }
            return;
        }
    }
    QTimer timer_;
};

// The game as it stands, to be put back (the generator's state with it).
struct TGameSnapshot {
    TGameSnapshot() : image(WriteSavedGameImage()), seed(RandSeed) {}
    void Restore() const
    {
        auto saved = std::make_unique<SavedGameImage>();
        ASSERT_EQ(ReadSavedGameImage(image, *saved), SavedGameCheck::kValid);
        InstallSavedGameImage(*saved);
        BuildCalendar();
        RandSeed = seed;
    }
    std::string image;
    decltype(RandSeed) seed;
};

class SeasonTurnSuite : public ::testing::Test {
protected:
    static constexpr std::uint64_t kSeed = 17;

    static void SetUpTestSuite()
    {
        savedFolder_ = std::filesystem::current_path();
        folder_ = std::make_unique<QTemporaryDir>();
        written_ = false;  // each suite writes the sample database into its own folder
    }
    static void TearDownTestSuite()
    {
        std::filesystem::current_path(savedFolder_);
        folder_.reset();
    }
    void TearDown() override
    {
        Hooks().showStateChampions = [] {};
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        test::Pump();
    }

    // The same seeded game each time (the sample database written once), on its first day.
    static void NewGame(bool stateChampionships = true)
    {
        gallery::GalleryGameOptions options;
        if (written_)
            options.dataFolder = folder_->path().toStdString();
        else
            options.scratchFolder = folder_->path().toStdString();
        options.seed = kSeed;
        options.daysPlayed = 0;
        options.stateChampionships = stateChampionships;
        std::string message;
        ASSERT_TRUE(gallery::PrepareGalleryGame(options, message)) << message;
        written_ = true;
        Game.InstantPlay = 0;
        ASSERT_EQ(Game.StateChampionshipsOn != 0, stateChampionships);
    }

    // Days until the season's last: the summary comes next.
    static void PlayToSeasonEnd(const std::function<void()>& atResults = {})
    {
        while (PlayDayToNextScreen(atResults) != CalendarExit::SeasonEnd) {
        }
    }

    // The summary opened by the navigator as the results screen opens it.
    static TForm26* OpenSummary()
    {
        OpenAfterCalendar(CalendarExit::SeasonEnd);
        EXPECT_TRUE(test::PumpUntil([] { return Shown<TForm26>() != nullptr; }, 5000));
        return Shown<TForm26>();
    }

    // The friendlies prompt needs a coach still in his job at the season's end: his board keeps faith.
    static void KeepBoardsFaith()
    {
        for (TClub& club : Clubs)
            if (club.IsHuman)
                club.boardConfidence = std::max(club.boardConfidence, 50);
    }

    // The seeded game at its first season's end, the boards keeping faith: played once for the
    // suite (by the three seasons on screen when they ran first) and put back for each case.
    static void RestoreFirstSeasonEnd()
    {
        NewGame();
        if (!firstSeasonEnd_) {
            PlayToSeasonEnd(KeepBoardsFaith);
            firstSeasonEnd_ = std::make_unique<TGameSnapshot>();
        }
        firstSeasonEnd_->Restore();
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline std::filesystem::path savedFolder_;
    static inline bool written_ = false;
    static inline std::unique_ptr<TGameSnapshot> firstSeasonEnd_;
    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
};

}  // namespace tarvelon::test
