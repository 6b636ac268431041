#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/basics/cp1252.h"
#include "core/basics/datetime.h"
#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/basics/short_string.h"
#include "core/hooks.h"

using namespace tarvelon;

TEST(Random, FollowsTheGeneratorFormulaExactly)
{
    RandSeed = 0;
    // seed 1: 0 * 0x08088405 + 1 = 1 -> (1 * 100) >> 32 = 0
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed, 1u);
    // seed 2: 1 * 0x08088405 + 1 = 0x08088406 = 134775814 -> 134775814 * 100 >> 32 = 3
    EXPECT_EQ(Random(100), 3);
    EXPECT_EQ(RandSeed, 0x08088406u);
    // seed 3: 0x08088406 * 0x08088405 + 1 mod 2^32
    const std::uint32_t expected = static_cast<std::uint32_t>(0x08088406ull * 0x08088405ull + 1);
    const int r = Random(1000);
    EXPECT_EQ(RandSeed, expected);
    EXPECT_EQ(r, static_cast<int>((static_cast<std::uint64_t>(expected) * 1000) >> 32));
}

TEST(Random, StaysInRangeAndAdvancesEvenForEmptyRanges)
{
    RandSeed = 12345;
    for (int i = 0; i < 10000; ++i) {
        const int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
    const std::uint32_t before = RandSeed;
    EXPECT_EQ(Random(0), 0);
    EXPECT_NE(RandSeed, before);
}

TEST(Random, DeterministicClockSeedsRepeatably)
{
    InstallDeterministicClock(42);
    Randomize();
    const std::uint32_t first = RandSeed;
    InstallDeterministicClock(42);
    Randomize();
    EXPECT_EQ(RandSeed, first);
    Randomize();
    EXPECT_NE(RandSeed, first);
}

TEST(Rounding, TiesGoToEven)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.6), 3);
    EXPECT_EQ(Trunc(-2.6), -2);
}

TEST(Rounding, EqualsNearbyintOverTheWholeRange)
{
    // Halves, near-halves, the edge of the quick path (2^51) and beyond it, both signs.
    const double edge = 2251799813685248.0;
    std::vector<double> values = {0.0, -0.0, 0.49999999999999994, 4503599627370495.5, edge - 0.5, edge,
                                  edge + 1, 1e18, std::nextafter(edge, 0.0), std::nan("")};
    for (int i = -2000; i <= 2000; ++i) {
        values.push_back(i / 2.0);
        values.push_back(i * 0.7);
        values.push_back(std::nextafter(i / 2.0, 1e9));
        values.push_back(std::nextafter(i / 2.0, -1e9));
        values.push_back(i * 1.0e12 + 0.5);
    }
    for (double v : {1.0, -1.0})
        for (double x : std::vector<double>(values))
            values.push_back(v * x);
    for (double x : values) {
        const std::int64_t expected = std::isnan(x) ? 0 : static_cast<std::int64_t>(std::nearbyint(x));
        ASSERT_EQ(Round(x), expected) << std::hexfloat << x;
    }
}

TEST(Rounding, RealsBeyondTheIntegersTakeTheNearerEnd)
{
    constexpr auto kMax64 = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin64 = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(Round(1E300), kMax64);
    EXPECT_EQ(Round(-1E300), kMin64);
    EXPECT_EQ(Round(9223372036854775808.0), kMax64);
    EXPECT_EQ(Round(-9223372036854775808.0), kMin64);
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), kMax64);
    EXPECT_EQ(Trunc(-1E300), kMin64);
    EXPECT_EQ(RoundToInt32(1E300), 2147483647);
    EXPECT_EQ(RoundToInt32(-2147483648.4), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(-3e9), -2147483647 - 1);
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
}

TEST(Dates, BrazilianTextsAndWeekdays)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(DateToStr(EncodeDate(2010, 6, 11)), "11/06/2010");
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 7)), 2);  // a Monday
    EXPECT_EQ(DayOfWeek(0), 7);                         // a Saturday
    EXPECT_EQ(DateToStr(1E300), "31/12/9999");          // beyond the calendar: its last day
    EXPECT_EQ(DateToStr(-1E300), "01/01/0001");
    EXPECT_EQ(DayOfWeek(1E300), DayOfWeek(EncodeDate(9999, 12, 31)));
    TDateTime d = 0;
    ASSERT_TRUE(TryStrToDate("29/02/2008", d));
    EXPECT_EQ(DecodeDate(d).month, 2);
    EXPECT_FALSE(TryStrToDate("29/02/2009", d));
    EXPECT_FALSE(TryStrToDate("abc", d));
}

TEST(ShortStrings, Cp1252InsideUtf8Outside)
{
    ShortString<10> s;
    s.set("São João");
    EXPECT_EQ(s.length, 8);
    EXPECT_EQ(static_cast<unsigned char>(s.bytes[1]), 0xE3);  // ã in CP1252
    EXPECT_EQ(s.str(), "São João");

    s.set("Uma frase longa demais");
    EXPECT_EQ(s.size(), 10u);
    EXPECT_EQ(s.str(), "Uma frase ");

    EXPECT_EQ(Cp1252ToUtf8("\x80"), "€");
    EXPECT_EQ(Utf8ToCp1252("€ ☃"), "\x80 ?");
    EXPECT_EQ(Utf8Length("ação"), 4u);
    EXPECT_EQ(Utf8Left("ação", 2), "aç");
    EXPECT_EQ(Utf8Left("ação", 9), "ação");
}

TEST(ShortStrings, OversizedLengthByteIsClampedToTheField)
{
    ShortString<4> s;
    std::memcpy(s.bytes, "abcd", 4);
    s.length = 200;
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(s.str(), "abcd");
}
