#pragma once
// LandXML as the session's road file format, for reading: the file's
// alignments, the road and profile of the one chosen, its unit. Writing,
// stamped with a clock, is landxml_core_format.h's, so the desktop and the
// web build read and write through the same seam the same way.

#include "landxml_file.h"
#include "road_file_format.h"

namespace capset {

class LandXmlReading : public RoadFileFormat {
 public:
  std::optional<LandXmlProblem> Read(const std::string& path) override;
  std::vector<RoadFileAlignment> Alignments() const override;
  std::variant<RoadInput, LandXmlProblem> RoadNamed(const std::optional<std::string>& name) const override;
  std::variant<RoadInput, LandXmlProblem> RoadAt(int index) const override;
  RoadFileUnit Unit() const override;
  std::optional<RoadFileProfile> ProfileAt(int index, const Road& road) const override;

  // The file last read, for a window that shows its alignments.
  const LandXmlFile& File() const { return file_; }

 protected:
  // The file at `path` read: by the C library here; a build with devices
  // and encodings of its own reads it its way.
  virtual std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& path) const;

 private:
  LandXmlFile file_;
};

}  // namespace capset
