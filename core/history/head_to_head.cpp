#include "core/history/head_to_head.h"

#include "core/records/history_records.h"

namespace tarvelon {

HeadToHead SummarizeHeadToHead(int clubA, int clubB)
{
    HeadToHead summary;
    for (const TPastMatch& past : PastMatches) {
        const bool aAtHome = past.homeClub == clubA && past.awayClub == clubB;
        const bool bAtHome = past.homeClub == clubB && past.awayClub == clubA;
        if (!aAtHome && !bAtHome)
            continue;
        const int goalsOfA = aAtHome ? past.homeGoals : past.awayGoals;
        const int goalsOfB = aAtHome ? past.awayGoals : past.homeGoals;
        ++summary.games;
        if (goalsOfA == goalsOfB)
            ++summary.draws;
        else if (goalsOfA > goalsOfB)
            ++summary.wins;
        else
            ++summary.losses;
        summary.goalsFor += goalsOfA;
        summary.goalsAgainst += goalsOfB;
        summary.hasLastMeeting = true;
        summary.lastSeason = past.season;
        summary.lastKind = past.kind;
        summary.lastHomeClub = past.homeClub;
        summary.lastAwayClub = past.awayClub;
        summary.lastHomeGoals = past.homeGoals;
        summary.lastAwayGoals = past.awayGoals;
    }
    return summary;
}

}  // namespace tarvelon
