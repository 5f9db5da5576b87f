#pragma once
// A sheet's plan drawing: north up, one scale that fits the box, every
// line and point with its label, a north arrow and a scale bar.

#include <QFont>
#include <QPainter>
#include <QRectF>

#include "sheet.h"

namespace capset {

// `point` is the device's size of a typographic point, for line widths.
void PaintPlan(QPainter& painter, const SheetPlan& plan, const QRectF& box, double point, const QFont& labels,
               const QFont& caption);

}  // namespace capset
