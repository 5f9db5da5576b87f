#pragma once
// Angles as the user types them and as the program shows them.

#include <optional>
#include <string>

#include "fault.h"

namespace capset {

// A packed angle D.MMSS (degrees, then two digits of minutes, two of seconds,
// then fractions of a second) in decimal degrees: 30.1530 gives
// 30.2583333333333. Minute and second digits are not validated (45.7 reads as
// 45° 70'). A negative entry gives the negative of its magnitude's value.
double DmsToDegrees(double packed);
// What a packed entry holds that no angle has: minutes, or seconds, of 60
// or more. DmsToDegrees reads them on all the same (45.75 is 46°15′), so
// the user is told what was read. Nothing when the entry is a true angle.
struct PackedSlip {
  bool minutes;
  bool seconds;
};
std::optional<PackedSlip> PackedAngleSlip(double packed);

// The fault DmsToDegrees would raise (a packed value too large to convert),
// or nothing.
std::optional<ArithmeticFault> DmsFault(double packed);

// How degrees, minutes and seconds are written: the decimals of the
// seconds, and whether a fraction of zero is left out (30°15′30″) or shown
// (30°15′30.0″).
struct DmsForm {
  int secondDecimals;
  bool dropZeroFraction;
};
// The sketch's azimuth note: 112°09′43.1″.
inline constexpr DmsForm kTenthsOfASecond{1, false};
// The log's B column: 30°15′30″, 30°15′30.5″, 30°15′30.25″.
inline constexpr DmsForm kHundredthsWhereNeeded{2, true};

// Degrees as degrees, minutes and seconds, rounded once to the form's last
// decimal of a second so that 59.96″ carries into the minute; "-" only
// for an angle that does not round to 0. Beyond a million degrees no angle
// is meant, and the number is shown as it is, with "°".
std::string DmsText(double degrees, DmsForm form, const std::string& sep);

// An azimuth as every view and file outside the window's boxes shows it:
// brought into [0, 360), then degrees, minutes and seconds to a tenth, with
// their marks: 289°06′33.0″. A value that rounds to 360° is north, 0°00′00.0″.
std::string AzimuthText(double degrees, const std::string& sep = ".");
// An azimuth in decimal degrees with `decimals` decimals, for programs:
// 289.109166667; a value that rounds to 360 is 0.000000000.
std::string DecimalAzimuthText(double degrees, int decimals);

// Decimal degrees as a packed D.MMSS that reads back as the same angle:
// seconds to a millionth, trailing zeros dropped, `sep` as the decimal
// separator: 45.5 gives 45.3, 30.2583333333333 gives 30.153.
std::string PackedAngleText(double degrees, const std::string& sep);

}  // namespace capset
