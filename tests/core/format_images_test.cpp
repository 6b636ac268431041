#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/format/images.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {
namespace {

namespace fs = std::filesystem;

// A game folder of its own in the temporary directory, entered for the test and left afterwards.
class GameFolder : public testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        folder_ = fs::temp_directory_path() / ("tarvelon_images_" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "teams" / "escudos");
        fs::create_directories(folder_ / "teams" / "selecoes");
        fs::create_directories(folder_ / "teams" / "miniescudos");
        fs::current_path(folder_);
        ResetGameState();
        ResetGameTables();
        Game.LeagueClubCount = 3;
        Game.ExtraClubCount = 1;
        Clubs.resize(6);
        const char* crests[] = {"tarvela", "Serrano", "baiuca", "portela", "brasil", "nada"};
        for (std::size_t i = 0; i < Clubs.size(); ++i) Clubs[i].crestName.set(crests[i]);
    }

    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    static void Touch(const fs::path& file) { std::ofstream(file) << "x"; }

    fs::path previous_;
    fs::path folder_;
};

TEST_F(GameFolder, CrestsInTheirOrderOfExtensions)
{
    Touch("teams/escudos/tarvela.bmp");
    Touch("teams/escudos/tarvela.png");
    Touch("teams/escudos/SERRANO.Gif");   // the database ignores case
    Touch("teams/escudos/portela.gif");    // club 3 is an extra club: still a club crest
    Touch("teams/selecoes/brasil.bmp");  // club 4 is a national team's entry
    Touch("teams/escudos/brasil.png");
    EXPECT_EQ(CrestPath(0), "teams/escudos/tarvela.png");
    EXPECT_EQ(CrestPath(1), "teams/escudos/SERRANO.Gif");
    EXPECT_EQ(CrestPath(2), "");
    EXPECT_EQ(CrestPath(3), "teams/escudos/portela.gif");
    EXPECT_EQ(CrestPath(4), "teams/selecoes/brasil.bmp");
    EXPECT_EQ(CrestPath(5), "");
    EXPECT_EQ(CrestPath(6), "");
    EXPECT_EQ(CrestPath(-1), "");
}

TEST_F(GameFolder, MiniCrests)
{
    Touch("teams/miniescudos/Mini_Baiuca.BMP");
    Touch("teams/miniescudos/mini_tarvela.png");
    EXPECT_EQ(MiniCrestPath(2), "teams/miniescudos/Mini_Baiuca.BMP");
    EXPECT_EQ(MiniCrestPath(0), "");
    EXPECT_EQ(MiniCrestPath(9), "");
}

// A crest name from a saved game or a club file is a picture's name, not a path: one that leads out
// of the crest folders (up, or from the root) shows no picture, though the file exists there.
TEST_F(GameFolder, CrestNamesThatAreNotPlainNamesShowNoPicture)
{
    fs::create_directories("fora/escudos");
    Touch("fora/evil.png");
    Touch("fora/escudos/mini_x.bmp");
    Touch("teams/escudos/tarvela.png");
    const std::string outside = (folder_ / "fora" / "evil").string();
    for (const std::string& crest : {std::string("../../fora/evil"), outside, std::string("..\\..\\fora\\evil"),
                                     std::string("tarvela\0", 8)}) {
        Clubs[0].crestName.set(crest);
        EXPECT_EQ(CrestPath(0), "") << crest;
    }
    Clubs[2].crestName.set("../../../fora/escudos/x");
    EXPECT_EQ(MiniCrestPath(2), "");
    Clubs[0].crestName.set("tarvela");
    EXPECT_EQ(CrestPath(0), "teams/escudos/tarvela.png");
}

TEST(StatusImage, IndexPerStyle)
{
    ResetGameTables();
    Players.resize(3);
    Players[2].ShirtNumber = 7;
    EXPECT_EQ(FormatStatusImageIndex(2, 0), "65");
    EXPECT_EQ(FormatStatusImageIndex(2, 1), "7");
    EXPECT_EQ(FormatStatusImageIndex(2, 2), "36");
    EXPECT_EQ(FormatStatusImageIndex(2, 3), "87");
    EXPECT_EQ(FormatStatusImageIndex(2, 4), "88");
    EXPECT_EQ(FormatStatusImageIndex(2, 5), "");
    EXPECT_EQ(FormatStatusImageIndex(0, 0), "58");  // no player: status 0
}

}  // namespace
}  // namespace tarvelon
