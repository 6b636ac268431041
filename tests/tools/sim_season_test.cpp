// Whole seasons headless from the sample database with every competition on: three seasons played
// day by day with the invariants checked after every matchday and every season, the same seed
// giving the same game, a human club served by the automatic answers, and the command's saved
// games (a load saved again is the same file; a file that cannot be loaded ends the run).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game_groups.h"
#include "core/progression/national_invitations.h"
#include "core/progression/post_round_invitations.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_indexes.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/seasonloop/season_turn.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"
#include "tests/tools/sim_checks.h"
#include "tools/sampledata/sample_database.h"
#include "tools/sim/sim_report.h"
#include "tools/sim/sim_run.h"

using namespace tarvelon;
using namespace tarvelon::simcheck;

namespace {

constexpr int kSeasons = 3;
constexpr std::uint64_t kSeed = 20260;

// Brazil (with its state championships), Argentina and Spain in divisions of ten: every kind of
// competition is played, the continental cups with guests of the other countries.
sim::SimOptions EveryCompetition()
{
    sim::SimOptions options;
    options.leagues = {29, 11, 65};
    options.divisionSize = 10;
    options.seed = kSeed;
    return options;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SimSeasons : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder_ = new testdb::GameFolder();
        sampledata::WriteSampleDatabase(folder_->path(), 3);
        SetProgramFolder(folder_->path());
    }
    static void TearDownTestSuite()
    {
        delete folder_;
        SetProgramFolder({});
    }
    void SetUp() override
    {
        std::filesystem::current_path(folder_->path());
        CollectMessages();
    }
    // The game's message boxes, kept for the test to look at.
    void CollectMessages()
    {
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    void StartEveryCompetition()
    {
        StartRules({kSeed});
        CollectMessages();
        std::string message;
        ASSERT_TRUE(sim::StartSimGame(EveryCompetition(), message)) << message;
    }

    // The digest of a game with every competition after one season and the turn into the next.
    std::string DigestOfOneSeason()
    {
        StartEveryCompetition();
        PlaySeason();
        return sim::GameDigest();
    }

    // A game played to its season's last day and left there, before the rollover, as a player who
    // goes back to the title from the season's summary leaves it.
    void AbandonAGameAtItsSeasonsEnd()
    {
        StartRules({kSeed + 2});
        std::string message;
        sim::SimOptions options = EveryCompetition();
        options.seed = kSeed + 2;
        ASSERT_TRUE(sim::StartSimGame(options, message)) << message;
        PlaySeasonDays();
    }

    // The digest of the saved game `image`, loaded and played for a season.
    std::string DigestOfLoadedSeason(const std::string& image)
    {
        StartRules({kSeed});
        CollectMessages();
        std::string message;
        EXPECT_TRUE(sim::LoadSimGameBytes(image, message)) << message;
        PlaySeason();
        return sim::GameDigest();
    }

    static testdb::GameFolder* folder_;
    std::vector<std::string> messages_;
};

testdb::GameFolder* SimSeasons::folder_ = nullptr;

TEST_F(SimSeasons, ThreeSeasonsKeepEveryInvariant)
{
    StartEveryCompetition();
    ASSERT_EQ(Game.firstContinentalPairOn, 1);
    ASSERT_EQ(Game.StateChampionshipsOn, 1);
    ASSERT_EQ(Game.HumanClubCount, 0);

    Ledger ledger = TakeLedger();
    std::set<int> charged;
    SeasonWatch watch;
    watch.atResults = [&charged] {
        ExpectTodaysElevensInTheirClubs();
        ExpectStandingsAddUp();
        charged = ClubsChargedInterest(Game.DayKind, Calendar[static_cast<std::size_t>(Game.DayIndex)].date);
    };
    // Every day of a played game saves to a file the loader takes: its groups hold each club once.
    const auto expectGroupsLoadable = [] {
        EXPECT_TRUE(GroupsHoldEachClubOnce(Game, StateChampionships, Clubs.size())) << "day " << Game.DayIndex;
    };
    expectGroupsLoadable();
    watch.afterDay = [&] {
        ExpectStandingsAddUp();
        ExpectPeopleWhereTheyBelong();
        expectGroupsLoadable();
        const Ledger now = TakeLedger();
        ExpectLedgerBalanced(ledger, now, charged);
        ledger = now;
    };
    std::vector<int> competitionsWithChampions;
    watch.atSeasonEnd = [] {
        ExpectSeasonFixturesPlayedOnce();
        ExpectOneChampionEach(Game.Season);
    };
    for (int season = 1; season <= kSeasons; ++season) {
        ASSERT_EQ(Game.Season, season);
        const int days = PlaySeasonDays(watch);
        EXPECT_GT(days, 40);
        ASSERT_FALSE(HasFailure()) << "season " << season;
        TurnToNewSeason();
        ExpectContinentalGroupsOfTheirContinent();
        ExpectStandingsAddUp();
        ExpectPeopleWhereTheyBelong();
        expectGroupsLoadable();
        ledger = TakeLedger();  // the new season's accounts start afresh
    }
    EXPECT_EQ(Game.Season, kSeasons + 1);
    // Every kind of competition has crowned someone over the three seasons.
    std::set<int> kindsWon;
    for (const TPlacing& placing : Placings)
        if (placing.place == 1 && placing.competition > 0 && placing.competition < static_cast<int>(Competitions.size()))
            kindsWon.insert(Competitions[static_cast<std::size_t>(placing.competition)].kind);
    EXPECT_EQ(kindsWon, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// The last season of the calendar ends without a next one: the game says so and stays at its last
// day, and what it saves then loads again (a season after it would be one the loader refuses).
// Played on from there, the season ends again at once.
TEST_F(SimSeasons, NoSeasonStartsAfterTheLastAndTheGameThenSavesAndLoads)
{
    StartEveryCompetition();
    Game.Season = kLastSeason - 1;
    BuildCalendar();
    PlaySeason();
    ASSERT_EQ(Game.Season, kLastSeason);  // the season before it still turns into the last
    PlaySeasonDays();
    // A game moved to its late seasons from its first has no continental champions for the club
    // world cup, which says so: only the turn's message is looked at.
    messages_.clear();
    TurnToNewSeason();
    EXPECT_EQ(Game.Season, kLastSeason);
    EXPECT_EQ(messages_, std::vector<std::string>{kLastSeasonMessage});
    const std::string image = WriteSavedGameImage();
    std::string message;
    EXPECT_TRUE(sim::LoadSimGameBytes(image, message)) << message;
    EXPECT_EQ(Game.Season, kLastSeason);
    EXPECT_LE(PlaySeasonDays(), 1);
    TurnToNewSeason();
    EXPECT_EQ(Game.Season, kLastSeason);
}

// A game of four human coaches (two Brazilian clubs, an Argentine and a Spanish one) saved on every
// day of three seasons, state championships, cups and national-team tournaments among them: every
// save the game writes loads again, every index it holds inside its table.
TEST_F(SimSeasons, EverySaveOfSeasonsWithFourCoachesLoads)
{
    StartRules({kSeed + 3});
    CollectMessages();
    BeginNewGameSetup();
    ListNewGameClubFiles();
    NewGameChoices choices;
    choices.countries = {29, 11, 65};
    choices.stateChampionships = true;
    choices.realWorldCupGroups = false;  // the first World Cup drawn, its national teams offered to the coaches
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
    Game.HumanClubCount = 4;  // as the coach screens count them
    const auto divisionClub = [](int country, int division, int slot) {
        return Leagues[static_cast<std::size_t>(FindLeagueByCountry(country))].divisions[division][slot];
    };
    const int humans[] = {divisionClub(29, 0, 0), divisionClub(29, 1, 3), divisionClub(11, 0, 2), divisionClub(65, 0, 5)};
    for (int slot = 1; slot <= 4; ++slot)
        ASSERT_TRUE(ChooseHumanClub(slot, humans[slot - 1], "Treinador " + std::to_string(slot)));
    const FirstScreen first = RunNewGameBuilder();
    ASSERT_NE(first, FirstScreen::None);
    BeginSeasonLoop(first == FirstScreen::Matchday);
    ASSERT_EQ(Game.HumanClubCount, 4);

    std::set<int> kindsSaved;
    int saves = 0;
    int nationsLed = 0;
    // Each coach takes the first national team he is offered, as a player would in the invitations.
    const auto acceptInvitations = [] {
        const int club = Game.CurrentHumanClub;
        const int coach = Game.CurrentHumanCoach;
        for (int slot = 0; slot < Game.HumanClubCount; ++slot) {
            Game.CurrentHumanClub = Game.HumanClubs[slot];
            Game.CurrentHumanCoach = Clubs[static_cast<std::size_t>(Game.CurrentHumanClub)].coach;
            for (int kind = kKindWorldCup; kind <= kKindEurocopa; ++kind) {
                if (!InvitationDue(kind)) continue;
                for (const InvitationOffer& offer : InvitationOffers(InvitationTier(kind, Game.CurrentHumanClub)))
                    if (offer.enabled && AcceptInvitation(offer.club)) break;
            }
        }
        Game.CurrentHumanClub = club;
        Game.CurrentHumanCoach = coach;
    };
    const auto expectSaveLoads = [&] {
        auto image = std::make_unique<SavedGameImage>();
        const SavedGameCheck check = ReadSavedGameImage(WriteSavedGameImage(), *image);
        const char* outside = SavedIndexOutsideItsTable(*image);
        EXPECT_EQ(check, SavedGameCheck::kValid)
            << "season " << Game.Season << " day " << Game.DayIndex << " kind " << Game.DayKind << ": "
            << (outside != nullptr ? outside : "not an index");
        kindsSaved.insert(Game.DayKind);
        ++saves;
        nationsLed = std::max(nationsLed, Game.HumanNationCount);
    };
    SeasonWatch watch;
    watch.afterDay = [&] {
        acceptInvitations();
        expectSaveLoads();
    };
    for (int season = 1; season <= kSeasons; ++season) {
        expectSaveLoads();
        PlaySeasonDays(watch);
        ASSERT_FALSE(HasFailure()) << "season " << season;
        TurnToNewSeason();
    }
    expectSaveLoads();
    EXPECT_GT(saves, 150);
    for (int kind = 1; kind <= 9; ++kind)
        EXPECT_TRUE(kindsSaved.count(kind)) << "no save on a day of kind " << kind;
    EXPECT_GT(MailMessages.size(), 20u);
    EXPECT_GE(nationsLed, 2);
}

// Brazil alone in divisions of twenty with its state championships: the fourth division is regional,
// dissolved at each turn and filled again from the state finals. Every save of three seasons with two
// coaches, one a day, loads: the division lists agree with the clubs' records through every turn.
TEST_F(SimSeasons, EverySaveOfTheRegionalFourthDivisionsSeasonsLoads)
{
    StartRules({kSeed + 5});
    CollectMessages();
    BeginNewGameSetup();
    ListNewGameClubFiles();
    NewGameChoices choices;
    choices.countries = {29};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    ASSERT_TRUE(SetUpNewGameBeforeCoaches(choices));
    ASSERT_EQ(Game.RegionalFourthDivision, 1);
    Game.HumanClubCount = 2;
    const TLeague& brazil = Leagues[static_cast<std::size_t>(FindLeagueByCountry(29))];
    ASSERT_TRUE(ChooseHumanClub(1, brazil.divisions[0][0], "Treinador 1"));
    ASSERT_TRUE(ChooseHumanClub(2, brazil.divisions[2][4], "Treinador 2"));
    const FirstScreen first = RunNewGameBuilder();
    ASSERT_NE(first, FirstScreen::None);
    BeginSeasonLoop(first == FirstScreen::Matchday);
    int saves = 0;
    int mostDivisions = 0;
    const auto expectSaveLoads = [&] {
        auto image = std::make_unique<SavedGameImage>();
        const SavedGameCheck check = ReadSavedGameImage(WriteSavedGameImage(), *image);
        const char* outside = SavedIndexOutsideItsTable(*image);
        EXPECT_EQ(check, SavedGameCheck::kValid) << "season " << Game.Season << " day " << Game.DayIndex << ": "
                                                 << (outside != nullptr ? outside : "not an index");
        mostDivisions = std::max(mostDivisions, brazil.divisionCount);
        ++saves;
    };
    SeasonWatch watch;
    watch.afterDay = expectSaveLoads;
    for (int season = 1; season <= kSeasons; ++season) {
        PlaySeasonDays(watch);
        ASSERT_FALSE(HasFailure()) << "season " << season;
        TurnToNewSeason();
        expectSaveLoads();
    }
    EXPECT_GT(saves, 150);
    EXPECT_EQ(mostDivisions, 4) << "the regional fourth division was never filled";
}

// The first World Cup of a game with the chooser's defaults is the real 2010 one: a save taken a
// day into it holds its 32 national teams ranked in the tournament rows, each once, and a load
// gives them back.
TEST_F(SimSeasons, ASaveADayIntoTheFirstWorldCupHoldsItsNationsInTheRows)
{
    StartEveryCompetition();
    int days = 0;
    while (Game.DayKind != kKindWorldCup && days < 300) {
        ASSERT_EQ(PlayDay(), DayOutcome::Played);
        ++days;
    }
    ASSERT_EQ(Game.DayKind, kKindWorldCup);
    ASSERT_EQ(Game.Season, 1);
    ASSERT_EQ(PlayDay(), DayOutcome::Played);

    const std::string bytes = WriteSavedGameImage();
    auto image = std::make_unique<SavedGameImage>();
    ASSERT_EQ(ReadSavedGameImage(bytes, *image), SavedGameCheck::kValid);
    std::set<int> nations;
    for (const TNationalTeam& team : NationalTeams)
        nations.insert(team.clubEntry);
    std::set<int> grouped;
    for (const auto& group : image->game.NationalGroups)
        grouped.insert(std::begin(group), std::end(group));
    std::set<int> ranked;
    for (const auto& row : image->game.tournamentRows)
        for (int club : row) {
            EXPECT_TRUE(nations.count(club)) << "row entry " << club << " is no national team";
            ranked.insert(club);
        }
    EXPECT_EQ(ranked.size(), 32u);
    EXPECT_EQ(ranked, grouped);

    std::string message;
    ASSERT_TRUE(sim::LoadSimGameBytes(bytes, message)) << message;
    EXPECT_EQ(std::memcmp(Game.tournamentRows, image->game.tournamentRows, sizeof Game.tournamentRows), 0);
}

TEST_F(SimSeasons, SameSeedSameGame)
{
    const std::string first = DigestOfOneSeason();
    EXPECT_EQ(DigestOfOneSeason(), first);
}

// Nothing of a game left unfinished reaches the next one, new or loaded.
TEST_F(SimSeasons, GameAfterAnAbandonedGameIsTheSameGame)
{
    const std::string fresh = DigestOfOneSeason();
    AbandonAGameAtItsSeasonsEnd();
    EXPECT_EQ(DigestOfOneSeason(), fresh);

    StartEveryCompetition();
    const std::string image = WriteSavedGameImage();
    const std::string loaded = DigestOfLoadedSeason(image);
    AbandonAGameAtItsSeasonsEnd();
    EXPECT_EQ(DigestOfLoadedSeason(image), loaded);
}

TEST_F(SimSeasons, HumanClubIsServedByTheAutomaticAnswers)
{
    StartRules({kSeed + 1});
    CollectMessages();
    const int club = StartGameWithHumanClub();
    ASSERT_GE(club, 0);
    const int coach = Game.CurrentHumanCoach;

    int humanMatches = 0;
    SeasonWatch watch;
    watch.atResults = [&] {
        const TDateTime today = Calendar[static_cast<std::size_t>(Game.DayIndex)].date;
        for (const TMatchReport& report : MatchReports)
            if (report.date == today && (report.club[0] == club || report.club[1] == club))
                ++humanMatches;
    };
    watch.afterDay = [&] {
        ExpectPeopleWhereTheyBelong();
        ASSERT_EQ(Game.CurrentHumanCoach, coach);  // the job-offer walks give him back
    };
    watch.atSeasonEnd = [] { ExpectSeasonFixturesPlayedOnce(); };
    PlaySeason(watch);
    PlaySeasonDays(watch);
    EXPECT_GT(humanMatches, 40);  // his club played its league, cup and state matches
    EXPECT_EQ(Game.CurrentHumanCoach, coach);
}

TEST_F(SimSeasons, LoadedGameSavedAgainIsTheSameFile)
{
    const std::filesystem::path first = folder_->path() / "first.nsx";
    const std::filesystem::path second = folder_->path() / "second.nsx";
    sim::SimOptions options = EveryCompetition();
    options.dataFolder = folder_->path().string();
    options.seasons = 0;
    options.saveFile = first.string();
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(sim::RunSim(options, out, err), 0) << err.str();
    const std::string digest = out.str();
    ASSERT_EQ(digest.rfind("digest: ", 0), 0u);

    sim::SimOptions again;
    again.dataFolder = options.dataFolder;
    again.loadFile = first.string();
    again.seasons = 0;
    again.saveFile = second.string();
    std::ostringstream out2;
    ASSERT_EQ(sim::RunSim(again, out2, err), 0) << err.str();
    EXPECT_EQ(out2.str(), digest);
    const std::string bytes = ReadFile(first);
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_EQ(ReadFile(second), bytes);
}

TEST_F(SimSeasons, FileThatCannotBeLoadedEndsTheRunWithTheGamesMessage)
{
    const std::filesystem::path broken = folder_->path() / "broken.nsx";
    std::ofstream(broken, std::ios::binary) << "not a saved game";
    sim::SimOptions options;
    options.dataFolder = folder_->path().string();
    options.loadFile = broken.string();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_NE(sim::RunSim(options, out, err), 0);
    EXPECT_EQ(err.str(), "Este arquivo não é válido ou está corrompido\n");
    EXPECT_EQ(out.str(), "");

    options.loadFile = (folder_->path() / "missing.nsx").string();
    std::ostringstream err2;
    EXPECT_NE(sim::RunSim(options, out, err2), 0);
    EXPECT_EQ(err2.str(), "Erro ao carregar o arquivo\n");
}

// Hostile files given to --load: a saved game whose season puts the year past 9999 or far below
// the first, a sparse file of 64 GB, a FIFO with no writer and /dev/zero. Each ends the run at once
// with the game's one line and a failure: no hang on the calendar, no memory asked for, no waiting.
TEST_F(SimSeasons, HostileSavedGamesEndTheRunWithOneLine)
{
    const std::filesystem::path good = folder_->path() / "good.nsx";
    sim::SimOptions options = EveryCompetition();
    options.dataFolder = folder_->path().string();
    options.seasons = 0;
    options.saveFile = good.string();
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(sim::RunSim(options, out, err), 0) << err.str();
    const std::string bytes = ReadFile(good);

    const auto withSeason = [&](std::int32_t season) {
        const std::filesystem::path path = folder_->path() / ("season" + std::to_string(season) + ".nsx");
        std::string changed = bytes;
        std::memcpy(changed.data() + 4 + offsetof(TGameState, Season), &season, 4);
        std::ofstream(path, std::ios::binary) << changed;
        return path;
    };
    const std::filesystem::path sparse = folder_->path() / "sparse.nsx";
    std::ofstream{sparse};
    std::filesystem::resize_file(sparse, std::uintmax_t{64} << 30);
    const std::filesystem::path fifo = folder_->path() / "fifo.nsx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    const std::string invalid = "Este arquivo não é válido ou está corrompido\n";
    const std::string unreadable = "Erro ao carregar o arquivo\n";
    const std::pair<std::filesystem::path, std::string> hostile[] = {
        {withSeason(8000), invalid}, {withSeason(-2147483647 - 1), invalid}, {sparse, invalid},
        {fifo, unreadable}, {"/dev/zero", unreadable}};
    for (const auto& [path, line] : hostile) {
        sim::SimOptions load;
        load.dataFolder = options.dataFolder;
        load.loadFile = path.string();
        std::ostringstream loadOut;
        std::ostringstream loadErr;
        EXPECT_EQ(sim::RunSim(load, loadOut, loadErr), 1) << path;
        EXPECT_EQ(loadErr.str(), line) << path;
        EXPECT_EQ(loadOut.str(), "") << path;
    }
    std::filesystem::remove(sparse);
    std::filesystem::remove(fifo);
}

TEST(SimOptions, CommandLine)
{
    std::string error;
    auto options = sim::ParseSimOptions({"--data", "d", "--seed", "9", "--seasons", "3", "--no-eurocopa", "--leagues", "29,11"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->dataFolder, "d");
    EXPECT_EQ(options->seed, 9u);
    EXPECT_EQ(options->seasons, 3);
    EXPECT_FALSE(options->eurocopa);
    EXPECT_TRUE(options->copaAmerica);
    EXPECT_EQ(options->leagues, (std::vector<int>{29, 11}));
    EXPECT_FALSE(sim::ParseSimOptions({"--seed", "9"}, error));              // no game folder
    EXPECT_FALSE(sim::ParseSimOptions({"--data", "d", "--seasons"}, error));  // missing value
    EXPECT_FALSE(sim::ParseSimOptions({"--data", "d", "--division-size", "12"}, error));
    EXPECT_FALSE(sim::ParseSimOptions({"--data", "d", "--leagues", "29,x"}, error));
    EXPECT_TRUE(sim::ParseSimOptions({"--load", "a.nsx", "--seasons", "0", "--save", "b.nsx"}, error));
}

}  // namespace
