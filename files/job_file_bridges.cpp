#include "job_file_bridges.h"

#include <cmath>
#include <optional>
#include <set>

#include "bridge_texts.h"
#include "job_file_fields.h"
#include "job_file_keys.h"
#include "job_road_texts.h"
#include "number_chars.h"
#include "ready_templates.h"

namespace capset {
namespace {

namespace keys = job_keys;
using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;

struct KindWord {
  TemplateItem::Kind kind;
  const char* word;
};
constexpr KindWord kKindWords[] = {{TemplateItem::Kind::kPoint, keys::kItemPoint},
                                   {TemplateItem::Kind::kGrid, keys::kItemGrid},
                                   {TemplateItem::Kind::kCorners, keys::kItemCorners}};

std::string NumberText(double value) {
  return ShortestText(value);
}

void PutStation(Ordered& item, const char* key, StationRef station) {
  item[key] = station.value;
  if (station.occurrence > 0) item[std::string(key) + keys::kOccurrenceSuffix] = station.occurrence;
}

// The fields of the templates or of the bridges, read one by one; the
// first refusal is kept, on the line of the key it is under.
class Fields : public JobPartReader {
 public:
  Fields(const char* key, const std::map<std::string, int>& lines) : JobPartReader(JobFileFault::kBadBridges, key, lines) {}

