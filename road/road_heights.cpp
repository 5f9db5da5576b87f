#include "road_heights.h"

#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "road.h"
#include "table_stations.h"

namespace capset {

std::variant<PointHeight, ProfileProblem> RoadHeights::At(double distance, double offset) const {
  const ProfileAnswer answer = profile_.At(distance);
  if (!answer.height) return *answer.problem;
  const SectionAt section = section_.At(distance);
  return PointHeight{answer.height->elevation + section_.RiseIn(section, offset), answer.height->grade, section};
}

namespace {

// A typed station as a distance: itself without a road.
std::variant<double, Placement> DistanceOf(StationRef station, const Road* road) {
  if (road == nullptr) return station.value;
  return TableDistance(*road, station);
}

// The key stations of every JD of a road, ZH, HY, YH and HZ in that order
// (NaN where the curve has none), gathered in one pass over its key points.
using JdStations = std::array<double, 4>;
std::vector<JdStations> KeyStationsByJd(const Road& road) {
  constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  std::vector<JdStations> out(road.curves().size(), JdStations{kNone, kNone, kNone, kNone});
  for (const KeyPoint& key : road.keyPoints()) {
    if (key.number < 1 || key.number > static_cast<int>(out.size())) continue;
    const int at = key.kind == KeyPointKind::kZH   ? 0
                   : key.kind == KeyPointKind::kHY ? 1
                   : key.kind == KeyPointKind::kYH ? 2
                   : key.kind == KeyPointKind::kHZ ? 3
                                                   : -1;
    if (at >= 0) out[key.number - 1][at] = key.distance;
  }
  return out;
}

// A transition over JDn: ZH→HY and YH→HZ of the road's curve at that JD,
// the inner side the side it turns to. `keys` is KeyStationsByJd(*road).
std::variant<SuperTransition, HeightsProblem> OverJd(const SuperInput& in, int row, const Road* road,
                                                     const std::vector<JdStations>& keys) {
  const auto refuse = [&](HeightsJdReason reason) -> HeightsProblem { return HeightsJdProblem{row, in.jd, reason}; };
  if (road == nullptr) return refuse(HeightsJdReason::kNoRoad);
  const std::vector<CurveElements>& curves = road->curves();
  if (curves.empty()) return refuse(HeightsJdReason::kRoadHasNoJds);
  if (in.jd < 1 || in.jd > static_cast<int>(curves.size()) || curves[in.jd - 1].jd != in.jd)
    return refuse(HeightsJdReason::kNoSuchJd);
  const CurveElements& curve = curves[in.jd - 1];
  if (!(curve.Ls1 > 0)) return refuse(HeightsJdReason::kNoSpiralIn);
  if (!(curve.Ls2 > 0)) return refuse(HeightsJdReason::kNoSpiralOut);
  const JdStations& k = keys[in.jd - 1];
  for (double d : k)
    if (std::isnan(d)) return refuse(HeightsJdReason::kNoSuchJd);
  return SuperTransition{k[0], k[1], k[2], k[3], in.e, curve.turn > 0 ? SectionSide::kRight : SectionSide::kLeft,
                         in.axis};
}

// The section as typed, its stations made distances.
std::variant<CrossSection, HeightsProblem> SectionFrom(const CrossSectionInput& in, const Road* road) {
  SectionLayout layout;
  layout.crown = in.crown;
  layout.leftWidth = in.leftWidth;
  layout.rightWidth = in.rightWidth;
  layout.design = in.design;
  std::vector<JdStations> keys;
  if (road != nullptr)
    for (const SuperInput& s : in.transitions)
      if (s.jd != 0) {
        keys = KeyStationsByJd(*road);
        break;
      }
  for (std::size_t k = 0; k < in.transitions.size(); ++k) {
    const SuperInput& s = in.transitions[k];
    const int row = static_cast<int>(k) + 1;
    if (s.jd != 0) {
      auto t = OverJd(s, row, road, keys);
      if (auto* problem = std::get_if<HeightsProblem>(&t)) return *problem;
      layout.transitions.push_back(std::get<SuperTransition>(t));
      continue;
    }
    SuperTransition t{0, 0, 0, 0, s.e, s.inner, s.axis};
    const std::pair<StationRef, double*> stations[] = {{s.ts, &t.ts}, {s.fs, &t.fs}, {s.fe, &t.fe}, {s.te, &t.te}};
    for (const auto& [station, at] : stations) {
      const auto distance = DistanceOf(station, road);
      if (const auto* placement = std::get_if<Placement>(&distance))
        return HeightsStationProblem{HeightsTable::kTransitions, row, station, *placement};
      *at = std::get<double>(distance);
    }
    layout.transitions.push_back(t);
  }
  for (std::size_t k = 0; k < in.slopes.size(); ++k) {
    const SlopeInput& s = in.slopes[k];
    const auto distance = DistanceOf(s.station, road);
    if (const auto* placement = std::get_if<Placement>(&distance))
      return HeightsStationProblem{HeightsTable::kSlopes, static_cast<int>(k) + 1, s.station, *placement};
    layout.slopes.push_back({std::get<double>(distance), s.left, s.right});
  }
  CrossSectionBuild built = CrossSection::Build(layout);
  if (!built.section) return *built.problem;
  return std::move(*built.section);
}

}  // namespace

RoadHeightsBuild BuildHeights(const ProfileInput& input, const CrossSectionInput& sectionInput, const Road* road) {
  std::vector<PviRow> rows;
  rows.reserve(input.rows.size());
  for (std::size_t i = 0; i < input.rows.size(); ++i) {
    const PviInput& in = input.rows[i];
    const auto distance = DistanceOf(in.station, road);
    if (const auto* placement = std::get_if<Placement>(&distance))
      return {std::nullopt, HeightsStationProblem{HeightsTable::kProfile, static_cast<int>(i) + 1, in.station, *placement}};
    rows.push_back({std::get<double>(distance), in.elevation, in.curve, in.radius, in.length, in.length2});
  }
  ProfileBuild profile = Profile::Build(rows);
  if (!profile.profile) return {std::nullopt, *profile.problem};
  auto section = SectionFrom(sectionInput, road);
  if (auto* problem = std::get_if<HeightsProblem>(&section)) return {std::nullopt, *problem};
  return {RoadHeights(std::move(*profile.profile), std::move(std::get<CrossSection>(section))), std::nullopt};
}

std::optional<HeightsProblem> CheckCrossSection(const CrossSectionInput& section, const Road* road) {
  auto built = SectionFrom(section, road);
  if (auto* problem = std::get_if<HeightsProblem>(&built)) return *problem;
  return std::nullopt;
}

}  // namespace capset
