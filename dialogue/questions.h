#pragma once
// Questions to the user: ask, read the answer by the user's number rules,
// and on a bad answer report it and ask the same question again. Cancel (or
// closing the prompt) stops the asking quietly: the caller gets nothing and
// ends its run, keeping what it stored before.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <variant>

#include "fault.h"
#include "refusals.h"
#include "seam.h"

namespace capset {

// Why a number read cannot be taken: the computation refuses it, or it
// would fault where it is used (a packed angle beyond the range of a double).
using AnswerProblem = std::variant<Refusal, ArithmeticFault>;

// A check on the number read: what is wrong with it, or nothing.
using DoubleCheck = std::function<std::optional<AnswerProblem>(double)>;
using FloatCheck = std::function<std::optional<AnswerProblem>(float)>;

class Questions {
 public:
  explicit Questions(Seam& seam) : seam_(seam) {}

  std::optional<double> Double(const std::string& prompt, const DoubleCheck& check = nullptr);

  // Stored as a 32-bit float: a number beyond its range is an overflow. The
  // check sees the stored value.
  std::optional<float> Float(const std::string& prompt, const FloatCheck& check = nullptr);

  // Rounded to the nearest integer, an exact half to the even one (0.5 gives
  // 0, 1.5 gives 2, -2.5 gives -2); outside -32768 to 32767 is an overflow.
  std::optional<int16_t> Int16(const std::string& prompt);

 private:
  // Asks until `convert` makes a value of the number read; nothing on Cancel.
  template <typename T, typename Convert>
  std::optional<T> Ask(const std::string& prompt, Convert convert);

  Seam& seam_;
};

}  // namespace capset
