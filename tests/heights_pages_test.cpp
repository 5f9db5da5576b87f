// The heights pages' Qt-free half: every cell of the 变坡点 table, the
// transitions and the slopes checked with its reason; a spreadsheet's
// rows lined up by what they hold; the 竖曲线要素 table of the textbook
// example; the profile's mapping; the section at a station.
//
// The textbook example: 变坡点 K5+030.00 at 427.68 m between +5 % and −4 %,
// R 2000 m: ω = −9 %, a crest, L = R·|ω| = 180, T = 90, E = T²/2R = 2.025,
// BVC K4+940 at 427.68 − 0.05·90 = 423.180, EVC K5+120 at
// 427.68 − 0.04·90 = 424.080; the high point where the grade is 0, x = i1·R
// = 100 m past BVC: K5+040 at 423.18 + 5 − 100²/4000 = 425.680. The ends
// lie on the grade lines: K4+800 at 416.180, K5+300 at 416.880.

#include <gtest/gtest.h>

#include <random>

#include "heights_window_texts.h"
#include "profile_scene.h"
#include "road_input.h"
#include "station_ticks.h"
#include "profile_summary.h"
#include "pvi_table.h"
#include "road_paste_texts.h"
#include "road_texts.h"
#include "section_form.h"
#include "section_picture.h"
#include "station_ref_reading.h"
#include "table.h"

