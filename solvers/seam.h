#pragma once
// The seam between the computations and the platform. Start and the solvers
// talk to the user only through these four small interfaces, so the same code
// runs behind the real window and behind a scripted prompt in the tests.

#include <optional>
#include <string>

namespace capset {

// A modal question: the message only, an empty entry field, OK and Cancel.
class Prompt {
 public:
  virtual ~Prompt() = default;
  // The typed text on OK; nothing on Cancel or when the prompt is closed.
  virtual std::optional<std::string> Ask(const std::string& message) = 0;
};

struct ReadResult {
  enum class Status { kNumber, kNotNumber, kOutOfRange };
  Status status;
  double value;  // meaningful for kNumber only; always finite then
};

// The user's number rules: what an answer must look like, and the decimal
// separator that echoes and coordinates are written with.
class NumberReader {
 public:
  virtual ~NumberReader() = default;
  virtual ReadResult Read(const std::string& text) const = 0;
  virtual std::string DecimalSeparator() const = 0;
};

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // Something was refused or failed; the message names the kind and the question.
  virtual void ReportError(const std::string& message) = 0;
  // A result the user must know about (a side that was not solved).
  virtual void ReportNotice(const std::string& message) = 0;
};

// The 26 boxes of the window, Text1 to Text26.
class BoxWriter {
 public:
  virtual ~BoxWriter() = default;
  virtual void WriteBox(int number, const std::string& text) = 0;
};

struct Seam {
  Prompt& prompt;
  const NumberReader& reader;
  ErrorReporter& reporter;
  BoxWriter& boxes;
};

}  // namespace capset
