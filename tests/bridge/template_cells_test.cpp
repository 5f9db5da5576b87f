// A template's items as table rows: shown rows read back as the very
// template, whatever the separator; a bad row refused by its number, with
// the reason the script gives the same line.
#include <gtest/gtest.h>

#include "bridge_fixtures.h"
#include "bridge_lines.h"
#include "bridge_texts.h"
#include "ready_templates.h"
#include "template_cells.h"

namespace capset::testing {
namespace {

const TemplateLookup kReady = [](const std::string& n) { return FindReadyTemplate(n); };

std::vector<TemplateItem> WithoutLines(std::vector<TemplateItem> items) {
  for (TemplateItem& i : items) i.line = 0;
  return items;
}

TEST(TemplateCells, ShownRowsReadBackAsTheSameTemplate) {
  SubstructureTemplate deep = PileGroup();
  deep.name = "deep";
  deep.items[0].depth = 12.5;  // a grid's depth: its centre written before it
  deep.items.push_back(Grid("G", 1, 3, 2, 0));
  deep.items.back().depth = -0.5;
  std::vector<SubstructureTemplate> all{PileGroup(), deep};
  for (const ReadyTemplate& r : ReadyTemplates()) all.push_back(r.tmpl);
  for (const char* sep : {".", ","}) {
    NumberSymbols symbols;
    symbols.decimal = sep;
    for (const SubstructureTemplate& t : all) {
      const auto read = ReadTemplateRows(t.name, TemplateItemCells(t, sep), symbols, kReady);
      ASSERT_TRUE(std::holds_alternative<SubstructureTemplate>(read)) << t.name << ": " << std::get<ItemRowProblem>(read).reason;
      EXPECT_EQ(WithoutLines(std::get<SubstructureTemplate>(read).items), WithoutLines(t.items)) << t.name << sep;
    }
  }
}

struct ItemRow {
  const char* name;
  std::vector<ItemCells> rows;
  int badRow;
  const char* scriptLine;  // the same line in a script; its reason is the row's
};

class ItemRefusal : public ::testing::TestWithParam<ItemRow> {};

TEST_P(ItemRefusal, NamesTheRowWithTheScriptsReason) {
  const ItemRow& row = GetParam();
  const auto read = ReadTemplateRows("mine", row.rows, NumberSymbols{}, kReady);
  const auto* problem = std::get_if<ItemRowProblem>(&read);
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->row, row.badRow);
  if (row.scriptLine != nullptr) {
    std::vector<std::string> lines;
    for (const ItemCells& c : row.rows) lines.push_back(c[0] + " " + c[1] + " " + c[2]);
    const auto script = ReadTemplateLines("mine", lines, NumberSymbols{}, kReady);
    ASSERT_TRUE(std::holds_alternative<std::vector<BridgeLineProblem>>(script));
    EXPECT_EQ(problem->reason, BridgeProblemText(std::get<std::vector<BridgeLineProblem>>(script).front().problem));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ItemRefusal,
    ::testing::Values(ItemRow{"NotANumber", {{"point", "A", "0 0"}, {"point", "B", "1,5x 0"}}, 2, "x"},
                      ItemRow{"GridOfNoRows", {{"grid", "Z", "0 3 2.5 2.5"}}, 1, "x"},
                      ItemRow{"NameTwice", {{"point", "A", "0 0"}, {"corners", "B", "5 3"}, {"point", "A", "1 1"}}, 3, "x"},
                      ItemRow{"OwnName", {{"point", "C", "0 0"}}, 1, "x"},
                      ItemRow{"NameOfTwoWords", {{"point", "A B", "0 0"}}, 1, nullptr},
                      ItemRow{"CopyHasNoRow", {{"copy", "two-columns", ""}}, 1, nullptr},
                      ItemRow{"UnknownKind", {{"pile", "Z", "0 0"}}, 1, "x"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
