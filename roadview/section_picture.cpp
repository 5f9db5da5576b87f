#include "section_picture.h"

namespace capset {

SectionPicture MakeSectionPicture(const CrossSection& section, const RoadHeights* heights, double distance) {
  const CrossSectionSpec& spec = section.spec();
  const SectionAt at = section.At(distance);
  std::optional<double> base;
  if (heights != nullptr) {
    if (const ProfileAnswer a = heights->profile().At(distance); a.height) base = a.height->elevation;
  }
  auto point = [&](double offset) {
    const double rise = section.RiseAt(distance, offset);
    return SectionPoint{offset, rise, base ? std::optional<double>(*base + rise) : std::nullopt};
  };
  const double left = spec.leftWidth > 0 ? spec.leftWidth : kNominalHalfWidth;
  const double right = spec.rightWidth > 0 ? spec.rightWidth : kNominalHalfWidth;
  return {at.left, at.right, point(-left), point(0), point(right), point(spec.design), spec.leftWidth > 0,
          spec.rightWidth > 0};
}

}  // namespace capset
