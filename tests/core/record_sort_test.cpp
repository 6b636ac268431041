#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "core/basics/random.h"
#include "core/sort/record_sort.h"

using namespace tarvelon;

namespace {

struct Row {
    std::int32_t key;
    std::int32_t tag;  // where the row started, to see what happened to ties
};

int ByKey(const Row& a, const Row& b)
{
    return a.key < b.key ? -1 : a.key > b.key ? 1 : 0;
}

std::vector<Row> Rows(std::initializer_list<int> keys)
{
    std::vector<Row> rows;
    for (int k : keys)
        rows.push_back({k, static_cast<std::int32_t>(rows.size())});
    return rows;
}

std::vector<int> Tags(const std::vector<Row>& rows)
{
    std::vector<int> tags;
    for (const Row& r : rows)
        tags.push_back(r.tag);
    return tags;
}

void ExpectSortedPermutation(const std::vector<Row>& before, const std::vector<Row>& after)
{
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 1; i < after.size(); ++i)
        ASSERT_LE(after[i - 1].key, after[i].key) << i;
    std::vector<int> a = Tags(before), b = Tags(after);
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    ASSERT_EQ(a, b);
    for (const Row& r : after)
        ASSERT_EQ(r.key, before[r.tag].key);
}

}  // namespace

TEST(RecordSort, SortsSeededRandomTablesOfManySizes)
{
    std::uint32_t seed = 20260101;
    for (int trial = 0; trial < 400; ++trial) {
        RandSeed = seed++;
        const int count = Random(300);
        const int keyRange = 1 + Random(trial % 2 ? 5 : 1000);  // few keys: many ties
        std::vector<Row> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({Random(keyRange), i});
        const std::vector<Row> before = rows;
        SortRecords(rows.data(), 0, count - 1, ByKey);
        ExpectSortedPermutation(before, rows);
    }
}

TEST(RecordSort, DrawsNothingFromTheGameGenerator)
{
    std::vector<Row> rows;
    for (int i = 0; i < 500; ++i)
        rows.push_back({(i * 7919) % 101, i});
    RandSeed = 0xDEADBEEF;
    SortRecords(rows.data(), 0, 499, ByKey);
    EXPECT_EQ(RandSeed, 0xDEADBEEFu);
}

TEST(RecordSort, EmptyOneAndTwoElementRanges)
{
    int calls = 0;
    auto counting = [&calls](const Row& a, const Row& b) {
        ++calls;
        return ByKey(a, b);
    };
    std::vector<Row> rows = Rows({3, 1});
    SortRecords(rows.data(), 0, -1, counting);  // empty
    SortRecords(rows.data(), 1, 1, counting);   // one element
    SortRecords(rows.data(), 1, 0, counting);   // low above high
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(Tags(rows), (std::vector<int>{0, 1}));
    SortRecords(rows.data(), 0, 1, counting);
    EXPECT_EQ(Tags(rows), (std::vector<int>{1, 0}));
    EXPECT_EQ(calls, 1);
}

TEST(RecordSort, SortsOnlyTheGivenRange)
{
    std::vector<Row> rows = Rows({9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4});
    SortRecords(rows.data(), 2, 11, ByKey);
    EXPECT_EQ(Tags(rows), (std::vector<int>{0, 1, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 12, 13}));
}

TEST(RecordSort, EightOrFewerElementsKeepTiesInOrder)
{
    std::vector<Row> rows = Rows({2, 1, 2, 1, 2, 1, 2, 1});
    SortRecords(rows.data(), 0, 7, ByKey);
    EXPECT_EQ(Tags(rows), (std::vector<int>{1, 3, 5, 7, 0, 2, 4, 6}));
}

TEST(RecordSort, NineEqualRecordsComeOutReversed)
{
    // Worked by hand: the median of three swaps nothing; the partition around the middle record
    // swaps (0,8), (1,7), (2,6), (3,5) and splits at 4; each half is then in order already.
    // Comparisons: 3 (median) + 10 (partition) + 4 + 3 (the two insertion sorts).
    std::vector<Row> rows = Rows({5, 5, 5, 5, 5, 5, 5, 5, 5});
    int calls = 0;
    SortRecords(rows.data(), 0, 8, [&calls](const Row& a, const Row& b) {
        ++calls;
        return ByKey(a, b);
    });
    EXPECT_EQ(Tags(rows), (std::vector<int>{8, 7, 6, 5, 4, 3, 2, 1, 0}));
    EXPECT_EQ(calls, 20);
}

