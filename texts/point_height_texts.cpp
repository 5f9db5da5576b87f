#include "point_height_texts.h"

#include "number_text.h"

namespace capset {

std::string AxisPointHeightHeading(int number) { return "P" + std::to_string(number) + " 高程 H"; }

std::string CheckHeightSummary(int measured, int checked, int over, double toleranceMm) {
  std::string text = "高程：" + std::to_string(measured) + " 个点带实测高程";
  if (checked < measured) text += "，其中 " + std::to_string(measured - checked) + " 个" + kNoDesignHeight;
  if (checked == 0) return text + "。";
  text += "；检核 " + std::to_string(checked) + " 个，高程限差 " + NumberText(toleranceMm, ".") + " mm：";
  if (over == 0) return text + "全部合格。";
  return text + std::to_string(over) + " 个" + kHeightOver + "（红色）。";
}

}  // namespace capset
