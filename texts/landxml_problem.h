#pragma once
// Why a LandXML file gives no road, as data: the fault, the element of the
// file that holds it (with its line) and what a message needs to name.

#include <optional>
#include <string>
#include <vector>

#include "field_ranges.h"
#include "road_problem.h"

namespace capset {

enum class LandXmlFault {
  kUnreadable,       // the file cannot be opened or read: `value` is the system's reason
  kNotWellFormed,    // the reader's own error: `value`
  kEncoding,         // bytes in an encoding this program does not read: `value` its name
  kCutShort,         // the file ends inside an element
  kDtd,              // a document type declaration: nothing of it is read
  kEntity,           // an entity declared or referred to: never expanded
  kNotLandXml,       // the root element is another (`value`)
  kUnits,            // lengths in a unit this program does not know (`value`)
  kUnitsLate,        // a unit other than metres declared after an alignment read in metres (`value`)
  kNoAlignment,      // no Alignment at all
  kChooseAlignment,  // several alignments and none named: `names`
  kNoSuchAlignment,  // no alignment of the name asked (`value`): `names`
  kNameTwice,        // several alignments of the name asked (`value`)
  kUnknownElement,   // an element of CoordGeom this road does not have (`element`)
  kSpiralType,       // a spiral other than a clothoid (`value`: its spiType)
  kMissing,          // an attribute or child element that must be there: `value` names it
  kBadNumber,        // an attribute that is not a number: `attribute`, `value` as written
  kBadPoint,         // a point that is not "north east": `value` as written
  kOutOfRange,       // a number beyond its field's range: `attribute`, `value` as written, `range`
  kPointOutOfRange,  // a point beyond the coordinates' range: `value` as written
  kPointReference,   // a point given by reference to a CgPoint (`value`)
  kBadRot,           // rot other than cw or ccw: `value`
  kLengthMismatch,   // the alignment's length differs from its elements' sum: `number` the sum
  kTooManyElements,  // more elements than a road of this program holds
  kTextTooLong,      // a run of text or an attribute longer than the reader holds (`number`: the most, bytes)
  kRoad,             // the elements make no road: `road`
  kUnknownProfileElement,  // an element of a ProfAlign that a profile does not have (`value`)
  kBadPvi,                 // a 变坡点 whose text is not "station elevation": `value` as written
};

struct LandXmlProblem {
  LandXmlFault fault;
  std::string element = {};  // the element's name as the file writes it ("Spiral"); empty for the whole file
  long long line = 0;   // its line, from 1; 0 when there is none
  std::string attribute = {};
  std::string value = {};
  std::vector<std::string> names = {};
  double number = 0;
  std::optional<RoadProblem> road = std::nullopt;
  FieldRange range = {};  // of kOutOfRange, in metres
};

}  // namespace capset
