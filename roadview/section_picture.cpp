#include "section_picture.h"

namespace capset {

SectionPicture MakeSectionPicture(const CrossSection& section, const RoadHeights* heights, double distance) {
  const SectionLayout& layout = section.layout();
  const SectionAt at = section.At(distance);
  std::optional<double> base;
  if (heights != nullptr) {
    if (const ProfileAnswer a = heights->profile().At(distance); a.height) base = a.height->elevation;
  }
  auto point = [&](double offset) {
    const double rise = section.RiseAt(distance, offset);
    return SectionPoint{offset, rise, base ? std::optional<double>(*base + rise) : std::nullopt};
  };
  const double left = layout.leftWidth > 0 ? layout.leftWidth : kNominalHalfWidth;
  const double right = layout.rightWidth > 0 ? layout.rightWidth : kNominalHalfWidth;
  return {at.left, at.right, point(-left), point(0), point(right), point(layout.design), layout.leftWidth > 0,
          layout.rightWidth > 0};
}

}  // namespace capset
