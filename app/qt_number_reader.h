#pragma once
// The symbols of the user's numbers: those of the default QLocale (the
// system's, unless the program set another). How an answer is read from
// them is the dialogue's own rule.

#include "seam.h"

namespace capset {

class QtNumberReader : public NumberReader {
 public:
  NumberSymbols Symbols() const override;
};

}  // namespace capset
