#include "job_file_road.h"

#include <cmath>

#include "job_file_keys.h"
#include "job_road_texts.h"
#include "road_texts.h"

namespace capset {
namespace {

namespace keys = job_keys;
using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

// A number as JSON holds it; a radius without end as "inf".
Ordered Radius(double r) { return std::isinf(r) ? Ordered("inf") : Ordered(r); }
Ordered Point(PlanePoint p) { return Ordered{{"X", p.X}, {"Y", p.Y}}; }

const char* KindKey(ElementKind kind) {
  switch (kind) {
    case ElementKind::kLine: return keys::kRoadLine;
    case ElementKind::kArc: return keys::kRoadArc;
    case ElementKind::kSpiral: return keys::kRoadSpiral;
  }
  return "";
}

Ordered Equations(const std::vector<StationEquation>& equations) {
  Ordered list = Ordered::array();
  for (const StationEquation& e : equations) list.push_back({{keys::kRoadBack, e.back}, {keys::kRoadAhead, e.ahead}});
  return list;
}

std::string Of(const std::string& where, const char* key) { return JobRoadField(where, key); }

// A field of the wrong kind: the section it is in and what it should be.
struct Refusal {
  std::string section;  // "road.jds"
  std::string reason;
};

class Reader {
 public:
  Reader(const Json& road, bool printedStations) : road_(road), printedStations_(printedStations) {}

  double Number(const Json& object, const char* key, const std::string& where, bool infinite = false) {
    const auto at = object.find(key);
    if (at != object.end() && at->is_number()) return at->get<double>();
    if (infinite && at != object.end() && at->is_string() && *at == "inf") return kNoRadius;
    Fail(at == object.end() ? JobRoadMissing(Of(where, key)) : JobRoadNotANumber(Of(where, key), infinite));
    return 0;
  }
  // A printed station: left out when not given; when there, a number like any other.
  std::optional<double> Printed(const Json& object, const char* key, const std::string& where) {
    if (!printedStations_ || !object.contains(key)) return std::nullopt;
    return Number(object, key, where);
  }
  PlanePoint Point(const Json& object, const char* key, const std::string& where) {
    const auto at = object.find(key);
    if (at == object.end() || !at->is_object()) {
      Fail(JobRoadNotAPoint(Of(where, key)));
      return {0, 0};
    }
    return {Number(*at, "X", Of(where, key)), Number(*at, "Y", Of(where, key))};
  }
  const Json& List(const char* key) {
    static const Json empty = Json::array();
    const auto at = road_.find(key);
    if (at == road_.end() || !at->is_array()) {
      Fail(JobRoadNotAList(key), std::string(keys::kRoad) + "." + key);
      return empty;
    }
    return *at;
  }
  TurnSide Turn(const Json& object, const std::string& where) {
    const auto at = object.find(keys::kRoadTurn);
    if (at != object.end() && *at == "left") return TurnSide::kLeft;
    if (at != object.end() && *at == "right") return TurnSide::kRight;
    Fail(JobRoadBadTurn(Of(where, keys::kRoadTurn)));
    return TurnSide::kRight;
  }
  const Json* Object(const Json& item, const std::string& where) {
    if (item.is_object()) return &item;
    Fail(JobRoadNotAGroup(where));
    return nullptr;
  }

  void Fail(std::string reason, std::string section = "") {
    if (!refusal_) refusal_ = Refusal{section.empty() ? section_ : std::move(section), std::move(reason)};
  }
  void Section(const char* key) { section_ = std::string(keys::kRoad) + (key ? std::string(".") + key : ""); }
  const std::optional<Refusal>& refusal() const { return refusal_; }
  const Json& road() const { return road_; }

