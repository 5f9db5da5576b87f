#pragma once
// A cap_replay transcript read back: the events in order, the boxes by number.

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace capset::testing {

struct Transcript {
  std::vector<std::string> events;  // every line before the boxes
  std::map<int, std::string> boxes;  // Text number → text

  // Events of one kind ("PROMPT", "MESSAGE", "SOLVER"), without the tag.
  std::vector<std::string> Events(const std::string& tag) const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind(tag + " ", 0) == 0) out.push_back(e.substr(tag.size() + 1));
    return out;
  }
  const std::string& Box(int number) const { return boxes.at(number); }
};

inline Transcript ReadTranscript(const std::string& output) {
  Transcript t;
  std::istringstream in(output);
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (line.rfind("Text", 0) == 0 && eq != std::string::npos && eq > 4 &&
        line.find_first_not_of("0123456789", 4) == eq) {
      t.boxes[std::stoi(line.substr(4, eq - 4))] = line.substr(eq + 1);
    } else {
      t.events.push_back(line);
    }
  }
  return t;
}

}  // namespace capset::testing
