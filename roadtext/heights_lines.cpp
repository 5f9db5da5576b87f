#include "heights_lines.h"

#include <charconv>
#include <map>
#include <optional>

#include "blanks.h"
#include "field_ranges.h"
#include "heights_texts.h"
#include "range_texts.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// Reads the fields of one line; the first refusal is kept with its field's name.
class Fields {
 public:
  Fields(const std::vector<std::string>& words, const NumberSymbols& symbols) : words_(words), symbols_(symbols) {}

  StationRef Station(std::size_t i, const char* name) {
    if (reason_) return {};
    const auto read = ReadStationRef(words_[i], symbols_);
    if (const auto* problem = std::get_if<StationRefProblem>(&read)) {
      Refuse(name, i, StationRefProblemText(*problem));
      return {};
    }
    const StationRef station = std::get<StationRef>(read);
    if (!Within(station.value, kStationRange)) Refuse(name, i, RangeReason(kStationRange));
    return station;
  }

  double Number(std::size_t i, const char* name) {
    if (reason_) return 0;
    const ReadResult read = ReadNumber(words_[i], symbols_);
    if (read.status != ReadResult::Status::kNumber) {
      Refuse(name, i, read.status == ReadResult::Status::kNotNumber ? kRoadNotNumber : kRoadOutOfRange);
      return 0;
    }
    return read.value;
  }

  // One of `choices` (word, value), or the reason.
  template <typename T>
  T Word(std::size_t i, const char* name, const std::map<std::string, T>& choices, const char* reason) {
    if (reason_) return choices.begin()->second;
    if (const auto it = choices.find(words_[i]); it != choices.end()) return it->second;
    Refuse(name, i, reason);
    return choices.begin()->second;
  }

  int Jd(std::size_t i) {
    if (reason_) return 0;
    const std::string& w = words_[i];
    int n = 0;
    if (w.size() > 2 && (w[0] == 'J' || w[0] == 'j') && (w[1] == 'D' || w[1] == 'd')) {
      const auto [end, ec] = std::from_chars(w.data() + 2, w.data() + w.size(), n);
      if (ec == std::errc() && end == w.data() + w.size() && n >= 1) return n;
    }
    Refuse("JD", i, kSectionNotJd);
    return 0;
  }

  const std::optional<std::string>& reason() const { return reason_; }

 private:
  void Refuse(const char* name, std::size_t i, const std::string& why) { reason_ = RoadFieldText(name, words_[i], why); }

  const std::vector<std::string>& words_;
  const NumberSymbols& symbols_;
  std::optional<std::string> reason_;
};

const std::map<std::string, SectionSide>& Sides() {
  static const std::map<std::string, SectionSide> sides{{"left", SectionSide::kLeft},  {kLeftWord, SectionSide::kLeft},
                                                        {"L", SectionSide::kLeft},     {"right", SectionSide::kRight},
                                                        {kRightWord, SectionSide::kRight}, {"R", SectionSide::kRight}};
  return sides;
}

const std::map<std::string, SuperAxis>& Axes() {
  static const std::map<std::string, SuperAxis> axes{{"centre", SuperAxis::kCentre},
                                                     {"center", SuperAxis::kCentre},
                                                     {"inner", SuperAxis::kInnerEdge},
                                                     {"outer", SuperAxis::kOuterEdge}};
  return axes;
}

constexpr char kPviWord[] = "pvi";

