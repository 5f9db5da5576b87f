#pragma once
// A cap_replay transcript read back: the events in order, the boxes by
// number, the rows of the results log.

#include <map>
#include <utility>
#include <sstream>
#include <string>
#include <vector>

#include "log_row.h"
#include "script.h"

namespace capset::testing {

// The tab-separated fields of an answer line.
inline std::vector<std::string> TabFields(const std::string& line) {
  std::vector<std::string> fields;
  for (std::size_t from = 0;;) {
    const std::size_t tab = line.find('\t', from);
    fields.push_back(line.substr(from, tab - from));
    if (tab == std::string::npos) return fields;
    from = tab + 1;
  }
}

struct Transcript {
  std::vector<std::string> events;  // every line before the boxes
  std::map<int, std::string> boxes;  // Text number → text
  std::vector<std::vector<std::string>> rows;  // ROW lines: the texts in column order

  // Events of one kind ("PROMPT", "MESSAGE", "NOTICE", "SOLVER"), without the tag.
  std::vector<std::string> Events(const std::string& tag) const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind(tag + " ", 0) == 0) out.push_back(e.substr(tag.size() + 1));
    return out;
  }
  // The errors and the notices, in order, each with its tag.
  std::vector<std::string> Reports() const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.starts_with("MESSAGE ") || e.starts_with("NOTICE ")) out.push_back(e);
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
    } else if (line.starts_with("ROW\t")) {
      t.rows.push_back(TabFields(line.substr(4)));
    } else {
      t.events.push_back(line);
    }
  }
  return t;
}

// A report as the transcript prints it: an error, or a notice.
inline std::string Error(const std::string& text) { return "MESSAGE " + OneLine(text); }
inline std::string Notice(const std::string& text) { return "NOTICE " + OneLine(text); }

// The log columns that carry the thirteen result boxes, and their boxes.
inline constexpr std::pair<int, int> kBoxOfColumn[] = {
    {kCentreStationColumn, 13}, {kDRColumn, 10},          {kPrecisionColumn, 25},    {kCentreXColumn, 23},
    {kCentreYColumn, 24},       {kOuterStationColumn, 20}, {kOuterXColumn, 14},       {kOuterYColumn, 15},
    {kOuterLengthColumn, 16},   {kInnerStationColumn, 21}, {kInnerXColumn, 17},       {kInnerYColumn, 18},
    {kInnerLengthColumn, 19},
};

}  // namespace capset::testing
