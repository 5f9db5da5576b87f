#pragma once
// A substructure template (下部结构模板): named points in the frame of a
// bent's cap, the same for every bent that uses it.
//
// The frame
//   u   along the cap axis from the bent's centre, + towards the right-hand
//       road-bed edge (the axis's own direction, as the exact cap has it)
//   v   square to the axis, + towards increasing stations
//   depth   below the deck surface at the point's own foot, metres; a point
//       without one takes its bent's depth
//
// The items and the names they give
//   point NAME U V [DEPTH]          one point, NAME
//   grid NAME ROWS COLS DU DV [U0 V0] [DEPTH]
//       ROWS rows parallel to the axis, DV apart; in each, COLS points DU
//       apart along it; the grid centred on (U0, V0), the bent's centre by
//       default. Named NAME1, NAME2, … row by row: first the row on the side
//       of the smallest stations (least v), and in each row from its
//       left-hand end (least u). Point k (from 1) is in row (k−1) / COLS,
//       column (k−1) % COLS, both from 0.
//   corners NAME LENGTH WIDTH [DEPTH]
//       the four corners of a rectangle LENGTH along the axis and WIDTH
//       across it, centred on the bent, named round it: NAME1 left-hand
//       on the side of smaller stations (−L/2, −W/2), NAME2 right-hand on
//       that side (+L/2, −W/2), NAME3 right-hand on the side of larger
//       stations (+L/2, +W/2), NAME4 left-hand there (−L/2, +W/2)

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bridge_problem.h"

namespace capset {

struct TemplateItem {
  enum class Kind { kPoint, kGrid, kCorners };
  Kind kind = Kind::kPoint;
  std::string name;
  double u = 0, v = 0;           // a point's place; a grid's centre
  int rows = 1, cols = 1;        // a grid's
  double du = 0, dv = 0;         // a grid's spacings along and across the axis
  double length = 0, width = 0;  // a rectangle's, for its corners
  std::optional<double> depth = std::nullopt;
  int line = 0;  // the line it was typed on, from 1 (0: not typed)
  bool operator==(const TemplateItem&) const = default;
};

struct SubstructureTemplate {
  std::string name;
  std::vector<TemplateItem> items;
  bool operator==(const SubstructureTemplate&) const = default;
};

// One point of a template in the cap's frame.
struct TemplatePoint {
  std::string name;
  double u, v;
  std::optional<double> depth;
  int line;  // of the item that gives it
  std::string item;  // the name of that item: "Z" for grid Z's piles, "S1" for point S1
};

// Every point of the template, item by item in their order, each item's
// points in the order its names count.
std::vector<TemplatePoint> ExpandTemplate(const SubstructureTemplate& tmpl);

// How many points the items give, without making them.
long long PointCount(const SubstructureTemplate& tmpl);

// The names a template's points must have apart from one another and from
// the bent's own (C, L, R), and their number: the problems, by line.
std::vector<BridgeLineProblem> CheckTemplatePoints(const SubstructureTemplate& tmpl);

// A name of a bent or of a template's item: ASCII letters, digits, "_" and
// ".", so that "<bent>-<point>" is one word a total station takes, and the
// one "-" in it always parts the bent from the point. Nothing when it is one.
std::optional<BridgeFault> PointNameFault(const std::string& name);
// C, L and R: the centre and the edges every bent gives of its own.
bool IsBentOwnName(const std::string& name);

// The template of a name, from wherever the caller keeps them; null when none.
using TemplateLookup = std::function<const SubstructureTemplate*(const std::string& name)>;

}  // namespace capset
