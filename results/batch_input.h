#pragma once
// What the batch dialog (批量计算…) holds, exactly as the user typed it: a
// whole bridge's caps for one job. The batch checks and solves it; a job
// file keeps it as it stands.

#include <string>
#include <vector>

#include "cap_method.h"

namespace capset {

struct BatchInput {
  // How each cap's axis is set: parallel to the design cap at Kj, as Compute
  // does, or at the skew B to the cap's own tangent (Kj = Kp for each cap).
  enum class Axis { kParallel, kOwn };

  Axis axis = Axis::kParallel;
  std::string DR;         // the half-width, as typed: both sides, or the left (左幅) when rightDR is given
  std::string precision;  // decimal degrees, as typed; read by the window's formulas only
  // Points along the axis from the centre, blank-separated; may be empty.
  // Positive towards the right-hand edge for the exact method, towards the
  // outer edge for the window's formulas.
  std::string offsets;
  std::vector<std::string> stations;  // one line each: an optional name, then the station ("3# K12+400", "12420")
  CapMethod method = CapMethod::kExact;
  std::string rightDR = {};  // the right half-width (右幅); empty: the same as DR
  std::string skew = {};     // B, packed D.MMSS; empty: the Start job's
  std::string design = {};   // the design station Kj of the parallel axis; empty: the Start job's
  // 桥面至盖梁顶: metres below the deck surface the cap's points are set at
  // (their heights are the deck's less this); empty: 0.
  std::string depth = {};

  bool operator==(const BatchInput&) const = default;
};

}  // namespace capset
