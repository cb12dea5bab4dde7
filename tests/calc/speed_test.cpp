#include "speed.hpp"

#include <gtest/gtest.h>

namespace kadenzo {
namespace {

std::string describe(const SpeedOutcome& outcome) {
    if (const auto* r = std::get_if<SpeedResult>(&outcome)) {
        return "result \"" + r->whole + "\" \"" + r->hundredths + "\"";
    }
    if (const auto* e = std::get_if<InputError>(&outcome)) {
        return "prompt \"" + std::string(e->prompt) + "\" at " + std::string(e->field.name) + "(" +
               std::to_string(e->field.index) + ")";
    }
    const auto& f = std::get<Failure>(outcome);
    std::string text = "failure kind " + std::to_string(static_cast<int>(f.kind)) + " subject " +
                       std::to_string(static_cast<int>(f.subject));
    if (f.field) {
        text += " at " + std::string(f.field->name) + "(" + std::to_string(f.field->index) + ")";
    }
    return text;
}

struct Row {
    SpeedInput input;
    SpeedOutcome expected;
};

void checkRows(std::initializer_list<Row> rows) {
    for (const auto& row : rows) {
        const auto& in = row.input;
        SCOPED_TRACE("\"" + std::string(in.km) + "\" \"" + std::string(in.metres) + "\" \"" +
                     std::string(in.hours) + "\" \"" + std::string(in.minutes) + "\" \"" +
                     std::string(in.seconds) + "\"");
        const auto outcome = calculateSpeed(row.input);
        EXPECT_EQ(outcome, row.expected)
            << describe(outcome) << " instead of " << describe(row.expected);
    }
}

SpeedResult result(std::string whole, std::string hundredths) {
    return {std::move(whole), std::move(hundredths)};
}

TEST(SpeedCalculation, WorkedRows) {
    checkRows({
        {{"10", "0", "0", "50", "0"}, result("12", "0")},
        {{"10", "0", "0", "47", "0"}, result("12", "76")},  // cut off, not rounded to 77
        {{"21", "97", "1", "45", "0"}, result("12", "05")},
        {{"1", "0", "0", "4", "59"}, result("12", "04")},
        {{"1", "0", "0", "55", "0"}, result("1", "09")},
        {{"1", "0", "0", "59", "0"}, result("1", "01")},
        {{"1", "111", "0", "6", "0"}, result("11", "10")},
        {{"1", "111", "0", "11", "0"}, result("6", "05")},
        {{"12", "700", "1", "0", "0"}, result("12", "69")},
        {{"7", "0", "0", "25", "0"}, result("16", "79")},
        {{"1", "0", "0", "25", "0"}, result("2", "40")},
        {{"0", "500", "0", "0", "30"}, result("59", "99")},
        {{"0", "0", "0", "10", "0"}, result("0", "0")},
        {{"10", "0", "0", "59", "59"}, result("10", "0")},
        {{"10", "0", "546", "7", "0"}, result("0", "01")},   // n = 32767
        {{"10", "0", "0", "-9", "0"}, result("-67", "33")},  // floor toward negative infinity
        {{"000", "000", "00", "10", "00"}, result("0", "0")},
        {{" 10 ", "+0", "0", "50", "0"}, result("12", "0")},
    });
}

TEST(SpeedCalculation, ExtremeNegativeTimeGivesPlainDigits) {
    // 1 km in 1 min -60 s: t is about -4e-8 minutes, a speed beyond ten million km/h.
    const auto outcome = calculateSpeed({"1", "0", "0", "1", "-60"});
    const auto* r = std::get_if<SpeedResult>(&outcome);
    ASSERT_NE(r, nullptr) << describe(outcome);
    EXPECT_EQ(r->whole, "-1509949440");
    EXPECT_EQ(r->hundredths, "0");
}

TEST(SpeedCalculation, InputErrorsComeBeforeConversionsAndNameTheField) {
    const auto message = [](std::string_view prompt, ControlId field) {
        return InputError{prompt, field};
    };
    checkRows({
        {{"", "0", "0", "50", "0"}, message(prompt::kilometres, field::AfgelegdKM0)},
        {{"", "", "", "", ""}, message(prompt::kilometres, field::AfgelegdKM0)},
        {{"abc", "", "x", "x", "x"}, message(prompt::metres, field::AfgelegdMtr0)},
        {{"10", "0", "", "", "75"}, message(prompt::clockTimeEmpty, field::KlokTijdHr1)},
        {{"10", "0", "0", "", "75"}, message(prompt::clockTimeEmpty, field::KlokTijdMin2)},
        {{"10", "0", "0", "50", ""}, message(prompt::clockTimeEmpty, field::KlokTijdSec3)},
        {{"10", "0", "x", "x", ""}, message(prompt::clockTimeEmpty, field::KlokTijdSec3)},
        {{"10", "0", "0", "60", "0"}, message(prompt::minutesSecondsRange, field::KlokTijdMin2)},
        {{"10", "0", "0", "60", "60"}, message(prompt::minutesSecondsRange, field::KlokTijdMin2)},
        {{"10", "0", "0", "0", "60"}, message(prompt::minutesSecondsRange, field::KlokTijdSec3)},
        {{"10", "0", "999", "0", "60"},
         message(prompt::minutesSecondsRange, field::KlokTijdSec3)},  // before hours x 60
    });
}

TEST(SpeedCalculation, PromptTextsAreExact) {
    EXPECT_EQ(prompt::kilometres, " Het aantal kilometers moet liggen tussen 0 en 99 ");
    EXPECT_EQ(prompt::metres, " Het aantal meters moet liggen tussen 0 en 999 ");
    EXPECT_EQ(prompt::clockTimeEmpty, " De Kloktijd velden mogen niet leeg blijven ");
    EXPECT_EQ(prompt::minutesSecondsRange,
              " Het aantal Minuten en Seconden moet liggen tussen 0 en 59 ");
}

TEST(SpeedCalculation, FailuresNameTheirStepAndField) {
    const auto inField = [](FailureKind kind, ControlId field) {
        return Failure{kind, Subject::Field, field};
    };
    const Failure clockTimeTooLarge{FailureKind::Overflow, Subject::ClockTime, field::KlokTijdHr1};
    const Failure zeroClockTime{FailureKind::DivisionByZero, Subject::ClockTime, {}};
    constexpr auto conversion = FailureKind::ConversionFailure;
    constexpr auto overflow = FailureKind::Overflow;
    checkRows({
        {{"10", "0", "546", "8", "0"}, clockTimeTooLarge},  // minutes + hour minutes
        {{"10", "0", "547", "0", "0"}, clockTimeTooLarge},  // hours x 60
        {{"10", "0", "-546", "-9", "0"}, clockTimeTooLarge},
        {{"0", "000", "0", "00", "00"}, zeroClockTime},  // the initial texts
        {{"1", "0", "0", "-1", "-0"}, result("-60", "0")},
        {{"1", "0", "1", "-60", "0"}, zeroClockTime},
        {{"abc", "0", "", "", ""}, inField(conversion, field::AfgelegdKM0)},
        {{" ", "0", "0", "50", "0"}, inField(conversion, field::AfgelegdKM0)},
        {{"99999", "x", "0", "50", "0"}, inField(overflow, field::AfgelegdKM0)},
        {{"1", "1.5", "0", "50", "0"}, inField(conversion, field::AfgelegdMtr0)},
        {{"1", "0", "x", "y", "z"}, inField(conversion, field::KlokTijdHr1)},
        {{"1", "0", "1", "y", "99"}, inField(conversion, field::KlokTijdMin2)},
        {{"1", "0", "1", "1", "1 0"}, inField(conversion, field::KlokTijdSec3)},
        {{"1", "0", "1", "1", "-32769"}, inField(overflow, field::KlokTijdSec3)},
    });
}

}  // namespace
}  // namespace kadenzo
