#include "core/matchday_rules/match_stats.h"

#include "core/basics/rounding.h"
#include "core/records/match_records.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kCounterAttack = 2;

int Scaled(int count, double factor) { return static_cast<int>(Round(count * factor)); }

}  // namespace

void TouchUpMatchStatistics(int m)
{
    jogos& match = Matches[m];
    for (int s = 0; s < 2; ++s)
        if (match.shots[s] == 0)
            match.shots[s] = 1;
    if (match.goals[0] != match.goals[1]) {
        const int loser = match.goals[0] < match.goals[1] ? 0 : 1;
        match.possession[loser] = Scaled(match.possession[loser], 0.9);
    }
    for (int s = 0; s < 2; ++s) {
        const int club = match.club[s];
        if (club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].PlayingStyle == kCounterAttack)
            match.possession[s] = Scaled(match.possession[s], 0.7);
    }
}

int PossessionShare(int homePossession, int awayPossession)
{
    const double total = static_cast<double>(homePossession) + awayPossession;
    if (total <= 0)
        return 50;
    return static_cast<int>(Round(homePossession * 100.0 / total));
}

}  // namespace tarvelon
