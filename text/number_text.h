#pragma once
// Text forms of numbers as the window shows them.
//
// A double is shown with at most 15 significant digits and a 32-bit float
// with at most 7: the digits that each type can carry from a typed answer back
// to the screen unchanged. Trailing zeros are dropped; the exponent form is
// used below 1E-4 and from 1E+15 (1E+7 for a float) upwards.

#include <optional>
#include <string>

#include "fault.h"

namespace capset {

// General text: "-" for a negative value, no blank, "0" before the separator
// of a value below 1; `sep` is the user's decimal separator.
std::string NumberText(double value, const std::string& sep);
std::string NumberText(float value, const std::string& sep);
// The fault NumberText would raise (a value that is not finite), or nothing.
std::optional<ArithmeticFault> NumberFault(double value);

// An echo of a typed value: one blank, then NumberText.
std::string EchoText(double value, const std::string& sep);

// Sign-position text used inside station texts: a blank or "-", then the
// digits of the magnitude with "." and without a "0" before it (" .5").
std::string SignedText(double value);

// A number with exactly `decimals` decimals (0 … 9) and the separator `sep`:
// the one fixed-decimal form of every view, message and file outside the
// window's boxes. It rounds as the boxes round (Round3's rule: the product
// with 10^decimals taken as a double, an exact half to the even neighbour),
// so a point reads the same digits in the window, its log and every file:
// X = 0.0005 is 0.000 wherever it is written. Never "-0.000". Beyond 1E15
// the number is written in the general form.
std::string FixedText(double value, int decimals, const std::string& sep = ".");
// A coordinate with exactly three decimals and ".": 2036.772, 1030.540.
// For files read by programs.
std::string FixedCoordinateText(double value);

}  // namespace capset
