#include "zoom_pan_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cmath>

namespace capset {

ZoomPanView::ZoomPanView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
}

void ZoomPanView::wheelEvent(QWheelEvent* event) {
  ZoomAt(event->position(), std::pow(1.25, event->angleDelta().y() / 120.0));
  update();
  event->accept();
}

void ZoomPanView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragFrom_ = event->position().toPoint();
}

void ZoomPanView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (dragFrom_) {
    PanBy(at.x() - dragFrom_->x(), at.y() - dragFrom_->y());
    dragFrom_ = at;
    update();
  }
  emit PositionChanged(PositionText(at));
}

void ZoomPanView::mouseReleaseEvent(QMouseEvent*) { dragFrom_.reset(); }

void ZoomPanView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F || event->key() == Qt::Key_Home) {
    Fit();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace capset
