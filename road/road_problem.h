#pragma once
// Why a road cannot be made, as data: the fault, the part of the input
// that holds it and the numbers a message needs. The text is the caller's.

namespace capset {

// The values a field may take: low ≤ v ≤ high, and 0 too where `zero`.
struct NumberRange {
  double low = 0;
  double high = 0;
  bool zero = false;
};

enum class RoadFault {
  kNotFinite,          // a number that is not one (infinite or NaN); `field` names it
  kOutOfRange,         // a number beyond what the field can be (`value`; `range` the field's range)
  kRadiusNotPositive,  // R ≤ 0 (`value` holds it)
  kLengthNegative,     // an element length or an Ls below 0
  kSameRadii,          // a spiral whose two radii are equal: it would be an arc or a line
  kFullTurn,           // an element that turns a full circle or more (`value`: its turn, degrees)
  kJointGap,           // a stated joint more than 1 mm from where the chain puts it (`value`: the gap, m)
  kNoElements,         // an element road with no element of any length
  kNoTurn,             // a JD whose legs are in line (`value`: the turn, degrees)
  kReversal,           // a JD whose legs turn back on themselves (turn 180°)
  kPointsCoincide,     // a JD on its neighbour (`other` names it; `value`: the leg, m)
  kTangentsOverlap,    // two curves (or a curve and BP or EP) overlap: `value` the tangents, `limit` the leg
  kSpiralsTooLong,     // the spirals turn more than the JD: `value` the arc length Ly (below 0)
  kEquationOrder,      // a station equation at or before the one before it (or the start)
  kEquationBeyondEnd,  // a station equation past the end of the road
  kNoTurnSign,         // the job's P is 0: its curve turns neither way
  kParameterZero,      // the job's A1 is 0
};

enum class RoadPart {
  kBegin,     // BP, or the start of an element road
  kJd,        // an intersection point; index from 1
  kEnd,       // EP; index n + 1 for n JDs
  kElement,   // an element; index from 1 as listed (zero-length ones included)
  kEquation,  // a station equation; index from 1
  kJob,       // the window's job
};

enum class RoadField {
  kNone, kStation, kX, kY, kAzimuth, kR, kLs1, kLs2, kLength, kR1, kR2, kA1, kBack, kAhead,
  kStartX, kStartY, kEndX, kEndY,  // an element's stated joints
};

struct RoadProblem {
  RoadFault fault;
  RoadPart part;
  int index;   // see RoadPart
  RoadField field = RoadField::kNone;
  double value = 0;
  double limit = 0;
  int other = 0;  // kPointsCoincide, kTangentsOverlap: the neighbour (0 for BP; n + 1 for EP)
  NumberRange range = {};  // kOutOfRange
};

}  // namespace capset
