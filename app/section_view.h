#pragma once
// The cross-section at one station, drawn small: the road bed from edge to
// edge through the centreline with the vertical exaggerated (said on the
// view), each side's cross slope in percent, the edges' and the centre's
// elevations when there is a profile, and the design line marked.

#include <QWidget>
#include <optional>
#include <string>

#include "section_picture.h"

namespace capset {

class SectionView : public QWidget {
  Q_OBJECT

 public:
  explicit SectionView(QWidget* parent = nullptr);
  // Nothing empties the view; `caption` names the station.
  void SetPicture(std::optional<SectionPicture> picture, std::string caption);
  const std::optional<SectionPicture>& Picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<SectionPicture> picture_;
  std::string caption_;
};

}  // namespace capset
