#pragma once
// The disk as the program reads and writes it: a file is replaced whole or
// not at all (QSaveFile), and only a plain file is read or replaced.

#include "file_store.h"

namespace capset {

class QtFileStore : public FileStore {
 public:
  std::variant<std::string, FileFailure> Read(const std::string& path, std::size_t most) override;
  // The new content goes to a temporary file beside the old one, which it
  // replaces only once every byte is written.
  std::optional<FileFailure> WriteWhole(const std::string& path, const std::string& bytes) override;
};

}  // namespace capset
