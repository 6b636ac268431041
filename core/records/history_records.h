#pragma once
// The game's history: final places, honours, scorers, goal tallies, season lines of players and coaches and
// past results. All of them are saved raw with the game, so their layouts are part of the saved-game file.
// The season is the game state's season number (year = 2009 + number).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvelon {

#pragma pack(push, 1)

// A club's final place in one competition of one season.
struct TPlacing {
    std::int32_t season;
    std::int32_t competition;  // index into Competitions
    std::int32_t club;
    std::int32_t place;
    std::int32_t coach;  // the club's coach; 50000 + national-team index for a national team without one; -1
};
static_assert(sizeof(TPlacing) == 20);
static_assert(offsetof(TPlacing, season) == 0);
static_assert(offsetof(TPlacing, competition) == 4);
static_assert(offsetof(TPlacing, club) == 8);
static_assert(offsetof(TPlacing, place) == 12);
static_assert(offsetof(TPlacing, coach) == 16);

struct TCoachHonour {
    std::int32_t season;
    std::int32_t kind;
    std::int32_t club;
    std::int32_t coach;
    std::int32_t division;
    std::int32_t place;
    std::int32_t region;  // the continental edition for both continental cups
};
static_assert(sizeof(TCoachHonour) == 28);
static_assert(offsetof(TCoachHonour, season) == 0);
static_assert(offsetof(TCoachHonour, kind) == 4);
static_assert(offsetof(TCoachHonour, club) == 8);
static_assert(offsetof(TCoachHonour, coach) == 12);
static_assert(offsetof(TCoachHonour, division) == 16);
static_assert(offsetof(TCoachHonour, place) == 20);
static_assert(offsetof(TCoachHonour, region) == 24);

struct TClubPlacing {
    std::int32_t club;
    std::int32_t season;
    std::int32_t kind;
    std::int32_t place;
    std::int32_t divisionOrState;
};
static_assert(sizeof(TClubPlacing) == 20);
static_assert(offsetof(TClubPlacing, club) == 0);
static_assert(offsetof(TClubPlacing, season) == 4);
static_assert(offsetof(TClubPlacing, kind) == 8);
static_assert(offsetof(TClubPlacing, place) == 12);
static_assert(offsetof(TClubPlacing, divisionOrState) == 16);

// A season's top scorer of one competition.
struct TScorer {
    std::int32_t season;
    std::int32_t competition;
    std::int32_t club;
    std::int32_t player;
    std::int32_t keyA;  // 0 when written by AddTopScorer
    std::int32_t goals;
    std::int32_t keyB;  // 0 when written by AddTopScorer
};
static_assert(sizeof(TScorer) == 28);
static_assert(offsetof(TScorer, season) == 0);
static_assert(offsetof(TScorer, competition) == 4);
static_assert(offsetof(TScorer, club) == 8);
static_assert(offsetof(TScorer, player) == 12);
static_assert(offsetof(TScorer, keyA) == 16);
static_assert(offsetof(TScorer, goals) == 20);
static_assert(offsetof(TScorer, keyB) == 24);

struct TGoalTally {
    std::int32_t player;
    std::int32_t goals;
    std::int32_t competition;
    std::int32_t club;
};
static_assert(sizeof(TGoalTally) == 16);
static_assert(offsetof(TGoalTally, player) == 0);
static_assert(offsetof(TGoalTally, goals) == 4);
static_assert(offsetof(TGoalTally, competition) == 8);
static_assert(offsetof(TGoalTally, club) == 12);

struct TPlayerSeasonStats {
    std::int32_t player;
    std::int32_t goals;
    std::int32_t yellowCards;
    std::int32_t redCards;
    std::int32_t games;
    std::int32_t injuries;
    std::int32_t season;
    std::int32_t club;
};
static_assert(sizeof(TPlayerSeasonStats) == 32);
static_assert(offsetof(TPlayerSeasonStats, player) == 0);
static_assert(offsetof(TPlayerSeasonStats, goals) == 4);
static_assert(offsetof(TPlayerSeasonStats, yellowCards) == 8);
static_assert(offsetof(TPlayerSeasonStats, redCards) == 12);
static_assert(offsetof(TPlayerSeasonStats, games) == 16);
static_assert(offsetof(TPlayerSeasonStats, injuries) == 20);
static_assert(offsetof(TPlayerSeasonStats, season) == 24);
static_assert(offsetof(TPlayerSeasonStats, club) == 28);

struct TCoachSeason {
    std::int32_t coach;
    std::int32_t games;
    std::int32_t wins;
    std::int32_t losses;
    std::int32_t rankingPoints;
    std::int32_t titles;
    std::int32_t club;
    std::int32_t season;
};
static_assert(sizeof(TCoachSeason) == 32);
static_assert(offsetof(TCoachSeason, coach) == 0);
static_assert(offsetof(TCoachSeason, games) == 4);
static_assert(offsetof(TCoachSeason, wins) == 8);
static_assert(offsetof(TCoachSeason, losses) == 12);
static_assert(offsetof(TCoachSeason, rankingPoints) == 16);
static_assert(offsetof(TCoachSeason, titles) == 20);
static_assert(offsetof(TCoachSeason, club) == 24);
static_assert(offsetof(TCoachSeason, season) == 28);

// One past result, for head-to-head records.
struct TPastMatch {
    std::int32_t homeClub;
    std::int32_t awayClub;
    std::int32_t homeGoals;
    std::int32_t awayGoals;
    std::int32_t season;
    std::int32_t kind;
};
static_assert(sizeof(TPastMatch) == 24);
static_assert(offsetof(TPastMatch, homeClub) == 0);
static_assert(offsetof(TPastMatch, awayClub) == 4);
static_assert(offsetof(TPastMatch, homeGoals) == 8);
static_assert(offsetof(TPastMatch, awayGoals) == 12);
static_assert(offsetof(TPastMatch, season) == 16);
static_assert(offsetof(TPastMatch, kind) == 20);

#pragma pack(pop)

extern std::vector<TPlacing> Placings;
extern std::vector<TCoachHonour> CoachHonours;
extern std::vector<TClubPlacing> ClubPlacings;
extern std::vector<TScorer> Scorers;
extern std::vector<TGoalTally> GoalTallies;         // this season
extern std::vector<TGoalTally> AllTimeGoalTallies;  // the whole game
extern std::vector<TPlayerSeasonStats> PlayerSeasonStats;
extern std::vector<TCoachSeason> CoachSeasons;
extern std::vector<TPastMatch> PastMatches;

}  // namespace tarvelon
