#include "core/draws/draw_candidates.h"

#include <algorithm>
#include <utility>

#include "core/basics/random.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

const DrawCandidate& AsCandidate(const void* record)
{
    return *static_cast<const DrawCandidate*>(record);
}

int CompareDescending(int a, int b)
{
    return a > b ? -1 : (a < b ? 1 : 0);
}

}  // namespace

int CompareLevelThenLowerKey(const void* a, const void* b)
{
    const DrawCandidate& x = AsCandidate(a);
    const DrawCandidate& y = AsCandidate(b);
    if (int byLevel = CompareDescending(x.level, y.level))
        return byLevel;
    return -CompareDescending(x.key, y.key);
}

int CompareLevelThenHigherKey(const void* a, const void* b)
{
    const DrawCandidate& x = AsCandidate(a);
    const DrawCandidate& y = AsCandidate(b);
    if (int byLevel = CompareDescending(x.level, y.level))
        return byLevel;
    return CompareDescending(x.key, y.key);
}

int CompareKeyOnly(const void* a, const void* b)
{
    return -CompareDescending(AsCandidate(a).key, AsCandidate(b).key);
}

void SortCandidates(std::vector<DrawCandidate>& list, DrawCompare compare)
{
    if (list.size() < 2)
        return;
    SortRecords(list.data(), static_cast<int>(sizeof(DrawCandidate)), 0, static_cast<int>(list.size()) - 1,
                compare);
}

void ShufflePlaces(std::int32_t* places, int n)
{
    for (int p = 0; p < n; ++p)
        std::swap(places[p], places[Random(n)]);
}

void ShuffleFilledPlaces(std::int32_t* places, int n)
{
    for (int p = 0; p < n; ++p) {
        const int q = Random(n);
        if (places[p] >= 0 && places[q] >= 0)
            std::swap(places[p], places[q]);
    }
}

int ClubTableEnd()
{
    return std::min<int>(Game.LeagueClubCount + Game.ExtraClubCount, static_cast<int>(Clubs.size()));
}

bool IsDrawnClub(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size());
}

}  // namespace tarvelon
