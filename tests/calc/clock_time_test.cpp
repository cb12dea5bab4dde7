#include "clock_time.hpp"

#include <gtest/gtest.h>

namespace kadenzo {
namespace {

constexpr const char* notWritten = nullptr;

struct Row {
    ClockTimeInput input;
    const char* rewritten;  // SnelheidAK(0) afterwards, or notWritten
    ClockTimeResult expected;
};

std::string describe(const ClockTimeInput& in) {
    return "\"" + std::string(in.km) + "\" \"" + std::string(in.metres) + "\" \"" +
           std::string(in.wholeKmh) + "\" \"" + std::string(in.hundredths) + "\"";
}

std::optional<std::string> rewrite(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

TEST(ClockTimeCalculation, WorkedRows) {
    const Row rows[] = {
        {{"10", "0", "12", "0"}, notWritten, {"0", "50", "0"}},
        {{"10", "000", "11", "5"}, "50", {"0", "52", "10"}},
        {{"10", "000", "11", "50"}, notWritten, {"0", "52", "10"}},
        {{"10", "000", "11", "005"}, "50", {"0", "52", "10"}},
        {{"10", "000", "11", "05"}, notWritten, {"0", "54", "17"}},
        {{"10", "000", "12", "1"}, "10", {"0", "49", "35"}},
        {{"10", "000", "12", "01"}, notWritten, {"0", "49", "57"}},
        {{"10", "000", "12", "010"}, notWritten, {"0", "49", "35"}},
        {{"10", "000", "12", "9"}, "90", {"0", "46", "30"}},
        {{"10", "000", "12", "09"}, notWritten, {"0", "49", "37"}},
        {{"10", "000", "12", "100"}, notWritten, {"0", "46", "9"}},
        {{"10", "000", "12", "-5"}, notWritten, {"0", "50", "12"}},
        {{"42", "195", "12", "0"}, notWritten, {"3", "30", "58"}},
        {{"42", "195", "10", "0"}, notWritten, {"4", "13", "10"}},
        {{"42", "195", "10", "5"}, "50", {"4", "1", "6"}},
        {{"21", "098", "12", "5"}, "50", {"1", "41", "16"}},
        {{"24", "000", "12", "0"}, notWritten, {"2", "0", "0"}},
        {{"11", "0", "11", "0"}, notWritten, {"0", "59", "59"}},
        {{"1", "000", "16", "0"}, notWritten, {"0", "3", "44"}},
        {{"1", "0", "6", "25"}, notWritten, {"0", "9", "35"}},
        {{"0", "875", "9", "0"}, notWritten, {"0", "5", "50"}},
        {{"1", "050", "9", "0"}, notWritten, {"0", "6", "59"}},
        {{"1", "050", "10", "5"}, "50", {"0", "5", "59"}},
        {{"99", "999", "1", "0"}, notWritten, {"99", "59", "56"}},
        {{"10", "000", "-12", "0"}, notWritten, {"-1", "10", "0"}},
        {{"10", "000", "0", "01"}, notWritten, {"1000", "0", "0"}},
        {{"0", "000", "12", "0"}, notWritten, {"0", "0", "0"}},
        // the hundredths rule compares the text exactly: blanks and signs are not "01" to "09"
        {{"10", "000", "12", " 5"}, "50", {"0", "48", "0"}},
        {{"10", "000", "12", "+01"}, "10", {"0", "49", "35"}},
        {{"10", "000", "12", "05 "}, "50", {"0", "48", "0"}},
        // a whole-km/h text beyond the Integer16 range
        {{"10", "000", "40000", "0"}, notWritten, {"0", "0", "0"}},
        // a zero distance at a negative speed gives negative zero hours, shown as "0"
        {{"0", "000", "-12", "0"}, notWritten, {"0", "0", "0"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(describe(row.input));
        const auto outcome = calculateClockTime(row.input);
        EXPECT_EQ(outcome.rewrittenHundredths, rewrite(row.rewritten));
        const auto* result = std::get_if<ClockTimeResult>(&outcome.result);
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->hours, row.expected.hours);
        EXPECT_EQ(result->minutes, row.expected.minutes);
        EXPECT_EQ(result->seconds, row.expected.seconds);
    }
}

TEST(ClockTimeCalculation, SecondClickOnRewrittenTextRewritesNothing) {
    const auto first = calculateClockTime({"10", "0", "12", "5"});
    ASSERT_EQ(first.rewrittenHundredths, std::optional<std::string>("50"));
    const auto second = calculateClockTime({"10", "0", "12", *first.rewrittenHundredths});
    EXPECT_EQ(second.rewrittenHundredths, std::nullopt);
    EXPECT_EQ(second.result, first.result);
    EXPECT_EQ(std::get<ClockTimeResult>(second.result), (ClockTimeResult{"0", "48", "0"}));
}

TEST(ClockTimeCalculation, TinyNegativeTimeShowsNoSixtySeconds) {
    // 1 km at -10^20 km/h takes -6e-19 minutes: just below zero, so -1 hour and 59 minutes and
    // 59 seconds, never a 60 seconds that would come from rounding the fraction up to 1.
    const auto outcome = calculateClockTime({"1", "0", "-1" + std::string(20, '0'), "0"});
    EXPECT_EQ(std::get<ClockTimeResult>(outcome.result), (ClockTimeResult{"-1", "59", "59"}));
}

TEST(ClockTimeCalculation, FailuresNameTheirStepAndKeepTheRewrite) {
    struct FailureRow {
        ClockTimeInput input;
        const char* rewritten;
        Failure expected;
    };
    constexpr auto conversion = FailureKind::ConversionFailure;
    constexpr auto overflow = FailureKind::Overflow;
    const Failure zeroSpeed{FailureKind::DivisionByZero, Subject::Speed, {}};
    const auto inField = [](FailureKind kind, ControlId field) {
        return Failure{kind, Subject::Field, field};
    };
    const std::string beyondDoubles = "1" + std::string(400, '0');
    const FailureRow rows[] = {
        {{"0", "000", "0", "0"}, notWritten, zeroSpeed},  // the initial texts
        {{"10", "0", "0", "00"}, notWritten, zeroSpeed},
        {{"10", "0", "-1", "100"}, notWritten, zeroSpeed},
        {{"", "x", "x", "x"}, notWritten, inField(conversion, field::AfgelegdKM1)},
        {{"32768", "0", "1", "0"}, notWritten, inField(overflow, field::AfgelegdKM1)},
        {{"1", "1e3", "1", "0"}, notWritten, inField(conversion, field::AfgelegdMtr1)},
        {{"10", "0", "12", ""}, notWritten, inField(conversion, field::SnelheidAK0)},
        {{"10", "0", "", "40000"}, notWritten, inField(overflow, field::SnelheidAK0)},
        {{"10", "0", "", "5"}, "50", inField(conversion, field::SnelheidVK0)},
        {{"10", "0", "12,5", "5"}, "50", inField(conversion, field::SnelheidVK0)},
        {{"10", "0", beyondDoubles, "2"}, "20", inField(overflow, field::SnelheidVK0)},
        {{"10", "0", "-0", "0"}, notWritten, zeroSpeed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(describe(row.input));
        const auto outcome = calculateClockTime(row.input);
        EXPECT_EQ(outcome.rewrittenHundredths, rewrite(row.rewritten));
        const auto* failure = std::get_if<Failure>(&outcome.result);
        ASSERT_NE(failure, nullptr);
        EXPECT_EQ(*failure, row.expected);
    }
}

}  // namespace
}  // namespace kadenzo
