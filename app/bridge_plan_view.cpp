#include "bridge_plan_view.h"

#include <QMouseEvent>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "look.h"
#include "number_text.h"
#include "plan_marks.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_text.h"
#include "view_guard.h"

namespace capset {
namespace {

const QColor kRoadEdge{150, 150, 150};
const QColor kOutline{90, 60, 20};
const QColor kGridLine{160, 130, 90};
const QColor kPointColour{0, 0, 190};
const QColor kChosenColour{230, 110, 0};
const QColor kChosenGround{255, 236, 150};

// A name's room beside its point: the widest names (12-Z10) and a line.
constexpr double kLabelWidth = 42, kLabelHeight = 14;
// A bent smaller than this on the screen is drawn as its axis and centre
// alone: its piles and outlines would be one blot, and a bridge seen whole
// is drawn in a frame's time.
constexpr double kDetailPixels = 24;

QPointF P(const PlanMapping& m, PlanePoint p) {
  const Pixel q = m.ToPixel(p);
  return {q.x, q.y};
}

void Polyline(QPainter& painter, const PlanMapping& m, const std::vector<PlanePoint>& line) {
  if (line.size() < 2) return;
  QPolygonF polygon;
  polygon.reserve(static_cast<int>(line.size()));
  for (const PlanePoint& p : line) polygon << P(m, p);
  painter.drawPolyline(polygon);
}

}  // namespace

BridgePlanView::BridgePlanView(QWidget* parent) : ZoomPanView(parent) { setMinimumSize(300, 220); }

void BridgePlanView::SetScene(BridgeScene scene, const Road* road, bool fit) {
  scene_ = std::move(scene);
  road_ = road;
  if (chosen_ >= static_cast<int>(scene_.bents.size())) chosen_ = -1;
  if (fit || !fitted_) {
    Fit();
  } else {
    update();
  }
}

void BridgePlanView::Clear() {
  scene_ = {};
  road_ = nullptr;
  chosen_ = -1;
  fitted_ = false;
  update();
}

void BridgePlanView::SetChosen(int bent) {
  chosen_ = bent;
  update();
}

void BridgePlanView::Fit() {
  mapping_.SetView(width(), height());
  if (!scene_.empty()) mapping_.Fit(scene_.box, 40);
  moved_ = false;
  fitted_ = !scene_.empty() && isVisible();
  update();
}

// Until the user zooms or pans, the bridge stays fitted as the view's
// size settles; after, the same plane point stays in the middle.
void BridgePlanView::ShowBent(int bent) {
  if (bent < 0 || bent >= static_cast<int>(scene_.bents.size()) || scene_.bents[bent].pointCount == 0) return;
  const PlaneBox& box = scene_.bents[bent].box;
  constexpr double kAround = 8;  // metres of road about it
  mapping_.SetView(width(), height());
  mapping_.Fit({box.minX - kAround, box.minY - kAround, box.maxX + kAround, box.maxY + kAround}, 40);
  fitted_ = true;
  moved_ = true;
  update();
}

void BridgePlanView::resizeEvent(QResizeEvent*) {
  mapping_.SetView(width(), height());
  if (!fitted_ || !moved_) Fit();
}

void BridgePlanView::showEvent(QShowEvent*) {
  if (!fitted_) Fit();
}

void BridgePlanView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (scene_.empty()) return;
  Guarded([&] { Paint(painter); });
}

