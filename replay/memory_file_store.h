#pragma once
// Files kept in memory, for the dialogue played without a window: a script
// saves, opens and exports through the session as the window does, and a
// test puts files in first and reads them back after.

#include <map>
#include <set>
#include <string>

#include "file_store.h"

namespace capset {

class MemoryFileStore : public FileStore {
 public:
  std::variant<std::string, FileFailure> Read(const std::string& path, std::size_t most) override {
    const auto file = files.find(path);
    // The words the system gives for a file that is not there.
    if (file == files.end()) return FileFailure{"No such file or directory"};
    return file->second.substr(0, most + 1);
  }
  std::optional<FileFailure> WriteWhole(const std::string& path, const std::string& bytes) override {
    if (unwritable.contains(path)) return FileFailure{"Permission denied"};
    files[path] = bytes;
    return std::nullopt;
  }

  std::map<std::string, std::string> files;  // by path
  // Paths a write is refused at, as a folder without the rights refuses it.
  std::set<std::string> unwritable;
};

}  // namespace capset
