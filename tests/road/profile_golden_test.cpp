// Elevations, grades and curve elements against the exact values of
// tests/golden/profile_golden.py (rationals for parabolas, 50-digit circles)
// and the textbook crest: 425.455 m at K5+010.00, 425.280 m at K5+080.00.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "profile_fixtures.h"
#include "table.h"

namespace capset::testing {
namespace {

constexpr double kExact = 1e-9;  // metres; grades to 1e-12

struct HeightRow {
  const char* name;
  std::function<std::vector<PviRow>()> rows;
  double distance;
  double elevation;
  double grade;
};

void PrintTo(const HeightRow& row, std::ostream* os) { *os << row.name; }

class Heights : public ::testing::TestWithParam<HeightRow> {};

TEST_P(Heights, MatchTheExactValue) {
  const HeightRow& row = GetParam();
  const ProfileBuild build = Profile::Build(row.rows());
  ASSERT_TRUE(build.profile);
  const ProfileAnswer a = build.profile->At(row.distance);
  ASSERT_TRUE(a.height);
  EXPECT_NEAR(a.height->elevation, row.elevation, kExact);
  EXPECT_NEAR(a.height->grade, row.grade, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, Heights,
    ::testing::Values(
        HeightRow{"textbook_K5_010", CrestR2000, 5010, 425.455, 0.015},
        HeightRow{"textbook_K5_080", CrestR2000, 5080, 425.28, -0.02},
        HeightRow{"crest_near_BVC", CrestR2000, 4950, 423.655, 0.045},
        HeightRow{"crest_high_point", CrestR2000, 5040, 425.68, 0},
        HeightRow{"crest_near_EVC", CrestR2000, 5119, 424.11975, -0.0395},
        HeightRow{"crest_on_grade_before", CrestR2000, 4900, 421.18, 0.05},
        HeightRow{"crest_at_start", CrestR2000, 4800, 416.18, 0.05},
        HeightRow{"crest_at_end", CrestR2000, 5300, 416.88, -0.04},
        HeightRow{"sag_first_half", SagR3000, 240, 95.2375, -0.015},
        HeightRow{"sag_low_point", SagR3000, 285, 94.9, 0},
        HeightRow{"sag_at_PVI", SagR3000, 300, 94.9375, 0.005},
        HeightRow{"sag_second_half", SagR3000, 330, 95.2375, 0.015},
        HeightRow{"sag_thirds", SagR3000, 370, 96.10416666666666666666667, 0.02833333333333333333333333},
        HeightRow{"length_first_half", Length240, 1290, 55.79791666666666666666667, 0.01958333333333333333333333},
        HeightRow{"length_at_PVI", Length240, 1400, 57.7, 0.015},
        HeightRow{"length_second_half", Length240, 1500, 58.99166666666666666666667, 0.01083333333333333333333333},
        HeightRow{"asymmetric_first_half", Asymmetric, 400, 211.9375, 0.02375},
        HeightRow{"asymmetric_high_point", Asymmetric, 476, 212.84, 0},
        HeightRow{"asymmetric_join_under_PVI", Asymmetric, 500, 212.75, -0.0075},
        HeightRow{"asymmetric_second_half", Asymmetric, 560, 212.0975, -0.01425},
        HeightRow{"asymmetric_near_EVC", Asymmetric, 690, 209.294375, -0.028875},
        HeightRow{"circle_near_BVC", [] { return CircleCrest(); }, 300, 108.9377212580086110776238,
                  0.0250061904710254713702196},
        HeightRow{"circle_before_PVI", [] { return CircleCrest(); }, 350, 109.9378525725465237415607,
                  0.01500006306732482370163701},
        HeightRow{"circle_at_PVI", [] { return CircleCrest(); }, 400, 110.4378026044428991652835,
                  0.004998438271041171970958443},
        HeightRow{"circle_past_top", [] { return CircleCrest(); }, 460, 110.3777040423559036757651,
                  -0.00700179579495659867271884},
        HeightRow{"circle_near_EVC", [] { return CircleCrest(); }, 520, 109.5975266010646820678186,
                  -0.01900505547801874082367164},
        HeightRow{"circle_sag_falling", CircleSag, 440, 282.4151177180012600232034, -0.03651862799033849173149865},
        HeightRow{"circle_sag_at_PVI", CircleSag, 500, 280.9449125670910264295157, -0.01249527685367483522584845},
        HeightRow{"circle_sag_rising", CircleSag, 560, 280.9152523371360580647192, 0.0115064601321650677055637},
        HeightRow{"touching_at_the_joint", Touching, 300, 2, -0.02},
        HeightRow{"touching_first_crest", Touching, 200, 3, 0},
        HeightRow{"touching_second_sag", Touching, 400, 1, 0},
        HeightRow{"touching_on_the_way_down", Touching, 250, 2.75, -0.01}),
    RowName<HeightRow>);

struct ElementsRow {
  const char* name;
  std::function<std::vector<PviRow>()> rows;
  VerticalCurveKind kind;
  bool crest;
  std::optional<double> radius;
  double length;
  std::optional<double> tangent;
  double external;
  ProfilePlace bvc, evc;
  std::optional<ProfilePlace> turningPoint;
  double arcLength = 0;  // circles
};

void PrintTo(const ElementsRow& row, std::ostream* os) { *os << row.name; }

class Elements : public ::testing::TestWithParam<ElementsRow> {};

TEST_P(Elements, AsDrawingsPrintThem) {
  const ElementsRow& row = GetParam();
  const auto curves = Built(row.rows()).Curves();
  ASSERT_EQ(curves.size(), 1u);
  const VerticalCurveElements& e = curves[0];
  EXPECT_EQ(e.row, 2);
  EXPECT_EQ(e.kind, row.kind);
  EXPECT_EQ(e.crest, row.crest);
  EXPECT_DOUBLE_EQ(e.omega, e.grade2 - e.grade1);
  ASSERT_EQ(e.radius.has_value(), row.radius.has_value());
  if (row.radius) EXPECT_NEAR(*e.radius, *row.radius, 1e-9);
  EXPECT_NEAR(e.length, row.length, kExact);
  ASSERT_EQ(e.tangent.has_value(), row.tangent.has_value());
  if (row.tangent) EXPECT_NEAR(*e.tangent, *row.tangent, kExact);
  EXPECT_NEAR(e.external, row.external, kExact);
  EXPECT_NEAR(e.bvc.distance, row.bvc.distance, kExact);
  EXPECT_NEAR(e.bvc.elevation, row.bvc.elevation, kExact);
  EXPECT_NEAR(e.evc.distance, row.evc.distance, kExact);
  EXPECT_NEAR(e.evc.elevation, row.evc.elevation, kExact);
  ASSERT_EQ(e.turningPoint.has_value(), row.turningPoint.has_value());
  if (row.turningPoint) {
    EXPECT_NEAR(e.turningPoint->distance, row.turningPoint->distance, kExact);
    EXPECT_NEAR(e.turningPoint->elevation, row.turningPoint->elevation, kExact);
  }
  if (row.kind == VerticalCurveKind::kCircle) EXPECT_NEAR(e.arcLength, row.arcLength, kExact);
}

INSTANTIATE_TEST_SUITE_P(
    Profile, Elements,
    ::testing::Values(
        ElementsRow{"textbook_crest", CrestR2000, VK::kRadius, true, 2000, 180, 90, 2.025, {4940, 423.18},
                    {5120, 424.08}, ProfilePlace{5040, 425.68}},
        ElementsRow{"sag_low_point_inside", SagR3000, VK::kRadius, false, 3000, 150, 75, 0.9375, {225, 95.5},
                    {375, 96.25}, ProfilePlace{285, 94.9}},
        ElementsRow{"by_length_high_point_outside", Length240, VK::kLength, true, 24000, 240, 120, 0.3,
                    {1280, 55.6}, {1520, 59.2}, std::nullopt},
        ElementsRow{"asymmetric_has_no_R_or_T", Asymmetric, VK::kAsymmetric, true, std::nullopt, 320, std::nullopt,
                    2.25, {380, 211.4}, {700, 209.0}, ProfilePlace{476, 212.84}},
        ElementsRow{"circle_crest",
                    [] { return CircleCrest(); },
                    VK::kCircle,
                    true,
                    5000,
                    524.9718851517893946634844 - 275.0593336254336813432464,
                    124.9968770298818121103328,
                    1.562197395557100834716545,
                    {275.0593336254336813432464, 108.2517800087630104402974},
                    {524.9718851517893946634844, 109.5005622969642121067303},
                    ProfilePlace{424.991879153788694915392, 110.500262396929224702112},
                    249.9416941501421636863283},
        ElementsRow{"circle_sag",
                    CircleSag,
                    VK::kCircle,
                    false,
                    2500,
                    568.7315357416657144793233 - 431.3156579077061672618134,
                    68.7392676045438263239747,
                    0.9449125670910264295156866,
                    {431.3156579077061672618134, 282.7473736836917533095275},
                    {568.7315357416657144793233, 281.0309730361249857171898},
                    ProfilePlace{531.2357537798851095917223, 280.749770488165311557251},
                    137.4439056878515930053329}),
    RowName<ElementsRow>);

TEST(ProfileCurves, TouchingCurvesAreBothListedEndToStart) {
  const auto curves = Built(Touching()).Curves();
  ASSERT_EQ(curves.size(), 2u);
  EXPECT_EQ(curves[0].row, 2);
  EXPECT_EQ(curves[1].row, 3);
  EXPECT_DOUBLE_EQ(curves[0].evc.distance, curves[1].bvc.distance);
  EXPECT_TRUE(curves[0].crest);
  EXPECT_FALSE(curves[1].crest);
}

TEST(ProfileCurves, GradeBreaksHaveNoCurve) {
  const Profile p = Built({{0, 10}, {100, 12, VK::kRadius, 0}, {200, 11}, {300, 13}});
  EXPECT_TRUE(p.Curves().empty());
  EXPECT_NEAR(p.At(100).height->elevation, 12, kExact);
  EXPECT_NEAR(p.At(150).height->elevation, 11.5, kExact);
}

}  // namespace
}  // namespace capset::testing
