#include "heights_window_texts.h"

#include <cmath>

#include "number_text.h"
#include "range_texts.h"

namespace capset {
std::string SignedPercent(double percent) {
  const std::string text = FixedText(percent, 3);
  return (percent > 0 && text != "0.000" ? "+" : "") + text + "%";
}

std::string HeightsRangeText(const std::string& typed, double low, double high, const char* unit) {
  return NotWithinReason(typed, FieldRange{low, high}, unit);
}

std::string ExaggerationText(double ratio) {
  const std::string r = ratio >= 10 ? FixedText(ratio, 0) : FixedText(ratio, 1);
  return "纵横比 1:" + r + "（竖向放大 " + r + " 倍）";
}

std::string ProfilePositionText(const std::string& station, double elevation, double gradePercent, double cursor) {
  return station + "  设计高程 " + FixedText(elevation, 3) + "  坡度 " + SignedPercent(gradePercent) + "  光标高程 " +
         FixedText(cursor, 3);
}

std::string ProfileOutsideText(const std::string& station) { return station + "  " + kProfileOutside; }

std::string PviCellWhere(int row, const std::string& header) {
  return "第 " + std::to_string(row) + " 行 " + header + "：";
}

std::string PviPasteTooManyText(int line, int numbers) {
  return "粘贴的第 " + std::to_string(line) + " 行有 " + std::to_string(numbers) +
         " 个数值，不知放入哪些列：变坡点的行写作 桩号 高程 [R]，或 桩号 高程 竖曲线 数值…，没有粘贴。";
}

std::string PviPasteNoStationText(int line, const std::string& field) {
  return "粘贴的第 " + std::to_string(line) + " 行“" + field + "”不是桩号或数值，没有粘贴。";
}

std::string PviPasteKindText(int line, const std::string& word) {
  return "粘贴的第 " + std::to_string(line) + " 行“" + word + "”不是竖曲线的类型，没有粘贴。" + kHeightsNotKind;
}

std::string SlopeLabel(bool left, double percent) {
  return std::string(left ? "左 " : "右 ") + SignedPercent(percent);
}

std::string EdgeLabel(const char* where, double elevation) { return std::string(where) + " " + FixedText(elevation, 3); }

std::string SectionCaption(const std::string& station) { return station + " 处的横断面（高程 m，横坡 %）"; }

std::string SectionCellWhere(const char* table, int row, const std::string& header) {
  return std::string(table) + "第 " + std::to_string(row) + " 行 " + header + "：";
}

}  // namespace capset
