#include "pvi_table.h"

#include <algorithm>
#include <cmath>

#include "blanks.h"
#include "heights_window_texts.h"
#include "paste_layout.h"
#include "profile.h"
#include "road_paste_texts.h"
#include "road_texts.h"
#include "station_ref_reading.h"
#include "station_text.h"

namespace capset {
namespace {

const std::vector<std::string> kHeaders = {kPviHeader,      kPviStationHeader, kPviElevationHeader, kPviCurveHeader,
                                           kPviRadiusHeader, kPviLengthHeader,  kPviLength2Header};

std::string Trim(const std::string& text) { return std::string(TrimBlanks(BlanksAsSpaces(text))); }

const char* KindWord(VerticalCurveKind kind) {
  switch (kind) {
    case VerticalCurveKind::kLength: return kCurveByLength;
    case VerticalCurveKind::kAsymmetric: return kCurveAsymmetric;
    case VerticalCurveKind::kCircle: return kCurveCircle;
    case VerticalCurveKind::kNone: case VerticalCurveKind::kRadius: break;
  }
  return "";
}

bool IsZeroOrBlank(const std::string& text, const NumberSymbols& symbols) {
  const std::string t = Trim(text);
  if (t.empty()) return true;
  const ReadResult r = ReadNumber(t, symbols);
  return r.status == ReadResult::Status::kNumber && r.value == 0;
}

}  // namespace

std::string StationCellText(StationRef station, const NumberSymbols& symbols) {
  // A station to the millimetre as the drawings print it; any other as its exact number.
  if (std::fabs(station.value) < 1e7) {
    const std::string k = station.occurrence != 0 ? RoadStationText(station) : RoadStationText(station.value);
    const auto back = ReadStationRef(k, symbols);
    if (const auto* s = std::get_if<StationRef>(&back); s && s->value == station.value) return k;
  }
  std::string text = ShortestText(station.value, symbols);
  if (station.occurrence != 0) text += "(" + std::to_string(station.occurrence) + ")";
  return text;
}

bool SameStation(StationRef a, StationRef b) { return a.value == b.value && a.occurrence == b.occurrence; }

bool SameProfile(const ProfileInput& a, const ProfileInput& b) {
  return std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(), [](const PviInput& p, const PviInput& q) {
    return SameStation(p.station, q.station) && p.elevation == q.elevation && p.curve == q.curve && p.radius == q.radius &&
           p.length == q.length && p.length2 == q.length2;
  });
}

std::optional<VerticalCurveKind> ReadCurveKind(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty() || t == kCurveByRadius || t == "r" || t == "radius" || t == "半径") return VerticalCurveKind::kRadius;
  if (t == kCurveByLength || t == "length" || t == "L") return VerticalCurveKind::kLength;
  if (t == kCurveAsymmetric || t == "lengths" || t == "asymmetric") return VerticalCurveKind::kAsymmetric;
  if (t == kCurveCircle || t == "circle" || t == "圆") return VerticalCurveKind::kCircle;
  return std::nullopt;
}

PviTable::PviTable(NumberSymbols symbols) : HeightsGrid(kHeaders, std::move(symbols), 2) {}

PviTable PviTable::FromInput(const ProfileInput& input, NumberSymbols symbols) {
  PviTable t(std::move(symbols));
  auto& rows = t.Rows();
  rows.clear();
  for (const PviInput& in : input.rows) {
    std::vector<std::string> row(kPviColumns);
    row[kPviStation] = StationCellText(in.station, t.Symbols());
    row[kPviElevation] = ShortestText(in.elevation, t.Symbols());
    row[kPviKind] = KindWord(in.curve);
    auto put = [&](int column, double v) { row[column] = v == 0 ? "" : ShortestText(v, t.Symbols()); };
    switch (in.curve) {
      case VerticalCurveKind::kRadius: put(kPviRadius, in.radius); break;
      case VerticalCurveKind::kCircle: put(kPviRadius, in.radius); put(kPviLength, in.length); break;
      case VerticalCurveKind::kLength: put(kPviLength, in.length); break;
      case VerticalCurveKind::kAsymmetric: put(kPviLength, in.length); put(kPviLength2, in.length2); break;
      case VerticalCurveKind::kNone: break;
    }
    rows.push_back(std::move(row));
  }
  while (rows.size() < 2) rows.emplace_back(kPviColumns);
  return t;
}

bool PviTable::BlankRow(int row) const {
  const auto& cells = Rows()[row];
  return std::all_of(cells.begin() + 1, cells.end(), [](const std::string& c) { return IsBlank(c); });
}

bool PviTable::EndRow(int row) const {
  int first = -1, last = -1;
  for (int r = 0; r < RowCount(); ++r) {
    if (BlankRow(r)) continue;
    if (first < 0) first = r;
    last = r;
  }
  // Rows not yet typed count as they stand: the table's first and last.
  if (first < 0) return row == 0 || row == RowCount() - 1;
  return row <= first || row >= last;
}

