#pragma once
// Roads and profiles written as LandXML, each a named row: the files kept
// in tests/data/landxml_written/ are what the desktop wrote for them, byte
// for byte, and every later writer must write the same.

#include <optional>
#include <string>
#include <vector>

#include "road_file_format.h"
#include "road_input.h"

namespace capset::testing {

struct WrittenRow {
  std::string name;  // the row's, and its file's: <name>.xml
  RoadInput road;
  std::string alignment;
  std::string date;
  std::string time;
  std::vector<RoadFilePvi> profile;
  // The name as a reader gets it back, when XML could not hold all of it.
  std::optional<std::string> readName = std::nullopt;
};

inline std::vector<WrittenRow> WrittenRows() {
  using EK = ElementKind;
  using VK = VerticalCurveKind;
  const TurnSide kL = TurnSide::kLeft, kR = TurnSide::kRight;
  const IntersectionRoadInput jd{1000, {3000, 4000}, {{{3800, 4300}, 600, 120, 100}, {{4600, 4200}, 400, 80, 80}},
                                 {5500, 4900}, {}};
  IntersectionRoadInput plainJd = jd;
  for (IntersectionPoint& p : plainJd.jds) p.Ls1 = p.Ls2 = 0;
  IntersectionRoadInput chains = jd;
  chains.equations = {{1500, 1510.25}, {2500, 2480}};
  const ElementRoadInput elements{4800, {3000, 4000}, 30,
                                  {{EK::kLine, 400}, {EK::kSpiral, 100, kNoRadius, 1500, kR}, {EK::kArc, 500, 1500, kNoRadius, kR},
                                   {EK::kSpiral, 100, 1500, kNoRadius, kR}, {EK::kLine, 300}},
                                  {}};
  const ElementRoadInput eggs{0.1, {0.3, 0.7}, 359.999999,
                              {{EK::kArc, 80.125, 1500, kNoRadius, kL}, {EK::kSpiral, 120.5, 1500, 600, kL},
                               {EK::kArc, 33.3, 600, kNoRadius, kL}, {EK::kSpiral, 77.7, 600, kNoRadius, kL}, {EK::kLine, 0.001}},
                              {}};
  ElementRoadInput far = elements;
  far.station = 1e7;
  far.start = {1e7, 1e7};
  ElementRoadInput negative = elements;
  negative.station = -2500.5;
  negative.start = {-1e7, -5432109.876543};
  negative.azimuth = 200.123456789;
  const std::vector<RoadFilePvi> everyKind{{1000, 416.18},
                                           {1230, 427.68, VK::kLength, 180},
                                           {1600, 413.28, VK::kAsymmetric, 80, 120},
                                           {1900, 417.78, VK::kCircle, 100.1 + 0.2, 0, 5000},
                                           {2300.000001, 0.1 + 0.2},
                                           {2700, -3.75, VK::kLength, 1e-3}};
  return {
      {"ElementRoadOfEveryKind", elements, "K 线", "", "", {}},
      {"ElementRoadLeftWithSpiralsBetweenArcs", eggs, "路线", "", "", {}},
      {"JdRoadWithSpirals", jd, "路线", "", "", {}},
      {"JdRoadWithoutSpirals", plainJd, "路线", "", "", {}},
      {"LongAndShortChains", chains, "路线", "2026-03-01", "09:30:00", {}},
      {"ProfileOfEveryCurveKind", chains, "路线", "2026-03-01", "09:30:00", everyKind},
      {"NameWithMarkupAndControls", jd, "\xEF\xBB\xBF主线 K<&>\"'\t\n\r\x01\x0B\x7F|\xEF\xBF\xBF|\xEF\xBF\xBE|\xF0\x9F\x98\x80", "",
       "", {{1000, 1}, {2000, 2}}, "主线 K<&>\"'\t\n\r\x7F|||\xF0\x9F\x98\x80"},
      {"NameWithBytesThatAreNoUtf8", jd, "a\xFF" "b\xE4\xB8" "c\xED\xA0\x80" "d\xC0\x80" "e\xF4\x90\x80\x80" "f\xE4", "", "", {},
       "a\uFFFDb\uFFFD\uFFFDc\uFFFD\uFFFD\uFFFDd\uFFFD\uFFFDe\uFFFD\uFFFD\uFFFD\uFFFDf\uFFFD"},
      {"FarCoordinates1e7", far, "路线", "2026-12-31", "23:59:59", {{1e7, 1e3}, {1e7 + 600, 1e3 + 1.5, VK::kLength, 300}, {1e7 + 1400, 999}}},
      {"NegativeCoordinatesAndStations", negative, "路线", "", "", {{-2500.5, -12.5}, {-2000, -10, VK::kCircle, 50, 0, 3000}, {-1500, -11}}},
  };
}

}  // namespace capset::testing
