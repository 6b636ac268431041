// The new-game builder's exact rules on small hand-made tables (strengths, extra clubs, club fields,
// coaches, squads, national teams, the first screen, the options) and the faults it mends: bytes of
// a file that would index outside a table, unreadable club files, a second game in the same run,
// state championships without the Brazilian league.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/club_tables.h"
#include "core/newgame/extra_clubs.h"
#include "core/newgame/national_squads.h"
#include "core/newgame/new_game_setup.h"
#include "core/newgame/read_options.h"
#include "core/newgame/squads.h"
#include "core/newgame/start_game.h"
#include "core/persist/club_file.h"
#include "core/season/competitions.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"

using namespace tarvelon;

namespace {

// An empty game with `clubs` league clubs, the builder's tables sized for them.
void EmptyGameWithClubs(int clubs)
{
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    Clubs.resize(static_cast<std::size_t>(clubs));
    Game.LeagueClubCount = clubs;
    NewGameClubHeaders.assign(static_cast<std::size_t>(clubs), TClubHeader{});
    NewGameClubSquads.assign(static_cast<std::size_t>(clubs), TClubSquad{});
    Coaches.assign(static_cast<std::size_t>(clubs + 6), TCoach{});
    ClubFinances.assign(static_cast<std::size_t>(clubs), TClubFinance{});
}

int AddPlayer(int club, bool regular, bool star)
{
    TPlayer player;
    player.Club = club;
    player.LineupStatus = regular ? 1 : 0;
    player.Star = star ? 1 : 0;
    player.Position = 3;
    Players.push_back(player);
    return static_cast<int>(Players.size()) - 1;
}

// The strength the rule gives from the seed: Random(6) + base, + Random(2) + 8 for a regular
// starter, + Random(5) + 7 for a star.
int StrengthFromSeed(std::uint32_t seed, int base, bool regular, bool star)
{
    RandSeed = seed;
    int strength = Random(6) + base;
    if (regular)
        strength += Random(2) + 8;
    if (star)
        strength += Random(5) + 7;
    return std::min(strength, 100);
}

TEST(NewGameStrengths, LevelAndDivisionBases)
{
    EXPECT_EQ(StrengthBaseOfLevel(0), 0);
    EXPECT_EQ(StrengthBaseOfLevel(1), 7);
    EXPECT_EQ(StrengthBaseOfLevel(5), 7);
    EXPECT_EQ(StrengthBaseOfLevel(6), 12);
    EXPECT_EQ(StrengthBaseOfLevel(10), 12);
    EXPECT_EQ(StrengthBaseOfLevel(11), 15);
    EXPECT_EQ(StrengthBaseOfLevel(17), 30);
    EXPECT_EQ(StrengthBaseOfLevel(18), 35);
    EXPECT_EQ(StrengthBaseOfLevel(25), 65);
    EXPECT_EQ(StrengthBaseOfLevel(26), 0);
    EXPECT_EQ(StrengthBaseOfDivision(4, 1), 20);
    EXPECT_EQ(StrengthBaseOfDivision(4, 3), 10);
    EXPECT_EQ(StrengthBaseOfDivision(4, 4), 0);
    EXPECT_EQ(StrengthBaseOfDivision(2, 3), 5);
    EXPECT_EQ(StrengthBaseOfDivision(2, 0), 1);
    EXPECT_EQ(StrengthBaseOfDivision(2, 4), 1);
    EXPECT_EQ(StrengthBaseOfDivision(3, 1), 0);
}

TEST(NewGameStrengths, RegularStarStrengthOfAFirstDivisionClub)
{
    EmptyGameWithClubs(20);
    Game.LeagueFormat = 2;
    Clubs[0].Division = 1;
    Clubs[0].Level = 20;
    const int player = AddPlayer(0, true, true);
    const int reserve = AddPlayer(0, false, false);
    for (std::uint32_t seed : {1u, 77u, 4000u, 123456789u}) {
        const int expected = StrengthFromSeed(seed, 40, true, true);
        RandSeed = seed;
        InitSquadStrengths(0);
        EXPECT_EQ(Players[player].Strength, expected);
        EXPECT_GE(Players[player].Strength, 55);
        EXPECT_LE(Players[player].Strength, 65);
        EXPECT_GE(Players[reserve].Strength, 40);
        EXPECT_LE(Players[reserve].Strength, 45);
    }
}

TEST(NewGameStrengths, LastLeagueClubAndExtraClubsFollowTheLevelAndLevelThirtyReadsAsNine)
{
    EmptyGameWithClubs(3);
    Game.LeagueFormat = 4;
    Clubs.resize(4);  // club 3 is an extra club
    for (int c = 0; c < 4; ++c) {
        Clubs[static_cast<std::size_t>(c)].Division = 1;
        Clubs[static_cast<std::size_t>(c)].Level = 18;
    }
    Clubs[2].Level = 30;
    const int middle = AddPlayer(1, false, false);
    const int last = AddPlayer(2, false, false);
    const int extra = AddPlayer(3, false, false);

    RandSeed = 31;
    const int expectedMiddle = StrengthFromSeed(31, 20 + 18, false, false);
    RandSeed = 31;
    InitSquadStrengths(1);
    EXPECT_EQ(Players[middle].Strength, expectedMiddle);

    RandSeed = 31;
    const int expectedLast = StrengthFromSeed(31, 12, false, false);  // level 9
    RandSeed = 31;
    InitSquadStrengths(2);
    EXPECT_EQ(Clubs[2].Level, 9);
    EXPECT_EQ(Players[last].Strength, expectedLast);

    RandSeed = 31;
    const int expectedExtra = StrengthFromSeed(31, 35, false, false);
    RandSeed = 31;
    InitSquadStrengths(3);
    EXPECT_EQ(Players[extra].Strength, expectedExtra);
}

TEST(NewGameExtraClubs, QuotasAndCatalogueOrder)
{
    EXPECT_EQ(ExtraClubQuota(1), 14);
    EXPECT_EQ(ExtraClubQuota(2), 12);
    EXPECT_EQ(ExtraClubQuota(11), 12);
    EXPECT_EQ(ExtraClubQuota(12), 10);
    EXPECT_EQ(ExtraClubQuota(53), 10);
    EXPECT_EQ(ExtraClubCountries[0], 29);
    EXPECT_EQ(ExtraClubCountries[2], 195);
    EXPECT_EQ(ExtraClubCountries[52], 157);

    TClubCatalogueEntry strong;
    strong.level = 20;
    strong.country = 50;
    TClubCatalogueEntry weak = strong;
    weak.level = 12;
    TClubCatalogueEntry sameLevelLowerCountry = strong;
    sameLevelLowerCountry.country = 3;
    EXPECT_LT(CompareCatalogueEntries(&strong, &weak), 0);
    EXPECT_GT(CompareCatalogueEntries(&weak, &strong), 0);
    EXPECT_LT(CompareCatalogueEntries(&sameLevelLowerCountry, &strong), 0);
    EXPECT_EQ(CompareCatalogueEntries(&strong, &strong), 0);
}

TEST(NewGameExtraClubs, OnlyPlayableCurrentFilesOfUnplayedCountriesBestFirst)
{
    testdb::GameFolder folder;
    testdb::Generator g(3);
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    std::filesystem::create_directories("teams");
    for (int n = 0; n < 16; ++n) {
        ClubFile file = testdb::MakeClubFile(195, n, 5 + n, 0, g);
        if (n == 15)
            file.header.playable = 0;     // the best file cannot field a team
        if (n == 14)
            file.header.formatValue = 9;  // an old editor's file
        WriteClubFile("teams/" + testdb::ClubFileBase(195, n) + ".tcf", file);
    }
    for (int n = 0; n < 3; ++n)
        WriteClubFile("teams/" + testdb::ClubFileBase(11, n) + ".tcf", testdb::MakeClubFile(11, n, 20, 0, g));
    TLeague argentina;
    argentina.country = 11;
    Leagues.push_back(argentina);  // Argentina's league is played: no extra clubs from it

    ResetExtraClubRows();
    CatalogueClubFiles();
    EXPECT_EQ(ClubCatalogue.size(), 19u);
    ASSERT_EQ(Game.ExtraClubCount, 12);  // Uruguai's quota
    EXPECT_EQ(Game.ExtraClubCounts[2], 12);
    for (int k = 0; k < 12; ++k) {
        const TClub& club = Clubs[static_cast<std::size_t>(Game.ExtraClubRows[3][k])];
        EXPECT_EQ(club.Country, 195);
        EXPECT_EQ(club.name.str(), "Clube 195-" + std::to_string(13 - k));  // levels 18 down to 7
        EXPECT_EQ(ClubFileNames[static_cast<std::size_t>(Game.ExtraClubRows[3][k])],
                  testdb::ClubFileBase(195, 13 - k) + ".tcf");
    }
    EXPECT_EQ(Game.ExtraClubRows[3][12], -1);
    EXPECT_EQ(Game.ExtraClubCounts[1], 0);
}

TEST(NewGameClubTables, ClubFieldsFromTheHeaders)
{
    EmptyGameWithClubs(2);
    Clubs.resize(4);
    NewGameClubHeaders.resize(4);
    Game.StateChampionshipsOn = 1;
    Clubs[0].Division = 2;
    for (int c = 0; c < 4; ++c) {
        TClubHeader& h = NewGameClubHeaders[static_cast<std::size_t>(c)];
        h.country = 29;
        h.state = 25;
        h.shortName.set("Time " + std::to_string(c));
        h.stadium.set("Estádio");
        h.backColor = 0x123456;
    }
    NewGameClubHeaders[2].level = 11;  // an extra club of level 11 plays as a fourth-division club
    NewGameClubHeaders[3].level = 30;  // a level the rule does not place: its division stays
    RandSeed = 8;
    const int fraction = Random(99) + 1;
    RandSeed = 8;
    InitClubsFromHeaders();

    const TClub& club = Clubs[0];
    EXPECT_EQ(club.name.str(), "Time 0");
    EXPECT_EQ(club.Stadium.str(), "Estádio");
    EXPECT_EQ(club.State, 25);
    EXPECT_EQ(club.Country, 29);
    EXPECT_EQ(club.BackColor, 0x123456);
    EXPECT_EQ(club.boardConfidence, 100);
    EXPECT_EQ(club.SupportersMood, 100);
    EXPECT_EQ(club.SectorSeats[0], 7000);
    EXPECT_EQ(club.SectorSeats[3], 300);
    EXPECT_EQ(club.SectorPrices[3], 70);
    EXPECT_EQ(club.cash, CurrencyFromUnits(12000000) + fraction * 100);
    EXPECT_EQ(Clubs[1].Division, 0);  // a league club keeps its (regional) division
    EXPECT_EQ(Clubs[1].SectorPrices[3], 25);
    EXPECT_EQ(Clubs[2].Division, 4);
    EXPECT_EQ(Clubs[2].SectorPrices[3], 30);
    EXPECT_EQ(Clubs[3].Division, 0);

    Game.StateChampionshipsOn = 0;
    InitClubsFromHeaders();
    EXPECT_EQ(CurrencyUnits(Clubs[0].cash), 10000000);
    Game.playedCountry = CustomCountry;
    InitClubsFromHeaders();
    EXPECT_EQ(Clubs[0].Country, CustomCountry);
}

TEST(NewGameClubTables, ExtraClubDivisionByLevel)
{
    const std::pair<int, int> levelDivision[] = {{0, 4}, {11, 4}, {12, 3}, {16, 3}, {17, 2}, {18, 2}, {19, 1}, {25, 1}};
    for (auto [level, division] : levelDivision) {
        EmptyGameWithClubs(0);
        Clubs.resize(1);
        NewGameClubHeaders.assign(1, TClubHeader{});
        NewGameClubHeaders[0].level = static_cast<std::uint8_t>(level);
        InitClubsFromHeaders();
        EXPECT_EQ(Clubs[0].Division, division) << "level " << level;
    }
}

TEST(NewGameClubTables, HumanCoachInSlotThreeFreesTheFileCoach)
{
    EmptyGameWithClubs(5);
    for (int c = 0; c < 5; ++c) {
        NewGameClubHeaders[static_cast<std::size_t>(c)].coachName.set("Arquivo " + std::to_string(c));
        Clubs[static_cast<std::size_t>(c)].Division = 1 + c % 2;
        Clubs[static_cast<std::size_t>(c)].Country = 97;
    }
    for (std::int32_t& slot : Game.HumanClubs)
        slot = -1;
    Game.HumanClubs[2] = 3;
    Clubs[3].IsHuman = 1;
    HumanCoachNames[2].set("X");
    CreateCoaches();

    EXPECT_EQ(Coaches[3].name.str(), "X");
    EXPECT_EQ(Coaches[3].human, 1);
    EXPECT_EQ(Coaches[3].active, 1);
    EXPECT_EQ(Coaches[3].club, 3);
    EXPECT_EQ(Clubs[3].coach, 3);
    EXPECT_EQ(Game.HumanCoachSlots[0], 3);
    const TCoach& freed = Coaches[5];  // the first spare record after the clubs
    EXPECT_EQ(freed.name.str(), "Arquivo 3");
    EXPECT_EQ(freed.club, -1);
    EXPECT_EQ(freed.division, 2);
    EXPECT_EQ(freed.country, 97);
    EXPECT_EQ(Coaches[0].name.str(), "Arquivo 0");
    EXPECT_EQ(Coaches[0].human, 0);
    EXPECT_TRUE(Coaches[6].name.empty());
}

TEST(NewGameSquads, SlotsBecomePlayersWithMendedTraitsAndSides)
{
    EmptyGameWithClubs(2);
    TClubSquad& squad = NewGameClubSquads[1];
    for (auto& name : squad.names)
        name.setRaw(kFreeSlotName);
    squad.names[0].set("Goleiro Sem Traços");
    squad.position[0] = 0;
    squad.names[4].set("Um Nome Comprido Demais Para Caber");
    squad.position[4] = 3;
    squad.trait1[4] = 14;  // unknown: none, then drawn
    squad.trait2[4] = 9;
    squad.side[4] = 5;
    squad.status[4] = 7;
    squad.star[4] = 1;
    squad.country[4] = 11;
    squad.age[4] = 27;
    squad.fileByte[4] = 2;

    RandSeed = 55;
    const int drawn = Random(8) + 4;
    RandSeed = 55;
    LoadClubSquads();
    ASSERT_EQ(Players.size(), 3u);  // club 0's free squad adds nobody
    const TPlayer& keeper = Players[1];
    EXPECT_EQ(keeper.Club, 1);
    EXPECT_EQ(keeper.Trait1, 0);
    EXPECT_EQ(keeper.Trait2, 0);
    EXPECT_EQ(keeper.Energy, 100);
    EXPECT_EQ(keeper.Morale, 3);
    const TPlayer& midfielder = Players[2];
    EXPECT_EQ(midfielder.Name.str(), "Um Nome Comprido Dem");
    EXPECT_EQ(midfielder.Trait1, drawn);
    EXPECT_EQ(midfielder.Trait2, 9);
    EXPECT_EQ(midfielder.Side, 0);
    EXPECT_EQ(midfielder.LineupStatus, 1);
    EXPECT_EQ(midfielder.Star, 1);
    EXPECT_EQ(midfielder.nationality, 11);
    EXPECT_EQ(midfielder.Age, 27);
    EXPECT_EQ(midfielder.fileByte, 2);
    EXPECT_EQ(squad.trait1[4], drawn);
}

// National squads written by the test into teams/selecoes.
class NationalSquadFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        EmptyGameWithClubs(1);
        std::filesystem::create_directories("teams/selecoes");
    }
    void Write(const TNationalSquad& squad, const std::string& name)
    {
        ASSERT_EQ(WriteNationalSquadFile("teams/selecoes/" + name, squad), DatabaseFileError::None);
    }
    testdb::GameFolder folder_;
    testdb::Generator g_{11};
};

