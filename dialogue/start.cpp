// Start: the fixed chain of questions that fills the job record and echoes
// every answer into the window, each box as soon as its answer is read.

#include <string>
#include <vector>

#include "angle_text.h"
#include "answer_texts.h"
#include "boxes.h"
#include "handlers.h"
#include "marks.h"
#include "number_text.h"
#include "questions.h"
#include "round3.h"
#include "start_fields.h"
#include "start_texts.h"
#include "station_text.h"

namespace capset {
namespace {

// A station is refused when the test of its rounded value (which box shows
// it), or its text, would overflow.
std::optional<AnswerProblem> CheckStation(double station) {
  FirstFault first;
  first(Round3Fault(station));
  first(StationFault(station, kFootStationForm));
  if (first.fault) return *first.fault;
  return std::nullopt;
}

// A packed angle is refused when its conversion would overflow.
std::optional<AnswerProblem> CheckPackedAngle(double packed) {
  if (const auto fault = DmsFault(packed)) return *fault;
  return std::nullopt;
}

// The questions and boxes of one spiral end: X, Y and the tangent azimuth.
struct EndQuestions {
  const char* askX;
  const char* askY;
  const char* askT;
  int boxX, boxY, boxT;
};

constexpr EndQuestions kZHEnd{kAskXZH, kAskYZH, kAskTZH, box::kZHX, box::kZHY, box::kZHAzimuth};
constexpr EndQuestions kHZEnd{kAskXHZ, kAskYHZ, kAskTHZ, box::kHZX, box::kHZY, box::kHZAzimuth};

// Asks X, Y and T of one spiral end. T is kept in decimal degrees from the
// moment it is read, so a Start cancelled after it never leaves a packed
// value for Compute to take as degrees; `packedT` keeps the entry.
bool AskSpiralEnd(const EndQuestions& end, CapJob& job, Questions& ask, Seam& seam, const std::string& sep,
                  std::optional<double>& packedT) {
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
  packedT = *t;
  job.T = DmsToDegrees(*t);
  seam.boxes.WriteBox(end.boxT, EchoText(*t, sep));
  return true;
}

// The packed angles of this Start that hold minutes or seconds of 60 or
// more, each as read; one notice for all, after the last question.
void TellPackedSlips(std::optional<double> packedT, double T, double packedB, double B, Seam& seam,
                     const std::string& sep) {
  std::vector<std::string> lines;
  auto tell = [&](const char* field, double packed, double degrees) {
    if (const auto slip = PackedAngleSlip(packed)) {
      const std::string read = DmsText(degrees, kHundredthsWhereNeeded, sep);
      lines.push_back(PackedSlipLine(field, NumberText(packed, sep), read, *slip));
    }
  };
  if (packedT) tell("T", *packedT, T);
  tell("B", packedB, B);
  if (!lines.empty()) seam.reporter.ReportNotice(PackedSlipNotice(lines));
}

}  // namespace

const char* StartFieldOf(const std::string& question) {
  static const std::pair<const char*, const char*> kFields[] = {
      {kAskKZH, start_fields::kKZH}, {kAskKHZ, start_fields::kKHZ}, {kAskXZH, start_fields::kX}, {kAskYZH, start_fields::kY},
      {kAskTZH, start_fields::kT},   {kAskXHZ, start_fields::kX},   {kAskYHZ, start_fields::kY}, {kAskTHZ, start_fields::kT},
      {kAskR, start_fields::kR},     {kAskA1, start_fields::kA1},   {kAskKj, start_fields::kKj}, {kAskB, start_fields::kB},
      {kAskP, start_fields::kP}};
  for (const auto& [ask, field] : kFields) {
    if (question == ask) return field;
  }
  return nullptr;
}

bool Command1_Click(CapJob& job, Seam& seam) {
  Questions ask(seam);
  const std::string sep = seam.reader.DecimalSeparator();
  job.Pi = kJobPi;
  job.DegPerRad = 180 / job.Pi;

  const auto kzh = ask.Double(kAskKZH, CheckStation);
  if (!kzh) return false;
  job.KZH = *kzh;
  job.EnteredStation = *kzh;
  if (job.KZH == 0) {
    const auto khz = ask.Double(kAskKHZ, CheckStation);
    if (!khz) return false;
    job.KHZ = *khz;
    job.EnteredStation = *khz;
  }
  // A ZH station that rounds to 0 (the 0.000000001 that stands for a ZH at
  // station 0) is shown in the HZ column, as the first question promises.
  const std::string station = FootStationText(job.EnteredStation);
  seam.boxes.WriteBox(Round3(job.KZH) != 0 ? box::kZHStation : box::kHZStation, station);

  std::optional<double> packedT;
  if (job.KZH != 0) {
    if (!AskSpiralEnd(kZHEnd, job, ask, seam, sep, packedT)) return false;
  } else if (job.KHZ != 0) {
    seam.boxes.WriteBox(box::kHZStation, station);
    if (!AskSpiralEnd(kHZEnd, job, ask, seam, sep, packedT)) return false;
  }
  // With both stations 0 no spiral end is asked: X, Y and T keep their values.

  const auto r = ask.Double(kAskR);
  if (!r) return false;
  job.R = *r;
  seam.boxes.WriteBox(box::kRadius, EchoText(*r, sep));

  const auto a1 = ask.Double(kAskA1);
  if (!a1) return false;
  job.A1 = *a1;
  seam.boxes.WriteBox(box::kA1, EchoText(*a1, sep));

  const auto kj = ask.Double(kAskKj);
  if (!kj) return false;
  job.Kj = *kj;
  seam.boxes.WriteBox(box::kDesignStation, CentreStationText(*kj));

  const auto b = ask.Double(kAskB, CheckPackedAngle);
  if (!b) return false;
  seam.boxes.WriteBox(box::kSkew, EchoText(*b, sep) + kDegreesMark);
  job.B = DmsToDegrees(*b);

  const auto p = ask.Int16(kAskP);
  if (!p) return false;
  job.P = *p;
  seam.boxes.WriteBox(box::kDeflection, job.P > 0 ? kRightDeflection : kLeftDeflection);
  TellPackedSlips(packedT, job.T, *b, job.B, seam, sep);
  return true;
}

}  // namespace capset
