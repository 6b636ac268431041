#include "core/persist/saved_game_ranges.h"

#include <algorithm>
#include <iterator>

namespace tarvelon {

namespace {

bool InRange(std::int32_t tally) { return tally >= -kMaxSavedTally && tally <= kMaxSavedTally; }

template <typename Range>
bool AllInRange(const Range& tallies)
{
    return std::all_of(std::begin(tallies), std::end(tallies), [](std::int32_t t) { return InRange(t); });
}

bool ClubTalliesInRange(const TClub& club)
{
    for (const auto& figures : club.allTimeRecord)
        if (!AllInRange(figures))
            return false;
    return AllInRange(club.Points) && AllInRange(club.Played) && AllInRange(club.Won) && AllInRange(club.Lost) &&
           AllInRange(club.GoalsFor) && AllInRange(club.GoalsAgainst) && AllInRange(club.honourPoints) &&
           InRange(club.stateTitles);
}

bool AttributeInRange(std::int32_t value) { return value >= -kMaxSavedAttribute && value <= kMaxSavedAttribute; }

bool PlayerTalliesInRange(const TPlayer& player)
{
    return AttributeInRange(player.Strength) && AttributeInRange(player.Energy) && AllInRange(player.YellowCards) && AllInRange(player.Bans) && InRange(player.careerGoals) &&
           InRange(player.careerCards) && InRange(player.careerGames) && InRange(player.playingTimeCounter);
}

bool SeasonLineInRange(const TPlayerSeasonStats& line)
{
    return InRange(line.goals) && InRange(line.yellowCards) && InRange(line.redCards) && InRange(line.games) &&
           InRange(line.injuries);
}

bool TallyInRange(const TGoalTally& tally) { return InRange(tally.goals); }

}  // namespace

bool SavedGameStateInRange(const TGameState& game)
{
    return game.Season >= 1 && game.Season <= kLastSeason && game.DayIndex >= 1 && game.DayIndex <= kCalendarDays;
}

bool SavedTalliesInRange(const SavedGameImage& image)
{
    return std::all_of(image.clubs.begin(), image.clubs.end(), ClubTalliesInRange) &&
           std::all_of(image.players.begin(), image.players.end(), PlayerTalliesInRange) &&
           std::all_of(image.playerSeasonStats.begin(), image.playerSeasonStats.end(), SeasonLineInRange) &&
           std::all_of(image.goalTallies.begin(), image.goalTallies.end(), TallyInRange) &&
           std::all_of(image.allTimeGoalTallies.begin(), image.allTimeGoalTallies.end(), TallyInRange);
}

}  // namespace tarvelon
