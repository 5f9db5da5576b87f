// Pages without Qt: blocks and table rows of given heights laid on pages,
// each rule as a named row, then random documents against the rules.
#include <gtest/gtest.h>

#include <random>

#include "pagination.h"

namespace capset {
namespace {

constexpr PageLayout kPage{100, 2};

BlockHeights Plain(double height) { return {height, 0, 0, {}, false}; }
BlockHeights Table(double title, double heading, std::vector<double> rows) {
  return {0, title, heading, std::move(rows), true};
}

// A page as a short text: "T" when the sheet's title is on it, then each
// block as "b<index>" or a table's part as "b<index>[first,end)" with "+"
// when continued; pages apart by " | ", sheets' first pages by " || ".
std::string Shape(const std::vector<SheetPage>& pages, const std::vector<SheetHeights>& sheets) {
  std::string out;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    std::vector<std::string> words;
    if (pages[p].sheetTitle) words.push_back("T");
    for (const PlacedBlock& b : pages[p].blocks) {
      std::string word = "b" + std::to_string(b.block);
      const auto& block = sheets[static_cast<std::size_t>(pages[p].sheet)].blocks[static_cast<std::size_t>(b.block)];
      if (block.table) {
        word += "[" + std::to_string(b.firstRow) + "," + std::to_string(b.endRow) + ")";
        if (b.continued) word += "+";
      }
      words.push_back(word);
    }
    if (p > 0) out += pages[p].sheetTitle ? " || " : " | ";
    for (std::size_t w = 0; w < words.size(); ++w) out += (w > 0 ? " " : "") + words[w];
  }
  return out;
}

struct PaginationCase {
  const char* name;
  std::vector<SheetHeights> sheets;
  const char* pages;
};

class PaginationRules : public ::testing::TestWithParam<PaginationCase> {};

TEST_P(PaginationRules, LaysBlocksOnPagesAsTheRulesSay) {
  const PaginationCase& c = GetParam();
  EXPECT_EQ(Shape(Paginate(c.sheets, kPage), c.sheets), c.pages);
}

const PaginationCase kCases[] = {
    {"EverythingOnOnePage", {{10, {Plain(20), Table(5, 5, {10, 10}), Plain(10)}}}, "T b0 b1[0,2) b2"},
    // Title 10 + gap 2, a block of 80 ends at 92 (+2): 6 left, a block of 7 moves.
    {"BlockThatDoesNotFitMovesWhole", {{10, {Plain(80), Plain(7)}}}, "T b0 | b1"},
    {"BlockThatFitsExactlyStays", {{10, {Plain(80), Plain(6)}}}, "T b0 b1"},
    // 94 used: the title and headings (6) fit, a row (5) does not: they go together.
    {"HeadingsNeverStandAloneAtTheFoot", {{10, {Plain(80), Table(3, 3, {5, 5})}}}, "T b0 | b1[0,2)"},
    // 12 + 6 + 8 rows of 10 = 98; the 9th row goes on with the headings repeated.
    {"TableSplitsBetweenRows", {{10, {Table(3, 3, std::vector<double>(20, 10))}}}, "T b0[0,8) | b0[8,17)+ | b0[17,20)+"},
    {"RowTallerThanAPageStandsAlone", {{10, {Table(3, 3, {5, 150, 5})}}}, "T b0[0,1) | b0[1,2)+ | b0[2,3)+"},
    {"BlockTallerThanAPageStandsAlone", {{10, {Plain(10), Plain(150), Plain(10)}}}, "T b0 | b1 | b2"},
    {"EachSheetBeginsAPage", {{10, {Plain(10)}}, {10, {Plain(10)}}}, "T b0 || T b0"},
    {"TableWithoutRowsKeepsItsHeadings", {{10, {Table(3, 3, {})}}}, "T b0[0,0)"},
    {"SheetWithoutBlocksIsOnePage", {{10, {}}}, "T"},
    {"NoTitleStartsAtTheTop", {{0, {Plain(100)}}}, "T b0"},
};

INSTANTIATE_TEST_SUITE_P(Rules, PaginationRules, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Pagination, PlacesBlocksOneBelowTheOtherWithTheGap) {
  const std::vector<SheetHeights> sheets = {{10, {Plain(20), Table(3, 4, {5, 6})}}};
  const auto pages = Paginate(sheets, kPage);
  ASSERT_EQ(pages.size(), 1u);
  ASSERT_EQ(pages[0].blocks.size(), 2u);
  EXPECT_DOUBLE_EQ(pages[0].blocks[0].top, 12);
  EXPECT_DOUBLE_EQ(pages[0].blocks[1].top, 34);
  EXPECT_DOUBLE_EQ(pages[0].blocks[1].height, 18) << "title, headings and both rows";
}

// Random documents: every row of every table is placed once, in order;
// nothing overruns its page unless it stands alone on it; every part of a
// table carries its headings and at least one row (when it has rows).
TEST(Pagination, RandomDocumentsKeepEveryRule) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> small(1, 30), row(1, 12);
  std::uniform_int_distribution<int> count(0, 40), kind(0, 2), blocks(0, 6), sheetsCount(1, 3);
  for (int trial = 0; trial < 500; ++trial) {
    std::vector<SheetHeights> sheets(static_cast<std::size_t>(sheetsCount(random)));
    for (SheetHeights& sheet : sheets) {
      sheet.title = small(random);
      for (int b = blocks(random); b > 0; --b) {
        if (kind(random) == 0) {
          sheet.blocks.push_back(Plain(small(random) * 3));
        } else {
          std::vector<double> rows(static_cast<std::size_t>(count(random)));
          for (double& r : rows) r = row(random);
          sheet.blocks.push_back(Table(small(random) / 3, small(random) / 3, rows));
        }
      }
    }
    const auto pages = Paginate(sheets, kPage);
    std::vector<std::vector<int>> nextRow(sheets.size());
    for (std::size_t s = 0; s < sheets.size(); ++s) nextRow[s].assign(sheets[s].blocks.size(), 0);
    int lastSheet = -1;
    for (const SheetPage& page : pages) {
      EXPECT_EQ(page.sheetTitle, page.sheet != lastSheet) << "trial " << trial;
      lastSheet = page.sheet;
      const SheetHeights& sheet = sheets[static_cast<std::size_t>(page.sheet)];
      double bottom = page.sheetTitle ? sheet.title : 0;
      for (const PlacedBlock& placed : page.blocks) {
        EXPECT_GE(placed.top, bottom - 1e-9) << "blocks overlap, trial " << trial;
        bottom = placed.top + placed.height;
        const bool alone = page.blocks.size() == 1 && !page.sheetTitle;
        if (!alone) {
          EXPECT_LE(bottom, kPage.height + 1e-9) << "overrun, trial " << trial;
        }
        const BlockHeights& block = sheet.blocks[static_cast<std::size_t>(placed.block)];
        if (!block.table) continue;
        int& next = nextRow[static_cast<std::size_t>(page.sheet)][static_cast<std::size_t>(placed.block)];
        EXPECT_EQ(placed.firstRow, next) << "rows out of order, trial " << trial;
        EXPECT_EQ(placed.continued, next > 0) << "trial " << trial;
        if (!block.rows.empty()) {
          EXPECT_GT(placed.endRow, placed.firstRow) << "headings alone, trial " << trial;
        }
        double height = block.title + block.heading;
        for (int r = placed.firstRow; r < placed.endRow; ++r) height += block.rows[static_cast<std::size_t>(r)];
        EXPECT_NEAR(placed.height, height, 1e-9);
        next = placed.endRow;
      }
    }
    for (std::size_t s = 0; s < sheets.size(); ++s) {
      for (std::size_t b = 0; b < sheets[s].blocks.size(); ++b) {
        EXPECT_EQ(nextRow[s][b], static_cast<int>(sheets[s].blocks[b].rows.size())) << "rows lost, trial " << trial;
      }
    }
  }
}

}  // namespace
}  // namespace capset
