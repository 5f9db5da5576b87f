// Reading LandXML alignments with the streaming XML reader (xmlread/).
//
// The reader holds one token at a time; only an alignment's own elements
// are kept, as small records, so a file's size costs time, not memory.

#include "landxml_file.h"

#include "landxml_reader.h"
#include "landxml_texts.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <numbers>

#include "angles.h"
#include "field_ranges.h"
#include "file_texts.h"
#include "intersection_form.h"
#include "number_rules.h"
#include "number_text.h"
#include "xml_texts.h"

namespace capset {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

std::optional<double> LandXmlNumber(std::string_view text) {
  const ReadResult read = ReadNumber(std::string(XmlTrimmed(text)), NumberSymbols{});  // the C locale's rules, as XML writes numbers
  if (read.status != ReadResult::Status::kNumber) return std::nullopt;
  return read.value;
}

std::string_view XmlTrimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> XmlWords(std::string_view text) {
  std::vector<std::string_view> words;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t from = text.find_first_not_of(" \t\n\r", at);
    if (from == std::string_view::npos) break;
    const std::size_t to = std::min(text.find_first_of(" \t\n\r", from), text.size());
    words.push_back(text.substr(from, to - from));
    at = to;
  }
  return words;
}

std::string ShownAsWritten(std::string_view text) {
  std::string shown;
  for (const std::string_view word : XmlWords(text)) shown += (shown.empty() ? "" : " ") + std::string(word);
  // 60 characters, never a character cut in two.
  std::size_t bytes = 0;
  for (int characters = 0; bytes < shown.size() && characters < 60; ++characters) {
    ++bytes;
    while (bytes < shown.size() && (static_cast<unsigned char>(shown[bytes]) & 0xC0) == 0x80) ++bytes;
  }
  return shown.substr(0, bytes);
}


LandXmlProblem Reader::StreamProblem() const {
  const xml::XmlError& e = xml_.error();
  const long long line = e.line;
  switch (e.fault) {
    case xml::XmlFault::kTooLong: return {LandXmlFault::kTextTooLong, "", line, {}, {}, {}, double(kLongestLandXmlRun)};
    case xml::XmlFault::kCutShort: return {LandXmlFault::kCutShort, "", line};
    // Refused as it stands: nothing it declares is ever used.
    case xml::XmlFault::kDocumentType:
      return {e.entities ? LandXmlFault::kEntity : LandXmlFault::kDtd, "DOCTYPE", line};
    // A reference to an entity that nothing declares (there can be no
    // declaration: a DTD is refused first).
    case xml::XmlFault::kUndeclaredEntity: return {LandXmlFault::kEntity, "", line};
    case xml::XmlFault::kEncoding: return {LandXmlFault::kEncoding, "", 0, {}, e.name};
    case xml::XmlFault::kUnreadable: return {LandXmlFault::kUnreadable, "", 0, {}, source_.Why().empty() ? XmlErrorText(e) : source_.Why()};
    default: return {LandXmlFault::kNotWellFormed, "", line, {}, XmlErrorText(e)};
  }
}

std::variant<std::optional<double>, LandXmlProblem> Reader::Number(const char* attribute, bool infinite,
                                                                   std::optional<FieldRange> range, bool zero) const {
  const std::optional<std::string_view> given = xml_.AttributeValue(attribute);
  if (!given) return std::optional<double>{};
  const std::string_view text = XmlTrimmed(*given);
  if (infinite && text.size() == 3 && (text[0] | 0x20) == 'i' && (text[1] | 0x20) == 'n' && (text[2] | 0x20) == 'f') {
    return std::optional<double>{kNoRadius};
  }
  const std::optional<double> value = LandXmlNumber(text);
  if (!value) {
    LandXmlProblem p = Here(LandXmlFault::kBadNumber, std::string(text));
    p.attribute = attribute;
    return p;
  }
  const double metres = *value * metresPerUnit_;
  if (range && !Within(metres, *range) && !(zero && metres == 0)) {
    LandXmlProblem p = Here(LandXmlFault::kOutOfRange, std::string(text));
    p.attribute = attribute;
    p.range = *range;
    return p;
  }
  return std::optional<double>{metres};
}

std::optional<LandXmlProblem> Reader::Beyond(const char* attribute, double metres, FieldRange range) const {
  if (Within(metres, range)) return std::nullopt;
  LandXmlProblem p = Here(LandXmlFault::kOutOfRange, NumberText(metres, "."));
  p.attribute = attribute;
  p.range = range;
  return p;
}

