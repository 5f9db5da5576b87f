#pragma once
// What the road window's drawings share: a white view that the wheel zooms
// about the mouse, a drag pans, F or Home fits whole, and that says what
// lies under the mouse as it moves. Each drawing maps and fits its own way.

#include <QPoint>
#include <QString>
#include <QWidget>
#include <optional>

namespace capset {

class ZoomPanView : public QWidget {
  Q_OBJECT

 public:
  explicit ZoomPanView(QWidget* parent = nullptr);
  virtual void Fit() = 0;
  // What the status line says for a pixel of the view.
  virtual QString PositionText(QPoint pixel) const = 0;

 signals:
  void PositionChanged(const QString& text);

 protected:
  // Scales by `factor` about the pixel; moves by pixels.
  virtual void ZoomAt(QPointF at, double factor) = 0;
  virtual void PanBy(double dx, double dy) = 0;

  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::optional<QPoint> dragFrom_;
};

}  // namespace capset
