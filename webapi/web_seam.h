#pragma once
// The session's seam in a page: no modal prompts (a question the core
// would ask is answered Cancel, unless the page has already asked the user
// and said so), reports collected for the answer, and the window's boxes
// kept nowhere (the session mirrors them itself).

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "file_store.h"
#include "seam.h"

namespace capset {

class WebPrompt : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string& /*message*/) override { return std::nullopt; }
  // Picks `agreed` when it is one of the answers offered: the page asks its
  // user before it sends a request that may discard work, so the core's own
  // question has been answered already.
  std::optional<int> Choose(const std::string& /*question*/, const std::vector<std::string>& choices) override {
    if (!agreed_) return std::nullopt;
    for (std::size_t i = 0; i < choices.size(); ++i) {
      if (choices[i] == *agreed_) return static_cast<int>(i);
    }
    return std::nullopt;
  }
  void Agree(std::optional<std::string> answer) { agreed_ = std::move(answer); }

 private:
  std::optional<std::string> agreed_;
};

class WebReporter : public ErrorReporter {
 public:
  void ReportError(const std::string& message) override { errors.push_back(message); }
  void ReportNotice(const std::string& message) override { notices.push_back(message); }
  void Clear() {
    errors.clear();
    notices.clear();
  }
  std::vector<std::string> errors;
  std::vector<std::string> notices;
};

class NoBoxes : public BoxWriter {
 public:
  void WriteBox(int /*number*/, const std::string& /*text*/) override {}
};

// The page's files live in the page: a request brings a file's text and an
// answer takes one away, so the store holds only what one request put in
// or the session wrote during it.
class WebFileStore : public FileStore {
 public:
  std::variant<std::string, FileFailure> Read(const std::string& path, std::size_t most) override {
    const auto file = files_.find(path);
    if (file == files_.end()) return FileFailure{"No such file or directory"};
    return file->second.substr(0, most + 1);
  }
  std::optional<FileFailure> WriteWhole(const std::string& path, const std::string& bytes) override {
    files_[path] = bytes;
    return std::nullopt;
  }
  void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
  std::optional<std::string> Take(const std::string& path) {
    const auto file = files_.find(path);
    if (file == files_.end()) return std::nullopt;
    std::string bytes = std::move(file->second);
    files_.erase(file);
    return bytes;
  }
  void Clear() { files_.clear(); }

 private:
  std::map<std::string, std::string> files_;
};

}  // namespace capset
