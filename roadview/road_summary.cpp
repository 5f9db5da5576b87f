#include "road_summary.h"

#include <cmath>

#include "road_text.h"
#include "road_texts.h"

namespace capset {

TextTable CurveTable(const Road& road) {
  TextTable t{{"交点", "转角 α", "R", "Ls1", "Ls2", "T1", "T2", "L", "Ly", "E", "J"}, {}};
  for (const CurveElements& c : road.curves()) {
    t.rows.push_back({"JD" + std::to_string(c.jd), TurnText(c.turn), MetreText(c.R), MetreText(c.Ls1), MetreText(c.Ls2),
                      MetreText(c.T1), MetreText(c.T2), MetreText(c.L), MetreText(c.Ly), MetreText(c.E), MetreText(c.J)});
  }
  return t;
}

TextTable KeyPointTable(const Road& road) {
  TextTable t{{"点", "桩号", "X", "Y", "方位角"}, {}};
  for (const KeyPoint& k : road.keyPoints()) {
    t.rows.push_back({KeyPointName(k), KStationText(k.station), MetreText(k.point.X), MetreText(k.point.Y),
                      AzimuthText(k.azimuth)});
  }
  return t;
}

}  // namespace capset
