#include "core/history/history_records.h"

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

}  // namespace tarvelon
