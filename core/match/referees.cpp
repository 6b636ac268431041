#include "core/match/referees.h"

#include <array>

#include "core/basics/random.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/sort/record_sort.h"

namespace tarvelon {

namespace {

constexpr int kRefereesOfDay = 12;
constexpr int kPerPool = 6;

// Stores the first six referees of a pool, in row order, from referee entry `first` on.
void StorePool(const std::array<TRefereeRow, kRefereeCount>& rows, int pool, int first)
{
    int entry = first;
    for (const TRefereeRow& row : rows) {
        if (entry >= first + kPerPool)
            break;
        if (Referees[row.number].pool == pool)
            Game.MatchReferees[entry++] = row.number;
    }
}

}  // namespace

int CompareRefereeRows(const void* a, const void* b)
{
    const auto* x = static_cast<const TRefereeRow*>(a);
    const auto* y = static_cast<const TRefereeRow*>(b);
    if (x->rating != y->rating)
        return x->rating > y->rating ? -1 : 1;
    if (x->key != y->key)
        return x->key < y->key ? -1 : 1;
    return 0;
}

void DrawReferees()
{
    std::array<TRefereeRow, kRefereeCount> rows{};
    for (int r = 1; r <= kRefereeCount; ++r)
        rows[r - 1] = TRefereeRow{r, Random(50), Referees[r].technique};
    SortRecords(rows.data(), static_cast<int>(sizeof(TRefereeRow)), 0, kRefereeCount - 1, CompareRefereeRows);
    StorePool(rows, kRefereePoolNational, 0);
    StorePool(rows, kRefereePoolInternational, kPerPool);
}

int RefereeOfMatch(int m)
{
    if (m < 1)
        return 0;
    return Game.MatchReferees[(m - 1) % kRefereesOfDay];
}

}  // namespace tarvelon
