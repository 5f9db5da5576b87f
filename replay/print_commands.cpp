// @print bent BRIDGE BENT FILE.pdf, @print bridge BRIDGE FILE.pdf,
// @print table FILE.pdf FROM TO STEP [OFFSET…] and @print check FILE.pdf:
// the sheets written as a PDF without a dialog. Each refusal is a MESSAGE
// line and writes nothing.

#include <memory>

#include "blanks.h"
#include "script.h"
#include "script_commands.h"
#include "session_sheets.h"
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
    WriteMade(words[2], SessionBentSheet(context_.session, words[0], words[1]));
  }

  void PrintBridge(const std::string& argument) {
    const std::vector<std::string> words = Words(argument);
    if (words.size() != 2) return Message(kPrintUsage);
    WriteMade(words[1], SessionBridgeSheet(context_.session, words[0]));
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
  void WriteMade(const std::string& path, const std::variant<Sheet, std::string>& made) {
    if (const auto* why = std::get_if<std::string>(&made)) return Message(*why);
    Write(path, std::vector<Sheet>{std::get<Sheet>(made)});
  }

  void Write(const std::string& path, const std::vector<Sheet>& sheets) {
    if (const auto refused = PrintRefusal(sheets)) return Message(*refused);
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
