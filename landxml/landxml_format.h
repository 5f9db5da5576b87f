#pragma once
// LandXML as the session's road file format on the desktop: read as the
// core reads it (landxml_reading.h), from the toolkit's files with their
// encodings, and written with the toolkit's XML writer.

#include "landxml_reading.h"

namespace capset {

class LandXmlFormat : public LandXmlReading {
 public:
  // Stamped with the local date and time of the writing.
  std::string Write(const Road& road, const std::vector<RoadFilePvi>& profile) const override;

 protected:
  std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& path) const override;
};

}  // namespace capset
