#include "core/rollover/divisions.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_services.h"
#include "core/rollover/club_range.h"
#include "core/rollover/rollover_services.h"
#include "core/season/calendar.h"
#include "core/sort/record_sort.h"

namespace tarvelon {

namespace {

constexpr int kRegionalCandidates = 10;
constexpr int kBrazil = 29;  // the country whose fourth division may be regional

using DivisionLists = decltype(TLeague::divisions);

// Regional clubs (division 0) of the country among the league and extra clubs, each with a key.
std::vector<TPromotionCandidate> RegionalCandidates(int country)
{
    std::vector<TPromotionCandidate> candidates;
    for (int club = 0; club < LeagueAndExtraClubCount(); ++club) {
        const TClub& c = Clubs[static_cast<std::size_t>(club)];
        if (c.Division == 0 && c.Country == country)
            candidates.push_back({club, c.Level, static_cast<std::int32_t>(Random(100))});
    }
    return candidates;
}

// The clubs a division of `size` places is made of after the season. `newcomers` take the last two
// places of the lowest division; the clubs they push out are added to `dropped`.
void BuildDivision(const DivisionLists& finals, int d, int divisionCount, int size,
                   const std::array<int, 2>& newcomers, std::int32_t (&row)[kClubsPerDivision],
                   std::vector<int>& dropped)
{
    const int moves = size / 5;  // 4 up and down in divisions of 20, 2 in divisions of 10
    const auto& own = finals[d - 1];
    for (int p = 0; p < moves; ++p) row[p] = d == 1 ? own[p] : finals[d - 2][size - moves + p];
    for (int p = moves; p < size - moves; ++p) row[p] = own[p];
    for (int p = size - moves; p < size; ++p) row[p] = d < divisionCount ? finals[d][p - (size - moves)] : own[p];
    if (d < divisionCount) return;
    for (int i = 0; i < 2; ++i) {
        const int place = size - 2 + i;
        if (newcomers[static_cast<std::size_t>(i)] < 0) continue;  // the club there keeps its place
        dropped.push_back(row[place]);
        row[place] = newcomers[static_cast<std::size_t>(i)];
    }
}

// The final order of each played division as the day's tables left it: its ranked clubs, then 0 in
// the places of the division's holes (a country with fewer clubs than places). Those places are
// holes again here, so no hole moves up or down as club 0.
void CopyFinalOrderWithHoles(const TLeague& league, int divisionCount, int size, DivisionLists& finals)
{
    std::copy(&league.finalOrder[0][0], &league.finalOrder[0][0] + kDivisions * kClubsPerDivision, &finals[0][0]);
    for (int d = 0; d < divisionCount; ++d) {
        const auto& listed = league.divisions[d];
        if (std::equal(std::begin(listed), std::end(listed), std::begin(league.finalOrder[d]))) continue;
        const auto ranked = std::count_if(listed, listed + size, [](int club) { return club != -1; });
        std::fill(finals[d] + ranked, std::end(finals[d]), -1);
    }
}

void SetDivision(int club, int division)
{
    if (IsGameClub(club)) Clubs[static_cast<std::size_t>(club)].Division = division;
}

// With the regional fourth division on, the league's fourth division is formed again from the
// state championships: its clubs go back to the regions.
void DissolveFourthDivision(TLeague& league)
{
    constexpr int fourth = kDivisions - 1;
    for (int slot = 0; slot < kClubsPerDivision; ++slot) {
        const int club = league.divisions[fourth][slot];
        if (IsGameClub(club) && Clubs[static_cast<std::size_t>(club)].Division == kDivisions) SetDivision(club, 0);
        league.divisions[fourth][slot] = -1;
        league.finalOrder[fourth][slot] = -1;
    }
    league.divisionCount = kDivisions - 1;
}

// The first computer-run club of the game outside the divisions whose coach has a name; -1 none.
int FindRegionalClubWithNamedCoach()
{
    for (int club = 0; club < LeagueAndExtraClubCount(); ++club) {
        const TClub& c = Clubs[static_cast<std::size_t>(club)];
        if (c.Division == 0 && !c.IsHuman && IsGameCoach(c.coach) && !Coaches[static_cast<std::size_t>(c.coach)].name.empty())
            return club;
    }
    return -1;
}

// A newcomer without a coach takes the coach of a regional club.
void GiveNewcomerACoach(int newcomer)
{
    if (!IsGameClub(newcomer) || Clubs[static_cast<std::size_t>(newcomer)].coach >= 0) return;
    const int donor = FindRegionalClubWithNamedCoach();
    if (donor < 0) return;
    const int coach = Clubs[static_cast<std::size_t>(donor)].coach;
    if (Rollover().dismissCoach) Rollover().dismissCoach(donor, coach);
    if (Draws().hireCoach) Draws().hireCoach(newcomer, coach);
}

// Computer coaches whose club no longer names them become free.
void FreeUnlinkedCoaches()
{
    for (std::size_t i = 0; i < Coaches.size(); ++i) {
        TCoach& coach = Coaches[i];
        if (coach.human || coach.name.empty() || coach.club < 0) continue;
        if (IsGameClub(coach.club) && Clubs[static_cast<std::size_t>(coach.club)].coach == static_cast<int>(i)) continue;
        coach.club = -1;
        coach.active = 0;
    }
}

}  // namespace

int CompareClubsForPromotion(const TPromotionCandidate& a, const TPromotionCandidate& b)
{
    if (a.level != b.level) return a.level > b.level ? -1 : 1;
    if (a.key != b.key) return a.key > b.key ? -1 : 1;
    return 0;
}

std::array<int, 2> DrawRegionalNewcomers(int country)
{
    std::vector<TPromotionCandidate> candidates = RegionalCandidates(country);
    if (!candidates.empty())
        SortRecords(candidates.data(), 0, static_cast<int>(candidates.size()) - 1, CompareClubsForPromotion);
    int r[kRegionalCandidates + 1];  // places 1..10
    for (int p = 1; p <= kRegionalCandidates; ++p)
        r[p] = p <= static_cast<int>(candidates.size()) ? candidates[static_cast<std::size_t>(p - 1)].club : -1;
    for (int p = 1; p <= kRegionalCandidates; ++p) {
        const int q = static_cast<int>(Random(kRegionalCandidates)) + 1;
        if (r[p] >= 1 && r[q] >= 1) std::swap(r[p], r[q]);
    }
    for (int p = 1; p <= 2; ++p) {
        if (!IsGameClub(r[p])) continue;
        Clubs[static_cast<std::size_t>(r[p])].boardConfidence = 100;
        Clubs[static_cast<std::size_t>(r[p])].SupportersMood = 100;
    }
    return {r[1], r[2]};
}

void RollOverDivisions(int leagueIndex)
{
    TLeague& league = Leagues[static_cast<std::size_t>(leagueIndex)];
    const std::array<int, 2> newcomers = DrawRegionalNewcomers(league.country);
    const int size = DivisionSizeOf(Game.LeagueFormat);
    const int divisionCount = std::clamp(league.divisionCount, 0, kDivisions);

    DivisionLists finals;
    CopyFinalOrderWithHoles(league, divisionCount, size, finals);
    DivisionLists next;
    std::copy(&league.divisions[0][0], &league.divisions[0][0] + kDivisions * kClubsPerDivision, &next[0][0]);
    std::vector<int> dropped;
    for (int d = 1; d <= divisionCount; ++d)
        BuildDivision(finals, d, divisionCount, size, newcomers, next[d - 1], dropped);

    for (int club : dropped) SetDivision(club, 0);
    for (int d = 1; d <= divisionCount; ++d) {
        for (int p = 0; p < size; ++p) SetDivision(next[d - 1][p], d);
        std::copy(next[d - 1], next[d - 1] + kClubsPerDivision, league.divisions[d - 1]);
        std::copy(next[d - 1], next[d - 1] + kClubsPerDivision, league.finalOrder[d - 1]);
    }
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;

    for (int newcomer : newcomers) {
        if (!IsGameClub(newcomer)) continue;
        TClub& club = Clubs[static_cast<std::size_t>(newcomer)];
        if (club.Division >= 0 && club.Division < kTicketPriceRows)
            std::copy(std::begin(TicketPrices[static_cast<std::size_t>(club.Division)].sectors),
                      std::end(TicketPrices[static_cast<std::size_t>(club.Division)].sectors), club.SectorPrices);
    }
    if (league.country == kBrazil && Game.RegionalFourthDivision) DissolveFourthDivision(league);
    for (int newcomer : newcomers) GiveNewcomerACoach(newcomer);
    FreeUnlinkedCoaches();
}

}  // namespace tarvelon
