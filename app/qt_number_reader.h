#pragma once
// Numbers as the user writes them: the default QLocale (the system's, unless
// the program set another), with group separators refused.

#include "seam.h"

namespace capset {

class QtNumberReader : public NumberReader {
 public:
  ReadResult Read(const std::string& text) const override;
  std::string DecimalSeparator() const override;
};

}  // namespace capset
