// @landxml FILE [NAME], @export landxml FILE. Reading XML needs the
// toolkit's stream reader, so the window target runs them; the dialogue
// target has no action for them.

#include "blanks.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

// Where the first blank of `text` stands; npos when it has none.
std::size_t FirstBlank(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (BlankAt(text.substr(i)) > 0) return i;
  }
  return std::string_view::npos;
}

}  // namespace

void AddLandXmlCommands(CommandTable& table, const TargetActions& actions) {
  using enum CommandTable::Argument;
  CommandTable::Handler import;
  if (actions.importLandXml) {
    // The file is the first word; the alignment's name is the rest of the
    // line, blanks inside it included.
    import = [&actions](const std::string& argument, ScriptLines&) {
      const std::size_t blank = FirstBlank(argument);
      if (blank == std::string::npos) {
        actions.importLandXml(argument, std::nullopt);
        return;
      }
      const std::string name(TrimBlanks(std::string_view(argument).substr(blank)));
      actions.importLandXml(argument.substr(0, blank), name.empty() ? std::nullopt : std::optional<std::string>(name));
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
