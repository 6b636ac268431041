#pragma once
// The ranges of the numbers of a saved game that the rules count with, add to or loop over, listed
// once, record by record (VisitSavedRanges). The loader refuses a file holding one outside its range
// as damaged; the game holds its own tables to the same ranges as it writes a file, so a game the
// loader takes always saves a file the loader takes again, however long it is played.
//
// Each range lies far above anything a game of any length reaches, so holding a number there changes
// no game that was never damaged, and far enough below the limits of its type that the additions the
// rules make between two saves, and the sums and products they make of these numbers, stay in range.
#include <algorithm>
#include <cstdint>
#include <type_traits>

#include "core/persist/saved_game_blocks.h"

namespace tarvelon {

// A range, named as the loader's refusal names it.
struct SavedRange {
    const char* name;
    std::int64_t lo;
    std::int64_t hi;
};

// The tallies: standings, all-time records, honours, titles, ranking points, players' careers, cards
// and bans, season lines, goal tallies, stadium seats. The rules add a day's goals, points and cards.
inline constexpr std::int32_t kMaxSavedTally = 100'000'000;
inline constexpr SavedRange kSavedTallies{"tallies", -kMaxSavedTally, kMaxSavedTally};

// A player's strength and energy are 1..100 in play (the matchday clamps them, rounds move them a
// little beyond); the rules multiply them together. The same bound holds the other small numbers the
// rules add one to and clamp afterwards, or subtract one from another: a player's age, morale and its
// countdown, a club's level (1..25), board confidence, supporters' mood, squad mood and its countdown.
inline constexpr std::int32_t kMaxSavedAttribute = 10'000;
inline constexpr SavedRange kSavedAttributes{"attributes", -kMaxSavedAttribute, kMaxSavedAttribute};

// A match ends with a handful of goals: the goals of past results, of played fixtures and of the state
// finals. The views sum the two legs of a tie, a club's games of a season, two clubs' meetings.
inline constexpr std::int32_t kMaxSavedMatchGoals = 1'000;
inline constexpr SavedRange kSavedGoals{"goals", 0, kMaxSavedMatchGoals};

// A round, leg, turn or stage counter of a competition moves by one a day of play and starts again
// each season or tournament, so it never passes the days of a season.
inline constexpr std::int32_t kMaxSavedStage = 1'000;
inline constexpr SavedRange kSavedStages{"stages", 0, kMaxSavedStage};

// The game's season, and the season every history record was written in (past results, coach
// hirings, final places, honours, club placings, top scorers, season lines), which the views show as
// the year 2009 + season; the tournaments held, at most one of each a season; today's calendar day.
inline constexpr SavedRange kSavedSeasons{"seasons", 1, kLastSeason};
inline constexpr SavedRange kSavedEditions{"editions", 0, kLastSeason};
inline constexpr SavedRange kSavedCalendarDay{"calendar day", 1, kCalendarDays};

// Money (Currency, whole units times 10,000): a club's cash, a player's wage, value and asking price.
// 10^11 whole units is thousands of times the richest club's cash; a season's prizes, gates, interest
// and transfers on top, a bid's multiple of a value and a squad's wage bill stay far inside 64 bits.
inline constexpr std::int64_t kMaxSavedMoney = 1'000'000'000'000'000;
inline constexpr SavedRange kSavedMoney{"money", -kMaxSavedMoney, kMaxSavedMoney};

// Calls visit(field, range) for every ranged number of the record (each element of an array field).
template <typename Visit, typename Field>
void VisitRangedField(Visit& visit, Field& field, const SavedRange& range)
{
    if constexpr (std::is_array_v<Field>) {
        for (auto& element : field) VisitRangedField(visit, element, range);
    } else {
        visit(field, range);
    }
}

template <typename Record, typename Visit>
void VisitSavedRanges(Record& r, Visit&& visit)
{
    using R = std::remove_const_t<Record>;
    const auto ranged = [&visit](const SavedRange& range, auto&... fields) {
        (VisitRangedField(visit, fields, range), ...);
    };
    if constexpr (std::is_same_v<R, TGameState>) {
        ranged(kSavedSeasons, r.Season);
        ranged(kSavedCalendarDay, r.DayIndex);
        ranged(kSavedStages, r.LeagueRound, r.LeagueTurn, r.NationalCupStage, r.nationalCupRound, r.NationalCupLeg,
               r.StateTurn, r.StateStage, r.FirstContinentalTurn, r.FirstContinentalStage, r.FirstContinentalLeg,
               r.SecondContinentalTurn, r.SecondContinentalStage, r.SecondContinentalLeg, r.ClubWorldCupStage,
               r.TournamentStage, r.tournamentLeg);
        ranged(kSavedEditions, r.worldCupEditions, r.copaAmericaEditions, r.eurocopaEditions);
    } else if constexpr (std::is_same_v<R, TClub>) {
        ranged(kSavedMoney, r.cash);
        ranged(kSavedAttributes, r.Level, r.boardConfidence, r.SupportersMood, r.squadMood, r.moodCountdown);
        ranged(kSavedTallies, r.allTimeRecord, r.SectorSeats, r.Points, r.Played, r.Won, r.Lost, r.GoalsFor,
               r.GoalsAgainst, r.honourPoints, r.stateTitles);
    } else if constexpr (std::is_same_v<R, TPlayer>) {
        ranged(kSavedMoney, r.wage, r.Value, r.AskingPrice);
        ranged(kSavedAttributes, r.Strength, r.Energy, r.Age, r.Morale, r.moraleCountdown);
        ranged(kSavedTallies, r.YellowCards, r.Bans, r.careerGoals, r.careerCards, r.careerGames, r.playingTimeCounter);
    } else if constexpr (std::is_same_v<R, TPlayerSeasonStats>) {
        ranged(kSavedSeasons, r.season);
        ranged(kSavedTallies, r.goals, r.yellowCards, r.redCards, r.games, r.injuries);
    } else if constexpr (std::is_same_v<R, TGoalTally>) {
        ranged(kSavedTallies, r.goals);
    } else if constexpr (std::is_same_v<R, TCoach>) {
        ranged(kSavedTallies, r.nationalRankingPoints, r.worldRankingPoints, r.titles, r.divisionTitles);
    } else if constexpr (std::is_same_v<R, TCoachSeason>) {
        ranged(kSavedSeasons, r.season);
        ranged(kSavedTallies, r.games, r.wins, r.losses, r.rankingPoints, r.titles);
    } else if constexpr (std::is_same_v<R, TStadiumWork>) {
        ranged(kSavedTallies, r.seatsAdded);
    } else if constexpr (std::is_same_v<R, TPastMatch>) {
        ranged(kSavedSeasons, r.season);
        ranged(kSavedGoals, r.homeGoals, r.awayGoals);
    } else if constexpr (std::is_same_v<R, TFixture>) {
        ranged(kSavedGoals, r.homeGoals, r.awayGoals);
    } else if constexpr (std::is_same_v<R, TStateChampionship>) {
        ranged(kSavedGoals, r.finalGoals);
    } else if constexpr (std::is_same_v<R, TCoachHiring> || std::is_same_v<R, TPlacing> ||
                         std::is_same_v<R, TCoachHonour> || std::is_same_v<R, TClubPlacing> ||
                         std::is_same_v<R, TScorer>) {
        ranged(kSavedSeasons, r.season);
    }
}

// Calls VisitSavedRanges for the game state and every record of every table of a saved game's image.
template <typename Visit>
void VisitImageRanges(const SavedGameImage& image, Visit&& visit)
{
    VisitSavedRanges(image.game, visit);
    VisitSavedBlocks(image, [&visit](int, const auto& table, const auto&) {
        for (const auto& record : table) VisitSavedRanges(record, visit);
    });
}

// The game state alone, as the header of a file is checked before its tables are read.
bool SavedGameStateInRange(const TGameState& game);

// The name of the first range the image breaks ("tallies", "money", ...); null when none.
const char* SavedRangeBroken(const SavedGameImage& image);

// The same of the live game: a game never damaged breaks none, however long it is played.
const char* LiveRangeBroken();

// The live game state and tables held to their ranges, as a file is written from them.
void HoldLiveTablesInSavedRanges();

}  // namespace tarvelon
