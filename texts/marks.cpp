#include "marks.h"

#include "number_text.h"
#include "round3.h"

namespace capset {

std::string MetresText(double metres) { return NumberText(Round3(metres), ".") + " m"; }

}  // namespace capset
