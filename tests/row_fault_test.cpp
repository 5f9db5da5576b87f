// A row whose numbers cannot all be shown is found without making its
// texts: RowFault names exactly the fault that making them would raise,
// the first in the row's order, for any numbers a record can hold.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "cap_job.h"
#include "cap_solve.h"
#include "log_row.h"

namespace capset::testing {
namespace {

std::optional<ArithmeticFault> FaultOfMakingTheTexts(const CapRecord& record) {
  try {
    RowTextsOf(record, ".");
    return std::nullopt;
  } catch (const ArithmeticFault& fault) {
    return fault;
  }
}

TEST(RowFault, IsTheFaultOfMakingTheRowsTexts) {
  const double rho = 180 / kJobPi;
  const CapDesign zh{1000, 1000, 2000, 45, 150, 100, 60, 1050, rho, kJobPi, 1};
  const CapDesign square{12000, 1000, 2000, 45, 0, 200, 90, 12050, rho, kJobPi, 1};
  // Ordinary values and values at the edges of what the forms can show:
  // beyond 1.8E+305 a product with 1000 overflows, and near the largest
  // double the kilometres of a station do.
  const std::vector<double> values = {12.5,    -7.25,   1e305,  1.8e305,  -1.8e305, 1e308,
                                      1.7976931348623157e308, -1.7976931348623157e308,
                                      std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
  std::mt19937 random(5);
  auto maybe = [&](double& field) {
    if (random() % 4 == 0) field = values[random() % values.size()];
  };
  int faults = 0, clean = 0;
  for (int trial = 0; trial < 20000; ++trial) {
    const bool isSquare = trial % 3 == 0;
    const Solver solver = isSquare ? Solver::kCmd5 : static_cast<Solver>(trial % 2);
    CapRecord record = RecordOf(SolveCap(solver, isSquare ? square : zh, {1060, 7.5f, 1e-4f}));
    CapSolution& s = std::get<CapSolution>(record.outcome);
    for (double* field : {&record.design.Kj, &s.centreStation, &s.centre.X, &s.centre.Y, &s.inner.point.X,
                          &s.inner.point.Y, &s.inner.length, &s.inner.footStation, &s.outer.point.X, &s.outer.point.Y,
                          &s.outer.length, &s.outer.footStation}) {
      maybe(*field);
    }
    if (trial % 5 == 0) record.axisPoints = {{-3.5, {1, 2}}, {3.5, {3, 4}}};
    for (AxisPoint& p : record.axisPoints) {
      maybe(p.offset);
      maybe(p.point.X);
      maybe(p.point.Y);
    }
    if (trial % 7 == 0) record.warnings.beyondEnd = BeyondSpiralEnd{66.7, 1066.7, {CapPoint::kCentre}};
    if (record.warnings.beyondEnd) {
      maybe(record.warnings.beyondEnd->Ls);
      maybe(record.warnings.beyondEnd->endStation);
    }
    if (trial % 11 == 0) record.warnings.series = {{CapPoint::kCentre, 0.002}};
    for (SeriesDeparture& d : record.warnings.series) maybe(d.difference);
    // A record that was not placed shows only its design and its station.
    if (trial % 13 == 0) record.outcome = Refusal::kKpBeforeZH;
    const auto expected = FaultOfMakingTheTexts(record);
    ASSERT_EQ(RowFault(record), expected) << "trial " << trial;
    (expected ? faults : clean)++;
  }
  EXPECT_GT(faults, 1000);
  EXPECT_GT(clean, 1000);
}

}  // namespace
}  // namespace capset::testing
