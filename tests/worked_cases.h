#pragma once
// Worked jobs with the exact texts the boxes must show: answers in, box
// texts out. Shared by the tests of the dialogue and those through the real
// window, so the same table checks the core and the whole program.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "script_builder.h"

namespace capset::testing {

struct WorkedCase {
  std::string name;  // a test name: letters, digits and underscores
  std::string script;
  std::map<int, std::string> boxes;  // Text number → expected text
};

inline const ComputeAnswers kZHBaseCompute{.Kp = "1050", .DR = "7.5", .Precision = "0.0001"};
inline const ComputeAnswers kHZCompute{.Kp = "12450", .DR = "6", .Precision = "0.001"};
inline const ComputeAnswers kSquareCompute{.DR = "6", .Precision = "0.001"};

inline const std::vector<WorkedCase>& WorkedCases() {
  static const std::vector<WorkedCase> cases = {
      {"Cmd5_CurveToTheRight", Script().Start(kSquareJob).Compute(kSquareCompute),
       {{13, "K 12+ 50"}, {10, "6"}, {25, "  0.001(度)"}, {23, "1034.984"}, {24, "2035.72"},
        {20, "K 12+ 50"}, {16, "6米"}, {14, "1039.357"}, {15, "2031.612"},
        {21, "K 12+ 50"}, {19, "6米"}, {17, "1030.61"}, {18, "2039.828"}}},
      {"Cmd5_CurveToTheLeft", Script().Start(With(kSquareJob, &StartAnswers::P, "-1")).Compute(kSquareCompute),
       {{13, "K 12+ 50"}, {10, "6"}, {25, "  0.001(度)"}, {23, "1035.72"}, {24, "2034.984"},
        {20, "K 12+ 50"}, {16, "6米"}, {14, "1031.612"}, {15, "2039.357"},
        {21, "K 12+ 50"}, {19, "6米"}, {17, "1039.828"}, {18, "2030.61"}}},
      {"Cmd5_DR12_3ShowsAsTyped",
       Script().Start(With(kSquareJob, &StartAnswers::B, "89.5960")).Compute({.DR = "12.3", .Precision = "0.00001"}),
       {{10, "12.3"}, {16, "12.3米"}, {19, "12.3米"}, {25, "  1E-05(度)"}}},
      {"Cmd1_BaseCase", Script().Start({}).Compute(kZHBaseCompute),
       {{13, "K 1+ 50"}, {10, "  7.5"}, {25, "  0.0001(度)"}, {23, "1033.829"}, {24, "2036.772"},
        {21, "k 1+ 54.538"}, {17, "1030.54"}, {18, "2044.847"}, {19, "8.719"},
        {20, "K 1+ 45.844"}, {14, "1037.077"}, {15, "2028.798"}, {16, "8.61"}}},
      {"Cmd2_OnTheBaseValues", Script().Start({.P = "-1"}).Compute(kZHBaseCompute),
       {{13, "K 1+ 50"}, {10, "  7.5"}, {25, "  0.0001(度)"}, {23, "1036.772"}, {24, "2033.829"},
        {21, "K 1+ 45.48"}, {17, "1037.96"}, {18, "2025.195"}, {19, "8.715"},
        {20, "K 1+ 54.142"}, {14, "1035.598"}, {15, "2042.356"}, {16, "8.607"}}},
      {"Cmd1_B120", Script().Start({.B = "120"}).Compute(kZHBaseCompute),
       {{13, "K 1+ 50"}, {23, "1033.829"}, {24, "2036.772"},
        {21, "k 1+ 45.48"}, {17, "1025.195"}, {18, "2037.96"}, {19, "8.715"},
        {20, "K 1+ 54.142"}, {14, "1042.356"}, {15, "2035.598"}, {16, "8.607"}}},
      {"Cmd3_WorkedCase", Script().Start(kHZJob).Compute(kHZCompute),
       {{13, "K 12+ 450"}, {10, "6"}, {25, "  0.001(度)"}, {23, "964.28"}, {24, "1965.016"},
        {21, "k 12+ 453.494"}, {17, "962.695"}, {18, "1971.77"}, {19, "6.937"},
        {20, "K 12+ 446.567"}, {14, "965.861"}, {15, "1958.28"}, {16, "6.919"}}},
      {"Cmd3_B120", Script().Start(With(kHZJob, &StartAnswers::B, "120")).Compute(kHZCompute),
       {{13, "K 12+ 450"}, {23, "964.28"}, {24, "1965.016"}, {21, "k 12+ 446.504"}, {20, "K 12+ 453.435"}}},
      {"Cmd4_OnTheCmd3Case", Script().Start(With(kHZJob, &StartAnswers::P, "-1")).Compute(kHZCompute),
       {{13, "K 12+ 450"}, {10, "6"}, {25, "  0.001(度)"}, {23, "965.016"}, {24, "1964.28"},
        {21, "k 12+ 446.504"}, {17, "967.02"}, {18, "1957.639"}, {19, "6.937"},
        {20, "K 12+ 453.435"}, {14, "963.017"}, {15, "1970.905"}, {16, "6.92"}}},
  };
  return cases;
}

inline std::string WorkedCaseName(const ::testing::TestParamInfo<WorkedCase>& info) { return info.param.name; }

}  // namespace capset::testing
