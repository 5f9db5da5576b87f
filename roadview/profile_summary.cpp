#include "profile_summary.h"

#include "heights_window_texts.h"
#include "number_text.h"
#include "station_text.h"

namespace capset {

std::string DistanceStationText(double distance, const Road* road) {
  if (road == nullptr) return RoadStationText(distance);
  return RoadStationText(road->StationAt(distance));
}

TextTable VerticalCurveTable(const Profile* profile, const Road* road) {
  TextTable t{{kVcNumberHeader, kVcPviHeader, kVcElevationHeader, kVcGrade1Header, kVcGrade2Header, kVcOmegaHeader,
               kVcShapeHeader, "R", "L", "T", "E", kVcBvcHeader, kVcBvcElevationHeader, kVcEvcHeader,
               kVcEvcElevationHeader, kVcTurnHeader, kVcTurnElevationHeader},
              {}};
  auto m = [](double metres) { return FixedText(metres, 3); };
  auto percent = [](double grade) { return FixedText(grade * 100, 3); };
  if (profile == nullptr) return t;
  for (const VerticalCurveElements& c : profile->Curves()) {
    std::string radius = c.radius ? m(*c.radius) : "-";
    if (c.kind == VerticalCurveKind::kCircle) radius += kCircleMark;
    std::string length = m(c.length);
    if (c.kind == VerticalCurveKind::kAsymmetric) length = m(c.length1) + "+" + m(c.length2);
    std::string turn = "-", turnHeight = "-";
    if (c.turningPoint) {
      turn = DistanceStationText(c.turningPoint->distance, road);
      turnHeight = m(c.turningPoint->elevation);
    }
    t.rows.push_back({std::to_string(c.row), DistanceStationText(c.pvi.distance, road), m(c.pvi.elevation),
                      percent(c.grade1), percent(c.grade2), percent(c.omega), c.crest ? kCrestWord : kSagWord, radius,
                      length, c.tangent ? m(*c.tangent) : "-", m(c.external), DistanceStationText(c.bvc.distance, road),
                      m(c.bvc.elevation), DistanceStationText(c.evc.distance, road), m(c.evc.elevation), turn,
                      turnHeight});
  }
  return t;
}

}  // namespace capset
