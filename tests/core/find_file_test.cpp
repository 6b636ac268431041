#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "core/basics/find_file.h"

using namespace tarvelon;
namespace fs = std::filesystem;

TEST(FindFile, ExactNamesFirstThenNamesDifferingInCase)
{
    const fs::path root = fs::temp_directory_path() / ("tarvelon-find-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Teams" / "Escudos");
    std::ofstream(root / "Teams" / "Escudos" / "Clube.PNG") << "x";
    std::ofstream(root / "Teams" / "a.tcf") << "x";

    EXPECT_EQ(FindFileIgnoringCase(root / "Teams" / "a.tcf"), root / "Teams" / "a.tcf");
    EXPECT_EQ(FindFileIgnoringCase(root / "teams" / "escudos" / "clube.png"),
              root / "Teams" / "Escudos" / "Clube.PNG");
    EXPECT_EQ(FindFileIgnoringCase(root / "TEAMS"), root / "Teams");
    EXPECT_FALSE(FindFileIgnoringCase(root / "teams" / "b.tcf").has_value());
    EXPECT_FALSE(FindFileIgnoringCase(root / "nada" / "a.tcf").has_value());

    // Relative paths are looked up from the working folder.
    const fs::path previous = fs::current_path();
    fs::current_path(root);
    EXPECT_EQ(FindFileIgnoringCase("teams/escudos/CLUBE.png"), fs::path("Teams/Escudos/Clube.PNG"));
    fs::current_path(previous);
    fs::remove_all(root);
}
