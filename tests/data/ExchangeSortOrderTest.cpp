#include "data/ExchangeSortOrder.h"

#include "support/PlainExchangeSort.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>

namespace morvane {
namespace {

std::string describe(const std::vector<double>& keys) {
    std::string text;
    for (double key : keys) {
        text += std::to_string(key) + (std::signbit(key) && key == 0 ? "(-0) " : " ");
    }
    return text;
}

} // namespace

TEST(ExchangeSortOrder, MatchesThePlainProcedureOnEverySmallSequence) {
    // Every sequence of length 0..7 over three keys, plus length 0..5 over keys with NaN and -0.
    const std::vector<std::vector<double>> alphabets{{1.0, 2.0, 3.0},
                                                     {std::nan(""), 0.0, -0.0, 1.0}};
    const std::vector<std::size_t> maxLengths{7, 5};
    for (std::size_t a = 0; a < alphabets.size(); ++a) {
        const auto& alphabet = alphabets[a];
        for (std::size_t length = 0; length <= maxLengths[a]; ++length) {
            std::vector<std::size_t> digits(length, 0);
            while (true) {
                std::vector<double> keys(length);
                for (std::size_t i = 0; i < length; ++i) {
                    keys[i] = alphabet[digits[i]];
                }
                ASSERT_EQ(exchangeSortOrder(keys), test::plainExchangeSort(keys)) << describe(keys);
                std::size_t k = 0;
                while (k < length && ++digits[k] == alphabet.size()) {
                    digits[k++] = 0;
                }
                if (k == length) {
                    break;
                }
            }
        }
    }
}

TEST(ExchangeSortOrder, MatchesThePlainProcedureOnRandomInputsWithTiesAndSpecialValues) {
    std::mt19937 random(1234);
    const double specials[] = {std::nan(""), -0.0, 0.0, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity()};
    for (int round = 0; round < 3000; ++round) {
        const std::size_t length = std::uniform_int_distribution<std::size_t>(0, 120)(random);
        const int distinct = std::uniform_int_distribution<int>(1, 12)(random);
        const int specialPercent = std::uniform_int_distribution<int>(0, 30)(random);
        std::vector<double> keys(length);
        for (double& key : keys) {
            if (std::uniform_int_distribution<int>(0, 99)(random) < specialPercent) {
                key = specials[std::uniform_int_distribution<int>(0, 4)(random)];
            } else {
                key = std::uniform_int_distribution<int>(-distinct, distinct)(random) * 0.5;
            }
        }
        ASSERT_EQ(exchangeSortOrder(keys), test::plainExchangeSort(keys)) << describe(keys);
    }
}

TEST(ExchangeSortOrder, LargeGroupsOfTiesBetweenSmallerKeys) {
    // Long alternations make the rotations of big groups matter. From 2048 keys on the keys are
    // radix sorted instead of merge sorted: both lengths are taken, with some NaN.
    std::mt19937 random(99);
    for (int round = 0; round < 20; ++round) {
        std::vector<double> keys(round % 2 == 0 ? 2000 : 3000);
        for (double& key : keys) {
            const int draw = std::uniform_int_distribution<int>(0, 40)(random);
            key = draw == 0 ? std::nan("") : draw % 3;
        }
        ASSERT_EQ(exchangeSortOrder(keys), test::plainExchangeSort(keys));
    }
}

TEST(ExchangeSortOrder, ApplyOrderMovesEveryElementToItsPlace) {
    std::vector<std::string> items{"c", "a", "d", "b"};
    std::vector<std::uint32_t> order{1, 3, 0, 2};
    applyOrder<std::string>(order, items.data());
    EXPECT_EQ(items, (std::vector<std::string>{"a", "b", "c", "d"}));
}

} // namespace morvane
