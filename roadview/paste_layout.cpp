// Notation
//   m   the fields of a line after its name: [station] X Y [R [Ls1 [Ls2]]]
//   Δs  the difference of two consecutive stations; between two JDs it is
//       the leg's length less the first one's J, so never more than the leg

#include "paste_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "blanks.h"
#include "road_build.h"
#include "road_paste_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// Stations in a paste agree with the chain to this: drawings print stations
// and coordinates to the millimetre, and a JD's station is chained from the
// last one as printed.
constexpr double kChainTolerance = 0.02;

std::string Trim(const std::string& text) { return std::string(TrimBlanks(text)); }

std::optional<double> Number(const std::string& text, const NumberSymbols& symbols) {
  const ReadResult r = ReadNumber(Trim(text), symbols);
  if (r.status != ReadResult::Status::kNumber) return std::nullopt;
  return r.value;
}

bool IsKStation(const std::string& text, const NumberSymbols& symbols) {
  const std::string t = Trim(text);
  if (t.empty() || (t.front() != 'K' && t.front() != 'k')) return false;
  return std::holds_alternative<StationRef>(ReadStationRef(t, symbols));
}

// A field that says what a row is: BP, JD3, 交点3, EP and the like.
PastedName NameKind(const std::string& text, int* number) {
  const std::string t = Trim(text);
  *number = 0;
  if (t == "BP" || t == "bp" || t == "QD" || t == "起点") return PastedName::kBP;
  if (t == "EP" || t == "ep" || t == "ZD" || t == "终点") return PastedName::kEP;
  for (const char* prefix : {"JD", "jd", "交点"}) {
    if (t.starts_with(prefix)) {
      const std::string digits = t.substr(std::string(prefix).size());
      if (!digits.empty() && std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        *number = std::stoi(digits.substr(0, 6));
      }
      return PastedName::kJD;
    }
  }
  return PastedName::kJD;
}

bool HoldsNumber(const std::vector<std::string>& line, const NumberSymbols& symbols) {
  return std::any_of(line.begin(), line.end(),
                     [&](const std::string& f) { return Number(f, symbols) || IsKStation(f, symbols); });
}

// 1, 2, 3 … (or 0, 1, 2 …) down the first column: the JDs' numbers, not stations.
bool CountsUp(const std::vector<std::vector<std::string>>& lines) {
  if (lines.size() < 2) return false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].size() < 3) return false;
    const std::string t = Trim(lines[i].front());
    if (t.empty() || t.size() > 4 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
    const int first = std::stoi(Trim(lines.front().front()));
    if (first > 1 || std::stoi(t) != first + static_cast<int>(i)) return false;
  }
  return true;
}

std::string Field(const std::vector<std::string>& line, std::size_t i) { return i < line.size() ? line[i] : std::string(); }

}  // namespace

std::vector<std::vector<std::string>> PastedCells(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    if (line.find('\t') != std::string::npos) {
      std::size_t from = 0;
      for (;;) {
        const std::size_t tab = line.find('\t', from);
        fields.push_back(Trim(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from)));
        if (tab == std::string::npos) break;
        from = tab + 1;
      }
    } else {
      const std::string spaced = BlanksAsSpaces(line);
      std::size_t from = 0;
      while (from < spaced.size()) {
        const std::size_t next = spaced.find(' ', from);
        const std::string word = spaced.substr(from, next == std::string::npos ? std::string::npos : next - from);
        if (!word.empty()) fields.push_back(word);
        if (next == std::string::npos) break;
        from = next + 1;
      }
    }
    lines.push_back(std::move(fields));
    at = end + 1;
  }
  // A spreadsheet ends its copy with a line break.
  while (!lines.empty() && std::all_of(lines.back().begin(), lines.back().end(), [](const std::string& f) { return f.empty(); })) {
    lines.pop_back();
  }
  return lines;
}

int StationsChain(const std::vector<std::vector<std::string>>& data, const NumberSymbols& symbols) {
  struct Row {
    std::optional<double> s, x, y, R, Ls1, Ls2;
  };
  std::vector<Row> rows;
  for (const auto& line : data) {
    Row r{Number(Field(line, 0), symbols), Number(Field(line, 1), symbols), Number(Field(line, 2), symbols),
          Number(Field(line, 3), symbols), Number(Field(line, 4), symbols), Number(Field(line, 5), symbols)};
    if (!r.s && IsKStation(Field(line, 0), symbols)) r.s = std::get<StationRef>(ReadStationRef(Trim(Field(line, 0)), symbols)).value;
    rows.push_back(r);
  }
  // A row with X but an empty first field: X is never left out, a JD's station often is.
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (Trim(Field(data[i], 0)).empty() && rows[i].x && rows[i].y) return 1;
  }
  bool exact = false;
  // Consecutive stations: each leg at most as long as the chord between the points.
  for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
    const Row &a = rows[i], &b = rows[i + 1];
    if (!a.s || !b.s || !a.x || !a.y || !b.x || !b.y) continue;
    const double ds = *b.s - *a.s, chord = std::hypot(*b.x - *a.x, *b.y - *a.y);
    if (!(ds > 0) || ds > chord + kChainTolerance) return -1;
  }
  // Where three or more rows stand together, the legs after a curve are
  // exactly the chord less the curve's J.
  if (rows.size() >= 3) {
    IntersectionRoadInput in{0, {}, {}, {}, {}};
    bool whole = std::all_of(rows.begin(), rows.end(), [](const Row& r) { return r.s && r.x && r.y; });
    for (std::size_t i = 1; whole && i + 1 < rows.size(); ++i) {
      if (!rows[i].R || !(*rows[i].R > 0)) whole = false;
    }
    if (whole) {
      in.station = *rows.front().s;
      in.bp = {*rows.front().x, *rows.front().y};
      in.ep = {*rows.back().x, *rows.back().y};
      for (std::size_t i = 1; i + 1 < rows.size(); ++i) {
        const double Ls1 = rows[i].Ls1.value_or(0);
        in.jds.push_back({{*rows[i].x, *rows[i].y}, *rows[i].R, Ls1, rows[i].Ls2.value_or(Ls1)});
      }
      const RoadBuild built = RoadFromIntersections(in);
      if (built.road) {
        const auto& curves = built.road->curves();
        for (std::size_t k = 0; k < curves.size(); ++k) {
          const double next = k + 1 < curves.size() ? curves[k + 1].jdStation : built.road->lastStation();
          const double typed = *rows[k + 2].s - *rows[k + 1].s;
          if (std::fabs(typed - (next - curves[k].jdStation)) > kChainTolerance) return -1;
          exact = true;
        }
      }
    }
  }
  return exact ? 1 : 0;
}