std::string PviTable::RowName(int row) const { return std::to_string(row + 1); }

std::optional<VerticalCurveKind> PviTable::KindOf(int row) const { return ReadCurveKind(Rows()[row][kPviKind]); }

bool PviTable::Uses(VerticalCurveKind kind, int column) const {
  switch (column) {
    case kPviKind: return true;
    case kPviRadius: return kind == VerticalCurveKind::kRadius || kind == VerticalCurveKind::kCircle;
    case kPviLength: return kind != VerticalCurveKind::kRadius;
    case kPviLength2: return kind == VerticalCurveKind::kAsymmetric;
    default: return true;
  }
}

bool PviTable::Closed(int row, int column) const {
  if (column == kPviName) return true;
  if (column < kPviKind) return false;
  if (EndRow(row)) return IsBlank(Rows()[row][column]);
  const auto kind = KindOf(row);
  return kind && !Uses(*kind, column) && IsBlank(Rows()[row][column]);
}

std::string PviTable::WidestText(int column) const {
  switch (column) {
    case kPviName: return "999";
    case kPviStation: return "K99+999.999(2)";
    case kPviElevation: return "-9999.9999";
    case kPviKind: return kCurveAsymmetric;
    default: return "99999.999";
  }
}

std::optional<std::string> PviTable::Check(int row, int column, const std::string& text) const {
  if (BlankRow(row) && IsBlank(text)) return std::nullopt;  // a row not typed
  switch (column) {
    case kPviStation: {
      const auto read = ReadHeightsStation(text, Symbols());
      if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
      return std::nullopt;
    }
    case kPviElevation: {
      const CellRead read = ReadHeightsNumber(text, Symbols(), -kProfileCoordinateLimit, kProfileCoordinateLimit, "m");
      if (!read.value) return read.reason;
      return std::nullopt;
    }
    default: break;
  }
  if (EndRow(row)) {
    if (column == kPviKind ? IsBlank(text) : IsZeroOrBlank(text, Symbols())) return std::nullopt;
    return std::string(kHeightsEndHasCurve);
  }
  if (column == kPviKind) {
    if (!ReadCurveKind(text)) return std::string(kHeightsNotKind);
    return std::nullopt;
  }
  const auto kind = KindOf(row);
  if (!kind) return std::nullopt;  // the kind's own cell says why
  if (!Uses(*kind, column)) {
    if (IsBlank(text)) return std::nullopt;
    return std::string(kHeightsCellUnused);
  }
  // R 0 or blank: a plain grade break; a circle needs its R; a circle's L is
  // its stated arc length, checked against R and the grades (blank: none).
  const bool zero = (*kind == VerticalCurveKind::kRadius && column == kPviRadius) ||
                    (*kind == VerticalCurveKind::kCircle && column == kPviLength);
  const CellRead read = ReadHeightsLength(text, Symbols(), zero);
  if (!read.value) return read.reason;
  return std::nullopt;
}

std::variant<ProfileInput, GridProblem> PviTable::Input() const {
  if (auto bad = FirstBadCell()) return *bad;
  ProfileInput input;
  for (int r = 0; r < RowCount(); ++r) {
    if (BlankRow(r)) continue;
    const auto& cells = Rows()[r];
    PviInput pvi{std::get<StationRef>(ReadHeightsStation(cells[kPviStation], Symbols())),
                 *ReadHeightsNumber(cells[kPviElevation], Symbols(), -kProfileCoordinateLimit, kProfileCoordinateLimit, "m").value};
    if (!EndRow(r)) {
      auto number = [&](int column) { return ReadHeightsLength(cells[column], Symbols(), true).value.value_or(0); };
      pvi.curve = *KindOf(r);
      switch (pvi.curve) {
        case VerticalCurveKind::kRadius: pvi.radius = number(kPviRadius); break;
        case VerticalCurveKind::kCircle: pvi.radius = number(kPviRadius); pvi.length = number(kPviLength); break;
        case VerticalCurveKind::kLength: pvi.length = number(kPviLength); break;
        case VerticalCurveKind::kAsymmetric: pvi.length = number(kPviLength); pvi.length2 = number(kPviLength2); break;
        case VerticalCurveKind::kNone: break;
      }
      if (pvi.curve == VerticalCurveKind::kRadius && pvi.radius == 0) pvi.curve = VerticalCurveKind::kNone;
    }
    input.rows.push_back(pvi);
  }
  if (input.rows.size() < 2) return GridProblem{-1, -1, kHeightsTooFewRows};
  return input;
}

int PviTable::TableRow(int profileRow) const {
  int seen = 0;
  for (int r = 0; r < RowCount(); ++r) {
    if (BlankRow(r)) continue;
    if (++seen == profileRow) return r;
  }
  return -1;
}

