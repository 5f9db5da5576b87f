#include "landxml_reading.h"

namespace capset {

std::variant<LandXmlFile, LandXmlProblem> LandXmlReading::ReadPath(const std::string& path) const {
  return ReadLandXmlPath(path);
}

std::optional<LandXmlProblem> LandXmlReading::Read(const std::string& path) {
  auto read = ReadPath(path);
  if (auto* problem = std::get_if<LandXmlProblem>(&read)) return *problem;
  file_ = std::move(std::get<LandXmlFile>(read));
  return std::nullopt;
}

std::vector<RoadFileAlignment> LandXmlReading::Alignments() const {
  std::vector<RoadFileAlignment> list;
  list.reserve(file_.alignments.size());
  for (const LandXmlAlignment& a : file_.alignments) list.push_back({a.name, a.length, a.staStart});
  return list;
}

std::variant<RoadInput, LandXmlProblem> LandXmlReading::RoadNamed(const std::optional<std::string>& name) const {
  return ChooseAlignment(file_, name);
}

std::variant<RoadInput, LandXmlProblem> LandXmlReading::RoadAt(int index) const {
  return AlignmentRoad(file_.alignments.at(static_cast<std::size_t>(index)));
}

RoadFileUnit LandXmlReading::Unit() const {
  return {file_.linearUnit, file_.metresPerUnit, file_.metresPerUnit == kUSSurveyFoot};
}

std::optional<RoadFileProfile> LandXmlReading::ProfileAt(int index, const Road& road) const {
  const LandXmlAlignment& alignment = file_.alignments.at(static_cast<std::size_t>(index));
  if (!alignment.profile) return std::nullopt;
  return PlacedProfile(*alignment.profile, road);
}

}  // namespace capset
