#pragma once
// What the job file says of a road it cannot read: where in the road the
// fault is ("JD3", "第 2 个线元") and what the field should be. The keys
// stay as the file writes them, so the user can find them in the file.

#include <string>

namespace capset {

// The road as a whole, and its numbered parts.
inline constexpr char kJobRoadWhole[] = "路线";
std::string JobRoadJd(int number);        // JD3
std::string JobRoadElement(int number);   // 第 2 个线元
std::string JobRoadEquation(int number);  // 第 1 个断链
// "JD3 的 R", "第 2 个线元的 kind": a blank only between Latin and Chinese.
std::string JobRoadField(const std::string& where, const std::string& key);

std::string JobRoadMissing(const std::string& field);
std::string JobRoadNotANumber(const std::string& field, bool infinite);
std::string JobRoadNotAPoint(const std::string& field);
std::string JobRoadNotAList(const std::string& key);
std::string JobRoadBadTurn(const std::string& field);
std::string JobRoadBadKind(const std::string& field);
std::string JobRoadNotAGroup(const std::string& where);
inline constexpr char kJobRoadNotAGroup[] = "应为一组字段。";
inline constexpr char kJobRoadBadForm[] = "form 应为“intersections”（交点法）或“elements”（线元法）。";

}  // namespace capset
