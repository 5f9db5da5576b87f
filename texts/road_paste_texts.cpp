#include "road_paste_texts.h"

#include <cstdio>

namespace capset {

std::string PasteMixedNamesText(int namedLine, const std::string& name, int numberLine, const std::string& number) {
  return "粘贴的第 " + std::to_string(namedLine) + " 行以“" + name + "”开头，第 " + std::to_string(numberLine) + " 行以数“" + number +
         "”开头：分不清哪一列是点名，没有粘贴。";
}

std::string PasteTooWideText(int line, int fields, bool named) {
  return "粘贴的第 " + std::to_string(line) + " 行有 " + std::to_string(fields) + " 格，交点表一行" +
         (named ? "最多 7 格（点名、交点桩号、X、Y、R、Ls1、Ls2）" : "不算点名最多 6 格（交点桩号、X、Y、R、Ls1、Ls2）") +
         "：没有粘贴。";
}

std::string PasteOutOfPlaceText(int line, const std::string& name) {
  return "粘贴的第 " + std::to_string(line) + " 行是 " + name + "，" + (name == "BP" ? "但它不是第一行" : "但其后还有行") +
         "：没有粘贴。";
}

std::string PasteTakenText(int rows, const std::vector<std::string>& columns, int headerLines) {
  std::string text = "已粘贴 " + std::to_string(rows) + " 行，各列依次为：";
  for (std::size_t i = 0; i < columns.size(); ++i) text += (i > 0 ? "、" : "") + columns[i];
  text += "。";
  if (headerLines > 0) text += "（最前面 " + std::to_string(headerLines) + " 行没有数，作为表头略去。）";
  return text;
}

std::string JdStationOffText(const std::string& jd, const std::string& typed, const std::string& chained, double differenceMm) {
  char mm[32];
  std::snprintf(mm, sizeof mm, "%.1f", differenceMm);
  return jd + " 的交点桩号 " + typed + " 与由前一桩号推算的 " + chained + " 相差 " + mm + " mm。";
}

std::string JdStationsOffNote(int count, const std::string& first) {
  return count == 1 ? first : std::to_string(count) + " 个交点桩号与推算不符，第一个：" + first;
}

}  // namespace capset
