#include "cross_section.h"

#include <cmath>

namespace capset {

// First form: the normal crown, its design line and half-widths; the
// transitions and the table of slopes come next.
CrossSectionBuild CrossSection::Build(const CrossSectionSpec& spec) {
  CrossSection section;
  section.spec_ = spec;
  return {section, std::nullopt};
}

SectionAt CrossSection::At(double /*distance*/) const { return {-spec_.crown, -spec_.crown, 0}; }

double CrossSection::RiseAt(double distance, double offset) const {
  const SectionAt s = At(distance);
  const double normalDesign = -spec_.crown * std::fabs(spec_.design) / 100;
  const double slope = offset < 0 ? s.left : s.right;
  return s.centreRise + slope * std::fabs(offset) / 100 - normalDesign;
}

}  // namespace capset
