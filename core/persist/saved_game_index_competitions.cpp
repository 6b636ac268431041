// The index checks of the competitions: division lists and league records, state championships,
// cup ties, fixtures and the competition table; and what the state championships' draws are made
// of: their clubs and results. (The division lists agree with each other in
// saved_game_index_leagues.cpp.)
#include <vector>

#include "core/persist/saved_game_groups.h"
#include "core/persist/saved_game_index_checks.h"
#include "core/vocab/countries.h"

namespace tarvelon::savedindex {

namespace {

template <std::size_t Rows, std::size_t Places>
bool ClubsOrNone(const std::int32_t (&lists)[Rows][Places], std::size_t clubs)
{
    return Every(lists, [clubs](const std::int32_t (&list)[Places]) { return AllIndexesOrNone(list, clubs); });
}

// A league's country names it in the market's tree; its division count bounds the loops over its
// division lists and the season summary's rows; its club count bounds a country's clubs.
bool LeagueInTables(const TLeague& league, const TableSizes& sizes)
{
    return InTable(league.country, CountryNames.size()) && Within(league.divisionCount, 0, kDivisions) &&
           league.clubCount >= 0 && static_cast<std::size_t>(league.clubCount) <= sizes.clubs &&
           ClubsOrNone(league.divisions, sizes.clubs) && ClubsOrNone(league.finalOrder, sizes.clubs);
}

// Up to four played tiers and the reserve tier below them: the season's turn shuffles tiers
// 1..groupCount + 1 of the record's five, and the state finals loop over the played ones.
bool StateInTables(const TStateChampionship& state, const TableSizes& sizes)
{
    return Within(state.groupCount, 0, kStateTierCount - 1) && AllIndexesOrNone(state.finalists, sizes.clubs);
}

bool TieInTables(const TCupTie& tie, const TableSizes& sizes)
{
    return IndexOrNone(tie.firstTeam, sizes.clubs) && IndexOrNone(tie.secondTeam, sizes.clubs) &&
           IndexOrNone(tie.winner, sizes.clubs);
}

bool FixtureInTables(const TFixture& fixture, const TableSizes& sizes)
{
    return IndexOrNone(fixture.home, sizes.clubs) && IndexOrNone(fixture.away, sizes.clubs) && IsKind(fixture.kind);
}

// A state championship's tiers hold Brazilian league clubs of that state: the regional fourth
// division is filled from them, and a club from elsewhere would play in two leagues.
bool StateHoldsItsOwnClubs(const TStateChampionship& state, std::int32_t stateIndex, const SavedGameImage& image)
{
    if (StateNeverDrawn(state)) return true;
    return Every(state.groups, [&](const std::int32_t (&tier)[kStateTierSize]) {
        return Every(tier, [&](std::int32_t club) {
            if (club == kNone) return true;
            if (!InTable(club, image.clubs.size()) || club >= image.game.LeagueClubCount) return false;
            const TClub& record = image.clubs[static_cast<std::size_t>(club)];
            return record.Country == kStateCountry && record.State == stateIndex;
        });
    });
}

bool StatesHoldTheirOwnClubs(const SavedGameImage& image)
{
    for (std::size_t s = 0; s < image.stateChampionships.size(); ++s)
        if (!StateHoldsItsOwnClubs(image.stateChampionships[s], static_cast<std::int32_t>(s), image)) return false;
    return true;
}

// The state results waiting for the finals rank each club once: each qualifies once.
bool StateResultsNameEachClubOnce(const SavedGameImage& image)
{
    std::vector<std::int32_t> clubs;
    for (const TStateResult& result : image.stateResults)
        if (result.club >= 0) clubs.push_back(result.club);
    return Distinct(clubs);
}

}  // namespace

const char* CompetitionLinksDisagree(const SavedGameImage& image)
{
    if (!StatesHoldTheirOwnClubs(image)) return "state championship's clubs";
    if (!StateResultsNameEachClubOnce(image)) return "state results";
    return nullptr;
}

const char* CompetitionIndexOutside(const SavedGameImage& image, const TableSizes& sizes)
{
    if (!Every(image.leagues, [&sizes](const TLeague& l) { return LeagueInTables(l, sizes); })) return "league";
    if (!Every(image.stateChampionships, [&sizes](const TStateChampionship& s) { return StateInTables(s, sizes); }))
        return "state championship";
    const auto tie = [&sizes](const TCupTie& t) { return TieInTables(t, sizes); };
    if (!Every(image.nationalCupTies, tie) || !Every(image.clubWorldCupTies, tie)) return "cup tie";
    if (!Every(image.fixtures, [&sizes](const TFixture& f) { return FixtureInTables(f, sizes); })) return "fixture";
    if (!Every(image.competitions, [](const TCompetition& c) { return IsKind(c.kind); })) return "competition's kind";
    return nullptr;
}

}  // namespace tarvelon::savedindex
