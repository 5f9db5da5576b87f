#pragma once
// A job file with one bad part: refused, with the fault, the field and a
// line to point at, and a message that says why.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "file_texts.h"
#include "job_file.h"

namespace capset::testing {

// `text` with `keys` put in before the closing brace of its top object.
inline std::string WithKeys(std::string text, const std::string& keys) {
  text.insert(text.rfind('}'), ", " + keys);
  return text;
}

inline void ExpectRefused(const std::string& text, JobFileFault fault, const std::string& field, const std::string& says) {
  const auto read = ReadJobFile(text);
  ASSERT_TRUE(std::holds_alternative<JobFileProblem>(read));
  const JobFileProblem& p = std::get<JobFileProblem>(read);
  EXPECT_EQ(p.fault, fault);
  EXPECT_EQ(p.field, field);
  EXPECT_GT(p.line, 0);
  const std::string message = JobRefusedMessage("a.capjob", p);
  EXPECT_NE(message.find(says), std::string::npos) << message;
}

}  // namespace capset::testing
