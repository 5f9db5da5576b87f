#include "road_lines.h"

#include <cmath>

#include "angle_text.h"
#include "blanks.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_reading.h"

namespace capset {
namespace {

bool IsInf(const std::string& text) {
  std::string lower;
  for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower == "inf" || lower == "∞";
}

std::variant<double, std::string> Number(const std::string& text, const NumberSymbols& symbols) {
  const ReadResult read = ReadNumber(text, symbols);
  if (read.status == ReadResult::Status::kNotNumber) return std::string(kRoadNotNumber);
  if (read.status == ReadResult::Status::kOutOfRange) return std::string(kRoadOutOfRange);
  return read.value;
}

// One kind of line: its word, its fields in order, and how many may be left out at the end.
struct LineShape {
  const char* word;
  const char* usage;
  std::vector<std::pair<const char*, RoadCell>> fields;
  int optional = 0;
  bool intersections;  // the form it belongs to; equations belong to both
};

const std::vector<LineShape>& Shapes() {
  using enum RoadCell;
  static const std::vector<LineShape> shapes{
      {"bp", "bp K X Y", {{"K", kStation}, {"X", kCoordinate}, {"Y", kCoordinate}}, 0, true},
      {"jd", "jd X Y R Ls1 [Ls2]",
       {{"X", kCoordinate}, {"Y", kCoordinate}, {"R", kRadius}, {"Ls1", kLength}, {"Ls2", kLength}}, 1, true},
      {"ep", "ep X Y", {{"X", kCoordinate}, {"Y", kCoordinate}}, 0, true},
      {"start", "start K X Y T", {{"K", kStation}, {"X", kCoordinate}, {"Y", kCoordinate}, {"T", kAzimuth}}, 0, false},
      {"line", "line L", {{"L", kElementLength}}, 0, false},
      {"arc", "arc L R left|right", {{"L", kElementLength}, {"R", kRadius}, {"", kSide}}, 0, false},
      {"spiral", "spiral L R1 R2 left|right",
       {{"L", kElementLength}, {"R1", kSpiralRadius}, {"R2", kSpiralRadius}, {"", kSide}}, 0, false},
      {"equation", "equation BACK AHEAD", {{"BACK", kStation}, {"AHEAD", kStation}}, 0, false},
  };
  return shapes;
}

const LineShape* ShapeOf(const std::string& word) {
  for (const LineShape& shape : Shapes()) {
    if (word == shape.word) return &shape;
  }
  return nullptr;
}

// Builds the input as the lines come, and keeps what the order rules need.
class Reader {
 public:
  explicit Reader(const NumberSymbols& symbols) : symbols_(symbols) {}

  void Line(int number, const std::string& text) {
    const std::vector<std::string> words = Words(text);
    if (words.empty()) return;
    const LineShape* shape = ShapeOf(words[0]);
    if (!shape) return Refuse(number, text, kRoadUnknownLine);
    const int given = static_cast<int>(words.size()) - 1, most = static_cast<int>(shape->fields.size());
    if (given > most || given < most - shape->optional) return Refuse(number, text, RoadLineShapeText(shape->usage, given));
    std::vector<double> values;
    for (int i = 0; i < given; ++i) {
      const auto& [name, cell] = shape->fields[i];
      const auto read = ReadRoadCell(words[i + 1], cell, symbols_);
      if (const std::string* reason = std::get_if<std::string>(&read)) {
        Refuse(number, text, RoadFieldText(name, words[i + 1], *reason));
        return Stand(number, *shape);
      }
      values.push_back(std::get<double>(read));
    }
    const std::string word = shape->word;
    if (word == "equation") {
      out_.equationLines.push_back(number);
      equations_.push_back({values[0], values[1]});
      return;
    }
    if (formLine_ == 0) {
      formLine_ = number;
      intersections_ = shape->intersections;
    } else if (intersections_ != shape->intersections) {
      return Refuse(number, text, RoadMixedFormsText(intersections_, formLine_, word));
    }
    Place(number, text, word, values);
  }

