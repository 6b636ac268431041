// Saved games: the file's layout, save / load / save giving the same bytes, the calendar rebuilt on
// load, refused files that change nothing, the save name's rules and the load screen's preview.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <thread>

#include "core/hooks.h"
#include "core/mail/mail_texts.h"
#include "core/persist/file_io.h"
#include "core/records/session_globals.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_ranges.h"
#include "core/progression/brackets.h"
#include "core/records/match_records.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "tests/core/saved_game_bytes.h"
#include "tests/core/saved_game_world.h"
#include "tests/support/full_disk.h"
#include "tests/core/recorded_file_calls.h"

using namespace tarvelon;
using namespace tarvelon::savetest;
using tarvelon::test::FieldOffset;
using tarvelon::test::GameStateOffset;
using tarvelon::test::WithInt32;

namespace {

std::string ReadAll(const std::string& path)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

void WriteAll(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A file of `size` bytes that takes no room on the disk.
void MakeSparseFile(const std::string& path, std::uintmax_t size)
{
    std::ofstream{path};
    std::filesystem::resize_file(path, size);
}

// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::int32_t Int32At(const std::string& bytes, std::size_t offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

class SavedGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildSaveWorld(60, 8, 1234);
        Hooks().showMessage = [this](const std::string& text) { messages.push_back(text); };
        Hooks().askSaveName = [this] { ++asked; return answer; };
    }
    void TearDown() override
    {
        Hooks().showMessage = [](const std::string&) {};
        Hooks().askSaveName = nullptr;
    }

    // The load refuses the save `name` as damaged and changes nothing of the game `before`; its
    // preview shows it as invalid.
    void ExpectRefusedAsDamaged(const std::string& name, const std::string& before)
    {
        messages.clear();
        EXPECT_EQ(LoadGame(name), LoadOutcome::kFailed) << name;
        EXPECT_EQ(messages, std::vector<std::string>{"Este arquivo não é válido ou está corrompido"}) << name;
        EXPECT_EQ(GameSnapshot(), before) << name;
        TGameState preview{};
        EXPECT_EQ(ReadSavePreview(name, preview), PreviewOutcome::kInvalid) << name;
    }

    ScratchFolder folder{"saved-game"};
    std::vector<std::string> messages;
    std::string answer = "partida.nsx";
    int asked = 0;
};

}  // namespace

TEST_F(SavedGameTest, FileLayoutLeadVersionAndTheTicketPriceBlock)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string file = ReadAll("sav/partida.nsx");
    EXPECT_EQ(Int32At(file, 0), 1);
    EXPECT_EQ(Int32At(file, 8), 10);  // version, offset 4 of the game state
    std::size_t at = 4 + 5352;
    EXPECT_EQ(Int32At(file, at), static_cast<std::int32_t>(Players.size()));
    at += 4 + Players.size() * 264;
    EXPECT_EQ(Int32At(file, at), static_cast<std::int32_t>(Clubs.size()));
    at += 4 + Clubs.size() * 664;
    at += 4 + NationalTeams.size() * 48;
    at += 4 + Coaches.size() * 128;
    EXPECT_EQ(Int32At(file, at), 4);  // count field 4 ...
    EXPECT_EQ(std::memcmp(file.data() + at + 4, TicketPrices.data(), 80), 0);  // ... then five rows
    at += 4 + 80;
    EXPECT_EQ(Int32At(file, at), static_cast<std::int32_t>(ClubFinances.size()));
}

TEST_F(SavedGameTest, FixedBlocksAreReadWhateverTheirCountFieldSays)
{
    std::string image = WriteSavedGameImage();
    const std::size_t ticketBlock = 4 + 5352 + 4 * 4 + Players.size() * 264 + Clubs.size() * 664 +
                                    NationalTeams.size() * 48 + Coaches.size() * 128;
    const std::int32_t odd = 99;
    std::memcpy(image.data() + ticketBlock, &odd, 4);
    SavedGameImage loaded;
    ASSERT_EQ(ReadSavedGameImage(image, loaded), SavedGameCheck::kValid);
    EXPECT_EQ(std::memcmp(loaded.ticketPrices.data(), TicketPrices.data(), 80), 0);
}

TEST_F(SavedGameTest, SaveLoadSaveGivesTheSameBytesAndEveryTableBack)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string first = ReadAll("sav/partida.nsx");
    const std::string tables = WriteSavedGameImage();

    BuildSaveWorld(5, 3, 99);  // another game in memory
    ASSERT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
    EXPECT_EQ(WriteSavedGameImage(), tables);
    EXPECT_EQ(Game.saveName.str(), "partida.nsx");

    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(ReadAll("sav/partida.nsx"), first);
    EXPECT_EQ(asked, 1);  // the loaded game kept its name
    EXPECT_TRUE(messages.empty());
}

