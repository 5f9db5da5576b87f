#pragma once
// The thirteen result boxes of one cap, as texts. A cap's numbers become
// texts here and nowhere else: the boxes, a results table and a file all
// show what this makes of a CapSolution, so they cannot disagree.

#include <optional>
#include <string>

#include "cap_solution.h"
#include "fault.h"
#include "seam.h"

namespace capset {

// One road-bed edge. All four texts are empty for a side that was not
// solved, so its boxes are emptied rather than left showing another cap.
struct SideTexts {
  std::string station;
  std::string X;
  std::string Y;
  std::string length;
};

struct CapResult {
  std::string centreStation;  // Text13
  std::string DR;             // Text10
  std::string precision;      // Text25
  std::string centreX;        // Text23
  std::string centreY;        // Text24
  SideTexts inner;            // Text21, Text17, Text18, Text19
  SideTexts outer;            // Text20, Text14, Text15, Text16
};

// `sep` is the user's decimal separator; station texts always use ".".
CapResult ResultTexts(const CapSolution& solution, const std::string& sep);
// The fault ResultTexts would raise (a number too large to show), or nothing.
std::optional<ArithmeticFault> ResultFault(const CapSolution& solution);

// Coordinates and lengths: rounded to 3 decimals for the text only.
std::string CoordinateText(double value, const std::string& sep);
std::optional<ArithmeticFault> CoordinateFault(double value);

// The echoes of DR (Text10) and of the precision (Text25), which differ
// from solver to solver.
std::string DREcho(Solver solver, float DR, const std::string& sep);
std::string PrecisionEcho(float precision, const std::string& sep);

void WriteResult(const CapResult& result, BoxWriter& boxes);

}  // namespace capset
