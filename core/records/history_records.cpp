#include "core/records/history_records.h"

#include "core/records/table_reset.h"

namespace tarvelon {

std::vector<TPlacing> Placings;
std::vector<TCoachHonour> CoachHonours;
std::vector<TClubPlacing> ClubPlacings;
std::vector<TScorer> Scorers;
std::vector<TGoalTally> GoalTallies;
std::vector<TGoalTally> AllTimeGoalTallies;
std::vector<TPlayerSeasonStats> PlayerSeasonStats;
std::vector<TCoachSeason> CoachSeasons;
std::vector<TPastMatch> PastMatches;

namespace {

const GameTableReset historyReset([] {
    Placings.clear();
    CoachHonours.clear();
    ClubPlacings.clear();
    Scorers.clear();
    GoalTallies.clear();
    AllTimeGoalTallies.clear();
    PlayerSeasonStats.clear();
    CoachSeasons.clear();
    PastMatches.clear();
});

}  // namespace

}  // namespace tarvelon
