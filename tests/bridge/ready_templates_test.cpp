// The ready templates: each is a sound template (its names apart, none of
// them the bent's own) and gives the points its documentation names, in
// that order, where it says.
#include <gtest/gtest.h>

#include "ready_templates.h"
#include "table.h"

namespace capset::testing {
namespace {

struct ReadyRow {
  const char* name;      // test name
  const char* template_;  // the ready template
  std::vector<std::string> points;
  double reach;  // the largest |u| of its points
};

class ReadyTemplate : public ::testing::TestWithParam<ReadyRow> {};

TEST_P(ReadyTemplate, GivesTheDocumentedPoints) {
  const ReadyRow& row = GetParam();
  const SubstructureTemplate* tmpl = FindReadyTemplate(row.template_);
  ASSERT_NE(tmpl, nullptr);
  EXPECT_TRUE(CheckTemplatePoints(*tmpl).empty());
  std::vector<std::string> names;
  double reach = 0;
  for (const TemplatePoint& p : ExpandTemplate(*tmpl)) {
    names.push_back(p.name);
    reach = std::max(reach, std::fabs(p.u));
    EXPECT_FALSE(p.depth.has_value()) << p.name << ": a ready template takes its bent's depth";
  }
  EXPECT_EQ(names, row.points);
  EXPECT_DOUBLE_EQ(reach, row.reach);
}

INSTANTIATE_TEST_SUITE_P(
    All, ReadyTemplate,
    ::testing::Values(ReadyRow{"TwoColumns", "two-columns", {"C1", "C2", "Z1", "Z2"}, 3.25},
                      ReadyRow{"ThreeColumns", "three-columns", {"C1", "C2", "C3", "Z1", "Z2", "Z3"}, 5},
                      ReadyRow{"PileCap2x3",
                               "pile-cap-2x3",
                               {"Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "T1", "T2", "T3", "T4", "C1"},
                               4.2},
                      ReadyRow{"AbutmentStart", "abutment-start", {"F1", "F2", "W1", "W2"}, 6},
                      ReadyRow{"AbutmentEnd", "abutment-end", {"F1", "F2", "W1", "W2"}, 6}),
    RowName<ReadyRow>);

// The wing walls run back from the front line, away from the span: towards
// smaller stations at the bridge's start, larger at its end.
TEST(ReadyTemplates, TurnTheAbutmentsWingsAwayFromTheSpan) {
  for (const auto& [name, sign] : {std::pair{"abutment-start", -1.0}, std::pair{"abutment-end", 1.0}}) {
    for (const TemplatePoint& p : ExpandTemplate(*FindReadyTemplate(name))) {
      EXPECT_EQ(p.v, p.name[0] == 'W' ? 4 * sign : 0) << name << " " << p.name;
    }
  }
  EXPECT_EQ(ReadyTemplates().size(), 5u);
  EXPECT_EQ(FindReadyTemplate("pier"), nullptr);
}

}  // namespace
}  // namespace capset::testing
