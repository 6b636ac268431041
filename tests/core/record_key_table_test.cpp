// The flat key table behind the history lookups: every stored key found through many doublings,
// absent keys not found, a key's first index kept, and a cleared table empty again.
#include <gtest/gtest.h>

#include "core/history/record_key_table.h"

using namespace tarvelon;

namespace {

RecordKey KeyNumber(int n) { return {n % 997, n / 997 - 20, (n * 7) % 5 - 2}; }

TEST(RecordKeyTable, FindsEveryKeyItStoredAndKeepsTheFirstIndex)
{
    RecordKeyTable table;
    EXPECT_EQ(table.Find({1, 2, 3}), -1);
    constexpr int kKeys = 50000;  // many doublings, negative fields among them
    for (int n = 0; n < kKeys; ++n)
        table.TryEmplace(KeyNumber(n), n);
    for (int n = 0; n < kKeys; ++n)
        table.TryEmplace(KeyNumber(n), n + kKeys);  // known keys keep their index
    for (int n = 0; n < kKeys; ++n)
        ASSERT_EQ(table.Find(KeyNumber(n)), n);
    EXPECT_EQ(table.Find({5000, 0, 0}), -1);
    EXPECT_EQ(table.Find({-1, -1, -1}), -1);

    table.Clear();
    EXPECT_EQ(table.Find(KeyNumber(3)), -1);
    table.TryEmplace(KeyNumber(3), 9);
    EXPECT_EQ(table.Find(KeyNumber(3)), 9);
}

}  // namespace
