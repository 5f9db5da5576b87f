#pragma once
// Writes of more than `bytes` fail as on a full disk, until the end of the
// scope: the file-size limit of the process, with SIGXFSZ ignored so that a
// write beyond it returns EFBIG instead of ending the test.

#include <sys/resource.h>

#include <csignal>

namespace capset::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*oldHandler_)(int);
};

}  // namespace capset::testing
