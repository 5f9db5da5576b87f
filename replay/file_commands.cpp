// @save FILE, @open FILE, @quit, @export csv FILE, @export dat FILE,
// @export gsi|pnezd FILE [BRIDGE [BENT…]].

#include "blanks.h"
#include "script.h"
#include "script_commands.h"

namespace capset {

void AddFileCommands(CommandTable& table, const TargetActions& actions, std::ostream& out) {
  using enum CommandTable::Argument;
  auto path = [](const std::function<void(const std::string&)>& action) -> CommandTable::Handler {
    if (!action) return nullptr;
    return [&action](const std::string& argument, ScriptLines&) { action(argument); };
  };
  table.Add(kSaveCommand, kRequired, path(actions.save));
  table.Add(kOpenCommand, kRequired, path(actions.open));
  CommandTable::Handler quit;
  if (actions.quit) {
    // Once the program has ended nothing more is typed into it: the lines
    // left are shown as not taken.
    quit = [&actions, &out](const std::string&, ScriptLines& lines) {
      if (!actions.quit()) return;
      while (const std::optional<std::string> line = lines.Next()) out << "IGNORED " << *line << '\n';
      out << std::flush;
    };
  }
  table.Add(kQuitCommand, kNone, quit);
  for (const auto& [word, format] : {std::pair{"csv", ExportFormat::kCsv}, std::pair{"dat", ExportFormat::kDat}}) {
    CommandTable::Handler handler;
    if (actions.exportTo) {
      // A copy, not the binding: a lambda may not capture a structured binding in clang 14.
      handler = [&actions, as = format](const std::string& argument, ScriptLines&) { actions.exportTo(argument, as); };
    }
    table.Add(std::string(kExportWord) + " " + word, kRequired, handler);
  }
  for (const auto& [word, format] : {std::pair{"gsi", InstrumentFormat::kGsi16}, std::pair{"pnezd", InstrumentFormat::kPnezd}}) {
    CommandTable::Handler handler;
    if (actions.exportPoints) {
      // FILE [BRIDGE [BENT…]], as @export bridge takes them.
      handler = [&actions, as = format](const std::string& argument, ScriptLines&) {
        const std::vector<std::string> words = Words(argument);
        const std::string bridge = words.size() > 1 ? words[1] : std::string();
        const std::vector<std::string> bents(words.begin() + std::min<std::size_t>(words.size(), 2), words.end());
        actions.exportPoints(words.empty() ? argument : words[0], as, bridge, bents);
      };
    }
    table.Add(std::string(kExportWord) + " " + word, kRequired, handler);
  }
}

}  // namespace capset
