#include "plan_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "sheet_texts.h"

namespace capset {
namespace {

// Room inside the frame for the labels beside the outermost points and for
// the north arrow, in points.
constexpr double kPlanPadding = 28;

QPen StrokePen(PlanStroke stroke, double point) {
  switch (stroke) {
    case PlanStroke::kCentreline: {
      QPen pen(QColor(90, 90, 90), 0.6 * point, Qt::DashDotLine);
      return pen;
    }
    case PlanStroke::kEdge:
      return QPen(QColor(110, 110, 110), 0.6 * point);
    case PlanStroke::kAxis:
      return QPen(Qt::black, 1.2 * point);
    case PlanStroke::kOutline:
      return QPen(Qt::black, 0.8 * point);
  }
  return QPen(Qt::black, point);
}

// 1, 2 or 5 times a power of ten, at most `most`.
double RoundScaleLength(double most) {
  if (!(most > 0)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  for (double step : {5.0, 2.0, 1.0}) {
    if (step * power <= most) return step * power;
  }
  return power;
}

struct WorldBox {
  double northLow = 0, northHigh = 0, eastLow = 0, eastHigh = 0;
  bool any = false;
  void Add(PlanePoint p) {
    if (!any) {
      northLow = northHigh = p.X;
      eastLow = eastHigh = p.Y;
      any = true;
      return;
    }
    northLow = std::min(northLow, p.X);
    northHigh = std::max(northHigh, p.X);
    eastLow = std::min(eastLow, p.Y);
    eastHigh = std::max(eastHigh, p.Y);
  }
};

void PaintNorthArrow(QPainter& painter, const QRectF& frame, double point, const QFont& font) {
  const double length = 22 * point;
  const QPointF tip(frame.right() - 16 * point, frame.top() + 20 * point);
  const QPointF tail(tip.x(), tip.y() + length);
  painter.setPen(QPen(Qt::black, 0.8 * point));
  painter.drawLine(tip, tail);
  QPainterPath head;
  head.moveTo(tip);
  head.lineTo(tip.x() - 4 * point, tip.y() + 9 * point);
  head.lineTo(tip.x() + 4 * point, tip.y() + 9 * point);
  head.closeSubpath();
  painter.fillPath(head, Qt::black);
  painter.setFont(font);
  const QRectF label(tip.x() - 12 * point, tip.y() - 15 * point, 24 * point, 13 * point);
  painter.drawText(label, Qt::AlignCenter, QString::fromUtf8(kPlanNorth));
}

void PaintScaleBar(QPainter& painter, const QRectF& frame, double point, double scale, const QFont& font) {
  const double metres = RoundScaleLength(frame.width() / 5 / scale);
  const double length = metres * scale;
  const QPointF left(frame.left() + 10 * point, frame.bottom() - 10 * point);
  painter.setPen(QPen(Qt::black, 0.8 * point));
  painter.drawLine(left, QPointF(left.x() + length, left.y()));
  for (double x : {left.x(), left.x() + length}) painter.drawLine(QPointF(x, left.y() - 3 * point), QPointF(x, left.y()));
  painter.setFont(font);
  painter.drawText(QPointF(left.x() + length + 4 * point, left.y() + 2.5 * point),
                   QString::fromStdString(PlanScaleText(metres)));
}

}  // namespace

void PaintPlan(QPainter& painter, const SheetPlan& plan, const QRectF& box, double point, const QFont& labels,
               const QFont& caption) {
  painter.save();
  const QFontMetricsF captionMetrics(caption, painter.device());
  const QRectF frame(box.left(), box.top(), box.width(), box.height() - captionMetrics.lineSpacing() - 3 * point);
  painter.setPen(QPen(Qt::black, 0.5 * point));
  painter.drawRect(frame);
  painter.setFont(caption);
  painter.drawText(QRectF(box.left(), frame.bottom() + 2 * point, box.width(), captionMetrics.lineSpacing() + point),
                   Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(plan.caption));

  WorldBox world;
  for (const PlanLine& line : plan.lines) {
    world.Add(line.from);
    world.Add(line.to);
  }
  for (const PlanMark& mark : plan.marks) world.Add(mark.at);
  const QRectF inner = frame.adjusted(kPlanPadding * point, kPlanPadding * point, -kPlanPadding * point,
                                      -kPlanPadding * point);
  const double spanEast = world.eastHigh - world.eastLow, spanNorth = world.northHigh - world.northLow;
  double scale = inner.width() / 10;  // a lone point: 10 m across the box
  if (spanEast > 0 || spanNorth > 0) {
    scale = std::min(spanEast > 0 ? inner.width() / spanEast : HUGE_VAL, spanNorth > 0 ? inner.height() / spanNorth
                                                                                       : HUGE_VAL);
  }
  const double eastMid = (world.eastLow + world.eastHigh) / 2, northMid = (world.northLow + world.northHigh) / 2;
  const auto at = [&](PlanePoint p) {
    return QPointF(inner.center().x() + (p.Y - eastMid) * scale, inner.center().y() - (p.X - northMid) * scale);
  };

  painter.setClipRect(frame);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const PlanLine& line : plan.lines) {
    painter.setPen(StrokePen(line.stroke, point));
    painter.drawLine(at(line.from), at(line.to));
  }
  painter.setFont(labels);
  for (const PlanMark& mark : plan.marks) {
    const QPointF p = at(mark.at);
    const double r = (mark.key ? 3.2 : 2.0) * point;
    painter.setPen(QPen(Qt::black, 0.7 * point));
    painter.setBrush(mark.key ? Qt::NoBrush : QBrush(Qt::black));
    painter.drawEllipse(p, r, r);
    if (mark.key) {
      painter.drawLine(QPointF(p.x() - 2 * r, p.y()), QPointF(p.x() + 2 * r, p.y()));
      painter.drawLine(QPointF(p.x(), p.y() - 2 * r), QPointF(p.x(), p.y() + 2 * r));
    }
    painter.drawText(QPointF(p.x() + r + 1.5 * point, p.y() - r - 1 * point), QString::fromStdString(mark.label));
  }
  painter.setBrush(Qt::NoBrush);
  PaintNorthArrow(painter, frame, point, caption);
  PaintScaleBar(painter, frame, point, scale, caption);
  painter.restore();
}

}  // namespace capset
