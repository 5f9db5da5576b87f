#pragma once
// LandXML as the session's road file format without the toolkit: read as
// landxml_reading.h reads it, written by landxml_write.h and stamped with
// the date and time of a clock (the session's, so a script played with a
// fixed clock writes the same file every time). A build with files of its
// own (the desktop's devices and encodings, a script's files in memory)
// reads them its way and writes the same bytes.

#include "landxml_reading.h"
#include "local_time.h"

namespace capset {

class LandXmlCoreFormat : public LandXmlReading {
 public:
  // The system's local time when `clock` is empty.
  explicit LandXmlCoreFormat(Clock clock = {}) : clock_(std::move(clock)) {}
  std::string Write(const Road& road, const std::vector<RoadFilePvi>& profile) const override;

 private:
  Clock clock_;
};

// "YYYY-MM-DD" and "HH:MM:SS", as LandXML's date and time attributes take them.
std::string LandXmlDate(const LocalTime& time);
std::string LandXmlTime(const LocalTime& time);

}  // namespace capset
