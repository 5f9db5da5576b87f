#include "job_file_heights.h"

#include <optional>

#include "heights_texts.h"
#include "job_file_fields.h"
#include "job_file_keys.h"
#include "job_road_texts.h"

namespace capset {
namespace {

namespace keys = job_keys;
using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

struct CurveWord {
  VerticalCurveKind kind;
  const char* word;
};
constexpr CurveWord kCurveWords[] = {{VerticalCurveKind::kRadius, keys::kCurveRadius},
                                     {VerticalCurveKind::kLength, keys::kCurveLength},
                                     {VerticalCurveKind::kAsymmetric, keys::kCurveLengths},
                                     {VerticalCurveKind::kCircle, keys::kCurveCircle}};
constexpr char kCurveWordList[] = "“radius”、“length”、“lengths”或“circle”";

struct AxisWord {
  SuperAxis axis;
  const char* word;
};
constexpr AxisWord kAxisWords[] = {{SuperAxis::kCentre, keys::kAxisCentre},
                                   {SuperAxis::kInnerEdge, keys::kAxisInner},
                                   {SuperAxis::kOuterEdge, keys::kAxisOuter}};
constexpr char kAxisWordList[] = "“centre”、“inner”或“outer”";
constexpr char kSideWordList[] = "“left”或“right”";

void PutStation(Ordered& item, const char* key, StationRef station) {
  item[key] = station.value;
  // The place in a 长链 goes with the station it belongs to.
  if (station.occurrence > 0) item[std::string(key) + keys::kOccurrenceSuffix] = station.occurrence;
}

// Reads the fields of one group; the first refusal is kept, with the
// section of the file it is in.
class Reader : public JobPartReader {
 public:
  Reader(const char* section, const std::map<std::string, int>& lines)
      : JobPartReader(JobFileFault::kBadHeights, section, lines) {}

