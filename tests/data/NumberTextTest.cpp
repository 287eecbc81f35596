#include "data/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace morvane {

using NumberText::parsePlainNumber;
using NumberText::parseValue;

struct ParseCase {
    const char* text;
    double value;
    double plain; // what the plain (colour) conversion reads
};

void PrintTo(const ParseCase& parseCase, std::ostream* out) {
    *out << '"' << parseCase.text << '"';
}

class Conversions : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Conversions, ReadTheLeadingNumber) {
    EXPECT_EQ(parseValue(GetParam().text), GetParam().value) << GetParam().text;
    EXPECT_EQ(parsePlainNumber(GetParam().text), GetParam().plain) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Conversions,
    ::testing::Values(
        ParseCase{"12,5", 12.5, 12}, ParseCase{"12.5", 12.5, 12.5}, ParseCase{"-3,25", -3.25, -3},
        ParseCase{"+7", 7, 7}, ParseCase{",5", 0.5, 0}, ParseCase{"5,", 5, 5},
        ParseCase{"1,5e3", 1500, 1}, ParseCase{"2.5E-2", 0.025, 0.025}, ParseCase{"  42", 42, 42},
        ParseCase{"9abc", 9, 9}, ParseCase{"1e", 1, 1}, ParseCase{"1,2,3", 1.2, 1},
        // A text that is no number yields 0.
        ParseCase{"abc", 0, 0}, ParseCase{"", 0, 0}, ParseCase{"-", 0, 0}, ParseCase{",", 0, 0},
        ParseCase{"e5", 0, 0}, ParseCase{"0,1", 0.1, 0},
        ParseCase{"123456789012345678901", 1.2345678901234568e20, 1.2345678901234568e20},
        ParseCase{"1e400", std::numeric_limits<double>::infinity(),
                  std::numeric_limits<double>::infinity()},
        ParseCase{"-1e400", -std::numeric_limits<double>::infinity(),
                  -std::numeric_limits<double>::infinity()},
        ParseCase{"1e-400", 0, 0}, ParseCase{"inf", std::numeric_limits<double>::infinity(), 0},
        ParseCase{"-Infinity", -std::numeric_limits<double>::infinity(), 0},
        ParseCase{"INF;", std::numeric_limits<double>::infinity(), 0},
        // Words that merely begin like the number words are no numbers.
        ParseCase{"Info", 0, 0}, ParseCase{"infinite", 0, 0}, ParseCase{"nanogram", 0, 0},
        ParseCase{"nan2", 0, 0}),
    [](const auto& testInfo) { return "Case" + std::to_string(testInfo.index); });

TEST(NumberText, NanWordReadsAsNaN) {
    EXPECT_TRUE(std::isnan(parseValue("nan")));
    EXPECT_EQ(parsePlainNumber("nan"), 0);
}

TEST(NumberText, SampleNumbersOutsideTheIntegerRangeAreRejected) {
    using NumberText::truncateToInt32;
    EXPECT_EQ(truncateToInt32(12.9), 12);
    EXPECT_EQ(truncateToInt32(-0.9), 0);
    EXPECT_EQ(truncateToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(truncateToInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_EQ(truncateToInt32(2147483648.0), std::nullopt);
    EXPECT_EQ(truncateToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(truncateToInt32(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(NumberText, ColourIndicesSaturate) {
    using NumberText::saturateToInt32;
    EXPECT_EQ(saturateToInt32(9.99), 9);
    EXPECT_EQ(saturateToInt32(-1.5), -1);
    EXPECT_EQ(saturateToInt32(1e30), 2147483647);
    EXPECT_EQ(saturateToInt32(-1e30), -2147483647 - 1);
    EXPECT_EQ(saturateToInt32(std::nan("")), 0);
}

TEST(NumberText, WrittenValuesUseADecimalCommaAndReadBackExactly) {
    EXPECT_EQ(NumberText::formatValue(12.5), "12,5");
    EXPECT_EQ(NumberText::formatValue(0.1), "0,1");
    EXPECT_EQ(NumberText::formatValue(-2), "-2");
    EXPECT_EQ(NumberText::formatValue(1e20), "1e+20");
    EXPECT_EQ(NumberText::formatValue(1234567.25), "1234567,25");

    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 0) {
            value = std::uniform_real_distribution<double>(-1000, 1000)(random);
        }
        const double back = parseValue(NumberText::formatValue(value));
        if (std::isnan(value)) {
            ASSERT_TRUE(std::isnan(back));
        } else {
            ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0)
                << NumberText::formatValue(value);
        }
    }
}

TEST(NumberText, WrittenValuesAreTheShortestText) {
    // The shortest round-trip text of the standard library, with a comma: the reference.
    const auto shortest = [](double value) {
        char buffer[64];
        std::string text(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
        std::replace(text.begin(), text.end(), '.', ',');
        return text;
    };
    std::vector<double> values{0.0,
                               -0.0,
                               0.01,
                               -0.05,
                               0.1,
                               1,
                               10,
                               100,
                               1000,
                               1e5,
                               12345,
                               100.5,
                               99999999999.99,
                               9999999999999.99,
                               1e13,
                               123456789012345.0};
    std::mt19937_64 random(11);
    for (int i = 0; i < 300000; ++i) {
        const auto cents =
            static_cast<std::int64_t>(random() % 2000000000000000ULL) - 1000000000000000LL;
        values.push_back(static_cast<double>(cents % (i % 2 ? 100000 : 1000000000000000LL)) / 100);
        values.push_back(static_cast<double>(i));
    }
    for (double value : values) {
        ASSERT_EQ(NumberText::formatValue(value), shortest(value)) << value;
    }
}

TEST(NumberText, FixedFormatsForTheList) {
    using NumberText::formatFixed;
    EXPECT_EQ(formatFixed(1, 2), "1,00");
    EXPECT_EQ(formatFixed(25, 1), "25,0");
    EXPECT_EQ(formatFixed(99.96, 1), "100,0");
    EXPECT_EQ(formatFixed(100.5, 0), "101");
    EXPECT_EQ(formatFixed(-0.001, 2), "0,00");
    EXPECT_EQ(formatFixed(-12.345, 1), "-12,3");
    // Values exactly halfway round away from zero in every column, not to the even digit.
    EXPECT_EQ(formatFixed(0.125, 2), "0,13");
    EXPECT_EQ(formatFixed(-0.375, 2), "-0,38");
    EXPECT_EQ(formatFixed(12.25, 1), "12,3");
    EXPECT_EQ(formatFixed(2.5, 0), "3");
    EXPECT_EQ(formatFixed(-2.5, 0), "-3");
    // 1,005 and 0,15 are no ties as doubles (1.00499..., 0.1499...): they round down.
    EXPECT_EQ(formatFixed(1.005, 2), "1,00");
    EXPECT_EQ(formatFixed(0.15, 1), "0,1");
    EXPECT_EQ(formatFixed(std::nan(""), 1), "n.d.");
    EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 0), "n.d.");
}

} // namespace morvane
