#include "core/history/top_scorer.h"

#include "core/basics/currency.h"
#include "core/history/history_appenders.h"
#include "core/records/history_records.h"
#include "core/history/season_lines.h"
#include "core/prizes/prize_payment.h"
#include "core/prizes/prize_tables.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/season/competitions.h"
#include "core/sort/record_sort.h"

namespace tarvelon {

std::vector<TTopScorerRow> TopScorerList;

int FirstAllTimeGoals(int player)
{
    const int first = FindFirstAllTimeTally(player);
    return first >= 0 ? AllTimeGoalTallies[static_cast<std::size_t>(first)].goals : 0;
}

int CompareTopScorerRows(const void* a, const void* b)
{
    const auto& first = *static_cast<const TTopScorerRow*>(a);
    const auto& second = *static_cast<const TTopScorerRow*>(b);
    if (first.goals != second.goals)
        return first.goals > second.goals ? -1 : 1;
    if (first.secondTally != second.secondTally)
        return first.secondTally < second.secondTally ? -1 : 1;
    return 0;
}

void AwardTopScorer(int kind, int region, int division, int keyA, int keyB)
{
    const int competition = FindCompetition(kind, region, division, keyA, keyB);
    TopScorerList.clear();
    // A tally of no player (-1, which a loaded file may hold) is no top scorer: the league's would
    // have been made a star at Players[-1].
    for (const TGoalTally& tally : GoalTallies)
        if (tally.competition == competition && tally.player >= 0 && tally.player < static_cast<int>(Players.size()))
            TopScorerList.push_back({tally.player, tally.goals, FirstAllTimeGoals(tally.player), tally.club});
    if (TopScorerList.empty())
        return;
    SortRecords(TopScorerList.data(), static_cast<int>(sizeof(TTopScorerRow)), 0, static_cast<int>(TopScorerList.size()) - 1,
                CompareTopScorerRows);
    const TTopScorerRow best = TopScorerList.front();
    AddTopScorer(competition, best.club, best.player, best.goals);
    // The state championships pay their top scorers' clubs with the finals.
    if (kind == kKindNationalLeague || kind == kKindNationalCup)
        PayClubPrize(best.club, TopScorerPrize(kind));
    if (kind == kKindNationalLeague)
        Players[best.player].Star = 1;
}

}  // namespace tarvelon