TEST_F(SavedGameTest, LoadRebuildsTheCalendarAndStartsTheSeasonFlags)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    BuildCalendar();
    const auto expected = Calendar;
    Calendar = {};
    AutosaveCounter = 5;
    SeasonStartPending = 0;
    ASSERT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
    for (int day = 1; day <= kCalendarDays; ++day) {
        EXPECT_EQ(Calendar[day].ordinal, expected[day].ordinal);
        EXPECT_EQ(Calendar[day].date, expected[day].date);
        EXPECT_EQ(Calendar[day].dayKind, expected[day].dayKind);
    }
    EXPECT_EQ(Calendar[1].ordinal, 1);
    EXPECT_EQ(AutosaveCounter, 0);
    EXPECT_TRUE(SeasonStartPending);
}

TEST_F(SavedGameTest, ALoadedGameKeepsNothingOfTheGameItReplaces)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    // The game in memory was left after its last league round, with a matchday's tables and a
    // shoot-out still pending.
    BuildSaveWorld(30, 5, 7);
    SeasonMatchesOver = true;
    PendingShootouts = {3};
    MatchEvents.resize(4);
    Lineups.resize(2);
    ASSERT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
    EXPECT_FALSE(SeasonMatchesOver);
    EXPECT_TRUE(PendingShootouts.empty());
    EXPECT_TRUE(MatchEvents.empty());
    EXPECT_TRUE(Lineups.empty());
}

TEST_F(SavedGameTest, NationalTournamentDayOpensTheNationalTeamHub)
{
    Game.DayKind = 8;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenNationalHub);
    Game.DayKind = 7;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenNationalHub);
    Game.DayKind = 6;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
}

TEST_F(SavedGameTest, RefusedFilesShowTheirMessageAndChangeNothing)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string good = ReadAll("sav/partida.nsx");
    std::string otherVersion = good;
    const std::int32_t nine = 9;
    std::memcpy(otherVersion.data() + 8, &nine, 4);
    WriteAll("sav/versao.nsx", otherVersion);
    WriteAll("sav/curto.nsx", good.substr(0, good.size() - 1));
    WriteAll("sav/cabecalho.nsx", good.substr(0, 100));
    WriteAll("sav/sobra.nsx", good + "x");
    WriteAll("sav/vazio.nsx", "");

    BuildSaveWorld(30, 5, 7);
    BuildCalendar();
    AutosaveCounter = 2;
    const std::string before = GameSnapshot();
    for (const char* name : {"versao.nsx", "curto.nsx", "cabecalho.nsx", "sobra.nsx", "vazio.nsx"}) {
        messages.clear();
        EXPECT_EQ(LoadGame(name), LoadOutcome::kFailed) << name;
        EXPECT_EQ(messages, std::vector<std::string>{"Este arquivo não é válido ou está corrompido"}) << name;
        EXPECT_EQ(GameSnapshot(), before) << name;
    }
    messages.clear();
    std::filesystem::create_directory("sav/pasta.nsx");
    EXPECT_EQ(LoadGame("nao_existe.nsx"), LoadOutcome::kFailed);
    EXPECT_EQ(LoadGame("../sav/partida.nsx"), LoadOutcome::kFailed);
    EXPECT_EQ(LoadGame("pasta.nsx"), LoadOutcome::kFailed);
    EXPECT_EQ(messages, std::vector<std::string>(3, "Erro ao carregar o arquivo"));
    EXPECT_EQ(GameSnapshot(), before);
    EXPECT_EQ(AutosaveCounter, 2);
    EXPECT_EQ(LoadGame(""), LoadOutcome::kNothing);
}

TEST_F(SavedGameTest, TalliesNoGameCanReachAreRefusedWithTheMessage)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string sound = ReadAll("sav/partida.nsx");
    const auto club = [&sound](std::size_t field) { return FieldOffset(sound, &SavedGameImage::clubs, 3, field); };
    const auto player = [&sound](std::size_t record, std::size_t field) {
        return FieldOffset(sound, &SavedGameImage::players, record, field);
    };
    const std::size_t goalsFor = club(offsetof(TClub, GoalsFor) + 3 * sizeof(std::int32_t));
    const std::size_t goalsAgainst = club(offsetof(TClub, GoalsAgainst) + 3 * sizeof(std::int32_t));
    // Goals for and against near the 32-bit limits would overflow the standings' rules when played.
    WriteAll("sav/gols.nsx", WithInt32(WithInt32(sound, goalsFor, 0x7FFFFFF0), goalsAgainst, -0x7FFFFFF0));
    WriteAll("sav/carreira.nsx", WithInt32(sound, player(5, offsetof(TPlayer, careerGoals)), kMaxSavedTally + 1));
    // A strength near the 32-bit limit would overflow the computer line-up's ranking of the players.
    WriteAll("sav/forca.nsx", WithInt32(sound, player(6, offsetof(TPlayer, Strength)), -557065172));
    Clubs[3].GoalsFor[3] = kMaxSavedTally;
    Clubs[3].GoalsAgainst[3] = -kMaxSavedTally;
    Players[6].Strength = kMaxSavedAttribute;
    Players[6].Energy = -kMaxSavedAttribute;
    answer = "limite.nsx";
    Game.saveName.clear();
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);

    const std::string before = GameSnapshot();
    for (const char* name : {"gols.nsx", "carreira.nsx", "forca.nsx"})
        ExpectRefusedAsDamaged(name, before);
    EXPECT_NE(LoadGame("limite.nsx"), LoadOutcome::kFailed);  // the limits themselves are taken
    EXPECT_EQ(Clubs[3].GoalsFor[3], kMaxSavedTally);
}

