#include "rhythm/convert.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace rorovovo::rhythm {
namespace {

TEST(Convert, decimalWithSignAndLeadingBlanks_converts) {
    EXPECT_EQ(tryStrToInt("0"), 0);
    EXPECT_EQ(tryStrToInt("1958"), 1958);
    EXPECT_EQ(tryStrToInt("03"), 3);
    EXPECT_EQ(tryStrToInt("+5"), 5);
    EXPECT_EQ(tryStrToInt("-17"), -17);
    EXPECT_EQ(tryStrToInt("   42"), 42);
}

TEST(Convert, hexadecimalPrefixes_convert) {
    EXPECT_EQ(tryStrToInt("$1F"), 31);
    EXPECT_EQ(tryStrToInt("x1f"), 31);
    EXPECT_EQ(tryStrToInt("X1f"), 31);
    EXPECT_EQ(tryStrToInt("0X1F"), 31);
    EXPECT_EQ(tryStrToInt("0x1f"), 31);
    EXPECT_EQ(tryStrToInt("-$10"), -16);
    EXPECT_EQ(tryStrToInt(" $ff"), 255);
}

TEST(Convert, limitsOf32Bits_areExact) {
    EXPECT_EQ(tryStrToInt("2147483647"), 2147483647);
    EXPECT_EQ(tryStrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(tryStrToInt("$7FFFFFFF"), 2147483647);
    EXPECT_FALSE(tryStrToInt("2147483648"));
    EXPECT_FALSE(tryStrToInt("-2147483649"));
    EXPECT_FALSE(tryStrToInt("99999999999999999999"));
}

TEST(Convert, malformedTexts_areRejected) {
    for (const char* text : {"", " ", "5 ", "12abc", "0x", "$", "x", "+", "-", "+-5", "1.5", "1e3", "$G", "0x1g", "\t5",
                             "5\n", "--5", "0xx1"})
        EXPECT_FALSE(tryStrToInt(text)) << "'" << text << "'";
}

TEST(Convert, strToInt_throwsConvertErrorNamingTheText) {
    EXPECT_EQ(strToInt("-$10"), -16);
    try {
        strToInt("12abc");
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'12abc' is not a valid integer value");
    }
    EXPECT_THROW(strToInt(""), AppError);
}

}  // namespace
}  // namespace rorovovo::rhythm