std::vector<int> BridgePlanView::Paint(QPainter& painter) {
  const PlaneBox view = mapping_.Visible();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kRoadEdge, 1.2));
  Polyline(painter, mapping_, scene_.leftEdge);
  Polyline(painter, mapping_, scene_.rightEdge);
  painter.setPen(QPen(kSketchRoad, 1.5, Qt::DashDotLine));
  Polyline(painter, mapping_, scene_.centreline);

  // The chosen bent's ground under everything of its own.
  if (chosen_ >= 0 && chosen_ < static_cast<int>(scene_.bents.size())) {
    const SceneBent& bent = scene_.bents[chosen_];
    if (bent.pointCount > 0) {
      const QPointF a = P(mapping_, {bent.box.maxX, bent.box.minY}), b = P(mapping_, {bent.box.minX, bent.box.maxY});
      painter.fillRect(QRectF(a, b).normalized().adjusted(-10, -10, 10, 10), kChosenGround);
    }
  }
  std::vector<Pixel> at;
  std::vector<int> shown;  // the scene's point of each pixel in `at`
  int chosenFrom = 0, chosenCount = 0;
  for (int k = 0; k < static_cast<int>(scene_.bents.size()); ++k) {
    const SceneBent& bent = scene_.bents[k];
    if (bent.pointCount == 0 || !bent.box.Overlaps(view)) continue;
    const bool chosen = k == chosen_;
    const double across = std::max(bent.box.maxX - bent.box.minX, bent.box.maxY - bent.box.minY) * mapping_.scale();
    if (across < kDetailPixels && !chosen) {
      if (bent.solved) {
        painter.setPen(QPen(kSketchAxis, 1.8));
        painter.drawLine(P(mapping_, bent.axis.from), P(mapping_, bent.axis.to));
      }
      const ScenePoint& centre = scene_.points[bent.firstPoint];
      const QPointF q = P(mapping_, centre.xy);
      at.push_back({q.x(), q.y()});
      shown.push_back(bent.firstPoint);
      continue;
    }
    painter.setPen(QPen(kGridLine, 1));
    for (const SceneSegment& s : bent.gridLines) painter.drawLine(P(mapping_, s.from), P(mapping_, s.to));
    painter.setPen(QPen(kOutline, chosen ? 2 : 1.2));
    for (const std::vector<PlanePoint>& outline : bent.outlines) {
      QPolygonF polygon;
      for (const PlanePoint& p : outline) polygon << P(mapping_, p);
      painter.drawPolygon(polygon);
    }
    if (bent.solved) {
      painter.setPen(QPen(chosen ? kChosenColour : kSketchAxis, chosen ? 3 : 1.8));
      painter.drawLine(P(mapping_, bent.axis.from), P(mapping_, bent.axis.to));
    }
    if (chosen) chosenFrom = static_cast<int>(at.size()), chosenCount = bent.pointCount;
    for (int i = bent.firstPoint; i < bent.firstPoint + bent.pointCount; ++i) {
      const ScenePoint& p = scene_.points[i];
      const QPointF q = P(mapping_, p.xy);
      painter.setPen(QPen(p.role == ScenePointRole::kCentre ? kSketchRoad : kPointColour, 1.3));
      painter.setBrush(p.role == ScenePointRole::kTemplate ? QBrush(Qt::white) : QBrush(painter.pen().color()));
      painter.drawEllipse(q, 2.8, 2.8);
      at.push_back({q.x(), q.y()});
      shown.push_back(i);
    }
    painter.setBrush(Qt::NoBrush);
  }
  // The names that fit, the chosen bent's first.
  painter.setFont(PlainFont(10));
  painter.setPen(kSketchInk);
  std::vector<int> labelled;
  for (int n : ThinLabels(at, kLabelWidth, kLabelHeight, chosenFrom, chosenCount)) {
    const ScenePoint& p = scene_.points[shown[n]];
    painter.drawText(QPointF(at[n].x + 4, at[n].y - 4), QString::fromStdString(p.name));
    labelled.push_back(shown[n]);
  }
  painter.setFont(PlainFont(11));
  DrawScaleAndNorth(painter, mapping_.scale(), width(), height());
  return labelled;
}

int BridgePlanView::BentAt(QPoint pixel) const {
  constexpr double kReach = 8;  // pixels
  double best = kReach;
  int bent = -1;
  for (const ScenePoint& p : scene_.points) {
    const Pixel q = mapping_.ToPixel(p.xy);
    const double d = std::hypot(q.x - pixel.x(), q.y - pixel.y());
    if (d <= best) best = d, bent = p.bent;
  }
  return bent;
}

void BridgePlanView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int bent = BentAt(event->position().toPoint());
  if (bent >= 0) emit BentClicked(bent);
}

void BridgePlanView::ZoomAt(QPointF at, double factor) {
  mapping_.ZoomAbout({at.x(), at.y()}, factor);
  moved_ = true;
}

void BridgePlanView::PanBy(double dx, double dy) {
  mapping_.Pan(dx, dy);
  moved_ = true;
}

QString BridgePlanView::PositionText(QPoint pixel) const { return PlanPositionText(road_, mapping_, pixel); }

}  // namespace capset
