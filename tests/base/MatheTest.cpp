#include "base/Mathe.h"

#include <cmath>
#include <gtest/gtest.h>

namespace morvane {

TEST(Mathe, PiIsFourTimesArctanOne) {
    Mathe::InitMathe();
    EXPECT_DOUBLE_EQ(Mathe::pi, M_PI);
    EXPECT_EQ(Mathe::pi, 4.0 * std::atan(1.0));
}

TEST(Mathe, TraceGoesOnlyToTheInstalledSink) {
    Mathe::ScopedLogCapture capture;
    Mathe::log("start      = +1.000000000000 / -1.000000000000 / +1.000000000000");
    Mathe::log("p2");
    ASSERT_EQ(capture.lines().size(), 2u);
    EXPECT_EQ(capture.lines()[1], "p2");
}

} // namespace morvane
