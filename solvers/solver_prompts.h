#pragma once

#include <string>

namespace capset {

inline const std::string kAskKp = "请输入要求计算的盖梁中桩桩号  Kp( 以米为单位 )";
inline const std::string kAskDR = "请输入中线至路基边缘宽度  DR  的数值( 以米为单位 ）";
inline const std::string kAskPrecision = "请输入计算精度（以度为单位）";

}  // namespace capset
