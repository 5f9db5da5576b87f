#pragma once
// The seam between the dialogue and the platform. Start and Compute talk to
// the user only through these small interfaces, so the same code runs behind
// the real window and behind a scripted prompt in the tests.

#include <optional>
#include <string>
#include <vector>

#include "blanks.h"
#include "number_rules.h"

namespace capset {

// A modal question: the message only, an empty entry field, OK and Cancel.
class Prompt {
 public:
  virtual ~Prompt() = default;
  // The typed text on OK; nothing on Cancel or when the prompt is closed.
  virtual std::optional<std::string> Ask(const std::string& message) = 0;

  // A question with a few fixed answers besides Cancel: the index of the
  // one chosen, nothing on Cancel. A window shows one button each; here the
  // question is asked with its answers listed, and an answer that is none
  // of them asks again.
  virtual std::optional<int> Choose(const std::string& question, const std::vector<std::string>& choices) {
    std::string listed = question + "\n（";
    for (std::size_t i = 0; i < choices.size(); ++i) listed += (i > 0 ? " / " : "") + choices[i];
    listed += "）";
    for (;;) {
      const std::optional<std::string> answer = Ask(listed);
      if (!answer) return std::nullopt;
      for (std::size_t i = 0; i < choices.size(); ++i) {
        if (TrimBlanks(*answer) == choices[i]) return static_cast<int>(i);
      }
    }
  }
};

// The user's number rules: the platform says which symbols the user's
// locale writes; how an answer is read from them is ours (number_rules.h),
// the same behind the window and in the tests.
class NumberReader {
 public:
  virtual ~NumberReader() = default;
  virtual NumberSymbols Symbols() const = 0;

  ReadResult Read(const std::string& text) const { return ReadNumber(text, Symbols()); }
  // Echoes and coordinates are written with it; stations always use ".".
  std::string DecimalSeparator() const { return Symbols().decimal; }
};

// A reader with fixed symbols, for a locale known in advance.
class FixedNumberReader : public NumberReader {
 public:
  explicit FixedNumberReader(NumberSymbols symbols) : symbols_(std::move(symbols)) {}
  NumberSymbols Symbols() const override { return symbols_; }

 private:
  NumberSymbols symbols_;
};

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // Something was refused or failed; the message names the kind and the question.
  virtual void ReportError(const std::string& message) = 0;
  // A result the user must know about (a side that was not solved).
  virtual void ReportNotice(const std::string& message) = 0;
  // Something the user may like to know, nothing wrong (nothing to save
  // yet, a batch that solved every cap); told as a notice unless the
  // platform shows it apart.
  virtual void ReportInformation(const std::string& message) { ReportNotice(message); }
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
