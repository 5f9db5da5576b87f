#include "plan_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "angles.h"
#include "look.h"
#include "number_text.h"
#include "plan_marks.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "view_guard.h"
#include "station_text.h"

namespace capset {
namespace {

const QColor kLineColour{30, 30, 30};
const QColor kSpiralColour{0, 130, 200};
const QColor kArcColour{210, 40, 40};
const QColor kPolygonColour{150, 150, 150};
const QColor kTickColour{60, 60, 60};
const QColor kKeyColour{120, 0, 140};
const QColor kCapColour{0, 120, 0};

// Labels closer than this on the screen would run into each other.
constexpr double kLabelRoom = 70;

QColor KindColour(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return kLineColour;
    case ElementKind::kSpiral: return kSpiralColour;
    case ElementKind::kArc: return kArcColour;
  }
  return kLineColour;
}

QPointF P(const PlanMapping& m, PlanePoint p) {
  const Pixel q = m.ToPixel(p);
  return {q.x, q.y};
}

}  // namespace

PlanView::PlanView(QWidget* parent) : ZoomPanView(parent) {
  setMinimumSize(300, 240);
}

void PlanView::SetRoad(const Road* road, bool fit) {
  road_ = road;
  scene_.reset();
  // A road whose plan cannot be made is not drawn; the window's messages say why.
  if (road_ != nullptr && !Guarded([this] { scene_ = MakePlanScene(*road_); })) scene_.reset();
  if (fit || !fitted_) {
    Fit();
  } else {
    update();
  }
}

void PlanView::SetCaps(std::vector<PlanCapMark> caps) {
  caps_ = std::move(caps);
  update();
}

void PlanView::Fit() {
  mapping_.SetView(width(), height());
  if (scene_) mapping_.Fit(scene_->box, 30);
  fitted_ = scene_.has_value() && isVisible();
  update();
}

// The same plane point stays in the middle at the same scale; a plan not
// yet fitted (a road given before the view had its size) is fitted now.
void PlanView::resizeEvent(QResizeEvent*) {
  mapping_.SetView(width(), height());
  if (!fitted_) Fit();
}

void PlanView::showEvent(QShowEvent*) {
  if (!fitted_) Fit();
}

void PlanView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!scene_) return;
  Guarded([&] { Paint(painter); });
}

void PlanView::Paint(QPainter& painter) {
  const PlaneBox view = mapping_.Visible();
  // The JD polygon under everything.
  if (scene_->polygon.size() >= 2) {
    painter.setPen(QPen(kPolygonColour, 1, Qt::DashLine));
    QPolygonF polygon;
    for (const PlanePoint& p : scene_->polygon) polygon << P(mapping_, p);
    painter.drawPolyline(polygon);
    painter.setFont(PlainFont(12));
    for (std::size_t i = 1; i + 1 < scene_->polygon.size(); ++i) {
      const QPointF at = P(mapping_, scene_->polygon[i]);
      painter.drawEllipse(at, 3, 3);
      painter.drawText(at + QPointF(5, -5), QStringLiteral("JD%1").arg(i));
    }
  }
  // The centreline, run by run, only the runs in view.
  for (const PlanRun& run : scene_->runs) {
    if (!run.box.Overlaps(view)) continue;
    painter.setPen(QPen(KindColour(run.kind), 2.5));
    QPolygonF line;
    line.reserve(static_cast<int>(run.points.size()));
    for (const PlanePoint& p : run.points) line << P(mapping_, p);
    painter.drawPolyline(line);
  }
  // Ticks across the road; labels where there is room for them.
  const double tickPixels = kTickSpacing * mapping_.scale();
  const bool allLabels = tickPixels >= kLabelRoom, kmLabels = tickPixels * 10 >= kLabelRoom;
  painter.setFont(PlainFont(11));
  for (const PlanTick& t : scene_->ticks) {
    const QPointF at = P(mapping_, t.point);
    if (at.x() < -50 || at.y() < -50 || at.x() > width() + 50 || at.y() > height() + 50) continue;
    const double a = ToRadians(t.azimuth);
    // The right normal (−sin θ, cos θ) in (X, Y) is (cos θ, sin θ) on the screen's (x, −y).
    const QPointF normal(std::cos(a), std::sin(a));
    const double half = t.kilometre ? 9 : 5;
    painter.setPen(QPen(kTickColour, t.kilometre ? 2 : 1));
    if (tickPixels >= 6 || t.kilometre) painter.drawLine(at - normal * half, at + normal * half);
    if (allLabels || (t.kilometre && kmLabels)) {
      // On the left of the road, so that they keep clear of the key points' names on the right.
      const QString label = QString::fromStdString(t.label);
      const QPointF foot = at - normal * (half + 4);
      const double w = painter.fontMetrics().horizontalAdvance(label);
      const double x = foot.x() - (normal.x() > 0 ? w : 0) - (std::fabs(normal.x()) < 0.3 ? w / 2 : 0);
      // Kept inside the view, so the first and last stations read whole.
      const double inside = std::clamp(x, 2.0, std::max(2.0, width() - w - 2));
      painter.drawText(QPointF(inside, foot.y() + 4 - normal.y() * 6), label);
    }
  }
  // Key points.
  painter.setFont(PlainFont(11));
  QPointF lastLabel(-1e9, -1e9);
  for (const PlanKeyPoint& k : scene_->keys) {
    const QPointF at = P(mapping_, k.point);
    if (!rect().adjusted(-20, -20, 20, 20).contains(at.toPoint())) continue;
    painter.setPen(QPen(kKeyColour, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 3.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    if (std::hypot(at.x() - lastLabel.x(), at.y() - lastLabel.y()) >= 28) {
      painter.drawText(at + QPointF(6, 14), QString::fromStdString(k.name));
      lastLabel = at;
    }
  }
  // The caps of the log: each axis from edge to edge, its name beyond the
  // right-hand end where it keeps clear of the last name drawn.
  painter.setFont(PlainFont(11));
  QPointF lastCapLabel(-1e9, -1e9);
  for (const PlanCapMark& cap : caps_) {
    const QPointF c = P(mapping_, cap.centre);
    if (!rect().adjusted(-200, -200, 200, 200).contains(c.toPoint())) continue;
    const QPointF a = cap.left ? P(mapping_, *cap.left) : c, b = cap.right ? P(mapping_, *cap.right) : c;
    painter.setPen(QPen(kCapColour, 2));
    painter.drawLine(a, b);
    painter.setBrush(kCapColour);
    painter.drawEllipse(c, 2.5, 2.5);
    painter.setBrush(Qt::NoBrush);
    // Beyond the end farther from the centre line's middle, away along the axis.
    QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    along = length > 1e-9 ? along / length : QPointF(1, 0);
    const QPointF at = b + along * 8;
    if (std::hypot(at.x() - lastCapLabel.x(), at.y() - lastCapLabel.y()) >= 24) {
      const QString label = QString::fromStdString(cap.label);
      const double w = painter.fontMetrics().horizontalAdvance(label);
      painter.drawText(QPointF(at.x() - (along.x() < 0 ? w : 0), at.y() + (along.y() > 0 ? 12 : 0)), label);
      lastCapLabel = at;
    }
  }
  DrawScaleAndNorth(painter, mapping_.scale(), width(), height());
}

void PlanView::ZoomAt(QPointF at, double factor) {
  mapping_.ZoomAbout({at.x(), at.y()}, factor);
}

void PlanView::PanBy(double dx, double dy) {
  mapping_.Pan(dx, dy);
}

QString PlanView::PositionText(QPoint pixel) const { return PlanPositionText(road_, mapping_, pixel); }

}  // namespace capset
