#include "instrument_texts.h"

namespace capset {

std::string GsiNameTooLong(const std::string& name, std::size_t most) {
  return "点名“" + name + "”超过 " + std::to_string(most) + " 个字符，GSI-16 的点号容纳不下：请改短墩台或点的名称。";
}

std::string GsiNameNotPlain(const std::string& name) {
  return "点名“" + name + "”含空格、星号或非 ASCII 字符，GSI 的点号写不下：请改用字母、数字、“-”“_”“.”。";
}

std::string GsiNameLeadingZero(const std::string& name) {
  return "点名“" + name + "”以 0 后接字母或数字开头：GSI 的点号在左边以 0 补足，读回时分不出名中的 0。请改名（如 01 改为 1）。";
}

std::string PointNotWritable(const std::string& name) {
  return "点“" + name + "”的坐标或高程无法写出（不是数值，或超出 16 位数据）。";
}

std::string InstrumentExportRefused(const std::string& format, const std::string& file, const std::string& reason) {
  return "未导出 " + format + " 文件“" + file + "”：" + reason;
}

std::string SharedBridgePointNames(const std::vector<SharedPointName>& shared) {
  std::string text = "几座桥的墩台同名，点名会重复，仪器只会留下其中一个：";
  constexpr std::size_t kListed = 10;
  for (std::size_t i = 0; i < shared.size() && i < kListed; ++i) {
    text += i == 0 ? "" : "；";
    text += shared[i].name + "（";
    for (std::size_t b = 0; b < shared[i].bridges.size(); ++b) text += (b == 0 ? "" : "、") + shared[i].bridges[b];
    text += "）";
  }
  if (shared.size() > kListed) text += "；等共 " + std::to_string(shared.size()) + " 个";
  return text + "。请给各桥的墩台取不同的名称（如左幅 L3、右幅 R3），或逐座桥导出。";
}

std::string GsiUnitNotMetres(int word, char unit) {
  return "字 " + std::to_string(word) + " 的单位位“" + std::string(1, unit) +
         "”不是以米计的坐标：只读单位位为 0（1 mm）、6（0.1 mm）、8（0.01 mm）的数据。";
}

std::string GsiDataNotNumber(int word) { return "字 " + std::to_string(word) + " 的数据不是数值。"; }

std::string PointFileReadAs(const std::string& file, const std::string& format) {
  return "文件“" + file + "”的内容可作 CASS 与 PNEZD 两种格式读，按扩展名读作 " + format + "。";
}

std::string InstrumentExportDone(int points, const std::string& path) {
  return "已导出 " + std::to_string(points) + " 个点到 " + path;
}

}  // namespace capset
