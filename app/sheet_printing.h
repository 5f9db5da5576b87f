#pragma once
// The window's sheets on paper: headed with the open job's file and dated
// by the session's clock, written to a PDF whole or not at all.

#include <optional>
#include <string>
#include <vector>

#include "sheet.h"

namespace capset {

class MainWindow;

SheetDocument WindowSheets(const MainWindow& window, std::vector<Sheet> sheets);

// Nothing when written; else why not, in the user's words.
std::optional<std::string> WriteWindowSheets(const MainWindow& window, const std::string& path,
                                             std::vector<Sheet> sheets);

}  // namespace capset
