#include "ready_templates.h"

#include "bridge_texts.h"

namespace capset {
namespace {

using Kind = TemplateItem::Kind;

TemplateItem Point(const char* name, double u, double v) { return {Kind::kPoint, name, u, v}; }

std::vector<ReadyTemplate> Make() {
  TemplateItem piles{Kind::kGrid, "Z", 0, 0, 2, 3, 3.0, 3.0};
  TemplateItem cap{Kind::kCorners, "T"};
  cap.length = 8.4;
  cap.width = 5.4;
  return {
      {{"two-columns", {Point("C1", -3.25, 0), Point("C2", 3.25, 0), Point("Z1", -3.25, 0), Point("Z2", 3.25, 0)}},
       kReadyTwoColumns},
      {{"three-columns",
        {Point("C1", -5, 0), Point("C2", 0, 0), Point("C3", 5, 0), Point("Z1", -5, 0), Point("Z2", 0, 0),
         Point("Z3", 5, 0)}},
       kReadyThreeColumns},
      {{"pile-cap-2x3", {piles, cap, Point("C1", 0, 0)}}, kReadyPileCap},
      {{"abutment-start", {Point("F1", -6, 0), Point("F2", 6, 0), Point("W1", -6, -4), Point("W2", 6, -4)}},
       kReadyAbutmentStart},
      {{"abutment-end", {Point("F1", -6, 0), Point("F2", 6, 0), Point("W1", -6, 4), Point("W2", 6, 4)}},
       kReadyAbutmentEnd},
  };
}

}  // namespace

const std::vector<ReadyTemplate>& ReadyTemplates() {
  static const std::vector<ReadyTemplate> ready = Make();
  return ready;
}

const SubstructureTemplate* FindReadyTemplate(const std::string& name) {
  for (const ReadyTemplate& r : ReadyTemplates()) {
    if (r.tmpl.name == name) return &r.tmpl;
  }
  return nullptr;
}

}  // namespace capset
