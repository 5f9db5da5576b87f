// The browser module's calls, natively: one JSON request a line on standard
// input, its answer as one line on standard output, so that the same
// sequence can be played here and through the WebAssembly module and the
// answers compared byte for byte.

#include <iostream>
#include <string>

#include "web_session.h"

int main() {
  std::ios::sync_with_stdio(false);
  capset::WebSession session;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << session.Call(line) << '\n' << std::flush;
  }
  return 0;
}