namespace capset {
namespace {

using capset::testing::RowName;

const std::string kTextbook = "K4+800\t416.18\nK5+030\t427.68\t2000\nK5+300\t416.88\n";

PviTable Textbook() {
  PviTable t({});
  t.Paste(0, 1, kTextbook);
  return t;
}

ProfileInput InputOf(const PviTable& t) {
  const auto input = t.Input();
  if (const auto* bad = std::get_if<GridProblem>(&input)) ADD_FAILURE() << bad->reason;
  return std::get<ProfileInput>(input);
}

// ---- Each cell of the 变坡点 table, checked as typed.

struct PviCellRow {
  std::string name;
  int row, column;
  std::string text;
  std::string reason;  // empty: the cell reads
};

class PviCell : public ::testing::TestWithParam<PviCellRow> {};

TEST_P(PviCell, IsRefusedWithItsReasonOrReads) {
  PviTable t = Textbook();
  const PviCellRow& r = GetParam();
  const auto problem = t.ProblemIf(r.row, r.column, r.text);
  if (r.reason.empty()) {
    EXPECT_FALSE(problem) << *problem;
  } else {
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find(r.reason), std::string::npos) << *problem;
  }
  // What the cell says is what the table's input says of it.
  ASSERT_TRUE(t.SetText(r.row, r.column, r.text));
  const auto input = t.Input();
  if (r.reason.empty()) {
    EXPECT_TRUE(std::holds_alternative<ProfileInput>(input)) << std::get<GridProblem>(input).reason;
  } else {
    ASSERT_TRUE(std::holds_alternative<GridProblem>(input));
    EXPECT_EQ(std::get<GridProblem>(input).row, r.row);
    EXPECT_EQ(std::get<GridProblem>(input).column, r.column);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PviCell,
    ::testing::Values(PviCellRow{"StationEmpty", 1, kPviStation, "", kHeightsCellEmpty},
                      PviCellRow{"StationKFormBroken", 1, kPviStation, "K5+0x0", StationRefProblemText(StationRefProblem::kMetresNotNumber)},
                      PviCellRow{"StationBeyondTheRange", 1, kPviStation, "2e8", "超出了"},
                      PviCellRow{"StationInALongChainsSecondPlace", 1, kPviStation, "K5+030(2)", ""},
                      PviCellRow{"StationInMetres", 1, kPviStation, "5030.5", ""},
                      PviCellRow{"ElevationWord", 1, kPviElevation, "abc", kHeightsNotNumber},
                      PviCellRow{"ElevationEmpty", 0, kPviElevation, " ", kHeightsCellEmpty},
                      PviCellRow{"RadiusNegative", 1, kPviRadius, "-2000", kHeightsNotPositive},
                      PviCellRow{"RadiusBelowAMillimetre", 1, kPviRadius, "0.0001", "超出了"},
                      PviCellRow{"RadiusZeroIsAGradeBreak", 1, kPviRadius, "0", ""},
                      PviCellRow{"RadiusBlankIsAGradeBreak", 1, kPviRadius, "", ""},
                      PviCellRow{"RadiusOnTheFirstRow", 0, kPviRadius, "2000", kHeightsEndHasCurve},
                      PviCellRow{"RadiusOnTheLastRow", 2, kPviRadius, "2000", kHeightsEndHasCurve},
                      PviCellRow{"ZeroRadiusOnAnEndReads", 2, kPviRadius, "0", ""},
                      PviCellRow{"KindOnAnEnd", 0, kPviKind, kCurveCircle, kHeightsEndHasCurve},
                      PviCellRow{"KindUnknown", 1, kPviKind, "抛物线", kHeightsNotKind},
                      PviCellRow{"KindByScriptWord", 1, kPviKind, "circle", ""},
                      PviCellRow{"LengthLeftOverUnderARadius", 1, kPviLength, "180", kHeightsCellUnused},
                      PviCellRow{"SecondLengthUnderARadius", 1, kPviLength2, "90", kHeightsCellUnused}),
    RowName<PviCellRow>);

// A kind opens the cells it needs: each must be typed, and only those.
TEST(PviKinds, EachKindTakesItsOwnNumbers) {
  PviTable t = Textbook();
  t.SetText(1, kPviKind, kCurveAsymmetric);
  EXPECT_EQ(t.CellProblem(1, kPviRadius), kHeightsCellUnused);  // 2000 left from the radius
  t.SetText(1, kPviRadius, "");
  EXPECT_EQ(t.CellProblem(1, kPviLength), kHeightsCellEmpty);
  t.SetText(1, kPviLength, "100");
  t.SetText(1, kPviLength2, "80");
  ProfileInput in = InputOf(t);
  EXPECT_EQ(in.rows[1].curve, VerticalCurveKind::kAsymmetric);
  EXPECT_EQ(in.rows[1].length, 100);
  EXPECT_EQ(in.rows[1].length2, 80);
  EXPECT_TRUE(t.Closed(1, kPviRadius));
  EXPECT_FALSE(t.Closed(1, kPviLength2));
  // A circle: R needed, its stated length optional.
  t.SetText(1, kPviKind, kCurveCircle);
  t.SetText(1, kPviLength, "");
  t.SetText(1, kPviLength2, "");
  EXPECT_EQ(t.CellProblem(1, kPviRadius), kHeightsCellEmpty);
  t.SetText(1, kPviRadius, "2000");
  in = InputOf(t);
  EXPECT_EQ(in.rows[1].curve, VerticalCurveKind::kCircle);
  EXPECT_EQ(in.rows[1].radius, 2000);
  EXPECT_EQ(in.rows[1].length, 0);
}

// Blank rows are no rows; the profile's own rows map back to the table's.
TEST(PviRows, BlankRowsArePassedOverAndCountedBack) {
  PviTable t = Textbook();
  ASSERT_TRUE(t.InsertRow(1));
  ASSERT_TRUE(t.InsertRow(3));
  const ProfileInput in = InputOf(t);
  ASSERT_EQ(in.rows.size(), 3u);
  EXPECT_EQ(t.TableRow(1), 0);
  EXPECT_EQ(t.TableRow(2), 2);
  EXPECT_EQ(t.TableRow(3), 4);
  // The rows that are the ends are the first and last typed.
  EXPECT_EQ(t.CellProblem(2, kPviRadius), std::nullopt);
  EXPECT_EQ(t.ProblemIf(4, kPviRadius, "100"), std::string(kHeightsEndHasCurve));
  PviTable empty({});
  EXPECT_EQ(std::get<GridProblem>(empty.Input()).reason, kHeightsTooFewRows);
  EXPECT_FALSE(empty.FirstBadCell());  // nothing typed is nothing wrong
}

// ---- A spreadsheet's rows, lined up by what they hold.

struct PasteRow {
  std::string name;
  int row, column;  // the cell chosen
  std::string text;
  VerticalCurveKind kind;  // the middle row's curve
  double radius, length;
};

class PviPaste : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PviPaste, LinesUpByWhatItHolds) {
  PviTable t({});
  const PasteRow& r = GetParam();
  EXPECT_EQ(t.Paste(r.row, r.column, r.text), 3) << t.PasteNote();
  EXPECT_TRUE(t.PasteNote().starts_with("已粘贴 3 行")) << t.PasteNote();
  const ProfileInput in = InputOf(t);
  ASSERT_EQ(in.rows.size(), 3u);
  EXPECT_EQ(in.rows[0].station.value, 4800);
  EXPECT_EQ(in.rows[1].station.value, 5030);
  EXPECT_EQ(in.rows[2].station.value, 5300);
  EXPECT_EQ(in.rows[0].elevation, 416.18);
  EXPECT_EQ(in.rows[1].elevation, 427.68);
  EXPECT_EQ(in.rows[2].elevation, 416.88);
  EXPECT_EQ(in.rows[1].curve, r.kind);
  EXPECT_EQ(in.rows[1].radius, r.radius);
  EXPECT_EQ(in.rows[1].length, r.length);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PviPaste,
    ::testing::Values(
        PasteRow{"BareFromTheFirstCell", 0, 1, kTextbook, VerticalCurveKind::kRadius, 2000, 0},
        // Where the table is empty the rows start at its top, whatever cell is chosen.
        PasteRow{"BareFromTheRadiusColumn", 1, kPviRadius, kTextbook, VerticalCurveKind::kRadius, 2000, 0},
        PasteRow{"MetresWithAHeading", 0, 1, "桩号\t高程\tR\n4800\t416.18\n5030\t427.68\t2000\n5300\t416.88\n",
                 VerticalCurveKind::kRadius, 2000, 0},
        PasteRow{"NamedStartOneEnd", 0, 0, "起点\tK4+800\t416.18\n1\tK5+030\t427.68\t2000\n终点\tK5+300\t416.88\n",
                 VerticalCurveKind::kRadius, 2000, 0},
        PasteRow{"CountedRows", 0, 0, "1\t4800\t416.18\n2\t5030\t427.68\t2000\n3\t5300\t416.88\n",
                 VerticalCurveKind::kRadius, 2000, 0},
        // A drawing's separate columns of crest and sag radii: the one given is R.
        PasteRow{"SagRadiusInItsOwnColumn", 0, 1, "K4+800\t416.18\t\t\nK5+030\t427.68\t\t3000\nK5+300\t416.88\t\t\n",
                 VerticalCurveKind::kRadius, 3000, 0},
        PasteRow{"CrestRadiusBesideAnEmptySagColumn", 0, 1, "K4+800\t416.18\t\t\nK5+030\t427.68\t2000\t\nK5+300\t416.88\t\t\n",
                 VerticalCurveKind::kRadius, 2000, 0},
        PasteRow{"ByLengthWithItsWord", 0, 1, "4800 416.18\n5030 427.68 length 180\n5300 416.88\n",
                 VerticalCurveKind::kLength, 0, 180},
        PasteRow{"CircleWithItsChineseWord", 0, 1, "4800\t416.18\n5030\t427.68\t圆曲线\t2000\n5300\t416.88\n",
                 VerticalCurveKind::kCircle, 2000, 0}),
    RowName<PasteRow>);

struct PasteRefusal {
  std::string name;
  std::string text;
  std::string note;
};

class PviPasteRefused : public ::testing::TestWithParam<PasteRefusal> {};

TEST_P(PviPasteRefused, ChangesNothingAndSaysWhy) {
  PviTable t = Textbook();
  const ProfileInput before = InputOf(t);
  EXPECT_EQ(t.Paste(0, 1, GetParam().text), 0);
  EXPECT_EQ(t.PasteNote(), GetParam().note);
  EXPECT_TRUE(SameProfile(InputOf(t), before));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PviPasteRefused,
    ::testing::Values(
        // R, T and E of a drawing's table: which column is which cannot be told from numbers alone.
        PasteRefusal{"RadiusTangentAndExternal", "4800\t416.18\n5030\t427.68\t2000\t90\t2.025\n5300\t416.88\n",
                     PviPasteTooManyText(2, 5)},
        PasteRefusal{"UnknownKindWord", "4800\t416.18\n5030\t427.68\tspline\t2000\n5300\t416.88\n",
                     PviPasteKindText(2, "spline")},
        PasteRefusal{"LengthsWithThreeNumbers", "4800\t416.18\n5030\t427.68\t非对称\t90\t80\t70\n5300\t416.88\n",
                     PviPasteTooManyText(2, 5)},
        PasteRefusal{"NothingButHeadings", "桩号\t高程\n", kPasteNothing}),
    RowName<PasteRefusal>);

// ---- The 竖曲线要素 table as printed.

TEST(VerticalCurves, TheTextbookCrestAsPrinted) {
  const RoadHeightsBuild built = BuildHeights(InputOf(Textbook()), {}, nullptr);
  ASSERT_TRUE(built.heights);
  const TextTable t = VerticalCurveTable(&built.heights->profile(), nullptr);
  ASSERT_EQ(t.rows.size(), 1u);
  const std::vector<std::string> expected = {"2",          "K5+030.000", "427.680", "5.000",      "-4.000",  "-9.000",
                                             kCrestWord,  "2000.000",   "180.000", "90.000",     "2.025",   "K4+940.000",
                                             "423.180",   "K5+120.000", "424.080", "K5+040.000", "425.680"};
  EXPECT_EQ(t.rows[0], expected);
  EXPECT_EQ(t.headers.size(), expected.size());
}

struct CurveRow {
  std::string name;
  std::string paste;
  std::vector<std::pair<int, std::string>> cells;  // column, text
};

class CurveKinds : public ::testing::TestWithParam<CurveRow> {};

TEST_P(CurveKinds, PrintTheirOwnElements) {
  PviTable t({});
  ASSERT_GT(t.Paste(0, 1, GetParam().paste), 0) << t.PasteNote();
  const RoadHeightsBuild built = BuildHeights(InputOf(t), {}, nullptr);
  ASSERT_TRUE(built.heights);
  const TextTable table = VerticalCurveTable(&built.heights->profile(), nullptr);
  ASSERT_EQ(table.rows.size(), 1u);
  for (const auto& [column, text] : GetParam().cells) EXPECT_EQ(table.rows[0][column], text) << table.headers[column];
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CurveKinds,
    ::testing::Values(
        // A sag: −2 % to +3 %, R 4000: L 200, T 100, E 1.25, the low point 80 m past BVC (x = −i1·R), at 92 − 1.6 + 80²/8000.
        CurveRow{"SagWithItsLowPoint", "0\t100\n500\t90\t4000\n1000\t105\n",
                 {{5, "5.000"}, {6, kSagWord}, {8, "200.000"}, {10, "1.250"}, {15, "K0+480.000"}, {16, "91.200"}}},
        // Both grades rising: the turning point lies outside, none printed.
        CurveRow{"NoTurningPointInside", "0\t100\n500\t110\t2000\n1000\t130\n", {{6, kSagWord}, {15, "-"}, {16, "-"}}},
        // An asymmetric curve has no single R nor T; its L is L1 + L2.
        CurveRow{"AsymmetricLengths", "0\t100\n500\t110\t非对称\t100\t60\n1000\t100\n",
                 {{7, "-"}, {8, "100.000+60.000"}, {9, "-"}, {11, "K0+400.000"}, {13, "K0+560.000"}}},
        CurveRow{"CircleMarked", "0\t100\n500\t110\tcircle\t3000\n1000\t100\n",
                 {{6, kCrestWord}, {7, std::string("3000.000") + kCircleMark}}}),
    RowName<CurveRow>);

// ---- A station shown in a cell reads back to the same number.

TEST(StationCells, ReadBackExactly) {
  std::mt19937_64 random(25);
  std::uniform_real_distribution<double> anywhere(-2e4, 9e6);
  for (int i = 0; i < 2000; ++i) {
    const double v = i % 2 == 0 ? anywhere(random) : std::round(anywhere(random) * 1000) / 1000;
    const StationRef s{v, i % 3 == 0 ? 2 : 0};
    const std::string text = StationCellText(s, {});
    const auto back = ReadStationRef(text, {});
    ASSERT_TRUE(std::holds_alternative<StationRef>(back)) << text;
    EXPECT_EQ(std::get<StationRef>(back).value, v) << text;
    EXPECT_EQ(std::get<StationRef>(back).occurrence, s.occurrence) << text;
  }
  EXPECT_EQ(StationCellText({5030}, {}), "K5+030.000");
}

// ---- The profile's mapping.

TEST(ProfileMappingProperty, FitShowsEverythingAndZoomKeepsThePointUnderTheMouse) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 300; ++i) {
    ProfileScene scene;
    scene.minDistance = unit(random) * 1e4;
    scene.maxDistance = scene.minDistance + 1 + unit(random) * 3e4;
    scene.minElevation = unit(random) * 2000 - 200;
    scene.maxElevation = scene.minElevation + unit(random) * (i % 5 == 0 ? 0.01 : 300);
    ProfileMapping m;
    m.SetView(400 + unit(random) * 1500, 300 + unit(random) * 800);
    m.Fit(scene, 80, 20, 60, 70);
    for (const double d : {scene.minDistance, scene.maxDistance}) {
      for (const double h : {scene.minElevation, scene.maxElevation}) {
        EXPECT_GE(m.X(d), 80 - 1e-6);
        EXPECT_LE(m.X(d), m.width() - 20 + 1e-6);
        EXPECT_GE(m.Y(h), 60 - 1e-6);
        EXPECT_LE(m.Y(h), m.height() - 70 + 1e-6);
      }
    }
    EXPECT_GE(m.ratio(), 1);
    const double x = unit(random) * m.width(), y = unit(random) * m.height();
    const double d = m.Distance(x), h = m.Elevation(y);
    m.ZoomAbout(x, y, 0.3 + unit(random) * 3);
    EXPECT_NEAR(m.X(d), x, 1e-6);
    EXPECT_NEAR(m.Y(h), y, 1e-6);
  }
}

