#include "round3.h"

#include <cmath>

#include "fault.h"

namespace capset {

double Round3(double x) {
  const double y = Finite(x * 1000, "三位小数取整");
  double w = std::trunc(y);
  const double f = y - w;
  const double awayFromZero = y < 0 ? -1 : 1;
  if (std::fabs(f) > 0.5 || (std::fabs(f) == 0.5 && std::fmod(w, 2) != 0)) w += awayFromZero;
  return w / 1000;
}

}  // namespace capset
