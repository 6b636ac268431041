#include "core/persist/saved_game_ranges.h"

#include <algorithm>
#include <iterator>

namespace tarvelon {

namespace {

bool InRange(std::int32_t tally) { return tally >= -kMaxSavedTally && tally <= kMaxSavedTally; }

bool AttributeInRange(std::int32_t value) { return value >= -kMaxSavedAttribute && value <= kMaxSavedAttribute; }

bool StageInRange(std::int32_t counter) { return counter >= 0 && counter <= kMaxSavedStage; }

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
    const std::int32_t small[] = {club.Level, club.boardConfidence, club.SupportersMood, club.squadMood,
                                  club.moodCountdown};
    return std::all_of(std::begin(small), std::end(small), AttributeInRange) && AllInRange(club.SectorSeats) &&
           AllInRange(club.Points) && AllInRange(club.Played) && AllInRange(club.Won) && AllInRange(club.Lost) &&
           AllInRange(club.GoalsFor) && AllInRange(club.GoalsAgainst) && AllInRange(club.honourPoints) &&
           InRange(club.stateTitles);
}

bool PlayerTalliesInRange(const TPlayer& player)
{
    return AttributeInRange(player.Strength) && AttributeInRange(player.Energy) && AttributeInRange(player.Age) &&
           AttributeInRange(player.Morale) && AttributeInRange(player.moraleCountdown) &&
           AllInRange(player.YellowCards) && AllInRange(player.Bans) && InRange(player.careerGoals) &&
           InRange(player.careerCards) && InRange(player.careerGames) && InRange(player.playingTimeCounter);
}

bool SeasonLineInRange(const TPlayerSeasonStats& line)
{
    return InRange(line.goals) && InRange(line.yellowCards) && InRange(line.redCards) && InRange(line.games) &&
           InRange(line.injuries);
}

bool TallyInRange(const TGoalTally& tally) { return InRange(tally.goals); }

bool CoachTalliesInRange(const TCoach& coach)
{
    return InRange(coach.nationalRankingPoints) && InRange(coach.worldRankingPoints) && AllInRange(coach.titles) &&
           AllInRange(coach.divisionTitles);
}

bool CoachSeasonInRange(const TCoachSeason& line)
{
    return InRange(line.games) && InRange(line.wins) && InRange(line.losses) && InRange(line.rankingPoints) &&
           InRange(line.titles);
}

bool StadiumWorkInRange(const TStadiumWork& work) { return AllInRange(work.seatsAdded); }

bool StagesInRange(const TGameState& game)
{
    const std::int32_t stages[] = {game.LeagueRound, game.LeagueTurn, game.NationalCupStage, game.nationalCupRound,
                                   game.NationalCupLeg, game.StateTurn, game.StateStage, game.FirstContinentalTurn,
                                   game.FirstContinentalStage, game.FirstContinentalLeg, game.SecondContinentalTurn,
                                   game.SecondContinentalStage, game.SecondContinentalLeg, game.ClubWorldCupStage,
                                   game.TournamentStage, game.tournamentLeg};
    return std::all_of(std::begin(stages), std::end(stages), StageInRange);
}

bool EditionsInRange(const TGameState& game)
{
    const auto held = [](std::int32_t editions) { return editions >= 0 && editions <= kLastSeason; };
    return held(game.worldCupEditions) && held(game.copaAmericaEditions) && held(game.eurocopaEditions);
}

bool SeasonInRange(std::int32_t season) { return season >= 1 && season <= kLastSeason; }

bool GoalsInRange(std::int32_t goals) { return goals >= 0 && goals <= kMaxSavedMatchGoals; }

template <typename Records>
bool SeasonsInRange(const Records& records)
{
    return std::all_of(records.begin(), records.end(), [](const auto& r) { return SeasonInRange(r.season); });
}

bool PastMatchInRange(const TPastMatch& match)
{
    return SeasonInRange(match.season) && GoalsInRange(match.homeGoals) && GoalsInRange(match.awayGoals);
}

bool FixtureGoalsInRange(const TFixture& fixture)
{
    return GoalsInRange(fixture.homeGoals) && GoalsInRange(fixture.awayGoals);
}

bool StateFinalInRange(const TStateChampionship& state)
{
    return std::all_of(std::begin(state.finalGoals), std::end(state.finalGoals), GoalsInRange);
}

}  // namespace

bool SavedGameStateInRange(const TGameState& game)
{
    return game.Season >= 1 && game.Season <= kLastSeason && game.DayIndex >= 1 && game.DayIndex <= kCalendarDays &&
           StagesInRange(game) && EditionsInRange(game);
}

bool SavedTalliesInRange(const SavedGameImage& image)
{
    return std::all_of(image.clubs.begin(), image.clubs.end(), ClubTalliesInRange) &&
           std::all_of(image.players.begin(), image.players.end(), PlayerTalliesInRange) &&
           std::all_of(image.playerSeasonStats.begin(), image.playerSeasonStats.end(), SeasonLineInRange) &&
           std::all_of(image.goalTallies.begin(), image.goalTallies.end(), TallyInRange) &&
           std::all_of(image.allTimeGoalTallies.begin(), image.allTimeGoalTallies.end(), TallyInRange) &&
           std::all_of(image.coaches.begin(), image.coaches.end(), CoachTalliesInRange) &&
           std::all_of(image.coachSeasons.begin(), image.coachSeasons.end(), CoachSeasonInRange) &&
           std::all_of(image.stadiumWorks.begin(), image.stadiumWorks.end(), StadiumWorkInRange);
}

bool SavedResultsInRange(const SavedGameImage& image)
{
    return std::all_of(image.pastMatches.begin(), image.pastMatches.end(), PastMatchInRange) &&
           std::all_of(image.fixtures.begin(), image.fixtures.end(), FixtureGoalsInRange) &&
           std::all_of(image.stateChampionships.begin(), image.stateChampionships.end(), StateFinalInRange) &&
           SeasonsInRange(image.coachHirings) && SeasonsInRange(image.placings) &&
           SeasonsInRange(image.coachHonours) && SeasonsInRange(image.clubPlacings) &&
           SeasonsInRange(image.scorers) && SeasonsInRange(image.playerSeasonStats) &&
           SeasonsInRange(image.coachSeasons);
}

}  // namespace tarvelon
