#include "profile_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "heights_window_texts.h"
#include "look.h"
#include "number_text.h"
#include "profile_summary.h"
#include "view_guard.h"

namespace capset {
namespace {

const QColor kDesignColour{20, 60, 170};
const QColor kTangentColour{150, 150, 150};
const QColor kPviColour{190, 30, 30};
const QColor kGridColour{232, 232, 232};
const QColor kKeyColour{120, 0, 140};
const QColor kBentColour{0, 120, 0};
const QColor kInk{40, 40, 40};

// The margins the axes' labels take, px.
constexpr double kLeft = 74, kRight = 16, kTop = 40, kBottom = 64;

// A round step (1, 2, 5 × 10ⁿ) of at least `least`.
double RoundStep(double least) {
  const double p = std::pow(10.0, std::floor(std::log10(least)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * p >= least) return m * p;
  }
  return 10 * p;
}

}  // namespace

ProfileView::ProfileView(QWidget* parent) : ZoomPanView(parent) {
  setMinimumSize(300, 200);
}

void ProfileView::SetProfile(const Profile* profile, const Road* road, const std::vector<PlanCapMark>& caps, bool fit) {
  profile_ = profile;
  road_ = road;
  scene_.reset();
  // A profile whose picture cannot be made is not drawn; the page says why.
  if (profile_ != nullptr && !Guarded([&] { scene_ = MakeProfileScene(*profile_, road_, caps); })) scene_.reset();
  if (fit || !fitted_) {
    Fit();
  } else {
    update();
  }
}

void ProfileView::Fit() {
  mapping_.SetView(width(), height());
  if (scene_) mapping_.Fit(*scene_, kLeft + 10, kRight + 10, kTop + 40, kBottom + 10);
  fitted_ = scene_.has_value() && isVisible();
  update();
}

void ProfileView::resizeEvent(QResizeEvent*) {
  mapping_.SetView(width(), height());
  if (!fitted_) Fit();
}

void ProfileView::showEvent(QShowEvent*) {
  if (!fitted_) Fit();
}

void ProfileView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!scene_) return;
  Guarded([&] { Paint(painter); });
}

void ProfileView::PaintGrid(QPainter& painter) {
  // Elevations: a line every round step of at least 28 px, labelled on the left.
  const double step = RoundStep(28 / (mapping_.scale() * mapping_.ratio()));
  const double low = mapping_.Elevation(height() - kBottom), high = mapping_.Elevation(kTop);
  painter.setFont(PlainFont(11));
  const int decimals = step >= 1 ? 0 : step >= 0.1 ? 1 : 2;
  for (double h = std::ceil(low / step) * step; h <= high; h += step) {
    const double y = mapping_.Y(h);
    painter.setPen(QPen(kGridColour, 1));
    painter.drawLine(QPointF(kLeft, y), QPointF(width() - kRight, y));
    painter.setPen(kInk);
    const QString label = QString::fromStdString(FixedText(h, decimals));
    painter.drawText(QRectF(2, y - 9, kLeft - 8, 18), Qt::AlignRight | Qt::AlignVCenter, label);
  }
  // Station ticks: every 100 m, or only whole kilometres when they crowd.
  const bool every = 100 * mapping_.scale() >= 80;
  for (std::size_t i = 0; i < scene_->ticks.size(); ++i) {
    const ProfileMark& t = scene_->ticks[i];
    const bool km = scene_->kilometre[i];
    const double x = mapping_.X(t.distance);
    if (x < kLeft || x > width() - kRight) continue;
    if (!every && !km && 100 * mapping_.scale() < 6) continue;
    painter.setPen(QPen(km ? QColor(205, 205, 205) : kGridColour, 1));
    painter.drawLine(QPointF(x, kTop), QPointF(x, height() - kBottom));
    if (every || (km && 1000 * mapping_.scale() >= 80)) {
      painter.setPen(kInk);
      painter.drawText(QRectF(x - 50, height() - kBottom + 2, 100, 16), Qt::AlignCenter, QString::fromStdString(t.label));
    }
  }
}

