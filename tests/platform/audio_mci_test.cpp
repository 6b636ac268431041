// The multimedia commands of the game's sounds, carried out on a fake device that records what it
// is asked; errors come back as codes and nothing throws; without a sound output nothing plays.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/audio/mci_player.h"

namespace tarvelon {
namespace {

struct FakeDevice : TWaveDevice {
    bool available = true;
    bool openWorks = true;
    bool playThrows = false;
    std::vector<std::string>* log;
    explicit FakeDevice(std::vector<std::string>* calls) : log(calls) {}
    bool Available() const override { return available; }
    bool Open(const std::string& alias, const std::string& file) override
    {
        log->push_back("open " + alias + " " + std::filesystem::path(file).filename().string());
        return openWorks;
    }
    bool Play(const std::string& alias) override
    {
        if (playThrows)
            throw std::runtime_error("output lost");
        log->push_back("play " + alias);
        return true;
    }
    void Stop(const std::string& alias) override { log->push_back("stop " + alias); }
    void Close(const std::string& alias) override { log->push_back("close " + alias); }
};

// A short, valid wave file (8-bit mono, 100 samples).
std::string WriteWave(const std::filesystem::path& path)
{
    std::ofstream out(path, std::ios::binary);
    const auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + 100);
    out << "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    out << "data";
    u32(100);
    for (int i = 0; i < 100; ++i)
        out.put(static_cast<char>(128 + (i % 10) * 5));
    return path.string();
}

class MciTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto fake = std::make_unique<FakeDevice>(&calls);
        device = fake.get();
        player = std::make_unique<TMciPlayer>(std::move(fake));
        gol = WriteWave(std::filesystem::path(dir.path().toStdString()) / "gol1.wav");
    }
    QTemporaryDir dir;
    std::vector<std::string> calls;
    FakeDevice* device = nullptr;
    std::unique_ptr<TMciPlayer> player;
    std::string gol;
};

TEST_F(MciTest, TheGamesCommandsReachTheDevice)
{
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias gol"), 0u);
    EXPECT_EQ(player->SendCommand("play gol from 0"), 0u);
    EXPECT_EQ(player->SendCommand("PLAY Gol"), 0u);
    EXPECT_EQ(player->SendCommand("stop gol"), 0u);
    EXPECT_EQ(player->SendCommand("close gol"), 0u);
    EXPECT_EQ(calls, (std::vector<std::string>{"open gol gol1.wav", "play gol", "play gol", "stop gol", "close gol"}));
    // Closed: the alias is unknown again.
    EXPECT_EQ(player->SendCommand("play gol from 0"), MCIERR_INVALID_DEVICE_NAME);
}

TEST_F(MciTest, AFileWithSpacesMayBeQuotedOrNot)
{
    const std::string spaced = WriteWave(std::filesystem::path(dir.path().toStdString()) / "fim de jogo.wav");
    EXPECT_EQ(player->SendCommand("open " + spaced + " type waveaudio alias fimjogo"), 0u);
    EXPECT_EQ(player->SendCommand("open \"" + spaced + "\" type waveaudio alias fim2"), 0u);
    EXPECT_EQ(calls, (std::vector<std::string>{"open fimjogo fim de jogo.wav", "open fim2 fim de jogo.wav"}));
    EXPECT_EQ(player->SendCommand("close all"), 0u);
    EXPECT_EQ(player->SendCommand("play fim2"), MCIERR_INVALID_DEVICE_NAME);
}

TEST_F(MciTest, WrongCommandsAnswerTheirCodesWithoutPlaying)
{
    EXPECT_EQ(player->SendCommand("open sons/missing.wav type waveaudio alias gol"), MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(player->SendCommand("play gol from 0"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(player->SendCommand("open " + gol + " type sequencer alias gol"), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias"), MCIERR_UNRECOGNIZED_KEYWORD);
    EXPECT_EQ(player->SendCommand("open"), MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(player->SendCommand("rewind gol"), MCIERR_UNRECOGNIZED_COMMAND);
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias gol"), 0u);
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias GOL"), MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(player->SendCommand("play gol from 7"), MCIERR_UNRECOGNIZED_KEYWORD);
    EXPECT_EQ(player->SendCommand("play"), MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(calls, (std::vector<std::string>{"open gol gol1.wav"}));
    for (std::uint32_t code : std::initializer_list<std::uint32_t>{MCIERR_FILE_NOT_FOUND, MCIERR_INVALID_DEVICE_NAME, MCIERR_UNRECOGNIZED_KEYWORD,
                               MCIERR_MISSING_PARAMETER, MCIERR_UNRECOGNIZED_COMMAND, MCIERR_DUPLICATE_ALIAS,
                               MCIERR_CANNOT_LOAD_DRIVER, MCIERR_INVALID_FILE, 999u}) {
        const std::string text = TMciPlayer::ErrorText(code);
        EXPECT_FALSE(text.empty());
        EXPECT_LE(text.size(), 127u);
    }
    EXPECT_TRUE(TMciPlayer::ErrorText(0).empty());
}

TEST_F(MciTest, ASoundTheDeviceCannotPlayIsSkipped)
{
    device->openWorks = false;
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias gol"), MCIERR_INVALID_FILE);
    EXPECT_EQ(player->SendCommand("play gol from 0"), MCIERR_INVALID_DEVICE_NAME);
    device->openWorks = true;
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias gol"), 0u);
    device->playThrows = true;
    EXPECT_EQ(player->SendCommand("play gol from 0"), MCIERR_INVALID_FILE);
}

TEST_F(MciTest, WithoutASoundOutputNothingIsPlayed)
{
    device->available = false;
    EXPECT_EQ(player->SendCommand("open " + gol + " type waveaudio alias gol"), MCIERR_CANNOT_LOAD_DRIVER);
    EXPECT_EQ(player->SendCommand("play gol from 0"), MCIERR_CANNOT_LOAD_DRIVER);
    EXPECT_TRUE(calls.empty());
    TMciPlayer noDevice(nullptr);
    EXPECT_EQ(noDevice.SendCommand("play gol from 0"), MCIERR_CANNOT_LOAD_DRIVER);
}

TEST_F(MciTest, TheSystemsOutputPlaysOrAnswersAnErrorButNeverStopsTheProgram)
{
    TMciPlayer real(CreateQtWaveDevice());
    const std::uint32_t opened = real.SendCommand("open " + gol + " type waveaudio alias gol");
    EXPECT_TRUE(opened == 0 || opened == MCIERR_CANNOT_LOAD_DRIVER || opened == MCIERR_INVALID_FILE) << opened;
    const std::uint32_t played = real.SendCommand("play gol from 0");
    if (opened == 0)
        EXPECT_TRUE(played == 0 || played == MCIERR_INVALID_FILE) << played;
    else
        EXPECT_NE(played, 0u);
    real.SendCommand("close gol");
}

}  // namespace
}  // namespace tarvelon