  double NumberOr(const Json& object, const char* key, const std::string& where, double otherwise) {
    return object.contains(key) ? Number(object, key, where) : otherwise;
  }
  // The value of `key` among `words`, or `otherwise` when the key is absent.
  template <typename T, std::size_t N>
  T Word(const Json& object, const char* key, const std::string& where, const std::pair<T, const char*> (&words)[N],
         T otherwise, const char* list) {
    const auto at = object.find(key);
    if (at == object.end()) return otherwise;
    for (const auto& [value, word] : words) {
      if (at->is_string() && *at == word) return value;
    }
    Fail(JobHeightsBadWord(JobRoadField(where, key), list));
    return otherwise;
  }
  const Json& List(const Json& object, const char* key, const std::string& where) {
    static const Json empty = Json::array();
    const auto at = object.find(key);
    if (at == object.end()) return empty;
    if (!at->is_array()) {
      Fail(JobRoadNotAList(key), where);
      return empty;
    }
    return *at;
  }
  const Json* Object(const Json& item, const std::string& where) {
    if (item.is_object()) return &item;
    Fail(JobRoadNotAGroup(where));
    return nullptr;
  }
};

}  // namespace

nlohmann::ordered_json ProfileJson(const ProfileInput& profile) {
  Ordered rows = Ordered::array();
  for (const PviInput& r : profile.rows) {
    Ordered item;
    PutStation(item, keys::kProfileStation, r.station);
    item[keys::kProfileElevation] = r.elevation;
    for (const CurveWord& c : kCurveWords) {
      if (c.kind == r.curve) item[keys::kProfileCurve] = c.word;
    }
    switch (r.curve) {
      case VerticalCurveKind::kNone: break;
      case VerticalCurveKind::kRadius: item["R"] = r.radius; break;
      case VerticalCurveKind::kLength: item["L"] = r.length; break;
      case VerticalCurveKind::kAsymmetric:
        item["L1"] = r.length;
        item["L2"] = r.length2;
        break;
      case VerticalCurveKind::kCircle:
        item["R"] = r.radius;
        item["L"] = r.length;
        break;
    }
    rows.push_back(std::move(item));
  }
  return rows;
}

nlohmann::ordered_json SectionJson(const CrossSectionInput& s) {
  Ordered out;
  out[keys::kSectionCrown] = s.crown;
  out[keys::kSectionLeft] = s.leftWidth;
  out[keys::kSectionRight] = s.rightWidth;
  out[keys::kSectionDesign] = s.design;
  Ordered& transitions = out[keys::kSectionSuper] = Ordered::array();
  for (const SuperInput& t : s.transitions) {
    Ordered item;
    if (t.jd > 0) {
      item[keys::kSectionJd] = t.jd;
    } else {
      PutStation(item, "TS", t.ts);
      PutStation(item, "FS", t.fs);
      PutStation(item, "FE", t.fe);
      PutStation(item, "TE", t.te);
    }
    item[keys::kSectionE] = t.e;
    if (t.jd == 0) item[keys::kSectionInner] = t.inner == SectionSide::kLeft ? keys::kSideLeft : keys::kSideRight;
    for (const AxisWord& a : kAxisWords) {
      if (a.axis == t.axis) item[keys::kSectionAxis] = a.word;
    }
    transitions.push_back(std::move(item));
  }
  Ordered& slopes = out[keys::kSectionSlopes] = Ordered::array();
  for (const SlopeInput& r : s.slopes) {
    Ordered item;
    PutStation(item, keys::kProfileStation, r.station);
    item[keys::kSectionLeft] = r.left;
    item[keys::kSectionRight] = r.right;
    slopes.push_back(std::move(item));
  }
  return out;
}

std::variant<ProfileInput, JobFileProblem> ReadProfileJson(const nlohmann::json& value,
                                                          const std::map<std::string, int>& lines) {
  Reader r(keys::kProfile, lines);
  std::pair<VerticalCurveKind, const char*> curves[std::size(kCurveWords)];
  for (std::size_t i = 0; i < std::size(kCurveWords); ++i) curves[i] = {kCurveWords[i].kind, kCurveWords[i].word};
  ProfileInput profile;
  if (!value.is_array()) r.Fail(JobRoadNotAList(keys::kProfile));
  for (std::size_t i = 0; value.is_array() && i < value.size() && !r.problem(); ++i) {
    const std::string where = HeightsRowName(HeightsTable::kProfile, static_cast<int>(i) + 1);
    const Json* row = r.Object(value[i], where);
    if (!row) break;
    PviInput pvi{r.Station(*row, keys::kProfileStation, where), r.Number(*row, keys::kProfileElevation, where)};
    pvi.curve = r.Word(*row, keys::kProfileCurve, where, curves, VerticalCurveKind::kNone, kCurveWordList);
    switch (pvi.curve) {
      case VerticalCurveKind::kNone: break;
      case VerticalCurveKind::kRadius: pvi.radius = r.Number(*row, "R", where); break;
      case VerticalCurveKind::kLength: pvi.length = r.Number(*row, "L", where); break;
      case VerticalCurveKind::kAsymmetric:
        pvi.length = r.Number(*row, "L1", where);
        pvi.length2 = r.Number(*row, "L2", where);
        break;
      case VerticalCurveKind::kCircle:
        pvi.radius = r.Number(*row, "R", where);
        pvi.length = r.NumberOr(*row, "L", where, 0);
        break;
    }
    profile.rows.push_back(pvi);
  }
  // Whether the rows make a profile is judged on the road the job will
  // have (stations become distances through its equations): the session's.
  if (r.problem()) return *r.problem();
  return profile;
}

std::variant<CrossSectionInput, JobFileProblem> ReadSectionJson(const nlohmann::json& value,
                                                               const std::map<std::string, int>& lines) {
  Reader r(keys::kSection, lines);
  CrossSectionInput s;
  if (!value.is_object()) {
    r.Fail(JobRoadNotAGroup(kSectionWhole));
    return *r.problem();
  }
  const std::string whole = kSectionWhole;
  s.crown = r.NumberOr(value, keys::kSectionCrown, whole, s.crown);
  s.leftWidth = r.NumberOr(value, keys::kSectionLeft, whole, s.leftWidth);
  s.rightWidth = r.NumberOr(value, keys::kSectionRight, whole, s.rightWidth);
  s.design = r.NumberOr(value, keys::kSectionDesign, whole, s.design);
  std::pair<SuperAxis, const char*> axes[std::size(kAxisWords)];
  for (std::size_t i = 0; i < std::size(kAxisWords); ++i) axes[i] = {kAxisWords[i].axis, kAxisWords[i].word};
  const std::pair<SectionSide, const char*> sides[] = {{SectionSide::kLeft, keys::kSideLeft},
                                                       {SectionSide::kRight, keys::kSideRight}};
  const std::string superSection = std::string(keys::kSection) + "." + keys::kSectionSuper;
  const Json& transitions = r.List(value, keys::kSectionSuper, superSection);
  for (std::size_t i = 0; i < transitions.size() && !r.problem(); ++i) {
    const std::string where = HeightsRowName(HeightsTable::kTransitions, static_cast<int>(i) + 1);
    const Json* item = r.Object(transitions[i], where);
    if (!item) break;
    SuperInput t;
    if (item->contains(keys::kSectionJd)) {
      const auto jd = item->find(keys::kSectionJd);
      if (!jd->is_number_integer() || jd->get<long long>() < 1 || jd->get<long long>() > 1000000) {
        r.Fail(JobRoadNotANumber(JobRoadField(where, keys::kSectionJd), false), superSection);
      } else {
        t.jd = static_cast<int>(jd->get<long long>());
      }
    } else {
      t.ts = r.Station(*item, "TS", where);
      t.fs = r.Station(*item, "FS", where);
      t.fe = r.Station(*item, "FE", where);
      t.te = r.Station(*item, "TE", where);
      t.inner = r.Word(*item, keys::kSectionInner, where, sides, SectionSide::kRight, kSideWordList);
    }
    t.e = r.Number(*item, keys::kSectionE, where);
    t.axis = r.Word(*item, keys::kSectionAxis, where, axes, SuperAxis::kCentre, kAxisWordList);
    s.transitions.push_back(t);
  }
  const std::string slopeSection = std::string(keys::kSection) + "." + keys::kSectionSlopes;
  const Json& slopes = r.List(value, keys::kSectionSlopes, slopeSection);
  for (std::size_t i = 0; i < slopes.size() && !r.problem(); ++i) {
    const std::string where = HeightsRowName(HeightsTable::kSlopes, static_cast<int>(i) + 1);
    const Json* item = r.Object(slopes[i], where);
    if (!item) break;
    s.slopes.push_back({r.Station(*item, keys::kProfileStation, where), r.Number(*item, keys::kSectionLeft, where),
                        r.Number(*item, keys::kSectionRight, where)});
  }
  if (r.problem()) return *r.problem();
  return s;
}

}  // namespace capset