TEST(RecordSort, TenRecordsWorkedByHand)
{
    // keys 3 9 1 7 5 5 8 0 5 2, tags 0..9.
    // Median of three (0, 4, 9): 3 vs 5 stays; 5 vs 2 swaps 4 and 9; 3 vs 2 swaps 0 and 4:
    //   keys 2 9 1 7 3 5 8 0 5 5, tags 9 1 2 3 0 5 6 7 8 4.
    // Pivot: the middle record (index 4), key 3. i stops at 1 (9), j at 7 (0): swap;
    //   i stops at 3 (7), j at 4 (3): swap; i stops at 4, j at 3: split at 3.
    //   keys 2 0 1 3 | 7 5 8 9 5 5, tags 9 7 2 0 | 3 5 6 1 8 4.
    // Both parts are insertion-sorted: 0 1 2 3 (tags 7 2 9 0), then 5 5 5 7 8 9 (tags 5 8 4 3 6 1).
    std::vector<Row> rows = Rows({3, 9, 1, 7, 5, 5, 8, 0, 5, 2});
    SortRecords(rows.data(), 0, 9, ByKey);
    EXPECT_EQ(Tags(rows), (std::vector<int>{7, 2, 9, 0, 5, 8, 4, 3, 6, 1}));
}

TEST(RecordSort, SwapsRecordsWhoseSizeIsNotAMultipleOfFour)
{
    // The club-file catalogue's entries are 81 bytes.
    struct Entry {
        std::array<unsigned char, 81> bytes;
    };
    static_assert(sizeof(Entry) == 81);
    std::vector<Entry> entries(40);
    for (int i = 0; i < 40; ++i)
        for (int b = 0; b < 81; ++b)
            entries[i].bytes[b] = static_cast<unsigned char>(b == 0 ? i : (i * 37 + b) & 0xFF);
    const std::vector<Entry> before = entries;
    SortRecords(entries.data(), 0, 39, [](const Entry& a, const Entry& b) {
        // by the last byte, descending, so whole records must travel
        return a.bytes[80] > b.bytes[80] ? -1 : a.bytes[80] < b.bytes[80] ? 1 : 0;
    });
    for (int i = 1; i < 40; ++i)
        EXPECT_GE(entries[i - 1].bytes[80], entries[i].bytes[80]);
    for (const Entry& e : entries) {
        const int i = e.bytes[0];
        ASSERT_LT(i, 40);
        EXPECT_EQ(std::memcmp(e.bytes.data(), before[i].bytes.data(), 81), 0);
    }
}

TEST(RecordSort, LargeSortedAndReversedTables)
{
    for (bool reversed : {false, true}) {
        std::vector<Row> rows;
        for (int i = 0; i < 100000; ++i)
            rows.push_back({reversed ? -i : i, i});
        const std::vector<Row> before = rows;
        SortRecords(rows.data(), 0, 99999, ByKey);
        ExpectSortedPermutation(before, rows);
    }
}

TEST(RecordSort, InconsistentComparisonsStayInsideTheRange)
{
    // A comparison that answers -1 for ties (equal records "before" each other) and one that
    // answers at random: the sort ends, touches nothing outside the range and loses no record.
    std::vector<Row> rows;
    for (int i = 0; i < 1000; ++i)
        rows.push_back({7, i});
    std::vector<Row> before = rows;
    SortRecords(rows.data(), 0, 999, [](const Row& a, const Row& b) { return a.key > b.key ? 1 : -1; });
    ExpectSortedPermutation(before, rows);

    std::uint32_t state = 99;
    std::vector<Row> shuffled;
    for (int i = 0; i < 1000; ++i)
        shuffled.push_back({i, i});
    SortRecords(shuffled.data(), 0, 999, [&state](const Row&, const Row&) {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % 3) - 1;
    });
    std::vector<int> tags = Tags(shuffled);
    std::sort(tags.begin(), tags.end());
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(tags[i], i);
}

TEST(RecordSort, RefusesToStartInsideAComparison)
{
    std::vector<Row> rows = Rows({3, 2, 1});
    std::vector<Row> other = Rows({2, 1});
    EXPECT_THROW(SortRecords(rows.data(), 0, 2,
                             [&other](const Row& a, const Row& b) {
                                 SortRecords(other.data(), 0, 1, ByKey);
                                 return ByKey(a, b);
                             }),
                 std::logic_error);
    // The failed call leaves the sort usable.
    SortRecords(rows.data(), 0, 2, ByKey);
    EXPECT_EQ(Tags(rows), (std::vector<int>{2, 1, 0}));
}
