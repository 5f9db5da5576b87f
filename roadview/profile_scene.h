#pragma once
// The profile view's picture in (distance, elevation), made once for a
// profile and drawn at any scale: the design line (grade lines and each
// vertical curve sampled finely enough for any zoom a screen shows), the
// grade lines through the PVIs, the PVIs named, the grade of each stretch,
// the road's key points and a tick every 100 m of station along the bottom,
// and the bents of the log at their stations on the design line.
//
// Notation
//   d  distance along the road (x of the view), H elevation (y)

#include <string>
#include <vector>

#include "plan_caps.h"
#include "profile.h"
#include "road.h"

namespace capset {

struct ProfilePoint {
  double distance, elevation;
};

struct ProfileMark {
  double distance, elevation;
  std::string label;
};

struct ProfileScene {
  std::vector<ProfilePoint> line;     // the design line, in order of distance
  std::vector<ProfilePoint> tangents; // the PVIs: the grade lines meet there
  std::vector<ProfileMark> pvis;      // "变坡点 3", with its station beneath
  std::vector<std::string> pviStations;
  std::vector<ProfileMark> grades;    // at each stretch's middle on its grade line: "+5.000%"
  std::vector<ProfileMark> keys;      // the road's key points within the profile (ZH1 …)
  std::vector<ProfileMark> ticks;     // whole hundreds of station ("K5+100"); km in `kilometre`
  std::vector<bool> kilometre;
  std::vector<ProfileMark> bents;     // the caps of the log on the design line
  double minDistance = 0, maxDistance = 1, minElevation = 0, maxElevation = 1;
};

// `road` may be null (stations are then distances; no key points, no bents).
ProfileScene MakeProfileScene(const Profile& profile, const Road* road, const std::vector<PlanCapMark>& caps);

// The mapping between (distance, elevation) and the view's pixels (x right,
// y down): a horizontal scale and the vertical one `ratio` times larger.
//   x = w/2 + s·(d − cd),   y = h/2 − s·k·(H − cH)
class ProfileMapping {
 public:
  void SetView(double width, double height);
  // The scene's whole extent in view within margins (pixels), the vertical
  // scale exaggerated by a round ratio (1, 2, 5, 10, 20 …) that lets the
  // rise of the profile fill the height.
  void Fit(const ProfileScene& scene, double left, double right, double top, double bottom);
  double X(double distance) const { return w_ / 2 + s_ * (distance - cd_); }
  double Y(double elevation) const { return h_ / 2 - s_ * k_ * (elevation - ch_); }
  double Distance(double x) const { return cd_ + (x - w_ / 2) / s_; }
  double Elevation(double y) const { return ch_ - (y - h_ / 2) / (s_ * k_); }
  void ZoomAbout(double x, double y, double factor);
  void Pan(double dx, double dy);
  double scale() const { return s_; }
  double ratio() const { return k_; }
  double width() const { return w_; }
  double height() const { return h_; }

 private:
  double s_ = 1, k_ = 1, w_ = 1, h_ = 1, cd_ = 0, ch_ = 0;
};

}  // namespace capset
