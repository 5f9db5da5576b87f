#pragma once
// The seam between the session and a road file's format (LandXML, read and
// written by landxmlcore/ without the toolkit). The session decides
// what an import or an export does to the job and what the user is asked
// and told; the format only reads and writes.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "landxml_problem.h"
#include "road.h"
#include "road_heights.h"
#include "road_input.h"

namespace capset {

// One alignment of a file read, as a list to pick from shows it.
struct RoadFileAlignment {
  std::string name;
  double length;    // as the file states it; NaN when it does not
  double staStart;  // 0 when the file does not state it
};

// The unit of length of the file last read: its name as the file writes it
// and what one of it is in metres (1 for metres).
struct RoadFileUnit {
  std::string name;
  double metresPerUnit = 1;
  bool surveyFoot = false;  // the US survey foot, 1200/3937 m
};

// Where one row (变坡点) of a file's profile stands in the file.
struct RoadFileProfileRow {
  std::string element;  // "PVI", "ParaCurve", "UnsymParaCurve", "CircCurve"
  long long line;
};

// The profile (纵断面) a file gives with an alignment: its rows with the
// stations as the file prints them (the alignment's own stations, in
// metres), or why the file's profile cannot be read; where each row stands,
// so a refusal names the element; and the names of the file's further
// profiles of the same alignment, which are not read.
struct RoadFileProfile {
  std::string name;  // as the file names it; may be empty
  long long line = 0;
  std::variant<ProfileInput, LandXmlProblem> read = ProfileInput{};
  std::vector<RoadFileProfileRow> rows;  // one per row of the input read
  std::vector<std::string> others;
};

// One 变坡点 as a file writes it: the station as printed and the curve in
// the file's own terms. A parabola, by its radius or its length, is written
// by its length.
struct RoadFilePvi {
  double station;
  double elevation;
  VerticalCurveKind curve = VerticalCurveKind::kNone;  // kNone, kLength, kAsymmetric or kCircle
  double length = 0;   // kLength: L; kAsymmetric: L before the PVI; kCircle: the arc length
  double length2 = 0;  // kAsymmetric: L after the PVI
  double radius = 0;   // kCircle
};

// The rows of a profile read from a file, each station that a 长链 holds
// twice said where the order of the rows along `road` leaves it only one
// place; a station either place would suit stays unsaid (and the profile
// is refused for it). A file cannot say which place it means.
ProfileInput PlacedByOrder(ProfileInput input, const Road& road);

class RoadFileFormat {
 public:
  virtual ~RoadFileFormat() = default;
  // Reads the file at `path`, which stays open only while it is read: a
  // file from outside is streamed, never held whole. Nothing when it reads,
  // else why it is refused.
  virtual std::optional<LandXmlProblem> Read(const std::string& path) = 0;
  // The alignments of the file last read, in the file's order.
  virtual std::vector<RoadFileAlignment> Alignments() const = 0;
  // The road of the alignment named `name`, or of the file's only one
  // when no name is given; why there is none (several and no name, no such
  // name, a name twice, elements that make no road).
  virtual std::variant<RoadInput, LandXmlProblem> RoadNamed(const std::optional<std::string>& name) const = 0;
  // The road of the alignment at `index` of Alignments().
  virtual std::variant<RoadInput, LandXmlProblem> RoadAt(int index) const = 0;
  // The unit the file's lengths were given in; they are read as metres.
  virtual RoadFileUnit Unit() const { return {}; }
  // The profile of the alignment at `index` of Alignments(), its stations
  // placed on `road` (that alignment's road) where the file cannot say
  // which of two places a station means; nothing when the file gives none.
  virtual std::optional<RoadFileProfile> ProfileAt(int /*index*/, const Road& /*road*/) const { return std::nullopt; }
  // The road as the file's bytes, its station equations with it, and the
  // profile when it has rows.
  virtual std::string Write(const Road& road, const std::vector<RoadFilePvi>& profile) const = 0;
};

}  // namespace capset