// A game whose numbers went past the loader's ranges (a tally, a strength, money) saves them held at
// the ranges' ends, so its file loads again; the numbers inside the ranges are saved as they are.
TEST_F(SavedGameTest, NumbersPastTheirRangesAreSavedHeldAtTheRangesEnds)
{
    Clubs[3].GoalsFor[3] = 0x7FFFFFF0;
    Clubs[3].GoalsAgainst[3] = -0x7FFFFFF0;
    Clubs[3].cash = INT64_MAX;
    Clubs[4].cash = -kMaxSavedMoney - 1;
    Players[5].careerGoals = kMaxSavedTally + 1;
    Players[6].Strength = -557065172;
    Players[7].wage = INT64_MIN;
    Game.LeagueRound = kMaxSavedStage + 1;
    const std::int32_t goalsAgainstBefore = Clubs[2].GoalsAgainst[3];
    ASSERT_NE(LiveRangeBroken(), nullptr);
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(LiveRangeBroken(), nullptr);
    ASSERT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
    EXPECT_EQ(Clubs[3].GoalsFor[3], kMaxSavedTally);
    EXPECT_EQ(Clubs[3].GoalsAgainst[3], -kMaxSavedTally);
    EXPECT_EQ(Clubs[3].cash, kMaxSavedMoney);
    EXPECT_EQ(Clubs[4].cash, -kMaxSavedMoney);
    EXPECT_EQ(Players[5].careerGoals, kMaxSavedTally);
    EXPECT_EQ(Players[6].Strength, -kMaxSavedAttribute);
    EXPECT_EQ(Players[7].wage, -kMaxSavedMoney);
    EXPECT_EQ(Game.LeagueRound, kMaxSavedStage);
    EXPECT_EQ(Clubs[2].GoalsAgainst[3], goalsAgainstBefore);
}

// Group places the rules cannot play: a club in two state championships, in two groups of one
// continental cup or of the national teams' tournament, or a place beyond the club table. The load
// and the preview refuse each; a club in groups of two different competitions is taken.
TEST_F(SavedGameTest, AClubInTwoGroupsOfOneCompetitionIsRefusedWithTheMessage)
{
    const auto saveAs = [this](const std::string& name) {
        answer = name;
        Game.saveName.clear();
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    };
    for (auto& table : Game.ContinentalGroups)
        for (auto& group : table)
            std::fill(std::begin(group), std::end(group), -1);
    for (auto& group : Game.NationalGroups)
        std::fill(std::begin(group), std::end(group), -1);
    StateChampionships[0].groups[0][4] = 4;
    StateChampionships[18].groups[1][2] = 4;
    saveAs("dois_estaduais.nsx");
    StateChampionships[0].groups[0][4] = -1;
    StateChampionships[18].groups[1][2] = static_cast<std::int32_t>(Clubs.size());
    saveAs("fora_da_tabela.nsx");
    StateChampionships[18].groups[1][2] = -1;
    Game.ContinentalGroups[2][0][1] = 3;
    Game.ContinentalGroups[2][5][3] = 3;
    saveAs("dois_grupos.nsx");
    Game.ContinentalGroups[2][5][3] = -1;
    Game.NationalGroups[1][0] = 5;
    Game.NationalGroups[7][2] = 5;
    saveAs("selecoes.nsx");
    Game.NationalGroups[7][2] = -1;
    Game.ContinentalGroups[3][0][0] = 3;  // the other cup: another competition
    saveAs("duas_copas.nsx");

    const std::string before = GameSnapshot();
    for (const char* name : {"dois_estaduais.nsx", "fora_da_tabela.nsx", "dois_grupos.nsx", "selecoes.nsx"})
        ExpectRefusedAsDamaged(name, before);
    TGameState preview{};
    EXPECT_EQ(ReadSavePreview("duas_copas.nsx", preview), PreviewOutcome::kValid);
    EXPECT_EQ(LoadGame("duas_copas.nsx"), LoadOutcome::kOpenHub);
    EXPECT_EQ(Game.ContinentalGroups[3][0][0], 3);
}