std::variant<JdPasteLayout, PasteRefusal> LayOutJdPaste(const std::vector<std::vector<std::string>>& all, int column,
                                                        const NumberSymbols& symbols) {
  JdPasteLayout layout;
  while (layout.headerLines < static_cast<int>(all.size()) && !HoldsNumber(all[layout.headerLines], symbols)) ++layout.headerLines;
  const std::vector<std::vector<std::string>> lines(all.begin() + layout.headerLines, all.end());
  if (lines.empty()) return PasteRefusal{kPasteHoldsNoNumber};

  // A name column: a first field that is neither a number nor a station,
  // on every line that has one, or the JDs counted 1, 2, 3 ….
  int namedLine = -1, numberLine = -1;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string first = Field(lines[i], 0);
    if (Trim(first).empty()) continue;
    const bool number = Number(first, symbols) || IsKStation(first, symbols);
    (number ? numberLine : namedLine) = static_cast<int>(i);
    if (namedLine >= 0 && numberLine >= 0) {
      return PasteRefusal{PasteMixedNamesText(namedLine + 1 + layout.headerLines, Field(lines[namedLine], 0),
                                              numberLine + 1 + layout.headerLines, Field(lines[numberLine], 0))};
    }
  }
  layout.named = namedLine >= 0 || CountsUp(lines);
  const int skip = layout.named ? 1 : 0;
  std::vector<std::vector<std::string>> data;
  int width = 0, widest = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    data.emplace_back(lines[i].begin() + std::min<std::size_t>(skip, lines[i].size()), lines[i].end());
    // Empty cells at a line's end are what a spreadsheet copies of a row's empty cells.
    int m = static_cast<int>(data.back().size());
    while (m > 0 && Trim(data.back()[m - 1]).empty()) --m;
    if (m > width) width = m, widest = static_cast<int>(i);
  }
  if (width > kJdColumns - 1) {
    return PasteRefusal{PasteTooWideText(widest + 1 + layout.headerLines, width + skip, layout.named)};
  }
  const bool kForm = std::any_of(data.begin(), data.end(), [&](const auto& d) { return IsKStation(Field(d, 0), symbols); });
  // Part of a row, pasted where the user put it: from a chosen X … Ls2 cell,
  // when it holds no names nor stations and fits.
  if (!layout.named && !kForm && column >= kJdX && column + width <= kJdColumns) {
    layout.firstColumn = column;
  } else if (!layout.named && !kForm && width == 1) {
    if (column != kJdStation) return PasteRefusal{kPasteOneColumn};
    layout.firstColumn = kJdStation;
  } else {
    bool station;
    if (kForm || width == kJdColumns - 1) {
      station = true;
    } else if (width <= 2) {
      station = false;
    } else {
      const int chain = StationsChain(data, symbols);
      station = chain != 0 ? chain > 0 : column == kJdStation;
    }
    layout.firstColumn = station ? kJdStation : kJdX;
    if (layout.firstColumn + width > kJdColumns) {
      return PasteRefusal{PasteTooWideText(widest + 1 + layout.headerLines, width + skip, layout.named)};
    }
  }
  for (const auto& line : lines) {
    int number = 0;
    layout.kinds.push_back(layout.named && !Trim(Field(line, 0)).empty() ? NameKind(Field(line, 0), &number) : PastedName::kNone);
    if (layout.named && CountsUp(lines)) number = std::stoi(Trim(Field(line, 0)));
    layout.numbers.push_back(number);
  }
  for (std::size_t i = 0; i < layout.kinds.size(); ++i) {
    if (layout.kinds[i] == PastedName::kBP && i != 0) return PasteRefusal{PasteOutOfPlaceText(static_cast<int>(i) + 1 + layout.headerLines, "BP")};
    if (layout.kinds[i] == PastedName::kEP && i + 1 != layout.kinds.size()) {
      return PasteRefusal{PasteOutOfPlaceText(static_cast<int>(i) + 1 + layout.headerLines, "EP")};
    }
  }
  return layout;
}

}  // namespace capset
