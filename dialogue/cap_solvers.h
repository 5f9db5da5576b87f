#pragma once
// The five cap solvers as Compute calls them: each takes the job's values by
// value, asks its own questions through the seam, stores the answers in the
// job as they come, solves, and writes the thirteen result boxes together
// once the run has all its values. A run that is cancelled or faults leaves
// the previous complete result and returns nothing.

#include <cstdint>
#include <optional>

#include "cap_solution.h"
#include "seam.h"

namespace capset {

// The three job fields a solver asks for, written as each answer is read.
struct SolverAnswers {
  double& Kp;
  float& DR;
  float& Precision;
};

// Skewed cap on the ZH-end spiral: Cmd1 for a curve to the right (P > 0),
// Cmd2 for one to the left.
std::optional<CapSolution> Cmd1(double KZH, double X, double Y, double T, double R, double A1, double B, double Kj,
                                double DegPerRad, double Pi, SolverAnswers answers, Seam& seam);
std::optional<CapSolution> Cmd2(double KZH, double X, double Y, double T, double R, double A1, double B, double Kj,
                                double DegPerRad, double Pi, SolverAnswers answers, Seam& seam);

// Skewed cap on the HZ-end spiral: Cmd3 for P > 0, Cmd4 for P < 0.
std::optional<CapSolution> Cmd3(double KHZ, double X, double Y, double T, double R, double A1, double B, double Kj,
                                double DegPerRad, double Pi, SolverAnswers answers, Seam& seam);
std::optional<CapSolution> Cmd4(double KHZ, double X, double Y, double T, double R, double A1, double B, double Kj,
                                double DegPerRad, double Pi, SolverAnswers answers, Seam& seam);

// Square cap (B = 90) on the ZH-end spiral; P gives the side of the turn.
std::optional<CapSolution> Cmd5(double KZH, double X, double Y, double T, double R, double A1, double Kj,
                                double DegPerRad, double Pi, int16_t P, SolverAnswers answers, Seam& seam);

}  // namespace capset
