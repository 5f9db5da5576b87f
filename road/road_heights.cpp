#include "road_heights.h"

#include "road.h"

namespace capset {

std::variant<PointHeight, ProfileProblem> RoadHeights::At(double distance, double offset) const {
  const ProfileAnswer answer = profile_.At(distance);
  if (!answer.height) return *answer.problem;
  return PointHeight{answer.height->elevation + section_.RiseAt(distance, offset), answer.height->grade,
                     section_.At(distance)};
}

namespace {

// A typed station as a distance: itself without a road.
std::variant<double, Placement> DistanceOf(StationRef station, const Road* road) {
  if (road == nullptr) return station.value;
  const Placement placement = road->Place(station);
  if (placement.status != PlaceStatus::kPlaced) return placement;
  return placement.distance;
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
  CrossSectionSpec spec;
  spec.crown = sectionInput.crown;
  spec.leftWidth = sectionInput.leftWidth;
  spec.rightWidth = sectionInput.rightWidth;
  spec.design = sectionInput.design;
  CrossSectionBuild section = CrossSection::Build(spec);
  if (!section.section) return {std::nullopt, *section.problem};
  return {RoadHeights(std::move(*profile.profile), std::move(*section.section)), std::nullopt};
}

std::optional<HeightsProblem> CheckCrossSection(const CrossSectionInput& /*section*/, const Road* /*road*/) {
  return std::nullopt;
}

}  // namespace capset
