#pragma once
// LandXML as the session's road file format on the desktop: read as the
// core reads it (landxml_reading.h), from the toolkit's files with their
// encodings, and written as the core writes it (landxml_core_format.h).

#include "landxml_core_format.h"

namespace capset {

class LandXmlFormat : public LandXmlCoreFormat {
 public:
  using LandXmlCoreFormat::LandXmlCoreFormat;

 protected:
  std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& path) const override;
};

}  // namespace capset
