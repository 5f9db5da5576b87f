#pragma once
// The keys of the job file (.capjob), in one place. A job file is a small
// JSON object:
//
//   {"format": "capset-job", "version": 3, "decimal": ".",
//    "start": {"KZH": "1000", "X": "1000", "Y": "2000", "T": "45.3015", "R": "0",
//              "A1": "100", "Kj": "1050", "B": "60", "P": "1"},
//    "batch": {"method": "exact", "axis": "parallel", "DR": "6.25", "rightDR": "9.5",
//              "skew": "", "design": "", "precision": "0.0001",
//              "offsets": "-3.5 3.5", "stations": ["3# K12+400", "12420"]}}
//
// The Start answers are kept as typed (T and B in their packed form),
// with the decimal separator they were typed with; "batch" is there when
// the job has a batch list, "road" when it has a road of its own. A job
// that was never started (a road typed or imported, a batch list) has no
// "start"; a file needs at least one of the three. Version 1 had no method: its batches were all
// computed by the window's formulas, their offsets counted towards the
// outer edge, and they open so.

namespace capset::job_keys {

inline constexpr char kFormat[] = "format";
inline constexpr char kFormatName[] = "capset-job";
inline constexpr char kVersion[] = "version";
inline constexpr int kCurrentVersion = 3;
inline constexpr int kRoadVersion = 2;         // the first with a road of the job's own
inline constexpr int kWindowBatchVersion = 1;  // read still: every batch by the window's formulas
inline constexpr char kDecimal[] = "decimal";

// The Start answers, under the names of start_fields.h.
inline constexpr char kStart[] = "start";

inline constexpr char kBatch[] = "batch";
inline constexpr char kAxis[] = "axis";
inline constexpr char kAxisParallel[] = "parallel";
inline constexpr char kAxisOwn[] = "own";
inline constexpr char kDR[] = "DR";
inline constexpr char kPrecision[] = "precision";
inline constexpr char kOffsets[] = "offsets";
inline constexpr char kStations[] = "stations";
inline constexpr char kMethod[] = "method";
inline constexpr char kMethodExact[] = "exact";
inline constexpr char kMethodWindow[] = "window";
inline constexpr char kRightDR[] = "rightDR";
inline constexpr char kSkew[] = "skew";
inline constexpr char kDesign[] = "design";
// The batch's depth below the deck (version 3 on), as typed; left out when blank.
inline constexpr char kDepth[] = "depth";

// The job's own road (version 2 on), as job_file_road.h shows it. From
// version 3 a JD and EP may hold "station", their station as the drawings
// print it; a version 2 file has none and opens as it always did.
inline constexpr char kRoad[] = "road";
inline constexpr char kRoadForm[] = "form";
inline constexpr char kRoadIntersections[] = "intersections";
inline constexpr char kRoadElementForm[] = "elements";
inline constexpr char kRoadStation[] = "station";
inline constexpr char kRoadBp[] = "bp";
inline constexpr char kRoadJds[] = "jds";
inline constexpr char kRoadEp[] = "ep";
inline constexpr char kRoadAzimuth[] = "azimuth";
inline constexpr char kRoadElements[] = "elements";
inline constexpr char kRoadKind[] = "kind";
inline constexpr char kRoadLine[] = "line";
inline constexpr char kRoadArc[] = "arc";
inline constexpr char kRoadSpiral[] = "spiral";
inline constexpr char kRoadTurn[] = "turn";
inline constexpr char kRoadFrom[] = "from";
inline constexpr char kRoadTo[] = "to";
inline constexpr char kRoadEquations[] = "equations";
inline constexpr char kRoadBack[] = "back";
inline constexpr char kRoadAhead[] = "ahead";

// The job's profile and cross-section (version 3 on), as job_file_heights.h
// shows them. A station in a 长链 carries its place beside it, under its
// key and this suffix ("stationOccurrence": 2).
inline constexpr int kHeightsVersion = 3;
inline constexpr char kProfile[] = "profile";
inline constexpr char kProfileStation[] = "station";
inline constexpr char kOccurrenceSuffix[] = "Occurrence";
inline constexpr char kProfileElevation[] = "H";
inline constexpr char kProfileCurve[] = "curve";
inline constexpr char kCurveRadius[] = "radius";
inline constexpr char kCurveLength[] = "length";
inline constexpr char kCurveLengths[] = "lengths";
inline constexpr char kCurveCircle[] = "circle";
inline constexpr char kSection[] = "section";
inline constexpr char kSectionCrown[] = "crown";
inline constexpr char kSectionLeft[] = "left";
inline constexpr char kSectionRight[] = "right";
inline constexpr char kSectionDesign[] = "design";
inline constexpr char kSectionSuper[] = "super";
inline constexpr char kSectionJd[] = "jd";
inline constexpr char kSectionE[] = "e";
inline constexpr char kSectionInner[] = "inner";
inline constexpr char kSectionAxis[] = "axis";
inline constexpr char kAxisCentre[] = "centre";
inline constexpr char kAxisInner[] = "inner";
inline constexpr char kAxisOuter[] = "outer";
inline constexpr char kSideLeft[] = "left";
inline constexpr char kSideRight[] = "right";
inline constexpr char kSectionSlopes[] = "slopes";

// The job's substructure templates and bridges (version 3 on, written only
// when the job has some), as job_file_bridges.h shows them.
inline constexpr char kTemplates[] = "templates";
inline constexpr char kBridges[] = "bridges";
inline constexpr char kName[] = "name";
inline constexpr char kItems[] = "items";
inline constexpr char kItemKind[] = "kind";
inline constexpr char kItemPoint[] = "point";
inline constexpr char kItemGrid[] = "grid";
inline constexpr char kItemCorners[] = "corners";
inline constexpr char kItemU[] = "u";
inline constexpr char kItemV[] = "v";
inline constexpr char kItemRows[] = "rows";
inline constexpr char kItemCols[] = "cols";
inline constexpr char kItemDu[] = "du";
inline constexpr char kItemDv[] = "dv";
inline constexpr char kItemLength[] = "length";
inline constexpr char kItemWidth[] = "width";
inline constexpr char kBents[] = "bents";
inline constexpr char kBentStation[] = "station";
inline constexpr char kBentSkew[] = "skew";  // B, decimal degrees
inline constexpr char kBentAxis[] = "axis";
inline constexpr char kBentDesign[] = "design";
inline constexpr char kBentLeft[] = "left";
inline constexpr char kBentRight[] = "right";
inline constexpr char kBentTemplate[] = "template";

// The instrument station and the backsight (version 3, when the job has
// them), as job_file_polar.h shows them.
inline constexpr char kPolarStation[] = "station";
inline constexpr char kPolarBacksight[] = "backsight";
inline constexpr char kPolarX[] = "X";
inline constexpr char kPolarY[] = "Y";
inline constexpr char kPolarH[] = "H";
inline constexpr char kPolarHI[] = "HI";
inline constexpr char kPolarAzimuth[] = "azimuth";

}  // namespace capset::job_keys
