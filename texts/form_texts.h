#pragma once
// The window's own words: its title, and the captions of the form's labels
// and buttons with their exact characters. The blanks in the captions are
// part of them: they push the second phrase of a caption onto the label's
// second line.

namespace capset {

// The one title of the program: the window, its heading (Label1), every
// prompt and every message box carry it, so the user always sees which
// program asks.
inline constexpr char kAppTitle[] = "缓和曲线上盖梁坐标计算";

inline constexpr char kZHStationCaption[] = "   缓和曲线          起点 (ZH)  桩号";  // Label2
inline constexpr char kHZStationCaption[] = "     缓和曲线        终点  (HZ)  桩号";  // Label3
inline constexpr char kZHAzimuthCaption[] = "      缓和曲线                 起点  (ZH) 切线数值";  // Label4
inline constexpr char kHZAzimuthCaption[] = "      缓和曲线               终点  (HZ) 切线数值";  // Label5
inline constexpr char kRadiusCaption[] = " 平曲线     半径 R";  // Label6
inline constexpr char kZHXCaption[] = "       缓和曲线                起点 (ZH)  纵座标 X";  // Label7
inline constexpr char kHZXCaption[] = "      缓和曲线             终点(HZ) 纵座标 X";  // Label8
inline constexpr char kZHYCaption[] = "        缓和曲线              起点 (ZH)  横座标 Y";  // Label9
inline constexpr char kHZYCaption[] = "        缓和曲线             终点 (HZ)  横座标 Y";  // Label10
inline constexpr char kCentreStationCaption[] = "盖梁中桩桩号 K";  // Label11
inline constexpr char kDRCaption[] = "路基寬度       DR";  // Label12
inline constexpr char kSkewCaption[] = "盖梁与中线       交角  B";  // Label13
inline constexpr char kEdgesHeading[] = "盖梁位于路基边缘处座标及长度计算";  // Label14
inline constexpr char kDeflectionCaption[] = "曲线正徧P>0  曲线反徧P<0";  // Label15
inline constexpr char kOuterXCaption[] = "盖梁外侧  纵座标 X";  // Label16
inline constexpr char kOuterYCaption[] = "盖梁外侧 横座标 Y";  // Label17
inline constexpr char kOuterLengthCaption[] = "盖梁外侧   长度 L";  // Label18
inline constexpr char kInnerXCaption[] = "盖梁內侧 纵座标 X";  // Label19
inline constexpr char kInnerYCaption[] = "盖梁內侧横座标 Y";  // Label20
inline constexpr char kInnerLengthCaption[] = "盖梁內侧   长度 L";  // Label21
inline constexpr char kOuterStationCaption[] = " 盖梁外侧  中桩桩号K";  // Label22
inline constexpr char kInnerStationCaption[] = " 盖梁內侧 中桩桩号K";  // Label23
inline constexpr char kA1Caption[] = "缓和曲线要素          A";  // Label24
inline constexpr char kCentreXCaption[] = "盖梁中桩纵座标 X";  // Label25
inline constexpr char kCentreYCaption[] = "盖梁中桩 横座标 Y";  // Label26
inline constexpr char kCentreHeading[] = "需要计算的盖梁中桩桩号 K与座标";  // Label27
inline constexpr char kPrecisionCaption[] = "     要求计算的         精度 (以度为单位)";  // Label28
inline constexpr char kDesignStationCaption[] = "    设计横轴的       盖梁中桩桩号 K";  // Label29
inline constexpr char kStartButton[] = "开 始";  // Command1
inline constexpr char kComputeButton[] = "计 算";  // Command2
inline constexpr char kEndButton[] = "结 束";  // Command3

}  // namespace capset
