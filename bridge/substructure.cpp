#include "substructure.h"

#include <unordered_map>

namespace capset {
namespace {

// The points of one item, each from its own centre; k counts from 0.
void AddPoints(const TemplateItem& item, std::vector<TemplatePoint>& points) {
  switch (item.kind) {
    case TemplateItem::Kind::kPoint: points.push_back({item.name, item.u, item.v, item.depth, item.line, item.name}); return;
    case TemplateItem::Kind::kGrid: {
      // Offsets from the centre by whole multiples of half a spacing, so a
      // symmetric grid is symmetric to the last bit.
      for (int r = 0; r < item.rows; ++r) {
        const double v = item.v + (2 * r - (item.rows - 1)) * item.dv / 2;
        for (int c = 0; c < item.cols; ++c) {
          const double u = item.u + (2 * c - (item.cols - 1)) * item.du / 2;
          points.push_back(
              {item.name + std::to_string(r * item.cols + c + 1), u, v, item.depth, item.line, item.name});
        }
      }
      return;
    }
    case TemplateItem::Kind::kCorners: {
      const double l = item.length / 2, w = item.width / 2;
      const double corners[4][2] = {{-l, -w}, {l, -w}, {l, w}, {-l, w}};
      for (int k = 0; k < 4; ++k) {
        points.push_back(
            {item.name + std::to_string(k + 1), corners[k][0], corners[k][1], item.depth, item.line, item.name});
      }
      return;
    }
  }
}

long long ItemCount(const TemplateItem& item) {
  switch (item.kind) {
    case TemplateItem::Kind::kPoint: return 1;
    case TemplateItem::Kind::kGrid: return static_cast<long long>(item.rows) * item.cols;
    case TemplateItem::Kind::kCorners: return 4;
  }
  return 0;
}

}  // namespace

std::vector<TemplatePoint> ExpandTemplate(const SubstructureTemplate& tmpl) {
  std::vector<TemplatePoint> points;
  points.reserve(static_cast<std::size_t>(PointCount(tmpl)));
  for (const TemplateItem& item : tmpl.items) AddPoints(item, points);
  return points;
}

long long PointCount(const SubstructureTemplate& tmpl) {
  long long count = 0;
  for (const TemplateItem& item : tmpl.items) count += ItemCount(item);
  return count;
}

std::vector<BridgeLineProblem> CheckTemplatePoints(const SubstructureTemplate& tmpl) {
  if (tmpl.items.empty()) return {{0, "", {BridgeFault::kEmptyTemplate}}};
  std::vector<BridgeLineProblem> problems;
  for (const TemplateItem& item : tmpl.items) {
    if (const std::optional<BridgeFault> fault = PointNameFault(item.name)) {
      problems.push_back({item.line, "", {*fault, "", item.name}});
    } else if (item.kind == TemplateItem::Kind::kPoint && IsBentOwnName(item.name)) {
      problems.push_back({item.line, "", {BridgeFault::kNameReserved, "", item.name}});
    }
  }
  if (!problems.empty()) return problems;
  if (PointCount(tmpl) > kMostTemplatePoints) return {{0, "", {BridgeFault::kTooManyPoints}}};
  // Each name and the line of the item that gave it first; one problem a
  // line is enough to find the clash.
  std::unordered_map<std::string, int> first;
  int reported = -1;
  for (const TemplatePoint& p : ExpandTemplate(tmpl)) {
    const auto [at, fresh] = first.emplace(p.name, p.line);
    if (fresh || p.line == reported) continue;
    problems.push_back({p.line, "", {BridgeFault::kPointNameTwice, "", p.name, at->second}});
    reported = p.line;
  }
  return problems;
}

std::optional<BridgeFault> PointNameFault(const std::string& name) {
  if (name.size() > kMostNameBytes) return BridgeFault::kNameTooLong;
  if (name.empty()) return BridgeFault::kNameNotAscii;
  for (char c : name) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
    if (!ok) return BridgeFault::kNameNotAscii;
  }
  return std::nullopt;
}

bool IsBentOwnName(const std::string& name) { return name == "C" || name == "L" || name == "R"; }

}  // namespace capset
