// The program's start-up fills core's hooks with the platform's services: the game's sound unit
// reaches the wave device through the multimedia commands, messages reach the platform's message
// box, the screen's size is the screen's.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "core/hooks.h"
#include "core/records/game_state.h"
#include "core/sound/sound.h"
#include "platform/audio/mci_player.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/message_box.h"

namespace tarvelon {
namespace {

struct RecordingDevice : TWaveDevice {
    std::vector<std::string>* log;
    bool available;
    RecordingDevice(std::vector<std::string>* calls, bool hasOutput) : log(calls), available(hasOutput) {}
    bool Available() const override { return available; }
    bool Open(const std::string& alias, const std::string& file) override
    {
        log->push_back("open " + alias + " " + file);
        return true;
    }
    bool Play(const std::string& alias) override
    {
        log->push_back("play " + alias);
        return true;
    }
    void Stop(const std::string& alias) override { log->push_back("stop " + alias); }
    void Close(const std::string& alias) override { log->push_back("close " + alias); }
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = Hooks();
        previousFolder = QDir::currentPath();
        QDir::setCurrent(dir.path());
        std::filesystem::create_directory("sons");
        std::ofstream("sons/Gol1.WAV") << "RIFF";
        std::ofstream("sons/expulsao.wav") << "RIFF";
        StartApplication();
    }
    void TearDown() override
    {
        QDir::setCurrent(previousFolder);
        Hooks() = saved;
        SetMessageBoxAnswerer(nullptr);
    }
    CoreHooks saved;
    QString previousFolder;
    QTemporaryDir dir;
};

TEST_F(StartupTest, TheGamesSoundsReachTheDevice)
{
    std::vector<std::string> calls;
    const TProgramServices services = InstallCoreHooks(std::make_unique<RecordingDevice>(&calls, true));
    OpenGameSounds();
    Game.SoundOption = 1;
    PlaySound("gol");
    PlaySound("penalty");  // its file is missing: skipped
    EXPECT_EQ(calls, (std::vector<std::string>{"open gol sons/Gol1.WAV", "open expulsao sons/expulsao.wav", "play gol"}));
    EXPECT_EQ(GetMciErrorText(MCIERR_FILE_NOT_FOUND), "O arquivo de som não foi encontrado.");
    EXPECT_EQ(Application->Title, "Tarvelon");
}

TEST_F(StartupTest, WithoutASoundOutputTheGameGoesOnSilently)
{
    std::vector<std::string> calls;
    const TProgramServices services = InstallCoreHooks(std::make_unique<RecordingDevice>(&calls, false));
    OpenGameSounds();
    Game.SoundOption = 1;
    PlaySound("gol");
    EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, MessagesAndTheScreenComeFromThePlatform)
{
    std::vector<std::string> calls;
    const TProgramServices services = InstallCoreHooks(std::make_unique<RecordingDevice>(&calls, true));
    std::string shown;
    SetMessageBoxAnswerer([&](const TMessageBoxRequest& request) {
        shown = request.text;
        return mrOk;
    });
    Hooks().showMessage("Erro ao carregar o arquivo");
    EXPECT_EQ(shown, "Erro ao carregar o arquivo");
    EXPECT_EQ(Hooks().screenWidth(), Screen->Width());
    EXPECT_EQ(Hooks().screenHeight(), Screen->Height());
    const std::uint64_t first = Hooks().highResolutionClock();
    const std::uint64_t second = Hooks().highResolutionClock();
    EXPECT_GE(second, first);
}

}  // namespace
}  // namespace tarvelon
