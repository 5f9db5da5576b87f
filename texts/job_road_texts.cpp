#include "job_road_texts.h"

namespace capset {

std::string JobRoadJd(int number) { return "JD" + std::to_string(number); }
std::string JobRoadElement(int number) { return "第 " + std::to_string(number) + " 个线元"; }
std::string JobRoadEquation(int number) { return "第 " + std::to_string(number) + " 个断链"; }

std::string JobRoadField(const std::string& where, const std::string& key) {
  const bool latin = !where.empty() && static_cast<unsigned char>(where.back()) < 0x80;
  return where + (latin ? " 的 " : "的 ") + key;
}

std::string JobRoadMissing(const std::string& field) { return field + " 缺少。"; }
std::string JobRoadNotANumber(const std::string& field, bool infinite) {
  return field + (infinite ? " 应为数值或“inf”。" : " 应为数值。");
}
std::string JobRoadNotAPoint(const std::string& field) { return field + " 应为一组坐标 {\"X\", \"Y\"}。"; }
std::string JobRoadNotAList(const std::string& key) { return "应为一列（" + key + "）。"; }
std::string JobRoadBadTurn(const std::string& field) { return field + " 应为“left”或“right”。"; }
std::string JobRoadBadKind(const std::string& field) { return field + " 应为“line”、“arc”或“spiral”。"; }
std::string JobRoadNotAGroup(const std::string& where) { return where + " " + kJobRoadNotAGroup; }

}  // namespace capset
