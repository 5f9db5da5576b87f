#include "polar_texts.h"

namespace capset {

std::string PolarLineMessage(const std::string& line, const std::string& reason) {
  return "“" + line + "”：" + reason;
}

std::string BacksightOnStationText(const std::string& backsight, const std::string& station) {
  return "后视点“" + backsight + "”与测站“" + station + "”重合（相距不足 0.5 mm），无法定向：请另选后视点。";
}

std::string PointOnStationText(const std::string& point) {
  return "点“" + point + "”就在测站上（相距不足 0.5 mm）：没有方位角，也无需转角。";
}

std::string NoSuchBridgePointText(const std::string& name) {
  return "没有名为“" + name + "”的桥梁点位：桥梁点名写作 墩台-点，如 3-Z1；或直接给出坐标。";
}

std::string BridgePointInManyText(const std::string& name, const std::vector<std::string>& bridges) {
  std::string list;
  for (const std::string& b : bridges) list += (list.empty() ? "“" : "、“") + b + "”";
  return "点名“" + name + "”在桥" + list + "中都有：请直接给出它的坐标。";
}

std::string BentWithoutPolarText(const std::string& bridge, const std::string& bent) {
  return "桥“" + bridge + "”墩台 " + bent + " 没有点位（未计算），不在下列放样数据中。";
}

std::string JobBacksightEitherText(const std::string& where) {
  return where + " 应有后视点的 X、Y，或后视方位角 azimuth，二者只取其一。";
}

std::string BacksightCheckText(const std::string& name, const std::string& azimuth, const std::string& distance) {
  if (distance.empty()) return "后视方位角 " + azimuth + "：照准后视方向后置盘。";
  return "后视“" + name + "”：方位角 " + azimuth + "，平距 " + distance + " m，照准后请核对平距。";
}

std::string PolarSummaryText(const std::string& station, int points) {
  return "测站“" + station + "”：共 " + std::to_string(points) + " 点。";
}

std::string PolarExportedText(int points, const std::string& path) {
  return "已导出 " + std::to_string(points) + " 点的放样数据：" + path;
}

std::string PolarExportFailedText(const std::string& path, const std::string& reason) {
  return "导出放样数据失败：无法写入文件“" + path + "”。\n原因：" + reason + "\n原有文件保持不变。";
}

}  // namespace capset
