#pragma once
// A file of measured points read for the as-built check, whichever of the
// three kinds it is (CASS .dat, GSI, PNEZD): the window's 读取文件 and the
// script's `file` line read it alike and say the same on failure.

#include <string>
#include <vector>

#include "as_built_check.h"
#include "file_store.h"

namespace capset {

// A point file of more than this is not one bridge's survey.
inline constexpr int kMaxPointFileMegabytes = 16;

struct MeasuredFile {
  std::vector<MeasuredPoint> points;
  std::string error;   // not empty: nothing was read, and why (naming the file)
  std::string notice;  // the kind its ending chose, when its bytes fit two
};

// `shownPath` is the path as the user knows it, for the messages.
MeasuredFile ReadMeasuredFile(FileStore& store, const std::string& path, const std::string& shownPath);

}  // namespace capset
