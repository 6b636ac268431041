#pragma once
// A game made in code for the saved-game tests and benchmark: every saved table filled with
// records of seeded random bytes (reserved bytes included), a game state of version 10 whose
// current club and coach have names, and a scratch working folder holding "sav/".
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/mail/mail_texts.h"
#include "core/persist/saved_game_image.h"
#include "core/persist/saved_game_ranges.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/saved_game_world_links.h"

namespace tarvelon::savetest {

template <typename Record>
void FillRandom(Record* records, std::size_t count, std::mt19937& rng)
{
    auto* bytes = reinterpret_cast<unsigned char*>(records);
    for (std::size_t i = 0; i < count * sizeof(Record); ++i) bytes[i] = static_cast<unsigned char>(rng());
}

template <typename Record>
void FillTable(std::vector<Record>& table, std::size_t count, std::mt19937& rng)
{
    table.resize(count);
    FillRandom(table.data(), count, rng);
}

template <typename Record, std::size_t N>
void FillTable(std::array<Record, N>& table, std::size_t, std::mt19937& rng)
{
    FillRandom(table.data(), N, rng);
}

// Random words brought within the tallies' range (every 4-byte word of the records, tallies among
// them), so that the loader takes the world: it refuses tallies no game can reach.
template <typename Record>
void KeepWordsWithinTallies(std::vector<Record>& table)
{
    static_assert(sizeof(Record) % 4 == 0);
    auto* bytes = reinterpret_cast<unsigned char*>(table.data());
    for (std::size_t at = 0; at < table.size() * sizeof(Record); at += 4) {
        std::int32_t word;
        std::memcpy(&word, bytes + at, 4);
        word %= kMaxSavedTally;
        std::memcpy(bytes + at, &word, 4);
    }
}

// The random words that point into tables brought into them, so that the loader takes the world: it
// refuses a file whose indexes point outside their tables.
inline void KeepIndexesInTables()
{
    const std::size_t clubs = Clubs.size();
    for (TPlayer& player : Players) KeepIndexIn(player.Club, clubs);
    for (TClub& club : Clubs) {
        KeepIndexIn(club.coach, Coaches.size());
        KeepBelow(club.State, NationalTeams.size());  // every club is a national team's entry: no league clubs
    }
    for (TCoach& coach : Coaches) KeepIndexIn(coach.club, clubs);
    // A team's entry is the club that names it back, or none.
    for (std::size_t team = 0; team < NationalTeams.size(); ++team) {
        const auto entry = std::find_if(Clubs.begin(), Clubs.end(), [team](const TClub& club) {
            return club.State == static_cast<std::int32_t>(team);
        });
        NationalTeams[team].clubEntry = entry == Clubs.end() ? -1 : static_cast<std::int32_t>(entry - Clubs.begin());
    }
    for (TFixture& fixture : Fixtures) {
        KeepIndexIn(fixture.home, clubs);
        KeepIndexIn(fixture.away, clubs);
        fixture.kind = static_cast<std::int32_t>(static_cast<std::uint32_t>(fixture.kind) % 10);
    }
    for (TCompetition& competition : Competitions)
        competition.kind = static_cast<std::int32_t>(static_cast<std::uint32_t>(competition.kind) % 10);
    for (TPlacing& placing : Placings) KeepIndexIn(placing.competition, Competitions.size());
    for (TScorer& scorer : Scorers) KeepIndexIn(scorer.competition, Competitions.size());
    for (TMailMessage& mail : MailMessages) {
        KeepIndexIn(mail.recipientClub, clubs);
        KeepIndexIn(mail.player, Players.size());
        mail.sender = static_cast<std::int32_t>(static_cast<std::uint32_t>(mail.sender) % 6);
        mail.subjectId = static_cast<std::int32_t>(static_cast<std::uint32_t>(mail.subjectId) % (kMailSubjectCount + 1));
        mail.bodyTextId = static_cast<std::int32_t>(static_cast<std::uint32_t>(mail.bodyTextId) % (kMailTextCount + 1));
        KeepIndexIn(mail.clubOrSecondPlayer, std::min(clubs, Players.size()));
    }
    Game.CurrentHumanCoach = 0;
}

// A random word brought within first .. last.
inline void KeepWithin(std::int32_t& word, std::int32_t first, std::int32_t last)
{
    word = first + static_cast<std::int32_t>(static_cast<std::uint32_t>(word) % static_cast<std::uint32_t>(last - first + 1));
}

template <typename Records>
void KeepSeasonsInRange(Records& records)
{
    for (auto& record : records) KeepWithin(record.season, 1, kLastSeason);
}

// The results' goals and the history's seasons brought within their ranges, so that the loader takes
// the world: it refuses a season or a match's goals that no game writes.
inline void KeepResultsInRanges()
{
    for (TPastMatch& match : PastMatches) {
        KeepWithin(match.homeGoals, 0, kMaxSavedMatchGoals);
        KeepWithin(match.awayGoals, 0, kMaxSavedMatchGoals);
    }
    for (TFixture& fixture : Fixtures) {
        KeepWithin(fixture.homeGoals, 0, kMaxSavedMatchGoals);
        KeepWithin(fixture.awayGoals, 0, kMaxSavedMatchGoals);
    }
    for (TStateChampionship& state : StateChampionships)
        for (std::int32_t& goals : state.finalGoals) KeepWithin(goals, 0, kMaxSavedMatchGoals);
    KeepSeasonsInRange(PastMatches);
    KeepSeasonsInRange(CoachHirings);
    KeepSeasonsInRange(Placings);
    KeepSeasonsInRange(CoachHonours);
    KeepSeasonsInRange(ClubPlacings);
    KeepSeasonsInRange(Scorers);
    KeepSeasonsInRange(PlayerSeasonStats);
    KeepSeasonsInRange(CoachSeasons);
}

// Every saved table gets records of random bytes: `players` players, `clubs` clubs, and a few of
// everything else. The game state is sane: version 10, a named current club with a named coach.
inline void BuildSaveWorld(std::size_t players, std::size_t clubs, unsigned seed)
{
    std::mt19937 rng(seed);
    ResetGameState();
    ResetGameTables();
    SavedGameImage sizes;  // only its member list is used, to reach every live table
    std::size_t block = 0;
    VisitSavedBlocks(sizes, [&](int, auto&, auto& live) {
        ++block;
        FillTable(live, 3 + block % 7, rng);
    });
    FillTable(Players, players, rng);
    FillTable(Clubs, clubs, rng);
    FillTable(ClubFinances, clubs, rng);
    KeepWordsWithinTallies(Players);
    KeepWordsWithinTallies(Clubs);
    KeepWordsWithinTallies(Coaches);
    KeepWordsWithinTallies(CoachSeasons);
    KeepWordsWithinTallies(StadiumWorks);
    KeepWordsWithinTallies(PlayerSeasonStats);
    KeepWordsWithinTallies(GoalTallies);
    KeepWordsWithinTallies(AllTimeGoalTallies);
    KeepIndexesInTables();
    KeepResultsInRanges();
    KeepLinksInTables();
    EnsurePlayerElementZero();
    Game.saveVersion = kSaveVersion;
    Game.Season = 3;
    Game.LeagueFormat = 2;
    Game.DayIndex = 40;
    Game.DayKind = 1;
    Game.CurrentHumanClub = 1;
    Game.coachedNationalTeam = 2;
    Clubs[1].name.set("Clube Atlético Tarvelon");
    Clubs[1].coach = 0;
    Clubs[2].name.set("Seleção");
    Coaches[0].name.set("Técnico Teste");
}

// The game in memory as bytes: the saved image, plus what a load sets beside it.
inline std::string GameSnapshot()
{
    std::string bytes = WriteSavedGameImage();
    for (const TCalendarEntry& day : Calendar)  // field by field: the entry has padding
        bytes += std::to_string(day.ordinal) + " " + std::to_string(day.date) + " " + std::to_string(day.dayKind) + ";";
    return bytes;
}

// Runs a test inside a fresh scratch folder (with or without "sav/") and leaves it afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& tag, bool withSaveFolder = true)
        : previous_(std::filesystem::current_path()),
          folder_(std::filesystem::temp_directory_path() /
                  ("tarvelon-" + tag + "-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(folder_);
        if (withSaveFolder) std::filesystem::create_directory(folder_ / "sav");
        std::filesystem::current_path(folder_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace tarvelon::savetest
