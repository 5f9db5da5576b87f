// @export bridge csv|dat FILE [BRIDGE [BENT…]]: the points of the job's
// bridges, of one bridge, or of chosen bents of one, written as the
// window's export writes them.

#include "blanks.h"
#include "bridge_export_texts.h"
#include "script.h"
#include "script_commands.h"

namespace capset {

void AddBridgeExportCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context) {
  using enum CommandTable::Argument;
  CommandTable::Handler handler;
  if (actions.exportBridges) {
    handler = [&actions, &context](const std::string& argument, ScriptLines&) {
      std::vector<std::string> words = Words(argument);
      if (words.size() < 2 || (words[0] != "csv" && words[0] != "dat")) {
        context.out << "MESSAGE " << OneLine(kExportBridgeUsage) << '\n' << std::flush;
        return;
      }
      const ExportFormat format = words[0] == "csv" ? ExportFormat::kCsv : ExportFormat::kDat;
      const std::string bridge = words.size() > 2 ? words[2] : std::string();
      const std::vector<std::string> bents(words.begin() + std::min<std::size_t>(words.size(), 3), words.end());
      actions.exportBridges(words[1], format, bridge, bents);
    };
  }
  table.Add(std::string(kExportWord) + " bridge", kNone, handler);
}

}  // namespace capset
