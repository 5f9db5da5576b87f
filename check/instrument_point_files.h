#pragma once
// Measured points read back from the instruments' own files, and a point
// file of any of the three kinds told apart from its bytes.
//
// GSI (files/instrument_files.h has the words): one block a line, GSI-16
// when it begins with "*", else GSI-8; a block needs word 11 (the point
// number: the filling zeros on its left dropped, one kept before a mark
// such as "-") and words 81 and 82 (easting, northing); word 83 is the
// measured height. Coordinates in metres to 1, 0.1 or 0.01 mm (unit digit
// 0, 6 or 8); feet and angles are refused. A code block (word 41) is
// passed over; other words (angles, distances, codes) are left alone.
//
// PNEZD: comma-separated point, northing, easting, elevation (may be
// empty), description; fields may be quoted; more columns after the
// description are left alone.

#include <string>

#include "measured_points.h"

namespace capset {

enum class PointFileKind { kCass, kGsi, kPnezd };

PointsReading ReadGsiFile(const std::string& bytes);
PointsReading ReadPnezdFile(const std::string& bytes);

// What a file holds, the kind it was read as, and whether its bytes would
// have read as another kind too (its ending decided: ".csv", ".txt" PNEZD,
// else the CASS file).
struct PointFileReading {
  PointFileKind kind = PointFileKind::kCass;
  bool ambiguous = false;
  PointsReading points;
};

// The kind from the bytes: a GSI block on the first line that holds
// anything; else, for comma-separated lines, the first line that only one
// of CASS (name,code,Y,X,H) and PNEZD fits; else the ending of `fileName`.
PointFileKind PointFileKindOf(const std::string& bytes, const std::string& fileName, bool* ambiguous = nullptr);
PointFileReading ReadAnyPointFile(const std::string& bytes, const std::string& fileName);

// "GSI-16", "PNEZD", "CASS .dat".
const char* PointFileKindName(PointFileKind kind);

}  // namespace capset
