#pragma once
// A label that two or more caps of a point file would share: the words for
// it are in file_texts.h, how it is found in export_formats.h.

#include <string>
#include <vector>

namespace capset {

struct SharedLabel {
  std::string label;
  std::vector<int> numbers;  // the rows' numbers, in the order of the export
};

}  // namespace capset
