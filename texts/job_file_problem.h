#pragma once
#include <string>

namespace capset {

// Why a text is not a job: the field at fault (empty for the file as a
// whole) and what is wrong with it.
struct JobFileProblem {
  std::string field;
  std::string why;
};

}  // namespace capset
