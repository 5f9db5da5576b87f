// Start: the fixed chain of questions that fills the job record and echoes
// every answer into the window, each box as soon as its answer is read.

#include <string>

#include "dms.h"
#include "handlers.h"
#include "number_text.h"
#include "questions.h"
#include "round3.h"
#include "station_text.h"

namespace capset {
namespace {

const std::string kAskKZH =
    "请输入直缓点桩号 Kz, 如果直缓点桩号等于 0 输入<.000000001 ; 如果盖梁位于 HZ 缓和曲线段,请输入 Kz=0";
const std::string kAskKHZ = "请输入缓直点桩号 Kz";
const std::string kAskXZH = "请输入直缓点纵座标 X";
const std::string kAskYZH = "请输入直缓点横座标 Y";
const std::string kAskTZH = "请输入直缓点 ZH 至交点的切线方位角 T 的数值";
const std::string kAskXHZ = "请输入缓直点纵座标  X";
const std::string kAskYHZ = "请输入缓直点横座标  Y";
const std::string kAskTHZ = "请输入缓直点 HZ 至交点的切线方位角 T 的数值";
const std::string kAskR = "请输入平曲线半径数值  R";
const std::string kAskA1 = "请输入开始段缓和曲线要素  A1 （ A1=R*Ls ) ";
const std::string kAskKj = "请输入设计斜交盖梁的中桩桩号  Kj ,( 以米为单位 )";
const std::string kAskB =
    "请输入盖梁与中桩之间交角 B 的数值，须以中桩切线方向顺时针旋转至盖梁横轴，如果盖梁正交输入 B=90";
const std::string kAskP =
    "请输入平曲线正偏或反偏判别符号 P 的数值，正偏请输入 P>0 的数值 ,反偏请输入 P<0 的数值";

std::string EnteredStationText(double station) {
  return StationText(station, "K", KmRule::kFloor, MetreRule::kRounded);
}

// A station is refused when its text, or the test of its rounded value,
// would overflow.
void CheckStation(double station) {
  Round3(station);
  EnteredStationText(station);
}

void CheckPackedAngle(double packed) { DmsToDegrees(packed); }

// The boxes of one spiral end: X, Y and the tangent azimuth as typed.
struct EndQuestions {
  const std::string& askX;
  const std::string& askY;
  const std::string& askT;
  int boxX, boxY, boxT;
};

const EndQuestions kZHEnd{kAskXZH, kAskYZH, kAskTZH, 3, 5, 7};
const EndQuestions kHZEnd{kAskXHZ, kAskYHZ, kAskTHZ, 4, 6, 8};

// Asks X, Y and T of one spiral end. T is kept in decimal degrees from the
// moment it is read, so a Start cancelled after it never leaves a packed
// value for Compute to take as degrees.
bool AskSpiralEnd(const EndQuestions& end, CapJob& job, Questions& ask, Seam& seam, const std::string& sep) {
  const auto x = ask.Double(end.askX);
  if (!x) return false;
  job.X = *x;
  seam.boxes.WriteBox(end.boxX, EchoText(*x, sep));
  const auto y = ask.Double(end.askY);
  if (!y) return false;
  job.Y = *y;
  seam.boxes.WriteBox(end.boxY, EchoText(*y, sep));
  const auto t = ask.Double(end.askT, CheckPackedAngle);
  if (!t) return false;
  job.T = DmsToDegrees(*t);
  seam.boxes.WriteBox(end.boxT, EchoText(*t, sep));
  return true;
}

}  // namespace

void Command1_Click(CapJob& job, Seam& seam) {
  Questions ask(seam);
  const std::string sep = seam.reader.DecimalSeparator();
  job.Pi = 3.1415926535;
  job.DegPerRad = 180 / job.Pi;

  const auto kzh = ask.Double(kAskKZH, CheckStation);
  if (!kzh) return;
  job.KZH = *kzh;
  job.EnteredStation = *kzh;
  if (job.KZH == 0) {
    const auto khz = ask.Double(kAskKHZ, CheckStation);
    if (!khz) return;
    job.KHZ = *khz;
    job.EnteredStation = *khz;
  }
  // A ZH station that rounds to 0 (the 0.000000001 that stands for a ZH at
  // station 0) is shown in the HZ column, as the first question promises.
  const std::string station = EnteredStationText(job.EnteredStation);
  seam.boxes.WriteBox(Round3(job.KZH) != 0 ? 1 : 2, station);

  if (job.KZH != 0) {
    if (!AskSpiralEnd(kZHEnd, job, ask, seam, sep)) return;
  } else if (job.KHZ != 0) {
    seam.boxes.WriteBox(2, station);
    if (!AskSpiralEnd(kHZEnd, job, ask, seam, sep)) return;
  }
  // With both stations 0 no spiral end is asked: X, Y and T keep their values.

  const auto r = ask.Double(kAskR);
  if (!r) return;
  job.R = *r;
  seam.boxes.WriteBox(9, EchoText(*r, sep));

  const auto a1 = ask.Double(kAskA1);
  if (!a1) return;
  job.A1 = *a1;
  seam.boxes.WriteBox(22, EchoText(*a1, sep));

  const auto kj = ask.Double(kAskKj);
  if (!kj) return;
  job.Kj = *kj;
  seam.boxes.WriteBox(26, StationText(*kj, "K", KmRule::kTruncate, MetreRule::kExact));

  const auto b = ask.Double(kAskB, CheckPackedAngle);
  if (!b) return;
  seam.boxes.WriteBox(11, EchoText(*b, sep) + "(度)");
  job.B = DmsToDegrees(*b);

  const auto p = ask.Int16(kAskP);
  if (!p) return;
  job.P = *p;
  seam.boxes.WriteBox(12, job.P > 0 ? "正偏" : "反偏");
}

}  // namespace capset
