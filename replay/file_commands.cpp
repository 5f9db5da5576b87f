// @save FILE, @open FILE, @export csv FILE, @export dat FILE.

#include "script.h"
#include "script_commands.h"

namespace capset {

void AddFileCommands(CommandTable& table, const TargetActions& actions) {
  using enum CommandTable::Argument;
  auto path = [](const std::function<void(const std::string&)>& action) -> CommandTable::Handler {
    if (!action) return nullptr;
    return [&action](const std::string& argument, ScriptLines&) { action(argument); };
  };
  table.Add(kSaveCommand, kRequired, path(actions.save));
  table.Add(kOpenCommand, kRequired, path(actions.open));
  for (const auto& [word, format] : {std::pair{"csv", ExportFormat::kCsv}, std::pair{"dat", ExportFormat::kDat}}) {
    CommandTable::Handler handler;
    if (actions.exportTo) {
      handler = [&actions, format](const std::string& argument, ScriptLines&) { actions.exportTo(argument, format); };
    }
    table.Add(std::string(kExportWord) + " " + word, kRequired, handler);
  }
}

}  // namespace capset