// "pvi K H [R]", "pvi K H length L", "pvi K H lengths L1 L2", "pvi K H circle R".
std::variant<PviInput, std::string> PviLine(const std::vector<std::string>& w, const NumberSymbols& symbols) {
  const std::size_t n = w.size() - 1;
  const std::string kind = n >= 3 ? w[3] : "";
  const bool shaped = n == 2 || (n == 3 && kind != "length" && kind != "lengths" && kind != "circle") ||
                      (n == 4 && (kind == "length" || kind == "circle")) || (n == 5 && kind == "lengths");
  if (!shaped) return RoadLineShapeText(kPviUsage, static_cast<int>(n));
  Fields f(w, symbols);
  PviInput row{f.Station(1, "K"), f.Number(2, kElevationWord)};
  if (n == 3) {
    row.curve = VerticalCurveKind::kRadius;
    row.radius = f.Number(3, "R");
  } else if (kind == "length") {
    row.curve = VerticalCurveKind::kLength;
    row.length = f.Number(4, "L");
  } else if (kind == "lengths") {
    row.curve = VerticalCurveKind::kAsymmetric;
    row.length = f.Number(4, "L1");
    row.length2 = f.Number(5, "L2");
  } else if (kind == "circle") {
    row.curve = VerticalCurveKind::kCircle;
    row.radius = f.Number(4, "R");
  }
  if (f.reason()) return *f.reason();
  return row;
}

// The usage of each section line, and how many fields it takes (most, fewest).
struct SectionShape {
  const char* word;
  const char* usage;
  std::size_t most, fewest;
};

constexpr SectionShape kSectionShapes[] = {
    {"crown", "crown IG", 1, 1},
    {"width", "width LEFT RIGHT", 2, 2},
    {"design", "design OFFSET", 1, 1},
    {"super", "super TS FS FE TE E left|right [centre|inner|outer] 或 super JDn E [centre|inner|outer]", 7, 2},
    {"slopes", "slopes K LEFT RIGHT", 3, 3},
};

class SectionReader {
 public:
  explicit SectionReader(const NumberSymbols& symbols) : symbols_(symbols) {}

  void Line(int number, const std::string& text) {
    const std::vector<std::string> w = Words(text);
    if (w.empty()) return;
    const SectionShape* shape = nullptr;
    for (const SectionShape& s : kSectionShapes) {
      if (w[0] == s.word) shape = &s;
    }
    if (!shape) return Refuse(number, text, kSectionUnknownLine);
    const std::size_t n = w.size() - 1;
    const std::string word = shape->word;
    const bool byJd = word == "super" && n >= 1 && (w[1][0] == 'J' || w[1][0] == 'j');
    const bool fits = word != "super" ? n == shape->most : byJd ? (n == 2 || n == 3) : (n == 6 || n == 7);
    if (!fits) return Refuse(number, text, RoadLineShapeText(shape->usage, static_cast<int>(n)));
    Fields f(w, symbols_);
    if (word == "crown" || word == "width" || word == "design") {
      int& line = word == "crown" ? out_.crownLine : word == "width" ? out_.widthLine : out_.designLine;
      if (line != 0) return Refuse(number, text, SectionLineTwiceText(word, line));
      line = number;
      if (word == "crown") out_.input.crown = f.Number(1, "IG");
      if (word == "width") {
        out_.input.leftWidth = f.Number(1, "LEFT");
        out_.input.rightWidth = f.Number(2, "RIGHT");
      }
      if (word == "design") out_.input.design = f.Number(1, "OFFSET");
    } else if (word == "slopes") {
      SlopeInput row{f.Station(1, "K"), f.Number(2, "LEFT"), f.Number(3, "RIGHT")};
      if (!f.reason()) {
        out_.input.slopes.push_back(row);
        out_.slopeLines.push_back(number);
      }
    } else {
      SuperInput row;
      if (byJd) {
        row.jd = f.Jd(1);
        row.e = f.Number(2, "E");
        if (n == 3) row.axis = f.Word(3, "", Axes(), kSectionNotAxis);
      } else {
        row.ts = f.Station(1, "TS");
        row.fs = f.Station(2, "FS");
        row.fe = f.Station(3, "FE");
        row.te = f.Station(4, "TE");
        row.e = f.Number(5, "E");
        row.inner = f.Word(6, "", Sides(), kSectionNotSide);
        if (n == 7) row.axis = f.Word(7, "", Axes(), kSectionNotAxis);
      }
      if (!f.reason()) {
        out_.input.transitions.push_back(row);
        out_.transitionLines.push_back(number);
      }
    }
    if (f.reason()) Refuse(number, text, *f.reason());
  }

