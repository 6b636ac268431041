#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "core/basics/str_to_int.h"
#include "core/settings/color_text.h"
#include "core/settings/game_options.h"
#include "core/settings/settings.h"
#include "core/settings/settings_file.h"
#include "tests/support/failing_stream.h"
#include "tests/support/full_disk.h"
#include "tests/core/recorded_file_calls.h"

using namespace tarvelon;
namespace fs = std::filesystem;

namespace {

// A fresh program folder per test, removed afterwards.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        folder_ = fs::temp_directory_path() /
                  ("tarvelon-settings-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::create_directories(folder_);
        SetProgramFolder(folder_);
    }
    void TearDown() override
    {
        SetProgramFolder({});
        fs::remove_all(folder_);
    }

    fs::path ini() const { return folder_ / "tarvelon.ini"; }

    void WriteIni(const std::string& text) const
    {
        std::ofstream(ini(), std::ios::binary) << text;
    }

    std::string IniText() const
    {
        std::ifstream in(ini(), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path folder_;
};

}  // namespace

TEST(StrToInt, ReadsDecimalAndHexadecimalNumbers)
{
    EXPECT_EQ(TryStrToInt("0"), 0);
    EXPECT_EQ(TryStrToInt("4"), 4);
    EXPECT_EQ(TryStrToInt("-17"), -17);
    EXPECT_EQ(TryStrToInt("+8"), 8);
    EXPECT_EQ(TryStrToInt("  12"), 12);
    EXPECT_EQ(TryStrToInt("$00499494"), 0x499494);
    EXPECT_EQ(TryStrToInt("0x1F"), 31);
    EXPECT_EQ(TryStrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(TryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(TryStrToInt("-2147483648"), INT32_MIN);
}

TEST(StrToInt, RejectsEverythingElse)
{
    for (const char* bad : {"", " ", "nofound", "12 ", "1.5", "1e3", "--1", "$", "0x", "2147483648",
                            "-2147483649", "$100000000", "4a", "$G"})
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << '"' << bad << '"';
}

TEST(ColorText, NamesHexadecimalAndBackAgain)
{
    EXPECT_EQ(ColorToText(RgbColor(148, 148, 73)), "$00499494");
    EXPECT_EQ(ColorToText(RgbColor(255, 0, 0)), "clRed");
    EXPECT_EQ(ColorToText(0xC0DCC0), "clMoneyGreen");
    EXPECT_EQ(TextToColor("clRed"), 255);
    EXPECT_EQ(TextToColor("CLBLUE"), 0xFF0000);
    EXPECT_EQ(TextToColor("$00BCDEDE"), 0xBCDEDE);
    EXPECT_EQ(TextToColor("255"), 255);
    EXPECT_FALSE(TextToColor("clPink").has_value());
    EXPECT_FALSE(TextToColor("nofound").has_value());
    for (TColor c : {0, 0x123456, 0xFFFFFF, 0x808080, 0xA4A0A0, 0x010203})
        EXPECT_EQ(TextToColor(ColorToText(c)), c) << c;
}

TEST_F(ProgramFolderTest, TheFileLiesInTheProgramFolder)
{
    EXPECT_EQ(SettingsFilePath(), folder_ / "tarvelon.ini");
    WriteSetting("opcoes", "opsom", "1");
    EXPECT_TRUE(fs::exists(folder_ / "tarvelon.ini"));
}

TEST_F(ProgramFolderTest, MissingFileSectionOrKeyReadsNofound)
{
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
    WriteIni("[outra]\nopsom=1\n");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
    WriteIni("[opcoes]\nopsalvar=2\n");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
}

TEST_F(ProgramFolderTest, NamesAreFoundWithoutRegardToCase)
{
    WriteIni("; a note\r\n[OPCOES]\r\n  OpSom = 0 \r\nopnegrito=\"1\"\r\nvazio=\r\n");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
    EXPECT_EQ(ReadSetting("Opcoes", "OPSOM"), "0");
    EXPECT_EQ(ReadSetting("opcoes", "opnegrito"), "1");
    EXPECT_EQ(ReadSetting("opcoes", "vazio"), "");
}

TEST_F(ProgramFolderTest, FirstSectionAndFirstKeyOfANameCount)
{
    WriteIni("[opcoes]\nopsom=0\nopsom=1\n[opcoes]\nopsom=2\nopcontrato=1\n");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
    EXPECT_EQ(ReadSetting("opcoes", "opcontrato"), "nofound");
}

TEST_F(ProgramFolderTest, WritingCreatesTheFileAndTheSection)
{
    WriteSetting("opcoes", "opvelocidade", "3");
    EXPECT_EQ(IniText(), "[opcoes]\nopvelocidade=3\n");
    WriteSetting("opcoes", "opsom", "0");
    WriteSetting("outra", "chave", "Olá");
    EXPECT_EQ(IniText(), "[opcoes]\nopvelocidade=3\nopsom=0\n[outra]\nchave=Olá\n");
    EXPECT_EQ(ReadSetting("outra", "chave"), "Olá");
}

TEST_F(ProgramFolderTest, WritingOneKeyKeepsEveryOtherLine)
{
    WriteIni("\xEF\xBB\xBF; minhas opções\r\n[Opcoes]\r\nOpSom=1\r\nopsalvar=2\r\n\r\n[janela]\r\nx=10\r\n");
    WriteSetting("opcoes", "opsom", "0");
    WriteSetting("opcoes", "opemails", "3");
    WriteSetting("janela", "y", "20");
    EXPECT_EQ(IniText(),
              "\xEF\xBB\xBF; minhas opções\r\n[Opcoes]\r\nOpSom=0\r\nopsalvar=2\r\nopemails=3\r\n\r\n"
              "[janela]\r\nx=10\r\ny=20\r\n");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
    EXPECT_EQ(ReadSetting("opcoes", "opsalvar"), "2");
    EXPECT_FALSE(fs::exists(folder_ / "tarvelon.ini.tmp"));
}

TEST_F(ProgramFolderTest, AFailedWriteLeavesTheOldFileWhole)
{
    const std::string old = "[opcoes]\nopsom=1\nopvelocidade=2\n";
    WriteIni(old);
    {
        const testsupport::FullDisk full(10);  // the new file cannot be written whole
        EXPECT_THROW(WriteSetting("opcoes", "opsom", "0"), std::runtime_error);
    }
    EXPECT_EQ(IniText(), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);  // no temporary file

    SetProgramFolder(folder_ / "nao-existe");
    EXPECT_THROW(WriteSetting("opcoes", "opsom", "0"), std::runtime_error);
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
}

// A changed option outlasts a stop of the machine: the new file reaches the disk before its rename,
// and the folder after it.
TEST_F(ProgramFolderTest, AWriteIsFlushedBeforeItsRenameAndItsFolderAfter)
{
    WriteIni("[opcoes]\nopsom=1\n");
    const testsupport::RecordedFileCalls calls;
    WriteSetting("opcoes", "opsom", "0");
    EXPECT_EQ(calls.log(), (std::vector<std::string>{"open temporary", "fchmod temporary", "write temporary",
                                                     "fsync temporary", "close temporary",
                                                     "rename temporary tarvelon.ini", "open folder",
                                                     "fsync folder", "close folder"}));
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
}

// A file just under the size the reader takes: a change that would carry it past the limit fails
// and keeps the old file, so every option set stays set and later changes still work.
TEST_F(ProgramFolderTest, AWriteThatWouldPassTheSizeLimitFailsAndKeepsTheFile)
{
    const std::string head = "[opcoes]\nopsom=1\n[notas]\n";
    const std::string filler = "x=" + std::string((std::size_t{1} << 20) - head.size() - 3 - 10, 'a') + "\n";
    WriteIni(head + filler);
    const std::string old = IniText();
    ASSERT_LE(old.size(), std::size_t{1} << 20);
    EXPECT_THROW(WriteSetting("opcoes", "opvelocidade", "20 caracteres aqui!"), std::runtime_error);
    EXPECT_EQ(IniText(), old);
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "1");
    WriteSetting("opcoes", "opsom", "0");
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "0");
}

TEST_F(ProgramFolderTest, AReadErrorPartWayRefusesTheNextWrite)
{
    // 1,005 lines of which a failing disk gives the first 188 before its error.
    std::string old = "[opcoes]\n";
    for (int i = 1; i < 1005; ++i)
        old += "chave" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    WriteIni(old);
    std::size_t failAt = 0;
    for (int line = 0; line < 188; ++line)
        failAt = old.find('\n', failAt) + 1;
    const SettingsFile file(ini(), [&](const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream whole;
        whole << in.rdbuf();
        return std::make_unique<tarvelon::testing::FailingStream>(whole.str(), failAt);
    });
    EXPECT_THROW(file.WriteString("opcoes", "opsom", "0"), std::runtime_error);
    EXPECT_EQ(IniText(), old);
    EXPECT_EQ(file.ReadString("opcoes", "chave1", "nofound"), "nofound");  // what was read is not the file
    EXPECT_EQ(SettingsFile(ini()).ReadString("opcoes", "chave1004", "nofound"), "1004");
}

// A settings file far larger than any the game writes, a FIFO and a device in its place: read at
// once as no file (every key its fallback), without reading them into memory or waiting on them,
// and never replaced by a write.
TEST_F(ProgramFolderTest, HugeFilesFifosAndDevicesReadAsNoFile)
{
    WriteIni("[opcoes]\nopsom=0\n");
    fs::resize_file(ini(), std::uintmax_t{200} << 20);
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
    EXPECT_THROW(WriteSetting("opcoes", "opsom", "1"), std::runtime_error);
    EXPECT_EQ(fs::file_size(ini()), std::uintmax_t{200} << 20);

    fs::remove(ini());
    ASSERT_EQ(::mkfifo(ini().c_str(), 0600), 0);
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
    EXPECT_THROW(WriteSetting("opcoes", "opsom", "1"), std::runtime_error);
    EXPECT_TRUE(fs::is_fifo(ini()));

    fs::remove(ini());
    fs::create_symlink("/dev/zero", ini());
    EXPECT_EQ(ReadSetting("opcoes", "opsom"), "nofound");
}

TEST_F(ProgramFolderTest, TheFileClassReadsWithAnyFallback)
{
    SettingsFile file(folder_ / "outro.ini");
    EXPECT_EQ(file.ReadString("a", "b", "padrão"), "padrão");
    file.WriteString("a", "b", "valor");
    EXPECT_EQ(file.ReadString("A", "B", "padrão"), "valor");
}

TEST_F(ProgramFolderTest, NoSettingsFileGivesEveryFallback)
{
    const GameOptions o = ReadGameOptions();
    EXPECT_EQ(o.tickWithHumanMatch, 800);
    EXPECT_EQ(o.tickWithoutHumanMatch, 600);
    EXPECT_EQ(o.halfTimeSubstitutions, 1);
    EXPECT_EQ(o.watchOtherShootouts, 0);
    EXPECT_EQ(o.showCoachChanges, 0);
    EXPECT_EQ(o.sound, 1);
    EXPECT_EQ(o.automaticContractExtension, 0);
    EXPECT_EQ(o.colouredPlayerLists, 0);
    EXPECT_EQ(o.boldHomeEvents, 0);
    EXPECT_EQ(o.keepLineup, 0);
    EXPECT_EQ(o.autosave, 0);
    EXPECT_EQ(o.contractNotices, 0);
    EXPECT_EQ(o.continentalMatchDisplay, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    // The list colours are the five shades of the positions, from the darkest to the lightest.
    EXPECT_EQ(o.listColors, (std::array<TColor, 5>{0x499494, 0x64B3B3, 0x81C0C0, 0xA3D1D1, 0xBCDEDE}));
}

TEST_F(ProgramFolderTest, SpeedRowsMapToTicks)
{
    const int withHuman[] = {4000, 2500, 1500, 800, 600, 100, 600, 600};
    const int withoutHuman[] = {4000, 2500, 1500, 800, 600, 100, 10, 600};
    for (int row = 0; row < 8; ++row) {
        WriteSetting("opcoes", "opvelocidade", std::to_string(row));
        WriteSetting("opcoes", "opnhvelocidade", std::to_string(row));
        const GameOptions o = ReadGameOptions();
        EXPECT_EQ(o.tickWithHumanMatch, withHuman[row]) << row;
        EXPECT_EQ(o.tickWithoutHumanMatch, withoutHuman[row]) << row;
    }
    WriteSetting("opcoes", "opvelocidade", "-1");
    EXPECT_EQ(ReadGameOptions().tickWithHumanMatch, 600);
    WriteSetting("opcoes", "opvelocidade", "rápido");
    WriteSetting("opcoes", "opnhvelocidade", "");
    EXPECT_EQ(ReadGameOptions().tickWithHumanMatch, 800);
    EXPECT_EQ(ReadGameOptions().tickWithoutHumanMatch, 600);
}

TEST_F(ProgramFolderTest, SwitchesReadZeroOrOneAsEachKeySays)
{
    // "2" is on for the keys that are off only at 0, and off for those that are on only at 1.
    for (const char* key : {"opintervalo", "op_verpenalty", "opvertrocatecnicos", "opsom", "opcontrato",
                            "opcornalista", "opnegrito", "opescalacao"})
        WriteSetting("opcoes", key, "2");
    GameOptions o = ReadGameOptions();
    EXPECT_EQ(o.halfTimeSubstitutions, 1);
    EXPECT_EQ(o.watchOtherShootouts, 0);
    EXPECT_EQ(o.showCoachChanges, 1);
    EXPECT_EQ(o.sound, 1);
    EXPECT_EQ(o.automaticContractExtension, 1);
    EXPECT_EQ(o.colouredPlayerLists, 0);
    EXPECT_EQ(o.boldHomeEvents, 0);
    EXPECT_EQ(o.keepLineup, 1);

    for (const char* key : {"opintervalo", "opsom"})
        WriteSetting("opcoes", key, "0");
    for (const char* key : {"op_verpenalty", "opcornalista", "opnegrito"})
        WriteSetting("opcoes", key, "1");
    o = ReadGameOptions();
    EXPECT_EQ(o.halfTimeSubstitutions, 0);
    EXPECT_EQ(o.sound, 0);
    EXPECT_EQ(o.watchOtherShootouts, 1);
    EXPECT_EQ(o.colouredPlayerLists, 1);
    EXPECT_EQ(o.boldHomeEvents, 1);
}

TEST_F(ProgramFolderTest, NumbersAutosaveClampAndOneBadKeyAlone)
{
    WriteIni("[opcoes]\nopsalvar=5\nopemails=2\nopver41=1\nopver42=x\nopver61=0\nopver62=2\nopsom=?\n");
    GameOptions o = ReadGameOptions();
    EXPECT_EQ(o.autosave, 0);
    EXPECT_EQ(o.contractNotices, 2);
    EXPECT_EQ(o.continentalMatchDisplay, (std::array<std::int32_t, 4>{1, 0, 0, 2}));
    EXPECT_EQ(o.sound, 1);
    WriteSetting("opcoes", "opsalvar", "3");
    EXPECT_EQ(ReadGameOptions().autosave, 3);
}

TEST_F(ProgramFolderTest, ListColoursAreReadTogether)
{
    for (int k = 0; k < 5; ++k)
        WriteSetting("opcoes", "cor" + std::to_string(k), ColorToText(DefaultListColors[k]));
    EXPECT_EQ(IniText().find("cor0=$00499494"), 9u);
    EXPECT_EQ(ReadGameOptions().listColors, DefaultListColors);
    EXPECT_EQ(DefaultListColors[4], 0xBCDEDE);

    WriteSetting("opcoes", "cor2", "clBlue");
    EXPECT_EQ(ReadGameOptions().listColors[2], 0xFF0000);

    WriteSetting("opcoes", "cor4", "azul");  // the last one fails: all five fall back to their shades
    EXPECT_EQ(ReadGameOptions().listColors, DefaultListColors);
}
