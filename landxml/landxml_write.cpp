// Writing a road as LandXML with the toolkit's stream writer.
//
// Notation
//   κ0, κ1   signed curvature at an element's start and end (right +)
//   a, b     poses at its start and end; t(θ) = (cos θ, sin θ)

#include "landxml_write.h"

#include <QByteArray>
#include <QXmlStreamWriter>
#include <charconv>
#include <cmath>
#include <numbers>

namespace capset {
namespace {

QString Number(double value) {
  char digits[400];  // fixed notation of any double
  // Fixed notation, the shortest that reads back to the same double: other
  // programs read "500000" where some would not read "5e+05".
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
  return QString::fromLatin1(digits, static_cast<int>(end - digits));
}

// A spiral's straight end: its curvature is nothing beside the other end's
// (κ0 + c·L leaves a few 1e-19 where the sum should be 0).
QString Radius(double curvature, double other) {
  return std::fabs(curvature) <= 1e-9 * std::fabs(other) ? QStringLiteral("INF") : Number(1 / std::fabs(curvature));
}

void WritePoint(QXmlStreamWriter& xml, const char* name, PlanePoint p) {
  xml.writeTextElement(QLatin1String(name), Number(p.X) + QLatin1Char(' ') + Number(p.Y));
}

// Where the tangents at a and b meet, when they meet ahead of a and behind b.
std::optional<PlanePoint> TangentsMeet(const RoadPose& a, const RoadPose& b) {
  const double tax = std::cos(a.heading), tay = std::sin(a.heading);
  const double tbx = std::cos(b.heading), tby = std::sin(b.heading);
  const double det = tax * tby - tay * tbx;
  if (std::fabs(det) < 1e-12) return std::nullopt;
  const double dx = b.point.X - a.point.X, dy = b.point.Y - a.point.Y;
  const double T1 = (dx * tby - dy * tbx) / det, T2 = (tax * dy - tay * dx) / det;
  if (!(T1 > 0 && T2 > 0)) return std::nullopt;
  return PlanePoint{a.point.X + T1 * tax, a.point.Y + T1 * tay};
}

void WriteElement(QXmlStreamWriter& xml, const Road& road, const RoadElement& e) {
  const RoadPose a = road.PoseAt(e.start), b = road.PoseAt(e.start + e.length);
  const double k = std::fabs(e.startCurvature) >= std::fabs(e.endCurvature) ? e.startCurvature : e.endCurvature;
  const QString rot = k > 0 ? QStringLiteral("cw") : QStringLiteral("ccw");
  switch (e.kind) {
    case ElementKind::kLine:
      xml.writeStartElement(QStringLiteral("Line"));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      WritePoint(xml, "Start", a.point);
      WritePoint(xml, "End", b.point);
      break;
    case ElementKind::kArc: {
      xml.writeStartElement(QStringLiteral("Curve"));
      xml.writeAttribute(QStringLiteral("rot"), rot);
      xml.writeAttribute(QStringLiteral("crvType"), QStringLiteral("arc"));
      xml.writeAttribute(QStringLiteral("radius"), Number(1 / std::fabs(k)));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      const double R = 1 / k;  // signed: the centre lies on the right for a right turn
      WritePoint(xml, "Start", a.point);
      WritePoint(xml, "Center", {a.point.X - R * std::sin(a.heading), a.point.Y + R * std::cos(a.heading)});
      WritePoint(xml, "End", b.point);
      if (auto pi = TangentsMeet(a, b)) WritePoint(xml, "PI", *pi);
      break;
    }
    case ElementKind::kSpiral: {
      xml.writeStartElement(QStringLiteral("Spiral"));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      xml.writeAttribute(QStringLiteral("radiusStart"), Radius(e.startCurvature, e.endCurvature));
      xml.writeAttribute(QStringLiteral("radiusEnd"), Radius(e.endCurvature, e.startCurvature));
      xml.writeAttribute(QStringLiteral("rot"), rot);
      xml.writeAttribute(QStringLiteral("spiType"), QStringLiteral("clothoid"));
      xml.writeAttribute(QStringLiteral("constant"),
                         Number(std::sqrt(e.length / std::fabs(e.endCurvature - e.startCurvature))));
      WritePoint(xml, "Start", a.point);
      if (auto pi = TangentsMeet(a, b)) WritePoint(xml, "PI", *pi);
      WritePoint(xml, "End", b.point);
      break;
    }
  }
  xml.writeEndElement();
}

}  // namespace

std::string WriteLandXml(const Road& road, const std::vector<StationEquation>& equations, const std::string& name,
                         const std::string& date, const std::string& time) {
  QByteArray bytes;
  QXmlStreamWriter xml(&bytes);
  xml.setAutoFormatting(true);
  xml.setAutoFormattingIndent(1);
  xml.writeStartDocument();
  xml.writeStartElement(QStringLiteral("LandXML"));
  xml.writeDefaultNamespace(QStringLiteral("http://www.landxml.org/schema/LandXML-1.2"));
  xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
  if (!date.empty()) xml.writeAttribute(QStringLiteral("date"), QString::fromStdString(date));
  if (!time.empty()) xml.writeAttribute(QStringLiteral("time"), QString::fromStdString(time));
  xml.writeStartElement(QStringLiteral("Units"));
  xml.writeEmptyElement(QStringLiteral("Metric"));
  xml.writeAttribute(QStringLiteral("linearUnit"), QStringLiteral("meter"));
  xml.writeAttribute(QStringLiteral("areaUnit"), QStringLiteral("squareMeter"));
  xml.writeAttribute(QStringLiteral("volumeUnit"), QStringLiteral("cubicMeter"));
  xml.writeAttribute(QStringLiteral("angularUnit"), QStringLiteral("decimal degrees"));
  xml.writeAttribute(QStringLiteral("directionUnit"), QStringLiteral("decimal degrees"));
  xml.writeEndElement();
  xml.writeStartElement(QStringLiteral("Alignments"));
  xml.writeStartElement(QStringLiteral("Alignment"));
  xml.writeAttribute(QStringLiteral("name"), QString::fromStdString(name));
  xml.writeAttribute(QStringLiteral("length"), Number(road.length()));
  xml.writeAttribute(QStringLiteral("staStart"), Number(road.firstStation()));
  xml.writeStartElement(QStringLiteral("CoordGeom"));
  for (const RoadElement& e : road.elements()) {
    if (e.length > 0) WriteElement(xml, road, e);
  }
  xml.writeEndElement();
  for (const StationEquation& q : equations) {
    xml.writeEmptyElement(QStringLiteral("StaEquation"));
    // Where it stands, as a station without equations: the start's plus the distance.
    const Placement at = road.Place({q.back});
    const bool placed = at.status == PlaceStatus::kPlaced || (at.status == PlaceStatus::kTwice && !at.places.empty());
    if (placed) {
      const double distance = at.status == PlaceStatus::kPlaced ? at.distance : at.places.front();
      xml.writeAttribute(QStringLiteral("staInternal"), Number(road.firstStation() + distance));
    }
    xml.writeAttribute(QStringLiteral("staBack"), Number(q.back));
    xml.writeAttribute(QStringLiteral("staAhead"), Number(q.ahead));
  }
  xml.writeEndElement();  // Alignment
  xml.writeEndElement();  // Alignments
  xml.writeEndElement();  // LandXML
  xml.writeEndDocument();
  return bytes.toStdString();
}

}  // namespace capset
