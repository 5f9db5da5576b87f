#include "landxml_format.h"

#include <QDateTime>

#include "landxml_read.h"
#include "landxml_write.h"
#include "road_window_texts.h"

namespace capset {

std::variant<LandXmlFile, LandXmlProblem> LandXmlFormat::ReadPath(const std::string& path) const {
  return ReadLandXmlFile(QString::fromStdString(path));
}

std::string LandXmlFormat::Write(const Road& road, const std::vector<RoadFilePvi>& profile) const {
  const QDateTime now = QDateTime::currentDateTime();
  return WriteLandXml(road, kRoadName, now.toString(Qt::ISODate).left(10).toStdString(),
                      now.time().toString(QStringLiteral("HH:mm:ss")).toStdString(), profile);
}

}  // namespace capset
