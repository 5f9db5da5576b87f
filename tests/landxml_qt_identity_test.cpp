// The toolkit's writer against the core's: the same bytes for every row
// kept and for random roads, profiles and names. Writes the kept files when
// CAPSET_WRITE_GOLDEN names their folder.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "landxml_write.h"
#include "landxml_write_qt.h"
#include "landxml_write_rows.h"

namespace capset::testing {
namespace {

TEST(WriterIdentity, RowsKept) {
  const char* folder = std::getenv("CAPSET_WRITE_GOLDEN");
  for (const WrittenRow& row : WrittenRows()) {
    const RoadBuild built = BuildRoad(row.road);
    ASSERT_TRUE(built.road) << row.name;
    const std::string qt = WriteLandXmlQt(*built.road, row.alignment, row.date, row.time, row.profile);
    EXPECT_EQ(WriteLandXml(*built.road, row.alignment, row.date, row.time, row.profile), qt) << row.name;
    if (folder != nullptr) std::ofstream(std::string(folder) + "/" + row.name + ".xml", std::ios::binary) << qt;
  }
}

TEST(WriterIdentity, RandomRoads) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  auto pick = [&](double a, double b) { return a + (b - a) * unit(random); };
  auto odd = [&](double v) {
    // Numbers of every shape: integers, short decimals, full doubles, huge and tiny.
    switch (random() % 5) {
      case 0: return std::round(v);
      case 1: return std::round(v * 1000) / 1000;
      case 2: return v * 1e-9;
      default: return v;
    }
  };
  int built = 0;
  for (int run = 0; run < 30000; ++run) {
    ElementRoadInput input;
    input.station = odd(pick(-1e6, 1e7));
    input.start = {odd(pick(-1e7, 1e7)), odd(pick(-1e7, 1e7))};
    input.azimuth = pick(0, 360);
    double radius = kNoRadius;
    const int n = 1 + static_cast<int>(random() % 7);
    for (int k = 0; k < n; ++k) {
      const TurnSide side = random() % 2 ? TurnSide::kLeft : TurnSide::kRight;
      const double length = std::max(0.001, odd(pick(0.01, 2000)));
      switch (random() % 3) {
        case 0: input.elements.push_back({ElementKind::kLine, length}); radius = kNoRadius; break;
        case 1: { const double r = odd(pick(50, 1e5)); input.elements.push_back({ElementKind::kArc, length, r, kNoRadius, side}); radius = r; break; }
        default: {
          const double r = random() % 3 ? odd(pick(50, 1e5)) : kNoRadius;
          input.elements.push_back({ElementKind::kSpiral, length, radius, r, side});
          radius = r;
          break;
        }
      }
    }
    const RoadBuild road = BuildRoad(input);
    if (!road.road) continue;
    ++built;
    const double first = road.road->firstStation(), last = road.road->lastStation();
    std::vector<RoadFilePvi> profile;
    if (random() % 2) {
      for (double s = first; s < last; s += pick(1, (last - first) / 2)) {
        RoadFilePvi p{odd(s), odd(pick(-100, 5000))};
        p.curve = static_cast<VerticalCurveKind>(random() % 5);
        p.length = odd(pick(0, 500));
        p.length2 = odd(pick(0, 500));
        p.radius = odd(pick(0, 1e5));
        profile.push_back(p);
      }
    }
    std::string name;
    for (int c = static_cast<int>(random() % 12); c > 0; --c) name += static_cast<char>(random() % 256);
    const std::string date = random() % 2 ? "2026-03-01" : "";
    const std::string time = random() % 2 ? "09:30:00" : "";
    ASSERT_EQ(WriteLandXml(*road.road, name, date, time, profile), WriteLandXmlQt(*road.road, name, date, time, profile))
        << run;
  }
  EXPECT_GT(built, 10000);
  std::printf("%d roads built\n", built);
}

}  // namespace
}  // namespace capset::testing
