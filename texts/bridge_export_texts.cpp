#include "bridge_export_texts.h"

#include "marks.h"

namespace capset {
namespace {

constexpr std::size_t kListed = 10;

std::string QuotedList(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < kListed; ++i) text += (i ? "、" : "") + Quoted(names[i]);
  if (names.size() > kListed) text += "等 " + std::to_string(names.size()) + " 个";
  return text;
}

}  // namespace

std::string UnknownBentsText(const std::string& bridge, const std::vector<std::string>& bents) {
  return "桥" + Quoted(bridge) + "没有墩台" + QuotedList(bents) + "：请核对墩台名称。没有导出任何点。";
}

std::string NoBridgePointPlacedText(int bents) {
  return "没有可导出的点：所选的 " + std::to_string(bents) +
         " 个墩台在当前路线上都未能定位（桩号不在路线上，或盖梁轴线朝向路线后方）。没有导出任何点。";
}

std::string SharedPointNamesText(const std::vector<SharedPointName>& shared) {
  std::string text = "点文件中的点名须各不相同，全站仪才不会调错点；以下点名在几座桥中重复：";
  for (std::size_t i = 0; i < shared.size() && i < kListed; ++i) {
    text += "\n" + Quoted(shared[i].name) + "：桥" + QuotedList(shared[i].bridges);
  }
  if (shared.size() > kListed) text += "\n……另有 " + std::to_string(shared.size() - kListed) + " 个。";
  return text + "\n请逐座桥导出点文件（CSV 带桥名，可以一起导出）。没有导出任何点。";
}

std::string PointsLeftOutText(int written, int leftOut, const std::vector<std::string>& bents) {
  std::string text = "已导出 " + std::to_string(written) + " 个点；另有 " + std::to_string(leftOut) +
                     " 个点未能在路线上定位，没有写入文件";
  if (!bents.empty()) text += "，在墩台" + QuotedList(bents) + "中";
  return text + "。";
}

std::string BridgeExportDoneText(int points, const std::string& path) {
  return "已导出 " + std::to_string(points) + " 个点到 " + path;
}

}  // namespace capset