 private:
  const Json& road_;
  bool printedStations_;
  std::string section_ = keys::kRoad;
  std::optional<Refusal> refusal_;
};

std::vector<StationEquation> ReadEquations(Reader& r) {
  std::vector<StationEquation> equations;
  r.Section(keys::kRoadEquations);
  const Json& list = r.List(keys::kRoadEquations);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string where = JobRoadEquation(static_cast<int>(i) + 1);
    if (const Json* e = r.Object(list[i], where)) {
      equations.push_back({r.Number(*e, keys::kRoadBack, where), r.Number(*e, keys::kRoadAhead, where)});
    }
  }
  return equations;
}

IntersectionRoadInput ReadIntersections(Reader& r) {
  IntersectionRoadInput in{};
  r.Section(keys::kRoadStation);
  in.station = r.Number(r.road(), keys::kRoadStation, kJobRoadWhole);
  r.Section(keys::kRoadBp);
  in.bp = r.Point(r.road(), keys::kRoadBp, kJobRoadWhole);
  r.Section(keys::kRoadJds);
  const Json& jds = r.List(keys::kRoadJds);
  for (std::size_t i = 0; i < jds.size(); ++i) {
    const std::string where = JobRoadJd(static_cast<int>(i) + 1);
    if (const Json* j = r.Object(jds[i], where)) {
      in.jds.push_back({{r.Number(*j, "X", where), r.Number(*j, "Y", where)}, r.Number(*j, "R", where),
                        r.Number(*j, "Ls1", where), r.Number(*j, "Ls2", where),
                        r.Printed(*j, keys::kRoadStation, where)});
    }
  }
  r.Section(keys::kRoadEp);
  in.ep = r.Point(r.road(), keys::kRoadEp, kJobRoadWhole);
  if (const auto ep = r.road().find(keys::kRoadEp); ep != r.road().end() && ep->is_object()) {
    in.epStation = r.Printed(*ep, keys::kRoadStation, Of(kJobRoadWhole, keys::kRoadEp));
  }
  in.equations = ReadEquations(r);
  return in;
}

ElementRoadInput ReadElements(Reader& r) {
  ElementRoadInput in{};
  r.Section(nullptr);
  in.station = r.Number(r.road(), keys::kRoadStation, kJobRoadWhole);
  in.start = {r.Number(r.road(), "X", kJobRoadWhole), r.Number(r.road(), "Y", kJobRoadWhole)};
  in.azimuth = r.Number(r.road(), keys::kRoadAzimuth, kJobRoadWhole);
  r.Section(keys::kRoadElements);
  const Json& list = r.List(keys::kRoadElements);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string where = JobRoadElement(static_cast<int>(i) + 1);
    const Json* e = r.Object(list[i], where);
    if (!e) continue;
    ElementInput element{ElementKind::kLine, r.Number(*e, "L", where)};
    const auto kind = e->find(keys::kRoadKind);
    if (kind != e->end() && *kind == keys::kRoadArc) {
      element.kind = ElementKind::kArc;
      element.R1 = r.Number(*e, "R", where);
      element.turn = r.Turn(*e, where);
    } else if (kind != e->end() && *kind == keys::kRoadSpiral) {
      element.kind = ElementKind::kSpiral;
      element.R1 = r.Number(*e, "R1", where, true);
      element.R2 = r.Number(*e, "R2", where, true);
      element.turn = r.Turn(*e, where);
    } else if (kind == e->end() || *kind != keys::kRoadLine) {
      r.Fail(JobRoadBadKind(Of(where, keys::kRoadKind)));
    }
    if (e->contains(keys::kRoadFrom)) element.statedStart = r.Point(*e, keys::kRoadFrom, where);
    if (e->contains(keys::kRoadTo)) element.statedEnd = r.Point(*e, keys::kRoadTo, where);
    in.elements.push_back(element);
  }
  in.equations = ReadEquations(r);
  return in;
}

// The section of the file that holds the part a refusal of the road names.
const char* SectionOf(const RoadProblem& p, bool intersections) {
  switch (p.part) {
    case RoadPart::kBegin: return intersections ? keys::kRoadBp : keys::kRoad;
    case RoadPart::kJd: return keys::kRoadJds;
    case RoadPart::kEnd: return keys::kRoadEp;
    case RoadPart::kElement: return keys::kRoadElements;
    case RoadPart::kEquation: return keys::kRoadEquations;
    case RoadPart::kJob: break;
  }
  return keys::kRoad;
}

