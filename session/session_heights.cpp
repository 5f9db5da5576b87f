// The session's heights: the profile and the cross-section as typed, made
// into heights on the working road whenever either of them or the road changes.

#include "cap_session.h"

namespace capset {

std::optional<HeightsProblem> CapSession::SetProfile(const ProfileInput& input) {
  RoadHeightsBuild built = BuildHeights(input, sectionInput_, WorkingRoad());
  if (!built.heights) return built.problem;
  profileInput_ = input;
  heights_ = std::move(built.heights);
  heightsProblem_.reset();
  for (SessionObserver* o : observers_) o->HeightsChanged();
  return std::nullopt;
}

void CapSession::ClearProfile() {
  profileInput_.reset();
  heights_.reset();
  heightsProblem_.reset();
  for (SessionObserver* o : observers_) o->HeightsChanged();
}

std::optional<HeightsProblem> CapSession::SetCrossSection(const CrossSectionInput& input) {
  if (profileInput_) {
    RoadHeightsBuild built = BuildHeights(*profileInput_, input, WorkingRoad());
    // A section that cannot stand with the profile on this road is refused
    // as it would be alone; the heights stay as they were.
    if (!built.heights) return built.problem;
    heights_ = std::move(built.heights);
    heightsProblem_.reset();
  } else if (auto problem = CheckCrossSection(input, WorkingRoad())) {
    return problem;
  }
  sectionInput_ = input;
  for (SessionObserver* o : observers_) o->HeightsChanged();
  return std::nullopt;
}

void CapSession::TakeHeights(std::vector<CapRecord>& records, double depth) const {
  const Road* road = WorkingRoad();
  if (!heights_) return;
  if (road == nullptr) return;
  for (CapRecord& record : records) record.heights = HeightsOfRow(record, *heights_, *road, depth);
}

void CapSession::RemakeHeights() {
  if (!profileInput_) return;
  RoadHeightsBuild built = BuildHeights(*profileInput_, sectionInput_, WorkingRoad());
  heights_ = std::move(built.heights);
  heightsProblem_ = built.problem;
  for (SessionObserver* o : observers_) o->HeightsChanged();
}

}  // namespace capset
