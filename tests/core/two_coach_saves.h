#pragma once
// A real game saved for the saved-game tests: the small test database, Brazil (with its state
// championships) and Argentina, two human coaches, an open loan and a call-up row; and what a test
// of a damaged copy of its save asks: the loader, the load screen's preview and a load from the save
// folder all refuse it with the message and leave the file and the game in memory as they were.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"

namespace tarvelon::twocoach {

inline constexpr std::uint64_t kSeed = 5151;
inline constexpr int kBrazil = 29;
inline constexpr int kArgentina = 11;

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class TwoCoachSaves : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testdb::GameFolder();
        testdb::WriteDatabase(folder_->path(), testdb::SmallWorld());
        SetProgramFolder(folder_->path());
        std::filesystem::current_path(folder_->path());
        std::filesystem::create_directories(folder_->path() / kSaveFolder);
        StartRules({kSeed});
        Hooks().showMessage = [](const std::string&) {};
        StartTwoCoachGame();
        good_ = new std::string(WriteSavedGameImage());
    }
    static void TearDownTestSuite()
    {
        delete good_;
        delete played_;
        played_ = nullptr;
        delete folder_;
        SetProgramFolder({});
    }
    void SetUp() override
    {
        std::filesystem::current_path(folder_->path());
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    // Brazil (with its state championships) and Argentina, a human coach at a club
    // of each; a Brazilian player on loan at the Argentine club, and a call-up row as a tournament
    // leaves it, so that the file holds both tables.
    static void StartTwoCoachGame()
    {
        BeginNewGameSetup();
        ListNewGameClubFiles();
        NewGameChoices choices;
        choices.countries = {kBrazil, kArgentina};
        choices.stateChampionships = true;
        ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
        Game.HumanClubCount = 2;
        ASSERT_TRUE(ChooseHumanClub(1, DivisionClub(kBrazil, 0), "Treinador 1"));
        ASSERT_TRUE(ChooseHumanClub(2, DivisionClub(kArgentina, 1), "Treinador 2"));
        const FirstScreen first = RunNewGameBuilder();
        ASSERT_NE(first, FirstScreen::None);
        BeginSeasonLoop(first == FirstScreen::Matchday);
        const int owner = DivisionClub(kBrazil, 3);
        const int player = FirstPlayerOf(owner);
        ASSERT_GT(player, 0);
        AddLoan(player, owner, TodayDate() + 60);
        LoanPlayer(player, DivisionClub(kArgentina, 1), TodayDate() + 60);
        CallUps.push_back(TCallUp{FirstPlayerOf(DivisionClub(kBrazil, 4)), DivisionClub(kBrazil, 4)});
    }

    static int DivisionClub(int country, int slot)
    {
        return Leagues[static_cast<std::size_t>(FindLeagueByCountry(country))].divisions[0][slot];
    }

    static int FirstPlayerOf(int club)
    {
        for (int p = 1; p < static_cast<int>(Players.size()); ++p)
            if (Players[p].Club == club) return p;
        return -1;
    }

    static int ClubCount() { return static_cast<int>(Clubs.size()); }

    // The save at the end of the seasons that EverySaveOfTwoCoachesThroughSeasonTurnsLoads plays (run
    // alone, of one season played here): a history in every table.
    static const std::string& PlayedSave()
    {
        if (played_ == nullptr) {
            const auto showMessage = Hooks().showMessage;  // the rules started anew clear it
            StartRules({kSeed});
            auto image = std::make_unique<SavedGameImage>();
            EXPECT_EQ(ReadSavedGameImage(*good_, *image), SavedGameCheck::kValid);
            StartLoadedGame(*image);
            BeginSeasonLoop(false);
            PlaySeasonDays();
            TurnToNewSeason();
            played_ = new std::string(WriteSavedGameImage());
            Hooks().showMessage = showMessage;
        }
        return *played_;
    }

    // The values a hostile player would try in a field that points into a table of `size` entries.
    static std::vector<std::int32_t> OutsideATable(int size) { return {-2, size, size + 1, 100000, INT_MAX}; }

    static SavedGameCheck Check(const std::string& bytes)
    {
        auto image = std::make_unique<SavedGameImage>();
        return ReadSavedGameImage(bytes, *image);
    }

    // The damaged bytes are refused by the loader, by the load screen's preview and by a load from the
    // save folder, which shows the message and leaves the file and the game in memory as they were.
    void ExpectRefusedWithTheMessage(const std::string& bytes, const std::string& what)
    {
        EXPECT_EQ(Check(bytes), SavedGameCheck::kCorrupt) << what;
        const std::string name = "danificado.nsx";
        WriteFile(folder_->path() / SavePath(name), bytes);
        TGameState preview{};
        EXPECT_EQ(ReadSavePreview(name, preview), PreviewOutcome::kInvalid) << what;
        const std::string before = WriteSavedGameImage();
        messages_.clear();
        EXPECT_EQ(LoadGame(name), LoadOutcome::kFailed) << what;
        EXPECT_EQ(messages_, std::vector<std::string>{kInvalidSaveMessage}) << what;
        EXPECT_EQ(ReadFile(folder_->path() / SavePath(name)), bytes) << what;
        EXPECT_EQ(WriteSavedGameImage(), before) << what;
    }

    inline static testdb::GameFolder* folder_ = nullptr;
    inline static std::string* good_ = nullptr;
    inline static std::string* played_ = nullptr;  // the game played on through seasons, once
    std::vector<std::string> messages_;
};


}  // namespace tarvelon::twocoach
