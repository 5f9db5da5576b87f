#include "landxml_profile_texts.h"

#include "landxml_texts.h"
#include "marks.h"

namespace capset {
namespace {

std::string ProfileName(const std::string& profile) { return profile.empty() ? "" : Quoted(profile); }

std::string PlaceText(const ProfileFilePlace& p) {
  std::string text = "元素 <" + p.element + ">（";
  if (p.line > 0) text += "文件第 " + std::to_string(p.line) + " 行";
  if (p.line > 0 && p.row > 0) text += "，";
  if (p.row > 0) text += "纵断面第 " + std::to_string(p.row) + " 行变坡点";
  return text + "）";
}

}  // namespace

std::string LandXmlProfileRefusedMessage(const std::string& file, const std::string& profile,
                                         const std::vector<ProfileFilePlace>& where, const std::string& reason,
                                         bool kept) {
  std::string text = "无法读入路线文件" + Quoted(file) + "中的纵断面" + ProfileName(profile) + "：";
  for (std::size_t i = 0; i < where.size(); ++i) text += (i > 0 ? "与" : "") + PlaceText(where[i]);
  if (!where.empty()) text += "：";
  text += reason;
  return text + (kept ? "\n路线已读入；作业原有的纵断面没有改变。" : "\n路线已读入，但没有纵断面。");
}

std::string LandXmlOtherProfilesNotice(const std::string& file, const std::string& read,
                                       const std::vector<std::string>& others) {
  std::string names;
  for (std::size_t i = 0; i < others.size(); ++i) names += (i > 0 ? "、" : "") + (others[i].empty() ? std::string(kUnnamedAlignment) : Quoted(others[i]));
  return "路线文件" + Quoted(file) + "中这条路线有 " + std::to_string(others.size() + 1) + " 个设计纵断面（ProfAlign）：读入的是第一个" +
         (read.empty() ? std::string(kUnnamedAlignment) : Quoted(read)) + "，没有读入" + names + "。请核对高程取自哪一个。";
}

std::string ProfileBesideRoadText() {
  return "它的变坡点全在新路线的桩号范围之外，路线上没有一处能由它给出高程。";
}

std::string LandXmlProfileKeptNotice(const std::string& file, const std::string& problem) {
  std::string text = "路线文件" + Quoted(file) + "中没有纵断面，作业原有的纵断面保留，其桩号按新读入的路线计算。";
  if (!problem.empty()) text += "但它与新路线不符：" + problem;
  return text;
}

std::string LandXmlProfileReplacedNotice(const std::string& file, const std::string& profile, int rows) {
  return "作业原有的纵断面已换为路线文件" + Quoted(file) + "中的纵断面" + ProfileName(profile) + "（" + std::to_string(rows) +
         " 个变坡点）。";
}

std::string LandXmlStationUnsaidText(const std::string& pvi) {
  // A blank where the station's Latin meets the Chinese after it.
  const bool latin = !pvi.empty() && static_cast<unsigned char>(pvi.back()) < 0x80;
  return pvi + (latin ? " " : "") + "在长链范围内，这个桩号在路线上有两处；LandXML 文件只写桩号，而按变坡点的先后次序也定不出是哪一处，读回时会无法确定。";
}

std::string LandXmlProfileNotWrittenNotice(const std::string& file, const std::string& reason) {
  return "路线已导出到" + Quoted(file) + "，但没有写入纵断面：" + (reason.empty() ? std::string("它与路线不符。") : reason);
}

}  // namespace capset
