// The session's road: the job's own, or the one the Start job implies.

#include "cap_session.h"

namespace capset {

std::optional<RoadProblem> CapSession::SetRoad(const RoadInput& input) {
  RoadBuild built = BuildRoad(input);
  if (!built.road) return built.problem;
  roadInput_ = input;
  road_ = std::move(*built.road);
  for (SessionObserver* o : observers_) o->RoadChanged();
  RemakeHeights();
  return std::nullopt;
}

void CapSession::ClearRoad() {
  roadInput_.reset();
  road_.reset();
  for (SessionObserver* o : observers_) o->RoadChanged();
  RemakeHeights();
}

JobRoadInput StartRoadInput(const CapJob& job) {
  // Start keeps KZH 0 for a cap on the HZ-end spiral, and asks KHZ then.
  const bool fromZH = job.KZH != 0;
  return {fromZH ? JobEnd::kZH : JobEnd::kHZ, fromZH ? job.KZH : job.KHZ, {job.X, job.Y}, job.T, job.R, job.A1, job.P};
}

void CapSession::MakeStartRoad() {
  const JobRoadInput input = StartRoadInput(job_);
  startRoadInput_ = input;
  startRoad_ = RoadFromJob(input);
  // The Start job's road is the working road when the job has none of its own.
  if (!road_) RemakeHeights();
}

const Road* CapSession::WorkingRoad() const {
  if (road_) return &*road_;
  if (typed_ && startRoad_.road) return &*startRoad_.road;
  return nullptr;
}

std::optional<RoadProblem> CapSession::StartRoadProblem() const {
  if (!typed_) return std::nullopt;
  return startRoad_.problem;
}

}  // namespace capset