void ProfileView::PaintBottom(QPainter& painter) {
  // The road's key points under the station labels, where they keep clear of each other.
  painter.setFont(PlainFont(11));
  double lastRight = -1e9;
  const double y = height() - kBottom + 20;
  for (const ProfileMark& k : scene_->keys) {
    const double x = mapping_.X(k.distance);
    if (x < kLeft || x > width() - kRight) continue;
    painter.setPen(QPen(kKeyColour, 1));
    painter.drawLine(QPointF(x, height() - kBottom), QPointF(x, y));
    const QString label = QString::fromStdString(k.label);
    const double w = painter.fontMetrics().horizontalAdvance(label);
    if (x - w / 2 > lastRight + 4) {
      painter.drawText(QRectF(x - w / 2 - 2, y, w + 4, 16), Qt::AlignCenter, label);
      lastRight = x + w / 2;
    }
  }
}

void ProfileView::Paint(QPainter& painter) {
  PaintGrid(painter);
  painter.setRenderHint(QPainter::Antialiasing);
  const double left = mapping_.Distance(kLeft - 20), right = mapping_.Distance(width() - kRight + 20);
  painter.setClipRect(QRectF(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom));
  // The grade lines through the PVIs, under the design line.
  // Only the stretches in view: a dash pattern is laid along the whole
  // length of what is drawn, off the screen too.
  painter.setPen(QPen(kTangentColour, 1, Qt::DashLine));
  const auto& pvis = scene_->tangents;
  for (std::size_t i = 0; i + 1 < pvis.size(); ++i) {
    if (pvis[i + 1].distance < left || pvis[i].distance > right) continue;
    painter.drawLine(QPointF(mapping_.X(pvis[i].distance), mapping_.Y(pvis[i].elevation)),
                     QPointF(mapping_.X(pvis[i + 1].distance), mapping_.Y(pvis[i + 1].elevation)));
  }
  // The design line, only the part in view.
  const auto& line = scene_->line;
  auto from = std::lower_bound(line.begin(), line.end(), left, [](const ProfilePoint& p, double d) { return p.distance < d; });
  auto to = std::upper_bound(line.begin(), line.end(), right, [](double d, const ProfilePoint& p) { return d < p.distance; });
  if (from != line.begin()) --from;
  if (to != line.end()) ++to;
  QPolygonF design;
  design.reserve(static_cast<int>(to - from));
  // A point within half a pixel of the last one drawn adds nothing: a whole
  // road's samples come down to about one a pixel.
  double lastX = -1e300;
  for (auto p = from; p != to; ++p) {
    const double x = mapping_.X(p->distance);
    if (x - lastX < 0.5 && p + 1 != to) continue;
    design << QPointF(x, mapping_.Y(p->elevation));
    lastX = x;
  }
  painter.setPen(QPen(kDesignColour, 2));
  painter.drawPolyline(design);
  // The PVIs, named with their station and elevation: above a crest and
  // the ends, below a sag, so the name keeps clear of the curve; a name
  // that would run into one already drawn is left out.
  painter.setFont(PlainFont(11));
  std::vector<QRectF> taken;
  auto clear = [&taken](const QRectF& r) {
    return std::none_of(taken.begin(), taken.end(), [&](const QRectF& t) { return t.intersects(r); });
  };
  const auto& marks = scene_->tangents;
  for (std::size_t i = 0; i < scene_->pvis.size(); ++i) {
    const ProfileMark& p = scene_->pvis[i];
    const QPointF at(mapping_.X(p.distance), mapping_.Y(p.elevation));
    if (at.x() < kLeft - 10 || at.x() > width() + 10) continue;
    painter.setPen(QPen(kPviColour, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(at, 4, 4);
    painter.setBrush(Qt::NoBrush);
    const QString name = QString::fromUtf8(kPviHeader) + QString::fromStdString(p.label);
    const QString where = QString::fromStdString(scene_->pviStations[i] + "  " + FixedText(p.elevation, 3));
    const double w = std::max(painter.fontMetrics().horizontalAdvance(name), painter.fontMetrics().horizontalAdvance(where)) + 4;
    bool sag = false;
    if (i > 0 && i + 1 < marks.size()) {
      const double t = (marks[i].distance - marks[i - 1].distance) / (marks[i + 1].distance - marks[i - 1].distance);
      sag = marks[i].elevation < marks[i - 1].elevation + t * (marks[i + 1].elevation - marks[i - 1].elevation);
    }
    // Kept inside the frame, so the first and last PVIs read whole.
    const double x = std::clamp(at.x() - w / 2, kLeft + 2, std::max(kLeft + 2, width() - kRight - w - 2));
    const double y = std::clamp(sag ? at.y() + 10 : at.y() - 44, kTop + 2, std::max(kTop + 2, height() - kBottom - 36));
    const QRectF box(x, y, w, 32);
    if (!clear(box)) continue;
    painter.drawText(QRectF(x, y, w, 16), Qt::AlignCenter, name);
    painter.drawText(QRectF(x, y + 16, w, 16), Qt::AlignCenter, where);
    taken.push_back(box);
  }
  // Each stretch's grade along its middle, where the stretch has room for it
  // and no PVI's name stands there.
  painter.setPen(kInk);
  for (std::size_t i = 0; i < scene_->grades.size(); ++i) {
    const ProfilePoint& a = marks[i];
    const ProfilePoint& b = marks[i + 1];
    const double xa = mapping_.X(a.distance), xb = mapping_.X(b.distance);
    const QString label = QString::fromStdString(scene_->grades[i].label);
    const double w = painter.fontMetrics().horizontalAdvance(label);
    if (xb < kLeft || xa > width() || xb - xa < w + 60) continue;
    const ProfileMark& g = scene_->grades[i];
    const QPointF at(mapping_.X(g.distance), mapping_.Y(g.elevation));
    const double angle = std::atan2(mapping_.Y(b.elevation) - mapping_.Y(a.elevation), xb - xa);
    // The label's extent on the screen, turned with the line.
    const double half = w / 2 * std::fabs(std::cos(angle)) + 20, rise = w / 2 * std::fabs(std::sin(angle)) + 20;
    const QRectF box(at.x() - half, at.y() - rise - 10, 2 * half, 2 * rise);
    if (!clear(box)) continue;
    painter.save();
    painter.translate(at);
    painter.rotate(angle * 180 / M_PI);
    painter.drawText(QRectF(-150, -20, 300, 16), Qt::AlignCenter, label);
    painter.restore();
    taken.push_back(box);
  }
  // The bents of the log, on the design line.
  double lastBent = -1e9;
  for (const ProfileMark& b : scene_->bents) {
    const QPointF at(mapping_.X(b.distance), mapping_.Y(b.elevation));
    if (at.x() < kLeft - 10 || at.x() > width() + 10) continue;
    painter.setPen(QPen(kBentColour, 2));
    painter.drawLine(at, at + QPointF(0, 26));
    painter.drawLine(at + QPointF(-5, 26), at + QPointF(5, 26));
    const QString label = QString::fromStdString(b.label);
    if (at.x() > lastBent + painter.fontMetrics().horizontalAdvance(label) + 6) {
      painter.drawText(at + QPointF(-painter.fontMetrics().horizontalAdvance(label) / 2.0, 42), label);
      lastBent = at.x();
    }
  }
  painter.setClipping(false);
  PaintBottom(painter);
  // The frame and the exaggeration.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kInk, 1));
  painter.drawRect(QRectF(kLeft, kTop, width() - kLeft - kRight, height() - kTop - kBottom));
  painter.setFont(PlainFont(12));
  painter.drawText(QRectF(kLeft, 4, width() - kLeft - kRight, kTop - 8), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(ExaggerationText(mapping_.ratio())));
}

void ProfileView::ZoomAt(QPointF at, double factor) {
  mapping_.ZoomAbout(at.x(), at.y(), factor);
}

void ProfileView::PanBy(double dx, double dy) {
  mapping_.Pan(dx, dy);
}

QString ProfileView::PositionText(QPoint pixel) const {
  if (profile_ == nullptr) return {};
  QString text;
  Guarded([&] {
    const double d = mapping_.Distance(pixel.x());
    const bool onRoad = road_ == nullptr || (d >= 0 && d <= road_->length());
    const std::string station = onRoad ? DistanceStationText(d, road_) : FixedText(d, 3) + " m";
    const ProfileAnswer a = profile_->At(d);
    if (!a.height) {
      text = QString::fromStdString(ProfileOutsideText(station));
      return;
    }
    text = QString::fromStdString(
        ProfilePositionText(station, a.height->elevation, a.height->grade * 100, mapping_.Elevation(pixel.y())));
  });
  return text;
}

}  // namespace capset
