// number_forms < bit patterns
// For each double given as 16 hexadecimal digits of its bits, one line:
// the bits, then the core's forms of it, tab-separated: the shortest text,
// the shortest fixed text, 7, 15 and 17 significant digits, 3 decimals
// (below 1e17), and the bits the shortest text reads back to. Built with
// the core for every target, so number_forms_check.py can hold each build's
// digits against an exact computation of its own.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "number_chars.h"

int main() {
  for (std::string line; std::getline(std::cin, line);) {
    std::uint64_t bits = 0;
    if (std::sscanf(line.c_str(), "%" SCNx64, &bits) != 1) continue;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    const std::string shortest = capset::ShortestText(value);
    double back = 0;
    const capset::DoubleRead read = capset::ReadDouble(shortest.data(), shortest.data() + shortest.size(), back);
    std::uint64_t backBits = 0;
    std::memcpy(&backBits, &back, sizeof back);
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, read.error == std::errc() ? backBits : 0);
    std::cout << line << '\t' << shortest << '\t' << capset::ShortestFixedText(value) << '\t'
              << capset::GeneralDigitsText(value, 7) << '\t' << capset::GeneralDigitsText(value, 15) << '\t'
              << capset::GeneralDigitsText(value, 17) << '\t'
              << (std::fabs(value) < 1e17 ? capset::FixedDigitsText(value, 3) : "-") << '\t' << hex << '\n';
  }
  return 0;
}
