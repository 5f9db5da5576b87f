// Writing a road as LandXML with the toolkit's stream writer: the numbers
// come laid out from the road (road_layout.h); here they are only put down.

#include "landxml_write_qt.h"

#include <QByteArray>
#include <QXmlStreamWriter>
#include <charconv>
#include <cmath>

namespace capset {
namespace {

QString Number(double value) {
  char digits[400];  // fixed notation of any double
  // Fixed notation, the shortest that reads back to the same double: other
  // programs read "500000" where some would not read "5e+05".
  const auto end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
  return QString::fromLatin1(digits, static_cast<int>(end - digits));
}

QString Radius(double radius) { return std::isinf(radius) ? QStringLiteral("INF") : Number(radius); }

void WritePoint(QXmlStreamWriter& xml, const char* name, PlanePoint p) {
  xml.writeTextElement(QLatin1String(name), Number(p.X) + QLatin1Char(' ') + Number(p.Y));
}

void WriteElement(QXmlStreamWriter& xml, const LaidElement& e) {
  const QString rot = e.turn == TurnSide::kRight ? QStringLiteral("cw") : QStringLiteral("ccw");
  switch (e.kind) {
    case ElementKind::kLine:
      xml.writeStartElement(QStringLiteral("Line"));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      WritePoint(xml, "Start", e.start);
      WritePoint(xml, "End", e.end);
      break;
    case ElementKind::kArc:
      xml.writeStartElement(QStringLiteral("Curve"));
      xml.writeAttribute(QStringLiteral("rot"), rot);
      xml.writeAttribute(QStringLiteral("crvType"), QStringLiteral("arc"));
      xml.writeAttribute(QStringLiteral("radius"), Number(e.radius));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      WritePoint(xml, "Start", e.start);
      WritePoint(xml, "Center", *e.centre);
      WritePoint(xml, "End", e.end);
      if (e.meeting) WritePoint(xml, "PI", *e.meeting);
      break;
    case ElementKind::kSpiral:
      xml.writeStartElement(QStringLiteral("Spiral"));
      xml.writeAttribute(QStringLiteral("length"), Number(e.length));
      xml.writeAttribute(QStringLiteral("radiusStart"), Radius(e.startRadius));
      xml.writeAttribute(QStringLiteral("radiusEnd"), Radius(e.endRadius));
      xml.writeAttribute(QStringLiteral("rot"), rot);
      xml.writeAttribute(QStringLiteral("spiType"), QStringLiteral("clothoid"));
      xml.writeAttribute(QStringLiteral("constant"), Number(e.constant));
      WritePoint(xml, "Start", e.start);
      if (e.meeting) WritePoint(xml, "PI", *e.meeting);
      WritePoint(xml, "End", e.end);
      break;
  }
  xml.writeEndElement();
}

// The profile's rows, named as the alignment: the schema's elements, each
// "station elevation".
void WriteProfile(QXmlStreamWriter& xml, const std::string& name, const std::vector<RoadFilePvi>& profile) {
  xml.writeStartElement(QStringLiteral("Profile"));
  xml.writeStartElement(QStringLiteral("ProfAlign"));
  xml.writeAttribute(QStringLiteral("name"), QString::fromStdString(name));
  for (const RoadFilePvi& p : profile) {
    const QString at = Number(p.station) + QLatin1Char(' ') + Number(p.elevation);
    switch (p.curve) {
      case VerticalCurveKind::kLength:
        xml.writeStartElement(QStringLiteral("ParaCurve"));
        xml.writeAttribute(QStringLiteral("length"), Number(p.length));
        break;
      case VerticalCurveKind::kAsymmetric:
        xml.writeStartElement(QStringLiteral("UnsymParaCurve"));
        xml.writeAttribute(QStringLiteral("lengthIn"), Number(p.length));
        xml.writeAttribute(QStringLiteral("lengthOut"), Number(p.length2));
        break;
      case VerticalCurveKind::kCircle:
        xml.writeStartElement(QStringLiteral("CircCurve"));
        xml.writeAttribute(QStringLiteral("length"), Number(p.length));
        xml.writeAttribute(QStringLiteral("radius"), Number(p.radius));
        break;
      default:
        xml.writeStartElement(QStringLiteral("PVI"));
        break;
    }
    xml.writeCharacters(at);
    xml.writeEndElement();
  }
  xml.writeEndElement();  // ProfAlign
  xml.writeEndElement();  // Profile
}

}  // namespace

std::string WriteLandXmlQt(const Road& road, const std::string& name, const std::string& date, const std::string& time,
                         const std::vector<RoadFilePvi>& profile) {
  const RoadLayout layout = LayOut(road);
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
  xml.writeAttribute(QStringLiteral("length"), Number(layout.length));
  xml.writeAttribute(QStringLiteral("staStart"), Number(layout.firstStation));
  xml.writeStartElement(QStringLiteral("CoordGeom"));
  for (const LaidElement& e : layout.elements) WriteElement(xml, e);
  xml.writeEndElement();
  for (const LaidEquation& q : layout.equations) {
    xml.writeEmptyElement(QStringLiteral("StaEquation"));
    if (q.internal) xml.writeAttribute(QStringLiteral("staInternal"), Number(*q.internal));
    xml.writeAttribute(QStringLiteral("staBack"), Number(q.equation.back));
    xml.writeAttribute(QStringLiteral("staAhead"), Number(q.equation.ahead));
  }
  if (!profile.empty()) WriteProfile(xml, name, profile);
  xml.writeEndElement();  // Alignment
  xml.writeEndElement();  // Alignments
  xml.writeEndElement();  // LandXML
  xml.writeEndDocument();
  return bytes.toStdString();
}

}  // namespace capset
