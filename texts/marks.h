#pragma once
// The marks that go with numbers and names in the program's words: units,
// quotation marks and the separators of lists.

#include <optional>
#include <string>

#include "fault.h"

namespace capset {

inline constexpr char kDegreesMark[] = "(度)";  // after a packed angle or the precision in a box
inline constexpr char kMetresMark[] = "米";     // after the square cap's length in a box

// A metre length in a note or a warning: "8.61 m".
std::string MetresText(double metres);
// A small distance in millimetres to a tenth: "1.3 毫米".
std::string MillimetresText(double metres);
// Their faults (a length too large to show), or nothing.
std::optional<ArithmeticFault> MetresFault(double metres);
std::optional<ArithmeticFault> MillimetresFault(double metres);

// A text quoted in the user's words: “K12+1000.5”.
inline std::string Quoted(const std::string& text) { return "“" + text + "”"; }

}  // namespace capset
