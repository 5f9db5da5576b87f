#pragma once
// Help: what the program does, where the day files are kept.

#include <string>

namespace capset {

std::string UsageText(const std::string& journalFolder);
std::string AboutText(const std::string& version);

}  // namespace capset
