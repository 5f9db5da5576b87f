#include "xml_source.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace capset::xml {

long long TextSource::Read(char* into, std::size_t most) {
  const std::size_t n = std::min({most, chunk_, text_.size() - at_});
  std::memcpy(into, text_.data() + at_, n);
  at_ += n;
  return static_cast<long long>(n);
}

FileSource::~FileSource() {
  if (file_) std::fclose(file_);
}

long long FileSource::Read(char* into, std::size_t most) {
  if (!file_) return -1;
  const std::size_t n = std::fread(into, 1, most, file_);
  if (n == 0 && std::ferror(file_)) {
    why_ = std::strerror(errno);
    return -1;
  }
  return static_cast<long long>(n);
}

}  // namespace capset::xml
