// Reading an alignment's design profile: Profile/ProfAlign, its 变坡点
// (PVI) and vertical curves (ParaCurve, UnsymParaCurve, CircCurve).
//
// Each element's text is "station elevation": the station as the alignment
// prints it (its staStart and station equations), both in the file's unit.
// Stations, elevations, lengths and radii are read in metres as the plan's
// numbers are. Only what a single row can get wrong is refused here (a
// number that is not one, a missing length); whether the rows make a
// profile, and whether it lies on the road, is the profile's own question,
// asked when the road it stands on is known.

#include <cmath>

#include "landxml_reader.h"
#include "landxml_texts.h"

namespace capset {
namespace {

// A curve's stated lengths and a circle's radius; a ParaCurve of length 0
// alone is something (a plain grade break).
constexpr FieldRange kCurveRange{kLeastLength, kMostLength};

}  // namespace

void Reader::ReadProfile(std::optional<RoadFileProfile>& profile) {
  while (xml_.ReadNextStartElement()) {
    if (!Named("ProfAlign")) {
      xml_.SkipCurrentElement();  // ProfSurf: the ground, not the design
      continue;
    }
    if (!profile) {
      profile = ReadProfAlign();
      continue;
    }
    // The first is the one read; the others are named, so the user knows
    // which one the heights come from.
    profile->others.push_back(Attribute("name"));
    xml_.SkipCurrentElement();
  }
}

RoadFileProfile Reader::ReadProfAlign() {
  RoadFileProfile profile;
  profile.name = Attribute("name");
  profile.line = xml_.LineNumber();
  ProfileInput input;
  std::optional<LandXmlProblem> problem;
  while (xml_.ReadNextStartElement()) {
    if (problem || ++elementCount_ > kMostLandXmlElements) {
      xml_.SkipCurrentElement();  // the file is refused for its size where the reader comes back up
      continue;
    }
    if (Named("Feature")) {
      xml_.SkipCurrentElement();  // a program's own notes
      continue;
    }
    RoadFileProfileRow where{std::string(xml_.Name()), xml_.LineNumber()};
    auto row = ReadPvi();
    if (auto* p = std::get_if<LandXmlProblem>(&row)) {
      problem = *p;
      continue;
    }
    input.rows.push_back(std::get<PviInput>(row));
    profile.rows.push_back(std::move(where));
  }
  if (problem) profile.read = *problem;
  else profile.read = std::move(input);
  return profile;
}

std::variant<PviInput, LandXmlProblem> Reader::ReadPvi() {
  const std::string name(xml_.Name());
  PviInput row{{0}, 0};
  std::optional<double> length, length2, radius;
  // A stated number in metres; `missing` names what is missing when it is not there.
  auto attribute = [this](const char* which, std::optional<double>& into, FieldRange range, const char* missing,
                          bool zero = false) -> std::optional<LandXmlProblem> {
    auto read = Number(which, false, range, zero);
    if (auto* p = std::get_if<LandXmlProblem>(&read)) return *p;
    into = std::get<0>(read);
    if (into) return std::nullopt;
    return Here(LandXmlFault::kMissing, missing);
  };
  std::optional<LandXmlProblem> problem;
  if (name == "PVI") {
    row.curve = VerticalCurveKind::kNone;
  } else if (name == "ParaCurve") {
    // A parabola of length 0 is a plain grade break.
    problem = attribute("length", length, kLengthRange, kLandXmlLengthPart, true);
    row.curve = length == 0.0 ? VerticalCurveKind::kNone : VerticalCurveKind::kLength;
    row.length = length.value_or(0);
  } else if (name == "UnsymParaCurve") {
    problem = attribute("lengthIn", length, kCurveRange, kLandXmlLengthInPart);
    if (!problem) problem = attribute("lengthOut", length2, kCurveRange, kLandXmlLengthOutPart);
    row.curve = VerticalCurveKind::kAsymmetric;
    row.length = length.value_or(0);
    row.length2 = length2.value_or(0);
  } else if (name == "CircCurve") {
    // The radius makes the circle; the stated arc length is checked against it.
    problem = attribute("radius", radius, kCurveRange, kLandXmlRadiusPart);
    if (!problem) problem = attribute("length", length, kCurveRange, kLandXmlLengthPart);
    row.curve = VerticalCurveKind::kCircle;
    row.radius = radius.value_or(0);
    row.length = length.value_or(0);
  } else {
    // Passed over whole, so that what follows the profile is read where it stands.
    const LandXmlProblem unknown = Here(LandXmlFault::kUnknownProfileElement, name);
    xml_.SkipCurrentElement();
    return unknown;
  }
  if (problem) {
    xml_.SkipCurrentElement();
    return *problem;
  }
  LandXmlProblem bad = Here(LandXmlFault::kBadPvi);
  const std::string text = xml_.ReadElementText();
  if (xml_.HasError()) return StreamProblem();
  const std::vector<std::string_view> parts = XmlWords(text);
  const std::optional<double> station = parts.size() == 2 ? LandXmlNumber(parts[0]) : std::nullopt;
  const std::optional<double> elevation = parts.size() == 2 ? LandXmlNumber(parts[1]) : std::nullopt;
  if (!station || !elevation) {
    bad.value = ShownAsWritten(text);
    return bad;
  }
  row.station = {*station * metresPerUnit_};
  row.elevation = *elevation * metresPerUnit_;
  return row;
}

RoadFileProfile PlacedProfile(const RoadFileProfile& profile, const Road& road) {
  RoadFileProfile placed = profile;
  if (auto* input = std::get_if<ProfileInput>(&placed.read)) *input = PlacedByOrder(std::move(*input), road);
  return placed;
}

}  // namespace capset
