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

// A coordinate with exactly three decimals and ".", rounded as the boxes
// round it: 2036.772, 1030.540; never "-0.000". For files read by programs.
std::string FixedCoordinateText(double value);

}  // namespace capset
