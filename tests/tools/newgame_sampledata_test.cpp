// New games built headless, through the set-up screens' steps, from the whole sample database: the
// tables hold together, the extra clubs follow the list and its quotas, the national teams of every
// squad file come in and the World Cup of the first season is drawn among them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/state_championship.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/extra_clubs.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/club_file.h"
#include "core/season/competitions.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "core/services/rule_services.h"
#include "tests/core/newgame_checks.h"
#include "tests/core/newgame_database.h"
#include "tools/sampledata/sample_database.h"

using namespace tarvelon;
using namespace tarvelon::newgamecheck;

namespace {

class SampleNewGame : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testdb::GameFolder();
        report_ = new sampledata::SampleDatabaseReport(sampledata::WriteSampleDatabase(folder_->path(), 7));
        SetProgramFolder(folder_->path());
    }
    static void TearDownTestSuite()
    {
        delete report_;
        delete folder_;
        SetProgramFolder({});
    }
    void SetUp() override
    {
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
        InstallRuleServices();
        RandSeed = 1958;
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    // The chooser and the coach screens, as a player goes through them: the given leagues, one
    // coach taking the club at the top of the first division of the first league.
    static FirstScreen StartWithTopClubOf(const NewGameChoices& choices, int country)
    {
        if (!SetUpNewGameBeforeCoaches(choices))
            return FirstScreen::None;
        const int league = FindLeagueByCountry(country);
        if (league < 0 || !ChooseHumanClub(1, Leagues[league].divisions[0][0], "Treinador"))
            return FirstScreen::None;
        return RunNewGameBuilder();
    }

    static testdb::GameFolder* folder_;
    static sampledata::SampleDatabaseReport* report_;
    std::vector<std::string> messages_;
};

testdb::GameFolder* SampleNewGame::folder_ = nullptr;
sampledata::SampleDatabaseReport* SampleNewGame::report_ = nullptr;

NewGameChoices Choices(std::vector<int> countries)
{
    NewGameChoices choices;
    choices.countries = std::move(countries);
    choices.humanCoaches = {{"Treinador", ""}};
    return choices;
}

TEST_F(SampleNewGame, BrazilWithEveryCompetition)
{
    NewGameChoices choices = Choices({29});
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    ASSERT_EQ(StartWithTopClubOf(choices, 29), FirstScreen::Hub);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(Game.StateChampionshipsOn, 1);
    EXPECT_EQ(Game.DayKind, 3);
    EXPECT_EQ(Leagues[0].clubCount, report_->clubsPerCountry.at(29));

    // Every other country of the list brings its quota of extra clubs (the database has enough).
    int expectedExtras = 0;
    for (int p = 1; p <= static_cast<int>(ExtraClubCountries.size()); ++p) {
        const int country = ExtraClubCountries[static_cast<std::size_t>(p - 1)];
        if (country == 29)
            continue;
        const int quota = std::min(ExtraClubQuota(p), report_->clubsPerCountry.count(country) ? report_->clubsPerCountry.at(country) : 0);
        expectedExtras += quota;
        if (p <= 44) {
            EXPECT_EQ(Game.ExtraClubCounts[p - 1], quota) << "position " << p;
        }
    }
    EXPECT_EQ(Game.ExtraClubCount, expectedExtras);

    // The national teams of every squad file, and the 2010 groups drawn among them.
    EXPECT_EQ(NationalTeams.size(), report_->nationalTeams.size());
    const int firstNation = Game.LeagueClubCount + Game.ExtraClubCount;
    for (const auto& group : Game.NationalGroups)
        for (int club : group) {
            ASSERT_GE(club, firstNation);
            ASSERT_LT(club, static_cast<int>(Clubs.size()));
            EXPECT_EQ(Clubs[club].NationalTeamCupEntry, 1);
        }

    ExpectSquadsConsistent();
    ExpectFixturesName({1, 3});
    ExpectStartingContracts();
}

TEST_F(SampleNewGame, EveryOfferedLeagueInDivisionsOfTen)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    const std::vector<int> offered = OfferedLeagueCountries();
    ASSERT_GE(offered.size(), 5u);
    NewGameChoices choices = Choices(offered);
    ASSERT_EQ(StartWithTopClubOf(choices, offered.back()), FirstScreen::Hub);
    ASSERT_EQ(Leagues.size(), offered.size());
    int leagueClubs = 0;
    for (const TLeague& league : Leagues) {
        EXPECT_EQ(league.clubCount, report_->clubsPerCountry.at(league.country));
        leagueClubs += league.clubCount;
    }
    EXPECT_EQ(Game.LeagueClubCount, leagueClubs);
    EXPECT_EQ(Game.DayKind, 2);  // the cup comes first with divisions of 10
    ExpectSquadsConsistent();
    ExpectFixturesName({1});
    ExpectStartingContracts();
}

