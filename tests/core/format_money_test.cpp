#include <gtest/gtest.h>

#include <climits>

#include "core/format/money_format.h"

namespace tarvelon {
namespace {

TEST(FormatMoneyWords, ThousandsMillionsAndBillions)
{
    EXPECT_EQ(FormatMoneyWords(1500000), "1 milhão 500 mil");
    EXPECT_EQ(FormatMoneyWords(25300000), "25 milhões 300 mil");
    EXPECT_EQ(FormatMoneyWords(1000), "1 mil");
    EXPECT_EQ(FormatMoneyWords(5999), "5 mil");  // cut, not rounded
    EXPECT_EQ(FormatMoneyWords(45678), "45 mil");
    EXPECT_EQ(FormatMoneyWords(999999), "999 mil");
    EXPECT_EQ(FormatMoneyWords(2345678), "2 milhões 345 mil");
    EXPECT_EQ(FormatMoneyWords(123456789), "123 milhões 456 mil");
    EXPECT_EQ(FormatMoneyWords(1234567890), "1 bilhão 234 milhões 567 mil");
    EXPECT_EQ(FormatMoneyWords(INT_MAX), "2 bilhões 147 milhões 483 mil");
}

TEST(FormatMoneyWords, SmallAmountsAndZero)
{
    EXPECT_EQ(FormatMoneyWords(999), "999");
    EXPECT_EQ(FormatMoneyWords(1), "1");
    EXPECT_EQ(FormatMoneyWords(0), "0 mil");
    EXPECT_EQ(FormatMoneyWords(-1), "-1");
    EXPECT_EQ(FormatMoneyWords(-999), "-999");
}

TEST(FormatMoneyWords, RoundAmountsDropTheirEmptyThousandsButKeepTheBlank)
{
    EXPECT_EQ(FormatMoneyWords(2000000), "2 milhões ");
    EXPECT_EQ(FormatMoneyWords(1000000), "1 milhão ");
    EXPECT_EQ(FormatMoneyWords(1000000000), "1 bilhão 000 milhões ");
    EXPECT_EQ(FormatMoneyWords(30000), "30 mil");  // "30 mil" is not "000 mil"
    EXPECT_EQ(FormatMoneyWords(-2000000), "-2 milhões ");
}

TEST(FormatMoneyWords, NegativeAmounts)
{
    EXPECT_EQ(FormatMoneyWords(-1500000), "-1 milhão 500 mil");
    EXPECT_EQ(FormatMoneyWords(-5999), "-5 mil");
    EXPECT_EQ(FormatMoneyWords(-45678), "-45 mil");
    EXPECT_EQ(FormatMoneyWords(-456789), "-456 mil");
    EXPECT_EQ(FormatMoneyWords(-9876543), "-9 milhões 876 mil");
    EXPECT_EQ(FormatMoneyWords(-98765432), "-98 milhões 765 mil");
    EXPECT_EQ(FormatMoneyWords(-100000000), "-100000000");
    EXPECT_EQ(FormatMoneyWords(INT_MIN), "-2147483648");
}

TEST(FormatMoneyShort, BandsAndPlainNumbers)
{
    EXPECT_EQ(FormatMoneyShort(1234567), "1 234 k");
    EXPECT_EQ(FormatMoneyShort(9999), "9999");
    EXPECT_EQ(FormatMoneyShort(10000), "10 k");
    EXPECT_EQ(FormatMoneyShort(654321), "654 k");
    EXPECT_EQ(FormatMoneyShort(12345678), "12 345 k");
    EXPECT_EQ(FormatMoneyShort(999999999), "999 999 k");
    EXPECT_EQ(FormatMoneyShort(1000000000), "1000000000");
    EXPECT_EQ(FormatMoneyShort(-50000), "-50000");
}

TEST(FormatThousands, GroupsInsideItsRangeAndPlainOutside)
{
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1 000");
    EXPECT_EQ(FormatThousands(1234), "1 234");
    EXPECT_EQ(FormatThousands(99999999), "99 999 999");
    EXPECT_EQ(FormatThousands(-999), "-999");
    EXPECT_EQ(FormatThousands(-1000), "-1 000");
    EXPECT_EQ(FormatThousands(-9999999), "-9 999 999");
    // Outside the range the plain number comes back instead of nothing at all.
    EXPECT_EQ(FormatThousands(100000000), "100000000");
    EXPECT_EQ(FormatThousands(-10000000), "-10000000");
}

TEST(FormatMoney, GroupsEveryAmount)
{
    EXPECT_EQ(FormatMoney(0), "0");
    EXPECT_EQ(FormatMoney(7), "7");
    EXPECT_EQ(FormatMoney(123456), "123 456");
    EXPECT_EQ(FormatMoney(1234567890), "1 234 567 890");
    EXPECT_EQ(FormatMoney(-45000), "-45 000");
    EXPECT_EQ(GetZero(), 0);
}

}  // namespace
}  // namespace tarvelon
