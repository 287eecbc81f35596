#include "tetra/Linie.h"

#include "base/Mathe.h"
#include "tetra/Daten3D.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// The corner rows of a 400 x 400 drawing at the given angles.
class Corners {
public:
    explicit Corners(double w1 = 0, double w2 = 0, double w3 = 0) {
        m_model.winkel1 = w1;
        m_model.winkel2 = w2;
        m_model.winkel3 = w3;
        m_model.ScaleFactor = 100;
        m_model.rotationsmatrix();
        m_model.tetraederberechnung();
    }
    datarow& operator[](int corner) { return m_model.tet[static_cast<std::size_t>(corner)]; }

private:
    Daten3D m_model;
};

constexpr int A = Daten3D::cornerA;
constexpr int B = Daten3D::cornerB;
constexpr int C = Daten3D::cornerC;
constexpr int D = Daten3D::cornerD;

} // namespace

TEST(Linie, OppositeEdgesCrossAtTheCentreAndTheFrontOneIsReturned) {
    Corners corners;
    Linie db(corners[D], corners[B]);
    Linie ac(corners[A], corners[C]);
    Mathe::ScopedLogCapture trace;
    EXPECT_EQ(db.SchnittXZ(ac), &ac);
    // xs = (0 - 0) / -2 is a negative zero; the trace shows it with its sign.
    EXPECT_EQ(trace.lines(),
              (std::vector<std::string>{
                  "start      = -1.000000000000 / -1.000000000000 / -1.000000000000",
                  "ende       = +1.000000000000 / -1.000000000000 / +1.000000000000",
                  "steigung   = +1.000000000000",
                  "l.start    = -1.000000000000 / +1.000000000000 / +1.000000000000",
                  "l.ende     = +1.000000000000 / +1.000000000000 / -1.000000000000",
                  "l.steigung = -1.000000000000",
                  "p1         = -0.000000000000 / -1.000000000000 / +0.000000000000",
                  "p2         = -0.000000000000 / +1.000000000000 / +0.000000000000"}));
    // Asked the other way round, the same edge is in front: now it is "this".
    EXPECT_EQ(ac.SchnittXZ(db), &ac);
}

TEST(Linie, DeltaPutsTheLeftEndFirstAndComputesTheSlopes) {
    Corners corners;
    Linie ba(corners[B], corners[A]);
    ba.delta();
    EXPECT_EQ(ba.start, &corners[A]); // B's screen x is larger
    EXPECT_EQ(ba.ende, &corners[B]);
    EXPECT_EQ(ba.dx, 2);
    EXPECT_EQ(ba.dy, -2);
    EXPECT_EQ(ba.dz, 0);
    EXPECT_EQ(ba.steigungy, -1);
    EXPECT_EQ(ba.steigungZ, 0);
    EXPECT_EQ(ba.anfangy, 0);
    EXPECT_EQ(ba.anfangz, 1);
    // Equal screen x keeps the order; a vertical segment has zero slopes.
    Linie da(corners[D], corners[A]);
    da.delta();
    EXPECT_EQ(da.start, &corners[D]);
    EXPECT_EQ(da.steigungZ, 0);
    EXPECT_EQ(da.steigungy, 0);
    EXPECT_EQ(da.anfangz, -1);
    EXPECT_EQ(da.anfangy, -1);
    // The rows themselves are never touched.
    EXPECT_EQ(corners[B].x, 1);
    EXPECT_FALSE(ba.verdeckt);
}

TEST(Linie, EdgesSharingACornerDoNotCrossButAreTraced) {
    Corners corners;
    Linie dc(corners[D], corners[C]);
    Linie db(corners[D], corners[B]);
    Mathe::ScopedLogCapture trace;
    EXPECT_EQ(dc.SchnittXZ(db), nullptr);
    ASSERT_EQ(trace.lines().size(), 8u);
    EXPECT_EQ(trace.lines()[6], "p1         = -1.000000000000 / -1.000000000000 / -1.000000000000");
}

TEST(Linie, ParallelEdgesAreNotTraced) {
    Corners corners;
    Linie dc(corners[D], corners[C]);
    Linie ba(corners[B], corners[A]);
    Mathe::ScopedLogCapture trace;
    EXPECT_EQ(dc.SchnittXZ(ba), nullptr);
    EXPECT_TRUE(trace.lines().empty());
}

TEST(Linie, ASegmentWithBothEndsAtOneXMeetsOthersOnlyAtThatX) {
    // At the angles 0, D-A has both ends at x = -1; its slopes are 0, so it stands for the
    // line z = -1 and crosses another segment only where that one reaches x = -1 there.
    Corners corners;
    Linie da(corners[D], corners[A]);
    Linie cb(corners[C], corners[B]);
    EXPECT_EQ(da.SchnittXZ(cb), nullptr); // both have zero slopes: parallel

    datarow left(-2, 0.5, -2);
    left.PunktX = -200;
    datarow right(0, 0.5, 0);
    Linie through(left, right); // passes (x -1, z -1), in front of D-A's depth -1 there
    EXPECT_EQ(through.SchnittXZ(da), &through);

    datarow higherLeft(-2, 0.5, -1.5);
    higherLeft.PunktX = -200;
    datarow higherRight(0, 0.5, 0.5);
    Linie past(higherLeft, higherRight); // crosses x -1 at z -0.5: not at D-A's own x range
    EXPECT_EQ(past.SchnittXZ(da), nullptr);
}

} // namespace morvane
