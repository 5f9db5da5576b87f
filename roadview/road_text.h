#pragma once
// The road's numbers as the drawings print them (stations: KStationText
// of road_texts.h): a turn as D.MMSS with its side, metres and azimuths.

#include <string>

namespace capset {

// A turn of the road, decimal degrees, right positive: "32.1530 右"
// (D.MMSS, seconds to a whole second), "左" for a left turn.
std::string TurnText(double degrees);
// A length in metres to the millimetre: "123.456".
std::string MetreText(double metres);
// An azimuth, decimal degrees, as D.MMSS to a tenth of a second: "123.4530".
std::string AzimuthText(double degrees);

}  // namespace capset