JobFileProblem Problem(const std::string& section, std::string reason, const std::map<std::string, int>& lines) {
  auto at = lines.find(section);
  if (at == lines.end()) at = lines.find(keys::kRoad);
  return {JobFileFault::kBadRoad, section, at == lines.end() ? 0 : at->second, std::move(reason)};
}

}  // namespace

nlohmann::ordered_json RoadJson(const RoadInput& road) {
  Ordered out;
  if (const auto* in = std::get_if<IntersectionRoadInput>(&road)) {
    out[keys::kRoadForm] = keys::kRoadIntersections;
    out[keys::kRoadStation] = in->station;
    out[keys::kRoadBp] = Point(in->bp);
    Ordered& jds = out[keys::kRoadJds] = Ordered::array();
    for (const IntersectionPoint& j : in->jds) {
      Ordered jd{{"X", j.point.X}, {"Y", j.point.Y}, {"R", j.R}, {"Ls1", j.Ls1}, {"Ls2", j.Ls2}};
      if (j.station) jd[keys::kRoadStation] = *j.station;
      jds.push_back(std::move(jd));
    }
    out[keys::kRoadEp] = Point(in->ep);
    if (in->epStation) out[keys::kRoadEp][keys::kRoadStation] = *in->epStation;
    out[keys::kRoadEquations] = Equations(in->equations);
    return out;
  }
  const ElementRoadInput& in = std::get<ElementRoadInput>(road);
  out[keys::kRoadForm] = keys::kRoadElementForm;
  out[keys::kRoadStation] = in.station;
  out["X"] = in.start.X;
  out["Y"] = in.start.Y;
  out[keys::kRoadAzimuth] = in.azimuth;
  Ordered& elements = out[keys::kRoadElements] = Ordered::array();
  for (const ElementInput& e : in.elements) {
    Ordered item{{keys::kRoadKind, KindKey(e.kind)}, {"L", e.length}};
    if (e.kind == ElementKind::kArc) item["R"] = e.R1;
    if (e.kind == ElementKind::kSpiral) {
      item["R1"] = Radius(e.R1);
      item["R2"] = Radius(e.R2);
    }
    if (e.kind != ElementKind::kLine) item[keys::kRoadTurn] = e.turn == TurnSide::kLeft ? "left" : "right";
    if (e.statedStart) item[keys::kRoadFrom] = Point(*e.statedStart);
    if (e.statedEnd) item[keys::kRoadTo] = Point(*e.statedEnd);
    elements.push_back(std::move(item));
  }
  out[keys::kRoadEquations] = Equations(in.equations);
  return out;
}

std::variant<RoadInput, JobFileProblem> ReadRoadJson(const nlohmann::json& value,
                                                    const std::map<std::string, int>& lines, bool printedStations) {
  if (!value.is_object()) return Problem(keys::kRoad, kJobRoadNotAGroup, lines);
  const auto form = value.find(keys::kRoadForm);
  const bool intersections = form != value.end() && *form == keys::kRoadIntersections;
  if (!intersections && !(form != value.end() && *form == keys::kRoadElementForm)) {
    return Problem(keys::kRoad, kJobRoadBadForm, lines);
  }
  Reader reader(value, printedStations);
  RoadInput road = intersections ? RoadInput(ReadIntersections(reader)) : RoadInput(ReadElements(reader));
  if (const auto& refusal = reader.refusal()) return Problem(refusal->section, refusal->reason, lines);
  // The road is made now, so a job whose road cannot be made opens not at all.
  const RoadBuild built = BuildRoad(road);
  if (built.problem) {
    return Problem(std::string(keys::kRoad) + "." + SectionOf(*built.problem, intersections),
                   RoadProblemText(*built.problem), lines);
  }
  return road;
}

}  // namespace capset
