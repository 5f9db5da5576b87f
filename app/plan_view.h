#pragma once
// The plan of the whole road: the centreline by element kind (straights,
// spirals, arcs each their colour), the JD polygon, a tick every 100 m with
// its K label, the key points and the caps of the log. The wheel zooms
// about the mouse, a drag pans, F or Home fits the road; the station and
// offset under the mouse go out as the mouse moves.
//
// The scene is made once per road (plan_scene.h); a paint maps it through
// the mapping and draws only the runs, ticks and labels in view.

#include <QPainter>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "plan_caps.h"
#include "plan_mapping.h"
#include "plan_scene.h"
#include "road.h"
#include "zoom_pan_view.h"

namespace capset {

class PlanView : public ZoomPanView {
  Q_OBJECT

 public:
  explicit PlanView(QWidget* parent = nullptr);

  // The road to draw (not owned: it must outlive the view or be replaced);
  // nothing empties the plan. With `fit` the road is fitted into view;
  // otherwise the view stays where it is (the road was only edited).
  void SetRoad(const Road* road, bool fit = true);
  void SetCaps(std::vector<PlanCapMark> caps);
  const std::vector<PlanCapMark>& Caps() const { return caps_; }
  void Fit() override;
  const PlanMapping& Mapping() const { return mapping_; }
  PlanMapping& Mapping() { return mapping_; }
  // What the status line says for a pixel of the view: station and offset
  // of the point under it, or why it has none.
  QString PositionText(QPoint pixel) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void ZoomAt(QPointF at, double factor) override;
  void PanBy(double dx, double dy) override;
  void Paint(QPainter& painter);
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  const Road* road_ = nullptr;
  std::optional<PlanScene> scene_;
  std::vector<PlanCapMark> caps_;
  PlanMapping mapping_;
  bool fitted_ = false;
};

}  // namespace capset
