#pragma once
// Sheets laid out on pages, from the heights the renderer measured: which
// block, and which rows of a table, stand on each page, and how far down.
// No Qt: the rules are tested with heights given.
//
// The rules
//   - every sheet begins on a new page, its title lines at the top;
//   - a block that does not fit in what is left of a page moves whole to
//     the next (a block taller than a whole page stands alone at the top of
//     one, and the renderer must have made it fit);
//   - a table is split between rows, never through one; each part starts
//     with the table's title (marked continued after the first) and its
//     headings, and a part never holds headings alone: at least one row
//     goes with them;
//   - pages are numbered through the whole document.

#include <vector>

namespace capset {

// The heights of a block, in the renderer's unit. For a table, `title` is
// the height of its title line (0 without one), `heading` of its heading
// row, and `rows` of each of its rows; `height` is unused. For any other
// block, `height` is the whole block.
struct BlockHeights {
  double height = 0;
  double title = 0;
  double heading = 0;
  std::vector<double> rows;
  bool table = false;
};

struct SheetHeights {
  double title = 0;  // the sheet's title and subtitle lines
  std::vector<BlockHeights> blocks;
};

struct PageLayout {
  double height;     // of the room for blocks on a page, below the page's header and above its footer
  double gap;        // between two blocks on a page, and below a sheet's title
};

// A block, or part of a table, on a page.
struct PlacedBlock {
  int block;            // index in the sheet's blocks
  double top;           // from the top of the page's room
  double height;        // as placed: a part of a table has its title, headings and rows
  int firstRow = 0;     // a table's rows [firstRow, endRow) on this page
  int endRow = 0;
  bool continued = false;  // a table's part after its first
};

struct SheetPage {
  int sheet;             // index in the document's sheets
  bool sheetTitle;       // the sheet's title stands at the top of this page
  std::vector<PlacedBlock> blocks;
};

std::vector<SheetPage> Paginate(const std::vector<SheetHeights>& sheets, const PageLayout& page);

}  // namespace capset
