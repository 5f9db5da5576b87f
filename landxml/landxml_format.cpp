#include "landxml_format.h"

#include "landxml_read.h"

namespace capset {

std::variant<LandXmlFile, LandXmlProblem> LandXmlFormat::ReadPath(const std::string& path) const {
  return ReadLandXmlFile(QString::fromStdString(path));
}

}  // namespace capset
