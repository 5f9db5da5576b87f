#pragma once
// Where the reader's bytes come from, a chunk at a time: a file, a
// toolkit's device, a text in memory, the chunks a web page hands over.
// Nothing of the input is held whole.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace capset::xml {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `most` bytes into `into`: how many, 0 at the end, -1 when reading failed.
  virtual long long Read(char* into, std::size_t most) = 0;
  // Why the last Read failed, in the system's words; empty when it cannot say.
  virtual std::string Why() const { return {}; }
};

// A text in memory, handed out at most `chunk` bytes at a time (so tests
// can cut a document anywhere).
class TextSource : public ByteSource {
 public:
  explicit TextSource(std::string_view text, std::size_t chunk = 1 << 16) : text_(text), chunk_(chunk ? chunk : 1) {}
  long long Read(char* into, std::size_t most) override;

 private:
  std::string_view text_;
  std::size_t chunk_;
  std::size_t at_ = 0;
};

// A file opened by its path and read through; closed with the source.
class FileSource : public ByteSource {
 public:
  explicit FileSource(std::FILE* file) : file_(file) {}
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;
  long long Read(char* into, std::size_t most) override;
  std::string Why() const override { return why_; }

 private:
  std::FILE* file_;
  std::string why_;
};

// Turns the bytes of a declared encoding other than UTF-8 into UTF-8, a
// chunk at a time (a character may be cut between two chunks). False when
// the bytes are not of the encoding.
class Transcoder {
 public:
  virtual ~Transcoder() = default;
  virtual bool Feed(std::string_view bytes, bool last, std::string& utf8) = 0;
};

}  // namespace capset::xml