TEST_F(SampleNewGame, CustomChampionshipOfEveryCountry)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    std::vector<int> every;
    for (int country = 0; country < CustomCountry; ++country)
        if (CountryClubCounts[static_cast<std::size_t>(country)] > 0)
            every.push_back(country);
    NewGameChoices choices = Choices(every);
    choices.customChampionship = true;
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    ASSERT_EQ(StartWithTopClubOf(choices, CustomCountry), FirstScreen::Hub);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
    int pooled = 0;
    for (const auto& [country, clubs] : report_->clubsPerCountry)
        pooled += clubs;
    EXPECT_EQ(Game.LeagueClubCount, pooled);
    EXPECT_EQ(static_cast<int>(Clubs.size()), pooled);
    EXPECT_TRUE(NationalTeams.empty());
    ExpectSquadsConsistent();
    ExpectFixturesName({1});
    ExpectStartingContracts();
}

}  // namespace

namespace {

// Damaged data files are passed over and the player is told once which: a club file cut short
// when the club files are listed, a national squad of random bytes and one cut short when the new
// game reads the squads. An empty squad folder is no damage: the tournaments are played without
// national teams, with no message.
TEST(SampleNewGameDamage, DamagedClubAndSquadFilesAreNamedOnce)
{
    testdb::GameFolder folder;
    const sampledata::SampleDatabaseReport report = sampledata::WriteSampleDatabase(folder.path(), 7);
    SetProgramFolder(folder.path());
    std::vector<std::string> messages;
    Hooks().showMessage = [&messages](const std::string& text) { messages.push_back(text); };
    InstallRuleServices();
    Hooks().showMessage = [&messages](const std::string& text) { messages.push_back(text); };

    std::string clubFile;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() / "teams")) {
        TClubHeader header;
        if (entry.path().extension() == ".tcf" && ReadClubFileListing(entry.path().string(), header) == DatabaseFileError::None &&
            header.country != CountryBrazil) {
            clubFile = entry.path().filename().string();
            break;
        }
    }
    ASSERT_FALSE(clubFile.empty());
    std::filesystem::resize_file(folder.path() / "teams" / clubFile, 100);
    const std::string randomSquad = "teams/selecoes/" + std::to_string(report.nationalTeams[0]) + ".nsx";
    const std::string shortSquad = "teams/selecoes/" + std::to_string(report.nationalTeams[1]) + ".nsx";
    std::string noise(kNationalSquadFileSize, '\xA5');
    std::ofstream(folder.path() / randomSquad, std::ios::binary) << noise;
    std::filesystem::resize_file(folder.path() / shortSquad, 10);

    NewGameChoices choices;
    choices.countries = {CountryBrazil};
    choices.humanCoaches = {{"Treinador", ""}};
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));  // lists the club files
    EXPECT_EQ(messages, std::vector<std::string>{"Este arquivo está danificado e foi ignorado:\nteams/" + clubFile});
    messages.clear();
    ASSERT_TRUE(ChooseHumanClub(1, Leagues[0].divisions[0][0], "Treinador"));
    ASSERT_NE(RunNewGameBuilder(), FirstScreen::None);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("Estes arquivos estão danificados e foram ignorados:\n", 0), 0u) << messages[0];
    EXPECT_NE(messages[0].find(randomSquad), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find(shortSquad), std::string::npos) << messages[0];
    EXPECT_EQ(NationalTeams.size(), report.nationalTeams.size() - 2);
    messages.clear();
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));  // a second new game: the files were named
    EXPECT_TRUE(messages.empty());

    messages.clear();
    std::filesystem::remove_all(folder.path() / "teams/selecoes");
    std::filesystem::create_directory(folder.path() / "teams/selecoes");
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
    messages.clear();
    ASSERT_TRUE(ChooseHumanClub(1, Leagues[0].divisions[0][0], "Treinador"));
    ASSERT_NE(RunNewGameBuilder(), FirstScreen::None);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(NationalTeams.empty());
    Hooks().showMessage = [](const std::string&) {};
    SetProgramFolder({});
}

}  // namespace
