#include "point_height_texts.h"

namespace capset {

std::string AxisPointHeightHeading(int number) { return "P" + std::to_string(number) + " 高程 H"; }

std::string CheckHeightSummary(int planOver, int heightOver, int heightsChecked) {
  return "平面超限 " + std::to_string(planOver) + " 点；高程检核 " + std::to_string(heightsChecked) + " 点，超限 " +
         std::to_string(heightOver) + " 点。";
}

}  // namespace capset
