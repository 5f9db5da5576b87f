#pragma once
// Values with which a solver cannot place a cap. Each check is a pure
// function of the job or of one answer and returns the reason it refuses,
// or nothing when the value can be used.

#include <optional>

#include "cap_solution.h"

namespace capset {

enum class Refusal {
  kAxisParallel,   // B is 0 or 180: the axis never meets an edge
  kA1Zero,         // every series term divides by A1
  kKjBeforeZH,     // the square cap's l = |KZH − Kj| would land after ZH
  kNoDeflection,   // P = 0 gives the square cap no side of the turn
  kKpBeforeZH,     // the centre would land on the point as far after ZH
  kKpAfterHZ,      // the centre would land on the point as far before HZ
  kDRZero,         // the edge point is the foot point: the rounds cannot settle
  kPrecisionNotPositive,  // the rounds could never stop
};

// Before any question: the job as Start left it.
std::optional<Refusal> CheckDesign(Solver solver, const CapDesign& design);

// The answers, as each is read. DR and the precision are checked as stored.
std::optional<Refusal> CheckKp(Solver solver, const CapDesign& design, double Kp);
std::optional<Refusal> CheckDR(Solver solver, float DR);
std::optional<Refusal> CheckPrecision(Solver solver, float precision);

// The solver's spiral end.
SpiralEnd EndOf(Solver solver);

}  // namespace capset
