#include "questions.h"

#include <cmath>
#include <limits>
#include <variant>

#include "answer_texts.h"
#include "number_text.h"
#include "station_reading.h"

namespace capset {
namespace {

// The value an answer stands for, or the report that refuses it.
template <typename T>
using Reading = std::variant<T, std::string>;

template <typename T, typename Convert>
Reading<T> ReadAnswer(const std::string& answer, const std::string& prompt, const NumberReader& reader,
                      Convert convert) {
  const ReadResult read = reader.Read(answer);
  switch (read.status) {
    case ReadResult::Status::kNotNumber:
      // A station as the window shows it, typed where metres are asked:
      // say what it is in metres.
      if (const auto station = KStationAnswer(answer, reader.Symbols())) {
        return KStationAnswerMessage(answer, NumberText(*station, reader.DecimalSeparator()), prompt);
      }
      return NotANumberMessage(answer, prompt);
    case ReadResult::Status::kOutOfRange: return OutOfRangeMessage(answer, prompt);
    case ReadResult::Status::kNumber: break;
  }
  return convert(read.value);
}

template <typename T, typename Check>
Reading<T> Checked(T value, const Check& check, const std::string& prompt) {
  if (!check) return value;
  const std::optional<AnswerProblem> problem = check(value);
  if (!problem) return value;
  if (const auto* refusal = std::get_if<Refusal>(&*problem)) return RefusedAnswerMessage(*refusal, prompt);
  return FaultOnAnswerMessage(std::get<ArithmeticFault>(*problem), prompt);
}

}  // namespace

template <typename T, typename Convert>
std::optional<T> Questions::Ask(const std::string& prompt, Convert convert) {
  for (;;) {
    const std::optional<std::string> answer = seam_.prompt.Ask(prompt);
    if (!answer) return std::nullopt;
    const Reading<T> reading = ReadAnswer<T>(*answer, prompt, seam_.reader, convert);
    if (const T* value = std::get_if<T>(&reading)) return *value;
    seam_.reporter.ReportError(std::get<std::string>(reading));
  }
}

std::optional<double> Questions::Double(const std::string& prompt, const DoubleCheck& check) {
  return Ask<double>(prompt, [&](double value) { return Checked(value, check, prompt); });
}

std::optional<float> Questions::Float(const std::string& prompt, const FloatCheck& check) {
  return Ask<float>(prompt, [&](double value) -> Reading<float> {
    const float stored = static_cast<float>(value);
    if (std::isinf(stored)) return FloatRangeMessage(prompt);
    return Checked(stored, check, prompt);
  });
}

std::optional<int16_t> Questions::Int16(const std::string& prompt) {
  return Ask<int16_t>(prompt, [&](double value) -> Reading<int16_t> {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double whole = std::nearbyint(value);
    if (whole < std::numeric_limits<int16_t>::min() || whole > std::numeric_limits<int16_t>::max()) {
      return PRangeMessage(prompt);
    }
    return static_cast<int16_t>(whole);
  });
}

}  // namespace capset
