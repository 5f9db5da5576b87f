#include "fault_texts.h"

namespace capset {

const char* ErrorKindName(ErrorKind kind) {
  switch (kind) {
    case ErrorKind::kTypeMismatch: return "类型不匹配";
    case ErrorKind::kOverflow: return "溢出";
    case ErrorKind::kDivisionByZero: return "除数为零";
    case ErrorKind::kInvalidOperation: return "无效运算";
  }
  return "错误";
}

const char* FaultPlaceName(FaultPlace place) {
  switch (place) {
    case FaultPlace::kSeries: return "缓和曲线坐标级数";
    case FaultPlace::kChord: return "弦长";
    case FaultPlace::kDeflection: return "弦偏角";
    case FaultPlace::kTangentAngle: return "切线角";
    case FaultPlace::kCoordinate: return "坐标";
    case FaultPlace::kBearing: return "方位角";
    case FaultPlace::kStartValue: return "垂足点起始值";
    case FaultPlace::kDms: return "度分秒换算";
    case FaultPlace::kRound3: return "三位小数取整";
    case FaultPlace::kNumberText: return "数值显示";
    case FaultPlace::kStationText: return "桩号显示";
  }
  return "";
}

}  // namespace capset
