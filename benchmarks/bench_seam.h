#pragma once
// A seam that answers every question from a fixed list, in turn, and keeps
// nothing: the cost measured is that of the computation, not of the test
// harness.

#include <cstdlib>
#include <string>
#include <vector>

#include "seam.h"

namespace capset::bench {

class FixedAnswers : public Prompt, public NumberReader, public ErrorReporter, public BoxWriter {
 public:
  explicit FixedAnswers(std::vector<std::string> answers) : answers_(std::move(answers)) {}
  std::optional<std::string> Ask(const std::string&) override {
    const std::string& a = answers_[next_];
    next_ = (next_ + 1) % answers_.size();
    return a;
  }
  ReadResult Read(const std::string& text) const override {
    return {ReadResult::Status::kNumber, std::strtod(text.c_str(), nullptr)};
  }
  std::string DecimalSeparator() const override { return "."; }
  void ReportError(const std::string&) override { ++reports; }
  void ReportNotice(const std::string&) override { ++reports; }
  void WriteBox(int, const std::string&) override {}
  Seam seam() { return Seam{*this, *this, *this, *this}; }
  int reports = 0;

 private:
  std::vector<std::string> answers_;
  size_t next_ = 0;
};

}  // namespace capset::bench
