#include "bridge_lines.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>

#include "angle_text.h"
#include "blanks.h"
#include "field_ranges.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// A spacing of a grid: 0 only for a single row or column.
constexpr FieldRange kSpacingRange{0, kMostOffset, false};
// A rectangle's sides.
constexpr FieldRange kSideRange{kLeastLength, kMostOffset, false};
// A template point below the deck surface; one above it (a negative depth)
// is allowed. A bent's depth is the batch's: deck to cap top.
constexpr FieldRange kPointDepthRange = kOffsetRange;
constexpr std::size_t kMostBlockNameBytes = 64;

// Whether `text` is well-formed UTF-8 without control characters.
bool IsPrintableUtf8(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    int more = 0;
    char32_t code = 0;
    if (c < 0x80) {
      if (c < 0x20 || c == 0x7F) return false;
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      more = 1, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      more = 2, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      more = 3, code = c & 0x07;
    } else {
      return false;
    }
    if (i + more >= text.size()) return false;
    for (int k = 1; k <= more; ++k) {
      const unsigned char n = static_cast<unsigned char>(text[i + k]);
      if ((n & 0xC0) != 0x80) return false;
      code = (code << 6) | (n & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not text.
    const char32_t least[] = {0, 0x80, 0x800, 0x10000};
    if (code < least[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
    if (code >= 0x80 && code < 0xA0) return false;  // C1 controls
    i += more + 1;
  }
  return true;
}

// The fields of one line, read one by one; each refused field adds its
// problem with the line's number and text.
class LineFields {
 public:
  LineFields(int line, const std::string& text, const NumberSymbols& symbols,
             std::vector<BridgeLineProblem>& problems)
      : line_(line), text_(text), symbols_(symbols), problems_(problems) {}

  void Refuse(BridgeProblem problem) { problems_.push_back({line_, text_, std::move(problem)}); }

  std::optional<double> Number(const char* field, const std::string& typed, const FieldRange& range) {
    const ReadResult read = ReadNumber(typed, symbols_);
    if (read.status == ReadResult::Status::kNotNumber) {
      Refuse({BridgeFault::kNotNumber, field, typed});
    } else if (read.status == ReadResult::Status::kOutOfRange || !Within(read.value, range)) {
      Refuse({BridgeFault::kOutOfRange, field, typed, 0, range});
    } else {
      return read.value;
    }
    return std::nullopt;
  }

  std::optional<int> Count(const char* field, const std::string& typed) {
    const ReadResult read = ReadNumber(typed, symbols_);
    if (read.status == ReadResult::Status::kNotNumber) {
      Refuse({BridgeFault::kNotNumber, field, typed});
    } else if (read.status == ReadResult::Status::kOutOfRange || read.value != std::floor(read.value) ||
               read.value < 1 || read.value > kMostGridCount) {
      Refuse({BridgeFault::kCountNotWhole, field, typed});
    } else {
      return static_cast<int>(read.value);
    }
    return std::nullopt;
  }

  // A spacing between `count` points along one direction.
  std::optional<double> Spacing(const char* field, const std::string& typed, std::optional<int> count) {
    const ReadResult read = ReadNumber(typed, symbols_);
    if (read.status == ReadResult::Status::kNumber && read.value <= 0 && !(read.value == 0 && count == 1)) {
      Refuse({count == 1 ? BridgeFault::kSpacingNegative : BridgeFault::kSpacingNotPositive, field, typed});
      return std::nullopt;
    }
    return Number(field, typed, kSpacingRange);
  }

  std::optional<double> Side(const char* field, const std::string& typed) {
    const ReadResult read = ReadNumber(typed, symbols_);
    if (read.status == ReadResult::Status::kNumber && read.value <= 0) {
      Refuse({BridgeFault::kLengthNotPositive, field, typed});
      return std::nullopt;
    }
    return Number(field, typed, kSideRange);
  }

  std::optional<StationRef> Station(const char* field, const std::string& typed) {
    const auto read = ReadStationRef(typed, symbols_);
    if (const auto* problem = std::get_if<StationRefProblem>(&read)) {
      Refuse({BridgeFault::kStation, field, typed, 0, {}, *problem});
      return std::nullopt;
    }
    const StationRef station = std::get<StationRef>(read);
    if (!Within(station.value, kStationRange)) {
      Refuse({BridgeFault::kOutOfRange, field, typed, 0, kStationRange});
      return std::nullopt;
    }
    return station;
  }

  // B, packed D.MMSS, strictly between 0 and 180; minutes or seconds of 60
  // or more are sent back, as the batch does: a bridge is typed once.
  std::optional<double> Skew(const std::string& typed) {
    const ReadResult read = ReadNumber(typed, symbols_);
    if (read.status == ReadResult::Status::kNotNumber) {
      Refuse({BridgeFault::kNotNumber, "skew", typed});
    } else if (read.status == ReadResult::Status::kOutOfRange || DmsFault(read.value) ||
               !(read.value > 0 && read.value < 180)) {
      Refuse({BridgeFault::kSkewNotBetween, "skew", typed});
    } else if (PackedAngleSlip(read.value)) {
      Refuse({BridgeFault::kSkewSlip, "skew", typed});
    } else if (const double B = DmsToDegrees(read.value); B > 0 && B < 180) {
      return B;
    } else {
      Refuse({BridgeFault::kSkewNotBetween, "skew", typed});
    }
    return std::nullopt;
  }

  // A name the point names are made of.
  bool Name(const std::string& typed) {
    if (const std::optional<BridgeFault> fault = PointNameFault(typed)) {
      Refuse({*fault, "", typed});
      return false;
    }
    return true;
  }

 private:
  int line_;
  const std::string& text_;
  const NumberSymbols& symbols_;
  std::vector<BridgeLineProblem>& problems_;
};

// One item line (words[0] is point, grid or corners); nothing when refused.
std::optional<TemplateItem> ReadItem(const std::vector<std::string>& w, LineFields& fields) {
  using Kind = TemplateItem::Kind;
  const std::string& word = w[0];
  const std::size_t n = w.size();
  TemplateItem item;
  item.kind = word == "point" ? Kind::kPoint : word == "grid" ? Kind::kGrid : Kind::kCorners;
  const bool shaped = item.kind == Kind::kPoint     ? (n == 4 || n == 5)
                      : item.kind == Kind::kCorners ? (n == 4 || n == 5)
                                                    : (n >= 6 && n <= 9);
  if (!shaped) {
    fields.Refuse({BridgeFault::kShape, word});
    return std::nullopt;
  }
  item.name = w[1];
  bool good = fields.Name(item.name);
  auto take = [&good](std::optional<double> value, double& into) {
    if (value) into = *value;
    good = good && value.has_value();
  };
  std::size_t depthAt = 0;
  switch (item.kind) {
    case Kind::kPoint:
      take(fields.Number("U", w[2], kOffsetRange), item.u);
      take(fields.Number("V", w[3], kOffsetRange), item.v);
      depthAt = 4;
      break;
    case Kind::kCorners:
      take(fields.Side("LENGTH", w[2]), item.length);
      take(fields.Side("WIDTH", w[3]), item.width);
      depthAt = 4;
      break;
    case Kind::kGrid: {
      const std::optional<int> rows = fields.Count("ROWS", w[2]), cols = fields.Count("COLS", w[3]);
      good = good && rows && cols;
      if (rows) item.rows = *rows;
      if (cols) item.cols = *cols;
      take(fields.Spacing("DU", w[4], cols), item.du);
      take(fields.Spacing("DV", w[5], rows), item.dv);
      // 6: DEPTH alone; 7 and 8: U0 V0, then DEPTH.
      if (n >= 8) {
        take(fields.Number("U0", w[6], kOffsetRange), item.u);
        take(fields.Number("V0", w[7], kOffsetRange), item.v);
        depthAt = 8;
      } else if (n == 7) {
        fields.Refuse({BridgeFault::kShape, word});
        return std::nullopt;
      } else {
        depthAt = 6;
      }
      break;
    }
  }
  if (depthAt < n) {
    double depth = 0;
    take(fields.Number("DEPTH", w[depthAt], kPointDepthRange), depth);
    item.depth = depth;
  }
  if (!good) return std::nullopt;
  return item;
}

}  // namespace

std::optional<BridgeFault> BlockNameFault(const std::string& name) {
  if (name.empty() || Words(name).size() != 1) return BridgeFault::kBlockWord;
  if (name.size() > kMostBlockNameBytes) return BridgeFault::kNameTooLong;
  if (!IsPrintableUtf8(name)) return BridgeFault::kWordNotText;
  return std::nullopt;
}

std::variant<SubstructureTemplate, std::vector<BridgeLineProblem>> ReadTemplateLines(
    const std::string& name, const std::vector<std::string>& lines, const NumberSymbols& symbols,
    const TemplateLookup& templates) {
  SubstructureTemplate tmpl{name, {}};
  std::vector<BridgeLineProblem> problems;
  // Items that came by a copy line and may still be replaced: name → index.
  std::unordered_map<std::string, std::size_t> copied;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const std::vector<std::string> w = Words(lines[i]);
    if (w.empty()) continue;
    LineFields fields(line, lines[i], symbols, problems);
    if (w[0] == "copy") {
      if (w.size() != 2) {
        fields.Refuse({BridgeFault::kShape, "copy"});
        continue;
      }
      const SubstructureTemplate* from = templates(w[1]);
      if (from == nullptr) {
        fields.Refuse({BridgeFault::kNoSuchTemplate, "", w[1]});
        continue;
      }
      for (TemplateItem item : from->items) {
        item.line = line;
        copied.insert_or_assign(item.name, tmpl.items.size());
        tmpl.items.push_back(std::move(item));
      }
      continue;
    }
    if (w[0] != "point" && w[0] != "grid" && w[0] != "corners") {
      fields.Refuse({BridgeFault::kUnknownTemplateLine});
      continue;
    }
    std::optional<TemplateItem> item = ReadItem(w, fields);
    if (!item) continue;
    item->line = line;
    if (const auto at = copied.find(item->name); at != copied.end()) {
      tmpl.items[at->second] = std::move(*item);
      copied.erase(at);
    } else {
      tmpl.items.push_back(std::move(*item));
    }
  }
  if (problems.empty()) problems = CheckTemplatePoints(tmpl);
  if (problems.empty()) return tmpl;
  for (BridgeLineProblem& p : problems) {
    if (p.line > 0 && p.text.empty()) p.text = lines[p.line - 1];
  }
  return problems;
}

std::variant<Bridge, std::vector<BridgeLineProblem>> ReadBridgeLines(const std::string& name,
                                                                     const std::vector<std::string>& lines,
                                                                     const NumberSymbols& symbols) {
  Bridge bridge{name, {}};
  std::vector<BridgeLineProblem> problems;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    const std::vector<std::string> w = Words(lines[i]);
    if (w.empty()) continue;
    LineFields fields(line, lines[i], symbols, problems);
    if (w[0] != "bent") {
      fields.Refuse({BridgeFault::kUnknownBridgeLine});
      continue;
    }
    if (w.size() < 3) {
      fields.Refuse({BridgeFault::kShape, "bent"});
      continue;
    }
    const std::size_t before = problems.size();
    Bent bent;
    bent.name = w[1];
    bent.line = line;
    fields.Name(bent.name);
    if (const auto station = fields.Station("K", w[2])) bent.station = *station;
    std::vector<std::string> seen;
    for (std::size_t k = 3; k < w.size();) {
      const std::string& option = w[k];
      const bool known = option == "skew" || option == "axis" || option == "dr" || option == "depth" ||
                         option == "template";
      if (!known) {
        fields.Refuse({BridgeFault::kUnknownOption, "", option});
        break;
      }
      if (std::find(seen.begin(), seen.end(), option) != seen.end()) {
        fields.Refuse({BridgeFault::kOptionTwice, option});
        break;
      }
      seen.push_back(option);
      if (k + 1 >= w.size()) {
        fields.Refuse({BridgeFault::kOptionValueMissing, option});
        break;
      }
      const std::string& value = w[k + 1];
      k += 2;
      if (option == "skew") {
        if (const auto B = fields.Skew(value)) bent.B = *B;
      } else if (option == "depth") {
        if (const auto depth = fields.Number("depth", value, kDepthRange)) bent.depth = *depth;
      } else if (option == "template") {
        bent.templateName = value;
      } else if (option == "axis") {
        if (value == "own") {
          bent.axis = CapAxisMode::kOwn;
        } else if (value == "parallel" && k < w.size()) {
          bent.axis = CapAxisMode::kParallel;
          if (const auto design = fields.Station("K", w[k])) bent.design = *design;
          ++k;
        } else {
          fields.Refuse({BridgeFault::kAxisWord, "", value});
          break;
        }
      } else {  // dr L [R]: R is there when the next word is a number, not an option
        if (const auto left = fields.Number("dr", value, kHalfWidthRange)) bent.left = bent.right = *left;
        if (k < w.size() && ReadNumber(w[k], symbols).status != ReadResult::Status::kNotNumber) {
          if (const auto right = fields.Number("dr", w[k], kHalfWidthRange)) bent.right = *right;
          ++k;
        }
      }
    }
    if (problems.size() == before) bridge.bents.push_back(std::move(bent));
  }
  if (problems.empty()) return bridge;
  return problems;
}

}  // namespace capset
