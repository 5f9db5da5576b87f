#pragma once
// The plan sketch in the window's middle band: a small child widget that
// keeps the last cap it was given and paints its scene. The scene is made
// without the toolkit (sketch_scene.h); here it is only mapped to the band
// by one transform and drawn.

#include <QString>
#include <QTransform>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "cap_solution.h"
#include "sketch_scene.h"

namespace capset {

class SketchView : public QWidget {
 public:
  explicit SketchView(QWidget* parent = nullptr);

  // Shows the plan of this cap; the band is empty again after Clear(). A
  // cap that is not the one the boxes show comes with a caption that says
  // which it is (a row of the log), drawn on the top line of the notes.
  void ShowCap(const CapSolution& solution, const QString& caption = {});
  // Points measured on site beside their design points, on the cap shown
  // (until another cap is shown).
  void ShowMarks(std::vector<MeasuredMark> marks);
  // Shows the plan of a cap solved exactly on `road` (a row of the log).
  void ShowRoadCap(std::shared_ptr<const Road> road, const RoadCap& cap, double leftHalfWidth, double rightHalfWidth,
                   const QString& caption);
  void Clear();
  const QString& Caption() const { return caption_; }

  // The scene as it stands; nothing while the band is empty.
  const std::optional<SketchScene>& Scene() const { return scene_; }

  // Plane coordinates (X north, Y east) to the widget's pixels.
  QTransform PlaneToPixels() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void MakeScene();
  void MakeSceneUnguarded();
  void Paint(QPainter& painter);

  std::optional<CapSolution> solution_;
  // An exact cap: the scene is made from it and its road at the band's size.
  std::function<SketchScene(SketchViewport)> roadScene_;
  QString caption_;
  std::vector<MeasuredMark> marks_;
  std::optional<SketchScene> scene_;
};

}  // namespace capset