// ---- The section's form.

struct SectionRow {
  std::string name;
  std::function<void(SectionForm&)> type;
  std::string reason;
};

class SectionRefusal : public ::testing::TestWithParam<SectionRow> {};

TEST_P(SectionRefusal, NamesTheFieldOrCellAndWhy) {
  SectionForm form({});
  GetParam().type(form);
  const auto input = form.Input();
  ASSERT_TRUE(std::holds_alternative<SectionFormProblem>(input));
  EXPECT_NE(std::get<SectionFormProblem>(input).reason.find(GetParam().reason), std::string::npos)
      << std::get<SectionFormProblem>(input).reason;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SectionRefusal,
    ::testing::Values(
        SectionRow{"CrownWord", [](SectionForm& f) { f.Field(SectionField::kCrown) = "二"; },
                   std::string(kCrownLabel) + kHeightsNotNumber},
        SectionRow{"NegativeHalfWidth", [](SectionForm& f) { f.Field(SectionField::kLeftWidth) = "-7.5"; },
                   std::string(kLeftWidthLabel) + "“-7.5”超出了"},
        SectionRow{"DesignLineBeyondAnyRoad", [](SectionForm& f) { f.Field(SectionField::kDesign) = "2e4"; },
                   std::string(kDesignLineLabel)},
        SectionRow{"StationsAndAJd",
                   [](SectionForm& f) {
                     f.Transitions().SetText(0, kTrTs, "100");
                     f.Transitions().SetText(0, kTrJd, "JD1");
                     f.Transitions().SetText(0, kTrE, "4");
                   },
                   kHeightsStationsOrJd},
        SectionRow{"StationsWithoutTheInnerSide",
                   [](SectionForm& f) {
                     for (int c : {kTrTs, kTrFs, kTrFe, kTrTe}) f.Transitions().SetText(0, c, std::to_string(100 * c));
                     f.Transitions().SetText(0, kTrE, "4");
                   },
                   std::string(kTransitionsTable) + "第 1 行 " + kInnerSideHeader + "：" + kHeightsNeedSide},
        SectionRow{"JdWithoutANumber",
                   [](SectionForm& f) {
                     f.Transitions().SetText(0, kTrJd, "JDx");
                     f.Transitions().SetText(0, kTrE, "4");
                   },
                   kHeightsNotJd},
        SectionRow{"NegativeSuperelevation",
                   [](SectionForm& f) {
                     f.Transitions().SetText(0, kTrJd, "2");
                     f.Transitions().SetText(0, kTrE, "-4");
                   },
                   "超出了"},
        SectionRow{"AxisUnknown",
                   [](SectionForm& f) {
                     f.Transitions().SetText(0, kTrJd, "2");
                     f.Transitions().SetText(0, kTrE, "4");
                     f.Transitions().SetText(0, kTrAxis, "sideways");
                   },
                   kHeightsNotAxis},
        SectionRow{"SlopeWithoutItsStation", [](SectionForm& f) { f.Slopes().SetText(0, kSlLeft, "-2"); },
                   std::string(kSlopesTable) + "第 1 行 " + kSlopeStationHeader + "：" + kHeightsCellEmpty},
        SectionRow{"BothForms",
                   [](SectionForm& f) {
                     f.Transitions().SetText(0, kTrJd, "2");
                     f.Transitions().SetText(0, kTrE, "4");
                     f.Slopes().SetText(0, kSlStation, "K1+000");
                     f.Slopes().SetText(0, kSlLeft, "-2");
                     f.Slopes().SetText(0, kSlRight, "2");
                   },
                   kSectionBothForms}),
    RowName<SectionRow>);