  std::variant<RoadLines, std::vector<RoadLineProblem>> Finish() {
    if (problems_.empty()) {
      if (formLine_ == 0) {
        problems_.push_back({0, equations_.empty() ? kRoadEmpty : kRoadNoBp});
      } else if (out_.beginLine == 0) {
        problems_.push_back({0, intersections_ ? kRoadNoBp : kRoadNoStart});
      } else if (intersections_ && out_.endLine == 0) {
        problems_.push_back({0, kRoadNoEp});
      } else if (!intersections_ && elements_.elements.empty()) {
        problems_.push_back({0, kRoadNoElement});
      }
    }
    if (!problems_.empty()) return problems_;
    if (intersections_) {
      points_.equations = equations_;
      out_.input = points_;
    } else {
      elements_.equations = equations_;
      out_.input = elements_;
    }
    return out_;
  }

 private:
  // A line refused for a field still stands for its part, so the lines
  // after it are not refused for their order too.
  void Stand(int number, const LineShape& shape) {
    const std::string word = shape.word;
    if (word == "equation") return;
    if (formLine_ == 0) {
      formLine_ = number;
      intersections_ = shape.intersections;
    }
    if ((word == "bp" || word == "start") && out_.beginLine == 0) out_.beginLine = number;
    if (word == "ep" && out_.endLine == 0) out_.endLine = number;
  }

  void Refuse(int number, const std::string& text, const std::string& reason) {
    problems_.push_back({number, RoadLineMessage(number, text, reason)});
  }

  void Place(int number, const std::string& text, const std::string& word, const std::vector<double>& v) {
    const bool begin = word == "bp" || word == "start";
    if (begin) {
      if (out_.beginLine != 0) return Refuse(number, text, RoadLineTwiceText(word, out_.beginLine));
      if (!out_.partLines.empty()) return Refuse(number, text, RoadLineBeforeText(word, intersections_ ? "jd" : "line"));
      out_.beginLine = number;
      if (word == "bp") {
        points_.station = v[0];
        points_.bp = {v[1], v[2]};
      } else {
        elements_.station = v[0];
        elements_.start = {v[1], v[2]};
        elements_.azimuth = v[3];
      }
      return;
    }
    const char* first = intersections_ ? "bp" : "start";
    if (out_.beginLine == 0) return Refuse(number, text, RoadLineAfterText(word, first));
    if (word == "ep") {
      if (out_.endLine != 0) return Refuse(number, text, RoadLineTwiceText(word, out_.endLine));
      out_.endLine = number;
      points_.ep = {v[0], v[1]};
      return;
    }
    if (out_.endLine != 0) return Refuse(number, text, RoadLineBeforeText(word, "ep"));
    out_.partLines.push_back(number);
    if (word == "jd") {
      points_.jds.push_back({{v[0], v[1]}, v[2], v[3], v.size() > 4 ? v[4] : v[3]});
    } else if (word == "line") {
      elements_.elements.push_back({ElementKind::kLine, v[0]});
    } else if (word == "arc") {
      elements_.elements.push_back({ElementKind::kArc, v[0], v[1], kNoRadius, v[2] < 0 ? TurnSide::kLeft : TurnSide::kRight});
    } else {
      elements_.elements.push_back({ElementKind::kSpiral, v[0], v[1], v[2], v[3] < 0 ? TurnSide::kLeft : TurnSide::kRight});
    }
  }

