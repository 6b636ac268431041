// A new game built by the game's own builder from a small database of club files (Brazil with the
// state championships and Argentina, every cup and tournament on): saved, loaded and saved again
// byte for byte, then rolled over into its second season and saved again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/rollover/season_rollover.h"
#include "core/settings/settings.h"
#include "core/services/rule_services.h"
#include "tests/core/newgame_database.h"

using namespace tarvelon;

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class NewGameSeasons : public ::testing::Test {
protected:
    void SetUp() override
    {
        testdb::WriteDatabase(folder.path(), testdb::SmallWorld());
        std::filesystem::create_directory(folder.path() / "sav");
        SetProgramFolder(folder.path());
        Hooks().showMessage = [this](const std::string& text) { messages.push_back(text); };
        InstallRuleServices();
        RandSeed = 8128;
        NewGameChoices choices;
        choices.countries = {29, 11};
        choices.leagueFormat = kLeagueFormatDivisionsOf20;
        choices.stateChampionships = true;
        choices.humanCoaches = {{"Ana Treinadora", testdb::ClubFileBase(29, 0) + ".tcf"}};
        ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
        Game.saveName.set("carreira.nsx");
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    // Save, load into emptied tables, save again: the same file, the same game.
    void ExpectSaveLoadSaveSame()
    {
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        const std::string file = ReadAll("sav/carreira.nsx");
        const std::string game = WriteSavedGameImage();
        ResetGameTables();
        ASSERT_EQ(LoadGame("carreira.nsx"), LoadOutcome::kOpenHub);
        EXPECT_EQ(WriteSavedGameImage(), game);
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        EXPECT_EQ(ReadAll("sav/carreira.nsx"), file);
    }

    testdb::GameFolder folder;
    std::vector<std::string> messages;
};

}  // namespace

TEST_F(NewGameSeasons, ANewGameSavesAndLoadsByteForByte)
{
    ExpectSaveLoadSaveSame();
    EXPECT_TRUE(messages.empty());
}

TEST_F(NewGameSeasons, TheSecondSeasonFollowsTheRules)
{
    std::vector<int> ages, clubs;
    std::map<int, int> squads;
    for (const TPlayer& p : Players) {
        ages.push_back(p.Age);
        clubs.push_back(p.Club);
        if (p.Club >= 0 && p.Club < Game.LeagueClubCount) ++squads[p.Club];
    }
    const std::size_t before = Players.size();
    SummarySeason = Game.Season;
    NewSeasonRollover();

    EXPECT_EQ(Game.Season, 2);
    int leagueMatches = 0;
    for (const TLeague& league : Leagues) {
        EXPECT_EQ(league.divisionCount, league.country == 29 ? 3 : 2);  // Brazil's fourth is regional
        leagueMatches += league.divisionCount * 20 * 19;
        std::set<int> seen;
        for (int d = 1; d <= league.divisionCount; ++d)
            for (int p = 0; p < 20; ++p) {
                const int club = league.divisions[d - 1][p];
                ASSERT_GE(club, 0);
                EXPECT_EQ(Clubs[club].Division, d);
                EXPECT_EQ(Clubs[club].Country, league.country);
                EXPECT_TRUE(seen.insert(club).second) << "club " << club << " twice";
            }
    }
    for (std::size_t p = 1; p < before; ++p) {
        if (clubs[p] >= 0) {
            EXPECT_EQ(Players[p].Age, ages[p] + 1) << "player " << p;
        }
    }
    std::map<int, int> squadsAfter;
    for (const TPlayer& p : Players)
        if (p.Club >= 0 && p.Club < Game.LeagueClubCount) ++squadsAfter[p.Club];
    EXPECT_EQ(squadsAfter, squads);  // retired players of computer clubs were replaced
    EXPECT_GE(Players.size(), before);

    int kindCount[10] = {};
    for (const TFixture& f : Fixtures) ++kindCount[f.kind];
    EXPECT_EQ(kindCount[kKindNationalLeague], leagueMatches);
    EXPECT_GT(kindCount[kKindStateChampionship], 0);
    EXPECT_GT(kindCount[kKindNationalCup], 0);
    EXPECT_GT(kindCount[kKindFirstContinentalCup], 0);
    EXPECT_GT(kindCount[kKindSecondContinentalCup], 0);
    EXPECT_EQ(DecodeDate(Calendar[1].date).year, 2011);

    ExpectSaveLoadSaveSame();
    EXPECT_TRUE(messages.empty());
}
