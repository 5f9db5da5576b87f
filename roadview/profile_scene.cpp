#include "profile_scene.h"

#include <algorithm>
#include <cmath>

#include "heights_window_texts.h"
#include "number_text.h"
#include "profile_summary.h"
#include "station_text.h"
#include "station_ticks.h"

namespace capset {
namespace {

// A curve is sampled every this many metres, and at least this often: its
// sagitta between samples, x²/(8R) for x of 2 m and R of 100 m, is 5 mm.
constexpr double kSampleStep = 2;
constexpr int kLeastSamples = 16;
constexpr double kTickSpacing = 100;
constexpr double kFitRatios[] = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

double ElevationAt(const Profile& profile, double distance) {
  const ProfileAnswer a = profile.At(distance);
  return a.height ? a.height->elevation : 0;
}

}  // namespace

ProfileScene MakeProfileScene(const Profile& profile, const Road* road, const std::vector<PlanCapMark>& caps) {
  ProfileScene scene;
  const auto& rows = profile.rows();
  const std::vector<VerticalCurveElements> curves = profile.Curves();
  // The design line: each PVI's curve sampled, straight between.
  scene.line.push_back({rows.front().distance, rows.front().elevation});
  for (const VerticalCurveElements& c : curves) {
    const double from = c.bvc.distance, to = c.evc.distance;
    const int n = std::max(kLeastSamples, static_cast<int>(std::ceil((to - from) / kSampleStep)));
    for (int i = 0; i <= n; ++i) {
      const double d = i == n ? to : from + (to - from) * i / n;
      scene.line.push_back({d, ElevationAt(profile, d)});
    }
  }
  scene.line.push_back({rows.back().distance, rows.back().elevation});
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const PviRow& r = rows[i];
    scene.tangents.push_back({r.distance, r.elevation});
    scene.pvis.push_back({r.distance, r.elevation, std::to_string(i + 1)});
    scene.pviStations.push_back(DistanceStationText(r.distance, road));
    if (i + 1 < rows.size()) {
      const PviRow& next = rows[i + 1];
      const double grade = (next.elevation - r.elevation) / (next.distance - r.distance);
      scene.grades.push_back({(r.distance + next.distance) / 2, (r.elevation + next.elevation) / 2,
                              SignedPercent(grade * 100) + " " + FixedText(next.distance - r.distance, 3) + " m"});
    }
  }
  const double start = profile.startDistance(), end = profile.endDistance();
  if (road != nullptr) {
    for (const KeyPoint& k : road->keyPoints()) {
      if (k.distance >= start && k.distance <= end) {
        scene.keys.push_back({k.distance, ElevationAt(profile, k.distance), KeyPointName(k)});
      }
    }
    for (const StationTick& t : StationTicks(*road, kTickSpacing)) {
      if (t.distance < start || t.distance > end) continue;
      scene.ticks.push_back({t.distance, 0, StationLabel(std::round(t.station))});
      scene.kilometre.push_back(std::fmod(std::fabs(std::round(t.station)), 1000.0) == 0);
    }
    for (const PlanCapMark& cap : caps) {
      const RoadFoot foot = road->Where(cap.centre);
      if (foot.status != WhereStatus::kOnRoad || foot.distance < start || foot.distance > end) continue;
      scene.bents.push_back({foot.distance, ElevationAt(profile, foot.distance), cap.label});
    }
  } else {
    for (double v = std::ceil(start / kTickSpacing) * kTickSpacing; v <= end + 1e-9; v += kTickSpacing) {
      scene.ticks.push_back({v, 0, StationLabel(v)});
      scene.kilometre.push_back(std::fmod(std::fabs(v), 1000.0) == 0);
    }
  }
  scene.minDistance = start;
  scene.maxDistance = end;
  scene.minElevation = scene.maxElevation = rows.front().elevation;
  for (const ProfilePoint& p : scene.line) {
    scene.minElevation = std::min(scene.minElevation, p.elevation);
    scene.maxElevation = std::max(scene.maxElevation, p.elevation);
  }
  for (const PviRow& r : rows) {
    scene.minElevation = std::min(scene.minElevation, r.elevation);
    scene.maxElevation = std::max(scene.maxElevation, r.elevation);
  }
  return scene;
}

void ProfileMapping::SetView(double width, double height) {
  w_ = std::max(width, 1.0);
  h_ = std::max(height, 1.0);
}

void ProfileMapping::Fit(const ProfileScene& scene, double left, double right, double top, double bottom) {
  const double across = std::max(w_ - left - right, 10.0), up = std::max(h_ - top - bottom, 10.0);
  const double length = std::max(scene.maxDistance - scene.minDistance, 1e-3);
  const double rise = std::max(scene.maxElevation - scene.minElevation, 1e-3);
  // Across the width, unless the rise would not fit the height even at
  // ratio 1 (a short, steep stretch): then the height sets the scale.
  s_ = std::min(across / length, up / rise);
  // The largest round ratio at which the rise still fits the height.
  k_ = kFitRatios[0];
  for (const double r : kFitRatios) {
    if (s_ * r * rise <= up) k_ = r;
  }
  cd_ = (scene.minDistance + scene.maxDistance) / 2 - (left - right) / 2 / s_;
  ch_ = (scene.minElevation + scene.maxElevation) / 2 + (top - bottom) / 2 / (s_ * k_);
}

void ProfileMapping::ZoomAbout(double x, double y, double factor) {
  const double d = Distance(x), e = Elevation(y);
  // From a whole road on a screen to a few millimetres a pixel.
  s_ = std::clamp(s_ * factor, 1e-5, 1e3);
  cd_ = d - (x - w_ / 2) / s_;
  ch_ = e + (y - h_ / 2) / (s_ * k_);
}

void ProfileMapping::Pan(double dx, double dy) {
  cd_ -= dx / s_;
  ch_ += dy / (s_ * k_);
}

}  // namespace capset
