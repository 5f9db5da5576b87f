#pragma once
// Why a text is not a job this program can open: what is wrong, with which
// field, and where in the file. The words for it are in file_texts.h.

#include <string>

namespace capset {

enum class JobFileFault {
  // The file as a whole.
  kTooBig,
  kNotJson,       // not JSON text at `line`
  kCutShort,      // the text ends before the JSON does
  kBadText,       // a string that is not valid UTF-8, or an escape that makes none
  kNumberRange,   // a JSON number beyond the range of a double
  kDuplicateKey,  // `text` is the key given twice in one object ("start.X" at the top two levels)
  kTooDeep,       // objects and arrays nested deeper than a job needs
  kNotAJob,       // JSON, but not a job file of this program
  // One field.
  kNoVersion,
  kUnknownVersion,
  kMissing,
  kNotText,        // a value that should be a string (or a plain number) written as one
  kNotAGroup,      // a value that should be an object of fields
  kBadDecimal,     // neither "." nor ","
  kBadAxis,        // neither "parallel" nor "own"
  kBadMethod,      // neither "exact" nor "window"
  kNotAList,       // the station list is not an array
  kStationNotText, // a station of the list is not a string
  kNotANumber,     // `text` is the answer
  kOutOfRange,     // `text` is the answer
  kRefusedByStart, // `text` is what Start says of the answer
  kIncomplete,     // Start did not take the job to its end
  kBadRoad,        // the job's road: `text` says what is wrong with it
  kBadHeights,     // the job's profile or cross-section: `text` says what is wrong with it
  kBadBridges,     // the job's templates or bridges: `text` says what is wrong with them
  kBadPolar,       // the job's instrument station or backsight: `text` says what is wrong with it
};

struct JobFileProblem {
  JobFileFault fault;
  std::string field;  // the key, "start.KZH"; empty for the file as a whole
  int line = 0;       // the line of the file it is on, from 1; 0 when none is known
  std::string text = {};  // see the fault

  bool operator==(const JobFileProblem&) const = default;
};

}  // namespace capset
