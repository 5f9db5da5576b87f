#pragma once
// Sheets on paper: measured with the device's own font metrics, laid out on
// A4 portrait pages by Paginate, and painted with QPainter on any paged
// device, a QPdfWriter or a QPrinter alike. Chinese text uses a TrueType
// font, so a PDF carries the subset of its glyphs it needs.

#include <QPagedPaintDevice>

#include "sheet.h"

namespace capset {

// The page every sheet is laid out on: A4 portrait, no printer margins (the
// sheet keeps its own).
QPageLayout SheetPageLayout();

// Paints `document` on `device`, page after page; `device` must already
// have SheetPageLayout() (or any page: the sheet keeps to its paint rect).
// The number of pages painted; 0 when the device could not begin (a
// printer that failed).
int PaintSheets(const SheetDocument& document, QPagedPaintDevice& device);

}  // namespace capset
