#pragma once
// A road written as a LandXML 1.2 alignment: Units, one Alignment with its
// CoordGeom (Line, Curve, Spiral, each with its points "north east") and
// its station equations. The digits are the shortest that read back to the
// same doubles, so a road written and read again is the same road.

#include <string>
#include <vector>

#include "road.h"

namespace capset {

std::string WriteLandXml(const Road& road, const std::vector<StationEquation>& equations, const std::string& name);

}  // namespace capset
