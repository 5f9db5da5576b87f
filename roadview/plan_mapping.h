#pragma once
// The plan's mapping between the plane (X north, Y east, metres) and the
// view's pixels (x right, y down), north up: one scale and one centre.
// Zooming keeps the plane point under the mouse where it is; fitting puts
// a box in view with a margin.
//
// Notation
//   s        pixels per metre
//   (cX, cY) the plane point at the view's centre
//   w, h     the view's size in pixels
//   x = w/2 + s·(Y − cY),  y = h/2 − s·(X − cX)

#include <optional>

#include "road.h"

namespace capset {

struct Pixel {
  double x, y;
};

struct PlaneBox {
  double minX, minY, maxX, maxY;
  bool Overlaps(const PlaneBox& o) const { return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY; }
};

class PlanMapping {
 public:
  void SetView(double width, double height);
  void Fit(const PlaneBox& box, double marginPixels);
  Pixel ToPixel(PlanePoint p) const;
  PlanePoint ToPlane(Pixel q) const;
  // Scales by `factor` (clamped to the scales a plan can use) about the pixel.
  void ZoomAbout(Pixel at, double factor);
  void Pan(double dx, double dy);  // pixels
  double scale() const { return s_; }
  PlanePoint centre() const { return c_; }
  double width() const { return w_; }
  double height() const { return h_; }
  PlaneBox Visible() const;

 private:
  double s_ = 1, w_ = 1, h_ = 1;
  PlanePoint c_{0, 0};
};

// The pixel of a station's centreline point; nothing for a station the
// road does not have (or has twice without saying which).
std::optional<Pixel> StationPixel(const PlanMapping& mapping, const Road& road, StationRef station);

// Everything the road covers in the plane.
PlaneBox RoadBox(const Road& road);

}  // namespace capset
