#pragma once
// The streaming reader of LandXML files, shared by the files that read the
// plan (landxml_plan_read.cpp) and the profile (landxml_profile_read.cpp). Not
// for use outside this folder: ReadLandXml is the way in.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "landxml_file.h"
#include "xml_reader.h"

namespace capset {

// What an element of CoordGeom says, before it joins the chain.
struct FileElement {
  ElementInput shape;
  long long line;
};

// A number as XML writes one (the C locale's rules, blanks around it
// aside); nothing when the text is none or beyond a double.
std::optional<double> LandXmlNumber(std::string_view text);
// The text without XML's blanks around it, and its words between them.
std::string_view XmlTrimmed(std::string_view text);
std::vector<std::string_view> XmlWords(std::string_view text);
// A text as a refusal quotes it: its words one blank apart, at most 60 characters.
std::string ShownAsWritten(std::string_view text);

class Reader {
 public:
  Reader(xml::ByteSource& source, const LandXmlTranscoders& transcoders)
      : source_(source), xml_(source, {kLongestLandXmlRun, kDeepestLandXml, 1 << 16, transcoders}) {}

  std::variant<LandXmlFile, LandXmlProblem> Read();

 private:
  LandXmlProblem Here(LandXmlFault fault, std::string value = {}) const {
    return {fault, std::string(xml_.Name()), xml_.LineNumber(), {}, std::move(value)};
  }
  // The value of the attribute `name`, empty when there is none.
  std::string Attribute(const char* name) const { return std::string(xml_.AttributeValue(name).value_or("")); }
  bool Named(const char* name) const { return xml_.Name() == name; }
  // The reader's own error, or a declaration met on the way.
  LandXmlProblem StreamProblem() const;
  std::optional<LandXmlProblem> ReadUnits();
  void ReadAlignments(LandXmlFile& file);
  LandXmlAlignment ReadAlignment();
  std::optional<LandXmlProblem> ReadCoordGeom(std::vector<FileElement>& elements);
  // An equation and where the file says it stands (staInternal; NaN when it does not).
  struct FileEquation {
    double internal;
    StationEquation equation;
  };
  std::optional<LandXmlProblem> ReadStaEquation(std::vector<FileEquation>& equations);
  std::variant<FileElement, LandXmlProblem> ReadElement();
  // A length attribute in metres: nothing when it is absent; `infinite`
  // allows INF; a value outside `range` (when one is given) is refused.
  std::variant<std::optional<double>, LandXmlProblem> Number(const char* attribute, bool infinite = false,
                                                             std::optional<FieldRange> range = std::nullopt,
                                                             bool zero = false) const;
  // A length or radius the element's points give, checked as a stated one is.
  std::optional<LandXmlProblem> Beyond(const char* attribute, double metres, FieldRange range) const;
  std::variant<PlanePoint, LandXmlProblem> Point();

  // The profile (landxml_profile_read.cpp). Of the alignment's Profile
  // elements, the first ProfAlign is read into `profile`; later ones are
  // only named there.
  void ReadProfile(std::optional<RoadFileProfile>& profile);
  RoadFileProfile ReadProfAlign();
  // One element of a ProfAlign as a row, or why it is none.
  std::variant<PviInput, LandXmlProblem> ReadPvi();

  xml::ByteSource& source_;
  xml::Reader xml_;
  int elementCount_ = 0;
  std::string linearUnit_ = "meter";
  double metresPerUnit_ = 1;
  bool alignmentRead_ = false;
};

}  // namespace capset
