#include "questions.h"

#include <cmath>
#include <limits>

#include "fault.h"
#include "messages.h"

namespace capset {
namespace {

// Why an answer was not read as a number, for the report.
struct BadAnswer {
  ErrorKind kind;
  std::string why;
};

void RunCheck(const Check& check, double value) {
  if (check) check(value);
}

}  // namespace

template <typename T, typename Convert>
std::optional<T> Questions::Ask(const std::string& prompt, Convert convert) {
  for (;;) {
    const std::optional<std::string> text = seam_.prompt.Ask(prompt);
    if (!text) return std::nullopt;
    try {
      const ReadResult read = seam_.reader.Read(*text);
      switch (read.status) {
        case ReadResult::Status::kNumber:
          return convert(read.value);
        case ReadResult::Status::kOutOfRange:
          throw BadAnswer{ErrorKind::kOverflow, "“" + *text + "”超出数值范围。"};
        case ReadResult::Status::kNotNumber:
          throw BadAnswer{ErrorKind::kTypeMismatch,
                          text->find_first_not_of(' ') == std::string::npos ? "没有输入数值。"
                                                                             : "“" + *text + "”不是数值。"};
      }
    } catch (const BadAnswer& bad) {
      seam_.reporter.ReportError(BadAnswerMessage(bad.kind, bad.why, prompt));
    } catch (const Refusal& refusal) {
      seam_.reporter.ReportError(RefusedAnswerMessage(refusal.why, prompt));
    } catch (const ArithmeticFault& fault) {
      seam_.reporter.ReportError(
          BadAnswerMessage(fault.kind, "用这个数值计算" + fault.where + "时出错。", prompt));
    }
  }
}

std::optional<double> Questions::Double(const std::string& prompt, const Check& check) {
  return Ask<double>(prompt, [&](double value) {
    RunCheck(check, value);
    return value;
  });
}

std::optional<float> Questions::Float(const std::string& prompt, const Check& check) {
  return Ask<float>(prompt, [&](double value) {
    const float stored = static_cast<float>(value);
    if (std::isinf(stored)) throw BadAnswer{ErrorKind::kOverflow, "数值超出单精度数的范围。"};
    RunCheck(check, static_cast<double>(stored));
    return stored;
  });
}

std::optional<int16_t> Questions::Int16(const std::string& prompt) {
  return Ask<int16_t>(prompt, [](double value) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<int16_t>::min() || whole > std::numeric_limits<int16_t>::max()) {
      throw BadAnswer{ErrorKind::kOverflow, "P 须在 -32768 至 32767 之间。"};
    }
    return static_cast<int16_t>(whole);
  });
}

}  // namespace capset
