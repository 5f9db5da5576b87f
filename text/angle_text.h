#pragma once
// Angles as the user types them and as the program shows them.

#include <string>

namespace capset {

// A packed angle D.MMSS (degrees, then two digits of minutes, two of seconds,
// then fractions of a second) in decimal degrees: 30.1530 gives
// 30.2583333333333. Minute and second digits are not validated (45.7 reads as
// 45° 70'). A negative entry gives the negative of its magnitude's value.
double DmsToDegrees(double packed);

// Degrees as degrees, minutes and seconds to a tenth: 112°09′43.1″.
std::string DmsText(double degrees);

}  // namespace capset