std::variant<PlanePoint, LandXmlProblem> Reader::Point() {
  if (const auto reference = xml_.AttributeValue("pntRef")) {
    LandXmlProblem p = Here(LandXmlFault::kPointReference, std::string(*reference));
    xml_.SkipCurrentElement();
    return p;
  }
  LandXmlProblem bad = Here(LandXmlFault::kBadPoint);
  const std::string text = xml_.ReadElementText();
  if (xml_.HasError()) return StreamProblem();
  const std::vector<std::string_view> parts = XmlWords(text);
  const std::optional<double> X = parts.size() >= 2 ? LandXmlNumber(parts[0]) : std::nullopt;
  const std::optional<double> Y = parts.size() >= 2 ? LandXmlNumber(parts[1]) : std::nullopt;
  // A third value is the point's elevation, which a plan does not use.
  if (parts.size() < 2 || parts.size() > 3 || !X || !Y) {
    bad.value = ShownAsWritten(text);
    return bad;
  }
  const PlanePoint metres{*X * metresPerUnit_, *Y * metresPerUnit_};
  if (!Within(metres.X, kCoordinateRange) || !Within(metres.Y, kCoordinateRange)) {
    bad.fault = LandXmlFault::kPointOutOfRange;
    bad.value = ShownAsWritten(text);
    return bad;
  }
  return metres;
}

std::variant<LandXmlFile, LandXmlProblem> Reader::Read() {
  LandXmlFile file;
  std::optional<LandXmlProblem> units;
  bool root = false;
  while (!xml_.AtEnd()) {
    if (xml_.ReadNext() != xml::Token::kStartElement) continue;
    if (root || !Named("LandXML")) return Here(LandXmlFault::kNotLandXml, std::string(xml_.Name()));
    root = true;
    while (xml_.ReadNextStartElement()) {
      if (Named("Units")) {
        if (auto p = ReadUnits()) units = p;
      } else if (Named("Alignments")) {
        ReadAlignments(file);
      } else {
        xml_.SkipCurrentElement();  // surfaces, points, parcels: not a road
      }
      if (elementCount_ > kMostLandXmlElements) return Here(LandXmlFault::kTooManyElements);
    }
  }
  if (xml_.HasError()) return StreamProblem();
  if (!root) return LandXmlProblem{LandXmlFault::kNotWellFormed, "", xml_.LineNumber(), {}, "no root element"};
  if (units) return *units;
  file.linearUnit = linearUnit_;
  file.metresPerUnit = metresPerUnit_;
  return file;
}

std::optional<LandXmlProblem> Reader::ReadUnits() {
  std::optional<LandXmlProblem> problem;
  while (xml_.ReadNextStartElement()) {
    const std::string unit = Attribute("linearUnit");
    const bool imperial = Named("Imperial");
    double metresPerUnit = 0;
    if (unit == "USSurveyFoot") metresPerUnit = kUSSurveyFoot;
    else if (unit == "foot") metresPerUnit = kInternationalFoot;
    else if (unit == "meter" || (unit.empty() && !imperial)) metresPerUnit = 1;
    if (metresPerUnit == 0) {
      problem = Here(LandXmlFault::kUnits, unit.empty() ? std::string(xml_.Name()) : unit);
    } else if (metresPerUnit != 1 && alignmentRead_) {
      // What was read before was taken in metres; it cannot be taken back.
      problem = Here(LandXmlFault::kUnitsLate, unit);
    } else if (metresPerUnit != 1 || !unit.empty()) {
      linearUnit_ = unit;
      metresPerUnit_ = metresPerUnit;
    }
    xml_.SkipCurrentElement();
  }
  return problem;
}

void Reader::ReadAlignments(LandXmlFile& file) {
  while (xml_.ReadNextStartElement()) {
    if (Named("Alignment")) {
      alignmentRead_ = true;
      file.alignments.push_back(ReadAlignment());
      ++elementCount_;
    } else {
      xml_.SkipCurrentElement();
    }
    if (elementCount_ > kMostLandXmlElements) return;
  }
}

