#pragma once
// A road, a template and a bridge written back as the lines their readers
// take (the script's road, @template and @bridge lines), for a road or a
// bridge that came from a job file or a LandXML file rather than typed
// lines. Numbers in their shortest exact form, so the lines read back to
// the same values (a packed azimuth to a millionth of a second).

#include <string>
#include <vector>

#include "bridge.h"
#include "road_heights.h"
#include "road_input.h"
#include "substructure.h"

namespace capset {

std::vector<std::string> RoadInputLines(const RoadInput& input);
// The @profile and @xsec lines; a section of the normal crown alone is
// one crown line.
std::vector<std::string> ProfileInputLines(const ProfileInput& input);
std::vector<std::string> SectionInputLines(const CrossSectionInput& input);
std::vector<std::string> TemplateLines(const SubstructureTemplate& tmpl);
std::vector<std::string> BridgeLines(const Bridge& bridge);

}  // namespace capset
