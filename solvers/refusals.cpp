#include "refusals.h"

namespace capset {

SpiralEnd EndOf(Solver solver) {
  return solver == Solver::kCmd3 || solver == Solver::kCmd4 ? SpiralEnd::kHZ : SpiralEnd::kZH;
}

std::optional<Refusal> CheckDesign(Solver solver, const CapDesign& design) {
  if (solver == Solver::kCmd5) {
    if (design.Kj < design.origin) return Refusal::kKjBeforeZH;
    if (design.P == 0) return Refusal::kNoDeflection;
  } else if (design.B == 0 || design.B == 180) {
    return Refusal::kAxisParallel;
  }
  if (design.A1 == 0) return Refusal::kA1Zero;
  return std::nullopt;
}

std::optional<Refusal> CheckKp(Solver solver, const CapDesign& design, double Kp) {
  if (EndOf(solver) == SpiralEnd::kZH) {
    if (Kp < design.origin) return Refusal::kKpBeforeZH;
  } else if (Kp > design.origin) {
    return Refusal::kKpAfterHZ;
  }
  return std::nullopt;
}

// The square cap is in closed form: any DR and any precision place it.
std::optional<Refusal> CheckDR(Solver solver, float DR) {
  if (solver != Solver::kCmd5 && DR == 0) return Refusal::kDRZero;
  return std::nullopt;
}

std::optional<Refusal> CheckPrecision(Solver solver, float precision) {
  if (solver != Solver::kCmd5 && !(precision > 0)) return Refusal::kPrecisionNotPositive;
  return std::nullopt;
}

}  // namespace capset
