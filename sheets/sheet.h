#pragma once
// A printed sheet as data: what the crew takes to the pier, before any
// font or paper is chosen. A document is one or more sheets; each sheet
// begins on a page of its own with its title lines, then its blocks in
// order: notes, a plan drawing, tables, a line for the checker's signature.
// The renderer measures and paints them; pagination.h decides the pages.
//
// Every text here is final: numbers are already formatted, so the printed
// sheet says exactly what the tables on the screen and the files say.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "spiral.h"

namespace capset {

// Lines of text, each a paragraph of its own (a notice, a summary).
struct SheetNotes {
  std::string heading;             // "说明", or empty
  std::vector<std::string> lines;
  bool warning = false;            // drawn in red: a notice the crew must not miss
};

// A plan drawing in world coordinates (X north, Y east, metres), drawn north
// up at one scale that fits the box, with a north arrow and a scale bar.
enum class PlanStroke { kCentreline, kEdge, kAxis, kOutline };
struct PlanLine {
  PlanePoint from, to;
  PlanStroke stroke;
};
struct PlanMark {
  std::string label;   // "3-Z1"
  PlanePoint at;
  bool key = false;    // the bent's centre: drawn larger
};
struct SheetPlan {
  std::string caption;  // under the drawing
  std::vector<PlanLine> lines;
  std::vector<PlanMark> marks;
};

enum class CellAlign { kLeft, kRight };
// A table that may run over several pages: its title and headings are
// repeated at the top of each page it continues on, and no row is cut.
struct SheetTable {
  std::string title;
  std::vector<std::string> headings;
  std::vector<CellAlign> align;                // one per column; missing: left
  std::vector<std::vector<std::string>> rows;  // each as many cells as headings
  std::vector<bool> marked;                    // rows drawn in red (超限); missing: none
};

// "复核人：__________  日期：__________".
struct SheetSignature {
  std::vector<std::string> fields;
};

using SheetBlock = std::variant<SheetNotes, SheetPlan, SheetTable, SheetSignature>;

struct Sheet {
  std::string title;                  // "墩台放样记录"
  std::vector<std::string> subtitle;  // the job, the road, the bridge and the bent
  std::vector<SheetBlock> blocks;
};

// What every page's header names: the job (its file's name, or that it is
// not saved) and the day the sheets were made.
struct SheetDocument {
  std::string job;
  std::string date;  // "2026-12-10"
  std::vector<Sheet> sheets;
};

}  // namespace capset
