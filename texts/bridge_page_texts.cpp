#include "bridge_page_texts.h"

namespace capset {

std::string DeleteBridgeQuestion(const std::string& name, std::size_t bents) {
  return "删除桥“" + name + "”及其 " + std::to_string(bents) + " 个墩台？";
}

std::string BridgeNameTakenText(const std::string& name) { return "已有名为“" + name + "”的桥：请另取一个名字。"; }

std::string BentCellMessage(int row, const std::string& heading, const std::string& reason) {
  return "第 " + std::to_string(row) + " 行“" + heading + "”：" + reason;
}

std::string PastedLineMessage(int line, const std::string& text, const std::string& reason) {
  return "粘贴的第 " + std::to_string(line) + " 行“" + text + "”：" + reason + "未粘贴任何墩台。";
}

std::string BentsPastedText(std::size_t added, std::size_t replaced) {
  std::string text = "已粘贴：新增 " + std::to_string(added) + " 个墩台";
  if (replaced > 0) text += "，替换同名的 " + std::to_string(replaced) + " 个";
  return text + "。";
}

std::string BridgeKeptText(const std::string& reason) { return "墩台表未改：" + reason; }

std::string BentPointsCaption(const std::string& bent, std::size_t points) {
  return "墩台 " + bent + " 的点位（" + std::to_string(points) + " 个）";
}

std::string TemplateInUseText(const std::string& name, const std::string& bridge, const std::string& bent) {
  return "模板“" + name + "”正被桥“" + bridge + "”的墩台 " + bent + " 使用，不能删除。";
}

std::string TemplateNameTakenText(const std::string& name) { return "已有名为“" + name + "”的模板：请另取一个名字。"; }

std::string TemplatePointsText(long long points) {
  return "每个墩台 " + std::to_string(points) + " 个点（另有中桩 C 和边点 L、R）。";
}

std::string TemplateItemMessage(int row, const std::string& reason) {
  return "第 " + std::to_string(row) + " 项：" + reason;
}

}  // namespace capset

namespace capset {
std::string PasteColumnsText(std::size_t cells, int columns) {
  return "有 " + std::to_string(cells) + " 列，墩台表只有 " + std::to_string(columns) + " 列。";
}
}  // namespace capset

namespace capset {
std::string BentRowMessage(int row, const std::string& reason) {
  return "第 " + std::to_string(row) + " 行墩台：" + reason;
}
}  // namespace capset
