// The class-library conversions the cells use, with the player's Brazilian formats.
#include <gtest/gtest.h>

#include "grid/dg_sysutils.h"

namespace tarvelon {
namespace {

TEST(Conversions, Integers)
{
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt(" -7"), -7);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "4 2", "2147483648", "1,5", "x"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
    try {
        StrToInt("doze");
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'doze' is not a valid integer value");
    }
}

TEST(Conversions, FloatsWriteTheShortestFormWithTheComma)
{
    EXPECT_EQ(FloatToStr(2.5), "2,5");
    EXPECT_EQ(FloatToStr(-0.1), "-0,1");
    EXPECT_EQ(FloatToStr(100), "100");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(0.0001), "0,0001");
    EXPECT_DOUBLE_EQ(StrToFloat(" 12,75 "), 12.75);
    EXPECT_DOUBLE_EQ(StrToFloat("1E3"), 1000);
    for (const char* bad : {"", "12.5", ",", "1e", "abc"})
        EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
}

TEST(Conversions, FormatFloatMasks)
{
    EXPECT_EQ(FormatFloat("0.00", 3.14159), "3,14");
    EXPECT_EQ(FormatFloat("#,##0", 1234567), "1.234.567");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ",5");
    EXPECT_EQ(FormatFloat("0", -2.5), "-2");  // ties to even
    EXPECT_EQ(FormatFloat("0.0;(0.0);zero", -1.25), "(1,2)");
    EXPECT_EQ(FormatFloat("0.0;(0.0);\"zero\"", 0), "zero");
    EXPECT_EQ(FormatFloat("\"R$ \"#,##0.00", 1500.5), "R$ 1.500,50");
    EXPECT_EQ(FormatFloat("0.00E+00", 12345), "1,23E+04");
}

TEST(Conversions, BooleansDatesAndGuids)
{
    EXPECT_EQ(BoolToStr(true), "True");
    EXPECT_TRUE(StrToBool("TRUE"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_THROW(StrToBool("sim"), EConvertError);

    TDateTime day = EncodeDate(2026, 12, 7);
    EXPECT_EQ(DateTimeToStr(day), "07/12/2026");
    EXPECT_EQ(DateTimeToStr(day + 0.75), "07/12/2026 18:00:00");
    EXPECT_EQ(DateTimeToStr(0), "30/12/1899");
    EXPECT_EQ(StrToDateTime("7/12/2026 18:00"), day + 0.75);
    EXPECT_EQ(StrToDateTime("07/12/26"), day);
    EXPECT_THROW(StrToDateTime("31/02/2026"), EConvertError);
    EXPECT_EQ(StrToDateTimeDef("amanhã", -1), -1);
    EXPECT_EQ(FormatDateTime("dddd, d 'de' mmmm 'de' yyyy", day), "segunda-feira, 7 de dezembro de 2026");

    TGUID g = StringToGUID("{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
    EXPECT_EQ(g.D1, 0x0A1B2C3Du);
    EXPECT_EQ(g.D4[7], 0xF9);
    EXPECT_EQ(GUIDToString(g), "{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}");
    EXPECT_THROW(StringToGUID("0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9"), EConvertError);
    EXPECT_NE(CreateGuid(), CreateGuid());
}

}  // namespace
}  // namespace tarvelon
