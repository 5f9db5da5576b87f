#include "pagination.h"

#include <cstddef>

namespace capset {
namespace {

// Heights are sums of measured lines: a block that fits exactly is not
// pushed to the next page by a rounding of the sum.
constexpr double kFitSlack = 1e-9;

class PageFiller {
 public:
  PageFiller(int sheet, double titleHeight, const PageLayout& layout, std::vector<SheetPage>& pages)
      : layout_(layout), pages_(pages), current_{sheet, true, {}} {
    y_ = titleHeight > 0 ? titleHeight + layout.gap : 0;
  }

  void Block(int index, const BlockHeights& block) {
    if (block.table) return Table(index, block);
    if (!Fits(block.height) && !Empty()) NextPage();
    Place({index, y_, block.height});
  }

  void Finish() { pages_.push_back(current_); }

 private:
  void Table(int index, const BlockHeights& block) {
    const int count = static_cast<int>(block.rows.size());
    int row = 0;
    bool continued = false;
    for (;;) {
      double used = block.title + block.heading;
      int end = row;
      while (end < count && Fits(used + block.rows[static_cast<std::size_t>(end)])) {
        used += block.rows[static_cast<std::size_t>(end++)];
      }
      // Headings never stand alone at the foot of a page; on an empty
      // page a row taller than the page goes alone, so the table ends.
      const bool nothingFits = count > 0 ? end == row : !Fits(used);
      if (nothingFits && !Empty()) {
        NextPage();
        continue;
      }
      if (nothingFits && count > 0) used += block.rows[static_cast<std::size_t>(end++)];
      Place({index, y_, used, row, end, continued});
      row = end;
      if (row >= count) return;
      continued = true;
      NextPage();
    }
  }

  bool Fits(double height) const { return y_ + height <= layout_.height + kFitSlack; }
  // Nothing on the page yet, not even a sheet's title.
  bool Empty() const { return current_.blocks.empty() && !current_.sheetTitle; }

  void Place(PlacedBlock placed) {
    placed.top = y_;
    y_ += placed.height + layout_.gap;
    current_.blocks.push_back(placed);
  }

  void NextPage() {
    pages_.push_back(current_);
    current_ = SheetPage{current_.sheet, false, {}};
    y_ = 0;
  }

  const PageLayout& layout_;
  std::vector<SheetPage>& pages_;
  SheetPage current_;
  double y_ = 0;
};

}  // namespace

std::vector<SheetPage> Paginate(const std::vector<SheetHeights>& sheets, const PageLayout& page) {
  std::vector<SheetPage> pages;
  for (std::size_t s = 0; s < sheets.size(); ++s) {
    PageFiller filler(static_cast<int>(s), sheets[s].title, page, pages);
    for (std::size_t b = 0; b < sheets[s].blocks.size(); ++b) filler.Block(static_cast<int>(b), sheets[s].blocks[b]);
    filler.Finish();
  }
  return pages;
}

}  // namespace capset
