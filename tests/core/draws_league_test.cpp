#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "core/persist/club_file.h"

#include "tests/core/draws_world.h"
#include "tests/core/newgame_database.h"

namespace tarvelon {
namespace {

using namespace drawtest;

// Division of every league club as its league lists it; a club listed twice fails the test.
std::map<int, int> ListedDivisions()
{
    std::map<int, int> divisionOf;
    for (const TLeague& league : Leagues) {
        for (int d = 0; d < 4; ++d) {
            for (int club : league.divisions[d]) {
                if (club < 0)
                    continue;
                EXPECT_EQ(divisionOf.count(club), 0u) << "club " << club << " stands in two divisions";
                divisionOf[club] = d + 1;
            }
        }
    }
    return divisionOf;
}

TEST(DrawsLeague, DivisionCountsFollowTheClubCount)
{
    EXPECT_EQ(DivisionCountFor(82, true), 4);
    EXPECT_EQ(DivisionCountFor(81, true), 3);
    EXPECT_EQ(DivisionCountFor(62, true), 3);
    EXPECT_EQ(DivisionCountFor(61, true), 2);
    EXPECT_EQ(DivisionCountFor(45, true), 2);
    EXPECT_EQ(DivisionCountFor(41, true), 1);
    EXPECT_EQ(DivisionCountFor(42, false), 4);
    EXPECT_EQ(DivisionCountFor(32, false), 3);
    EXPECT_EQ(DivisionCountFor(31, false), 2);
    EXPECT_EQ(DivisionCountFor(25, false), 2);
}

TEST(DrawsLeague, BrazilGetsFourDivisionsAndArgentinaTwo)
{
    RandSeed = 1234;
    ResetWorld();
    BuildLeagues();

    ASSERT_EQ(Leagues.size(), 2u);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
    EXPECT_EQ(Leagues[1].divisionCount, 2);
    // Files not playable, of an old format or without a name stay out.
    EXPECT_EQ(Game.LeagueClubCount, kBrazilClubs + kArgentineClubs);
    EXPECT_EQ(static_cast<int>(Clubs.size()), Game.LeagueClubCount);
    EXPECT_EQ(ClubFileNames.size(), Clubs.size());
    EXPECT_EQ(ClubFileNames[0], "br0.tcf");
    EXPECT_EQ(Clubs[0].name.str(), "Brasil 0");
    EXPECT_EQ(Clubs[0].State, BrazilianState(0));

    const std::map<int, int> divisionOf = ListedDivisions();
    EXPECT_EQ(divisionOf.size(), 80u + 40u);
    int regional = 0;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club) {
        const auto listed = divisionOf.find(club);
        EXPECT_EQ(Clubs[club].Division, listed == divisionOf.end() ? 0 : listed->second);
        regional += Clubs[club].Division == 0;
    }
    EXPECT_EQ(regional, 30 + 5);
}

TEST(DrawsLeague, DivisionsAreDealtByLevel)
{
    RandSeed = 99;
    ResetWorld();
    BuildLeagues();
    for (const TLeague& league : Leagues) {
        int previous = 99;
        for (int d = 0; d < league.divisionCount; ++d) {
            for (int s = 0; s < 20; ++s) {
                const int club = league.divisions[d][s];
                ASSERT_GE(club, 0);
                EXPECT_LE(Clubs[club].Level, previous);
                previous = Clubs[club].Level;
                EXPECT_EQ(league.finalOrder[d][s], club);
            }
        }
        // No regional club is above the last club of the lowest division.
        for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
            if (Clubs[club].Country == league.country && Clubs[club].Division == 0) {
                EXPECT_LE(Clubs[club].Level, previous);
            }
    }
}

TEST(DrawsLeague, DivisionsOfTenLeaveEmptyPlacesEmpty)
{
    RandSeed = 5;
    ResetWorld(1, 4);
    for (int i = 0; i < 25; ++i)
        Catalogue(MakeHeader(kArgentina, 1 + i % 25, 0, "Clube " + std::to_string(i)), "c.tcf");
    AddCountryClubs(AddLeague(kArgentina), kArgentina);
    EXPECT_EQ(Leagues[0].divisionCount, 2);
    for (int s = 0; s < 10; ++s) {
        EXPECT_GE(Leagues[0].divisions[0][s], 0);
        EXPECT_GE(Leagues[0].divisions[1][s], 0);
    }
    for (int s = 10; s < 20; ++s)
        EXPECT_EQ(Leagues[0].divisions[0][s], -1);
    for (int d = 2; d < 4; ++d)
        for (int s = 0; s < 20; ++s)
            EXPECT_EQ(Leagues[0].divisions[d][s], -1);
}

TEST(DrawsLeague, TheSameSeedDealsTheSameLeagues)
{
    RandSeed = 777;
    ResetWorld();
    BuildLeagues();
    const std::string first = DrawSnapshot();
    RandSeed = 777;
    ResetWorld();
    BuildLeagues();
    EXPECT_EQ(DrawSnapshot(), first);
    RandSeed = 778;
    ResetWorld();
    BuildLeagues();
    EXPECT_NE(DrawSnapshot(), first);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

using namespace drawtest;

// A club file as the editor saves it: one goalkeeper and eleven outfield players.
ClubFile MakeClubFile(int country, int level, const std::string& name)
{
    ClubFile file{};
    file.header = MakeHeader(country, level, 25, name);
    for (int p = 0; p < 12; ++p) {
        file.squad.names[p].set("Jogador " + std::to_string(p));
        file.squad.position[p] = p == 0 ? 0 : 3;
    }
    StampClubFileForSave(file);
    return file;
}

TEST(DrawsLeague, ClubFilesOfAFolderFillTheCatalogue)
{
    const testdb::GameFolder scratch;  // a folder of this test's own, removed at the end
    const std::filesystem::path folder = scratch.path();
    ASSERT_EQ(WriteClubFile((folder / "Alfa.TCF").string(), MakeClubFile(kBrazil, 20, "Alfa")), DatabaseFileError::None);
    ASSERT_EQ(WriteClubFile((folder / "beta.tcf").string(), MakeClubFile(kBrazil, 10, "Beta")), DatabaseFileError::None);
    ClubFile empty = MakeClubFile(kBrazil, 25, "Vazio");
    for (auto& name : empty.squad.names)
        name.clear();
    StampClubFileForSave(empty);  // no players: not playable
    ASSERT_EQ(WriteClubFile((folder / "vazio.tcf").string(), empty), DatabaseFileError::None);
    std::ofstream(folder / "curto.tcf") << "x";  // too short: refused
    std::ofstream(folder / "leia.txt") << "not a club file";

    RandSeed = 8;
    ResetWorld();
    ListClubFilesForNewGame(folder.string());
    ASSERT_EQ(CustomChampionshipFiles, (std::vector<std::string>{"Alfa.TCF", "beta.tcf", "vazio.tcf"}));
    EXPECT_EQ(CustomChampionshipClubs[1].fileName.str(), "beta.tcf");

    AddCountryClubs(AddLeague(kBrazil), kBrazil);
    ASSERT_EQ(Clubs.size(), 2u);
    EXPECT_EQ(ClubFileNames, (std::vector<std::string>{"Alfa.TCF", "beta.tcf"}));
    EXPECT_EQ(Leagues[0].divisions[0][0], 0);  // Alfa, the higher level, heads the only division
    EXPECT_EQ(Leagues[0].divisions[0][1], 1);
}

}  // namespace
}  // namespace tarvelon