namespace {

// The start direction from the first element's chord: the chord's azimuth
// less the chord's angle in the element's own frame (0 on a straight).
std::optional<double> StartAzimuth(const ElementInput& first) {
  if (!first.statedStart || !first.statedEnd) return std::nullopt;
  ElementInput alone = first;
  alone.statedStart.reset();
  alone.statedEnd.reset();
  const RoadBuild frame = RoadFromElements({0, {0, 0}, 0, {alone}, {}});
  if (!frame.road) return std::nullopt;
  const PlanePoint end = frame.road->PoseAt(frame.road->length()).point;
  const double inFrame = std::atan2(end.Y, end.X);
  const double chord = std::atan2(first.statedEnd->Y - first.statedStart->Y, first.statedEnd->X - first.statedStart->X);
  return WrappedAzimuth(ToDegrees(chord - inFrame));
}

}  // namespace

LandXmlAlignment Reader::ReadAlignment() {
  LandXmlAlignment alignment{Attribute("name"), kNaN, 0, xml_.LineNumber(), LandXmlProblem{LandXmlFault::kNoAlignment}};
  std::optional<LandXmlProblem> problem;
  std::string lengthText = Attribute("length");
  const auto length = Number("length");
  const auto staStart = Number("staStart", false, kStationRange);
  if (const auto* p = std::get_if<LandXmlProblem>(&length)) problem = *p;
  else if (std::get<0>(length)) alignment.length = *std::get<0>(length);
  if (const auto* p = std::get_if<LandXmlProblem>(&staStart)) problem = problem ? problem : *p;
  else if (std::get<0>(staStart)) alignment.staStart = *std::get<0>(staStart);
  const LandXmlProblem noGeometry = Here(LandXmlFault::kMissing, kLandXmlGeometryPart);

  std::vector<FileElement> elements;
  std::vector<FileEquation> fileEquations;
  bool geometry = false;
  while (xml_.ReadNextStartElement()) {
    if (problem) {
      xml_.SkipCurrentElement();
    } else if (Named("CoordGeom")) {
      geometry = true;
      problem = ReadCoordGeom(elements);
    } else if (Named("StaEquation")) {
      problem = ReadStaEquation(fileEquations);
    } else if (Named("Profile")) {
      ReadProfile(alignment.profile);
    } else {
      xml_.SkipCurrentElement();  // cross sections, cant: not the plan
    }
  }
  if (xml_.HasError()) problem = StreamProblem();
  if (!problem && !geometry) problem = noGeometry;
  if (problem) {
    alignment.road = *problem;
    return alignment;
  }
  // A file may list its equations in any order; where each says where it
  // stands, they go in that order along the road.
  if (std::all_of(fileEquations.begin(), fileEquations.end(), [](const FileEquation& q) { return std::isfinite(q.internal); })) {
    std::stable_sort(fileEquations.begin(), fileEquations.end(),
                     [](const FileEquation& a, const FileEquation& b) { return a.internal < b.internal; });
  }
  std::vector<StationEquation> equations;
  for (const FileEquation& q : fileEquations) equations.push_back(q.equation);
  ElementRoadInput input{alignment.staStart, {0, 0}, 0, {}, equations};
  double sum = 0;
  for (const FileElement& e : elements) {
    input.elements.push_back(e.shape);
    sum += e.shape.length;
  }
  if (!std::isnan(alignment.length) && std::fabs(sum - alignment.length) > kJointTolerance) {
    alignment.road = LandXmlProblem{LandXmlFault::kLengthMismatch, "Alignment", alignment.line, "length", lengthText, {}, sum};
    return alignment;
  }
  if (elements.empty()) {
    alignment.road = LandXmlProblem{LandXmlFault::kRoad, "CoordGeom", alignment.line, {}, {}, {}, 0,
                                    RoadProblem{RoadFault::kNoElements, RoadPart::kBegin, 0}};
    return alignment;
  }
  input.start = *elements.front().shape.statedStart;
  input.azimuth = StartAzimuth(elements.front().shape).value_or(0);
  const RoadBuild built = RoadFromElements(input);
  if (built.problem) {
    const RoadProblem& rp = *built.problem;
    LandXmlProblem p{LandXmlFault::kRoad, "Alignment", alignment.line, {}, {}, {}, 0, rp};
    if (rp.part == RoadPart::kElement && rp.index >= 1 && rp.index <= static_cast<int>(elements.size())) {
      const ElementInput& e = elements[rp.index - 1].shape;
      p.element = e.kind == ElementKind::kLine ? "Line" : e.kind == ElementKind::kArc ? "Curve" : "Spiral";
      p.line = elements[rp.index - 1].line;
    } else if (rp.part == RoadPart::kEquation) {
      p.element = "StaEquation";
    }
    alignment.road = p;
    return alignment;
  }
  alignment.road = input;
  return alignment;
}

