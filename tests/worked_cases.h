#pragma once
// Worked jobs with the exact texts the boxes must show: answers in, box
// texts out. Shared by the tests behind the scripted seam and those through
// cap_replay, so the same table checks the core and the whole window.

#include <map>
#include <string>
#include <vector>

namespace capset::testing {

struct WorkedCase {
  const char* name;
  const char* script;  // cap_replay script
  std::map<int, std::string> boxes;  // Text number → expected text
};

// Start answers: KZH, X, Y, T, R, A1, Kj, B, P (ZH end).
#define CAPSET_ZH_START(kzh, x, y, t, a1, kj, b, p) "@start\n" kzh "\n" x "\n" y "\n" t "\n0\n" a1 "\n" kj "\n" b "\n" p "\n"
// Start answers with KZH = 0: KHZ, X, Y, T, R, A1, Kj, B, P (HZ end).
#define CAPSET_HZ_START(khz, x, y, t, a1, kj, b, p) "@start\n0\n" khz "\n" x "\n" y "\n" t "\n0\n" a1 "\n" kj "\n" b "\n" p "\n"

inline const std::vector<WorkedCase>& SquareCapCases() {
  static const std::vector<WorkedCase> cases = {
      {"Cmd5 curve to the right",
       CAPSET_ZH_START("12000", "1000", "2000", "45", "200", "12050", "90", "1") "@compute\n6\n0.001\n",
       {{13, "K 12+ 50"}, {10, "6"}, {25, "  0.001(度)"}, {23, "1034.984"}, {24, "2035.72"},
        {20, "K 12+ 50"}, {16, "6米"}, {14, "1039.357"}, {15, "2031.612"},
        {21, "K 12+ 50"}, {19, "6米"}, {17, "1030.61"}, {18, "2039.828"}}},
      {"Cmd5 curve to the left",
       CAPSET_ZH_START("12000", "1000", "2000", "45", "200", "12050", "90", "-1") "@compute\n6\n0.001\n",
       {{13, "K 12+ 50"}, {10, "6"}, {25, "  0.001(度)"}, {23, "1035.72"}, {24, "2034.984"},
        {20, "K 12+ 50"}, {16, "6米"}, {14, "1031.612"}, {15, "2039.357"},
        {21, "K 12+ 50"}, {19, "6米"}, {17, "1039.828"}, {18, "2030.61"}}},
      {"Cmd5 DR 12.3 shows as typed",
       CAPSET_ZH_START("12000", "1000", "2000", "45", "200", "12050", "89.5960", "1") "@compute\n12.3\n0.00001\n",
       {{10, "12.3"}, {16, "12.3米"}, {19, "12.3米"}, {25, "  1E-05(度)"}}},
  };
  return cases;
}

inline const std::vector<WorkedCase>& SkewedCapCases() {
  static const std::vector<WorkedCase> cases = {
      {"Cmd1 base case",
       CAPSET_ZH_START("1000", "1000", "2000", "45", "100", "1050", "60", "1") "@compute\n1050\n7.5\n0.0001\n",
       {{13, "K 1+ 50"}, {10, "  7.5"}, {25, "  0.0001(度)"}, {23, "1033.829"}, {24, "2036.772"},
        {21, "k 1+ 54.538"}, {17, "1030.54"}, {18, "2044.847"}, {19, "8.719"},
        {20, "K 1+ 45.844"}, {14, "1037.077"}, {15, "2028.798"}, {16, "8.61"}}},
      {"Cmd2 on the base values",
       CAPSET_ZH_START("1000", "1000", "2000", "45", "100", "1050", "60", "-1") "@compute\n1050\n7.5\n0.0001\n",
       {{13, "K 1+ 50"}, {10, "  7.5"}, {25, "  0.0001(度)"}, {23, "1036.772"}, {24, "2033.829"},
        {21, "K 1+ 45.48"}, {17, "1037.96"}, {18, "2025.195"}, {19, "8.715"},
        {20, "K 1+ 54.142"}, {14, "1035.598"}, {15, "2042.356"}, {16, "8.607"}}},
      {"Cmd1 with B = 120",
       CAPSET_ZH_START("1000", "1000", "2000", "45", "100", "1050", "120", "1") "@compute\n1050\n7.5\n0.0001\n",
       {{13, "K 1+ 50"}, {23, "1033.829"}, {24, "2036.772"},
        {21, "k 1+ 45.48"}, {17, "1025.195"}, {18, "2037.96"}, {19, "8.715"},
        {20, "K 1+ 54.142"}, {14, "1042.356"}, {15, "2035.598"}, {16, "8.607"}}},
      {"Cmd3 worked case",
       CAPSET_HZ_START("12500", "1000", "2000", "225", "200", "12450", "60", "1") "@compute\n12450\n6\n0.001\n",
       {{13, "K 12+ 450"}, {10, "6"}, {25, "  0.001(度)"}, {23, "964.28"}, {24, "1965.016"},
        {21, "k 12+ 453.494"}, {17, "962.695"}, {18, "1971.77"}, {19, "6.937"},
        {20, "K 12+ 446.567"}, {14, "965.861"}, {15, "1958.28"}, {16, "6.919"}}},
      {"Cmd3 with B = 120",
       CAPSET_HZ_START("12500", "1000", "2000", "225", "200", "12450", "120", "1") "@compute\n12450\n6\n0.001\n",
       {{13, "K 12+ 450"}, {23, "964.28"}, {24, "1965.016"}, {21, "k 12+ 446.504"}, {20, "K 12+ 453.435"}}},
      {"Cmd4 on the Cmd3 case",
       CAPSET_HZ_START("12500", "1000", "2000", "225", "200", "12450", "60", "-1") "@compute\n12450\n6\n0.001\n",
       {{13, "K 12+ 450"}, {10, "6"}, {25, "  0.001(度)"}, {23, "965.016"}, {24, "1964.28"},
        {21, "k 12+ 446.504"}, {17, "967.02"}, {18, "1957.639"}, {19, "6.937"},
        {20, "K 12+ 453.435"}, {14, "963.017"}, {15, "1970.905"}, {16, "6.92"}}},
  };
  return cases;
}

}  // namespace capset::testing
