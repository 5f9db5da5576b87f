#include "height_columns.h"

#include "log_texts.h"
#include "number_text.h"
#include "point_height_texts.h"

namespace capset {
namespace {

// The point whose H follows the row's own column `column`: 0 the centre, 1
// and 2 the edges, 3 + n the n-th point along the axis (from 0); -1 none.
int HeightAfter(int column) {
  if (column == kCentreYColumn) return 0;
  if (column == kEdge1YColumn) return 1;
  if (column == kEdge2YColumn) return 2;
  if (column >= kFixedColumnCount && (column - kFixedColumnCount) % kAxisPointColumns == 2) {
    return 3 + (column - kFixedColumnCount) / kAxisPointColumns;
  }
  return -1;
}

std::optional<double> HeightOf(const RowHeights& h, int which) {
  switch (which) {
    case 0: return h.centre;
    case 1: return h.edge1;
    case 2: return h.edge2;
    default: break;
  }
  const std::size_t n = static_cast<std::size_t>(which - 3);
  return n < h.axis.size() ? h.axis[n] : std::nullopt;
}

std::string HeadingOf(int which) {
  switch (which) {
    case 0: return kCentreHeightHeading;
    case 1: return kEdge1HeightHeading;
    case 2: return kEdge2HeightHeading;
    default: return AxisPointHeightHeading(which - 2);
  }
}

}  // namespace

bool AnyRowHeights(const std::vector<const CapRecord*>& records) {
  for (const CapRecord* r : records) {
    if (r->heights) return true;
  }
  return false;
}

int WidthWithHeights(int width) {
  int shown = width;
  for (int c = 0; c < width; ++c) shown += HeightAfter(c) >= 0 ? 1 : 0;
  return shown;
}

int OwnColumn(int shown) {
  int at = 0;  // the shown column of own column `own`
  for (int own = 0;; ++own) {
    if (at == shown) return own;
    ++at;
    if (HeightAfter(own) >= 0) {
      if (at == shown) return -1;
      ++at;
    }
  }
}

RowTexts WithHeightTexts(RowTexts texts, const CapRecord& record, const std::string& sep) {
  RowTexts out;
  out.reserve(static_cast<std::size_t>(WidthWithHeights(static_cast<int>(texts.size()))));
  const RowHeights none;
  const RowHeights& h = record.heights ? *record.heights : none;
  for (std::size_t c = 0; c < texts.size(); ++c) {
    out.push_back(std::move(texts[c]));
    const int which = HeightAfter(static_cast<int>(c));
    if (which < 0) continue;
    const std::optional<double> height = HeightOf(h, which);
    // A row whose numbers cannot be shown has no X and Y to stand beside.
    const bool shown = height && !out.back().empty();
    out.push_back(shown ? FixedText(*height, 3, sep) : std::string(kNoValue));
  }
  return out;
}

RowTexts HeadingsWithHeights(int width) {
  RowTexts out;
  const RowTexts own = RowHeadings(width);
  for (std::size_t c = 0; c < own.size(); ++c) {
    out.push_back(own[c]);
    if (const int which = HeightAfter(static_cast<int>(c)); which >= 0) out.push_back(HeadingOf(which));
  }
  return out;
}

RowTexts LogRowTexts(const CapRecord& record, const std::string& sep, bool heights) {
  RowTexts texts = ShownRowTexts(record, sep);
  return heights ? WithHeightTexts(std::move(texts), record, sep) : texts;
}

RowTexts LogHeadings(int width, bool heights) { return heights ? HeadingsWithHeights(width) : RowHeadings(width); }

}  // namespace capset
