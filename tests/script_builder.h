#pragma once
// Scripts for cap_replay written with named answers:
//
//   Script().Start({.KZH = "12000", .A1 = "200", .Kj = "12050", .B = "90"})
//           .Compute({.DR = "6", .Precision = "0.001"})
//           .Batch({.DR = "6", .Precision = "0.001", .stations = {"1# K12+040", "12060"}})
//
// A Start's answers default to the ZH base job (KZH 1000 at (1000, 2000),
// T 45, A1 100, Kj 1050, B 60, P 1) and come out in the order Start asks
// them: KHZ only when KZH is "0", the spiral end only when a station is given.

#include <optional>
#include <string>
#include <vector>

#include "script.h"

namespace capset::testing {

struct StartAnswers {
  std::string KZH = "1000";
  std::string KHZ = "0";
  std::string X = "1000";
  std::string Y = "2000";
  std::string T = "45";
  std::string R = "0";
  std::string A1 = "100";
  std::string Kj = "1050";
  std::string B = "60";
  std::string P = "1";
};

// The HZ-end worked job: KHZ 12500 at (1000, 2000), T 225, A1 200, Kj 12450.
inline const StartAnswers kHZJob{.KZH = "0", .KHZ = "12500", .T = "225", .A1 = "200", .Kj = "12450"};

// The square-cap worked job: KZH 12000, A1 200, Kj 12050, B 90.
inline const StartAnswers kSquareJob{.KZH = "12000", .A1 = "200", .Kj = "12050", .B = "90"};

// A copy of `job` with one answer changed: With(kHZJob, &StartAnswers::B, "120").
inline StartAnswers With(StartAnswers job, std::string StartAnswers::*answer, std::string value) {
  job.*answer = std::move(value);
  return job;
}

// Kp is asked by the skewed caps only; leave it out for the square cap.
struct ComputeAnswers {
  std::optional<std::string> Kp = std::nullopt;
  std::string DR;
  std::string Precision;
};

// A batch block's fields as typed in the dialog.
struct BatchAnswers {
  std::string axis = "parallel";
  std::string DR;
  std::string Precision;
  std::string offsets;  // left out when empty
  std::vector<std::string> stations;
  // The window's formulas unless said: most batch tests hold a batch row
  // against Compute's boxes. Fields left empty are left out.
  std::string method = "window";
  std::string skew = "";
  std::string design = "";
};

class Script {
 public:
  Script& Start(const StartAnswers& a) {
    Line(kStartLine).Line(a.KZH);
    if (a.KZH == "0") Line(a.KHZ);
    if (a.KZH != "0" || a.KHZ != "0") Line(a.X).Line(a.Y).Line(a.T);
    return Line(a.R).Line(a.A1).Line(a.Kj).Line(a.B).Line(a.P);
  }
  Script& Compute(const ComputeAnswers& a) {
    Line(kComputeLine);
    if (a.Kp) Line(*a.Kp);
    return Line(a.DR).Line(a.Precision);
  }
  Script& Batch(const BatchAnswers& a) {
    Line(kBatchLine);
    if (!a.method.empty()) Line("method " + a.method);
    Line("axis " + a.axis).Line("dr " + a.DR).Line("precision " + a.Precision);
    if (!a.offsets.empty()) Line("offsets " + a.offsets);
    if (!a.skew.empty()) Line("skew " + a.skew);
    if (!a.design.empty()) Line("design " + a.design);
    for (const auto& s : a.stations) Line("station " + s);
    return Line(kEndLine);
  }
  Script& Click(const char* command) { return Line(command); }
  Script& Answers(const std::vector<std::string>& answers) {
    for (const auto& a : answers) Line(a);
    return *this;
  }
  Script& Cancel() { return Line(kCancelLine); }
  Script& Line(const std::string& line) {
    text_ += line + "\n";
    return *this;
  }
  Script& Then(const Script& more) {
    text_ += more.text_;
    return *this;
  }

  const std::string& Text() const { return text_; }
  operator const std::string&() const { return text_; }

 private:
  std::string text_;
};

}  // namespace capset::testing
