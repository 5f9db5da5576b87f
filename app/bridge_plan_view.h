#pragma once
// The plan of a bridge on its road: the road along the bridge, every
// bent's cap axis, outlines and pile grids, its points with their names
// (names thinned where they would run into each other, the chosen bent's
// first), the chosen bent drawn stronger. The wheel zooms about the mouse,
// a drag pans, F or Home fits the bridge; the status line hears the point
// under the mouse, its station and offset.

#include <QPainter>

#include "bridge_scene.h"
#include "plan_mapping.h"
#include "road.h"
#include "zoom_pan_view.h"

namespace capset {

class BridgePlanView : public ZoomPanView {
  Q_OBJECT

 public:
  explicit BridgePlanView(QWidget* parent = nullptr);

  // The scene and the road it lies on (not owned: it must outlive the view
  // or be replaced). With `fit` the bridge is fitted into view.
  void SetScene(BridgeScene scene, const Road* road, bool fit);
  void Clear();
  const BridgeScene& Scene() const { return scene_; }
  // The bent drawn stronger, by its index in the scene; -1: none.
  void SetChosen(int bent);
  int Chosen() const { return chosen_; }
  void Fit() override;
  // The bent, by its index in the scene, fitted into view with its neighbours' edges.
  void ShowBent(int bent);
  QString PositionText(QPoint pixel) const override;
  // The bent of the point nearest the pixel, within a few pixels of it; -1: none.
  int BentAt(QPoint pixel) const;

 signals:
  // A point double-clicked: its bent, by its index in the scene.
  void BentClicked(int bent);

 public:
  const PlanMapping& Mapping() const { return mapping_; }
  // The picture at the view's size; the labels drawn come back (their points' indices).
  std::vector<int> Paint(QPainter& painter);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void ZoomAt(QPointF at, double factor) override;
  void PanBy(double dx, double dy) override;

 private:
  BridgeScene scene_;
  const Road* road_ = nullptr;
  PlanMapping mapping_;
  int chosen_ = -1;
  bool fitted_ = false;
  bool moved_ = false;  // zoomed or panned since the last fit
};

}  // namespace capset
