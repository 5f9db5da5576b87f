#pragma once
// A road written as a LandXML 1.2 alignment: Units, one Alignment with its
// CoordGeom (Line, Curve, Spiral, each with its points "north east") and
// its station equations. The digits are the shortest that read back to the
// same doubles, so a road written and read again is the same road.

#include <string>
#include <vector>

#include "road.h"
#include "road_layout.h"

namespace capset {

// The road with its station equations. `date` (YYYY-MM-DD) and `time`
// (HH:MM:SS) stamp the file as its schema asks; left out when empty.
std::string WriteLandXml(const Road& road, const std::string& name, const std::string& date = {},
                         const std::string& time = {});

}  // namespace capset
