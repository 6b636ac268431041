// The index checks of the game's history: the people and clubs of final places, honours, scorers,
// goal tallies, season lines, hirings, past results and the state championships' results.
#include "core/history/history_appenders.h"
#include "core/persist/saved_game_index_checks.h"
#include "core/records/state_championship.h"

namespace tarvelon::savedindex {

namespace {

// Competition element 0 is no competition, as -1 is.
bool CompetitionOrNone(std::int32_t competition, std::size_t competitions)
{
    return competition == 0 || IndexOrNone(competition, competitions);
}

// A placing names the club's coach, or a national team without one as kNationalTeamCoachBase plus
// the team's index.
bool PlacingCoachInTables(std::int32_t coach, const TableSizes& sizes)
{
    return IndexOrNone(coach, sizes.coaches) ||
           (coach >= kNationalTeamCoachBase && InTable(coach - kNationalTeamCoachBase, sizes.nationalTeams));
}

bool PlacingInTables(const TPlacing& placing, const TableSizes& sizes)
{
    return CompetitionOrNone(placing.competition, sizes.competitions) && IndexOrNone(placing.club, sizes.clubs) &&
           PlacingCoachInTables(placing.coach, sizes);
}

bool ScorerInTables(const TScorer& scorer, const TableSizes& sizes)
{
    return CompetitionOrNone(scorer.competition, sizes.competitions) && IndexOrNone(scorer.club, sizes.clubs) &&
           IndexOrNone(scorer.player, sizes.players);
}

bool TallyInTables(const TGoalTally& tally, const TableSizes& sizes)
{
    return IndexOrNone(tally.player, sizes.players) && CompetitionOrNone(tally.competition, sizes.competitions) &&
           IndexOrNone(tally.club, sizes.clubs);
}

// The club of a state result and its state and tier in the state championships' records.
bool StateResultInTables(const TStateResult& result, const TableSizes& sizes)
{
    return IndexOrNone(result.club, sizes.clubs) && InTable(result.state, kStateCount) &&
           Within(result.tier, 0, kStateTierCount);
}

template <typename Records, typename Test>
bool EveryOf(const Records& records, const TableSizes& sizes, Test test)
{
    return Every(records, [&sizes, &test](const auto& record) { return test(record, sizes); });
}

}  // namespace

const char* HistoryIndexOutside(const SavedGameImage& image, const TableSizes& sizes)
{
    const std::size_t clubs = sizes.clubs;
    const std::size_t coaches = sizes.coaches;
    if (!EveryOf(image.placings, sizes, PlacingInTables)) return "placing";
    if (!Every(image.coachHonours, [&](const TCoachHonour& h) {
            return IndexOrNone(h.club, clubs) && IndexOrNone(h.coach, coaches);
        }))
        return "coach's honour";
    if (!Every(image.clubPlacings, [&](const TClubPlacing& p) { return IndexOrNone(p.club, clubs); }))
        return "club's placing";
    if (!EveryOf(image.scorers, sizes, ScorerInTables)) return "top scorer";
    if (!EveryOf(image.goalTallies, sizes, TallyInTables) || !EveryOf(image.allTimeGoalTallies, sizes, TallyInTables))
        return "goal tally";
    if (!Every(image.playerSeasonStats, [&](const TPlayerSeasonStats& s) {
            return IndexOrNone(s.player, sizes.players) && IndexOrNone(s.club, clubs);
        }))
        return "player's season line";
    if (!Every(image.coachSeasons, [&](const TCoachSeason& s) {
            return IndexOrNone(s.coach, coaches) && IndexOrNone(s.club, clubs);
        }))
        return "coach's season line";
    if (!Every(image.coachHirings, [&](const TCoachHiring& h) {
            return IndexOrNone(h.coach, coaches) && IndexOrNone(h.club, clubs);
        }))
        return "coach's hiring";
    if (!Every(image.pastMatches, [&](const TPastMatch& m) {
            return IndexOrNone(m.homeClub, clubs) && IndexOrNone(m.awayClub, clubs);
        }))
        return "past result";
    if (!EveryOf(image.stateResults, sizes, StateResultInTables)) return "state result";
    return nullptr;
}

}  // namespace tarvelon::savedindex
