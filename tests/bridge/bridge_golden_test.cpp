// One bent on an arc against the independent exact computation of
// tests/golden/bridge_golden.py (mpmath, 50 digits): its centre, its axis,
// and each pile and corner of its template with its station and offset.
#include <gtest/gtest.h>

#include "bridge_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

struct GoldenPoint {
  const char* name;
  double X, Y, station, offset;
};

// bridge_golden.py's output.
constexpr double kCentreX = 3355378.8651410791675, kCentreY = 505821.35916120022469;
constexpr double kAxisAzimuth = 170.87746770784939253;
constexpr GoldenPoint kGolden[] = {
    {"Z1", 3355381.2931706655124, 505819.45005870747226, 1447.8712530695859, -2.228915038826093},
    {"Z2", 3355378.1336457607711, 505819.95740708513738, 1448.6759190084131, 0.86769727793057153},
    {"Z3", 3355374.9741208560298, 505820.46475546280249, 1449.5008312461322, 3.96166368320092},
    {"Z4", 3355381.6736819487613, 505821.81970238602824, 1450.1686058022679, -2.8409943735120983},
    {"Z5", 3355378.51415704402, 505822.32705076369336, 1450.9997372827219, 0.24802880913258491},
    {"Z6", 3355375.3546321392787, 505822.83439914135847, 1451.8516760142487, 3.3342224959827184},
    {"T1", 3355382.5839423229855, 505818.02741731616374, 1446.3541938174761, -3.3850203234568489},
    {"T2", 3355374.2901894480396, 505819.35920680753468, 1448.4495661659046, 4.7509835821873198},
    {"T3", 3355375.1463398353495, 505824.69090508428563, 1453.7450682273812, 3.3304001793464626},
    {"T4", 3355383.4400927102954, 505823.3591155929147, 1451.4925492064565, -4.7602401201872129},
};

TEST(BridgeGolden, OneBentOnAnArcIsExact) {
  const Road road = ArcRoad();
  const SubstructureTemplate tmpl{"pier", {Grid("Z", 2, 3, 3.2, 2.4, 0.5, -0.3), Corners("T", 8.4, 5.4)}};
  Bent bent;
  bent.name = "7";
  bent.station = {1450};
  bent.B = 75;
  bent.templateName = "pier";
  const BridgeSolution s = SolveBridge({"B", {bent}}, Only(tmpl), road, nullptr);
  ASSERT_EQ(s.bents.size(), 1u);
  const BentSolution& b = s.bents[0];
  ASSERT_TRUE(b.Solved());
  EXPECT_NEAR(b.axisAzimuth, kAxisAzimuth, 1e-9);
  // No half-widths: the centre and the template's points alone.
  ASSERT_EQ(b.points.size(), 1u + std::size(kGolden));
  EXPECT_EQ(b.points[0].point, "C");
  EXPECT_NEAR(b.points[0].xy.X, kCentreX, 1e-9);
  EXPECT_NEAR(b.points[0].xy.Y, kCentreY, 1e-9);
  for (std::size_t i = 0; i < std::size(kGolden); ++i) {
    const BridgePoint& p = b.points[i + 1];
    const GoldenPoint& g = kGolden[i];
    EXPECT_EQ(p.point, g.name);
    EXPECT_EQ(p.Name(), std::string("7-") + g.name);
    EXPECT_NEAR(p.xy.X, g.X, 1e-9) << g.name;
    EXPECT_NEAR(p.xy.Y, g.Y, 1e-9) << g.name;
    EXPECT_NEAR(p.station.value, g.station, 1e-9) << g.name;
    EXPECT_NEAR(p.offset, g.offset, 1e-9) << g.name;
  }
}

}  // namespace
}  // namespace capset::testing
