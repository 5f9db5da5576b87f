#pragma once
// A road typed as lines, one part of the road a line, and each typed field
// on its own (a cell of the road window's tables): read into a RoadInput,
// or every line that is wrong with its reason. Either form, never both:
//
//   bp K X Y                      intersection points: the begin point,
//   jd X Y R Ls1 [Ls2]            each JD (Ls2 = Ls1 when left out),
//   ep X Y                        the end point;
//   start K X Y T                 elements: start station, point, azimuth (D.MMSS),
//   line L
//   arc L R left|right
//   spiral L R1 R2 left|right     R1, R2 a radius or inf;
//   equation BACK AHEAD           a station equation, in either form.
//
// Numbers follow the user's rules (number_rules.h); stations may be typed
// in metres or K form. Reading checks each field and the order of the
// lines; whether the road they make holds together is BuildRoad's, and
// LineOf finds the line a RoadProblem names.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"
#include "road_input.h"
#include "road_problem.h"

namespace capset {

// What a typed field holds, and the range it is read in (road_ranges.h).
enum class RoadCell {
  kStation,        // metres or K form, within ±1e8 m
  kCoordinate,     // X or Y, within ±1e8 m
  kRadius,         // 1 mm to 1e6 m
  kSpiralRadius,   // the same, or inf for a straight end
  kLength,         // an Ls: 0 (no spiral), or 1 mm to 1e6 m
  kElementLength,  // an element's length: 1 mm to 1e6 m, never 0
  kAzimuth,        // D.MMSS, minutes and seconds below 60, within ±360°
  kSide,           // left or right (左, 右; L, R)
};

// The one reader of a road's fields: the script's road lines and the road
// window's cells read each field by it, so a text gets one answer in both.
// The cell's value (a side as -1 left, +1 right; an azimuth in decimal
// degrees; inf as kNoRadius), or the reason in the user's words.
std::variant<double, std::string> ReadRoadCell(const std::string& text, RoadCell cell, const NumberSymbols& symbols);

struct RoadLineProblem {
  int line;  // from 1 within the lines given; 0 for the block as a whole (a missing bp, say)
  std::string reason;
};

// The road read, with the line of each part so a refusal of the whole
// road can point at the line to mend.
struct RoadLines {
  RoadInput input;
  int beginLine = 0;               // bp or start
  int endLine = 0;                 // ep (0 for an element road)
  std::vector<int> partLines;      // each jd, or each element, in order
  std::vector<int> equationLines;  // each equation, in order
};

std::variant<RoadLines, std::vector<RoadLineProblem>> ReadRoadLines(const std::vector<std::string>& lines,
                                                                    const NumberSymbols& symbols);

// The line (from 1) that holds the part a problem names; 0 when none does.
int LineOf(const RoadLines& read, const RoadProblem& problem);


}  // namespace capset