TEST(SectionForms, AnInputShownReadsBackTheSame) {
  CrossSectionInput in;
  in.crown = 1.5;
  in.leftWidth = 6.25;
  in.rightWidth = 7.5;
  in.design = -6.25;
  in.transitions = {SuperInput{0, {1000}, {1050}, {1200}, {1250.125, 2}, 4, SectionSide::kLeft, SuperAxis::kInnerEdge},
                    SuperInput{3, {}, {}, {}, {}, 6, SectionSide::kRight, SuperAxis::kOuterEdge}};
  const auto back = SectionForm::FromInput(in, {}).Input();
  ASSERT_TRUE(std::holds_alternative<CrossSectionInput>(back)) << std::get<SectionFormProblem>(back).reason;
  EXPECT_TRUE(SameSection(std::get<CrossSectionInput>(back), in));
  CrossSectionInput slopes;
  slopes.slopes = {{{1000}, -2, -2}, {{1040.5}, -2, 2}, {{1080}, 4, -4}};
  const auto again = SectionForm::FromInput(slopes, {}).Input();
  ASSERT_TRUE(std::holds_alternative<CrossSectionInput>(again));
  EXPECT_TRUE(SameSection(std::get<CrossSectionInput>(again), slopes));
}

// The section drawn at K5+010 on the textbook profile, the design line on
// the left edge of a 7.5 m half-width under a 2 % crown: the profile gives
// the left edge 425.455, the centre lies 0.15 above.
TEST(SectionPictures, TheEdgesAndTheCentreAtAStation) {
  CrossSectionInput section;
  section.leftWidth = section.rightWidth = 7.5;
  section.design = -7.5;
  const RoadHeightsBuild built = BuildHeights(InputOf(Textbook()), section, nullptr);
  ASSERT_TRUE(built.heights);
  const SectionPicture p = MakeSectionPicture(built.heights->section(), &*built.heights, 5010);
  EXPECT_EQ(p.left, -2);
  EXPECT_EQ(p.right, -2);
  EXPECT_NEAR(*p.leftEdge.elevation, 425.455, 1e-9);
  EXPECT_NEAR(*p.centre.elevation, 425.605, 1e-9);
  EXPECT_NEAR(*p.rightEdge.elevation, 425.455, 1e-9);
  EXPECT_NEAR(*p.design.elevation, 425.455, 1e-9);
  EXPECT_EQ(p.design.offset, -7.5);
  // Without a profile: the rises alone, at a nominal width where none is given.
  const SectionPicture bare = MakeSectionPicture(CrossSection(), nullptr, 0);
  EXPECT_FALSE(bare.centre.elevation);
  EXPECT_FALSE(bare.leftGiven);
  EXPECT_EQ(bare.rightEdge.offset, kNominalHalfWidth);
  EXPECT_NEAR(bare.rightEdge.rise - bare.centre.rise, -0.02 * kNominalHalfWidth, 1e-12);
}