TEST_F(NationalSquadFiles, MexicoPlaysInTheFourthConfederationAndOldFilesAreSkipped)
{
    Write(testdb::MakeNationalSquad(131, g_), "131.nsx");
    TNationalSquad old = testdb::MakeNationalSquad(29, g_);
    old.formatValue = 9;
    Write(old, "29.nsx");
    LoadNationalTeams();
    ASSERT_EQ(NationalTeams.size(), 1u);
    EXPECT_EQ(NationalTeams[0].country, 131);
    EXPECT_EQ(NationalTeams[0].confederation, 4);
    EXPECT_EQ(NationalTeams[0].clubEntry, 1);
    EXPECT_EQ(Clubs[1].name.str(), CountryNames[131]);
    EXPECT_EQ(Clubs[1].crestName.str(), "simbolo131");
    EXPECT_EQ(NationalTeamConfederation(29), ConfederationOfCountry(29));
    EXPECT_TRUE(NationalSquadRecords.empty());
}

TEST_F(NationalSquadFiles, BytesThatWouldIndexOutsideATableAreNotTaken)
{
    TNationalSquad squad = testdb::MakeNationalSquad(11, g_);
    squad.position[0] = 9;   // no such position: the player is left out
    squad.trait1[1] = 40;    // no such trait: none
    squad.trait2[1] = -3;
    squad.side[1] = 4;
    Write(squad, "11.nsx");
    TNationalSquad nowhere = testdb::MakeNationalSquad(11, g_);
    nowhere.country = 240;   // no such country: the squad is left out
    Write(nowhere, "240.nsx");

    LoadNationalTeams();
    ASSERT_EQ(NationalTeams.size(), 1u);
    int players = 0;
    for (const TPlayer& p : Players)
        players += p.Club == 1;
    EXPECT_EQ(players, 22);
    const TPlayer& second = Players[1];
    EXPECT_EQ(second.Name.str(), "Convocado 11.1");
    EXPECT_EQ(second.Trait1, 0);
    EXPECT_EQ(second.Trait2, 0);
    EXPECT_EQ(second.Side, 0);
    EXPECT_EQ(second.nationality, 11);
}

