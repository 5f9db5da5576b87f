#include "landxml_core_format.h"

#include "landxml_write.h"
#include "road_window_texts.h"

namespace capset {

std::string LandXmlDate(const LocalTime& time) { return DateText(time); }

std::string LandXmlTime(const LocalTime& time) {
  // The clock's text after the date: "2026-03-01 09:30:05".
  return DateTimeText(time).substr(DateText(time).size() + 1);
}

std::string LandXmlCoreFormat::Write(const Road& road, const std::vector<RoadFilePvi>& profile) const {
  const LocalTime now = clock_ ? clock_() : SystemLocalTime();
  return WriteLandXml(road, kRoadName, LandXmlDate(now), LandXmlTime(now), profile);
}

}  // namespace capset
