// The league lists agree with each other and with the clubs they name. A season's fixtures, its
// tables, the national cup's draw, the next season's divisions and the continental qualifiers are
// all built from them: a club listed twice would play itself, be drawn twice into one cup and send
// two entries into one continental group, and every save after the season's turn would be refused.
#include <algorithm>
#include <iterator>
#include <vector>

#include "core/persist/saved_game_index_checks.h"
#include "core/season/calendar.h"

namespace tarvelon::savedindex {

namespace {

using DivisionRow = std::int32_t[kClubsPerDivision];

// 2 = divisions of 20 clubs, 4 = divisions of 10: the only formats a game is made with.
bool LeagueFormatKnown(std::int32_t format) { return format == kDivisionsOf20 || format == kDivisionsOf10; }

bool AllNone(const DivisionRow& row)
{
    return std::all_of(std::begin(row), std::end(row), [](std::int32_t club) { return club == kNone; });
}

// The clubs a division lists in its places, holes (none) left out.
std::vector<std::int32_t> ListedClubs(const DivisionRow& row, int size)
{
    std::vector<std::int32_t> clubs;
    std::copy_if(row, row + size, std::back_inserter(clubs), [](std::int32_t club) { return club != kNone; });
    return clubs;
}

// A division's final order is its list as the season's turn or the new game leaves it, or the list
// ranked by the day's tables: its clubs in some order, and 0 in the places after them.
bool FinalOrderRanksTheDivision(const DivisionRow& order, const DivisionRow& row, int size)
{
    if (std::equal(std::begin(order), std::end(order), std::begin(row))) return true;
    std::vector<std::int32_t> listed = ListedClubs(row, size);
    const auto ranked = static_cast<std::ptrdiff_t>(listed.size());
    if (!std::is_permutation(order, order + ranked, listed.begin())) return false;
    return std::all_of(order + ranked, std::end(order), [](std::int32_t club) { return club == 0; });
}

// Each club of the played divisions: a league club of the league's country in the division it
// plays in, listed in no other place of any league.
class DivisionPlaces {
public:
    explicit DivisionPlaces(const SavedGameImage& image) : image_(image), listed_(image.clubs.size()) {}

    bool TakeRow(const DivisionRow& row, int size, const TLeague& league, int division)
    {
        return std::all_of(row, row + size, [&](std::int32_t club) { return Take(club, league, division); });
    }

private:
    bool Take(std::int32_t club, const TLeague& league, int division)
    {
        if (club == kNone) return true;
        if (club >= image_.game.LeagueClubCount || !listed_.Take(club)) return false;
        const TClub& record = image_.clubs[static_cast<std::size_t>(club)];
        return record.Country == league.country && record.Division == division;
    }

    const SavedGameImage& image_;
    ClubPlaces listed_;
};

// The played divisions (1 .. divisionCount) fill their first `size` places; every other place of
// both lists is none.
bool LeagueListsAgree(const TLeague& league, int size, DivisionPlaces& places)
{
    for (int d = 0; d < kDivisions; ++d) {
        const DivisionRow& row = league.divisions[d];
        const DivisionRow& order = league.finalOrder[d];
        if (d >= league.divisionCount) {
            if (!AllNone(row) || !AllNone(order)) return false;
            continue;
        }
        if (!std::all_of(row + size, std::end(row), [](std::int32_t club) { return club == kNone; })) return false;
        if (!places.TakeRow(row, size, league, d + 1) || !FinalOrderRanksTheDivision(order, row, size)) return false;
    }
    return true;
}

bool CountriesDistinct(const std::vector<TLeague>& leagues)
{
    std::vector<std::int32_t> countries;
    for (const TLeague& league : leagues) countries.push_back(league.country);
    return Distinct(countries);
}

}  // namespace

const char* LeagueListsDisagree(const SavedGameImage& image)
{
    if (image.leagues.empty()) return nullptr;
    if (!LeagueFormatKnown(image.game.LeagueFormat)) return "league format";
    if (!CountriesDistinct(image.leagues)) return "two leagues of one country";
    const int size = DivisionSizeOf(image.game.LeagueFormat);
    DivisionPlaces places(image);
    for (const TLeague& league : image.leagues)
        if (!LeagueListsAgree(league, size, places)) return "league's division lists";
    return nullptr;
}

}  // namespace tarvelon::savedindex
