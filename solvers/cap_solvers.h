#pragma once
// The five cap solvers. Each takes the job's values by value, asks its own
// questions through the seam, stores the answers in the job as they come and
// writes the thirteen result boxes together once the run has all its values:
// a run that is cancelled or faults leaves the previous complete result.

#include <cstdint>

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
void Cmd1(double KZH, double X, double Y, double T, double R, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam);
void Cmd2(double KZH, double X, double Y, double T, double R, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam);

// Skewed cap on the HZ-end spiral: Cmd3 for P > 0, Cmd4 for P < 0.
void Cmd3(double KHZ, double X, double Y, double T, double R, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam);
void Cmd4(double KHZ, double X, double Y, double T, double R, double A1, double B, double Kj, double DegPerRad,
          double Pi, SolverAnswers answers, Seam& seam);

// Square cap (B = 90) on the ZH-end spiral; P gives the side of the turn.
void Cmd5(double KZH, double X, double Y, double T, double R, double A1, double Kj, double DegPerRad, double Pi,
          int16_t P, SolverAnswers answers, Seam& seam);

}  // namespace capset
