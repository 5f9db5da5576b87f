#include "script_commands.h"

#include "script.h"

namespace capset {
namespace {

// A row that runs `action`, or a word the target does not run.
template <typename Action, typename Run>
CommandTable::Handler Runs(const Action& action, Run run) {
  if (!action) return nullptr;
  return run;
}

}  // namespace

void AddScriptCommands(CommandTable& table, const TargetActions& actions, ScriptContext& context) {
  AddStartCommands(table, actions);
  AddBatchCommands(table, actions, context.out);
  AddFileCommands(table, actions);
  AddSketchCommands(table, actions, context.out);
}

void AddStartCommands(CommandTable& table, const TargetActions& actions) {
  using enum CommandTable::Argument;
  table.Add(kStartLine, kNone, Runs(actions.start, [&actions](const std::string&, ScriptLines&) { actions.start(); }));
  table.Add(kComputeLine, kNone,
            Runs(actions.compute, [&actions](const std::string&, ScriptLines&) { actions.compute(); }));
  // Taken by a prompt; with no prompt open there is nothing to cancel.
  table.Add(kCancelLine, kNone, nullptr);
}

}  // namespace capset