  const NumberSymbols& symbols_;
  RoadLines out_{IntersectionRoadInput{}, 0, 0, {}, {}};
  IntersectionRoadInput points_{};
  ElementRoadInput elements_{};
  std::vector<StationEquation> equations_;
  std::vector<RoadLineProblem> problems_;
  int formLine_ = 0;
  bool intersections_ = true;
};

}  // namespace

std::variant<double, std::string> ReadRoadCell(const std::string& typed, RoadCell cell, const NumberSymbols& symbols) {
  const std::string text(TrimBlanks(BlanksAsSpaces(typed)));
  // A value read, kept only within its range.
  auto within = [](double value, const NumberRange& range, RoadField field) -> std::variant<double, std::string> {
    if (InRange(value, range)) return value;
    return RoadRangeText(range, field);
  };
  switch (cell) {
    case RoadCell::kSide:
      if (text == "left" || text == kLeftWord || text == "L") return -1.0;
      if (text == "right" || text == kRightWord || text == "R") return 1.0;
      return std::string(kRoadNotSide);
    case RoadCell::kStation: {
      const auto read = ReadStationRef(text, symbols);
      if (const StationRef* station = std::get_if<StationRef>(&read)) {
        if (station->occurrence != 0) return std::string(kRoadNoOccurrence);
        return within(station->value, kCoordinateRange, RoadField::kStation);
      }
      // A K form is told what a station is; metres, what a number is.
      if (!text.empty() && (text[0] == 'K' || text[0] == 'k')) {
        return StationRefProblemText(std::get<StationRefProblem>(read));
      }
      const auto number = Number(text, symbols);
      if (std::holds_alternative<std::string>(number)) return number;
      return std::string(kRoadNotNumber);
    }
    case RoadCell::kSpiralRadius:
      if (IsInf(text)) return kNoRadius;
      [[fallthrough]];
    case RoadCell::kRadius: {
      const auto read = Number(text, symbols);
      const double* r = std::get_if<double>(&read);
      if (!r) return read;
      if (!(*r > 0)) return std::string(cell == RoadCell::kRadius ? kRoadNotPositive : kRoadNotRadius);
      return within(*r, kRadiusRange, RoadField::kR);
    }
    case RoadCell::kLength:
    case RoadCell::kElementLength: {
      const auto read = Number(text, symbols);
      const double* l = std::get_if<double>(&read);
      if (!l) return read;
      if (*l < 0) return std::string(kRoadNegative);
      if (cell == RoadCell::kLength) return within(*l, kLengthRange, RoadField::kLs1);
      if (*l == 0) return RoadZeroLengthText(kElementLengthRange);
      return within(*l, kElementLengthRange, RoadField::kLength);
    }
    case RoadCell::kAzimuth: {
      const auto read = Number(text, symbols);
      const double* packed = std::get_if<double>(&read);
      if (!packed) return read;
      if (PackedAngleSlip(*packed) || DmsFault(*packed)) return std::string(kRoadPackedSlip);
      return within(DmsToDegrees(*packed), kAzimuthRange, RoadField::kAzimuth);
    }
    case RoadCell::kCoordinate: {
      const auto read = Number(text, symbols);
      const double* v = std::get_if<double>(&read);
      if (!v) return read;
      return within(*v, kCoordinateRange, RoadField::kX);
    }
  }
  return std::string(kRoadNotNumber);
}

std::variant<RoadLines, std::vector<RoadLineProblem>> ReadRoadLines(const std::vector<std::string>& lines,
                                                                    const NumberSymbols& symbols) {
  Reader reader(symbols);
  for (std::size_t i = 0; i < lines.size(); ++i) reader.Line(static_cast<int>(i) + 1, lines[i]);
  return reader.Finish();
}

int LineOf(const RoadLines& read, const RoadProblem& problem) {
  auto at = [](const std::vector<int>& lines, int index) {
    return index >= 1 && index <= static_cast<int>(lines.size()) ? lines[index - 1] : 0;
  };
  switch (problem.part) {
    case RoadPart::kBegin: return read.beginLine;
    case RoadPart::kJd:
    case RoadPart::kElement: return at(read.partLines, problem.index);
    case RoadPart::kEnd: return read.endLine;
    case RoadPart::kEquation: return at(read.equationLines, problem.index);
    case RoadPart::kJob: return 0;
  }
  return 0;
}

}  // namespace capset
