#include "text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kadenzo {
namespace {

constexpr auto conversionFailure = FailureKind::ConversionFailure;
constexpr auto overflow = FailureKind::Overflow;

TEST(TextToInteger16, ReadsTheNumberSpellingsAndRefusesTheRest) {
    struct Row {
        std::string text;
        Checked<Integer16> expected;
    };
    const Row rows[] = {
        // digit texts, leading zeros, the window's initial texts
        {"0", Integer16{0}},
        {"00", Integer16{0}},
        {"000", Integer16{0}},
        {"05", Integer16{5}},
        {"007", Integer16{7}},
        {"12", Integer16{12}},
        // blanks around, one sign
        {" 12 ", Integer16{12}},
        {"+5", Integer16{5}},
        {"-9", Integer16{-9}},
        {"  -0  ", Integer16{0}},
        // the range and one past each end
        {"32767", Integer16{32767}},
        {"-32768", Integer16{-32768}},
        {"32768", overflow},
        {"-32769", overflow},
        {"99999", overflow},
        {"000000000032767", Integer16{32767}},
        {"100000", overflow},
        {std::string(1000, '9'), overflow},
        // not numbers
        {"", conversionFailure},
        {" ", conversionFailure},
        {"abc", conversionFailure},
        {"-", conversionFailure},
        {"+-5", conversionFailure},
        {"--5", conversionFailure},
        {"5-", conversionFailure},
        {"1,5", conversionFailure},
        {"1.5", conversionFailure},
        {"1e3", conversionFailure},
        {"1 000", conversionFailure},
        {"- 5", conversionFailure},
        {"\t5", conversionFailure},
        {"0x10", conversionFailure},
        {"\xd9\xa1\xd9\xa2", conversionFailure},  // Arabic-Indic digits one and two
        {std::string("1\0", 2), conversionFailure},
        {std::string(1000, '9') + "x", conversionFailure},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("text \"" + row.text.substr(0, 40) + "\"");
        EXPECT_EQ(textToInteger16(row.text), row.expected);
    }
}

TEST(TextToDouble, ReadsWholeNumbersOfAnyLength) {
    struct Row {
        std::string text;
        Checked<double> expected;
    };
    const Row rows[] = {
        {"0", 0.0},
        {"40000", 40000.0},
        {" -12 ", -12.0},
        {"+7", 7.0},
        // beyond 2^53 the nearest double, ties to even
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740995", 9007199254740996.0},
        {"1" + std::string(22, '0'), 1e22},
        {"1" + std::string(23, '0'), 1e23},
        // the largest double written out, and one more digit than any double has
        {"1797693134862315708145274237317043567980705675258449965989174768031572607800285387605895"
         "5863276687817154045895351438246423432132688946418276846754670353751698604991057655128207"
         "6245490090389328944075868508455133942304583236903222948165808559332123348274797826204144"
         "723168738177180919299881250404026184124858368",
         1.7976931348623157e308},
        {"1" + std::string(309, '0'), overflow},
        {"-1" + std::string(309, '0'), overflow},
        {std::string(1000, '0') + "5", 5.0},
        {"", conversionFailure},
        {" ", conversionFailure},
        {"1.5", conversionFailure},
        {"1e3", conversionFailure},
        {"inf", conversionFailure},
        {"nan", conversionFailure},
        {"0x1p3", conversionFailure},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("text \"" + row.text.substr(0, 40) + "\"");
        EXPECT_EQ(textToDouble(row.text), row.expected);
    }
}

TEST(TextToDouble, SignOfZeroIsKept) {
    const auto negativeZero = std::get<double>(textToDouble("-0"));
    EXPECT_EQ(negativeZero, 0.0);
    EXPECT_TRUE(std::signbit(negativeZero));
}

TEST(TextToDouble, MegabyteOfDigitsConverts) {
    // A field without a length limit can hold a pasted megabyte.
    EXPECT_EQ(textToDouble(std::string(1 << 20, '7')), Checked<double>{overflow});
    EXPECT_EQ(textToDouble(std::string(1 << 20, '0') + "42"), Checked<double>{42.0});
    EXPECT_EQ(textToDouble(std::string(1 << 20, '7') + "."), Checked<double>{conversionFailure});
}

TEST(Integer16ToText, PlainDigitsWithSign) {
    EXPECT_EQ(integer16ToText(0), "0");
    EXPECT_EQ(integer16ToText(50), "50");
    EXPECT_EQ(integer16ToText(-7), "-7");
    EXPECT_EQ(integer16ToText(-32768), "-32768");
    EXPECT_EQ(integer16ToText(32767), "32767");
}

TEST(WholeNumberToText, ExactDigitsOfAnyMagnitude) {
    struct Row {
        double value;
        std::string expected;
    };
    const Row rows[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {5.0, "5"},
        {12.0, "12"},
        {120.0, "120"},
        {-67.0, "-67"},
        {9999999.0, "9999999"},
        {10000000.0, "10000000"},
        {9007199254740992.0, "9007199254740992"},
        {-1180591620717411303424.0, "-1180591620717411303424"},  // 2^70
        {1e23, "99999999999999991611392"},
        {static_cast<double>(3.4028234663852886e38F), "340282346638528859811704183484516925440"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(wholeNumberToText(row.value), row.expected);
    }
}

}  // namespace
}  // namespace kadenzo
