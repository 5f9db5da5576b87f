// Reading LandXML alignments with the toolkit's streaming reader.
//
// The reader holds one token at a time; only an alignment's own elements
// are kept, as small records, so a file's size costs time, not memory.

#include "landxml_read.h"

#include "landxml_reader.h"
#include "landxml_texts.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "angles.h"
#include "field_ranges.h"
#include "file_texts.h"
#include "intersection_form.h"
#include "number_text.h"

namespace capset {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace


LandXmlProblem Reader::StreamProblem() const {
  if (bounded_.cut()) return {LandXmlFault::kTextTooLong, "", xml_.lineNumber(), {}, {}, {}, double(kLongestLandXmlRun)};
  if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
    return {LandXmlFault::kCutShort, "", xml_.lineNumber()};
  }
  // A reference to an entity that nothing declares (there can be no
  // declaration: a DTD is refused first) is the reader's error; say what it is.
  const QString why = xml_.errorString();
  if (why.contains(QLatin1String("ntity"))) return {LandXmlFault::kEntity, "", xml_.lineNumber()};
  return {LandXmlFault::kNotWellFormed, "", xml_.lineNumber(), {}, why.toStdString()};
}

std::variant<std::optional<double>, LandXmlProblem> Reader::Number(const char* attribute, bool infinite,
                                                                   std::optional<FieldRange> range, bool zero) const {
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (!attributes.hasAttribute(QLatin1String(attribute))) return std::optional<double>{};
  const QString text = attributes.value(QLatin1String(attribute)).toString().trimmed();
  if (infinite && text.compare(QLatin1String("INF"), Qt::CaseInsensitive) == 0) return std::optional<double>{kNoRadius};
  bool ok = false;
  const double value = text.toDouble(&ok);  // the C locale's rules, as XML writes numbers
  if (!ok || !std::isfinite(value)) {
    LandXmlProblem p = Here(LandXmlFault::kBadNumber, text.toStdString());
    p.attribute = attribute;
    return p;
  }
  const double metres = value * metresPerUnit_;
  if (range && !Within(metres, *range) && !(zero && metres == 0)) {
    LandXmlProblem p = Here(LandXmlFault::kOutOfRange, text.toStdString());
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
  const QXmlStreamAttributes attributes = xml_.attributes();
  if (attributes.hasAttribute(QLatin1String("pntRef"))) {
    LandXmlProblem p = Here(LandXmlFault::kPointReference, attributes.value(QLatin1String("pntRef")).toString().toStdString());
    xml_.skipCurrentElement();
    return p;
  }
  LandXmlProblem bad = Here(LandXmlFault::kBadPoint);
  const QString text = xml_.readElementText(QXmlStreamReader::SkipChildElements);
  if (xml_.hasError()) return StreamProblem();
  const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  bool okX = false, okY = false;
  const double X = parts.size() >= 2 ? parts[0].toDouble(&okX) : 0;
  const double Y = parts.size() >= 2 ? parts[1].toDouble(&okY) : 0;
  // A third value is the point's elevation, which a plan does not use.
  if (parts.size() < 2 || parts.size() > 3 || !okX || !okY || !std::isfinite(X) || !std::isfinite(Y)) {
    bad.value = text.simplified().left(60).toStdString();
    return bad;
  }
  const PlanePoint metres{X * metresPerUnit_, Y * metresPerUnit_};
  if (!Within(metres.X, kCoordinateRange) || !Within(metres.Y, kCoordinateRange)) {
    bad.fault = LandXmlFault::kPointOutOfRange;
    bad.value = text.simplified().left(60).toStdString();
    return bad;
  }
  return metres;
}

std::variant<LandXmlFile, LandXmlProblem> Reader::Read() {
  LandXmlFile file;
  std::optional<LandXmlProblem> units;
  bool root = false;
  while (!xml_.atEnd()) {
    const QXmlStreamReader::TokenType token = xml_.readNext();
    if (token == QXmlStreamReader::DTD) {
      // Refused as it stands: nothing it declares is ever used.
      const bool entities = !xml_.entityDeclarations().isEmpty() || xml_.text().contains(QLatin1String("ENTITY"));
      return LandXmlProblem{entities ? LandXmlFault::kEntity : LandXmlFault::kDtd, "DOCTYPE", xml_.lineNumber()};
    }
    if (token == QXmlStreamReader::EntityReference) return LandXmlProblem{LandXmlFault::kEntity, "", xml_.lineNumber()};
    if (token != QXmlStreamReader::StartElement) continue;
    if (root || xml_.name() != QLatin1String("LandXML")) {
      return Here(LandXmlFault::kNotLandXml, xml_.name().toString().toStdString());
    }
    root = true;
    while (xml_.readNextStartElement()) {
      if (xml_.name() == QLatin1String("Units")) {
        if (auto p = ReadUnits()) units = p;
      } else if (xml_.name() == QLatin1String("Alignments")) {
        ReadAlignments(file);
      } else {
        xml_.skipCurrentElement();  // surfaces, points, parcels: not a road
      }
      if (elementCount_ > kMostLandXmlElements) return Here(LandXmlFault::kTooManyElements);
    }
  }
  if (xml_.hasError()) return StreamProblem();
  if (!root) return LandXmlProblem{LandXmlFault::kNotWellFormed, "", xml_.lineNumber(), {}, "no root element"};
  if (units) return *units;
  file.linearUnit = linearUnit_;
  file.metresPerUnit = metresPerUnit_;
  return file;
}

std::optional<LandXmlProblem> Reader::ReadUnits() {
  std::optional<LandXmlProblem> problem;
  while (xml_.readNextStartElement()) {
    const QString unit = xml_.attributes().value(QLatin1String("linearUnit")).toString();
    const bool imperial = xml_.name() == QLatin1String("Imperial");
    double metresPerUnit = 0;
    if (unit == QLatin1String("USSurveyFoot")) metresPerUnit = kUSSurveyFoot;
    else if (unit == QLatin1String("foot")) metresPerUnit = kInternationalFoot;
    else if (unit == QLatin1String("meter") || (unit.isEmpty() && !imperial)) metresPerUnit = 1;
    if (metresPerUnit == 0) {
      problem = Here(LandXmlFault::kUnits, unit.isEmpty() ? xml_.name().toString().toStdString() : unit.toStdString());
    } else if (metresPerUnit != 1 && alignmentRead_) {
      // What was read before was taken in metres; it cannot be taken back.
      problem = Here(LandXmlFault::kUnitsLate, unit.toStdString());
    } else if (metresPerUnit != 1 || !unit.isEmpty()) {
      linearUnit_ = unit.toStdString();
      metresPerUnit_ = metresPerUnit;
    }
    xml_.skipCurrentElement();
  }
  return problem;
}

void Reader::ReadAlignments(LandXmlFile& file) {
  while (xml_.readNextStartElement()) {
    if (xml_.name() == QLatin1String("Alignment")) {
      alignmentRead_ = true;
      file.alignments.push_back(ReadAlignment());
      ++elementCount_;
    } else {
      xml_.skipCurrentElement();
    }
    if (elementCount_ > kMostLandXmlElements) return;
  }
}

namespace {

// The start direction from the first element's chord: the chord's azimuth
// less the chord's angle in the element's own frame (0 on a straight).
std::optional<double> StartAzimuth(const ElementSpec& first) {
  if (!first.statedStart || !first.statedEnd) return std::nullopt;
  ElementSpec alone = first;
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
  const QXmlStreamAttributes attributes = xml_.attributes();
  LandXmlAlignment alignment{attributes.value(QLatin1String("name")).toString().toStdString(), kNaN, 0,
                             xml_.lineNumber(), LandXmlProblem{LandXmlFault::kNoAlignment}};
  std::optional<LandXmlProblem> problem;
  std::string lengthText = attributes.value(QLatin1String("length")).toString().toStdString();
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
  while (xml_.readNextStartElement()) {
    if (problem) {
      xml_.skipCurrentElement();
    } else if (xml_.name() == QLatin1String("CoordGeom")) {
      geometry = true;
      problem = ReadCoordGeom(elements);
    } else if (xml_.name() == QLatin1String("StaEquation")) {
      problem = ReadStaEquation(fileEquations);
    } else if (xml_.name() == QLatin1String("Profile")) {
      ReadProfile(alignment.profile);
    } else {
      xml_.skipCurrentElement();  // cross sections, cant: not the plan
    }
  }
  if (xml_.hasError()) problem = StreamProblem();
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
      const ElementSpec& e = elements[rp.index - 1].shape;
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
  xml_.skipCurrentElement();
  for (const auto* v : {&back, &ahead, &internal}) {
    if (const auto* p = std::get_if<LandXmlProblem>(v)) return *p;
  }
  if (!std::get<0>(back)) return Here(LandXmlFault::kMissing, kLandXmlStaBack);
  if (!std::get<0>(ahead)) return Here(LandXmlFault::kMissing, kLandXmlStaAhead);
  equations.push_back({std::get<0>(internal).value_or(kNaN), {*std::get<0>(back), *std::get<0>(ahead)}});
  return std::nullopt;
}

std::optional<LandXmlProblem> Reader::ReadCoordGeom(std::vector<FileElement>& elements) {
  while (xml_.readNextStartElement()) {
    std::variant<FileElement, LandXmlProblem> read = Here(LandXmlFault::kTooManyElements);
    if (++elementCount_ <= kMostLandXmlElements) read = ReadElement();
    if (auto* p = std::get_if<LandXmlProblem>(&read)) {
      // What is left of the geometry is passed over; the alignment is refused.
      while (!xml_.atEnd() && !xml_.hasError() && !(xml_.isEndElement() && xml_.name() == QLatin1String("CoordGeom"))) {
        xml_.readNext();
      }
      return *p;
    }
    FileElement& e = std::get<FileElement>(read);
    if (e.shape.length == 0) continue;  // a point where two elements meet adds nothing
    elements.push_back(std::move(e));
  }
  return std::nullopt;
}

std::variant<FileElement, LandXmlProblem> Reader::ReadElement() {
  const QString name = xml_.name().toString();
  ElementSpec shape{ElementKind::kLine, 0};
  FileElement element{shape, xml_.lineNumber()};
  const LandXmlProblem here = Here(LandXmlFault::kMissing);
  auto missing = [&here](const char* what) {
    LandXmlProblem p = here;
    p.value = what;
    return p;
  };
  if (name == QLatin1String("Line")) {
    shape.kind = ElementKind::kLine;
  } else if (name == QLatin1String("Curve")) {
    shape.kind = ElementKind::kArc;
  } else if (name == QLatin1String("Spiral")) {
    shape.kind = ElementKind::kSpiral;
    const QString type = xml_.attributes().value(QLatin1String("spiType")).toString();
    if (!type.isEmpty() && type != QLatin1String("clothoid")) return Here(LandXmlFault::kSpiralType, type.toStdString());
  } else {
    return Here(LandXmlFault::kUnknownElement, name.toStdString());
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
    const QString rot = xml_.attributes().value(QLatin1String("rot")).toString();
    if (rot == QLatin1String("cw")) shape.turn = TurnSide::kRight;
    else if (rot == QLatin1String("ccw")) shape.turn = TurnSide::kLeft;
    else if (rot.isEmpty()) return missing(kLandXmlRotPart);
    else return Here(LandXmlFault::kBadRot, rot.toStdString());
  }
  std::optional<PlanePoint> centre;
  while (xml_.readNextStartElement()) {
    const QString child = xml_.name().toString();
    std::optional<PlanePoint>* slot = child == QLatin1String("Start")    ? &shape.statedStart
                                      : child == QLatin1String("End")    ? &shape.statedEnd
                                      : child == QLatin1String("Center") ? &centre
                                                                         : nullptr;
    if (!slot) {
      xml_.skipCurrentElement();  // PI: the direction comes from the chain, not from it
      continue;
    }
    auto point = Point();
    if (auto* p = std::get_if<LandXmlProblem>(&point)) return *p;
    *slot = std::get<PlanePoint>(point);
  }
  if (xml_.hasError()) return StreamProblem();
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

std::variant<LandXmlFile, LandXmlProblem> ReadLandXml(QIODevice& device) { return Reader(device).Read(); }

std::variant<LandXmlFile, LandXmlProblem> ReadLandXmlFile(const QString& path) {
  // A folder, a device or a pipe is never read: /dev/zero would never end.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, info.isDir() ? kIsAFolder : kNotAPlainFile};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, file.errorString().toStdString()};
  return ReadLandXml(file);
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
