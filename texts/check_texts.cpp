#include "check_texts.h"

#include <cmath>

#include "field_ranges.h"
#include "marks.h"
#include "number_text.h"
#include "range_texts.h"

namespace capset {
namespace {

std::string Listed(std::string message, const std::vector<std::string>& problems, std::size_t most) {
  for (std::size_t i = 0; i < problems.size() && i < most; ++i) message += "\n" + problems[i];
  if (problems.size() > most) message += "\n……另有 " + std::to_string(problems.size() - most) + " 项。";
  return message;
}

}  // namespace

std::string PointXBeyond(const std::string& typed) { return "X（纵坐标）" + NotWithinReason(typed, kCoordinateRange); }

std::string PointYBeyond(const std::string& typed) { return "Y（横坐标）" + NotWithinReason(typed, kCoordinateRange); }

std::string ToleranceBeyond(const std::string& typed, double metresPerUnit, const char* unit) {
  const FieldRange inUnit{kToleranceRange.low / metresPerUnit, kToleranceRange.high / metresPerUnit};
  return "限差" + NotWithinReason(typed, inUnit, unit);
}

std::string CheckLineProblem(int line, const std::string& text, const std::string& reason) {
  return "第 " + std::to_string(line) + " 行" + Quoted(text) + "：" + reason;
}

std::string CheckPointsRejected(const std::vector<std::string>& problems, std::size_t most) {
  return Listed("实测点未检核，请改正以下各行：", problems, most);
}

std::string CheckFileRejected(const std::string& file, const std::vector<std::string>& problems, std::size_t most) {
  return Listed("文件" + Quoted(file) + "不是点文件，未读取：", problems, most);
}

std::string TooManyCheckPoints(int most) {
  return "一次最多检核 " + std::to_string(most) + " 个点，请分批检核。";
}

std::string NoPointsInFile(const std::string& file) { return "文件" + Quoted(file) + "中没有点。"; }

const std::vector<std::string>& CheckHeadings() {
  static const std::vector<std::string> headings{
      "点名", "X", "Y", "桩号", "偏距 (m)", "盖梁", "沿轴线 (m)", "离轴线 (m)", "最近设计点", "ΔX (mm)", "ΔY (mm)", "偏差 (mm)", "结果"};
  return headings;
}

std::string CheckFileUnreadable(const std::string& file, const std::string& reason) {
  return "无法读取文件" + Quoted(file) + "。\n原因：" + reason;
}

std::string CheckFileTooLarge(const std::string& file, int megabytes) {
  return "文件" + Quoted(file) + "超过 " + std::to_string(megabytes) + " MB，不是一座桥的点文件，未读取。";
}

std::string CheckExportFailed(const std::string& path, const std::string& reason) {
  return "导出失败：无法写入文件" + Quoted(path) + "。\n原因：" + reason + "\n原有文件保持不变。";
}

std::string CheckExported(int rows, const std::string& path) {
  return "已导出 " + std::to_string(rows) + " 个点的检核结果到 " + path;
}

std::string CheckMarkLabel(const std::string& name, double distanceMm, bool over) {
  const double tenths = std::round(distanceMm * 10) / 10;
  return name + " " + NumberText(tenths, ".") + " mm" + (over ? " " + std::string(kCheckOver) : "");
}

std::string CheckCapText(const std::string& name, int row) {
  const std::string number = "(" + std::to_string(row) + ")";
  return name.empty() ? number : name + " " + number;
}

std::string CheckSummary(int points, int over, double toleranceMm, int far) {
  std::string text = "检核 " + std::to_string(points) + " 个点，限差 " + NumberText(toleranceMm, ".") + " mm：";
  if (far > 0) {
    text += std::to_string(far) + " 个点" + kCheckNoCapNear + "，只给出桩号和偏距";
    if (far == points) return text + "。";
    text += "；";
  }
  if (over == 0) return text + (far == 0 ? "全部合格。" : "其余全部合格。");
  return text + std::to_string(over) + " 个超限（红色）。";
}

std::string CheckCleared(CheckInput changed) {
  const char* what = changed == CheckInput::kPoints      ? "实测点已改变"
                     : changed == CheckInput::kTolerance ? "限差已改变"
                     : changed == CheckInput::kRoad      ? "路线已改变"
                     : changed == CheckInput::kBridges   ? "桥梁的墩台已改变"
                     : changed == CheckInput::kHeights   ? "纵断面或横断面已改变，桥梁各点的设计高程随之改变"
                                                         : "结果记录中的盖梁已改变";
  return std::string(what) + "，上次的检核结果已清除：请再点“检核”。";
}

}  // namespace capset
