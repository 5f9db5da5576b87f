// Made by tests/golden/section_golden.py (exact rationals); do not edit by hand.
#pragma once

namespace capset::testing {

constexpr double kGoldenOffsets[] = {-7.0, -4.5, -2.0, 0.0, 3.0, 6.0, 8.0};

struct GoldenSection {
  const char* name;
  SuperAxis axis;
  SectionSide inner;
  double distance;
  double elevations[7];  // at kGoldenOffsets
  double left, right;
};

inline const GoldenSection kGoldenTransitions[] = {
    {"centre_inner_right_TS_4900", SuperAxis::kCentre, SectionSide::kRight, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"centre_inner_right_rising_4910", SuperAxis::kCentre, SectionSide::kRight, 4910, {421.72333333333336, 421.74, 421.75666666666666, 421.77, 421.71, 421.65, 421.61}, -0.6666666666666666, -2.0},
    {"centre_inner_right_rising_4920", SuperAxis::kCentre, SectionSide::kRight, 4920, {422.31666666666666, 422.3, 422.28333333333336, 422.27, 422.21, 422.15, 422.11}, 0.6666666666666666, -2.0},
    {"centre_inner_right_rising_4935", SuperAxis::kCentre, SectionSide::kRight, 4935, {423.20666666666665, 423.14, 423.0733333333333, 423.02, 422.94, 422.86, 422.8066666666667}, 2.6666666666666665, -2.6666666666666665},
    {"centre_inner_right_FS_4960", SuperAxis::kCentre, SectionSide::kRight, 4960, {424.59, 424.44, 424.29, 424.17, 423.99, 423.81, 423.69}, 6.0, -6.0},
    {"centre_inner_right_full_5010", SuperAxis::kCentre, SectionSide::kRight, 5010, {425.965, 425.815, 425.665, 425.545, 425.365, 425.185, 425.065}, 6.0, -6.0},
    {"centre_inner_right_FE_5060", SuperAxis::kCentre, SectionSide::kRight, 5060, {426.09, 425.94, 425.79, 425.67, 425.49, 425.31, 425.19}, 6.0, -6.0},
    {"centre_inner_right_falling_5075", SuperAxis::kCentre, SectionSide::kRight, 5075, {425.74375, 425.64375, 425.54375, 425.46375, 425.34375, 425.22375, 425.14375}, 4.0, -4.0},
    {"centre_inner_right_falling_5100", SuperAxis::kCentre, SectionSide::kRight, 5100, {424.9166666666667, 424.9, 424.8833333333333, 424.87, 424.81, 424.75, 424.71}, 0.6666666666666666, -2.0},
    {"centre_inner_right_TE_5120", SuperAxis::kCentre, SectionSide::kRight, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
    {"centre_inner_left_TS_4900", SuperAxis::kCentre, SectionSide::kLeft, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"centre_inner_left_rising_4910", SuperAxis::kCentre, SectionSide::kLeft, 4910, {421.63, 421.68, 421.73, 421.77, 421.75, 421.73, 421.71666666666664}, -2.0, -0.6666666666666666},
    {"centre_inner_left_rising_4920", SuperAxis::kCentre, SectionSide::kLeft, 4920, {422.13, 422.18, 422.23, 422.27, 422.29, 422.31, 422.3233333333333}, -2.0, 0.6666666666666666},
    {"centre_inner_left_rising_4935", SuperAxis::kCentre, SectionSide::kLeft, 4935, {422.8333333333333, 422.9, 422.96666666666664, 423.02, 423.1, 423.18, 423.23333333333335}, -2.6666666666666665, 2.6666666666666665},
    {"centre_inner_left_FS_4960", SuperAxis::kCentre, SectionSide::kLeft, 4960, {423.75, 423.9, 424.05, 424.17, 424.35, 424.53, 424.65}, -6.0, 6.0},
    {"centre_inner_left_full_5010", SuperAxis::kCentre, SectionSide::kLeft, 5010, {425.125, 425.275, 425.425, 425.545, 425.725, 425.905, 426.025}, -6.0, 6.0},
    {"centre_inner_left_FE_5060", SuperAxis::kCentre, SectionSide::kLeft, 5060, {425.25, 425.4, 425.55, 425.67, 425.85, 426.03, 426.15}, -6.0, 6.0},
    {"centre_inner_left_falling_5075", SuperAxis::kCentre, SectionSide::kLeft, 5075, {425.18375, 425.28375, 425.38375, 425.46375, 425.58375, 425.70375, 425.78375}, -4.0, 4.0},
    {"centre_inner_left_falling_5100", SuperAxis::kCentre, SectionSide::kLeft, 5100, {424.73, 424.78, 424.83, 424.87, 424.89, 424.91, 424.92333333333335}, -2.0, 0.6666666666666666},
    {"centre_inner_left_TE_5120", SuperAxis::kCentre, SectionSide::kLeft, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
    {"inner_inner_right_TS_4900", SuperAxis::kInnerEdge, SectionSide::kRight, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"inner_inner_right_rising_4910", SuperAxis::kInnerEdge, SectionSide::kRight, 4910, {421.78555555555556, 421.78, 421.77444444444444, 421.77, 421.71, 421.65, 421.61}, 0.2222222222222222, -2.0},
    {"inner_inner_right_rising_4920", SuperAxis::kInnerEdge, SectionSide::kRight, 4920, {422.4347619047619, 422.38, 422.3252380952381, 422.2814285714286, 422.2157142857143, 422.15, 422.1061904761905}, 2.1904761904761907, -2.1904761904761907},
    {"inner_inner_right_rising_4935", SuperAxis::kInnerEdge, SectionSide::kRight, 4935, {423.3704761904762, 423.28, 423.1895238095238, 423.1171428571429, 423.00857142857143, 422.9, 422.82761904761907}, 3.619047619047619, -3.619047619047619},
    {"inner_inner_right_FS_4960", SuperAxis::kInnerEdge, SectionSide::kRight, 4960, {424.83, 424.68, 424.53, 424.41, 424.23, 424.05, 423.93}, 6.0, -6.0},
    {"inner_inner_right_full_5010", SuperAxis::kInnerEdge, SectionSide::kRight, 5010, {426.205, 426.055, 425.905, 425.785, 425.605, 425.425, 425.305}, 6.0, -6.0},
    {"inner_inner_right_FE_5060", SuperAxis::kInnerEdge, SectionSide::kRight, 5060, {426.33, 426.18, 426.03, 425.91, 425.73, 425.55, 425.43}, 6.0, -6.0},
    {"inner_inner_right_falling_5075", SuperAxis::kInnerEdge, SectionSide::kRight, 5075, {425.9380357142857, 425.82375, 425.70946428571426, 425.6180357142857, 425.48089285714286, 425.34375, 425.2523214285714}, 4.571428571428571, -4.571428571428571},
    {"inner_inner_right_falling_5100", SuperAxis::kInnerEdge, SectionSide::kRight, 5100, {425.0347619047619, 424.98, 424.9252380952381, 424.88142857142856, 424.8157142857143, 424.75, 424.7061904761905}, 2.1904761904761907, -2.1904761904761907},
    {"inner_inner_right_TE_5120", SuperAxis::kInnerEdge, SectionSide::kRight, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
    {"inner_inner_left_TS_4900", SuperAxis::kInnerEdge, SectionSide::kLeft, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"inner_inner_left_rising_4910", SuperAxis::kInnerEdge, SectionSide::kLeft, 4910, {421.63, 421.68, 421.73, 421.77, 421.765, 421.76, 421.75666666666666}, -2.0, -0.16666666666666666},
    {"inner_inner_left_rising_4920", SuperAxis::kInnerEdge, SectionSide::kLeft, 4920, {422.13, 422.18, 422.23, 422.27, 422.32, 422.37, 422.4033333333333}, -2.0, 1.6666666666666667},
    {"inner_inner_left_rising_4935", SuperAxis::kInnerEdge, SectionSide::kLeft, 4935, {422.8454761904762, 422.93, 423.01452380952384, 423.08214285714286, 423.18357142857144, 423.285, 423.35261904761904}, -3.380952380952381, 3.380952380952381},
    {"inner_inner_left_FS_4960", SuperAxis::kInnerEdge, SectionSide::kLeft, 4960, {423.93, 424.08, 424.23, 424.35, 424.53, 424.71, 424.83}, -6.0, 6.0},
    {"inner_inner_left_full_5010", SuperAxis::kInnerEdge, SectionSide::kLeft, 5010, {425.305, 425.455, 425.605, 425.725, 425.905, 426.085, 426.205}, -6.0, 6.0},
    {"inner_inner_left_FE_5060", SuperAxis::kInnerEdge, SectionSide::kLeft, 5060, {425.43, 425.58, 425.73, 425.85, 426.03, 426.21, 426.33}, -6.0, 6.0},
    {"inner_inner_left_falling_5075", SuperAxis::kInnerEdge, SectionSide::kLeft, 5075, {425.2630357142857, 425.37375, 425.4844642857143, 425.5730357142857, 425.7058928571429, 425.83875, 425.9273214285714}, -4.428571428571429, 4.428571428571429},
    {"inner_inner_left_falling_5100", SuperAxis::kInnerEdge, SectionSide::kLeft, 5100, {424.73, 424.78, 424.83, 424.87, 424.92, 424.97, 425.00333333333333}, -2.0, 1.6666666666666667},
    {"inner_inner_left_TE_5120", SuperAxis::kInnerEdge, SectionSide::kLeft, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
    {"outer_inner_right_TS_4900", SuperAxis::kOuterEdge, SectionSide::kRight, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"outer_inner_right_rising_4910", SuperAxis::kOuterEdge, SectionSide::kRight, 4910, {421.68555555555554, 421.68, 421.6744444444444, 421.67, 421.61, 421.55, 421.51}, 0.2222222222222222, -2.0},
    {"outer_inner_right_rising_4920", SuperAxis::kOuterEdge, SectionSide::kRight, 4920, {422.2347619047619, 422.18, 422.1252380952381, 422.08142857142855, 422.0157142857143, 421.95, 421.9061904761905}, 2.1904761904761907, -2.1904761904761907},
    {"outer_inner_right_rising_4935", SuperAxis::kOuterEdge, SectionSide::kRight, 4935, {423.0204761904762, 422.93, 422.8395238095238, 422.76714285714286, 422.6585714285714, 422.55, 422.47761904761904}, 3.619047619047619, -3.619047619047619},
    {"outer_inner_right_FS_4960", SuperAxis::kOuterEdge, SectionSide::kRight, 4960, {424.23, 424.08, 423.93, 423.81, 423.63, 423.45, 423.33}, 6.0, -6.0},
    {"outer_inner_right_full_5010", SuperAxis::kOuterEdge, SectionSide::kRight, 5010, {425.605, 425.455, 425.305, 425.185, 425.005, 424.825, 424.705}, 6.0, -6.0},
    {"outer_inner_right_FE_5060", SuperAxis::kOuterEdge, SectionSide::kRight, 5060, {425.73, 425.58, 425.43, 425.31, 425.13, 424.95, 424.83}, 6.0, -6.0},
    {"outer_inner_right_falling_5075", SuperAxis::kOuterEdge, SectionSide::kRight, 5075, {425.48803571428573, 425.37375, 425.2594642857143, 425.16803571428574, 425.0308928571429, 424.89375, 424.8023214285714}, 4.571428571428571, -4.571428571428571},
    {"outer_inner_right_falling_5100", SuperAxis::kOuterEdge, SectionSide::kRight, 5100, {424.8347619047619, 424.78, 424.72523809523807, 424.68142857142857, 424.61571428571426, 424.55, 424.50619047619045}, 2.1904761904761907, -2.1904761904761907},
    {"outer_inner_right_TE_5120", SuperAxis::kOuterEdge, SectionSide::kRight, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
    {"outer_inner_left_TS_4900", SuperAxis::kOuterEdge, SectionSide::kLeft, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"outer_inner_left_rising_4910", SuperAxis::kOuterEdge, SectionSide::kLeft, 4910, {421.52, 421.57, 421.62, 421.66, 421.655, 421.65, 421.64666666666665}, -2.0, -0.16666666666666666},
    {"outer_inner_left_rising_4920", SuperAxis::kOuterEdge, SectionSide::kLeft, 4920, {421.91, 421.96, 422.01, 422.05, 422.1, 422.15, 422.18333333333334}, -2.0, 1.6666666666666667},
    {"outer_inner_left_rising_4935", SuperAxis::kOuterEdge, SectionSide::kLeft, 4935, {422.4604761904762, 422.545, 422.6295238095238, 422.69714285714286, 422.79857142857145, 422.9, 422.96761904761905}, -3.380952380952381, 3.380952380952381},
    {"outer_inner_left_FS_4960", SuperAxis::kOuterEdge, SectionSide::kLeft, 4960, {423.27, 423.42, 423.57, 423.69, 423.87, 424.05, 424.17}, -6.0, 6.0},
    {"outer_inner_left_full_5010", SuperAxis::kOuterEdge, SectionSide::kLeft, 5010, {424.645, 424.795, 424.945, 425.065, 425.245, 425.425, 425.545}, -6.0, 6.0},
    {"outer_inner_left_FE_5060", SuperAxis::kOuterEdge, SectionSide::kLeft, 5060, {424.77, 424.92, 425.07, 425.19, 425.37, 425.55, 425.67}, -6.0, 6.0},
    {"outer_inner_left_falling_5075", SuperAxis::kOuterEdge, SectionSide::kLeft, 5075, {424.7680357142857, 424.87875, 424.9894642857143, 425.0780357142857, 425.2108928571429, 425.34375, 425.4323214285714}, -4.428571428571429, 4.428571428571429},
    {"outer_inner_left_falling_5100", SuperAxis::kOuterEdge, SectionSide::kLeft, 5100, {424.51, 424.56, 424.61, 424.65, 424.7, 424.75, 424.78333333333336}, -2.0, 1.6666666666666667},
    {"outer_inner_left_TE_5120", SuperAxis::kOuterEdge, SectionSide::kLeft, 5120, {424.03, 424.08, 424.13, 424.17, 424.11, 424.05, 424.01}, -2.0, -2.0},
};

inline const GoldenSection kGoldenSlopes[] = {
    {"slopes_before_4880", SuperAxis::kCentre, SectionSide::kRight, 4880, {420.13, 420.18, 420.23, 420.27, 420.21, 420.15, 420.11}, -2.0, -2.0},
    {"slopes_first_row_4900", SuperAxis::kCentre, SectionSide::kRight, 4900, {421.13, 421.18, 421.23, 421.27, 421.21, 421.15, 421.11}, -2.0, -2.0},
    {"slopes_between_4925", SuperAxis::kCentre, SectionSide::kRight, 4925, {422.485, 422.4975, 422.51, 422.52, 422.445, 422.37, 422.32}, -0.5, -2.5},
    {"slopes_row_4950", SuperAxis::kCentre, SectionSide::kRight, 4950, {423.815, 423.79, 423.765, 423.745, 423.655, 423.565, 423.505}, 1.0, -3.0},
    {"slopes_between_4990", SuperAxis::kCentre, SectionSide::kRight, 4990, {425.383, 425.298, 425.213, 425.145, 425.019, 424.893, 424.809}, 3.4, -4.2},
    {"slopes_row_5000", SuperAxis::kCentre, SectionSide::kRight, 5000, {425.65, 425.55, 425.45, 425.37, 425.235, 425.1, 425.01}, 4.0, -4.5},
    {"slopes_between_5060", SuperAxis::kCentre, SectionSide::kRight, 5060, {425.698, 425.688, 425.678, 425.67, 425.58, 425.49, 425.43}, 0.4, -3.0},
    {"slopes_last_row_5100", SuperAxis::kCentre, SectionSide::kRight, 5100, {424.73, 424.78, 424.83, 424.87, 424.81, 424.75, 424.71}, -2.0, -2.0},
    {"slopes_after_5150", SuperAxis::kCentre, SectionSide::kRight, 5150, {422.83, 422.88, 422.93, 422.97, 422.91, 422.85, 422.81}, -2.0, -2.0},
};

}  // namespace capset::testing
