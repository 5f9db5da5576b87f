// The session's heights: the profile and the cross-section as typed, made
// into heights on the working road whenever either of them or the road changes.

#include "cap_session.h"
#include "heights_texts.h"
#include "job_file_keys.h"

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
  // A profile that no longer fits the road does not bar a section that
  // stands on its own: it is set, and the heights wait for the profile.
  if (profileInput_ && !heights_) {
    if (auto problem = CheckCrossSection(input, WorkingRoad())) return problem;
    sectionInput_ = input;
    RemakeHeights();
    return std::nullopt;
  }
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

std::optional<HeightsProblem> CapSession::SetHeights(const std::optional<ProfileInput>& profile,
                                                     const CrossSectionInput& section) {
  std::optional<RoadHeights> heights;
  if (profile) {
    RoadHeightsBuild built = BuildHeights(*profile, section, WorkingRoad());
    if (!built.heights) return built.problem;
    heights = std::move(built.heights);
  } else if (auto problem = CheckCrossSection(section, WorkingRoad())) {
    return problem;
  }
  profileInput_ = profile;
  sectionInput_ = section;
  heights_ = std::move(heights);
  heightsProblem_.reset();
  for (SessionObserver* o : observers_) o->HeightsChanged();
  return std::nullopt;
}

std::optional<JobFileProblem> CapSession::CheckHeights(const std::optional<TypedStart>& start,
                                                       const std::optional<RoadInput>& road,
                                                       const std::optional<ProfileInput>& profile,
                                                       const CrossSectionInput& section) const {
  // The road the job will stand on once open: its own, or its Start's.
  std::optional<Road> on;
  if (road) {
    on = BuildRoad(*road).road;
  } else if (start) {
    const auto started = StartedJob(*start);
    if (const auto* job = std::get_if<CapJob>(&started)) on = RoadFromJob(StartRoadInput(*job)).road;
  }
  const Road* onRoad = on ? &*on : nullptr;
  const std::optional<HeightsProblem> problem =
      profile ? BuildHeights(*profile, section, onRoad).problem : CheckCrossSection(section, onRoad);
  if (!problem) return std::nullopt;
  const bool ofProfile = std::holds_alternative<ProfileProblem>(*problem) ||
                         (std::holds_alternative<HeightsStationProblem>(*problem) &&
                          std::get<HeightsStationProblem>(*problem).table == HeightsTable::kProfile);
  const std::optional<StationRange> range = onRoad ? std::optional(RangeOf(*onRoad)) : std::nullopt;
  const std::string reason =
      HeightsProblemText(*problem, {profile ? &*profile : nullptr, &section, range ? &*range : nullptr});
  return JobFileProblem{JobFileFault::kBadHeights, ofProfile ? job_keys::kProfile : job_keys::kSection, 0, reason};
}

void CapSession::RemakeHeights() {
  if (!profileInput_) return;
  RoadHeightsBuild built = BuildHeights(*profileInput_, sectionInput_, WorkingRoad());
  heights_ = std::move(built.heights);
  heightsProblem_ = built.problem;
  for (SessionObserver* o : observers_) o->HeightsChanged();
}

}  // namespace capset
