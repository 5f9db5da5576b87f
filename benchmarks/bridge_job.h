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

// Answers Start's questions for a real bridge's curve (ZH K34+950, R 600,
// A 300: the spiral ends at K35+100, the arc runs on), then cancels.
class CurveAnswers : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string&) override {
    static const char* const kAnswers[] = {"34950", "3355206.736", "505412.824", "61.3", "600", "300", "35020", "60", "1"};
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

// A bridge of `caps` bents 0.5 m apart from the straight before ZH over
// the spiral onto the arc, solved exactly, its axis parallel to the design
// cap, with two points along it.
inline BatchInput ExactBridge(int caps) {
  BatchInput input{.axis = BatchInput::Axis::kParallel, .DR = "7.5", .offsets = "-3.5 3.5",
                   .method = CapMethod::kExact, .rightDR = "9.25"};
  for (int i = 0; i < caps; ++i) input.stations.push_back(std::to_string(i) + "# " + std::to_string(34900 + 0.5 * i));
  return input;
}

}  // namespace capset::bench
