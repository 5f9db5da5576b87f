// @landxml FILE [NAME], @export landxml FILE. The window target reads and
// writes with the desktop's format; the dialogue target with the format it
// is given, or with landxmlcore/'s over its files in memory.

#include "blanks.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
void AddLandXmlCommands(CommandTable& table, const TargetActions& actions) {
  using enum CommandTable::Argument;
  CommandTable::Handler import;
  if (actions.importLandXml) {
    // The file is the first word; the alignment's name is the rest of the
    // line, blanks inside it included.
    import = [&actions](const std::string& argument, ScriptLines&) {
      const auto [file, name] = FirstWord(argument);
      actions.importLandXml(file, name.empty() ? std::nullopt : std::optional<std::string>(name));
    };
  }
  table.Add(kLandXmlCommand, kRequired, import);
  CommandTable::Handler exportRoad;
  if (actions.exportLandXml) {
    exportRoad = [&actions](const std::string& argument, ScriptLines&) { actions.exportLandXml(argument); };
  }
  table.Add(std::string(kExportWord) + " landxml", kRequired, exportRoad);
}

}  // namespace capset
