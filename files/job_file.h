#pragma once
// Job files: the Start answers of a job, and its batch list, kept so that a
// bridge's alignment is typed once. Reading refuses anything that is not a
// job this program can open, and says which field is wrong and on which
// line. The keys are in job_file_keys.h.

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "batch_input.h"
#include "bridge.h"
#include "road_heights.h"
#include "road_input.h"
#include "substructure.h"
#include "job_file_problem.h"
#include "polar_data.h"
#include "typed_start.h"

namespace capset {

struct JobFile {
  // No answers for a job that was never started: its decimal separator is
  // then the one its batch list was typed with.
  TypedStart start;
  std::optional<BatchInput> batch;
  // The job's own road, when it has one (a file of version 2).
  std::optional<RoadInput> road = std::nullopt;
  // The profile and the cross-section as typed (a file of version 3); the
  // normal crown when the file gives no section.
  std::optional<ProfileInput> profile = std::nullopt;
  CrossSectionInput section = {};
  // The user's substructure templates and the bridges, as typed (version
  // 3, when the job has some); the ready templates are the program's own.
  std::vector<SubstructureTemplate> templates = {};
  std::vector<Bridge> bridges = {};
  // The instrument station and the backsight (version 3, when set).
  std::optional<InstrumentStation> station = std::nullopt;
  std::optional<Backsight> backsight = std::nullopt;
  // Where each field stood in the file read ("start.KZH" → its line), so a
  // field that Start refuses later can be found; not part of the job.
  std::map<std::string, int> fieldLines = {};

  bool operator==(const JobFile& other) const {
    return start == other.start && batch == other.batch && road == other.road && profile == other.profile &&
           section == other.section && templates == other.templates && bridges == other.bridges &&
           station == other.station && backsight == other.backsight;
  }
  int LineOf(const std::string& field) const {
    const auto at = fieldLines.find(field);
    return at == fieldLines.end() ? 0 : at->second;
  }
};

// A job file is far smaller than this; a bigger file is refused unread.
inline constexpr std::size_t kJobFileMaxBytes = 1 << 20;
// Objects and arrays in it nest at most this deep; a job needs three.
inline constexpr int kJobFileMaxDepth = 16;

std::string WriteJobFile(const JobFile& job);
std::variant<JobFile, JobFileProblem> ReadJobFile(const std::string& text);

// The answer as the user's locale writes it: the decimal separator it was
// typed with becomes `decimal`.
std::string WithDecimal(const std::string& answer, const std::string& typedWith, const std::string& decimal);

}  // namespace capset
