// A road file's profile: read with the road it stands on, written with it.

#include <cmath>

#include "heights_texts.h"
#include "landxml_profile_texts.h"
#include "landxml_texts.h"
#include "session_files.h"

namespace capset {
namespace {

// The element of the file that holds row `row` (from 1), or the profile
// itself when no row is named.
ProfileFilePlace PlaceOf(const RoadFileProfile& profile, int row) {
  if (row < 1 || row > static_cast<int>(profile.rows.size())) return {"ProfAlign", profile.line, 0};
  const RoadFileProfileRow& r = profile.rows[static_cast<std::size_t>(row) - 1];
  return {r.element, r.line, row};
}

// The elements a problem of the rows names: its row, and the other curve of an overlap.
std::vector<ProfileFilePlace> PlacesOf(const RoadFileProfile& profile, const HeightsProblem& problem) {
  if (const auto* p = std::get_if<ProfileProblem>(&problem)) {
    if (p->fault == ProfileFault::kTooFewRows) return {PlaceOf(profile, 0)};
    std::vector<ProfileFilePlace> places{PlaceOf(profile, p->row)};
    if (p->fault == ProfileFault::kCurvesOverlap) places.insert(places.begin(), PlaceOf(profile, p->other));
    return places;
  }
  if (const auto* p = std::get_if<HeightsStationProblem>(&problem)) return {PlaceOf(profile, p->row)};
  return {PlaceOf(profile, 0)};
}

// A file's profile belongs to its alignment, within that road's stations: a
// 变坡点 off them says the file's stations are not the road's (running
// distances written for stations, another unit), and heights taken from it
// would be shifted without a word. A table typed from the drawings may run
// past the ends of a road typed for a bridge; a file may not, either way.
std::optional<HeightsProblem> OffItsRoad(const ProfileInput& input, const Road& road) {
  for (std::size_t k = 0; k < input.rows.size(); ++k) {
    const Placement at = road.Place(input.rows[k].station);
    if (at.status == PlaceStatus::kBeforeStart || at.status == PlaceStatus::kAfterEnd) {
      return HeightsStationProblem{HeightsTable::kProfile, static_cast<int>(k) + 1, input.rows[k].station, at};
    }
  }
  return std::nullopt;
}

// A length the file gets from the arithmetic (R·|ω|, R·Δ), to the
// nanometre: the file shows 180 where the doubles hold 180.00000000000023,
// and reads back within a nanometre of the same curve.
double Nanometres(double metres) { return std::round(metres * 1e9) / 1e9; }

}  // namespace

std::vector<RoadFilePvi> FilePvis(const ProfileInput& input, const Profile& profile) {
  std::vector<RoadFilePvi> rows;
  rows.reserve(input.rows.size());
  for (const PviInput& in : input.rows) rows.push_back({in.station.value, in.elevation});
  // A parabola by its radius goes by its length, which the file's schema
  // knows; a circle with its arc length, which the reader checks.
  for (const VerticalCurveElements& c : profile.Curves()) {
    const PviInput& in = input.rows.at(static_cast<std::size_t>(c.row) - 1);
    RoadFilePvi& out = rows[static_cast<std::size_t>(c.row) - 1];
    out.curve = in.curve == VerticalCurveKind::kRadius ? VerticalCurveKind::kLength : in.curve;
    switch (in.curve) {
      case VerticalCurveKind::kRadius: out.length = Nanometres(c.length); break;
      case VerticalCurveKind::kLength: out.length = in.length; break;
      case VerticalCurveKind::kAsymmetric:
        out.length = in.length;
        out.length2 = in.length2;
        break;
      case VerticalCurveKind::kCircle:
        out.radius = in.radius;
        out.length = Nanometres(c.arcLength);
        break;
      case VerticalCurveKind::kNone: break;
    }
  }
  return rows;
}

bool SessionFiles::ReplacesProfile(const std::optional<RoadFileProfile>& profile, const Road& road) const {
  const ProfileInput* input = profile ? std::get_if<ProfileInput>(&profile->read) : nullptr;
  if (input == nullptr || !session_.ProfileSource() || *session_.ProfileSource() == *input) return false;
  if (OffItsRoad(*input, road)) return false;
  return BuildHeights(*input, session_.CrossSectionSource(), &road).heights.has_value();
}

void SessionFiles::ImportProfile(const std::string& file, const std::optional<RoadFileProfile>& profile) {
  const Road* road = session_.JobRoad();
  const bool had = session_.ProfileSource().has_value();
  const StationRange range = road ? RangeOf(*road) : StationRange{};
  if (!profile) {
    // A plan without a profile is the common file; a profile typed from the
    // drawings stays with the job, its stations now on the new road.
    if (!had) return;
    std::string problem;
    if (const auto& now = session_.HeightsProblemNow()) {
      problem = HeightsProblemText(*now, {&*session_.ProfileSource(), &session_.CrossSectionSource(), &range});
    } else if (const RoadHeights* heights = session_.Heights();
               heights != nullptr && road != nullptr &&
               (heights->profile().endDistance() < 0 || heights->profile().startDistance() > road->length())) {
      // A table may run on beyond the road's ends, but one wholly beside the
      // new road gives no point of it a height: most likely another road's.
      problem = ProfileBesideRoadText();
    }
    reporter_.ReportNotice(LandXmlProfileKeptNotice(file, problem));
    return;
  }
  if (!profile->others.empty()) reporter_.ReportNotice(LandXmlOtherProfilesNotice(file, profile->name, profile->others));
  if (const auto* p = std::get_if<LandXmlProblem>(&profile->read)) {
    // A row the file gets wrong is the one after those read.
    const bool row = p->fault != LandXmlFault::kUnknownProfileElement && p->fault != LandXmlFault::kTooManyElements;
    const ProfileFilePlace where{p->element, p->line, row ? static_cast<int>(profile->rows.size()) + 1 : 0};
    reporter_.ReportError(LandXmlProfileRefusedMessage(file, profile->name, {where}, LandXmlReasonText(*p), had));
    return;
  }
  const ProfileInput& input = std::get<ProfileInput>(profile->read);
  const std::optional<ProfileInput> before = session_.ProfileSource();
  const HeightsWords words{&input, &session_.CrossSectionSource(), &range};
  if (const auto off = road ? OffItsRoad(input, *road) : std::nullopt) {
    const std::string reason = HeightsProblemText(*off, words) + kFileProfileOffItsRoad;
    reporter_.ReportError(LandXmlProfileRefusedMessage(file, profile->name, PlacesOf(*profile, *off), reason, had));
    return;
  }
  if (const auto problem = session_.SetProfile(input)) {
    const std::string reason = HeightsProblemText(*problem, words);
    reporter_.ReportError(LandXmlProfileRefusedMessage(file, profile->name, PlacesOf(*profile, *problem), reason, had));
    return;
  }
  importedProfile_ = profile->name;
  if (before && *before != input) {
    reporter_.ReportNotice(LandXmlProfileReplacedNotice(file, profile->name, static_cast<int>(input.rows.size())));
  }
}

std::vector<RoadFilePvi> SessionFiles::ProfileToWrite(std::string& unwritten) const {
  const std::optional<ProfileInput>& input = session_.ProfileSource();
  if (!input) return {};
  const Road* road = session_.WorkingRoad();
  const StationRange range = road ? RangeOf(*road) : StationRange{};
  const HeightsWords words{&*input, &session_.CrossSectionSource(), road ? &range : nullptr};
  // What is written reads back: a profile running past the road's ends would not.
  if (const auto off = road ? OffItsRoad(*input, *road) : std::nullopt) {
    unwritten = HeightsProblemText(*off, words) + kFileProfileOffItsRoad;
    return {};
  }
  if (const RoadHeights* heights = session_.Heights()) {
    // A station in a 长链 is written as its number alone; it must read back
    // at the same place, which the order of the rows has to leave it.
    ProfileInput asWritten = *input;
    for (PviInput& row : asWritten.rows) row.station.occurrence = 0;
    asWritten = PlacedByOrder(std::move(asWritten), *road);
    for (std::size_t k = 0; k < input->rows.size(); ++k) {
      const Placement typed = road->Place(input->rows[k].station), read = road->Place(asWritten.rows[k].station);
      if (read.status != PlaceStatus::kPlaced || read.distance != typed.distance) {
        unwritten = LandXmlStationUnsaidText(PviName(static_cast<int>(k) + 1, &*input));
        return {};
      }
    }
    return FilePvis(*input, heights->profile());
  }
  if (const auto& problem = session_.HeightsProblemNow()) unwritten = HeightsProblemText(*problem, words);
  return {};
}

}  // namespace capset