// Indexes that point outside the tables they index: the day's kind, the current club and coach,
// the human clubs and coaches, the coached national teams, a player's, a club's or a coach's link,
// a fixture, a competition and a message. Each is refused as damaged, in the load and the preview;
// the values the game writes for "none" and the ends of each table are taken.
TEST_F(SavedGameTest, AnIndexOutsideItsTableIsRefusedWithTheMessage)
{
    const std::int32_t clubs = static_cast<std::int32_t>(Clubs.size());
    const std::int32_t coaches = static_cast<std::int32_t>(Coaches.size());
    const std::int32_t players = static_cast<std::int32_t>(Players.size());
    ASSERT_FALSE(Fixtures.empty());
    ASSERT_FALSE(Competitions.empty());
    ASSERT_FALSE(Placings.empty());
    ASSERT_FALSE(MailMessages.empty());
    // Each change breaks one index of the tables as they are when it is made.
    struct Change {
        const char* name;
        std::function<void()> apply;
    };
    const std::vector<Change> broken = {
        {"dia55", [=] { Game.DayKind = 55; }},
        {"dia10", [=] { Game.DayKind = 10; }},
        {"dia-2", [=] { Game.DayKind = -2; }},
        {"clube", [=] { Game.CurrentHumanClub = 100000; }},
        {"clube_fim", [=] { Game.CurrentHumanClub = clubs; }},
        {"tecnico", [=] { Game.CurrentHumanCoach = coaches; }},
        {"vaga_tecnico", [=] { Game.HumanCoachSlots[3] = -5; }},
        {"clube_humano", [=] { Game.HumanClubs[5] = clubs; }},
        {"humanos7", [=] { Game.HumanClubCount = 7; }},
        {"selecao", [=] { Game.coachedNationalTeam = clubs + 3; }},
        {"selecoes", [=] { Game.HumanNations[2] = 100000; }},
        {"selecoes7", [=] { Game.HumanNationCount = 7; }},
        {"jogador", [=] { Players[7].Club = 100000; }},
        {"jogador_fim", [=] { Players[7].Club = clubs; }},
        {"clube_tecnico", [=] { Clubs[2].coach = coaches; }},
        {"tecnico_clube", [=] { Coaches[1].club = clubs; }},
        {"selecao_clube", [=] { NationalTeams[0].clubEntry = clubs; }},
        {"jogo_casa", [=] { Fixtures[0].home = clubs; }},
        {"jogo_fora", [=] { Fixtures[0].away = -7; }},
        {"jogo_tipo", [=] { Fixtures[0].kind = 10; }},
        {"competicao", [=] { Competitions[0].kind = -1; }},
        {"colocacao", [=] { Placings[0].competition = static_cast<std::int32_t>(Competitions.size()); }},
        {"mensagem_clube", [=] { MailMessages[0].recipientClub = clubs; }},
        {"mensagem_texto", [=] { MailMessages[0].bodyTextId = kMailTextCount + 1; }},
        {"mensagem_assunto", [=] { MailMessages[0].subjectId = kMailSubjectCount + 1; }},
        {"mensagem_remetente", [=] { MailMessages[0].sender = 6; }},
        {"mensagem_jogador", [=] { MailMessages[0].player = players; }},
    };
    const std::string goodWorld = WriteSavedGameImage();
    for (const Change& change : broken) {
        SavedGameImage good;
        ASSERT_EQ(ReadSavedGameImage(goodWorld, good), SavedGameCheck::kValid);
        change.apply();
        answer = std::string(change.name) + ".nsx";
        Game.saveName.clear();
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        InstallSavedGameImage(good);  // every index back in its table
    }
    // What the game writes for "none" and the last entry of each table.
    Game.DayKind = -1;  // the last season's end: no day is next
    Game.CurrentHumanCoach = -1;
    Game.HumanCoachSlots[3] = -1;
    Game.coachedNationalTeam = -1;
    Players[7].Club = -1000;  // any negative club is no club
    Clubs[2].coach = coaches - 1;
    Fixtures[0].home = -1;  // not drawn yet
    Fixtures[0].kind = 9;
    MailMessages[0].bodyTextId = 0;  // a message no rule filled
    MailMessages[0].subjectId = kMailSubjectCount;
    MailMessages[0].sender = 0;
    answer = "limites.nsx";
    Game.saveName.clear();
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);

    BuildSaveWorld(30, 5, 7);
    const std::string before = GameSnapshot();
    for (const Change& change : broken)
        ExpectRefusedAsDamaged(std::string(change.name) + ".nsx", before);
    TGameState preview{};
    EXPECT_EQ(ReadSavePreview("limites.nsx", preview), PreviewOutcome::kValid);
    EXPECT_EQ(LoadGame("limites.nsx"), LoadOutcome::kOpenHub);
    EXPECT_EQ(Players[7].Club, -1000);
}

// A season or calendar day no game has: the calendar is rebuilt from the season on load, and a
// year past 9999 has no calendar. The file is refused as damaged, its preview too.
TEST_F(SavedGameTest, ASeasonOrDayNoCalendarHasIsRefusedWithTheMessage)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string sound = ReadAll("sav/partida.nsx");
    const std::pair<int, int> broken[] = {{8000, 40}, {-2147483647 - 1, 40}, {kLastSeason + 1, 40}, {0, 40},
                                          {3, 0}, {3, kCalendarDays + 1}};
    const auto name = [](int season, int day) { return "s" + std::to_string(season) + "d" + std::to_string(day) + ".nsx"; };
    for (const auto& [season, day] : broken)
        WriteAll("sav/" + name(season, day),
                 WithInt32(WithInt32(sound, GameStateOffset(offsetof(TGameState, Season)), season),
                           GameStateOffset(offsetof(TGameState, DayIndex)), day));
    Game.Season = kLastSeason;
    Game.DayIndex = kCalendarDays;
    answer = "ultimo.nsx";
    Game.saveName.clear();
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);

    Game.Season = 3;
    Game.DayIndex = 40;
    BuildCalendar();
    const std::string before = GameSnapshot();
    for (const auto& [season, day] : broken)
        ExpectRefusedAsDamaged(name(season, day), before);
    EXPECT_EQ(LoadGame("ultimo.nsx"), LoadOutcome::kOpenHub);  // the last year of the calendar is taken
    EXPECT_EQ(DecodeDate(Calendar[1].date).year, 9999);
}

