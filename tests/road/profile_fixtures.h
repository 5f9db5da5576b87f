#pragma once
// Profiles the profile tests share: each the case of the same name in
// tests/golden/profile_golden.py, whose printed values the tests keep.

#include <vector>

#include "profile.h"

namespace capset::testing {

using VK = VerticalCurveKind;

// The textbook crest: K5+030.00 at 427.68 m, +5 %, −4 %, R 2000.
inline std::vector<PviRow> CrestR2000() { return {{4800, 416.18}, {5030, 427.68, VK::kRadius, 2000}, {5300, 416.88}}; }
// −2 % to +3 %, R 3000.
inline std::vector<PviRow> SagR3000() { return {{0, 100}, {300, 94, VK::kRadius, 3000}, {700, 106}}; }
// +2 % to +1 %, L 240: its high point lies past EVC.
inline std::vector<PviRow> Length240() { return {{1000, 50}, {1400, 58, VK::kLength, 0, 240}, {1800, 62}}; }
// +3 % to −3 %, L1 120, L2 200.
inline std::vector<PviRow> Asymmetric() {
  return {{0, 200}, {500, 215, VK::kAsymmetric, 0, 120, 200}, {1000, 200}};
}
// A crest circle, +3 % to −2 %, R 5000.
inline std::vector<PviRow> CircleCrest(double statedLength = 0) {
  return {{0, 100}, {400, 112, VK::kCircle, 5000, statedLength}, {800, 104}};
}
// A sag circle, −4 % to +1.5 %, R 2500.
inline std::vector<PviRow> CircleSag() { return {{0, 300}, {500, 280, VK::kCircle, 2500}, {900, 286}}; }
// Two curves that touch at 300: +2 %, −2 %, +2 %, both R 5000 (T 100).
inline std::vector<PviRow> Touching() {
  return {{0, 0}, {200, 4, VK::kRadius, 5000}, {400, 0, VK::kRadius, 5000}, {600, 4}};
}

inline Profile Built(const std::vector<PviRow>& rows) { return *Profile::Build(rows).profile; }

}  // namespace capset::testing
