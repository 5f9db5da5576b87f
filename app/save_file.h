#pragma once
// A file written whole or not at all: the new content goes to a temporary
// file beside it, which replaces the old one only once every byte is
// written. On any failure the old file stays as it was.

#include <QString>
#include <optional>
#include <string>

namespace capset {

// Nothing on success; otherwise why the file could not be written.
std::optional<std::string> SaveWholeFile(const QString& path, const std::string& bytes);

}  // namespace capset
