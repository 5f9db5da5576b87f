#pragma once
// The ready templates: the common bents of highway bridges, for the user to
// use as they stand or to copy under a name of their own and edit. Their
// numbers are those of a deck of about 12 m (16 m for three columns) on
// columns and piles of 1.2 to 1.5 m; no depth is given, so every point takes
// its bent's.
//
//   two-columns     双柱式墩  C1, C2 at u = ∓3.25 (6.5 m apart); a pile under
//                   each, Z1, Z2, at the same places
//   three-columns   三柱式墩  C1, C2, C3 at u = −5, 0, 5; piles Z1…Z3 under them
//   pile-cap-2x3    承台墩    grid Z 2 × 3, 3 m apart both ways (2.5 times a
//                   pile of 1.2 m); the cap's corners T1…T4, 8.4 m along the
//                   axis by 5.4 m across (1.2 m from the outer piles' centres
//                   to its edges); one column C1 on the centre
//   abutment-start  桥台, at the bridge's start: the front line's ends F1, F2
//                   at u = ∓6; the wing walls' tail ends W1, W2, 4 m behind
//                   them towards smaller stations (v = −4)
//   abutment-end    the same at the bridge's end: W1, W2 at v = +4

#include <string>
#include <vector>

#include "substructure.h"

namespace capset {

struct ReadyTemplate {
  SubstructureTemplate tmpl;
  const char* description;  // bridge_texts' words
};

const std::vector<ReadyTemplate>& ReadyTemplates();
// Null when no ready template has this name.
const SubstructureTemplate* FindReadyTemplate(const std::string& name);

}  // namespace capset
