#pragma once
// What the batch dialog (批量计算…) holds, exactly as the user typed it: a
// whole bridge's caps for one job. The batch checks and solves it; a job
// file keeps it as it stands.

#include <string>
#include <vector>

namespace capset {

struct BatchInput {
  // How each cap's axis is set: parallel to the design cap at Kj, as Compute
  // does, or at the skew B to the cap's own tangent (Kj = Kp for each cap).
  enum class Axis { kParallel, kOwn };

  Axis axis = Axis::kParallel;
  std::string DR;         // the half-width, as typed
  std::string precision;  // decimal degrees, as typed
  std::string offsets;    // points along the axis from the centre, blank-separated; may be empty
  std::vector<std::string> stations;  // one line each: an optional name, then the station ("3# K12+400", "12420")

  bool operator==(const BatchInput&) const = default;
};

}  // namespace capset
