#include "draw/Grafik.h"

#include <climits>
#include <gtest/gtest.h>

namespace morvane {
namespace {

// The colour of each index and its lighter variant, and indexes outside the table.
struct ColourCase {
    std::int32_t index;
    Color colour;
    Color lighter;
};

const ColourCase colourCases[] = {
    {0, RGB(0, 0, 0), RGB(128, 128, 128)},       {1, RGB(128, 0, 0), RGB(192, 128, 128)},
    {2, RGB(0, 128, 0), RGB(128, 192, 128)},     {3, RGB(128, 128, 0), RGB(192, 192, 128)},
    {4, RGB(0, 0, 128), RGB(128, 128, 192)},     {5, RGB(128, 0, 128), RGB(192, 128, 192)},
    {6, RGB(0, 128, 128), RGB(128, 192, 192)},   {7, RGB(192, 192, 192), RGB(224, 224, 224)},
    {8, RGB(128, 128, 128), RGB(192, 192, 192)}, {9, RGB(255, 0, 0), RGB(255, 128, 128)},
    {10, RGB(0, 255, 0), RGB(128, 255, 128)},    {11, RGB(255, 255, 0), RGB(255, 255, 128)},
    {12, RGB(0, 0, 255), RGB(128, 128, 255)},    {13, RGB(255, 0, 255), RGB(255, 128, 255)},
    {14, RGB(0, 255, 255), RGB(128, 255, 255)},  {15, RGB(255, 255, 255), RGB(255, 255, 255)},
    {16, RGB(0, 0, 0), RGB(128, 128, 128)},      {-1, RGB(0, 0, 0), RGB(128, 128, 128)},
    {INT_MAX, RGB(0, 0, 0), RGB(128, 128, 128)}, {INT_MIN, RGB(0, 0, 0), RGB(128, 128, 128)},
};

TEST(Grafik, ColourTableAndLighterColours) {
    for (const ColourCase& c : colourCases) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        EXPECT_EQ(Grafik::GetFarbe(c.index), c.colour);
        EXPECT_EQ(Grafik::heller(c.colour), c.lighter);
    }
    // Odd channels lose their half: 1 / 2 + 128 = 128.5 becomes 128.
    EXPECT_EQ(Grafik::heller(RGB(1, 3, 5)), RGB(128, 129, 130));
}

} // namespace
} // namespace morvane