// ---- Properties over random profiles.

// A random profile as typed: 3 to 12 PVIs 300 to 600 m apart, grades within
// ±6 %, every kind of curve, each reaching at most 0.45 of the stretches
// beside it so that none reaches its neighbour's.
ProfileInput RandomProfile(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const int n = 3 + static_cast<int>(unit(random) * 10);
  ProfileInput in;
  double station = std::round(unit(random) * 1e5) / 100, elevation = 100 + unit(random) * 900;
  for (int i = 0; i < n; ++i) {
    in.rows.push_back({{station, i == 1 && unit(random) < 0.2 ? 2 : 0}, std::round(elevation * 1000) / 1000});
    const double step = 300 + std::round(unit(random) * 300000) / 1000;
    station += step;
    elevation += step * (unit(random) * 0.12 - 0.06);
  }
  for (int i = 1; i + 1 < n; ++i) {
    PviInput& row = in.rows[i];
    const PviInput &a = in.rows[i - 1], &b = in.rows[i + 1];
    const double before = row.station.value - a.station.value, after = b.station.value - row.station.value;
    const double omega = std::fabs((b.elevation - row.elevation) / after - (row.elevation - a.elevation) / before);
    const double room = 0.9 * std::min(before, after);  // the most L of a symmetric curve
    const double share = 0.2 + 0.8 * unit(random);
    // A radius within the curves' range: near-equal grades take a plain break.
    const double radius = std::min(std::floor(share * room / std::max(omega, 1e-9)), 9e5);
    switch (static_cast<int>(unit(random) * 5)) {
      case 1: row.curve = VerticalCurveKind::kRadius; row.radius = radius; break;
      case 2:
        if (omega < 1e-6) break;  // a length between equal grades has no radius
        row.curve = VerticalCurveKind::kLength;
        row.length = std::min(std::floor(share * room), std::floor(9e5 * omega));
        break;
      case 3:
        row.curve = VerticalCurveKind::kAsymmetric;
        row.length = std::floor(share * 0.45 * before);
        row.length2 = std::floor(share * 0.45 * after);
        break;
      case 4: row.curve = VerticalCurveKind::kCircle; row.radius = radius; break;
      default: break;
    }
  }
  return in;
}

