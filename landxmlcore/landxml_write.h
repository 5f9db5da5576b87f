#pragma once
// A road written as a LandXML 1.2 alignment: Units, one Alignment with its
// CoordGeom (Line, Curve, Spiral, each with its points "north east") and
// its station equations. The digits are the shortest that read back to the
// same doubles, so a road written and read again is the same road. A
// profile, when there is one, goes with the alignment as Profile/ProfAlign:
// each 变坡点 a PVI, ParaCurve, UnsymParaCurve or CircCurve at its printed
// station, so that it reads back as the same profile.
//
// No toolkit: the desktop, the web build and the console build write the
// same bytes.

#include <string>
#include <vector>

#include "road.h"
#include "road_file_format.h"

namespace capset {

// The road with its station equations. `date` (YYYY-MM-DD) and `time`
// (HH:MM:SS) stamp the file as its schema asks; left out when empty. No
// profile is written when `profile` has no rows. The name is written as
// xml_writer.h writes any text: what XML cannot hold is left out.
std::string WriteLandXml(const Road& road, const std::string& name, const std::string& date = {},
                         const std::string& time = {}, const std::vector<RoadFilePvi>& profile = {});

}  // namespace capset
