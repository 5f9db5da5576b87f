#include "script_commands.h"

#include "script.h"

namespace capset {

void AddScriptCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context) {
  AddStartCommands(table, actions);
  AddBatchCommands(table, actions, context.out);
  AddFileCommands(table, actions, context.out);
  AddSketchCommands(table, actions, context.out);
  AddLandXmlCommands(table, actions);
  AddRoadCommands(table, actions, context);
  AddPointCommands(table, context);
  AddCheckCommands(table, context);
  AddHeightsCommands(table, context);
  AddBridgeCommands(table, context);
  AddBridgeExportCommands(table, actions, context);
}

void AddStartCommands(CommandTable& table, const TargetActions& actions) {
  using enum CommandTable::Argument;
  auto click = [](const std::function<void()>& action) -> CommandTable::Handler {
    if (!action) return nullptr;
    return [&action](const std::string&, ScriptLines&) { action(); };
  };
  table.Add(kStartLine, kNone, click(actions.start));
  table.Add(kComputeLine, kNone, click(actions.compute));
  // Taken by a prompt; with no prompt open there is nothing to cancel.
  table.Add(kCancelLine, kNone, nullptr);
}

}  // namespace capset
