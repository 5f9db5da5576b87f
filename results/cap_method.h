#pragma once
// How a cap is computed.

namespace capset {

enum class CapMethod {
  kExact,   // on the road, exactly, wherever the cap stands
  kWindow,  // by the window's spiral formulas, as Compute does
};

}  // namespace capset