std::optional<LandXmlProblem> Reader::ReadStaEquation(std::vector<FileEquation>& equations) {
  const auto back = Number("staBack", false, kStationRange);
  const auto ahead = Number("staAhead", false, kStationRange);
  const auto internal = Number("staInternal", false, kStationRange);
  xml_.SkipCurrentElement();
  for (const auto* v : {&back, &ahead, &internal}) {
    if (const auto* p = std::get_if<LandXmlProblem>(v)) return *p;
  }
  if (!std::get<0>(back)) return Here(LandXmlFault::kMissing, kLandXmlStaBack);
  if (!std::get<0>(ahead)) return Here(LandXmlFault::kMissing, kLandXmlStaAhead);
  equations.push_back({std::get<0>(internal).value_or(kNaN), {*std::get<0>(back), *std::get<0>(ahead)}});
  return std::nullopt;
}

std::optional<LandXmlProblem> Reader::ReadCoordGeom(std::vector<FileElement>& elements) {
  while (xml_.ReadNextStartElement()) {
    std::variant<FileElement, LandXmlProblem> read = Here(LandXmlFault::kTooManyElements);
    if (++elementCount_ <= kMostLandXmlElements) read = ReadElement();
    if (auto* p = std::get_if<LandXmlProblem>(&read)) {
      // What is left of the geometry is passed over; the alignment is refused.
      while (!xml_.AtEnd() && !(xml_.IsEndElement() && Named("CoordGeom"))) xml_.ReadNext();
      return *p;
    }
    FileElement& e = std::get<FileElement>(read);
    if (e.shape.length == 0) continue;  // a point where two elements meet adds nothing
    elements.push_back(std::move(e));
  }
  return std::nullopt;
}

std::variant<FileElement, LandXmlProblem> Reader::ReadElement() {
  const std::string name(xml_.Name());
  ElementInput shape{ElementKind::kLine, 0};
  FileElement element{shape, xml_.LineNumber()};
  const LandXmlProblem here = Here(LandXmlFault::kMissing);
  auto missing = [&here](const char* what) {
    LandXmlProblem p = here;
    p.value = what;
    return p;
  };
  if (name == "Line") {
    shape.kind = ElementKind::kLine;
  } else if (name == "Curve") {
    shape.kind = ElementKind::kArc;
  } else if (name == "Spiral") {
    shape.kind = ElementKind::kSpiral;
    const std::string type = Attribute("spiType");
    if (!type.empty() && type != "clothoid") return Here(LandXmlFault::kSpiralType, type);
  } else {
    return Here(LandXmlFault::kUnknownElement, name);
  }
  // A length of 0 is a point where two elements meet and is skipped.
  const auto length = Number("length", false, kLengthRange, true);
  const auto radius = Number("radius", false, kRadiusRange);
  const auto radiusStart = Number("radiusStart", true, kRadiusRange);
  const auto radiusEnd = Number("radiusEnd", true, kRadiusRange);
  for (const auto* v : {&length, &radius, &radiusStart, &radiusEnd}) {
    if (const auto* p = std::get_if<LandXmlProblem>(v)) return *p;
  }
  if (shape.kind != ElementKind::kLine) {
    const std::string rot = Attribute("rot");
    if (rot == "cw") shape.turn = TurnSide::kRight;
    else if (rot == "ccw") shape.turn = TurnSide::kLeft;
    else if (rot.empty()) return missing(kLandXmlRotPart);
    else return Here(LandXmlFault::kBadRot, rot);
  }
  std::optional<PlanePoint> centre;
  while (xml_.ReadNextStartElement()) {
    std::optional<PlanePoint>* slot = Named("Start")    ? &shape.statedStart
                                      : Named("End")    ? &shape.statedEnd
                                      : Named("Center") ? &centre
                                                        : nullptr;
    if (!slot) {
      xml_.SkipCurrentElement();  // PI: the direction comes from the chain, not from it
      continue;
    }
    auto point = Point();
    if (auto* p = std::get_if<LandXmlProblem>(&point)) return *p;
    *slot = std::get<PlanePoint>(point);
  }
  if (xml_.HasError()) return StreamProblem();
  if (!shape.statedStart) return missing(kLandXmlStartPart);
  if (!shape.statedEnd) return missing(kLandXmlEndPart);
  const PlanePoint a = *shape.statedStart, b = *shape.statedEnd;
  switch (shape.kind) {
    case ElementKind::kLine:
      shape.length = std::get<0>(length) ? *std::get<0>(length) : std::hypot(b.X - a.X, b.Y - a.Y);
      break;
    case ElementKind::kArc: {
      if (std::get<0>(radius)) shape.R1 = *std::get<0>(radius);
      else if (centre) shape.R1 = std::hypot(a.X - centre->X, a.Y - centre->Y);
      else return missing(kLandXmlRadiusPart);
      if (std::get<0>(length)) {
        shape.length = *std::get<0>(length);
      } else if (centre) {
        // The angle swept from Start to End about the centre, in the turn's sense.
        const double side = shape.turn == TurnSide::kRight ? 1 : -1;
        double sweep = side * (std::atan2(b.Y - centre->Y, b.X - centre->X) - std::atan2(a.Y - centre->Y, a.X - centre->X));
        if (sweep < 0) sweep += 2 * std::numbers::pi;
        shape.length = shape.R1 * sweep;
      } else {
        return missing(kLandXmlLengthPart);
      }
      break;
    }
    case ElementKind::kSpiral:
      if (!std::get<0>(length)) return missing(kLandXmlLengthPart);
      if (!std::get<0>(radiusStart)) return missing(kLandXmlRadiusStartPart);
      if (!std::get<0>(radiusEnd)) return missing(kLandXmlRadiusEndPart);
      shape.length = *std::get<0>(length);
      shape.R1 = *std::get<0>(radiusStart);
      shape.R2 = *std::get<0>(radiusEnd);
      break;
  }
  // A length or radius taken from the points is held to the same ranges.
  if (shape.length != 0) {
    if (auto p = Beyond("length", shape.length, kLengthRange)) return *p;
  }
  if (shape.kind == ElementKind::kArc) {
    if (auto p = Beyond("radius", shape.R1, kRadiusRange)) return *p;
  }
  element.shape = shape;
  return element;
}

