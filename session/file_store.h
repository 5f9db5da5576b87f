#pragma once
// The seam between the session and the disk. Saving a job, opening one and
// exporting rows go through it, so the same steps run behind the window
// (which writes with the toolkit, whole or not at all) and in the tests.

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

namespace capset {

struct FileFailure {
  std::string reason;  // the system's words, or ours (a folder, a device)
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  // The first `most` + 1 bytes of the file (so that a longer file shows
  // without being read whole), or why it cannot be read. Only a plain file
  // is read: never a folder, a device or a pipe.
  virtual std::variant<std::string, FileFailure> Read(const std::string& path, std::size_t most) = 0;
  // Replaces the file with `bytes`, whole or not at all: on any failure the
  // old file stays as it was. Nothing on success.
  virtual std::optional<FileFailure> WriteWhole(const std::string& path, const std::string& bytes) = 0;
};

// The last part of a path, as a message names a file.
inline std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace capset