TEST(PviTableProperty, AProfileShownReadsBackTheSame) {
  std::mt19937_64 random(2025);
  for (int i = 0; i < 400; ++i) {
    const ProfileInput in = RandomProfile(random);
    const PviTable table = PviTable::FromInput(in, {});
    const auto back = table.Input();
    ASSERT_TRUE(std::holds_alternative<ProfileInput>(back)) << std::get<GridProblem>(back).reason;
    EXPECT_TRUE(SameProfile(std::get<ProfileInput>(back), in)) << i;
    // Copied out as a spreadsheet copies the cells and pasted into an empty table: the same profile.
    std::string text;
    for (int r = 0; r < table.RowCount(); ++r) {
      for (int c = 1; c < table.ColumnCount(); ++c) text += table.Text(r, c) + (c + 1 < table.ColumnCount() ? "\t" : "\n");
    }
    PviTable pasted({});
    ASSERT_EQ(pasted.Paste(0, 1, text), table.RowCount()) << pasted.PasteNote() << "\n" << text;
    const auto again = pasted.Input();
    ASSERT_TRUE(std::holds_alternative<ProfileInput>(again)) << std::get<GridProblem>(again).reason << "\n" << text;
    EXPECT_TRUE(SameProfile(std::get<ProfileInput>(again), in)) << text;
  }
}

