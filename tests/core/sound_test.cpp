#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/hooks.h"
#include "core/records/game_state.h"
#include "core/sound/sound.h"

using namespace tarvelon;
namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t NoSuchAlias = 263;

// A fake sound device: it records every command, knows the aliases opened on it and answers a play
// of an alias it does not know with an error, as the real one does.
class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = Hooks();
        Game.SoundOption = 1;
        Hooks().sendSoundCommand = [this](const std::string& command) -> std::uint32_t {
            commands.push_back(command);
            if (command.rfind("open ", 0) == 0) {
                const std::string file = command.substr(5, command.find(" type ") - 5);
                if (!fs::exists(file) && !openEverything)
                    return 275;  // file not found
                opened.insert(command.substr(command.rfind(' ') + 1));
                return 0;
            }
            const std::string alias = command.substr(5, command.find(" from ") - 5);
            return opened.count(alias) ? 0 : NoSuchAlias;
        };
        Hooks().soundErrorText = [this](std::uint32_t code) {
            errorsLookedUp.push_back(code);
            return std::string("  erro ") + std::to_string(code) + "\r\n";
        };
    }
    void TearDown() override
    {
        Hooks() = saved_;
        Game.SoundOption = 1;
    }

    std::vector<std::string> commands;
    std::set<std::string> opened;
    std::vector<std::uint32_t> errorsLookedUp;
    bool openEverything = true;

private:
    CoreHooks saved_;
};

// Runs a test body inside a fresh working folder holding the given sound files.
class GameFolder {
public:
    explicit GameFolder(const std::vector<std::string>& files)
        : previous_(fs::current_path()),
          folder_(fs::temp_directory_path() / ("tarvelon-sound-" + std::to_string(::getpid())))
    {
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        for (const std::string& file : files) {
            fs::create_directories((folder_ / file).parent_path());
            std::ofstream(folder_ / file) << "RIFF";
        }
        fs::current_path(folder_);
    }
    ~GameFolder()
    {
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

private:
    fs::path previous_;
    fs::path folder_;
};

const std::vector<std::string> SevenFiles = {"sons/gol1.wav",     "sons/goladv.wav",   "sons/fimjogo.wav",
                                             "sons/penalty.wav",  "sons/contusao.wav", "sons/intervalo.wav",
                                             "sons/expulsao.wav"};

}  // namespace

TEST_F(SoundTest, OpensAndPlaysWithTheExactCommands)
{
    OpenSound("sons/gol1.wav", "gol");
    PlaySound("gol");
    PlaySound("gol");  // again from the start, while it may still be playing
    EXPECT_EQ(commands, (std::vector<std::string>{"open sons/gol1.wav type waveaudio alias gol",
                                                  "play gol from 0", "play gol from 0"}));
    EXPECT_TRUE(errorsLookedUp.empty());
}

TEST_F(SoundTest, StartUpOpensTheSevenSoundsInOrder)
{
    GameFolder folder(SevenFiles);
    OpenGameSounds();
    EXPECT_EQ(commands, (std::vector<std::string>{
                            "open sons/gol1.wav type waveaudio alias gol",
                            "open sons/goladv.wav type waveaudio alias goladv",
                            "open sons/fimjogo.wav type waveaudio alias fimjogo",
                            "open sons/penalty.wav type waveaudio alias penalty",
                            "open sons/contusao.wav type waveaudio alias contusao",
                            "open sons/intervalo.wav type waveaudio alias intervalo",
                            "open sons/expulsao.wav type waveaudio alias expulsao",
                        }));
}

TEST_F(SoundTest, AMissingFileLeavesTheOtherSixWorking)
{
    std::vector<std::string> six = SevenFiles;
    six.erase(six.begin() + 3);  // no penalty.wav
    GameFolder folder(six);
    openEverything = false;
    OpenGameSounds();
    EXPECT_EQ(commands.size(), 6u);
    for (const GameSound& sound : GameSounds)
        PlaySound(sound.alias);
    // The penalty's play fails; its error is looked up and dropped, the rest play.
    EXPECT_EQ(errorsLookedUp, (std::vector<std::uint32_t>{NoSuchAlias}));
    EXPECT_EQ(commands.back(), "play expulsao from 0");
    EXPECT_EQ(opened.size(), 6u);
}

TEST_F(SoundTest, AFileOpenedDirectlyThatIsMissingIsSkippedSilently)
{
    GameFolder folder({});
    openEverything = false;
    OpenSound("sons/penalty.wav", "penalty");
    PlaySound("penalty");
    EXPECT_EQ(errorsLookedUp, (std::vector<std::uint32_t>{275, NoSuchAlias}));
}

TEST_F(SoundTest, SoundFileNamesAreFoundWithoutRegardToCase)
{
    GameFolder folder({"Sons/GOL1.WAV"});
    OpenGameSounds();
    EXPECT_EQ(commands, (std::vector<std::string>{"open Sons/GOL1.WAV type waveaudio alias gol"}));
}

TEST_F(SoundTest, WithTheSoundOptionOffNothingIsSent)
{
    OpenSound("sons/gol1.wav", "gol");
    Game.SoundOption = 0;
    PlaySound("gol");
    PlaySound("fimjogo");
    EXPECT_EQ(commands.size(), 1u);
    Game.SoundOption = 1;
    PlaySound("gol");
    EXPECT_EQ(commands.back(), "play gol from 0");
}

TEST_F(SoundTest, WithoutASoundDeviceNothingHappens)
{
    Hooks().sendSoundCommand = nullptr;
    OpenSound("sons/gol1.wav", "gol");
    PlaySound("gol");
    EXPECT_TRUE(errorsLookedUp.empty());
}

TEST_F(SoundTest, ErrorTextsAreTrimmedAndCutTo127Characters)
{
    EXPECT_EQ(GetMciErrorText(263), "erro 263");
    std::string longText;
    for (int i = 0; i < 130; ++i)
        longText += "é";
    Hooks().soundErrorText = [&longText](std::uint32_t) { return longText; };
    const std::string text = GetMciErrorText(1);
    EXPECT_EQ(text.size(), 127u * 2);
    EXPECT_EQ(text, longText.substr(0, 254));
    Hooks().soundErrorText = nullptr;
    EXPECT_EQ(GetMciErrorText(1), "");
}
