#pragma once
// Reading a block (@batch … @end, @check … @end, @road … @end): its lines,
// and the "word value" fields they hold.

#include <optional>
#include <string>

namespace capset {

class CommandTable;
class ScriptLines;

// The block's next line; nothing once the block is over. "@end" closes the
// block and is used up; any other command line also ends it and is handed
// back to the script, so a forgotten "@end" loses no command.
std::optional<std::string> NextBlockLine(ScriptLines& lines, const CommandTable& commands);

// "dr 7.5" is the word "dr" and the text "7.5" as typed; "dr" alone is an
// empty text. False for a line of another word.
bool TakeField(const std::string& line, const std::string& word, std::string& value);

}  // namespace capset