std::variant<LandXmlFile, LandXmlProblem> ReadLandXml(xml::ByteSource& source, const LandXmlTranscoders& transcoders) {
  return Reader(source, transcoders).Read();
}

std::variant<LandXmlFile, LandXmlProblem> ReadLandXmlPath(const std::string& path, const LandXmlTranscoders& transcoders) {
  // A folder, a device or a pipe is never read: /dev/zero would never end.
  std::error_code ignored;
  const std::filesystem::file_status status = std::filesystem::status(path, ignored);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, std::filesystem::is_directory(status) ? kIsAFolder : kNotAPlainFile};
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, std::strerror(errno)};
  xml::FileSource source(file);
  return ReadLandXml(source, transcoders);
}

std::variant<RoadInput, LandXmlProblem> AlignmentRoad(const LandXmlAlignment& alignment) {
  if (const auto* p = std::get_if<LandXmlProblem>(&alignment.road)) return *p;
  const ElementRoadInput& elements = std::get<ElementRoadInput>(alignment.road);
  if (auto table = IntersectionForm(elements)) return RoadInput{*table};
  return RoadInput{elements};
}

std::variant<RoadInput, LandXmlProblem> ChooseAlignment(const LandXmlFile& file, const std::optional<std::string>& name) {
  std::vector<std::string> names;
  for (const LandXmlAlignment& a : file.alignments) names.push_back(a.name);
  if (file.alignments.empty()) return LandXmlProblem{LandXmlFault::kNoAlignment};
  if (!name) {
    if (file.alignments.size() > 1) return LandXmlProblem{LandXmlFault::kChooseAlignment, "Alignments", 0, {}, {}, names};
    return AlignmentRoad(file.alignments.front());
  }
  const LandXmlAlignment* found = nullptr;
  for (const LandXmlAlignment& a : file.alignments) {
    if (a.name != *name) continue;
    if (found) return LandXmlProblem{LandXmlFault::kNameTwice, "Alignment", a.line, {}, *name};
    found = &a;
  }
  if (!found) return LandXmlProblem{LandXmlFault::kNoSuchAlignment, "Alignments", 0, {}, *name, names};
  return AlignmentRoad(*found);
}

}  // namespace capset
