#pragma once
// The seam between the session and a road file's format (LandXML, read and
// written by landxml/ with the toolkit's XML stream). The session decides
// what an import or an export does to the job and what the user is asked
// and told; the format only reads and writes.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "landxml_problem.h"
#include "road.h"
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
  // The road as the file's bytes, its station equations with it.
  virtual std::string Write(const Road& road) const = 0;
};

}  // namespace capset