// What is not a saved game the size of one: a sparse file of 64 GB, a FIFO with no writer and an
// endless device are refused before they are read (no waiting, no memory asked for), with the
// messages of a damaged and of an unreadable file.
TEST_F(SavedGameTest, HugeFilesFifosAndDevicesAreRefusedUnread)
{
    MakeSparseFile("sav/enorme.nsx", std::uintmax_t{64} << 30);
    MakeSparseFile("sav/maior.nsx", kMaxSavedGameBytes + 1);
    ASSERT_EQ(::mkfifo("sav/fila.nsx", 0600), 0);
    std::filesystem::create_symlink("/dev/zero", "sav/zero.nsx");

    const std::string before = GameSnapshot();
    for (const char* name : {"enorme.nsx", "maior.nsx"}) {
        messages.clear();
        EXPECT_EQ(LoadGame(name), LoadOutcome::kFailed) << name;
        EXPECT_EQ(messages, std::vector<std::string>{"Este arquivo não é válido ou está corrompido"}) << name;
    }
    for (const char* name : {"fila.nsx", "zero.nsx"}) {
        messages.clear();
        EXPECT_EQ(LoadGame(name), LoadOutcome::kFailed) << name;
        EXPECT_EQ(messages, std::vector<std::string>{"Erro ao carregar o arquivo"}) << name;
        TGameState preview{};
        EXPECT_EQ(ReadSavePreview(name, preview), PreviewOutcome::kUnreadable) << name;
    }
    EXPECT_EQ(GameSnapshot(), before);
}

TEST_F(SavedGameTest, LoadedGameWithoutPlayersStillHasTheEmptyElementZero)
{
    Players.clear();
    for (TMailMessage& mail : MailMessages)  // no message may name a player then, nor any table
        mail.player = mail.clubOrSecondPlayer = -1;
    Loans.clear();
    Transfers.clear();
    CallUps.clear();
    TacticsPresets.clear();
    Scorers.clear();
    GoalTallies.clear();
    AllTimeGoalTallies.clear();
    PlayerSeasonStats.clear();
    MatchReports.clear();
    ReportEvents.clear();
    Appearances.clear();
    SubAppearances.clear();
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    Players.assign(3, TPlayer{});
    ASSERT_EQ(LoadGame("partida.nsx"), LoadOutcome::kOpenHub);
    ASSERT_EQ(Players.size(), 1u);
    EXPECT_EQ(Players[0].Club, -1);
}

