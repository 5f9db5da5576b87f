// Bridges: @template … @end, @bridge … @end, @bridgepoints [NAME] and
// @templates. Answers are tab-separated with "." whatever the user's
// locale, metres to 6 decimals, a station as the road's commands print it.

#include <memory>
#include <optional>

#include "answer_lines.h"
#include "blanks.h"
#include "block_lines.h"
#include "bridge_lines.h"
#include "bridge_texts.h"
#include "number_text.h"
#include "ready_templates.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

constexpr char kTemplateCommand[] = "@template";
constexpr char kBridgeCommand[] = "@bridge";
constexpr char kBridgePointsCommand[] = "@bridgepoints";
constexpr char kTemplatesCommand[] = "@templates";
constexpr char kPointTag[] = "SP";
constexpr char kTemplateTag[] = "TEMPLATE";

std::string Metres(double value) { return MetresField(value); }

class BridgeCommands {
 public:
  BridgeCommands(const CommandTable& table, ScriptContext& context) : table_(table), context_(context) {}

  void Template(const std::string& name, ScriptLines& lines) {
    const std::vector<std::string> typed = BlockLines(lines);
    if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
      return Message(TemplateLineMessage(Shown(name, *fault), {0, "", {*fault, kTemplateCommand, name}}));
    }
    CapSession& session = context_.session;
    const auto read = ReadTemplateLines(name, typed, context_.reader.Symbols(), session.TemplateFinder());
    if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
      for (const BridgeLineProblem& p : *problems) Message(TemplateLineMessage(name, p));
      return;
    }
    for (BridgeLineProblem& p : session.SetTemplate(std::get<SubstructureTemplate>(read))) {
      Message(TemplateLineMessage(name, WithText(p, typed)));
    }
  }

  void Bridge(const std::string& name, ScriptLines& lines) {
    const std::vector<std::string> typed = BlockLines(lines);
    if (const std::optional<BridgeFault> fault = BlockNameFault(name)) {
      return Message(BridgeLineMessage(Shown(name, *fault), {0, "", {*fault, kBridgeCommand, name}}));
    }
    CapSession& session = context_.session;
    const auto read = ReadBridgeLines(name, typed, context_.reader.Symbols());
    if (const auto* problems = std::get_if<std::vector<BridgeLineProblem>>(&read)) {
      for (const BridgeLineProblem& p : *problems) Message(BridgeLineMessage(name, p));
      return;
    }
    const Road* road = session.WorkingRoad();
    const std::optional<StationRange> range = road ? std::optional(RangeOf(*road)) : std::nullopt;
    for (BridgeLineProblem& p : session.SetBridge(std::get<capset::Bridge>(read))) {
      Message(BridgeLineMessage(name, WithText(p, typed), range));
    }
  }

  void Points(const std::string& name) {
    CapSession& session = context_.session;
    std::vector<const capset::Bridge*> bridges;
    if (!name.empty()) {
      const capset::Bridge* bridge = session.FindBridge(name);
      if (bridge == nullptr) return Message(NoSuchBridgeText(name));
      bridges.push_back(bridge);
    } else {
      for (const capset::Bridge& b : session.Bridges()) bridges.push_back(&b);
    }
    if (bridges.empty()) {
      context_.out << "NOTICE " << OneLine(kNoBridges) << '\n' << std::flush;
      return;
    }
    if (session.WorkingRoad() == nullptr) return Message(session.NoRoadText());
    // H is given when the job has a profile, "-" where it gives none.
    const bool heights = session.ProfileSource().has_value();
    for (const capset::Bridge* bridge : bridges) {
      const BridgeSolution solution = *session.SolveBridgeNow(*bridge);
      for (std::size_t k = 0; k < solution.bents.size(); ++k) {
        const BentSolution& bent = solution.bents[k];
        if (bent.fault != RoadCapFault::kNone) {
          const Bent& typed = bridge->bents[k];
          const StationRef station = bent.fault == RoadCapFault::kDesignNotPlaced ? typed.design : typed.station;
          Message(BentNotSolvedText(bridge->name, bent.bent, bent.fault, bent.placement, KStationText(station),
                                    RangeOf(*session.WorkingRoad())));
          continue;
        }
        if (bent.axisReversed) {
          Message(BentAxisReversedText(bridge->name, bent.bent));
          continue;
        }
        // A side not solved is a notice, as in the batch: the bent's other points stand.
        for (const auto& [side, problem] : bent.edges) {
          context_.out << "NOTICE " << OneLine(BentEdgeText(bridge->name, bent.bent, side, problem)) << '\n';
        }
        for (const BridgePoint& p : bent.points) Print(bridge->name, p, heights);
      }
    }
    context_.out << std::flush;
  }

  void Templates() {
    for (const ReadyTemplate& r : ReadyTemplates()) PrintTemplate(r.tmpl);
    for (const SubstructureTemplate& t : context_.session.Templates()) PrintTemplate(t);
    context_.out << std::flush;
  }

 private:
  std::vector<std::string> BlockLines(ScriptLines& lines) {
    std::vector<std::string> typed;
    while (std::optional<std::string> line = NextBlockLine(lines, table_)) typed.push_back(std::move(*line));
    return typed;
  }

  // A name that is not text is not shown back.
  static std::string Shown(const std::string& name, BridgeFault fault) {
    return fault == BridgeFault::kWordNotText ? "" : name;
  }

  static BridgeLineProblem& WithText(BridgeLineProblem& p, const std::vector<std::string>& typed) {
    if (p.line > 0 && p.line <= static_cast<int>(typed.size())) p.text = typed[p.line - 1];
    return p;
  }

  void Print(const std::string& bridge, const BridgePoint& p, bool heights) {
    std::ostream& out = context_.out;
    out << kPointTag << '\t' << bridge << '\t' << p.bent << '\t' << p.point << '\t' << Metres(p.xy.X) << '\t'
        << Metres(p.xy.Y);
    if (p.status == WhereStatus::kOnRoad) {
      out << '\t' << StationField(p.station) << '\t' << Metres(p.offset);
    } else {
      out << "\t-\t-";
    }
    if (heights) out << '\t' << (p.height ? Metres(*p.height) : "-");
    out << '\n';
  }

  void PrintTemplate(const SubstructureTemplate& t) {
    for (const TemplatePoint& p : ExpandTemplate(t)) {
      context_.out << kTemplateTag << '\t' << t.name << '\t' << p.name << '\t' << Metres(p.u) << '\t' << Metres(p.v)
                   << '\t' << (p.depth ? Metres(*p.depth) : "-") << '\n';
    }
  }

  void Message(const std::string& text) { context_.out << "MESSAGE " << OneLine(text) << '\n' << std::flush; }

  const CommandTable& table_;
  ScriptContext& context_;
};

}  // namespace

void AddBridgeCommands(CommandTable& table, ScriptContext& context) {
  using enum CommandTable::Argument;
  auto bridge = std::make_shared<BridgeCommands>(table, context);
  table.Add(kTemplateCommand, kNone, [bridge](const std::string& a, ScriptLines& l) { bridge->Template(a, l); });
  table.Add(kBridgeCommand, kNone, [bridge](const std::string& a, ScriptLines& l) { bridge->Bridge(a, l); });
  table.Add(kBridgePointsCommand, kNone, [bridge](const std::string& a, ScriptLines&) { bridge->Points(a); });
  table.Add(kTemplatesCommand, kNone, [bridge](const std::string&, ScriptLines&) { bridge->Templates(); });
}

}  // namespace capset