int PviTable::Paste(int row, int column, const std::string& text) {
  auto lines = PastedCells(text);
  const NumberSymbols& symbols = Symbols();
  auto number = [&](const std::string& f) -> std::optional<double> {
    const ReadResult r = ReadNumber(Trim(f), symbols);
    if (r.status != ReadResult::Status::kNumber) return std::nullopt;
    return r.value;
  };
  auto station = [&](const std::string& f) { return std::holds_alternative<StationRef>(ReadStationRef(Trim(f), symbols)); };
  // A heading line holds no number and no station.
  std::size_t first = 0;
  while (first < lines.size() &&
         std::none_of(lines[first].begin(), lines[first].end(), [&](const std::string& f) { return station(f); })) {
    ++first;
  }
  lines.erase(lines.begin(), lines.begin() + static_cast<long>(first));
  for (auto& line : lines) {
    // Trailing empty cells are nothing.
    while (!line.empty() && IsBlank(line.back())) line.pop_back();
  }
  std::erase_if(lines, [](const std::vector<std::string>& l) { return l.empty(); });
  if (lines.empty()) {
    SetPasteNote(kPasteNothing);
    return 0;
  }
  // Names: a first field that is no station on some line (起点, BP, 变坡点1,
  // with 1, 2 … between), or a column of whole numbers counting on by one
  // before a station and an elevation.
  bool named = std::any_of(lines.begin(), lines.end(), [&](const auto& l) { return !station(l[0]); });
  if (!named && lines.size() >= 2) {
    bool counting = true;
    for (std::size_t i = 0; i < lines.size() && counting; ++i) {
      const auto n = number(lines[i][0]), n0 = number(lines[0][0]);
      counting = lines[i].size() >= 3 && n && n0 && *n == *n0 + static_cast<double>(i) && *n0 >= 0 && *n0 < 1000 &&
                 station(lines[i][1]);
    }
    named = counting;
  }
  const std::size_t skip = named ? 1 : 0;
  const bool lined = std::all_of(lines.begin(), lines.end(), [&](const auto& l) {
    return l.size() >= skip + 2 && station(l[skip]) && number(l[skip + 1]);
  });
  if (!lined) return HeightsGrid::Paste(row, column, text);
  // Each line as the table's cells.
  std::vector<std::vector<std::string>> cells;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto& l = lines[i];
    const int n = static_cast<int>(i) + 1;
    std::vector<std::string> out(kPviColumns);
    out[kPviStation] = Trim(l[skip]);
    out[kPviElevation] = Trim(l[skip + 1]);
    std::vector<std::string> rest;
    for (std::size_t k = skip + 2; k < l.size(); ++k) {
      if (!IsBlank(l[k])) rest.push_back(Trim(l[k]));
    }
    if (!rest.empty() && !number(rest[0])) {
      const auto kind = ReadCurveKind(rest[0]);
      if (!kind) {
        SetPasteNote(PviPasteKindText(n, rest[0]));
        return 0;
      }
      out[kPviKind] = KindWord(*kind);
      rest.erase(rest.begin());
      const std::vector<int> order = *kind == VerticalCurveKind::kRadius ? std::vector<int>{kPviRadius}
                                     : *kind == VerticalCurveKind::kCircle ? std::vector<int>{kPviRadius, kPviLength}
                                     : *kind == VerticalCurveKind::kLength ? std::vector<int>{kPviLength}
                                                                           : std::vector<int>{kPviLength, kPviLength2};
      if (rest.size() > order.size()) {
        SetPasteNote(PviPasteTooManyText(n, static_cast<int>(rest.size() + 2)));
        return 0;
      }
      for (std::size_t k = 0; k < rest.size(); ++k) out[order[k]] = rest[k];
    } else if (rest.size() > 1) {
      SetPasteNote(PviPasteTooManyText(n, static_cast<int>(rest.size() + 2)));
      return 0;
    } else if (!rest.empty()) {
      out[kPviRadius] = rest[0];
    }
    cells.push_back(std::move(out));
  }
  // From the chosen row on; the first row when the paste holds the whole profile.
  int at = std::clamp(row, 0, RowCount());
  if (Empty()) at = 0;
  auto& rows = Rows();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::size_t r = static_cast<std::size_t>(at) + i;
    if (r >= rows.size()) rows.emplace_back(kPviColumns);
    for (int c = 1; c < kPviColumns; ++c) rows[r][c] = cells[i][c];
  }
  MarkEdited();
  std::vector<std::string> columns = {kPviStationHeader, kPviElevationHeader};
  const bool curves = std::any_of(cells.begin(), cells.end(), [](const auto& c) {
    return !c[kPviKind].empty() || !c[kPviRadius].empty() || !c[kPviLength].empty();
  });
  if (curves) columns.push_back(kPviCurveHeader);
  SetPasteNote(PasteTakenText(static_cast<int>(cells.size()), columns, static_cast<int>(first)));
  return static_cast<int>(cells.size());
}

}  // namespace capset
