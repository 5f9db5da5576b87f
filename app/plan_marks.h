#pragma once
// What every plan on the screen draws over its picture: a scale bar of a
// round length at the bottom left, and north at the top right; and what
// the status line says of the point under the mouse.

#include <QPoint>
#include <QString>

#include "plan_mapping.h"
#include "road.h"

class QPainter;

namespace capset {

void DrawScaleAndNorth(QPainter& painter, double pixelsPerMetre, int width, int height);

// What the status line says for a pixel of a plan: its X and Y, then the
// station and offset of the point under it on `road`, or why it has none.
QString PlanPositionText(const Road* road, const PlanMapping& mapping, QPoint pixel);

}  // namespace capset
