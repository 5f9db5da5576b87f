#include "road_summary.h"

#include <cmath>

#include "angle_text.h"
#include "number_text.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_text.h"

namespace capset {

TextTable CurveTable(const Road& road) {
  TextTable t{{kJdHeader, kTurnAngleHeader, "R", "Ls1", "Ls2", "T1", "T2", "L", "Ly", "E", "J"}, {}};
  for (const CurveElements& c : road.curves()) {
    auto m = [](double metres) { return FixedText(metres, 3); };
    t.rows.push_back({"JD" + std::to_string(c.jd), TurnText(c.turn), m(c.R), m(c.Ls1), m(c.Ls2), m(c.T1), m(c.T2), m(c.L),
                      m(c.Ly), m(c.E), m(c.J)});
  }
  return t;
}

TextTable KeyPointTable(const Road& road) {
  TextTable t{{kPointHeader, kStationHeader, "X", "Y", kAzimuthHeader}, {}};
  for (const KeyPoint& k : road.keyPoints()) {
    t.rows.push_back({KeyPointName(k), RoadStationText(k.station), FixedText(k.point.X, 3), FixedText(k.point.Y, 3),
                      AzimuthText(k.azimuth)});
  }
  return t;
}

}  // namespace capset
