#include "common/conversions.h"
#include "common/ascii_text.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace norvel::common {
namespace {

TEST(Conversions, NumericTextAsUsersTypeIt) {
    for (const char* text : {"0", "1.5", "-3", "+7", " 30 ", "1e3", "2.5E-1", ".5", "5.", "&H1F"})
        EXPECT_TRUE(isNumeric(text)) << text;
    for (const char* text : {"", "  ", "3x", "x3", "1.2.3", "1e", "--1", "&H", "&HZZ", "1 2"})
        EXPECT_FALSE(isNumeric(text)) << text;
    EXPECT_DOUBLE_EQ(*parseNumber(" -1.25 "), -1.25);
    EXPECT_DOUBLE_EQ(*parseNumber("&HFFFF"), -1.0);  // 16-bit hex literals are signed
}

TEST(Conversions, RoundingSendsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2.0);
    EXPECT_EQ(roundHalfEven(3.5), 4.0);
    EXPECT_EQ(roundHalfEven(52.5), 52.0);
    EXPECT_EQ(roundHalfEven(24.5), 24.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(17.51), 18.0);
    EXPECT_EQ(toInt16("1.5"), 2);
    EXPECT_EQ(toInt16("0.5"), 0);
}

TEST(Conversions, WholeNumbersReportMismatchAndOverflow) {
    EXPECT_EQ(toInt16("32767"), 32767);
    try {
        toInt16("32768");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kOverflow);
    }
    try {
        toInt32("abc");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kTypeMismatch);
    }
}

TEST(Conversions, BooleansReadWordsAndNumbers) {
    EXPECT_TRUE(toBoolean("1"));
    EXPECT_TRUE(toBoolean("True"));
    EXPECT_TRUE(toBoolean(" TRUE "));
    EXPECT_TRUE(toBoolean("-1"));
    EXPECT_FALSE(toBoolean("0"));
    EXPECT_FALSE(toBoolean("false"));
    EXPECT_THROW(toBoolean("yes"), Error);
    EXPECT_THROW(toBoolean(""), Error);
}

TEST(Conversions, CaseAndBlanks) {
    EXPECT_TRUE(equalsIgnoreCase("Index.HTM", "index.htm"));
    EXPECT_FALSE(equalsIgnoreCase("htm", "html"));
    EXPECT_EQ(trimBlanks("  x y  "), "x y");
    EXPECT_EQ(trimBlanks("\tx"), "\tx");  // only spaces are blanks
    EXPECT_EQ(formatNumber(3.0), "3");
    EXPECT_EQ(formatNumber(0.35), "0.35");
}

}  // namespace
}  // namespace norvel::common
