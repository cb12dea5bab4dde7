#include "arithmetic.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kadenzo {
namespace {

TEST(Integer16Arithmetic, OverflowsInsteadOfWrapping) {
    struct Row {
        Integer16 a;
        Integer16 b;
        Checked<Integer16> product;
        Checked<Integer16> sum;
    };
    constexpr auto overflow = FailureKind::Overflow;
    const Row rows[] = {
        {546, 60, Integer16{32760}, Integer16{606}},
        {-546, 60, Integer16{-32760}, Integer16{-486}},
        {547, 60, overflow, Integer16{607}},
        {-547, 60, overflow, Integer16{-487}},
        {32760, 7, overflow, Integer16{32767}},
        {32760, 8, overflow, overflow},
        {-32760, -8, overflow, Integer16{-32768}},
        {-32760, -9, overflow, overflow},
        {-32768, -1, overflow, overflow},
        {9, 10, Integer16{90}, Integer16{19}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.a) + " and " + std::to_string(row.b));
        EXPECT_EQ(multiply(row.a, row.b), row.product);
        EXPECT_EQ(add(row.a, row.b), row.sum);
    }
}

TEST(DistanceValue, IsTheSumRoundedOnceToSingle) {
    struct Row {
        Integer16 km;
        Integer16 metres;
        float expected;
    };
    const Row rows[] = {
        {10, 0, 10.0F},
        {12, 500, 12.5F},
        {0, 700, 0.699999988079071044921875F},
        {12, 700, 12.69999980926513671875F},
        // Rounding metres / 1000 to single first would give 1.11100006103515625.
        {1, 111, 1.11099994182586669921875F},
        {42, 195, 42.19499969482421875F},
        {1, 50, 1.04999995231628418F},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.km) + " km " + std::to_string(row.metres) + " m");
        EXPECT_EQ(distanceValue(row.km, row.metres), row.expected);
    }
}

TEST(DistanceValue, IsNearestToTheDecimalOverTheWholeFieldRange) {
    for (int km = 0; km <= 99; ++km) {
        for (int metres = 0; metres <= 999; ++metres) {
            // The float nearest to km + metres/1000, worked out from the exact thousandths.
            const long thousandths = km * 1000L + metres;
            const auto guess = static_cast<float>(static_cast<double>(thousandths) / 1000.0);
            const float candidates[] = {std::nextafter(guess, -1.0F), guess,
                                        std::nextafter(guess, 1000.0F)};
            float nearest = guess;
            long double bestError = std::numeric_limits<long double>::max();
            for (const float c : candidates) {
                const long double error = std::fabs(c * 1000.0L - thousandths);
                if (error < bestError) {
                    bestError = error;
                    nearest = c;
                }
            }
            ASSERT_EQ(distanceValue(static_cast<Integer16>(km), static_cast<Integer16>(metres)),
                      nearest)
                << km << " km " << metres << " m";
        }
    }
}

TEST(NarrowToSingle, RoundsToNearestAndRefusesBeyondRange) {
    constexpr float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(narrowToSingle(16.799999237060547), Checked<float>{16.79999923706054688F});
    EXPECT_EQ(narrowToSingle(-66.66666666666667), Checked<float>{-66.66666412353515625F});
    EXPECT_EQ(narrowToSingle(largest), Checked<float>{largest});
    EXPECT_EQ(narrowToSingle(-static_cast<double>(largest)), Checked<float>{-largest});
    EXPECT_EQ(narrowToSingle(std::nextafter(static_cast<double>(largest), 1e300)),
              Checked<float>{FailureKind::Overflow});
    EXPECT_EQ(narrowToSingle(-1e300), Checked<float>{FailureKind::Overflow});
}

TEST(SixtyOverTimes, DividesFirstAndTestsDivisorAndRange) {
    // (60 / 9) x 0.875 is 5.833333333333334; 0.875 x 60 / 9 would be 5.833333333333333.
    EXPECT_EQ(sixtyOverTimes(9.0, 0.875F), Checked<double>{5.833333333333334});
    EXPECT_EQ(sixtyOverTimes(-12.0, 10.0F), Checked<double>{-50.0});
    EXPECT_EQ(sixtyOverTimes(0.0, 1.0F), Checked<double>{FailureKind::DivisionByZero});
    EXPECT_EQ(sixtyOverTimes(-0.0, 1.0F), Checked<double>{FailureKind::DivisionByZero});
    EXPECT_EQ(sixtyOverTimes(1e-310, 1.0F), Checked<double>{FailureKind::Overflow});   // quotient
    EXPECT_EQ(sixtyOverTimes(1e-300, 1e30F), Checked<double>{FailureKind::Overflow});  // product
}

TEST(Floor, RoundsTowardNegativeInfinityInTheArgumentsPrecision) {
    EXPECT_EQ(std::floor(2.400000095367431640625F), 2.0F);
    EXPECT_EQ(std::floor(-66.666664F), -67.0F);
    EXPECT_EQ(std::floor(12.7), 12.0);
    EXPECT_EQ(std::floor(0.99), 0.0);
    EXPECT_EQ(std::floor(5.0), 5.0);
}

TEST(StatusTest, FiresOnlyForNonFiniteResults) {
    EXPECT_EQ(statusTest(1.5), std::nullopt);
    EXPECT_EQ(statusTest(-0.0), std::nullopt);
    EXPECT_EQ(statusTest(std::numeric_limits<double>::denorm_min()), std::nullopt);
    EXPECT_EQ(statusTest(std::numeric_limits<double>::infinity()), FailureKind::Overflow);
    EXPECT_EQ(statusTest(-std::numeric_limits<double>::infinity()), FailureKind::Overflow);
    EXPECT_EQ(statusTest(std::numeric_limits<double>::quiet_NaN()), FailureKind::Overflow);
}

}  // namespace
}  // namespace kadenzo
