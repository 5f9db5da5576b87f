#include "input_lines.h"

#include <cmath>

#include "angle_text.h"
#include "bent_cells.h"
#include "number_chars.h"
#include "template_cells.h"

namespace capset {
namespace {

std::string N(double value) { return std::isinf(value) ? "inf" : ShortestText(value); }

std::string Side(TurnSide side) { return side == TurnSide::kLeft ? "left" : "right"; }

void AddEquations(const std::vector<StationEquation>& equations, std::vector<std::string>& lines) {
  for (const StationEquation& e : equations) lines.push_back("equation " + N(e.back) + " " + N(e.ahead));
}

// A station with its place in a 长链 when it has one: 1390(2).
std::string S(StationRef station) {
  return N(station.value) + (station.occurrence > 0 ? "(" + std::to_string(station.occurrence) + ")" : "");
}

const char* AxisWord(SuperAxis axis) {
  switch (axis) {
    case SuperAxis::kCentre: return "centre";
    case SuperAxis::kInnerEdge: return "inner";
    case SuperAxis::kOuterEdge: return "outer";
  }
  return "centre";
}

}  // namespace

std::vector<std::string> ProfileInputLines(const ProfileInput& input) {
  std::vector<std::string> lines;
  for (const PviInput& row : input.rows) {
    std::string line = "pvi " + S(row.station) + " " + N(row.elevation);
    switch (row.curve) {
      case VerticalCurveKind::kNone: break;
      case VerticalCurveKind::kRadius: line += " " + N(row.radius); break;
      case VerticalCurveKind::kLength: line += " length " + N(row.length); break;
      case VerticalCurveKind::kAsymmetric: line += " lengths " + N(row.length) + " " + N(row.length2); break;
      case VerticalCurveKind::kCircle: line += " circle " + N(row.radius); break;
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> SectionInputLines(const CrossSectionInput& input) {
  std::vector<std::string> lines{"crown " + N(input.crown)};
  if (input.leftWidth != 0 || input.rightWidth != 0) lines.push_back("width " + N(input.leftWidth) + " " + N(input.rightWidth));
  if (input.design != 0) lines.push_back("design " + N(input.design));
  for (const SuperInput& t : input.transitions) {
    if (t.jd > 0) {
      lines.push_back("super JD" + std::to_string(t.jd) + " " + N(t.e) + " " + AxisWord(t.axis));
    } else {
      lines.push_back("super " + S(t.ts) + " " + S(t.fs) + " " + S(t.fe) + " " + S(t.te) + " " + N(t.e) + " " +
                      (t.inner == SectionSide::kLeft ? "left" : "right") + " " + AxisWord(t.axis));
    }
  }
  for (const SlopeInput& row : input.slopes) {
    lines.push_back("slopes " + S(row.station) + " " + N(row.left) + " " + N(row.right));
  }
  return lines;
}

std::vector<std::string> RoadInputLines(const RoadInput& input) {
  std::vector<std::string> lines;
  if (const auto* jd = std::get_if<IntersectionRoadInput>(&input)) {
    lines.push_back("bp " + N(jd->station) + " " + N(jd->bp.X) + " " + N(jd->bp.Y));
    for (const IntersectionPoint& p : jd->jds) {
      std::string line = "jd " + N(p.point.X) + " " + N(p.point.Y) + " " + N(p.R) + " " + N(p.Ls1);
      if (p.Ls2 != p.Ls1) line += " " + N(p.Ls2);
      lines.push_back(std::move(line));
    }
    lines.push_back("ep " + N(jd->ep.X) + " " + N(jd->ep.Y));
    AddEquations(jd->equations, lines);
    return lines;
  }
  const auto& road = std::get<ElementRoadInput>(input);
  lines.push_back("start " + N(road.station) + " " + N(road.start.X) + " " + N(road.start.Y) + " " +
                  PackedAngleText(road.azimuth, "."));
  for (const ElementInput& e : road.elements) {
    switch (e.kind) {
      case ElementKind::kLine: lines.push_back("line " + N(e.length)); break;
      case ElementKind::kArc: lines.push_back("arc " + N(e.length) + " " + N(e.R1) + " " + Side(e.turn)); break;
      case ElementKind::kSpiral:
        lines.push_back("spiral " + N(e.length) + " " + N(e.R1) + " " + N(e.R2) + " " + Side(e.turn));
        break;
    }
  }
  AddEquations(road.equations, lines);
  return lines;
}

std::vector<std::string> TemplateLines(const SubstructureTemplate& tmpl) {
  std::vector<std::string> lines;
  for (const ItemCells& cells : TemplateItemCells(tmpl, ".")) lines.push_back(cells[0] + " " + cells[1] + " " + cells[2]);
  return lines;
}

std::vector<std::string> BridgeLines(const Bridge& bridge) {
  std::vector<std::string> lines;
  for (const Bent& bent : bridge.bents) {
    const std::vector<std::string> cells = BentCellTexts(bent, ".");
    std::string line = "bent " + bent.name + " " + cells[static_cast<int>(BentColumn::kStation)];
    if (bent.B != 90) line += " skew " + cells[static_cast<int>(BentColumn::kSkew)];
    if (bent.axis == CapAxisMode::kParallel) line += " axis parallel " + cells[static_cast<int>(BentColumn::kDesign)];
    if (bent.left) {
      line += " dr " + cells[static_cast<int>(BentColumn::kLeft)];
      if (bent.right && *bent.right != *bent.left) line += " " + cells[static_cast<int>(BentColumn::kRight)];
    }
    if (bent.depth != 0) line += " depth " + cells[static_cast<int>(BentColumn::kDepth)];
    if (!bent.templateName.empty()) line += " template " + bent.templateName;
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace capset
