#include "core/persist/saved_game_indexes.h"

#include "core/persist/saved_game_index_checks.h"

namespace tarvelon {

namespace {

using namespace savedindex;

constexpr std::int32_t kDayKindSeasonOver = -1;  // the season's last day is played: no kind is next

// The league clubs come first in the club table, the continental guests after them: loops run over
// both counts, and a new country's clubs are added to the first.
bool ClubCountsInTable(const TGameState& game, std::size_t clubs)
{
    return game.LeagueClubCount >= 0 && game.ExtraClubCount >= 0 &&
           std::int64_t{game.LeagueClubCount} + game.ExtraClubCount <= static_cast<std::int64_t>(clubs);
}

// Referee 0 before the first draw of the day's referees, else one of the 42.
bool RefereesInTable(const TGameState& game)
{
    return Every(game.MatchReferees, [](std::int32_t referee) { return Within(referee, 0, kRefereeCount); });
}

const char* GameStateIndexOutside(const TGameState& game, std::size_t clubs, std::size_t coaches)
{
    if (game.DayKind != kDayKindSeasonOver && !IsKind(game.DayKind)) return "day kind";
    if (!IndexOrNone(game.CurrentHumanClub, clubs)) return "current human club";
    if (!IndexOrNone(game.CurrentHumanCoach, coaches)) return "current human coach";
    if (!AllIndexesOrNone(game.HumanCoachSlots, coaches)) return "human coach slot";
    if (!Within(game.HumanClubCount, 0, kHumanSlots)) return "human club count";
    if (!AllIndexesOrNone(game.HumanClubs, clubs)) return "human club";
    if (!IndexOrNone(game.coachedNationalTeam, clubs)) return "coached national team";
    if (!Within(game.HumanNationCount, 0, kHumanSlots)) return "coached national team count";
    if (!AllIndexesOrNone(game.HumanNations, clubs)) return "coached national teams";
    if (!ClubCountsInTable(game, clubs)) return "league and extra club counts";
    if (!RefereesInTable(game)) return "day's referees";
    return nullptr;
}

}  // namespace

const char* SavedIndexOutsideItsTable(const SavedGameImage& image)
{
    const TableSizes sizes(image);
    for (const char* outside : {GameStateIndexOutside(image.game, sizes.clubs, sizes.coaches),
                                PeopleIndexOutside(image, sizes), ClubBusinessIndexOutside(image, sizes),
                                CompetitionIndexOutside(image, sizes), HistoryIndexOutside(image, sizes),
                                MatchArchiveIndexOutside(image, sizes)})
        if (outside != nullptr) return outside;
    // The links between records are read once every number they follow lies in its table.
    for (const auto links : {HumanLinksDisagree, LeagueListsDisagree, CompetitionLinksDisagree})
        if (const char* disagree = links(image)) return disagree;
    return nullptr;
}

}  // namespace tarvelon
