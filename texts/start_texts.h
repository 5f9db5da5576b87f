#pragma once
// The questions of Start, in the order it asks them, and the words it
// writes into a box.

namespace capset {

// Start, in the order it asks.
inline constexpr char kAskKZH[] =
    "请输入直缓点桩号 Kz, 如果直缓点桩号等于 0 输入<.000000001 ; 如果盖梁位于 HZ 缓和曲线段,请输入 Kz=0";
inline constexpr char kAskKHZ[] = "请输入缓直点桩号 Kz";
inline constexpr char kAskXZH[] = "请输入直缓点纵座标 X";
inline constexpr char kAskYZH[] = "请输入直缓点横座标 Y";
inline constexpr char kAskTZH[] = "请输入直缓点 ZH 至交点的切线方位角 T 的数值";
inline constexpr char kAskXHZ[] = "请输入缓直点纵座标  X";
inline constexpr char kAskYHZ[] = "请输入缓直点横座标  Y";
inline constexpr char kAskTHZ[] = "请输入缓直点 HZ 至交点的切线方位角 T 的数值";
inline constexpr char kAskR[] = "请输入平曲线半径数值  R";
inline constexpr char kAskA1[] = "请输入开始段缓和曲线要素  A1 （ A1=R*Ls ) ";
inline constexpr char kAskKj[] = "请输入设计斜交盖梁的中桩桩号  Kj ,( 以米为单位 )";
inline constexpr char kAskB[] =
    "请输入盖梁与中桩之间交角 B 的数值，须以中桩切线方向顺时针旋转至盖梁横轴，如果盖梁正交输入 B=90";
inline constexpr char kAskP[] =
    "请输入平曲线正偏或反偏判别符号 P 的数值，正偏请输入 P>0 的数值 ,反偏请输入 P<0 的数值";

// Text12: the deflection of the curve as P gives it.
inline constexpr char kRightDeflection[] = "正偏";
inline constexpr char kLeftDeflection[] = "反偏";

}  // namespace capset
