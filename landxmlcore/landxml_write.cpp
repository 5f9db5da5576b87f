// Writing a road as LandXML: the numbers come laid out from the road
// (road_layout.h); here they are only put down.

#include "landxml_write.h"

#include <cmath>

#include "number_chars.h"
#include "road_layout.h"
#include "xml_writer.h"

namespace capset {
namespace {

// Fixed notation, the shortest that reads back to the same double: other
// programs read "500000" where some would not read "5e+05".
std::string Number(double value) { return ShortestFixedText(value); }

std::string Radius(double radius) { return std::isinf(radius) ? "INF" : Number(radius); }

void WritePoint(xml::Writer& xml, const char* name, PlanePoint p) {
  xml.TextElement(name, Number(p.X) + ' ' + Number(p.Y));
}

void WriteElement(xml::Writer& xml, const LaidElement& e) {
  const char* rot = e.turn == TurnSide::kRight ? "cw" : "ccw";
  switch (e.kind) {
    case ElementKind::kLine:
      xml.Start("Line");
      xml.Attribute("length", Number(e.length));
      WritePoint(xml, "Start", e.start);
      WritePoint(xml, "End", e.end);
      break;
    case ElementKind::kArc:
      xml.Start("Curve");
      xml.Attribute("rot", rot);
      xml.Attribute("crvType", "arc");
      xml.Attribute("radius", Number(e.radius));
      xml.Attribute("length", Number(e.length));
      WritePoint(xml, "Start", e.start);
      WritePoint(xml, "Center", *e.centre);
      WritePoint(xml, "End", e.end);
      if (e.meeting) WritePoint(xml, "PI", *e.meeting);
      break;
    case ElementKind::kSpiral:
      xml.Start("Spiral");
      xml.Attribute("length", Number(e.length));
      xml.Attribute("radiusStart", Radius(e.startRadius));
      xml.Attribute("radiusEnd", Radius(e.endRadius));
      xml.Attribute("rot", rot);
      xml.Attribute("spiType", "clothoid");
      xml.Attribute("constant", Number(e.constant));
      WritePoint(xml, "Start", e.start);
      if (e.meeting) WritePoint(xml, "PI", *e.meeting);
      WritePoint(xml, "End", e.end);
      break;
  }
  xml.End();
}

// The profile's rows, named as the alignment: the schema's elements, each
// "station elevation".
void WriteProfile(xml::Writer& xml, const std::string& name, const std::vector<RoadFilePvi>& profile) {
  xml.Start("Profile");
  xml.Start("ProfAlign");
  xml.Attribute("name", name);
  for (const RoadFilePvi& p : profile) {
    switch (p.curve) {
      case VerticalCurveKind::kLength:
        xml.Start("ParaCurve");
        xml.Attribute("length", Number(p.length));
        break;
      case VerticalCurveKind::kAsymmetric:
        xml.Start("UnsymParaCurve");
        xml.Attribute("lengthIn", Number(p.length));
        xml.Attribute("lengthOut", Number(p.length2));
        break;
      case VerticalCurveKind::kCircle:
        xml.Start("CircCurve");
        xml.Attribute("length", Number(p.length));
        xml.Attribute("radius", Number(p.radius));
        break;
      default:
        xml.Start("PVI");
        break;
    }
    xml.Text(Number(p.station) + ' ' + Number(p.elevation));
    xml.End();
  }
  xml.End();  // ProfAlign
  xml.End();  // Profile
}

}  // namespace

std::string WriteLandXml(const Road& road, const std::string& name, const std::string& date, const std::string& time,
                         const std::vector<RoadFilePvi>& profile) {
  const RoadLayout layout = LayOut(road);
  xml::Writer xml;
  xml.Start("LandXML");
  xml.Attribute("xmlns", "http://www.landxml.org/schema/LandXML-1.2");
  xml.Attribute("version", "1.2");
  if (!date.empty()) xml.Attribute("date", date);
  if (!time.empty()) xml.Attribute("time", time);
  xml.Start("Units");
  xml.Start("Metric");
  xml.Attribute("linearUnit", "meter");
  xml.Attribute("areaUnit", "squareMeter");
  xml.Attribute("volumeUnit", "cubicMeter");
  xml.Attribute("angularUnit", "decimal degrees");
  xml.Attribute("directionUnit", "decimal degrees");
  xml.End();  // Metric
  xml.End();  // Units
  xml.Start("Alignments");
  xml.Start("Alignment");
  xml.Attribute("name", name);
  xml.Attribute("length", Number(layout.length));
  xml.Attribute("staStart", Number(layout.firstStation));
  xml.Start("CoordGeom");
  for (const LaidElement& e : layout.elements) WriteElement(xml, e);
  xml.End();  // CoordGeom
  for (const LaidEquation& q : layout.equations) {
    xml.Start("StaEquation");
    if (q.internal) xml.Attribute("staInternal", Number(*q.internal));
    xml.Attribute("staBack", Number(q.equation.back));
    xml.Attribute("staAhead", Number(q.equation.ahead));
    xml.End();
  }
  if (!profile.empty()) WriteProfile(xml, name, profile);
  return xml.Finish();
}

}  // namespace capset
