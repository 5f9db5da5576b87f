#include "sketch_view.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cmath>
#include <memory>

#include "cap_warnings.h"
#include "look.h"
#include "view_guard.h"

namespace capset {
namespace {

QPointF PlanePoint2D(const PlanePoint& p) { return {p.Y, p.X}; }  // (east, north)

QColor ColourOf(SceneStyle style) {
  switch (style) {
    case SceneStyle::kCentreline:
    case SceneStyle::kStraight:
    case SceneStyle::kCentre:
    case SceneStyle::kWarning: return kSketchRoad;
    case SceneStyle::kAxis:
    case SceneStyle::kAxisUnsolved: return kSketchAxis;
    case SceneStyle::kEdgePoint: return kSketchEdgePoint;
    case SceneStyle::kOrigin:
    case SceneStyle::kSpiralEnd:
    case SceneStyle::kToOrigin: return kSketchOrigin;
    case SceneStyle::kMeasured:
    case SceneStyle::kDeviation: return kSketchMeasured;
    case SceneStyle::kMeasuredOver: return kCheckOverColour;
    default: return kSketchInk;
  }
}

QPen PenOf(SceneStyle style) {
  QPen pen(ColourOf(style), 1);
  switch (style) {
    case SceneStyle::kCentreline: pen.setStyle(Qt::DashDotLine); break;
    case SceneStyle::kStraight: pen.setStyle(Qt::DashDotDotLine); break;
    case SceneStyle::kAxis: pen.setWidth(2); break;
    case SceneStyle::kAxisUnsolved:
      pen.setWidth(2);
      pen.setStyle(Qt::DashLine);
      break;
    case SceneStyle::kScale: pen.setWidth(2); break;
    default: break;
  }
  return pen;
}

void DrawArrow(QPainter& painter, QPointF tail, QPointF head) {
  painter.drawLine(tail, head);
  const QPointF along = head - tail;
  const double length = std::hypot(along.x(), along.y());
  if (length == 0) return;
  const QPointF unit = along / length;
  const QPointF across(-unit.y(), unit.x());
  QPolygonF tip;
  tip << head << head - unit * 8 + across * 4 << head - unit * 8 - across * 4;
  painter.setBrush(painter.pen().color());
  painter.drawPolygon(tip);
  painter.setBrush(Qt::NoBrush);
}

}  // namespace

SketchView::SketchView(QWidget* parent) : QWidget(parent) {
  setObjectName("Sketch");
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SketchView::ShowCap(const CapSolution& solution, const QString& caption) {
  roadScene_ = nullptr;
  solution_ = solution;
  caption_ = caption;
  marks_.clear();
  MakeScene();
  update();
}

void SketchView::ShowMarks(std::vector<MeasuredMark> marks) {
  marks_ = std::move(marks);
  MakeScene();
  update();
}

void SketchView::ShowRoadCap(std::shared_ptr<const Road> road, const RoadCap& cap, double leftHalfWidth,
                             double rightHalfWidth, const QString& caption) {
  solution_.reset();
  roadScene_ = [road = std::move(road), cap, leftHalfWidth, rightHalfWidth](SketchViewport vp) {
    return MakeRoadSketch(*road, cap, leftHalfWidth, rightHalfWidth, vp);
  };
  caption_ = caption;
  marks_.clear();
  MakeScene();
  update();
}

void SketchView::Clear() {
  marks_.clear();
  roadScene_ = nullptr;
  solution_.reset();
  caption_.clear();
  scene_.reset();
  update();
}

void SketchView::MakeScene() {
  // A cap whose scene cannot be made is not drawn; its row says why.
  if (!Guarded([this] { MakeSceneUnguarded(); })) scene_.reset();
}

void SketchView::MakeSceneUnguarded() {
  if (width() <= 0 || height() <= 0) return;
  if (roadScene_) {
    scene_ = roadScene_({static_cast<double>(width()), static_cast<double>(height())});
    AddMeasuredMarks(*scene_, marks_);
    return;
  }
  if (!solution_) return;
  scene_ = MakeSketch(*solution_, CheckCap(*solution_), {static_cast<double>(width()), static_cast<double>(height())});
  AddMeasuredMarks(*scene_, marks_);
}

void SketchView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  MakeScene();
}

QTransform SketchView::PlaneToPixels() const {
  if (!scene_) return {};
  // Points go in as (east, north); east runs right, north up.
  const double ppm = width() / (scene_->maxY - scene_->minY);
  return QTransform(ppm, 0, 0, -ppm, -scene_->minY * ppm, scene_->maxX * ppm);
}

void SketchView::paintEvent(QPaintEvent*) {
  if (!scene_) return;
  QPainter painter(this);
  Guarded([&] { Paint(painter); });
}

void SketchView::Paint(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(rect());
  painter.setFont(PlainFont(12));
  const QFontMetrics metrics(painter.font());
  const QTransform map = PlaneToPixels();
  auto at = [&](const PlanePoint& p) { return map.map(PlanePoint2D(p)); };
  QRectF firstNote;  // the top line of the notes, which the caption follows

  for (const SceneElement& e : scene_->elements) {
    painter.setPen(PenOf(e.style));
    switch (e.kind) {
      case SceneKind::kPolyline: {
        QPolygonF line;
        for (const PlanePoint& p : e.points) line << at(p);
        painter.drawPolyline(line);
        if (e.style == SceneStyle::kScale && line.size() == 2) {
          painter.drawText(line[0] + QPointF(0, -4), QString::fromStdString(e.label));
        }
        break;
      }
      case SceneKind::kPoint: {
        const QPointF p = at(e.points.front());
        if (e.style == SceneStyle::kMeasured || e.style == SceneStyle::kMeasuredOver) {
          // A ring around the design point's dot, its label below the
          // design point's so that both read.
          QPen ring = painter.pen();
          ring.setWidth(2);
          painter.setPen(ring);
          painter.drawEllipse(p, 6, 6);
          painter.drawText(p + QPointF(8, 14), QString::fromStdString(e.label));
          break;
        }
        painter.setBrush(ColourOf(e.style));
        painter.drawEllipse(p, 3, 3);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(p + QPointF(5, -5), QString::fromStdString(e.label));
        break;
      }
      case SceneKind::kArrow: {
        const QPointF tail = at(e.points[0]);
        const QPointF head = at(e.points[1]);
        DrawArrow(painter, tail, head);
        const QString label = QString::fromStdString(e.label);
        if (e.style == SceneStyle::kNorth) {
          painter.drawText(head + QPointF(-metrics.horizontalAdvance(label) / 2.0, -4), label);
        } else {
          // Beside the tail, on the side away from the border the arrow points to.
          const QPointF away = tail - (head - tail) * 0.2;
          QRectF box = metrics.boundingRect(label);
          box.moveCenter(away);
          box = box.translated(LabelShift(2 - box.left(), width() - 2 - box.right()),
                               LabelShift(2 - box.top(), height() - 2 - box.bottom()));
          painter.drawText(box, Qt::AlignCenter, label);
        }
        break;
      }
      case SceneKind::kText: {
        // Notes sit on a pale ground so that lines behind them do not cross the words.
        const QString text = QString::fromStdString(e.label);
        const QPointF topLeft = at(e.points.front());
        const QRectF box(topLeft, QSizeF(metrics.horizontalAdvance(text) + 4, metrics.height()));
        painter.fillRect(box, kSketchNoteGround);
        painter.drawText(box.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        if (firstNote.isNull()) firstNote = box;
        break;
      }
    }
  }
  if (!caption_.isEmpty()) {
    // On a ground of its own, so that it is read first and never taken
    // for one of the notes of the cap the boxes show; on the notes' top
    // line, after its short first note, where a window narrower than the
    // form still shows it.
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics captionMetrics(bold);
    const double left = firstNote.isNull() ? 36 : firstNote.right() + 12;
    const double top = firstNote.isNull() ? 6 : firstNote.top();
    const QRectF box(left, top, captionMetrics.horizontalAdvance(caption_) + 10, captionMetrics.height());
    painter.fillRect(box, kSketchCaptionGround);
    painter.setPen(kSketchInk);
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, caption_);
  }
}

}  // namespace capset