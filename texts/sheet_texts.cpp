#include "sheet_texts.h"

#include "marks.h"
#include "number_text.h"

namespace capset {

std::string SheetJobText(const std::string& job) { return "作业：" + job; }

std::string SheetDateText(const std::string& date) { return "打印日期：" + date; }

std::string PageNumberText(int page, int pages) {
  return "第 " + std::to_string(page) + " 页 共 " + std::to_string(pages) + " 页";
}

std::string SheetRoadText(const std::string& first, const std::string& last) {
  return "道路：" + first + " ～ " + last;
}

std::string SheetBridgeText(const std::string& bridge, int bents) {
  return "桥：" + bridge + "（" + std::to_string(bents) + " 个墩台）";
}

std::string SheetBentText(const std::string& bent, const std::string& station, const std::string& skew,
                          const std::string& tmpl) {
  std::string text = "墩台：" + bent + "　桩号 " + station + "　交角 B " + skew;
  if (!tmpl.empty()) text += "　模板 " + tmpl;
  return text;
}

std::string SheetTableRequestText(const std::string& from, const std::string& to, const std::string& step,
                                  const std::string& offsets) {
  std::string text = "自 " + from + " 至 " + to + "，间距 " + step + " m";
  if (!offsets.empty()) text += "，偏距 " + offsets + " m（右正）";
  return text;
}

std::string SheetTableSpanText(const std::string& from, const std::string& to) {
  return "自 " + from + " 至 " + to;
}

std::string SheetWritten(const std::string& path) { return "已写入 " + path; }

std::string SheetTolerancesText(const std::string& plan, const std::string& height) {
  return "平面限差 " + plan + " mm，高程限差 " + height + " mm";
}

std::string SheetPointOffRoad(const std::string& point) {
  return "点" + Quoted(point) + "不在道路的范围内：未给桩号和偏距。";
}

std::string SheetPointNoHeight(const std::string& point) {
  return "点" + Quoted(point) + "在纵断面之外：未给高程。";
}

std::string SheetStationText(const std::string& name, const std::string& x, const std::string& y,
                             const std::string& height, const std::string& instrumentHeight) {
  std::string text = "测站 " + name + "：X " + x + "，Y " + y;
  if (!height.empty()) text += "，H " + height + "，仪器高 " + instrumentHeight;
  return text;
}

std::string SheetEdgesMissing(int sides) { return std::to_string(sides) + " 侧边点未求得"; }

std::string PlanScaleText(double metres) { return NumberText(metres, ".") + " m"; }

std::string NoSuchBentText(const std::string& bridge, const std::string& bent) {
  return "桥" + Quoted(bridge) + "没有名为" + Quoted(bent) + "的墩台。";
}

std::string TooManyRowsToPrint(long long rows, long long most) {
  return "表格共 " + std::to_string(rows) + " 行，超过可打印的 " + std::to_string(most) + " 行：请加大间距，或分段打印。";
}

std::string SheetNotWritten(const std::string& file, const std::string& reason) {
  return "未能写入" + Quoted(file) + "：" + reason + "。原有的文件未改动。";
}

}  // namespace capset
