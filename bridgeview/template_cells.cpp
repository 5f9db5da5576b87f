#include "template_cells.h"

#include "blanks.h"
#include "bridge_lines.h"
#include "bridge_texts.h"
#include "number_text.h"

namespace capset {
namespace {

const char* KindWord(TemplateItem::Kind kind) {
  switch (kind) {
    case TemplateItem::Kind::kPoint: return "point";
    case TemplateItem::Kind::kGrid: return "grid";
    case TemplateItem::Kind::kCorners: return "corners";
  }
  return "point";
}

}  // namespace

std::vector<ItemCells> TemplateItemCells(const SubstructureTemplate& tmpl, const std::string& sep) {
  std::vector<ItemCells> rows;
  for (const TemplateItem& item : tmpl.items) {
    const auto n = [&sep](double v) { return NumberText(v, sep); };
    std::string numbers;
    switch (item.kind) {
      case TemplateItem::Kind::kPoint: numbers = n(item.u) + " " + n(item.v); break;
      case TemplateItem::Kind::kGrid:
        numbers = std::to_string(item.rows) + " " + std::to_string(item.cols) + " " + n(item.du) + " " + n(item.dv);
        // A grid's DEPTH follows its centre, which is then written even at the bent's.
        if (item.u != 0 || item.v != 0 || item.depth) numbers += " " + n(item.u) + " " + n(item.v);
        break;
      case TemplateItem::Kind::kCorners: numbers = n(item.length) + " " + n(item.width); break;
    }
    if (item.depth) numbers += " " + n(*item.depth);
    rows.push_back({KindWord(item.kind), item.name, numbers});
  }
  return rows;
}

std::variant<SubstructureTemplate, ItemRowProblem> ReadTemplateRows(const std::string& name,
                                                                    const std::vector<ItemCells>& rows,
                                                                    const NumberSymbols& symbols,
                                                                    const TemplateLookup& templates) {
  std::vector<std::string> lines;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const ItemCells& row = rows[r];
    // A kind or a name of several words would read as other fields.
    if (Words(row[0]).size() != 1 || Words(row[1]).size() != 1) {
      return ItemRowProblem{static_cast<int>(r) + 1, BridgeProblemText({BridgeFault::kShape, Words(row[0]).empty() ? "point" : Words(row[0]).front()})};
    }
    // A copy line has no place in a table: each item stands as itself.
    if (Words(row[0]).front() == "copy") return ItemRowProblem{static_cast<int>(r) + 1, BridgeProblemText({BridgeFault::kUnknownTemplateLine})};
    lines.push_back(row[0] + " " + row[1] + " " + row[2]);
  }
  const auto read = ReadTemplateLines(name, lines, symbols, templates);
  if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
    const BridgeLineProblem& p = problems->front();
    return ItemRowProblem{p.line, BridgeProblemText(p.problem)};
  }
  return std::get<SubstructureTemplate>(read);
}

}  // namespace capset
