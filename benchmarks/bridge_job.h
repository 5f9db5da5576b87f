#pragma once
// A session on the ZH base job and a long bridge of stations for it, shared
// by the benchmarks of the results log.

#include <optional>
#include <string>

#include "batch_input.h"
#include "seam.h"

namespace capset::bench {

// Answers Start's questions for the ZH base job, then cancels.
class StartAnswers : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string&) override {
    static const char* const kAnswers[] = {"1000", "1000", "2000", "45", "0", "100", "1050", "60", "1"};
    if (next_ >= std::size(kAnswers)) return std::nullopt;
    return kAnswers[next_++];
  }

 private:
  std::size_t next_ = 0;
};

struct Silent : ErrorReporter, BoxWriter {
  void ReportError(const std::string&) override {}
  void ReportNotice(const std::string&) override {}
  void WriteBox(int, const std::string&) override {}
};

// A bridge of `caps` bents 0.08 m apart on the base spiral, named, each
// with two points along its own axis.
inline BatchInput Bridge(int caps) {
  BatchInput input{.axis = BatchInput::Axis::kOwn, .DR = "7.5", .precision = "0.0001", .offsets = "-3.5 3.5",
                   .method = CapMethod::kWindow};
  for (int i = 0; i < caps; ++i) input.stations.push_back(std::to_string(i) + "# " + std::to_string(1010 + 0.08 * i));
  return input;
}

}  // namespace capset::bench
