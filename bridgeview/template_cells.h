#pragma once
// A template's items as the bridge page's table shows them: each item a
// row of its kind (point, grid, corners), its name, and its numbers as the
// script's line gives them after the name, with the user's separator. A
// table is read back as the template's lines are, by the same reader, so
// a row and a script line accept the same things.

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "number_rules.h"
#include "substructure.h"

namespace capset {

inline constexpr int kItemColumns = 3;
using ItemCells = std::array<std::string, kItemColumns>;  // kind, name, numbers

std::vector<ItemCells> TemplateItemCells(const SubstructureTemplate& tmpl, const std::string& sep);

// The template `name` of these rows; else the first refused row's reason,
// with its number (from 1).
struct ItemRowProblem {
  int row;
  std::string reason;
};
std::variant<SubstructureTemplate, ItemRowProblem> ReadTemplateRows(const std::string& name,
                                                                    const std::vector<ItemCells>& rows,
                                                                    const NumberSymbols& symbols,
                                                                    const TemplateLookup& templates);

}  // namespace capset
