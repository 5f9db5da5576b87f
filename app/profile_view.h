#pragma once
// The profile (纵断面图): the design line, the grade lines through the PVIs
// dashed, each PVI marked and named with its station and elevation, each
// stretch's grade, the road's key points and a tick every 100 m of station
// along the bottom, and the bents of the log at their stations. The
// vertical scale is exaggerated by a round ratio, said on the view. The
// wheel zooms about the mouse, a drag pans, F or Home fits the profile; the
// station, the design elevation and grade there and the elevation under
// the mouse go out as the mouse moves.

#include <optional>

#include "profile_scene.h"
#include "road.h"
#include "zoom_pan_view.h"

class QPainter;

namespace capset {

class ProfileView : public ZoomPanView {
  Q_OBJECT

 public:
  explicit ProfileView(QWidget* parent = nullptr);

  // The profile to draw (not owned: it and the road must outlive the view
  // or be replaced); null empties the view. With `fit` the whole profile
  // comes into view; otherwise the view stays where it is.
  void SetProfile(const Profile* profile, const Road* road, const std::vector<PlanCapMark>& caps, bool fit = true);
  void Fit() override;
  const std::optional<ProfileScene>& Scene() const { return scene_; }
  ProfileMapping& Mapping() { return mapping_; }
  QString PositionText(QPoint pixel) const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void ZoomAt(QPointF at, double factor) override;
  void PanBy(double dx, double dy) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Paint(QPainter& painter);
  void PaintGrid(QPainter& painter);
  void PaintBottom(QPainter& painter);

  const Profile* profile_ = nullptr;
  const Road* road_ = nullptr;
  std::optional<ProfileScene> scene_;
  ProfileMapping mapping_;
  bool fitted_ = false;
};

}  // namespace capset