TEST_F(SavedGameTest, NoNameOrCancelledDialogWritesNothing)
{
    answer = "";
    EXPECT_EQ(SaveGame(), SaveOutcome::kNoName);
    Hooks().askSaveName = nullptr;
    EXPECT_EQ(SaveGame(), SaveOutcome::kNoName);
    EXPECT_TRUE(std::filesystem::is_empty("sav"));
    EXPECT_TRUE(Game.saveName.empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SavedGameTest, SaveNamesStayInTheSaveFolderAndFitTheRecord)
{
    const std::string stem46(46, 'a');
    EXPECT_TRUE(IsValidSaveName(stem46 + ".nsx"));
    EXPECT_TRUE(IsValidSaveName(std::string(23, 'a') + "çãéíóúâêôàüñÇÃÉÍÓÚÂÊÔÀÜ.nsx"));
    EXPECT_TRUE(IsValidSaveName("a.nsx"));
    EXPECT_FALSE(IsValidSaveName(stem46 + "a.nsx"));
    EXPECT_FALSE(IsValidSaveName(".nsx"));
    EXPECT_FALSE(IsValidSaveName("partida"));
    EXPECT_FALSE(IsValidSaveName("partida.sav"));
    EXPECT_FALSE(IsValidSaveName("../partida.nsx"));
    EXPECT_TRUE(IsValidSaveName("a..b.nsx"));  // dots inside a name are plain characters
    EXPECT_TRUE(IsValidSaveName("jogo..nsx"));  // "jogo." typed: a trailing dot is a plain name
    EXPECT_TRUE(IsValidSaveName("BASEUP.NSX"));  // the extension in any case
    EXPECT_FALSE(IsValidSaveName("..nsx.."));
    EXPECT_FALSE(IsValidSaveName("pasta/partida.nsx"));
    EXPECT_FALSE(IsValidSaveName("pasta\\partida.nsx"));
    EXPECT_FALSE(IsValidSaveName(std::string("parti\0da.nsx", 12)));
    EXPECT_FALSE(IsValidSaveName("parti\nda.nsx"));

    answer = "../fora.nsx";
    EXPECT_EQ(SaveGame(), SaveOutcome::kNoName);
    EXPECT_FALSE(std::filesystem::exists("fora.nsx"));
    answer = stem46 + ".nsx";
    EXPECT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_TRUE(std::filesystem::exists("sav/" + answer));
    EXPECT_EQ(Game.saveName.str(), answer);
}

// A save listed in the folder is loaded, previewed and deleted under the name it has: in capitals
// it keeps that name and the next save writes it again; one whose name another program gave a
// newline loads and deletes too, and its next save asks for a name the game can keep.
TEST_F(SavedGameTest, ListedSavesLoadAndDeleteUnderTheNameTheyHave)
{
    ASSERT_TRUE(WriteSavedGameFile("sav/BASEUP.NSX"));
    ASSERT_TRUE(WriteSavedGameFile("sav/linha\nnova.nsx"));
    ASSERT_TRUE(WriteSavedGameFile("sav/jogo..nsx"));
    BuildSaveWorld(30, 5, 7);
    ASSERT_EQ(LoadGame("BASEUP.NSX"), LoadOutcome::kOpenHub);
    EXPECT_EQ(Game.saveName.str(), "BASEUP.NSX");
    Players[1].Age = 40;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(FolderNames("sav"), (std::vector<std::string>{"BASEUP.NSX", "jogo..nsx", "linha\nnova.nsx"}));
    EXPECT_EQ(LoadGame("jogo..nsx"), LoadOutcome::kOpenHub);
    EXPECT_EQ(Game.saveName.str(), "jogo..nsx");

    TGameState preview{};
    EXPECT_EQ(ReadSavePreview("linha\nnova.nsx", preview), PreviewOutcome::kValid);
    EXPECT_EQ(LoadGame("linha\nnova.nsx"), LoadOutcome::kOpenHub);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(Game.saveName.str(), "");
    EXPECT_TRUE(DeleteSavedGame("linha\nnova.nsx"));
    EXPECT_EQ(FolderNames("sav"), (std::vector<std::string>{"BASEUP.NSX", "jogo..nsx"}));
    for (const char* outside : {"..", ".", "../sav/BASEUP.NSX", "sav/../x.nsx"}) {
        EXPECT_EQ(LoadGame(outside), LoadOutcome::kFailed) << outside;
        EXPECT_FALSE(DeleteSavedGame(outside)) << outside;
    }
}

TEST_F(SavedGameTest, AnAccentedNameIsStoredAndWrittenAlike)
{
    answer = "Campeão de 2012.nsx";
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(Game.saveName.str(), answer);
    EXPECT_TRUE(std::filesystem::exists("sav/" + answer));
    EXPECT_EQ(LoadGame(answer), LoadOutcome::kOpenHub);
}

TEST(SavedGameFolder, MissingSaveFolderIsReportedAndNotCreated)
{
    BuildSaveWorld(10, 4, 5);
    ScratchFolder folder("no-sav", false);
    std::vector<std::string> messages;
    Hooks().showMessage = [&](const std::string& text) { messages.push_back(text); };
    Game.saveName.set("partida.nsx");
    EXPECT_EQ(SaveGame(), SaveOutcome::kWriteFailed);
    EXPECT_EQ(messages, std::vector<std::string>{
                            "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta sav"});
    EXPECT_FALSE(std::filesystem::exists("sav"));
    Hooks().showMessage = [](const std::string&) {};
}

// A disk that fills during the write (a file-size limit stands in for it) and a target that cannot
// be replaced: the message, the last save whole, and no temporary file left beside it.
TEST_F(SavedGameTest, FailedWriteLeavesTheLastGoodSaveWholeAndNoTemporaryFile)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string good = ReadAll("sav/partida.nsx");
    Players[1].Age = 99;
    {
        const testsupport::FullDisk full(good.size() / 2);
        EXPECT_EQ(SaveGame(), SaveOutcome::kWriteFailed);
    }
    EXPECT_EQ(ReadAll("sav/partida.nsx"), good);
    EXPECT_EQ(messages.size(), 1u);
    std::filesystem::create_directory("sav/pasta.nsx");
    Game.saveName.set("pasta.nsx");
    EXPECT_EQ(SaveGame(), SaveOutcome::kWriteFailed);
    EXPECT_EQ(FolderNames("sav"), (std::vector<std::string>{"partida.nsx", "pasta.nsx"}));
}

