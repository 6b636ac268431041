// Reading the game's fields: whole numbers and names, one way for every field.
#include <gtest/gtest.h>

#include "core/basics/typed_text.h"

namespace tarvelon {
namespace {

TEST(TypedText, AWholeNumberIsASignAndDecimalDigitsOnly)
{
    EXPECT_EQ(ReadWholeNumber("0"), 0);
    EXPECT_EQ(ReadWholeNumber("1000"), 1000);
    EXPECT_EQ(ReadWholeNumber("-5"), -5);
    EXPECT_EQ(ReadWholeNumber("+7"), 7);
    EXPECT_EQ(ReadWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ReadWholeNumber("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "+", "1.5", "1,5", "0x10", "$10", " 5", "5 ", "2147483648", "99999999999", "1e3",
                            "--1", "١"})
        EXPECT_EQ(ReadWholeNumber(bad), std::nullopt) << bad;
}

// A number box keeps a number while it is typed: digits after an optional sign, or nothing yet.
TEST(TypedText, ANumberBoxTakesDigitsAfterAnOptionalSign)
{
    for (const char* kept : {"", "-", "+", "0", "120", "-100", "+7", "99999"})
        EXPECT_TRUE(IsNumberBeingTyped(kept)) << kept;
    for (const char* refused : {" ", "  12", "12 ", "1 2", "1a", "1.5", "1,5", "--1", "1-", "$5", "\t", "１"})
        EXPECT_FALSE(IsNumberBeingTyped(refused)) << refused;
}

TEST(TypedText, ANameLosesTheBlanksAroundItAndBlanksAloneAreNoName)
{
    EXPECT_EQ(TypedName("   "), "");
    EXPECT_EQ(TypedName("\t "), "");
    EXPECT_EQ(TypedName(""), "");
    EXPECT_EQ(TypedName("  Zé da Silva "), "Zé da Silva");
}

// What the records hold as typed: Latin letters with their accents and the signs of CP1252; not
// other alphabets, emoji, control characters or bytes that are no UTF-8.
TEST(TypedText, OnlyTextTheRecordsHoldAsTypedIsTaken)
{
    for (const char* held : {"", "Zé da Silva", "Campeão 2012.", "Œuvre € ‰ – “x”", "ÿ¡¿ºª"})
        EXPECT_TRUE(HoldsInRecords(held)) << held;
    for (const char* refused : {"שלום", "😀", "Я", "a\nb", "a\tb", "a\x7f", "\xc2\x85", "\xff", "ő"})
        EXPECT_FALSE(HoldsInRecords(refused)) << refused;
}

TEST(TypedText, ACoachNameIsKeptAsTypedAndCutToTwentyFiveCharacters)
{
    EXPECT_EQ(TypedCoachName(" Zé "), " Zé ");
    EXPECT_EQ(TypedCoachName("   "), "   ");
    EXPECT_EQ(TypedCoachName("João Carlos de Albuquerque Neto"), "João Carlos de Albuquerqu");
    EXPECT_EQ(TypedCoachName("ãããããããããããããããããããããããããããã").size(), 50u);
}

}  // namespace
}  // namespace tarvelon