  const Json* Group(const Json& value, const std::string& where) {
    if (value.is_object()) return &value;
    Fail(JobRoadNotAGroup(where));
    return nullptr;
  }
  const Json* List(const Json& object, const char* key, const std::string& where) {
    const auto at = object.find(key);
    if (at == object.end()) {
      Fail(JobRoadMissing(JobRoadField(where, key)));
    } else if (!at->is_array()) {
      Fail(where + " " + JobRoadNotAList(key));
    } else {
      return &*at;
    }
    return nullptr;
  }
  std::string Text(const Json& object, const char* key, const std::string& where) {
    const auto at = object.find(key);
    if (at != object.end() && at->is_string() && !at->get<std::string>().empty()) return at->get<std::string>();
    Fail(at == object.end() ? JobRoadMissing(JobRoadField(where, key)) : JobBridgeNotAName(JobRoadField(where, key)));
    return "";
  }
  std::optional<double> Optional(const Json& object, const char* key, const std::string& where) {
    if (!object.contains(key)) return std::nullopt;
    return Number(object, key, where);
  }
  // ROWS or COLS: a whole number from 1 to kMostGridCount.
  int Count(const Json& object, const char* key, const std::string& where) {
    const double value = Number(object, key, where);
    if (problem()) return 1;
    if (value != std::floor(value) || value < 1 || value > kMostGridCount) {
      Refuse(where, {BridgeFault::kCountNotWhole, key, NumberText(value)});
      return 1;
    }
    return static_cast<int>(value);
  }
  void Refuse(const std::string& where, const BridgeProblem& problem) { Fail(JobBridgeProblemText(where, problem)); }
};

TemplateItem ReadItem(Fields& f, const Json& item, const std::string& where) {
  TemplateItem out;
  const std::string kind = f.Text(item, keys::kItemKind, where);
  bool known = false;
  for (const KindWord& k : kKindWords) {
    if (kind == k.word) {
      out.kind = k.kind;
      known = true;
    }
  }
  if (!known) f.Fail(JobBridgeBadKind(JobRoadField(where, keys::kItemKind)));
  out.name = f.Text(item, keys::kName, where);
  switch (out.kind) {
    case TemplateItem::Kind::kPoint:
      out.u = f.Number(item, keys::kItemU, where);
      out.v = f.Number(item, keys::kItemV, where);
      break;
    case TemplateItem::Kind::kGrid:
      out.rows = f.Count(item, keys::kItemRows, where);
      out.cols = f.Count(item, keys::kItemCols, where);
      out.du = f.Number(item, keys::kItemDu, where);
      out.dv = f.Number(item, keys::kItemDv, where);
      // Two or more points in a row (or rows) need a spacing, one a spacing of no sign.
      for (const auto& [key, spacing, count] : {std::tuple{keys::kItemDu, out.du, out.cols},
                                                 std::tuple{keys::kItemDv, out.dv, out.rows}}) {
        if (spacing < 0 || (spacing == 0 && count > 1)) {
          f.Refuse(where, {count == 1 ? BridgeFault::kSpacingNegative : BridgeFault::kSpacingNotPositive, key,
                           NumberText(spacing)});
        }
      }
      out.u = f.Optional(item, keys::kItemU, where).value_or(0);
      out.v = f.Optional(item, keys::kItemV, where).value_or(0);
      break;
    case TemplateItem::Kind::kCorners:
      out.length = f.Number(item, keys::kItemLength, where);
      out.width = f.Number(item, keys::kItemWidth, where);
      for (const auto& [key, size] : {std::pair{keys::kItemLength, out.length}, std::pair{keys::kItemWidth, out.width}}) {
        if (size <= 0) f.Refuse(where, {BridgeFault::kLengthNotPositive, key, NumberText(size)});
      }
      break;
  }
  out.depth = f.Optional(item, keys::kDepth, where);
  return out;
}

Bent ReadBent(Fields& f, const Json& item, const std::string& where) {
  Bent bent;
  bent.name = f.Text(item, keys::kName, where);
  bent.station = f.Station(item, keys::kBentStation, where);
  bent.B = f.Number(item, keys::kBentSkew, where);
  if (!f.problem() && !(bent.B > 0 && bent.B < 180)) f.Refuse(where, {BridgeFault::kSkewNotBetween, "skew", NumberText(bent.B)});
  const std::string axis = f.Text(item, keys::kBentAxis, where);
  if (axis == keys::kAxisParallel) {
    bent.axis = CapAxisMode::kParallel;
    bent.design = f.Station(item, keys::kBentDesign, where);
  } else if (axis != keys::kAxisOwn) {
    f.Fail(JobBridgeBadAxis(JobRoadField(where, keys::kBentAxis)));
  }
  // Both edges or neither, as the bent's dr gives them.
  bent.left = f.Optional(item, keys::kBentLeft, where);
  bent.right = f.Optional(item, keys::kBentRight, where);
  if (bent.left.has_value() != bent.right.has_value()) {
    f.Fail(JobRoadMissing(JobRoadField(where, bent.left ? keys::kBentRight : keys::kBentLeft)));
  }
  bent.depth = f.Number(item, keys::kDepth, where);
  // Deck to cap top, as a typed bent and the batch read it.
  if (!f.problem() && !Within(bent.depth, kDepthRange))
    f.Refuse(where, {BridgeFault::kOutOfRange, keys::kDepth, NumberText(bent.depth), 0, kDepthRange});
  if (item.contains(keys::kBentTemplate)) bent.templateName = f.Text(item, keys::kBentTemplate, where);
  return bent;
}

// The words that say where a group and its rows are.
struct GroupWords {
  std::string (*group)(int number, const std::string& name);
  std::string (*row)(const std::string& group, int number);
};

// A list of named groups under `key` (templates, bridges), each with its
// rows under `rowsKey`: the names apart, every row read by `readRow`, each
// group checked whole by `check` once its rows are read.
template <typename Whole, typename Row, typename Check>
void ReadGroups(Fields& f, const Json& value, const char* key, const GroupWords& words, const char* rowsKey,
                Row (*readRow)(Fields&, const Json&, const std::string&), std::vector<Row> Whole::*rows,
                const Check& check, std::vector<Whole>& out) {
  if (!value.is_array()) return f.Fail(JobRoadNotAList(key));
  std::set<std::string> names;
  for (std::size_t i = 0; i < value.size() && !f.problem(); ++i) {
    const std::string unnamed = words.group(static_cast<int>(i) + 1, "");
    const Json* group = f.Group(value[i], unnamed);
    if (!group) return;
    Whole whole;
    whole.name = f.Text(*group, keys::kName, unnamed);
    if (f.problem()) return;
    const std::string where = words.group(static_cast<int>(i) + 1, whole.name);
    if (!names.insert(whole.name).second) return f.Fail(JobBridgeNameTwice(where));
    const Json* list = f.List(*group, rowsKey, where);
    for (std::size_t k = 0; list && k < list->size() && !f.problem(); ++k) {
      const std::string at = words.row(where, static_cast<int>(k) + 1);
      if (const Json* item = f.Group((*list)[k], at)) {
        (whole.*rows).push_back(readRow(f, *item, at));
        (whole.*rows).back().line = static_cast<int>(k) + 1;
      }
    }
    if (f.problem()) return;
    for (const BridgeLineProblem& p : check(whole)) {
      return f.Refuse(p.line > 0 ? words.row(where, p.line) : where, p.problem);
    }
    out.push_back(std::move(whole));
  }
}

}  // namespace

nlohmann::ordered_json TemplatesJson(const std::vector<SubstructureTemplate>& templates) {
  Ordered out = Ordered::array();
  for (const SubstructureTemplate& t : templates) {
    Ordered items = Ordered::array();
    for (const TemplateItem& i : t.items) {
      Ordered item;
      for (const KindWord& k : kKindWords) {
        if (k.kind == i.kind) item[keys::kItemKind] = k.word;
      }
      item[keys::kName] = i.name;
      switch (i.kind) {
        case TemplateItem::Kind::kPoint: break;
        case TemplateItem::Kind::kGrid:
          item[keys::kItemRows] = i.rows;
          item[keys::kItemCols] = i.cols;
          item[keys::kItemDu] = i.du;
          item[keys::kItemDv] = i.dv;
          break;
        case TemplateItem::Kind::kCorners:
          item[keys::kItemLength] = i.length;
          item[keys::kItemWidth] = i.width;
          break;
      }
      if (i.kind != TemplateItem::Kind::kCorners) {
        item[keys::kItemU] = i.u;
        item[keys::kItemV] = i.v;
      }
      if (i.depth) item[keys::kDepth] = *i.depth;
      items.push_back(std::move(item));
    }
    out.push_back(Ordered{{keys::kName, t.name}, {keys::kItems, std::move(items)}});
  }
  return out;
}

nlohmann::ordered_json BridgesJson(const std::vector<Bridge>& bridges) {
  Ordered out = Ordered::array();
  for (const Bridge& b : bridges) {
    Ordered bents = Ordered::array();
    for (const Bent& bent : b.bents) {
      Ordered item;
      item[keys::kName] = bent.name;
      PutStation(item, keys::kBentStation, bent.station);
      item[keys::kBentSkew] = bent.B;
      item[keys::kBentAxis] = bent.axis == CapAxisMode::kParallel ? keys::kAxisParallel : keys::kAxisOwn;
      if (bent.axis == CapAxisMode::kParallel) PutStation(item, keys::kBentDesign, bent.design);
      if (bent.left) item[keys::kBentLeft] = *bent.left;
      if (bent.right) item[keys::kBentRight] = *bent.right;
      item[keys::kDepth] = bent.depth;
      if (!bent.templateName.empty()) item[keys::kBentTemplate] = bent.templateName;
      bents.push_back(std::move(item));
    }
    out.push_back(Ordered{{keys::kName, b.name}, {keys::kBents, std::move(bents)}});
  }
  return out;
}

std::variant<JobBridges, JobFileProblem> ReadBridgesJson(const nlohmann::json* templates, const nlohmann::json* bridges,
                                                        const std::map<std::string, int>& lines) {
  JobBridges out;
  if (templates) {
    // A ready template keeps its name: the user's copy has one of its own.
    const auto check = [](const SubstructureTemplate& t) -> std::vector<BridgeLineProblem> {
      if (FindReadyTemplate(t.name) != nullptr) return {{0, "", {BridgeFault::kReadyName, "", t.name}}};
      return CheckTemplatePoints(t);
    };
    Fields f(keys::kTemplates, lines);
    ReadGroups(f, *templates, keys::kTemplates, {JobTemplateWhere, JobTemplateItemWhere}, keys::kItems, ReadItem,
               &SubstructureTemplate::items, check, out.templates);
    if (f.problem()) return *f.problem();
  }
  if (bridges) {
    // A bent's template is one of the file's own or a ready one: the job
    // must not rest on a template the session happens to hold.
    const TemplateLookup lookup = [&out](const std::string& name) -> const SubstructureTemplate* {
      for (const SubstructureTemplate& t : out.templates) {
        if (t.name == name) return &t;
      }
      return FindReadyTemplate(name);
    };
    // Its stations are placed on the road when its points are asked for.
    const auto check = [&lookup](const Bridge& b) { return CheckBridge(b, lookup, nullptr); };
    Fields f(keys::kBridges, lines);
    ReadGroups(f, *bridges, keys::kBridges, {JobBridgeWhere, JobBentWhere}, keys::kBents, ReadBent, &Bridge::bents, check,
               out.bridges);
    if (f.problem()) return *f.problem();
  }
  return out;
}

}  // namespace capset