// A save outlasts a stop of the machine: the new file reaches the disk before its rename, and the
// folder holding the rename after it. Over an existing save, the new file takes its permissions first.
TEST_F(SavedGameTest, ASaveIsFlushedBeforeItsRenameAndItsFolderAfter)
{
    const std::vector<std::string> writeAndRename = {"write temporary", "fsync temporary", "close temporary",
                                                     "rename temporary partida.nsx", "open folder", "fsync folder",
                                                     "close folder"};
    std::vector<std::string> expected = {"open temporary"};
    expected.insert(expected.end(), writeAndRename.begin(), writeAndRename.end());
    {
        const testsupport::RecordedFileCalls calls;
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        EXPECT_EQ(calls.log(), expected);
    }
    expected = {"open temporary", "fchmod temporary"};
    expected.insert(expected.end(), writeAndRename.begin(), writeAndRename.end());
    const testsupport::RecordedFileCalls calls;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(calls.log(), expected);
}

// A save killed part-way (kill -9) leaves its temporary file; the next save of that file removes
// it. Temporary files of programs that still run, this one included, stay, and so does every file
// that is not a temporary of this save, whatever its name says of a dead process.
TEST_F(SavedGameTest, AKilledSaveLeavesNothingBehindAfterTheNextSave)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FileWriteCalls calls = SystemFileWriteCalls();
        calls.write = [](int, const void*, std::size_t) -> ssize_t {
            ::kill(::getpid(), SIGKILL);
            return -1;
        };
        SetFileWriteCalls(calls);
        WriteFileReplacing("sav/partida.nsx", "meio jogo");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<std::string> left = FolderNames("sav");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].rfind("partida.nsx." + std::to_string(child) + "-", 0), 0u);
    const std::string ours = "partida.nsx." + std::to_string(::getpid()) + "-99.tmp";
    const std::string parents = "partida.nsx." + std::to_string(::getppid()) + "-0.tmp";
    WriteAll("sav/" + ours, "em curso");
    WriteAll("sav/" + parents, "em curso");
    // Files of the same shape that are not temporaries of this save, left by the same dead process.
    const std::string gone = std::to_string(child);
    const std::vector<std::string> others = {"notes." + gone + "-1.tmp", "other.nsx." + gone + "-7.tmp",
                                             "apartida.nsx." + gone + "-2.tmp", "partida.nsx." + gone + ".tmp",
                                             "partida.nsx.x" + gone + "-3.tmp"};
    for (const std::string& other : others)
        WriteAll("sav/" + other, "alheio");

    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    std::vector<std::string> expected = {ours, parents, "partida.nsx"};
    expected.insert(expected.end(), others.begin(), others.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderNames("sav"), expected);
}

// A save over a private file stays private; a save through a symbolic link replaces the file the
// link leads to and keeps the link.
TEST_F(SavedGameTest, ASaveKeepsThePermissionsOfItsFileAndWritesThroughALink)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    ASSERT_EQ(::chmod("sav/partida.nsx", 0600), 0);
    Players[1].Age = 31;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    struct stat status {};
    ASSERT_EQ(::stat("sav/partida.nsx", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    std::filesystem::create_directory("guardados");
    std::filesystem::rename("sav/partida.nsx", "guardados/real.nsx");
    std::filesystem::create_symlink("../guardados/real.nsx", "sav/partida.nsx");
    Players[1].Age = 32;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_TRUE(std::filesystem::is_symlink("sav/partida.nsx"));
    EXPECT_EQ(ReadAll("guardados/real.nsx"), WriteSavedGameImage());
    EXPECT_EQ(FolderNames("sav"), std::vector<std::string>{"partida.nsx"});
    EXPECT_EQ(FolderNames("guardados"), std::vector<std::string>{"real.nsx"});

    std::filesystem::remove("sav/partida.nsx");
    std::filesystem::create_symlink("partida.nsx", "sav/partida.nsx");  // a link to itself
    EXPECT_EQ(SaveGame(), SaveOutcome::kWriteFailed);
    EXPECT_TRUE(std::filesystem::is_symlink("sav/partida.nsx"));
}

// A save over another user's file keeps its owner and its mode; a process that may not give the
// file away (EPERM) still saves, the new file its own.
TEST_F(SavedGameTest, ASaveOverAnotherUsersFileKeepsItsOwner)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    ASSERT_EQ(::chmod("sav/partida.nsx", 0640), 0);
    struct stat status {};
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown("sav/partida.nsx", 1000, 1000), 0);
        Players[1].Age = 33;
        ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
        ASSERT_EQ(::stat("sav/partida.nsx", &status), 0);
        EXPECT_EQ(status.st_uid, 1000u);
        EXPECT_EQ(status.st_gid, 1000u);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
        EXPECT_EQ(ReadAll("sav/partida.nsx"), WriteSavedGameImage());
    }
    FileWriteCalls calls = SystemFileWriteCalls();
    int asked = 0;
    calls.fchown = [&asked](int, uid_t, gid_t) {
        ++asked;
        errno = EPERM;
        return -1;
    };
    SetFileWriteCalls(calls);
    ASSERT_EQ(::chown("sav/partida.nsx", ::geteuid() + 1, ::getegid() + 1), ::geteuid() == 0 ? 0 : -1);
    Players[1].Age = 34;
    const SaveOutcome saved = SaveGame();
    SetFileWriteCalls(SystemFileWriteCalls());
    ASSERT_EQ(saved, SaveOutcome::kSaved);
    EXPECT_EQ(asked, ::geteuid() == 0 ? 1 : 0);
    ASSERT_EQ(::stat("sav/partida.nsx", &status), 0);
    EXPECT_EQ(status.st_uid, ::geteuid());
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadAll("sav/partida.nsx"), WriteSavedGameImage());
}

