#pragma once
// The streaming reader of LandXML files, shared by the files that read the
// plan (landxml_read.cpp) and the profile (landxml_profile_read.cpp). Not
// for use outside this folder: ReadLandXml is the way in.

#include <QIODevice>
#include <QXmlStreamReader>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "landxml_read.h"

namespace capset {

// What an element of CoordGeom says, before it joins the chain.
struct FileElement {
  ElementSpec shape;
  long long line;
};

// The reader holds a run of text whole until the markup after it: a file
// of one text of gigabytes would hold gigabytes. This device hands on the
// file's bytes and ends it early at a run without "<" longer than any a
// road file has (terrain comes as many short elements, not as one text).
class BoundedRuns : public QIODevice {
 public:
  explicit BoundedRuns(QIODevice& source) : source_(source) { open(ReadOnly); }
  bool isSequential() const override { return true; }
  bool cut() const { return cut_; }

 protected:
  qint64 readData(char* data, qint64 most) override {
    if (cut_) return -1;
    const qint64 n = source_.read(data, most);
    if (n <= 0) return n;
    for (qint64 i = 0; i < n; ++i) {
      run_ = data[i] == '<' ? 0 : run_ + 1;
      if (run_ > kLongestLandXmlRun) {
        cut_ = true;
        return i;
      }
    }
    return n;
  }
  qint64 writeData(const char*, qint64) override { return -1; }
  // Sequential: more may come while the source has it.
  qint64 bytesAvailable() const override { return QIODevice::bytesAvailable() + (cut_ ? 0 : source_.bytesAvailable()); }
  bool atEnd() const override { return cut_ || source_.atEnd(); }

 private:
  QIODevice& source_;
  qint64 run_ = 0;
  bool cut_ = false;
};

class Reader {
 public:
  explicit Reader(QIODevice& device) : bounded_(device), xml_(&bounded_) {}

  std::variant<LandXmlFile, LandXmlProblem> Read();

 private:
  LandXmlProblem Here(LandXmlFault fault, std::string value = {}) const {
    return {fault, xml_.name().toString().toStdString(), xml_.lineNumber(), {}, std::move(value)};
  }
  // The reader's own error, or a declaration met on the way.
  LandXmlProblem StreamProblem() const;
  std::optional<LandXmlProblem> ReadUnits();
  void ReadAlignments(LandXmlFile& file);
  LandXmlAlignment ReadAlignment();
  std::optional<LandXmlProblem> ReadCoordGeom(std::vector<FileElement>& elements);
  // An equation and where the file says it stands (staInternal; NaN when it does not).
  struct FileEquation {
    double internal;
    StationEquation equation;
  };
  std::optional<LandXmlProblem> ReadStaEquation(std::vector<FileEquation>& equations);
  std::variant<FileElement, LandXmlProblem> ReadElement();
  // A length attribute in metres: nothing when it is absent; `infinite`
  // allows INF; a value outside `range` (when one is given) is refused.
  std::variant<std::optional<double>, LandXmlProblem> Number(const char* attribute, bool infinite = false,
                                                             std::optional<FieldRange> range = std::nullopt,
                                                             bool zero = false) const;
  // A length or radius the element's points give, checked as a stated one is.
  std::optional<LandXmlProblem> Beyond(const char* attribute, double metres, FieldRange range) const;
  std::variant<PlanePoint, LandXmlProblem> Point();

  // The profile (landxml_profile_read.cpp). Of the alignment's Profile
  // elements, the first ProfAlign is read into `profile`; later ones are
  // only named there.
  void ReadProfile(std::optional<RoadFileProfile>& profile);
  RoadFileProfile ReadProfAlign();
  // One element of a ProfAlign as a row, or why it is none.
  std::variant<PviInput, LandXmlProblem> ReadPvi();

  BoundedRuns bounded_;
  QXmlStreamReader xml_;
  int elementCount_ = 0;
  std::string linearUnit_ = "meter";
  double metresPerUnit_ = 1;
  bool alignmentRead_ = false;
};

}  // namespace capset
