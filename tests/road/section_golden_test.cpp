// Elevations across a superelevated section against the exact values of
// tests/golden/section_golden.py: each axis with the inner side left and
// right, at the four stations of the transition and between them, at the
// edges, inside them and beyond them, with the design line on the left edge
// and unequal half-widths; then the table of cross slopes.
#include <gtest/gtest.h>

#include "section_fixtures.h"
#include "table.h"

#include "section_golden_values.h"

namespace capset::testing {

void PrintTo(const GoldenSection& row, std::ostream* os) { *os << row.name; }

namespace {

constexpr double kExact = 1e-9;  // metres
constexpr double kSlopeExact = 1e-12;  // percent

RoadHeights Heights(const CrossSectionInput& section) {
  RoadHeightsBuild built = BuildHeights(CrestInput(), section, nullptr);
  if (!built.heights) {
    ADD_FAILURE() << "heights refused";
    return RoadHeights(*Profile::Build({{0, 0}, {1, 0}}).profile, CrossSection());
  }
  return std::move(*built.heights);
}

void ExpectRow(const RoadHeights& heights, const GoldenSection& row) {
  for (std::size_t k = 0; k < std::size(kGoldenOffsets); ++k) {
    const auto at = heights.At(row.distance, kGoldenOffsets[k]);
    ASSERT_TRUE(std::holds_alternative<PointHeight>(at));
    const PointHeight& h = std::get<PointHeight>(at);
    EXPECT_NEAR(h.elevation, row.elevations[k], kExact) << "offset " << kGoldenOffsets[k];
    EXPECT_NEAR(h.section.left, row.left, kSlopeExact);
    EXPECT_NEAR(h.section.right, row.right, kSlopeExact);
  }
}

class Transition : public ::testing::TestWithParam<GoldenSection> {};

TEST_P(Transition, MatchesTheExactElevations) {
  const GoldenSection& row = GetParam();
  CrossSectionInput in = GoldenSectionInput();
  in.transitions.push_back(GoldenTransition(row.axis, row.inner));
  ExpectRow(Heights(in), row);
}

INSTANTIATE_TEST_SUITE_P(Section, Transition, ::testing::ValuesIn(kGoldenTransitions), RowName<GoldenSection>);

class SlopesTable : public ::testing::TestWithParam<GoldenSection> {};

TEST_P(SlopesTable, MatchesTheExactElevations) {
  CrossSectionInput in = GoldenSectionInput();
  in.slopes = {{{4900}, -2, -2}, {{4950}, 1, -3}, {{5000}, 4, -4.5}, {{5100}, -2, -2}};
  ExpectRow(Heights(in), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Section, SlopesTable, ::testing::ValuesIn(kGoldenSlopes), RowName<GoldenSection>);

}  // namespace
}  // namespace capset::testing
