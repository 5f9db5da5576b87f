// The polar set-out data on a bent's sheet: each point's azimuth, distance
// and angle to turn from the backsight against the closed forms of the
// plane, the height difference with a station height, and the station and
// backsight named under the table for the crew to check before staking.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>

#include "angle_text.h"
#include "dialogue_replay.h"
#include "fixed_clock.h"
#include "polar_texts.h"
#include "session_sheets.h"
#include "sheet_texts.h"

namespace capset::testing {
namespace {

constexpr char kJob[] =
    "@road\nstart 1000 3000000 500000 30\nline 120\narc 200 300 left\nline 300\n@end\n"
    "@profile\npvi 1000 100\npvi 1300 106 3000\npvi 1620 101\n@end\n"
    "@template pier\ngrid Z 2 3 3 2.5\n@end\n"
    "@bridge B1\nbent 1 1160 skew 60 dr 6 7 depth 1.2 template pier\n@end\n";

// The bent's sheet after `setup`, and its points as solved (unrounded).
struct Printed {
  Sheet sheet;
  std::vector<BridgePoint> points;
};

Printed PrintedAfter(const std::string& setup) {
  std::istringstream in(std::string(kJob) + setup);
  std::ostringstream out;
  ScriptLines lines(in);
  DialogueReplay target(lines, out, {}, FixedClock());
  PlayScript(lines, target, out);
  auto made = SessionBentSheet(target.Session(), "B1", "1");
  EXPECT_TRUE(std::holds_alternative<Sheet>(made)) << out.str();
  const CapSession& session = target.Session();
  return {std::get<Sheet>(made), session.SolveBridgeNow(*session.FindBridge("B1"))->bents[0].points};
}

Sheet SheetAfter(const std::string& setup) { return PrintedAfter(setup).sheet; }

const SheetTable& TableOf(const Sheet& sheet) {
  for (const SheetBlock& b : sheet.blocks) {
    if (const auto* t = std::get_if<SheetTable>(&b)) return *t;
  }
  throw std::logic_error("no table");
}

std::vector<std::string> NotesOf(const Sheet& sheet) {
  for (const SheetBlock& b : sheet.blocks) {
    if (const auto* n = std::get_if<SheetNotes>(&b)) return n->lines;
  }
  return {};
}

double Azimuth(double dX, double dY) {
  double a = std::atan2(dY, dX) * 180 / std::numbers::pi;
  return a < 0 ? a + 360 : a;
}

// A station south-west of the bent, a backsight point due east of it: each
// point's columns as the plane's closed forms give them.
TEST(SheetPolar, EveryPointCarriesItsAzimuthDistanceAndTurn) {
  const Printed printed = PrintedAfter("@station S1 3000100 500050 98.5 1.5\n@backsight B7 3000100 500150\n");
  const Sheet& sheet = printed.sheet;
  const SheetTable& table = TableOf(sheet);
  ASSERT_EQ(table.headings.size(), 11u) << "name X Y H station offset, then α D β dH Z";
  EXPECT_EQ(table.headings[6], kPolarAzimuthHeading);
  EXPECT_EQ(table.headings[9], kPolarHeightDiffHeading);
  ASSERT_EQ(table.rows.size(), printed.points.size());
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const auto& row = table.rows[i];
    const BridgePoint& p = printed.points[i];
    ASSERT_EQ(row[0], p.Name());
    const double X = p.xy.X, Y = p.xy.Y, H = *p.height;
    const double alpha = Azimuth(X - 3000100, Y - 500050);
    EXPECT_EQ(row[6], AzimuthText(alpha)) << row[0];
    EXPECT_NEAR(std::stod(row[7]), std::hypot(X - 3000100, Y - 500050), 0.0005 + 1e-9) << row[0];
    // The backsight lies due east: β = α − 90.
    EXPECT_EQ(row[8], AzimuthText(std::fmod(alpha - 90 + 360, 360))) << row[0];
    EXPECT_NEAR(std::stod(row[9]), H - (98.5 + 1.5), 0.0005 + 1e-9) << row[0];
  }
  const auto notes = NotesOf(sheet);
  ASSERT_GE(notes.size(), 2u);
  EXPECT_EQ(notes[0], SheetStationText("S1", "3000100.000", "500050.000", "98.500", "1.500"));
  EXPECT_EQ(notes[1], BacksightCheckText("B7", AzimuthText(90), "100.000"));
  EXPECT_EQ(std::find(notes.begin(), notes.end(), kSheetNoInstrumentStation), notes.end());
}

// Without a station height, no dH column; a backsight by azimuth is named as one.
TEST(SheetPolar, AStationWithoutHeightGivesNoHeightDifference) {
  const Sheet sheet = SheetAfter("@station S1 3000100 500050\n@backsight azimuth 359.59\n");
  const SheetTable& table = TableOf(sheet);
  ASSERT_EQ(table.headings.size(), 9u) << "no dH, no zenith angle";
  const auto notes = NotesOf(sheet);
  ASSERT_GE(notes.size(), 2u);
  EXPECT_EQ(notes[1], BacksightCheckText("", AzimuthText(359 + 59.0 / 60), ""));
}

TEST(SheetPolar, WithoutABacksightTheSheetSaysNoStationIsSet) {
  const Sheet sheet = SheetAfter("@station S1 3000100 500050\n");
  EXPECT_EQ(TableOf(sheet).headings.size(), 6u);
  const auto notes = NotesOf(sheet);
  EXPECT_NE(std::find(notes.begin(), notes.end(), kSheetNoInstrumentStation), notes.end());
}

}  // namespace
}  // namespace capset::testing
