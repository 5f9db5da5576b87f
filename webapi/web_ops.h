#pragma once
// What every op of the browser interface shares: the session and its seam,
// the request's arguments read strictly, the two ways a request fails, and
// the table of ops by name (one file of ops for each concern).

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cap_session.h"
#include "session_files.h"
#include "web_seam.h"
#include "window_texts.h"

namespace capset::web {

// Answers keep their keys in the order written, so that the same session
// answers in the same bytes on every build.
using Json = nlohmann::ordered_json;
using Request = nlohmann::json;

struct Problem {
  int line = 0;       // from 1 within the lines given; 0: the whole input
  std::string text;   // the desktop's sentence
  std::string field;  // a job file's field, when a job file is refused
};

// The session refused the request; nothing in it changed.
struct Refusal {
  std::vector<Problem> problems;
  Json details = Json::object();  // what else the answer says of why (who uses a template)
};

// The interface cannot read the request.
struct RequestFault {
  std::string text;
};

// A line longer than this is no line of a road, a bridge or a profile.
inline constexpr std::size_t kMostLineBytes = 10000;
// Nor is a list longer than this.
inline constexpr std::size_t kMostLines = 200000;

// The arguments of a request, each of its type or a RequestFault naming it.
class Args {
 public:
  explicit Args(const Request& request) : request_(request) {}
  bool Has(const char* key) const { return request_.contains(key); }
  std::string Text(const char* key) const;
  std::optional<std::string> OptionalText(const char* key) const;
  // An array of strings; a line longer than kMostLineBytes is refused by
  // its number, as the readers refuse a bad line.
  std::vector<std::string> Lines(const char* key) const;
  std::optional<std::vector<std::string>> OptionalLines(const char* key) const;
  std::optional<double> OptionalNumber(const char* key) const;
  // A field as the user typed it: a string, or a number the page passed
  // as one (written in its shortest exact form); nothing when not given.
  std::optional<std::string> OptionalTyped(const char* key) const;
  std::string Typed(const char* key) const;
  // An array of such fields; empty when not given.
  std::vector<std::string> TypedList(const char* key) const;

 private:
  const Request& request_;
};

// Lines as the page typed them, kept beside what they made: given back as
// typed while the session still holds that very thing, else written from
// what it holds (a job opened, a LandXML file read).
template <typename Made>
struct TypedLines {
  std::vector<std::string> lines;
  std::optional<Made> made;

  void Keep(std::vector<std::string> typed, Made value) {
    lines = std::move(typed);
    made = std::move(value);
  }
  template <typename Write>
  std::vector<std::string> For(const Made& now, Write write) const {
    return made == now ? lines : write(now);
  }
};

struct WebState {
  WebPrompt prompt;
  FixedNumberReader reader{NumberSymbols{}};
  WebReporter reporter;
  NoBoxes boxes;
  Seam seam{prompt, reader, reporter, boxes};
  CapSession session{seam};
  WebFileStore store;
  SessionFiles files{session, store, reporter};
  // The road's lines as the page typed them, with the input they made: a
  // road that came from elsewhere (a job, a LandXML file) is written as lines.
  TypedLines<RoadInput> roadLines;
  // The profile's, the section's, each template's and each bridge's lines,
  // kept the same way.
  TypedLines<ProfileInput> profileLines;
  TypedLines<CrossSectionInput> sectionLines;
  std::map<std::string, TypedLines<SubstructureTemplate>, std::less<>> templateLines;
  std::map<std::string, TypedLines<Bridge>, std::less<>> bridgeLines;
  // Fields of the answer written as JSON text by the op (json_writer.h),
  // after those of the document it returns: the big tables.
  std::string rawFields;
  // The job file's name, as the last job.open or job.save gave it.
  std::string jobName = kJobFileName;

  // The reports so far as one refusal, when there are errors.
  void RefuseIfReported() const;
};

using OpHandler = std::function<Json(WebState&, const Args&)>;
using OpTable = std::map<std::string, OpHandler, std::less<>>;

void AddStateOps(OpTable& ops);   // about, state
void AddRoadOps(OpTable& ops);    // road.*
void AddBridgeOps(OpTable& ops);  // templates.*, template.*, bridges.list, bridge.*
void AddJobOps(OpTable& ops);     // job.save, job.text, job.open
void AddQueryOps(OpTable& ops);   // road.at, station.table
void AddHeightsOps(OpTable& ops); // profile.set, profile.clear, section.set
void AddPolarOps(OpTable& ops);   // polar.station, polar.backsight, polar.clear
void AddCheckOps(OpTable& ops);   // check.run
void AddExportOps(OpTable& ops);  // export
void AddPlanOps(OpTable& ops);    // bridge.plan
void AddLandXmlOps(OpTable& ops); // road.landxml

// Shared answers.
inline Json XY(PlanePoint p) { return Json::array({p.X, p.Y}); }  // a point of a drawing
const char* ElementWord(ElementKind kind);  // "line", "arc", "spiral"
Json RoadSummary(const WebState& state);  // null without a working road
Json StateAnswer(const WebState& state);
Json StationJson(double station);        // {station, stationText}
Json ProfileLinesJson(const WebState& state);  // null without a profile
Json SectionLinesJson(const WebState& state);
Json PolarJson(const WebState& state);         // {station, backsight}
// Why the profile gives no heights on the working road now; null when it does.
Json HeightsProblemJson(const WebState& state);
// A sentence list of texts as one refusal of the whole input.
[[noreturn]] void RefuseWhole(const std::string& text);

}  // namespace capset::web