// Every printed curve agrees with the drawings' formulas computed apart:
// i1 and i2 from the PVIs, L = R·|ω| (a parabola by radius), T = L/2,
// E = T²/2R, BVC = PVI − T; a design line through each PVI's neighbours.
TEST(VerticalCurveProperty, PrintedElementsAgreeWithTheFormulas) {
  std::mt19937_64 random(31);
  auto number = [](const std::string& text) { return std::stod(text); };
  for (int i = 0; i < 300; ++i) {
    ProfileInput in = RandomProfile(random);
    for (PviInput& row : in.rows) row.station.occurrence = 0;
    const RoadHeightsBuild built = BuildHeights(in, {}, nullptr);
    ASSERT_TRUE(built.heights) << i;
    const TextTable t = VerticalCurveTable(&built.heights->profile(), nullptr);
    std::size_t printed = 0;
    for (std::size_t k = 1; k + 1 < in.rows.size(); ++k) {
      const PviInput& p = in.rows[k];
      if (p.curve == VerticalCurveKind::kNone) continue;
      ASSERT_LT(printed, t.rows.size());
      const auto& row = t.rows[printed++];
      const PviInput &a = in.rows[k - 1], &b = in.rows[k + 1];
      const double i1 = (p.elevation - a.elevation) / (p.station.value - a.station.value);
      const double i2 = (b.elevation - p.elevation) / (b.station.value - p.station.value);
      EXPECT_EQ(row[0], std::to_string(k + 1));
      EXPECT_NEAR(number(row[3]), i1 * 100, 0.0006);
      EXPECT_NEAR(number(row[4]), i2 * 100, 0.0006);
      EXPECT_EQ(row[6], i2 < i1 ? kCrestWord : kSagWord);
      if (p.curve == VerticalCurveKind::kRadius) {
        const double L = p.radius * std::fabs(i2 - i1), T = L / 2;
        EXPECT_NEAR(number(row[8]), L, 0.0006);
        EXPECT_NEAR(number(row[9]), T, 0.0006);
        EXPECT_NEAR(number(row[10]), T * T / (2 * p.radius), 0.0006);
        const auto bvc = ReadStationRef(row[11], {});
        ASSERT_TRUE(std::holds_alternative<StationRef>(bvc)) << row[11];
        EXPECT_NEAR(std::get<StationRef>(bvc).value, p.station.value - T, 0.0006);
        EXPECT_NEAR(number(row[12]), p.elevation - i1 * T, 0.0006);
      }
    }
    EXPECT_EQ(printed, t.rows.size());
  }
}

