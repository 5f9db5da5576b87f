// Warnings at their thresholds: a point just inside and just beyond the
// spiral's end, a series just under and just over a millimetre from the
// exact clothoid.
#include <gtest/gtest.h>

#include <vector>

#include "cap_solve.h"
#include "cap_warnings.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kPi = 3.1415926535;
const double kRho = 180 / kPi;

CapDesign Design(double R, double Kj, double B = 60, int16_t P = 1) {
  return {1000, 1000, 2000, 45, R, 100, B, Kj, kRho, kPi, P};
}

struct WarningRow {
  const char* name;
  Solver solver;
  CapDesign design;
  CapAnswers answers;
  std::vector<CapPoint> beyond;  // empty: no warning of the spiral's end
  std::vector<CapPoint> series;  // empty: no series warning
};

class CapWarningRows : public ::testing::TestWithParam<WarningRow> {};

TEST_P(CapWarningRows, AtTheirThresholds) {
  const WarningRow& r = GetParam();
  const CapWarnings w = CheckCap(SolveCap(r.solver, r.design, r.answers));
  std::vector<CapPoint> beyond, series;
  if (w.beyondEnd) beyond = w.beyondEnd->points;
  for (const SeriesDeparture& d : w.series) series.push_back(d.point);
  EXPECT_EQ(beyond, r.beyond);
  EXPECT_EQ(series, r.series);
}

constexpr CapPoint kCentre = CapPoint::kCentre;
constexpr CapPoint kInner = CapPoint::kInnerFoot;
constexpr CapPoint kOuter = CapPoint::kOuterFoot;
constexpr CapPoint kKj = CapPoint::kDesignStation;

// A1 = 100: Ls = 10000 / R. The base cap's centre is at l = 50, its inner
// (right) foot at about 54.54 and its outer foot at about 45.84. The
// four-term series leaves the exact curve by 1 mm near l = 135.68, the
// square cap's three-term series near l = 114.79.
INSTANTIATE_TEST_SUITE_P(
    Rows, CapWarningRows,
    ::testing::Values(
        WarningRow{"NoRadiusNothingToCheck", Solver::kCmd1, Design(0, 1050), {1050, 7.5f, 1e-4f}, {}, {}},
        WarningRow{"SquareCentreJustInside", Solver::kCmd5, Design(200, 1049.99, 90), {0, 6, 1e-3f}, {}, {}},
        WarningRow{"SquareCentreExactlyAtTheEnd", Solver::kCmd5, Design(200, 1050, 90), {0, 6, 1e-3f}, {}, {}},
        WarningRow{"SquareCentreJustBeyond", Solver::kCmd5, Design(200, 1050.01, 90), {0, 6, 1e-3f}, {kCentre}, {}},
        WarningRow{"InnerFootBeyondOthersInside", Solver::kCmd1, Design(10000 / 54.0, 1050), {1050, 7.5f, 1e-4f},
                   {kInner}, {}},
        WarningRow{"EveryFootInside", Solver::kCmd1, Design(10000 / 54.6, 1050), {1050, 7.5f, 1e-4f}, {}, {}},
        WarningRow{"DesignStationBeyondItsCapInside", Solver::kCmd1, Design(10000 / 60.0, 1070), {1040, 7.5f, 1e-4f},
                   {kKj}, {}},
        WarningRow{"SquareSeriesJustUnderAMillimetre", Solver::kCmd5, Design(0, 1114.74, 90), {0, 6, 1e-3f}, {}, {}},
        WarningRow{"SquareSeriesJustOverAMillimetre", Solver::kCmd5, Design(0, 1114.84, 90), {0, 6, 1e-3f}, {},
                   {kCentre}},
        WarningRow{"SkewedCentreJustUnder", Solver::kCmd1, Design(0, 1135.6, 89), {1135.6, 0.5f, 1e-4f}, {}, {}},
        WarningRow{"SkewedCentreAndFeetJustOver", Solver::kCmd1, Design(0, 1135.8, 89), {1135.8, 0.5f, 1e-4f}, {},
                   {kCentre, kInner, kOuter}},
        WarningRow{"InnerFootOverCentreUnder", Solver::kCmd1, Design(0, 1132), {1132, 7.5f, 1e-4f}, {}, {kInner}}),
    RowName<WarningRow>);

TEST(CapWarnings, NameTheSpiralsEnd) {
  const CapWarnings zh = CheckCap(SolveCap(Solver::kCmd5, Design(200, 1050.01, 90), {0, 6, 1e-3f}));
  ASSERT_TRUE(zh.beyondEnd);
  EXPECT_EQ(zh.beyondEnd->Ls, 50);
  EXPECT_EQ(zh.beyondEnd->endStation, 1050) << "HY = ZH + Ls";
  const CapDesign hz{12500, 1000, 2000, 225, 1000, 200, 60, 12450, kRho, kPi, 0};
  const CapWarnings yh = CheckCap(SolveCap(Solver::kCmd3, hz, {12450, 6, 1e-3f}));
  ASSERT_TRUE(yh.beyondEnd);
  EXPECT_EQ(yh.beyondEnd->endStation, 12460) << "YH = HZ − Ls";
  EXPECT_EQ(yh.beyondEnd->points, (std::vector<CapPoint>{kCentre, kInner, kOuter, kKj}));
}

}  // namespace
}  // namespace capset::testing
