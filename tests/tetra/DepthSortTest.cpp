#include "TetraTestSupport.h"
#include "data/DepthSorter.h"
#include "draw/Grafik.h"
#include "draw/RecordingGraphics.h"
#include "support/PlainExchangeSort.h"
#include "tetra/Daten3D.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <random>

namespace morvane {
namespace {

std::string colourCall(Color c) {
    return "ForeColor " + std::to_string(c.red()) + "," + std::to_string(c.green()) + "," +
           std::to_string(c.blue());
}

// Many ties: small whole components (so that different rows share depths at the angles 0),
// duplicates of earlier rows in other colours, and a few rows of zeros (not-a-number depth).
std::shared_ptr<Dataset> rowsWithTies(std::mt19937& random, int count, bool withZeros) {
    auto data = std::make_shared<Dataset>();
    std::uniform_int_distribution<int> component(0, 3);
    std::uniform_int_distribution<int> colour(0, 15);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int anr = 1; anr <= count; ++anr) {
        datarow row;
        const int what = kind(random);
        if (what < 4 && data->anzahl() > 0) {
            row = data->row(std::uniform_int_distribution<int>(1, data->anzahl())(random));
        } else if (what == 4 && withZeros) {
            row.a = row.b = row.c = row.d = 0;
        } else {
            row.a = component(random);
            row.b = component(random);
            row.c = component(random);
            row.d = component(random) + 1;
        }
        row.anr = anr;
        row.farbe = colour(random);
        data->addrow(row);
    }
    return data;
}

} // namespace

// Rows of equal depth are drawn in the order the exchange sort leaves them; the later covers
// the earlier. Each drawing starts from the order the previous one left.
TEST(DepthOrder, DiscsFollowThePlainExchangeSortAtThePresetAngles) {
    std::mt19937 random(20240611);
    const std::array<std::array<int, 3>, 4> presets{
        {{0, 0, 0}, {73, 345, 34}, {55, 45, 90}, {0, 0, 0}}};
    for (int round = 0; round < 3; ++round) {
        Daten3D model;
        model.data = rowsWithTies(random, 1500, round == 0);
        model.showline = false;
        model.showtext = false;
        model.kreisdicke = 7;
        for (const auto& angles : presets) {
            SCOPED_TRACE(::testing::Message() << "round " << round << ", angles " << angles[0]
                                              << "," << angles[1] << "," << angles[2]);
            std::vector<int> before;
            for (std::int32_t i = 1; i <= model.data->anzahl(); ++i) {
                before.push_back(model.data->row(i).anr);
            }
            model.WinkelPosition(angles[0], angles[1], angles[2]);
            RecordingGraphics g(637, 486);
            model.draw(nullptr, g, 1);

            std::map<int, const datarow*> byNumber;
            for (std::int32_t i = 1; i <= model.data->anzahl(); ++i) {
                byNumber[model.data->row(i).anr] = &model.data->row(i);
            }
            std::vector<std::pair<double, int>> keyed;
            for (int anr : before) {
                keyed.emplace_back(byNumber.at(anr)->y, anr);
            }
            const std::vector<int> expectedOrder = test::exchangeSorted(keyed);
            std::vector<int> actualOrder;
            for (std::int32_t i = 1; i <= model.data->anzahl(); ++i) {
                actualOrder.push_back(model.data->row(i).anr);
            }
            ASSERT_EQ(actualOrder, expectedOrder);

            std::vector<std::string> expectedDiscs;
            std::size_t ties = 0;
            for (std::size_t p = 0; p < expectedOrder.size(); ++p) {
                const datarow& row = *byNumber.at(expectedOrder[p]);
                ties += p > 0 && row.y == byNumber.at(expectedOrder[p - 1])->y;
                if (std::isnan(row.x)) {
                    continue;
                }
                const int u = static_cast<int>(model.CenterX + row.x * model.ScaleFactor);
                const int v = static_cast<int>(model.CenterY + row.z * model.ScaleFactor);
                expectedDiscs.push_back(colourCall(Grafik::GetFarbe(row.farbe)));
                expectedDiscs.push_back("FillOval " + std::to_string(u - 2) + "," +
                                        std::to_string(v - 2) + ",5,5");
                expectedDiscs.push_back("ForeColor 0,0,0");
                expectedDiscs.push_back("DrawOval " + std::to_string(u - 3) + "," +
                                        std::to_string(v - 3) + ",7,7");
            }
            EXPECT_GT(ties, 300u);                      // the case is about ties
            expectedDiscs.push_back("ForeColor 0,0,0"); // end of the points
            expectedDiscs.push_back("ForeColor 0,0,0"); // credit line
            EXPECT_EQ(test::callsOf(g, {"ForeColor", "FillOval", "DrawOval"}), expectedDiscs);
        }
    }
}

TEST(DepthOrder, DistinctDepthsOfManyRowsAtThePresetAngles) {
    // Random real compositions: no two depths alike, the radix path of every drawing.
    std::mt19937 random(5);
    std::uniform_real_distribution<double> value(0, 100);
    auto data = std::make_shared<Dataset>();
    for (int anr = 1; anr <= 3000; ++anr) {
        datarow row;
        row.anr = anr;
        row.a = value(random);
        row.b = value(random);
        row.c = value(random);
        row.d = value(random);
        data->addrow(row);
    }
    Daten3D model;
    model.data = data;
    for (const auto& angles : {std::array<int, 3>{0, 0, 0}, std::array<int, 3>{73, 345, 34},
                               std::array<int, 3>{55, 45, 90}}) {
        std::vector<int> before;
        for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
            before.push_back(data->row(i).anr);
        }
        model.WinkelPosition(angles[0], angles[1], angles[2]);
        RecordingGraphics g(637, 486);
        model.draw(nullptr, g, 1);
        std::map<int, double> depth;
        for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
            depth[data->row(i).anr] = data->row(i).y;
        }
        std::vector<std::pair<double, int>> keyed;
        for (int anr : before) {
            keyed.emplace_back(depth.at(anr), anr);
        }
        std::vector<int> actual;
        for (std::int32_t i = 1; i <= data->anzahl(); ++i) {
            actual.push_back(data->row(i).anr);
        }
        ASSERT_EQ(actual, test::exchangeSorted(keyed));
    }
}

} // namespace morvane
