#include "section_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "heights_window_texts.h"
#include "look.h"
#include "view_guard.h"

namespace capset {
namespace {

const QColor kBedColour{20, 60, 170};
const QColor kDesignColour{200, 90, 0};
const QColor kInk{40, 40, 40};
constexpr double kExaggeration = 10;

}  // namespace

SectionView::SectionView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(320, 220);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void SectionView::SetPicture(std::optional<SectionPicture> picture, std::string caption) {
  picture_ = std::move(picture);
  caption_ = std::move(caption);
  update();
}

void SectionView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(PlainFont(12));
  painter.setPen(kInk);
  painter.drawText(QRectF(8, 4, width() - 16, 20), Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(caption_));
  if (!picture_) return;
  Guarded([&] {
    const SectionPicture& p = *picture_;
    painter.setRenderHint(QPainter::Antialiasing);
    // Metres across to pixels: the bed fills the width within margins for its labels.
    const double span = p.rightEdge.offset - p.leftEdge.offset;
    const double s = (width() - 60.0) / std::max(span, 1e-3);
    const double k = s * kExaggeration;
    const double midRise = p.centre.rise;
    const double cx = 30 - p.leftEdge.offset * s, cy = height() * 0.55;
    auto at = [&](const SectionPoint& q) { return QPointF(cx + q.offset * s, cy - (q.rise - midRise) * k); };
    // The road bed, and the ground below it shaded.
    QPainterPath bed;
    bed.moveTo(at(p.leftEdge));
    bed.lineTo(at(p.centre));
    bed.lineTo(at(p.rightEdge));
    QPainterPath body = bed;
    body.lineTo(at(p.rightEdge) + QPointF(-12, 40));
    body.lineTo(at(p.leftEdge) + QPointF(12, 40));
    body.closeSubpath();
    painter.fillPath(body, QColor(235, 238, 245));
    painter.setPen(QPen(kBedColour, 2.5));
    painter.drawPath(bed);
    // The centreline.
    painter.setPen(QPen(kInk, 1, Qt::DashDotLine));
    painter.drawLine(QPointF(cx, 30), QPointF(cx, height() - 8));
    // Slopes over each side, elevations under each point.
    painter.setFont(PlainFont(12));
    painter.setPen(kInk);
    const QPointF l = at(p.leftEdge), c = at(p.centre), r = at(p.rightEdge);
    painter.drawText(QRectF(l.x(), (l.y() + c.y()) / 2 - 26, c.x() - l.x(), 18), Qt::AlignCenter,
                     QString::fromStdString(SlopeLabel(true, p.left)));
    painter.drawText(QRectF(c.x(), (r.y() + c.y()) / 2 - 26, r.x() - c.x(), 18), Qt::AlignCenter,
                     QString::fromStdString(SlopeLabel(false, p.right)));
    auto label = [&](const SectionPoint& q, const char* word, bool given, Qt::Alignment align, double dx) {
      if (!q.elevation || !given) return;
      const QPointF a = at(q);
      const QString text = QString::fromStdString(EdgeLabel(word, *q.elevation));
      const double w = painter.fontMetrics().horizontalAdvance(text) + 4;
      const double x = std::clamp(align == Qt::AlignLeft ? a.x() + dx : align == Qt::AlignRight ? a.x() - w + dx : a.x() - w / 2,
                                  2.0, width() - w - 2);
      painter.drawText(QRectF(x, a.y() + 46, w, 18), Qt::AlignCenter, text);
    };
    label(p.leftEdge, kLeftEdgeWord, p.leftGiven, Qt::AlignLeft, -4);
    label(p.centre, kCentreWord, true, Qt::AlignLeft, 6);  // beside the centreline, not across it
    label(p.rightEdge, kRightEdgeWord, p.rightGiven, Qt::AlignRight, 4);
    // The design line: a triangle on its point, named.
    const QPointF d = at(p.design);
    painter.setPen(QPen(kDesignColour, 1.5));
    painter.setBrush(kDesignColour);
    painter.drawPolygon(QPolygonF({d, d + QPointF(-6, -10), d + QPointF(6, -10)}));
    painter.setBrush(Qt::NoBrush);
    QString design = QString::fromUtf8(kDesignLineWord);
    if (p.design.elevation) design += QStringLiteral(" ") + QString::fromStdString(EdgeLabel("", *p.design.elevation)).trimmed();
    const double w = painter.fontMetrics().horizontalAdvance(design) + 4;
    painter.drawText(QRectF(std::clamp(d.x() - w / 2, 2.0, width() - w - 2), d.y() - 30, w, 18), Qt::AlignCenter, design);
    painter.setPen(kInk);
    painter.setFont(PlainFont(11));
    painter.drawText(QRectF(8, height() - 22, width() - 16, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(ExaggerationText(kExaggeration)));
  });
}

}  // namespace capset