// A whole game folder for the faults the builder mends.
class NewGameMends : public ::testing::Test {
protected:
    void SetUp() override
    {
        testdb::WriteDatabase(folder_.path(), testdb::SmallWorld());
        SetProgramFolder(folder_.path());
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
        RandSeed = 4242;
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    static NewGameChoices Argentina(int club = 0)
    {
        NewGameChoices choices;
        choices.countries = {11};
        choices.humanCoaches = {{"Beto", testdb::ClubFileBase(11, club) + ".tcf"}};
        return choices;
    }

    testdb::GameFolder folder_;
    std::vector<std::string> messages_;
};

TEST_F(NewGameMends, ACountryAbove201CountsNowhere)
{
    TClubHeader header;
    header.country = 230;
    header.playable = 1;
    header.formatValue = 10;
    CustomChampionshipClubs.assign(3, header);
    CustomChampionshipClubs[1].country = 201;
    CountClubFilesByCountry();
    EXPECT_EQ(CountryClubCounts[201], 1);
    int total = 0;
    for (int count : CountryClubCounts)
        total += count;
    EXPECT_EQ(total, 1);
}

TEST_F(NewGameMends, BadBytesOfAClubFileLoseOnlyTheirPlayersAndAreReported)
{
    testdb::Generator g(1);
    ClubFile file = testdb::MakeClubFile(11, 2, 15, 0, g);
    file.squad.position[3] = 7;   // no such position
    file.squad.country[5] = 250;  // no such nationality
    file.header.state = 99;       // no such state
    file.header.country = 240;    // no such country
    ASSERT_EQ(WriteClubFile("teams/" + testdb::ClubFileBase(11, 2) + ".tcf", file), DatabaseFileError::None);

    // The file is refused by the listing, which names it to the player, so the set-up never offers
    // it; read while building it keeps its sound players only.
    ASSERT_NE(StartNewGame(Argentina()), FirstScreen::None);
    EXPECT_EQ(messages_, std::vector<std::string>{"Este arquivo está danificado e foi ignorado:\nteams/" +
                                                  testdb::ClubFileBase(11, 2) + ".tcf"});
    EXPECT_EQ(FindLeagueClubByFile(testdb::ClubFileBase(11, 2) + ".tcf"), -1);
    messages_.clear();

    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    Clubs.resize(1);
    Clubs[0].Country = 11;
    Clubs[0].name.set("Como na listagem");
    ClubFileNames = {testdb::ClubFileBase(11, 2) + ".tcf"};
    Game.LeagueClubCount = 1;
    Game.playedCountry = 11;
    BuildNewGameTables();
    ASSERT_EQ(messages_.size(), 1u);  // once, whatever else was read
    EXPECT_EQ(messages_[0], "Erro no jogo, reinstale os times");
    EXPECT_GT(Game.ExtraClubCount, 0);
    EXPECT_EQ(Clubs[0].squadSize, 20);
    for (std::size_t p = 1; p < Players.size(); ++p) {
        EXPECT_LE(Players[p].Position, 4);
        EXPECT_LE(Players[p].nationality, 201);
    }
    EXPECT_EQ(Clubs[0].Country, 11);  // as the set-up knew it
    EXPECT_EQ(Clubs[0].State, 0);
    EXPECT_EQ(Clubs[0].name.str(), "Clube 11-2");
}

TEST_F(NewGameMends, AClubFileThatVanishedIsReportedAndTheClubKeepsItsName)
{
    std::filesystem::remove("teams/" + testdb::ClubFileBase(11, 20) + ".tcf");
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    Clubs.resize(2);
    for (int c = 0; c < 2; ++c) {
        Clubs[static_cast<std::size_t>(c)].Country = 11;
        Clubs[static_cast<std::size_t>(c)].Level = 14;
        Clubs[static_cast<std::size_t>(c)].name.set("Listado " + std::to_string(c));
    }
    ClubFileNames = {testdb::ClubFileBase(11, 20) + ".tcf", testdb::ClubFileBase(11, 21) + ".tcf"};
    Game.LeagueClubCount = 2;
    Game.playedCountry = CustomCountry;
    BuildNewGameTables();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Erro no jogo, reinstale os times");
    EXPECT_EQ(Clubs[0].name.str(), "Listado 0");
    EXPECT_EQ(Clubs[0].Level, 14);
    EXPECT_EQ(Clubs[0].squadSize, 0);
    EXPECT_EQ(Clubs[1].name.str(), "Clube 11-21");
    EXPECT_EQ(Clubs[1].squadSize, 22);
}

TEST_F(NewGameMends, AClubFileNameThatLeadsOutOfTheClubFolderIsNoClubFile)
{
    testdb::Generator g(2);
    const ClubFile outside = testdb::MakeClubFile(11, 30, 15, 0, g);
    std::filesystem::create_directories("teams/sub");
    ASSERT_EQ(WriteClubFile("outside.tcf", outside), DatabaseFileError::None);
    ASSERT_EQ(WriteClubFile("teams/sub/inner.tcf", outside), DatabaseFileError::None);
    ASSERT_EQ(WriteClubFile(std::string("teams/ctl\x01.tcf"), outside), DatabaseFileError::None);
    ASSERT_EQ(WriteClubFile("teams/dots..tcf", outside), DatabaseFileError::None);

    // Names from the club tables: read as missing files, reported once, the set-up's names kept.
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    ClubFileNames = {"../outside.tcf", "sub/inner.tcf", std::string("ctl\x01.tcf"), "dots..tcf"};
    Clubs.resize(ClubFileNames.size());
    for (std::size_t c = 0; c < Clubs.size(); ++c) {
        Clubs[c].Country = 11;
        Clubs[c].name.set("Listado " + std::to_string(c));
    }
    Game.LeagueClubCount = static_cast<int>(Clubs.size());
    Game.playedCountry = CustomCountry;
    BuildNewGameTables();
    EXPECT_EQ(messages_, std::vector<std::string>{"Erro no jogo, reinstale os times"});
    for (std::size_t c = 0; c < ClubFileNames.size(); ++c) {
        EXPECT_EQ(Clubs[c].name.str(), "Listado " + std::to_string(c)) << ClubFileNames[c];
        EXPECT_EQ(Clubs[c].squadSize, 0) << ClubFileNames[c];
    }

    // Names from the folder listing: neither offered to the set-up nor taken as extra clubs.
    messages_.clear();
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    ListClubFilesForNewGame();
    for (const std::string& name : CustomChampionshipFiles)
        EXPECT_TRUE(name != std::string("ctl\x01.tcf") && name != "dots..tcf") << name;
    ResetExtraClubRows();
    CatalogueClubFiles();
    for (const TClubCatalogueEntry& entry : ClubCatalogue)
        EXPECT_TRUE(entry.fileName.str() != std::string("ctl\x01.tcf") && entry.fileName.str() != "dots..tcf");
    for (const std::string& name : ClubFileNames)
        EXPECT_TRUE(name != std::string("ctl\x01.tcf") && name != "dots..tcf") << name;
}

TEST_F(NewGameMends, ASecondGameStartsFromEmptyBuilderTables)
{
    ASSERT_NE(StartNewGame(Argentina()), FirstScreen::None);
    // Leftovers a first game might leave behind.
    for (auto& row : Game.ExtraClubRows)
        for (std::int32_t& club : row)
            club = 7;
    for (std::int32_t& count : Game.ExtraClubCounts)
        count = 3;
    CustomChampionshipClubs.resize(5);
    CustomChampionshipFiles.resize(5);
    ClubCatalogue.resize(9);
    HumanCoachNames[4].set("Antigo");

    NewGameChoices custom = Argentina();
    custom.customChampionship = true;
    custom.countries = {11, 104};
    ASSERT_NE(StartNewGame(custom), FirstScreen::None);
    EXPECT_EQ(Game.ExtraClubCount, 0);
    for (const auto& row : Game.ExtraClubRows)
        for (std::int32_t club : row)
            EXPECT_EQ(club, -1);
    for (std::int32_t count : Game.ExtraClubCounts)
        EXPECT_EQ(count, 0);
    EXPECT_TRUE(CustomChampionshipClubs.empty());
    EXPECT_TRUE(CustomChampionshipFiles.empty());
    EXPECT_TRUE(ClubCatalogue.empty());
    EXPECT_TRUE(HumanCoachNames[4].empty());
    EXPECT_EQ(static_cast<int>(Clubs.size()), 88);
}

TEST_F(NewGameMends, StateChampionshipsNeedTheBrazilianLeague)
{
    NewGameChoices choices = Argentina();
    choices.stateChampionships = true;
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
    EXPECT_EQ(Game.playedCountry, 29);
    EXPECT_EQ(Game.StateChampionshipsOn, 0);
    EXPECT_EQ(Game.DayKind, 1);
    for (const TCompetition& c : Competitions)
        EXPECT_NE(c.kind, 3);
}

// Every national-squad file saved in the editor's format is taken, whatever its players and its
// player count: one without players, one of ten, one without a goalkeeper, one of eleven.
TEST_F(NewGameMends, ANationalTeamIsTakenWhateverItsPlayers)
{
    testdb::Generator g(3);
    TNationalSquad empty = testdb::MakeNationalSquad(29, g);
    for (auto& name : empty.names)
        name.clear();
    StampNationalSquadForSave(empty);
    empty.playerCount = 23;  // what the editor counted, not what the slots hold
    ASSERT_EQ(WriteNationalSquadFile(NationalSquadFilePath(29), empty), DatabaseFileError::None);
    TNationalSquad ten = testdb::MakeNationalSquad(195, g);
    for (int slot = 10; slot < kNationalSquadSlots; ++slot)
        ten.names[slot].setRaw(kFreeSlotName);
    StampNationalSquadForSave(ten);
    ten.playerCount = 99;
    ASSERT_EQ(WriteNationalSquadFile(NationalSquadFilePath(195), ten), DatabaseFileError::None);
    TNationalSquad keeperless = testdb::MakeNationalSquad(11, g);
    for (std::int32_t& position : keeperless.position)
        position = position == 0 ? 1 : position;
    StampNationalSquadForSave(keeperless);
    keeperless.playerCount = -1;
    ASSERT_EQ(WriteNationalSquadFile(NationalSquadFilePath(11), keeperless), DatabaseFileError::None);
    TNationalSquad eleven = testdb::MakeNationalSquad(150, g);  // three goalkeepers and eight others
    for (int slot = 11; slot < kNationalSquadSlots; ++slot)
        eleven.names[slot].clear();
    StampNationalSquadForSave(eleven);
    ASSERT_EQ(WriteNationalSquadFile(NationalSquadFilePath(150), eleven), DatabaseFileError::None);

    NewGameChoices choices = Argentina();
    choices.countries = {104};
    choices.humanCoaches = {{"Beto", testdb::ClubFileBase(104, 0) + ".tcf"}};
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);
    std::vector<int> countries;
    for (const TNationalTeam& team : NationalTeams)
        countries.push_back(team.country);
    std::sort(countries.begin(), countries.end());
    EXPECT_EQ(countries, (std::vector<int>{3, 11, 29, 65, 97, 104, 131, 150, 195}));
    auto playersOf = [](int country) {
        for (const TNationalTeam& team : NationalTeams)
            if (team.country == country)
                return std::count_if(Players.begin(), Players.end(),
                                     [&team](const TPlayer& p) { return p.Club == team.clubEntry; });
        return std::ptrdiff_t{-1};
    };
    EXPECT_EQ(playersOf(29), 0);
    EXPECT_EQ(playersOf(195), 10);
    EXPECT_EQ(playersOf(150), 11);
    EXPECT_TRUE(messages_.empty()) << "no file was passed over";
}

