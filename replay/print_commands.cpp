// @print bent BRIDGE BENT FILE.pdf, @print bridge BRIDGE FILE.pdf,
// @print table FILE.pdf FROM TO STEP [OFFSET…] and @print check FILE.pdf:
// the sheets written as a PDF without a dialog. Each refusal is a MESSAGE
// line and writes nothing.

#include <memory>

#include "blanks.h"
#include "bridge_texts.h"
#include "road_texts.h"
#include "script.h"
#include "script_commands.h"
#include "sheet_texts.h"

namespace capset {
namespace {

constexpr char kPrintWord[] = "@print";

class PrintCommands {
 public:
  PrintCommands(const CommandTable& table, const TargetActions& actions, ScriptContext& context)
      : table_(table), actions_(actions), context_(context) {}

  void PrintBent(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.size() != 3) return Message(kPrintUsage);
    const Road* road = WorkingRoad();
    if (road == nullptr) return;
    const Bridge* bridge = FindBridge(words[0]);
    if (bridge == nullptr) return;
    std::size_t k = 0;
    while (k < bridge->bents.size() && bridge->bents[k].name != words[1]) ++k;
    if (k == bridge->bents.size()) return Message(NoSuchBentText(bridge->name, words[1]));
    const BridgeSolution solution = *context_.session.SolveBridgeNow(*bridge);
    const BentSolution& bent = solution.bents[k];
    if (bent.fault != RoadCapFault::kNone) {
      const Bent& typed = bridge->bents[k];
      const StationRef station = bent.fault == RoadCapFault::kDesignNotPlaced ? typed.design : typed.station;
      return Message(BentNotSolvedText(bridge->name, bent.bent, bent.fault, bent.placement, KStationText(station),
                                       RangeOf(*road)));
    }
    if (bent.axisReversed) return Message(BentAxisReversedText(bridge->name, bent.bent));
    const bool heights = context_.session.ProfileSource().has_value();
    Write(words[2], {BentSheet({*road, *bridge, k, bent, heights})});
  }

  void PrintBridge(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.size() != 2) return Message(kPrintUsage);
    const Road* road = WorkingRoad();
    if (road == nullptr) return;
    const Bridge* bridge = FindBridge(words[0]);
    if (bridge == nullptr) return;
    Write(words[1], {BridgeSummarySheet(*road, *bridge, *context_.session.SolveBridgeNow(*bridge))});
  }

  void PrintTable(const std::string& argument) {
    std::vector<std::string> words = Words(argument);
    if (words.size() < 4) return Message(kPrintUsage);
    const std::string path = words[0];
    words.erase(words.begin());
    StationTableRequest request{};
    const auto rows = ScriptTableRows(table_, context_, words, kPrintUsage, request);
    if (!rows) return;
    Write(path, {StationTableSheet(*context_.session.WorkingRoad(), request, *rows)});
  }

  void PrintCheck(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.size() != 1) return Message(kPrintUsage);
    if (!context_.lastCheck || context_.lastCheck->results.empty()) return Message(kNothingCheckedToPrint);
    Write(words[0], {CheckSheet(*context_.lastCheck)});
  }

 private:
  const Road* WorkingRoad() {
    const Road* road = context_.session.WorkingRoad();
    if (road == nullptr) Message(context_.session.NoRoadText());
    return road;
  }

  const Bridge* FindBridge(const std::string& name) {
    const Bridge* bridge = context_.session.FindBridge(name);
    if (bridge == nullptr) Message(NoSuchBridgeText(name));
    return bridge;
  }

  void Write(const std::string& path, const std::vector<Sheet>& sheets) {
    if (const auto failure = actions_.print(path, sheets)) Message(*failure);
  }

  void Message(const std::string& text) { context_.out << "MESSAGE " << OneLine(text) << '\n' << std::flush; }

  const CommandTable& table_;
  const TargetActions& actions_;
  ScriptContext& context_;
};

}  // namespace

void AddPrintCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context) {
  using enum CommandTable::Argument;
  const auto row = [&](const char* kind, void (PrintCommands::*run)(const std::string&)) {
    CommandTable::Handler handler;
    if (actions.print) {
      auto commands = std::make_shared<PrintCommands>(table, actions, context);
      handler = [commands, run](const std::string& argument, ScriptLines&) { ((*commands).*run)(argument); };
    }
    table.Add(std::string(kPrintWord) + " " + kind, kNone, handler);
  };
  row("bent", &PrintCommands::PrintBent);
  row("bridge", &PrintCommands::PrintBridge);
  row("table", &PrintCommands::PrintTable);
  row("check", &PrintCommands::PrintCheck);
}

}  // namespace capset
