// The fuzz targets in the ordinary suite: each runs over its seed corpus (corpus/<target>/) and over
// every input that ever broke it (failures/<target>/), so a fault that comes back fails here, under
// the suite's sanitizers, without libFuzzer.
#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/fuzz/fuzz_target.h"

namespace tarvelon::fuzz {
namespace {

namespace fs = std::filesystem;

const fs::path kFuzzFolder = TARVELON_FUZZ_FOLDER;

std::string currentInput;

void ReportBrokenPromise(const char* promise)
{
    ADD_FAILURE() << currentInput << ": broken promise: " << promise;
}

std::vector<fs::path> FilesIn(const fs::path& folder)
{
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Runs the target over every file of the folder; returns how many there were.
std::size_t ReplayFolder(TargetFunction target, const fs::path& folder)
{
    SetBrokenPromiseReport(ReportBrokenPromise);
    const std::vector<fs::path> files = FilesIn(folder);
    for (const fs::path& file : files) {
        currentInput = file.string();
        const std::string bytes = FileBytes(file);
        target(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    SetBrokenPromiseReport(nullptr);
    return files.size();
}

TargetFunction FindTarget(const std::string& name)
{
    for (const Target& target : Targets())
        if (target.name == name)
            return target.function;
    return nullptr;
}

void Replay(const std::string& name)
{
    const TargetFunction target = FindTarget(name);
    ASSERT_NE(target, nullptr) << name;
    EXPECT_GT(ReplayFolder(target, kFuzzFolder / "corpus" / name), 0u) << name << " has no seeds";
    ReplayFolder(target, kFuzzFolder / "failures" / name);
}

TEST(FuzzReplay, ClubFile) { Replay("club_file"); }
TEST(FuzzReplay, DatabaseGame) { Replay("database_game"); }
TEST(FuzzReplay, SavedGame) { Replay("saved_game"); }
TEST(FuzzReplay, SavedGamePlay) { Replay("saved_game_play"); }
TEST(FuzzReplay, SettingsFile) { Replay("settings_file"); }
TEST(FuzzReplay, FormDescription) { Replay("form_description"); }
TEST(FuzzReplay, Picture) { Replay("picture"); }
TEST(FuzzReplay, Markup) { Replay("markup"); }
TEST(FuzzReplay, GridCells) { Replay("grid_cells"); }

TEST(FuzzReplay, EveryTargetAndEveryKeptFailureIsReplayed)
{
    EXPECT_EQ(Targets().size(), 9u);  // one replay test above per target
    for (const char* kind : {"corpus", "failures"})
        for (const auto& entry : fs::directory_iterator(kFuzzFolder / kind))
            EXPECT_NE(FindTarget(entry.path().filename().string()), nullptr) << entry.path();
}

TEST(FuzzReplay, AnInputThatBreaksAPromiseFailsTheReplay)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* name : {"bom", "mau"})
        std::ofstream(fs::path(folder.path().toStdString()) / name) << name;
    const TargetFunction refusesMau = [](const std::uint8_t* data, std::size_t size) {
        Expect(std::string_view(reinterpret_cast<const char*>(data), size) != "mau", "no input is bad");
    };
    EXPECT_NONFATAL_FAILURE(ReplayFolder(refusesMau, folder.path().toStdString()), "mau: broken promise: no input is bad");
}

}  // namespace
}  // namespace tarvelon::fuzz
