#pragma once
// LandXML as the session's road file format: the streaming reader and the
// writer of this folder behind the session's seam.

#include "landxml_read.h"
#include "road_file_format.h"

namespace capset {

class LandXmlFormat : public RoadFileFormat {
 public:
  std::optional<LandXmlProblem> Read(const std::string& path) override;
  std::vector<RoadFileAlignment> Alignments() const override;
  std::variant<RoadInput, LandXmlProblem> RoadNamed(const std::optional<std::string>& name) const override;
  std::variant<RoadInput, LandXmlProblem> RoadAt(int index) const override;
  // Stamped with the local date and time of the writing.
  RoadFileUnit Unit() const override;
  std::optional<RoadFileProfile> ProfileAt(int index, const Road& road) const override;
  std::string Write(const Road& road, const std::vector<RoadFilePvi>& profile) const override;

  // The file last read, for a window that shows its alignments.
  const LandXmlFile& File() const { return file_; }

 private:
  LandXmlFile file_;
};

}  // namespace capset