  std::variant<SectionLines, std::vector<RoadLineProblem>> Finish() {
    if (!problems_.empty()) return problems_;
    return out_;
  }

 private:
  void Refuse(int number, const std::string& text, const std::string& reason) {
    problems_.push_back({number, SectionLineMessage(number, text, reason)});
  }

  const NumberSymbols& symbols_;
  SectionLines out_;
  std::vector<RoadLineProblem> problems_;
};

}  // namespace

std::variant<ProfileLines, std::vector<RoadLineProblem>> ReadProfileLines(const std::vector<std::string>& lines,
                                                                          const NumberSymbols& symbols) {
  ProfileLines out;
  std::vector<RoadLineProblem> problems;
  bool any = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::vector<std::string> w = Words(lines[i]);
    if (w.empty()) continue;
    any = true;
    if (w[0] != kPviWord) {
      problems.push_back({number, ProfileLineMessage(number, lines[i], kProfileUnknownLine)});
      continue;
    }
    auto row = PviLine(w, symbols);
    if (const std::string* reason = std::get_if<std::string>(&row)) {
      problems.push_back({number, ProfileLineMessage(number, lines[i], *reason)});
      continue;
    }
    out.input.rows.push_back(std::get<PviInput>(row));
    out.rowLines.push_back(number);
  }
  if (!any) problems.push_back({0, ProfileLineMessage(0, "", kProfileEmpty)});
  if (!problems.empty()) return problems;
  return out;
}

std::variant<SectionLines, std::vector<RoadLineProblem>> ReadSectionLines(const std::vector<std::string>& lines,
                                                                          const NumberSymbols& symbols) {
  SectionReader reader(symbols);
  for (std::size_t i = 0; i < lines.size(); ++i) reader.Line(static_cast<int>(i) + 1, lines[i]);
  return reader.Finish();
}

namespace {

int LineAt(const std::vector<int>& lines, int row) {
  return row >= 1 && row <= static_cast<int>(lines.size()) ? lines[row - 1] : 0;
}

}  // namespace

int LineOf(const ProfileLines& read, const HeightsProblem& problem) {
  if (const auto* p = std::get_if<ProfileProblem>(&problem)) {
    // Too few rows is the block's fault, its `row` a count.
    return p->fault == ProfileFault::kTooFewRows ? 0 : LineAt(read.rowLines, p->row);
  }
  if (const auto* p = std::get_if<HeightsStationProblem>(&problem)) {
    if (p->table == HeightsTable::kProfile) return LineAt(read.rowLines, p->row);
  }
  return 0;
}

int LineOf(const SectionLines& read, const HeightsProblem& problem) {
  if (const auto* p = std::get_if<CrossSectionProblem>(&problem)) {
    switch (p->field) {
      case CrossSectionField::kCrown: return read.crownLine;
      case CrossSectionField::kLeftWidth:
      case CrossSectionField::kRightWidth: return read.widthLine;
      case CrossSectionField::kDesign: return read.designLine;
      case CrossSectionField::kLeftSlope:
      case CrossSectionField::kRightSlope: return LineAt(read.slopeLines, p->row);
      default: break;
    }
    if (p->fault == CrossSectionFault::kSlopesNotIncreasing) return LineAt(read.slopeLines, p->row);
    if (p->fault == CrossSectionFault::kTransitionsAndSlopes || p->row == 0) return 0;
    // A station of a slope row when the section is a table of slopes; else a transition's.
    if (p->field == CrossSectionField::kStation && read.transitionLines.empty()) return LineAt(read.slopeLines, p->row);
    return LineAt(read.transitionLines, p->row);
  }
  if (const auto* p = std::get_if<HeightsStationProblem>(&problem)) {
    if (p->table == HeightsTable::kTransitions) return LineAt(read.transitionLines, p->row);
    if (p->table == HeightsTable::kSlopes) return LineAt(read.slopeLines, p->row);
  }
  if (const auto* p = std::get_if<HeightsJdProblem>(&problem)) return LineAt(read.transitionLines, p->row);
  return 0;
}

}  // namespace capset