// ---- The profile's picture.

TEST(ProfileSceneProperty, TheDesignLineFollowsTheProfileAndTicksStandOnTheirStations) {
  // A straight kilometre with a 长链: stations 500 to 600 exist twice.
  const Road road = *BuildRoad(IntersectionRoadInput{0, {0, 0}, {}, {1000, 0}, {{600, 500}}}).road;
  const ProfileInput in{{PviInput{{0}, 100}, PviInput{{550, 2}, 104, VerticalCurveKind::kRadius, 5000},
                         PviInput{{900}, 101}}};
  const RoadHeightsBuild built = BuildHeights(in, {}, &road);
  ASSERT_TRUE(built.heights);
  const Profile& profile = built.heights->profile();
  // X north: the road runs up the X axis.
  const std::vector<PlanCapMark> caps = {{{300, 2}, {}, {}, "1#"}, {{650, -3}, {}, {}, "2#"}, {{2000, 0}, {}, {}, "off"}};
  const ProfileScene scene = MakeProfileScene(profile, &road, caps);
  ASSERT_GE(scene.line.size(), 4u);
  EXPECT_EQ(scene.line.front().distance, 0);
  EXPECT_EQ(scene.line.back().distance, 1000);
  for (std::size_t k = 0; k < scene.line.size(); ++k) {
    if (k > 0) {
      EXPECT_LE(scene.line[k - 1].distance, scene.line[k].distance);
    }
    EXPECT_NEAR(scene.line[k].elevation, profile.At(scene.line[k].distance).height->elevation, 1e-9);
  }
  EXPECT_EQ(scene.pviStations[1], "K0+550.000(2)");
  // Each tick at its station; the stations of the 长链 twice.
  int fiveHundreds = 0;
  // A tick stands where its station is placed (at the equation, the back
  // station and the ahead one share a distance).
  auto placedAt = [&road](double station, double distance) {
    const Placement p = road.Place({station});
    if (p.status == PlaceStatus::kPlaced) return std::fabs(p.distance - distance) < 1e-9;
    return std::any_of(p.places.begin(), p.places.end(), [&](double d) { return std::fabs(d - distance) < 1e-9; });
  };
  for (const ProfileMark& t : scene.ticks) {
    const double station = std::stod(t.label.substr(1, t.label.find('+') - 1)) * 1000 + std::stod(t.label.substr(t.label.find('+') + 1));
    EXPECT_TRUE(placedAt(station, t.distance)) << t.label << " at " << t.distance;
    fiveHundreds += t.label == "K0+500";
  }
  EXPECT_EQ(fiveHundreds, 2);
  for (const StationTick& t : StationTicks(road, 100)) EXPECT_TRUE(placedAt(t.station, t.distance)) << t.station;
  // The bents on the road, at their feet, on the design line; one off the road is left out.
  ASSERT_EQ(scene.bents.size(), 2u);
  EXPECT_NEAR(scene.bents[1].distance, 650, 1e-9);
  EXPECT_NEAR(scene.bents[1].elevation, profile.At(650).height->elevation, 1e-9);
  EXPECT_EQ(scene.bents[0].label, "1#");
}

}  // namespace
}  // namespace capset
