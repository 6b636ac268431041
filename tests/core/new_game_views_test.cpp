// What the new-game and load screens show (chooser captions, coach set-up lists, the saved game's
// next competition), the builder's progress reports, and club files whose state byte is stray.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/club_file.h"
#include "core/persist/saved_game.h"
#include "core/tables.h"
#include "core/views/new_game_views.h"
#include "tests/core/newgame_database.h"

using namespace tarvelon;

namespace {

TEST(NewGameViews, ChooserCaptionsFollowThePlayedCountry)
{
    const ChooserCaptions brazil = ChooserCaptionsFor(29);
    EXPECT_TRUE(brazil.stateChampionships);
    EXPECT_EQ(brazil.nationalCup, "Jogar Copa do Brasil");
    EXPECT_EQ(brazil.firstContinental, "Jogar Taça Libertadores");
    EXPECT_EQ(brazil.secondContinental, "Jogar Copa Sul-Americana");

    const ChooserCaptions argentina = ChooserCaptionsFor(11);
    EXPECT_FALSE(argentina.stateChampionships);
    EXPECT_EQ(argentina.nationalCup, "Jogar Copa do(a) Argentina");

    const ChooserCaptions italy = ChooserCaptionsFor(104);
    EXPECT_EQ(italy.nationalCup, "Jogar Copa do(a) Itália");
    EXPECT_EQ(italy.firstContinental, "Jogar Copa dos Campeões");
    EXPECT_EQ(italy.secondContinental, "Jogar Liga Europa da UEFA");
}

TEST(NewGameViews, NextCompetitionOfASavedGame)
{
    TGameState state{};
    state.DayKind = 1;
    state.LeagueRound = 12;
    state.LeagueTurn = 2;
    EXPECT_EQ(NextCompetitionText(state), "Campeonato Nacional12ª rodada -2º turno");
    const std::vector<std::pair<int, const char*>> kinds = {
        {0, "Amistoso"},           {2, "Copa Nacional"}, {3, "Campeonato estadual"},
        {4, "Libertadores/Liga Campeões"}, {5, "Mundial Interclubes"}, {6, "Sul-Americana/Liga Europa"},
        {7, "Copa do Mundo"},      {8, "Copa América"},  {9, "Eurocopa"},
        {10, ""},                  {-1, ""}};
    for (const auto& [kind, text] : kinds) {
        state.DayKind = kind;
        EXPECT_EQ(NextCompetitionText(state), text) << kind;
    }
    EXPECT_EQ(SeasonYear(3), 2012);
}

TEST(NewGameViews, DivisionListsAreSortedByNameAndTheBuilderReportsItsProgress)
{
    testdb::GameFolder folder;
    testdb::WriteDatabase(folder.path(), testdb::SmallWorld());
    NewGameChoices choices;
    choices.countries = {29};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.humanCoaches = {{"Ana", ""}};
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));

    const std::vector<int> slots = DivisionClubs(0, 1);
    const std::vector<int> byName = DivisionClubsByName(0, 1);
    ASSERT_EQ(slots.size(), 20u);
    EXPECT_TRUE(std::is_permutation(slots.begin(), slots.end(), byName.begin()));
    for (std::size_t i = 1; i < byName.size(); ++i)
        EXPECT_LE(Clubs[byName[i - 1]].name.raw(), Clubs[byName[i]].name.raw());
    EXPECT_TRUE(DivisionClubs(0, 5).empty());
    EXPECT_TRUE(DivisionClubs(3, 1).empty());
    EXPECT_TRUE(RegionalClubsByName().empty());  // no state championships

    // A name longer than 25 characters is cut after 25 characters, not 25 bytes of UTF-8.
    ASSERT_TRUE(ChooseHumanClub(1, byName[0], "Ana Conceição Magalhães Figueiredo"));
    EXPECT_EQ(HumanCoachNames[0].str(), "Ana Conceição Magalhães F");
    std::vector<int> reported;
    int steps = 0;
    Hooks().newGameProgress = [&reported](int percent) { reported.push_back(percent); };
    Hooks().newGameStep = [&steps] { ++steps; };
    RunNewGameBuilder();
    Hooks().newGameProgress = {};
    Hooks().newGameStep = {};
    EXPECT_EQ(reported, (std::vector<int>{10, 20, 30, 40, 60, 70, 80, 100}));
    EXPECT_GE(steps, Game.LeagueClubCount);  // one pause after each club's squad
}

// The state byte of a club file means a state only in Brazil: elsewhere any value is state 0 and
// the club is still offered, in the chooser's counts and as an extra club alike.
TEST(NewGameViews, AStrayStateByteOutsideBrazilDoesNotDropTheClub)
{
    testdb::GameFolder folder;
    testdb::WriteDatabase(folder.path(), testdb::SmallWorld());
    testdb::Generator g(3);
    ClubFile argentine = testdb::MakeClubFile(11, 90, 20, 0, g);
    argentine.header.state = 40;
    std::string bytes = SerializeClubFile(argentine);
    ClubFile brazilian = testdb::MakeClubFile(29, 190, 20, 0, g);
    brazilian.header.state = 40;
    std::string brazilBytes = SerializeClubFile(brazilian);

    ClubFile parsed;
    EXPECT_EQ(ParseClubFile(bytes, parsed), DatabaseFileError::None);
    EXPECT_EQ(parsed.header.state, 0);
    EXPECT_EQ(ParseClubFile(brazilBytes, parsed), DatabaseFileError::BadValue);

    ASSERT_EQ(WriteClubFile("teams/stray_ar.tcf", argentine), DatabaseFileError::None);
    BeginNewGameSetup();
    ListNewGameClubFiles();
    EXPECT_EQ(CountryClubCounts[11], 45);  // the 44 of the small world and the stray one
}

}  // namespace

namespace {

TEST(NewGameViews, ASaveIsDeletedOnlyInsideTheSaveFolderAndAMissingOnePreviewsAsInvalid)
{
    testdb::GameFolder folder;
    std::filesystem::create_directories("sav");
    std::ofstream("sav/old.nsx") << "x";
    std::ofstream("outside.nsx") << "x";
    EXPECT_FALSE(DeleteSavedGame("../outside.nsx"));
    EXPECT_FALSE(DeleteSavedGame(""));
    EXPECT_TRUE(std::filesystem::exists("outside.nsx"));
    EXPECT_TRUE(DeleteSavedGame("old.nsx"));
    EXPECT_FALSE(std::filesystem::exists("sav/old.nsx"));
    EXPECT_FALSE(DeleteSavedGame("old.nsx"));

    const SavePreviewTexts missing = PreviewSavedGame("old.nsx");
    EXPECT_FALSE(missing.valid);
    EXPECT_EQ(missing.coach, "");
    EXPECT_EQ(missing.nextCompetition, "arquivo inválido");
}

}  // namespace

namespace {

TEST(NewGameViews, TheCustomChampionshipsClubCounts)
{
    EXPECT_FALSE(CustomChampionshipCanStart(41));
    EXPECT_TRUE(CustomChampionshipCanStart(42));
    EXPECT_FALSE(CustomChampionshipOverLimit(1000));
    EXPECT_TRUE(CustomChampionshipOverLimit(1001));
}

}  // namespace
