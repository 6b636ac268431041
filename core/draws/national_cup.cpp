#include "core/draws/national_cup.h"

#include <algorithm>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kListSize = 16;
constexpr int kStateCountryBrazil = 29;

// One of the two lists of 16 places; it stops taking clubs when full.
struct CupList {
    std::vector<std::int32_t> clubs;

    bool full() const { return clubs.size() >= kListSize; }
    void add(int club)
    {
        if (!full() && club >= 0)
            clubs.push_back(club);
    }
    // The 16 places, empty ones -1.
    std::vector<std::int32_t> places() const
    {
        std::vector<std::int32_t> result = clubs;
        result.resize(kListSize, -1);
        return result;
    }
};

constexpr int kDivisionsOfTwenty = 2;
constexpr int kDivisionsOfTen = 4;

bool DivisionsOfTwenty()
{
    return Game.LeagueFormat == kDivisionsOfTwenty;
}

bool IsHumanRun(int club)
{
    return IsDrawnClub(club) && Clubs[club].IsHuman;
}

const std::int32_t* DivisionList(const TLeague& league, int division)
{
    return league.divisions[division - 1];
}

// Places first..last (1-based) of a division.
void AddPlaces(CupList& list, const TLeague& league, int division, int first, int last)
{
    for (int place = first; place <= last; ++place)
        list.add(DivisionList(league, division)[place - 1]);
}

// The clubs of a division in list order that are (or are not) human-run.
void AddByHumanity(CupList& list, const TLeague& league, int division, bool human)
{
    if (division < 1 || division > league.divisionCount || division > 4)
        return;
    for (int slot = 0; slot < 20; ++slot) {
        const int club = DivisionList(league, division)[slot];
        if (IsDrawnClub(club) && IsHumanRun(club) == human)
            list.add(club);
    }
}

// Regional clubs (no national division) of the league's country, in club order.
void AddRegionalClubs(CupList& list, const TLeague& league)
{
    const int end = ClubTableEnd();
    for (int club = 0; club < end; ++club)
        if (Clubs[club].Country == league.country && Clubs[club].Division == 0)
            list.add(club);
}

void FillStageTwoLists(const TLeague& league, CupList& a)
{
    if (DivisionsOfTwenty()) {
        AddByHumanity(a, league, 1, true);
        AddByHumanity(a, league, 1, false);
        return;
    }
    for (int d = 1; d <= league.divisionCount; ++d)
        AddByHumanity(a, league, d, true);
    AddByHumanity(a, league, 1, false);
    AddByHumanity(a, league, 2, false);
}

void FillStageOneLists(const TLeague& league, CupList& a, CupList& b)
{
    if (!DivisionsOfTwenty()) {
        AddPlaces(a, league, 1, 1, 10);
        AddPlaces(a, league, 2, 1, 6);
        AddPlaces(b, league, 2, 7, 10);
        for (int d = 3; d <= league.divisionCount; ++d)
            AddByHumanity(b, league, d, true);
        AddByHumanity(b, league, 3, false);
        if (league.divisionCount >= 4)
            AddByHumanity(b, league, 4, false);
        else
            AddRegionalClubs(b, league);
        return;
    }
    if (league.country == kStateCountryBrazil && Game.Season > 1) {
        // The Brazilian cup leaves out the clubs playing the first continental cup.
        for (int d = 1; d <= 2; ++d) {
            for (int slot = 0; slot < 20; ++slot) {
                const int club = DivisionList(league, d)[slot];
                if (!IsDrawnClub(club) || Clubs[club].FirstContinentalEntry)
                    continue;
                if (!a.full())
                    a.add(club);
                else
                    b.add(club);
            }
        }
        return;
    }
    AddPlaces(a, league, 1, 1, 16);
    AddPlaces(b, league, 1, 17, 20);
    AddByHumanity(b, league, 2, true);
    AddByHumanity(b, league, 2, false);
}

// Writes one tie into the two fixtures at `fixture`: first leg at the first club's ground.
// A tie with an empty side stays undrawn: an empty place never becomes a club of a fixture.
void WriteTie(int fixture, int home, int away)
{
    if (fixture < 0 || fixture + 1 >= static_cast<int>(Fixtures.size()))
        return;
    if (Fixtures[fixture].kind != kKindNationalCup || Fixtures[fixture + 1].kind != kKindNationalCup)
        return;
    if (!IsDrawnClub(home) || !IsDrawnClub(away))
        return;
    Fixtures[fixture].home = home;
    Fixtures[fixture].away = away;
    Fixtures[fixture + 1].home = away;
    Fixtures[fixture + 1].away = home;
    Clubs[home].nationalCupEntry = 1;
    Clubs[away].nationalCupEntry = 1;
}

}  // namespace

int NationalCupFirstStage(int leagueIndex)
{
    const TLeague& league = Leagues.at(leagueIndex);
    const bool thirtyTwo = (Game.LeagueFormat == kDivisionsOfTwenty && league.divisionCount > 1) ||
                           (Game.LeagueFormat == kDivisionsOfTen && league.divisionCount >= 3);
    return thirtyTwo ? 1 : 2;
}

void DrawNationalCup(int leagueIndex)
{
    const TLeague& league = Leagues.at(leagueIndex);
    const int stage = NationalCupFirstStage(leagueIndex);
    CupList listA;
    CupList listB;
    if (stage == 2)
        FillStageTwoLists(league, listA);
    else
        FillStageOneLists(league, listA, listB);

    std::vector<std::int32_t> a = listA.places();
    std::vector<std::int32_t> b = listB.places();
    ShufflePlaces(a.data(), kListSize);
    if (stage == 1)
        ShufflePlaces(b.data(), kListSize);

    const int first = FindFixture(leagueIndex, kKindNationalCup, stage);
    if (first < 0)
        return;
    if (stage == 1) {
        for (int i = 0; i < kListSize; ++i)
            WriteTie(first + 2 * i, a[i], b[i]);
    } else {
        for (int i = 0; i < kListSize / 2; ++i)
            WriteTie(first + 2 * i, a[i], a[i + kListSize / 2]);
    }
}

}  // namespace tarvelon
