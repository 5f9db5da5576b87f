#include "plan_marks.h"

#include <QPainter>
#include <cmath>

#include "look.h"
#include "number_text.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_text.h"

namespace capset {

void DrawScaleAndNorth(QPainter& painter, double pixelsPerMetre, int width, int height) {
  // The scale: a bar of a round length.
  const double metres = std::pow(10.0, std::floor(std::log10(120 / pixelsPerMetre)));
  const double bar = metres * pixelsPerMetre;
  painter.setPen(QPen(kSketchInk, 1.5));
  const QPointF s(12, height - 14);
  painter.drawLine(s, s + QPointF(bar, 0));
  painter.drawLine(s, s + QPointF(0, -5));
  painter.drawLine(s + QPointF(bar, 0), s + QPointF(bar, -5));
  painter.drawText(s + QPointF(bar + 6, 4), QStringLiteral("%1 m").arg(metres >= 1 ? QString::number(metres, 'f', 0) : QString::number(metres)));
  // North.
  const QPointF n(width - 20, 38);
  painter.drawLine(n, n + QPointF(0, -22));
  painter.drawLine(n + QPointF(0, -22), n + QPointF(-4, -14));
  painter.drawLine(n + QPointF(0, -22), n + QPointF(4, -14));
  painter.drawText(n + QPointF(-4, 14), QStringLiteral("N"));
}

QString PlanPositionText(const Road* road, const PlanMapping& mapping, QPoint pixel) {
  if (road == nullptr) return {};
  const PlanePoint p = mapping.ToPlane({static_cast<double>(pixel.x()), static_cast<double>(pixel.y())});
  const QString xy = QString::fromStdString("X " + FixedText(p.X, 3) + "  Y " + FixedText(p.Y, 3));
  const RoadFoot foot = road->Where(p);
  if (foot.status != WhereStatus::kOnRoad) return xy + QStringLiteral("    ") + QString::fromStdString(WhereText(foot, road->length()));
  const QString side = QString::fromUtf8(foot.offset < 0 ? kLeftSide : kRightSide);
  return xy + QStringLiteral("    ") + QString::fromStdString(RoadStationText(foot.station)) +
         QStringLiteral("  %1 %2 %3").arg(QString::fromUtf8(kOffsetWord), side, QString::fromStdString(FixedText(std::fabs(foot.offset), 3)));
}

}  // namespace capset
