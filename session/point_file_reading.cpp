#include "point_file_reading.h"

#include "check_texts.h"
#include "instrument_point_files.h"
#include "instrument_texts.h"
#include "measured_points.h"

namespace capset {

MeasuredFile ReadMeasuredFile(FileStore& store, const std::string& path, const std::string& shownPath) {
  MeasuredFile out;
  const std::string file = FileNameOf(shownPath);
  const std::size_t most = static_cast<std::size_t>(kMaxPointFileMegabytes) << 20;
  const auto bytes = store.Read(path, most);
  if (const auto* failure = std::get_if<FileFailure>(&bytes)) {
    out.error = CheckFileUnreadable(file, failure->reason);
    return out;
  }
  const std::string& content = std::get<std::string>(bytes);
  if (content.size() > most) {
    out.error = CheckFileTooLarge(file, kMaxPointFileMegabytes);
    return out;
  }
  PointFileReading read = ReadAnyPointFile(content, file);
  if (const auto* problems = std::get_if<std::vector<std::string>>(&read.points)) {
    out.error = CheckFileRejected(file, *problems, kMaxListedCheckProblems);
    return out;
  }
  out.points = std::move(std::get<std::vector<MeasuredPoint>>(read.points));
  if (out.points.empty()) {
    out.error = NoPointsInFile(file);
    return out;
  }
  if (read.ambiguous) out.notice = PointFileReadAs(file, PointFileKindName(read.kind));
  return out;
}

}  // namespace capset
