#include "base/Mathe.h"

#include "support/TestPaths.h"

#include <cmath>
#include <cstdlib>
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

// Without a sink the trace goes where MORVANE_TRACE says; a file name collects the lines, one
// after the other, from every run. The variable is read at the first line traced.
TEST(Mathe, TraceIsAppendedToTheFileTheEnvironmentNames) {
    const test::TemporaryFolder folder;
    const std::filesystem::path file = folder / "trace.txt";
    test::writeBytes(file, "earlier run\n");
    ::setenv("MORVANE_TRACE", file.c_str(), 1);
    Mathe::log("p1");
    Mathe::log("p2");
    ::unsetenv("MORVANE_TRACE");
    EXPECT_EQ(test::readBytes(file), "earlier run\np1\np2\n");
}

} // namespace morvane
