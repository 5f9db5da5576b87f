#pragma once

namespace capset {

// A packed angle D.MMSS (degrees, then two digits of minutes, two of seconds,
// then fractions of a second) in decimal degrees: 30.1530 gives
// 30.2583333333333. Minute and second digits are not validated (45.7 reads as
// 45° 70'). A negative entry gives the negative of its magnitude's value.
double DmsToDegrees(double packed);

}  // namespace capset