TEST(NewGameFirstScreen, ByTheKindOfTheDay)
{
    ResetGameState();
    ResetGameTables();
    for (int kind : {7, 8, 9}) {
        Game.DayKind = kind;
        EXPECT_EQ(ChooseFirstScreen(), FirstScreen::NationalTeamHub) << kind;
    }
    Game.DayKind = 1;
    EXPECT_EQ(ChooseFirstScreen(), FirstScreen::Hub);
    // A cup day with no cup at all: the league starts on day 45 and the cup at its second stage.
    Game.DayKind = 2;
    Game.DayIndex = 34;
    Game.NationalCupStage = 1;
    EXPECT_EQ(ChooseFirstScreen(), FirstScreen::Hub);
    EXPECT_EQ(Game.DayKind, 1);
    EXPECT_EQ(Game.DayIndex, 45);
    EXPECT_EQ(Game.NationalCupStage, 2);
}

TEST(NewGameOptions, ReadIntoTheGameState)
{
    testdb::GameFolder folder;
    SetProgramFolder(folder.path());
    ResetGameState();
    ReadOptions();
    EXPECT_EQ(Game.TickIntervalHuman, 800);
    EXPECT_EQ(Game.TickIntervalCpu, 600);
    EXPECT_EQ(Game.HalfTimeScreen, 1);
    EXPECT_EQ(Game.SoundOption, 1);
    EXPECT_EQ(Game.listColours[0], 0x499494);  // the goalkeepers' own shade, not one red for all
    EXPECT_EQ(Game.listColours[4], 0xBCDEDE);

    WriteSetting(OptionsSection, "opvelocidade", "5");
    WriteSetting(OptionsSection, "opnhvelocidade", "6");
    WriteSetting(OptionsSection, "opsom", "7");
    WriteSetting(OptionsSection, "opnegrito", "7");
    WriteSetting(OptionsSection, "opcornalista", "1");
    WriteSetting(OptionsSection, "opsalvar", "2");
    WriteSetting(OptionsSection, "opemails", "3");
    WriteSetting(OptionsSection, "opver62", "1");
    WriteSetting(OptionsSection, "opcontrato", "1");
    for (int k = 0; k < 5; ++k)
        WriteSetting(OptionsSection, "cor" + std::to_string(k), "clBlue");
    ReadOptions();
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    EXPECT_EQ(Game.TickIntervalCpu, 10);
    EXPECT_EQ(Game.SoundOption, 1);
    EXPECT_EQ(Game.BoldHomeEvents, 0);
    EXPECT_EQ(Game.colouredPlayerLists, 1);
    EXPECT_EQ(Game.autosave, 2);
    EXPECT_EQ(Game.contractNotices, 3);
    EXPECT_EQ(Game.continentalMatchDisplay[3], 1);
    EXPECT_EQ(Game.continentalMatchDisplay[0], 0);
    EXPECT_EQ(Game.autoContractExtension, 1);
    EXPECT_EQ(Game.listColours[4], 0xFF0000);
    SetProgramFolder({});
}

}  // namespace
