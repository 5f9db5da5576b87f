// @scene and @shot FILE.

#include "script.h"
#include "script_commands.h"

namespace capset {

void AddSketchCommands(CommandTable& table, const TargetActions& actions, std::ostream& out) {
  using enum CommandTable::Argument;
  CommandTable::Handler scene;
  if (actions.scene) {
    scene = [&actions, &out](const std::string&, ScriptLines&) {
      if (const SketchScene* shown = actions.scene()) {
        for (const std::string& element : SceneLines(*shown)) out << element << '\n';
      }
      out << std::flush;
    };
  }
  table.Add(kSceneCommand, kNone, scene);
  CommandTable::Handler shot;
  if (actions.shot) shot = [&actions](const std::string& argument, ScriptLines&) { actions.shot(argument); };
  table.Add(kShotCommand, kRequired, shot);
}

}  // namespace capset
