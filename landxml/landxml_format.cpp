#include "landxml_format.h"

#include <QDateTime>

#include "landxml_write.h"
#include "road_window_texts.h"

namespace capset {

std::optional<LandXmlProblem> LandXmlFormat::Read(const std::string& path) {
  auto read = ReadLandXmlFile(QString::fromStdString(path));
  if (auto* problem = std::get_if<LandXmlProblem>(&read)) return *problem;
  file_ = std::move(std::get<LandXmlFile>(read));
  return std::nullopt;
}

std::vector<RoadFileAlignment> LandXmlFormat::Alignments() const {
  std::vector<RoadFileAlignment> list;
  list.reserve(file_.alignments.size());
  for (const LandXmlAlignment& a : file_.alignments) list.push_back({a.name, a.length, a.staStart});
  return list;
}

std::variant<RoadInput, LandXmlProblem> LandXmlFormat::RoadNamed(const std::optional<std::string>& name) const {
  return ChooseAlignment(file_, name);
}

std::variant<RoadInput, LandXmlProblem> LandXmlFormat::RoadAt(int index) const {
  return AlignmentRoad(file_.alignments.at(static_cast<std::size_t>(index)));
}

RoadFileUnit LandXmlFormat::Unit() const {
  return {file_.linearUnit, file_.metresPerUnit, file_.metresPerUnit == kUSSurveyFoot};
}

std::optional<RoadFileProfile> LandXmlFormat::ProfileAt(int index, const Road& road) const {
  const LandXmlAlignment& alignment = file_.alignments.at(static_cast<std::size_t>(index));
  if (!alignment.profile) return std::nullopt;
  return PlacedProfile(*alignment.profile, road);
}

std::string LandXmlFormat::Write(const Road& road, const std::vector<RoadFilePvi>& profile) const {
  const QDateTime now = QDateTime::currentDateTime();
  return WriteLandXml(road, kRoadName, now.toString(Qt::ISODate).left(10).toStdString(),
                      now.time().toString(QStringLiteral("HH:mm:ss")).toStdString(), profile);
}

}  // namespace capset
