#pragma once
// Angles for the crew's polar data, packed as a total station's keypad takes
// them: D.MMSSs, degrees, then two digits of minutes, two of seconds and
// one of tenths of a second: 123°45′30.1″ is 123.45301.

#include <string>

namespace capset {

// Degrees as D.MMSSs, rounded once to a tenth of a second so that 59.96″
// carries into the minute and 59′59.96″ into the degree (never 60″ or 60′).
// Always five digits after ".". Beyond a million degrees no angle is meant,
// and the number is written in the general form.
std::string PackedDmsTenths(double degrees);
// An azimuth or an angle to turn, in [0, 360): as PackedDmsTenths, and a
// value that rounds to 360 is 0.00000, the same direction.
std::string PackedAzimuthTenths(double degrees);

}  // namespace capset
