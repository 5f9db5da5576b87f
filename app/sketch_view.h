#pragma once
// The plan sketch in the window's middle band: a small child widget that
// keeps the last cap it was given and paints its scene. The scene is made
// without the toolkit (sketch_scene.h); here it is only mapped to the band
// by one transform and drawn.

#include <QTransform>
#include <QWidget>
#include <optional>

#include "cap_solution.h"
#include "sketch_scene.h"

namespace capset {

class SketchView : public QWidget {
 public:
  explicit SketchView(QWidget* parent = nullptr);

  // Shows the plan of this cap; the band is empty again after Clear().
  void ShowCap(const CapSolution& solution);
  void Clear();

  // The scene as it stands; nothing while the band is empty.
  const std::optional<SketchScene>& Scene() const { return scene_; }

  // Plane coordinates (X north, Y east) to the widget's pixels.
  QTransform PlaneToPixels() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void MakeScene();

  std::optional<CapSolution> solution_;
  std::optional<SketchScene> scene_;
};

}  // namespace capset
