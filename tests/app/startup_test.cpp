// The program's start-up fills core's hooks with the platform's services: the game's sound unit
// reaches the wave device through the multimedia commands, messages reach the platform's message
// box, the screen's size is the screen's.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "app/startup.h"
#include "core/basics/random.h"
#include "core/draws/draw_services.h"
#include "core/hooks.h"
#include "core/progression/progression_services.h"
#include "core/records/game_state.h"
#include "core/sound/sound.h"
#include "platform/audio/mci_player.h"
#include "platform/forms/application.h"
#include "platform/forms/class_registry.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/file_search.h"
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
    const TProgramServices services = InstallPlatformHooks(std::make_unique<RecordingDevice>(&calls, true));
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
    const TProgramServices services = InstallPlatformHooks(std::make_unique<RecordingDevice>(&calls, false));
    OpenGameSounds();
    Game.SoundOption = 1;
    PlaySound("gol");
    EXPECT_TRUE(calls.empty());
}

TEST_F(StartupTest, MessagesAndTheScreenComeFromThePlatform)
{
    std::vector<std::string> calls;
    const TProgramServices services = InstallPlatformHooks(std::make_unique<RecordingDevice>(&calls, true));
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

TEST_F(StartupTest, ThePlatformsFileChecksIgnoreTheCaseOfNamesAsTheDatabaseDoes)
{
    QTemporaryDir folder;
    const std::string path = folder.path().toStdString() + "/Teams";
    std::filesystem::create_directory(path);
    std::ofstream(path + "/Flamengo.TCF") << "x";
    std::vector<std::string> calls;
    const TProgramServices services = InstallPlatformHooks(std::make_unique<RecordingDevice>(&calls, true));
    const std::string asked = folder.path().toStdString() + "/teams/flamengo.tcf";
    EXPECT_TRUE(FileExists(asked));
    EXPECT_TRUE(DeleteFile(asked));
    EXPECT_FALSE(std::filesystem::exists(path + "/Flamengo.TCF"));
    EXPECT_FALSE(FileExists(asked));
}

// Each hook of core, by name, and whether it is filled.
std::vector<std::pair<std::string, bool>> FilledHooks(const CoreHooks& h)
{
    return {{"highResolutionClock", bool(h.highResolutionClock)},
            {"sendSoundCommand", bool(h.sendSoundCommand)},
            {"soundErrorText", bool(h.soundErrorText)},
            {"showMessage", bool(h.showMessage)},
            {"screenWidth", bool(h.screenWidth)},
            {"screenHeight", bool(h.screenHeight)},
            {"penaltyDialog", bool(h.penaltyDialog)},
            {"injurySubstitutionDialog", bool(h.injurySubstitutionDialog)},
            {"showCoachDismissal", bool(h.showCoachDismissal)},
            {"showCoachChange", bool(h.showCoachChange)},
            {"showJobOffers", bool(h.showJobOffers)},
            {"askSaveName", bool(h.askSaveName)},
            {"shootoutDialog", bool(h.shootoutDialog)},
            {"showNationalCallUp", bool(h.showNationalCallUp)},
            {"showStateChampions", bool(h.showStateChampions)}};
}

TEST_F(StartupTest, TheOneStartUpFillsEveryHookRegistersThePacksAndInstallsTheRules)
{
    Hooks() = CoreHooks{};
    std::vector<std::string> calls;
    ProgramStart start;
    start.soundDevice = std::make_unique<RecordingDevice>(&calls, true);
    start.programFolder = dir.path().toStdString();
    const TProgramServices services = StartProgram(std::move(start));
    for (const auto& [name, filled] : FilledHooks(Hooks()))
        EXPECT_TRUE(filled) << name;
    for (const char* cls : {"TRichLabel", "THTMLCheckBox", "TPictureContainer", "TGradButton", "TDcGlowButton", "TDataGrid"})
        EXPECT_TRUE(IsClassRegistered(cls)) << cls;
    EXPECT_TRUE(Progression().playShootout && Progression().closeStateGroups && Progression().prepareTournamentSquads);
    EXPECT_TRUE(Draws().findChampion && Draws().hireCoach);
    // The platform answers over the automatic ones; the questions keep the rules' answers.
    std::string shown;
    SetMessageBoxAnswerer([&](const TMessageBoxRequest& request) {
        shown = request.text;
        return mrOk;
    });
    Hooks().showMessage("Selecione pelo menos uma liga");
    EXPECT_EQ(shown, "Selecione pelo menos uma liga");
    EXPECT_EQ(Hooks().screenWidth(), Screen->Width());
    EXPECT_EQ(Hooks().askSaveName(), "");
    EXPECT_EQ(Hooks().penaltyDialog(1, 2, true).outcome, kPenaltyLeftToEngine);
    EXPECT_EQ(Hooks().injurySubstitutionDialog(1, 2, 3), kInjuryLeftToEngine);
}

TEST_F(StartupTest, ASeedMakesTheStartRepeatable)
{
    const auto startWithSeed = [this](std::uint64_t seed) {
        ProgramStart start;
        start.seed = seed;
        start.programFolder = dir.path().toStdString();
        const TProgramServices services = StartProgram(std::move(start));
        const std::uint64_t first = Hooks().highResolutionClock();
        const std::uint64_t second = Hooks().highResolutionClock();
        EXPECT_LT(first, second);
        return std::vector<std::uint64_t>{RandSeed, first, second, static_cast<std::uint64_t>(Random(1000))};
    };
    const auto once = startWithSeed(77);
    EXPECT_EQ(startWithSeed(77), once);
    EXPECT_NE(startWithSeed(78), once);
}

}  // namespace
}  // namespace tarvelon
