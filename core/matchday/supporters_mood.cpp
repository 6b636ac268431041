#include "core/matchday/supporters_mood.h"

#include <algorithm>

#include "core/matchday/place_bands.h"
#include "core/matchday/result_effects.h"
#include "core/matchday/table_place.h"
#include "core/season/competition_kind.h"

namespace tarvelon {

namespace {

int LeagueMoodChange(int place, int format, int result)
{
    const bool ten = format == kDivisionsOf10;
    if (!ten && format != kDivisionsOf20)
        return 0;
    if (result == moDraw)
        return ten ? ChangeByPlace(place, {{1, 2, 2}, {5, 8, -5}, {9, 10, -7}})
                   : ChangeByPlace(place, {{1, 2, 3}, {5, 10, -1}, {11, 16, -3}, {17, 20, -5}});
    if (result == moWin)
        return 5 + (ten ? ChangeByPlace(place, {{1, 2, 5}, {3, 4, 3}}) : ChangeByPlace(place, {{1, 2, 3}, {3, 4, 1}}));
    return -5 + (ten ? ChangeByPlace(place, {{5, 7, -7}, {8, 10, -10}})
                     : ChangeByPlace(place, {{13, 17, -3}, {18, 20, -7}}));
}

int StateMoodChange(int place, int result)
{
    if (result == moDraw)
        return ChangeByPlace(place, {{1, 2, 2}, {5, 6, -2}});
    if (result == moWin)
        return ChangeByPlace(place, {{1, 2, 7}, {3, 4, 5}, {5, 6, 3}});
    return ChangeByPlace(place, {{1, 2, -3}, {3, 4, -5}, {5, 6, -7}});
}

}  // namespace

void UpdateSupportersMood(int kind, int clubIndex, int result)
{
    (void)kind;  // the day decides, not the match: only league and state days move the mood
    TClub& club = Clubs[clubIndex];
    if (Game.DayKind == kKindNationalLeague)
        club.SupportersMood += LeagueMoodChange(TablePlace(club, kKindNationalLeague), Game.LeagueFormat, result);
    else if (Game.DayKind == kKindStateChampionship)
        club.SupportersMood += StateMoodChange(TablePlace(club, kKindStateChampionship), result);

    if (club.SupportersMood < 40)
        club.boardConfidence -= club.Level < 21 ? 8 : 5;
    club.SupportersMood = std::clamp(club.SupportersMood, 0, 100);
    club.boardConfidence = std::clamp(club.boardConfidence, 0, 100);
}

}  // namespace tarvelon
