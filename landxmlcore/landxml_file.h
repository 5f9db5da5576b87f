#pragma once
// LandXML 1.2 horizontal alignments read into roads.
//
// A file from outside is hostile until read. It is streamed, never loaded
// whole: everything that is not an alignment (terrain surfaces of hundreds
// of megabytes, point groups, ground profiles) is passed over element by element,
// so memory stays bounded whatever the file's size. An alignment's design
// profile (Profile/ProfAlign) is read with it. A document type
// declaration is refused where it stands, before anything after it is
// read, so no entity is ever expanded and no outside resource is ever
// loaded. Every refusal names the element and its line.
//
// Points are "north east" (X north, Y east). Lengths are in metres, US
// survey feet or international feet, as the file's Units say; every number
// is checked against its field's range (field_ranges.h) once in metres. Directions come from the
// coordinates, never from a `dir` attribute: the road's start direction is
// that of the first element's chord turned back by the chord's angle in the
// element's own frame, and each later element joins its predecessor in
// point and tangent, its stated ends checked to within 1 mm.
//
// No toolkit: the desktop (landxml/, over its devices) and the web build
// read files with this same code.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "landxml_problem.h"
#include "road_file_format.h"
#include "road_input.h"
#include "xml_source.h"

namespace capset {

// One alignment of a file, as its attributes name it, and the road its
// elements make or why they make none.
struct LandXmlAlignment {
  std::string name;
  double length;    // as the file states it; NaN when it does not
  double staStart;  // 0 when the file does not state it
  long long line;
  std::variant<ElementRoadInput, LandXmlProblem> road;
  // Its first design profile (ProfAlign), when it has one: a profile the
  // file gets wrong does not take the road with it.
  std::optional<RoadFileProfile> profile = std::nullopt;
};

// Lengths in a file in feet are read and converted to metres as they are
// read, so that every rule after (joints to 1 mm, the ranges) holds in
// metres whatever the file's unit.
inline constexpr double kUSSurveyFoot = 1200.0 / 3937.0;  // metres
inline constexpr double kInternationalFoot = 0.3048;      // metres

struct LandXmlFile {
  std::vector<LandXmlAlignment> alignments;
  std::string linearUnit = "meter";  // as the file names it
  double metresPerUnit = 1;          // 1, kUSSurveyFoot or kInternationalFoot
};

// More elements than this in one file are refused: no road of a design
// office comes near it, and it bounds what a hostile file can make us hold.
constexpr int kMostLandXmlElements = 200000;
// A run of text (or a tag, or a comment) longer than this is refused: the
// reader holds a token whole, and no road file has one near it.
constexpr long long kLongestLandXmlRun = 16LL << 20;
// Elements nested deeper than this are refused: a road file's deepest
// (LandXML, Alignments, Alignment, CoordGeom, Spiral, Start) is six.
constexpr int kDeepestLandXml = 256;

// A file in an encoding other than UTF-8 is read when the caller brings a
// transcoder for the encoding its declaration names, and refused otherwise.
using LandXmlTranscoders = std::function<std::unique_ptr<xml::Transcoder>(const std::string& encoding)>;

std::variant<LandXmlFile, LandXmlProblem> ReadLandXml(xml::ByteSource& source, const LandXmlTranscoders& transcoders = {});
// Opens and reads the file at `path` (a plain file: never a folder, a
// device or a pipe).
std::variant<LandXmlFile, LandXmlProblem> ReadLandXmlPath(const std::string& path,
                                                          const LandXmlTranscoders& transcoders = {});

// The road of the alignment named `name`, or of the file's only one when no
// name is given. A road that the intersection-point table reproduces to
// within 1 mm comes as that table, so its curves and key points read as
// the drawings print them; any other as its elements.
std::variant<RoadInput, LandXmlProblem> ChooseAlignment(const LandXmlFile& file, const std::optional<std::string>& name);
// The road of one alignment, as above.
std::variant<RoadInput, LandXmlProblem> AlignmentRoad(const LandXmlAlignment& alignment);

// A profile read from a file, each station that a 长链 holds twice said
// where the order of the rows along `road` leaves only one place for it.
RoadFileProfile PlacedProfile(const RoadFileProfile& profile, const Road& road);

}  // namespace capset