// A program filling a new folder with many files may leave their flushes and the look for leftovers
// out, and only meanwhile.
TEST(SavedGameFiles, UnflushedWritesLeaveOutTheFlushesOnlyWhileTheyLast)
{
    ScratchFolder folder("unflushed");
    const testsupport::RecordedFileCalls calls;
    const auto flushes = [&calls] {
        return std::count_if(calls.log().begin(), calls.log().end(), [](const std::string& call) { return call.rfind("fsync", 0) == 0; });
    };
    {
        const UnflushedWrites unflushed;
        ASSERT_TRUE(WriteFileReplacing("sav/a.nsx", "a"));
        EXPECT_EQ(flushes(), 0);
    }
    ASSERT_TRUE(WriteFileReplacing("sav/a.nsx", "b"));
    EXPECT_EQ(flushes(), 2);  // the file and its folder
    EXPECT_EQ(ReadAll("sav/a.nsx"), "b");
}

// Saves to one path at once: each writes its own temporary file, so every one of them succeeds and
// the file holds whole one of the games written, never a mixture, with no temporary file left.
TEST(SavedGameFiles, SavesToOnePathAtOnceAllSucceedAndLeaveOneWholeGame)
{
    ScratchFolder folder("concurrent-saves");
    constexpr int kWriters = 4;
    constexpr int kRounds = 20;
    std::vector<std::string> games;
    for (int w = 0; w < kWriters; ++w)
        games.push_back(std::string(std::size_t{1} << 20, static_cast<char>('a' + w)));
    std::atomic<int> failures{0};
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int round = 0; round < kRounds; ++round)
                if (!WriteFileReplacing("sav/partida.nsx", games[static_cast<std::size_t>(w)])) ++failures;
        });
    for (std::thread& writer : writers) writer.join();
    EXPECT_EQ(failures, 0);
    const std::string saved = ReadAll("sav/partida.nsx");
    EXPECT_TRUE(std::find(games.begin(), games.end(), saved) != games.end());
    EXPECT_EQ(FolderNames("sav"), std::vector<std::string>{"partida.nsx"});
}

TEST_F(SavedGameTest, PreviewTextsOfClubAndNationalTeamDays)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    TGameState preview{};
    ASSERT_EQ(ReadSavePreview("partida.nsx", preview), PreviewOutcome::kValid);
    EXPECT_EQ(preview.previewCoach.str(), "Técnico Teste");
    EXPECT_EQ(preview.previewClub.str(), "Clube Atlético Tarvelon");

    Game.DayKind = 9;
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    ASSERT_EQ(ReadSavePreview("partida.nsx", preview), PreviewOutcome::kValid);
    EXPECT_EQ(preview.previewClub.str(), "Seleção (Clube Atlético T");  // cut to 25 characters
}

TEST_F(SavedGameTest, PreviewChecksTheWholeFileAsTheLoadDoes)
{
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    std::string good = ReadAll("sav/partida.nsx");
    TGameState preview{};
    EXPECT_EQ(ReadSavePreview("partida.nsx", preview), PreviewOutcome::kValid);
    WriteAll("sav/so_cabecalho.nsx", good.substr(0, kSavedGameHeaderBytes));
    EXPECT_EQ(ReadSavePreview("so_cabecalho.nsx", preview), PreviewOutcome::kInvalid);
    WriteAll("sav/curto.nsx", good.substr(0, kSavedGameHeaderBytes - 1));
    EXPECT_EQ(ReadSavePreview("curto.nsx", preview), PreviewOutcome::kInvalid);
    const std::int32_t eleven = 11;
    std::memcpy(good.data() + 8, &eleven, 4);
    WriteAll("sav/versao.nsx", good);
    EXPECT_EQ(ReadSavePreview("versao.nsx", preview), PreviewOutcome::kInvalid);
    EXPECT_EQ(ReadSavePreview("nenhum.nsx", preview), PreviewOutcome::kUnreadable);
}

// Whole-file reads: a file of many read steps comes back whole, the limit cuts it, an empty file
// is no bytes, and what is not a readable file is refused.
TEST(FileBytes, WholeFilesTheLimitAndWhatIsNoFile)
{
    ScratchFolder folder("file-bytes");
    std::string big(200000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 256);
    WriteAll("big.bin", big);
    EXPECT_EQ(ReadAll("big.bin"), big);
    std::string bytes = "left over";
    ASSERT_TRUE(ReadFileBytes("big.bin", bytes, 70000));
    EXPECT_EQ(bytes, big.substr(0, 70000));
    WriteAll("empty.bin", "");
    EXPECT_EQ(ReadAll("empty.bin"), "");
    EXPECT_FALSE(ReadFileBytes("missing.bin", bytes));
    EXPECT_FALSE(ReadFileBytes("sav", bytes));  // a folder
}
