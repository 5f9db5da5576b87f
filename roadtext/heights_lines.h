#pragma once
// The profile and the cross-section typed as lines, one row a line, read
// into their inputs, or every line that is wrong with its reason:
//
//   pvi K H [R]                 a 变坡点: station, elevation, radius (0 or none: a grade break)
//   pvi K H length L            a parabola by its length
//   pvi K H lengths L1 L2       an asymmetric parabola
//   pvi K H circle R            a circular curve
//
//   crown IG                    the normal crown, percent
//   width LEFT RIGHT            the road bed's half-widths, metres
//   design OFFSET               the design line's offset
//   super TS FS FE TE E left|right [centre|inner|outer]
//   super JDn E [centre|inner|outer]
//   slopes K LEFT RIGHT         a row of the table of cross slopes, percent
//
// Numbers follow the user's rules, stations may be typed in metres or K
// form, with the place in a 长链 ("K1+390(2)"). Reading checks that each
// field is a number or a word it may be; whether the rows hold together
// (ranges, order, curves that overlap) is the profile's and the section's,
// and LineOf finds the line a problem names.

#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"
#include "road_heights.h"
#include "road_lines.h"

namespace capset {

struct ProfileLines {
  ProfileInput input;
  std::vector<int> rowLines;  // the line (from 1) of each row
};

struct SectionLines {
  CrossSectionInput input;
  int crownLine = 0, widthLine = 0, designLine = 0;
  std::vector<int> transitionLines, slopeLines;
};

std::variant<ProfileLines, std::vector<RoadLineProblem>> ReadProfileLines(const std::vector<std::string>& lines,
                                                                          const NumberSymbols& symbols);
std::variant<SectionLines, std::vector<RoadLineProblem>> ReadSectionLines(const std::vector<std::string>& lines,
                                                                          const NumberSymbols& symbols);

// The line (from 1) that holds what a problem names; 0 when none does.
int LineOf(const ProfileLines& read, const HeightsProblem& problem);
int LineOf(const SectionLines& read, const HeightsProblem& problem);

}  // namespace capset
