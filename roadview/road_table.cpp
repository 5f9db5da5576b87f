#include "road_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "angle_text.h"
#include "blanks.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

constexpr double kInfinity = kNoRadius;

const std::vector<Column> kIntersectionColumns = {Column::kPoint, Column::kStation, Column::kX,  Column::kY,
                                                  Column::kR,     Column::kLs1,     Column::kLs2};
const std::vector<Column> kElementColumns = {Column::kPoint, Column::kKind, Column::kStation, Column::kX, Column::kY,
                                             Column::kAzimuth, Column::kLength, Column::kR1, Column::kR2, Column::kTurn};
const std::vector<Column> kEquationColumns = {Column::kPoint, Column::kBack, Column::kAhead};

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

bool IsInfinity(const std::string& text) {
  const std::string t = Trimmed(text);
  return t == "inf" || t == "INF" || t == "Inf" || t == "∞";
}

std::optional<ElementKind> ReadKind(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t == kLineWord || t == "line") return ElementKind::kLine;
  if (t == kArcWord || t == "arc") return ElementKind::kArc;
  if (t == kSpiralWord || t == "spiral") return ElementKind::kSpiral;
  return std::nullopt;
}

std::optional<TurnSide> ReadTurn(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t == kLeftWord || t == "left" || t == "L") return TurnSide::kLeft;
  if (t == kRightWord || t == "right" || t == "R") return TurnSide::kRight;
  return std::nullopt;
}

// The shortest text that reads back to the same double, with the user's separator.
std::string Shortest(double value, const NumberSymbols& symbols) {
  if (std::isinf(value)) return "inf";
  char digits[400];  // fixed notation of any double: "500000", never "5e+05"
  std::string text(digits, std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr);
  if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, symbols.decimal);
  return text;
}

}  // namespace

int CellGrid::ColumnOf(Column c) const {
  const auto at = std::find(columns_.begin(), columns_.end(), c);
  return at == columns_.end() ? -1 : static_cast<int>(at - columns_.begin());
}

RoadTable::RoadTable(RoadTableForm form, NumberSymbols symbols)
    : form_(form),
      symbols_(std::move(symbols)),
      main_(form == RoadTableForm::kIntersections ? kIntersectionColumns : kElementColumns),
      equations_(kEquationColumns) {
  const int n = main_.columnCount();
  if (form == RoadTableForm::kIntersections) {
    main_.rows() = {{RowKind::kBP, std::vector<std::string>(n)}, {RowKind::kEP, std::vector<std::string>(n)}};
  } else {
    main_.rows() = {{RowKind::kStart, std::vector<std::string>(n)}, NewRow(false)};
  }
}

RoadTable RoadTable::FromInput(const RoadInput& input, NumberSymbols symbols) {
  const bool table = std::holds_alternative<IntersectionRoadInput>(input);
  RoadTable t(table ? RoadTableForm::kIntersections : RoadTableForm::kElements, symbols);
  auto text = [&t](double v) { return Shortest(v, t.symbols_); };
  auto put = [&t](TableRow& row, Column c, std::string s) { row.cells[t.main_.ColumnOf(c)] = std::move(s); };
  const int n = t.main_.columnCount();
  std::vector<TableRow>& rows = t.main_.rows();
  rows.clear();
  std::vector<StationEquation> equations;
  if (table) {
    const auto& in = std::get<IntersectionRoadInput>(input);
    TableRow bp{RowKind::kBP, std::vector<std::string>(n)};
    put(bp, Column::kStation, text(in.station));
    put(bp, Column::kX, text(in.bp.X));
    put(bp, Column::kY, text(in.bp.Y));
    rows.push_back(bp);
    for (const IntersectionPoint& jd : in.jds) {
      TableRow row{RowKind::kJD, std::vector<std::string>(n)};
      put(row, Column::kX, text(jd.point.X));
      put(row, Column::kY, text(jd.point.Y));
      put(row, Column::kR, text(jd.R));
      put(row, Column::kLs1, text(jd.Ls1));
      put(row, Column::kLs2, text(jd.Ls2));
      rows.push_back(row);
    }
    TableRow ep{RowKind::kEP, std::vector<std::string>(n)};
    put(ep, Column::kX, text(in.ep.X));
    put(ep, Column::kY, text(in.ep.Y));
    rows.push_back(ep);
    equations = in.equations;
  } else {
    const auto& in = std::get<ElementRoadInput>(input);
    TableRow start{RowKind::kStart, std::vector<std::string>(n)};
    put(start, Column::kStation, text(in.station));
    put(start, Column::kX, text(in.start.X));
    put(start, Column::kY, text(in.start.Y));
    put(start, Column::kAzimuth, PackedAngleText(in.azimuth, t.symbols_.decimal));
    rows.push_back(start);
    for (const ElementSpec& e : in.elements) {
      TableRow row{RowKind::kElement, std::vector<std::string>(n)};
      put(row, Column::kKind, e.kind == ElementKind::kLine ? kLineWord : e.kind == ElementKind::kArc ? kArcWord : kSpiralWord);
      put(row, Column::kLength, text(e.length));
      if (e.kind != ElementKind::kLine) {
        put(row, Column::kR1, text(e.R1));
        put(row, Column::kTurn, e.turn == TurnSide::kLeft ? kLeftWord : kRightWord);
      }
      if (e.kind == ElementKind::kSpiral) put(row, Column::kR2, text(e.R2));
      rows.push_back(row);
    }
    equations = in.equations;
  }
  for (const StationEquation& q : equations) {
    t.equations_.rows().push_back({RowKind::kEquation, {"", text(q.back), text(q.ahead)}});
  }
  t.original_ = input;
  return t;
}

std::string RoadTable::Header(Column column) {
  switch (column) {
    case Column::kPoint: return "点";
    case Column::kKind: return "类型";
    case Column::kStation: return "桩号";
    case Column::kX: return "X (北)";
    case Column::kY: return "Y (东)";
    case Column::kAzimuth: return "方位角";
    case Column::kR: return "R";
    case Column::kLs1: return "Ls1";
    case Column::kLs2: return "Ls2";
    case Column::kLength: return "长度";
    case Column::kR1: return "R1";
    case Column::kR2: return "R2";
    case Column::kTurn: return "转向";
    case Column::kBack: return "断前桩号";
    case Column::kAhead: return "断后桩号";
  }
  return "";
}

std::string RoadTable::PointName(bool equations, int row) const {
  const TableRow& r = Grid(equations).row(row);
  switch (r.kind) {
    case RowKind::kBP: return "BP";
    case RowKind::kEP: return "EP";
    case RowKind::kJD: return "JD" + std::to_string(row);
    case RowKind::kStart: return kStartRowName;
    case RowKind::kElement: return std::to_string(row);
    case RowKind::kEquation: return std::to_string(row + 1);
  }
  return "";
}

std::optional<ElementKind> RoadTable::KindOf(const TableRow& row) const {
  const int c = main_.ColumnOf(Column::kKind);
  return c < 0 ? std::nullopt : ReadKind(row.cells[c]);
}

bool RoadTable::Applies(RowKind kind, const TableRow& row, Column column) const {
  switch (kind) {
    case RowKind::kBP: return column == Column::kStation || column == Column::kX || column == Column::kY;
    case RowKind::kEP: return column == Column::kX || column == Column::kY;
    case RowKind::kJD:
      return column == Column::kX || column == Column::kY || column == Column::kR || column == Column::kLs1 ||
             column == Column::kLs2;
    case RowKind::kStart:
      return column == Column::kStation || column == Column::kX || column == Column::kY || column == Column::kAzimuth;
    case RowKind::kEquation: return column == Column::kBack || column == Column::kAhead;
    case RowKind::kElement: break;
  }
  if (column == Column::kKind || column == Column::kLength) return true;
  // Until the kind reads, every element cell may be typed.
  const std::optional<ElementKind> k = KindOf(row);
  if (column == Column::kR1 || column == Column::kTurn) return k != ElementKind::kLine;
  if (column == Column::kR2) return !k || k == ElementKind::kSpiral;
  return false;
}

bool RoadTable::Editable(bool equations, int row, int column) const {
  const CellGrid& g = Grid(equations);
  if (row < 0 || row >= g.rowCount() || column < 0 || column >= g.columnCount()) return false;
  return Applies(g.row(row).kind, g.row(row), g.columns()[column]);
}

bool RoadTable::SetText(bool equations, int row, int column, const std::string& text) {
  if (!Editable(equations, row, column)) return false;
  Grid(equations).rows()[row].cells[column] = text;
  edited_ = true;
  return true;
}

std::optional<double> RoadTable::Number(const std::string& text) const {
  const ReadResult r = ReadNumber(text, symbols_);
  if (r.status != ReadResult::Status::kNumber) return std::nullopt;
  return r.value;
}

std::optional<std::string> RoadTable::Check(RowKind kind, const TableRow& row, Column column, const std::string& text) const {
  const bool empty = IsBlank(text);
  // Ls2 left empty is Ls1, as the drawings' tables leave it; Ls1 empty is no spiral.
  if (column == Column::kLs2 || column == Column::kLs1) {
    if (empty) return std::nullopt;
  } else if (empty) {
    return std::string(kCellEmpty);
  }
  switch (column) {
    case Column::kStation: case Column::kBack: case Column::kAhead: {
      const auto read = ReadStationRef(text, symbols_);
      if (const auto* p = std::get_if<StationRefProblem>(&read)) return StationRefProblemText(*p);
      return std::nullopt;
    }
    case Column::kKind: return ReadKind(text) ? std::nullopt : std::optional<std::string>(kCellNotKind);
    case Column::kTurn: return ReadTurn(text) ? std::nullopt : std::optional<std::string>(kRoadNotSide);
    case Column::kR1: case Column::kR2: {
      const bool spiral = KindOf(row) == ElementKind::kSpiral;
      if (spiral && IsInfinity(text)) {
        const int other = main_.ColumnOf(column == Column::kR1 ? Column::kR2 : Column::kR1);
        if (column == Column::kR2 && IsInfinity(row.cells[other])) return std::string(kCellSameRadii);
        return std::nullopt;
      }
      const auto v = Number(text);
      if (!v) return std::string(kRoadNotNumber);
      if (!(*v > 0)) return std::string(spiral ? kRoadNotRadius : kRoadNotPositive);
      if (spiral && column == Column::kR2) {
        const auto r1 = Number(row.cells[main_.ColumnOf(Column::kR1)]);
        if (r1 && *r1 == *v) return std::string(kCellSameRadii);
      }
      return std::nullopt;
    }
    default: break;
  }
  const auto v = Number(text);
  if (!v) return std::string(kRoadNotNumber);
  switch (column) {
    case Column::kR: return *v > 0 ? std::nullopt : std::optional<std::string>(kRoadNotPositive);
    case Column::kLength: return *v > 0 ? std::nullopt : std::optional<std::string>(kRoadNotPositive);
    case Column::kLs1: case Column::kLs2: return *v >= 0 ? std::nullopt : std::optional<std::string>(kRoadNegative);
    case Column::kAzimuth: return PackedAngleSlip(*v) ? std::optional<std::string>(kRoadPackedSlip) : std::nullopt;
    default: return std::nullopt;
  }
  (void)kind;
}

std::optional<std::string> RoadTable::CellProblem(bool equations, int row, int column) const {
  if (!Editable(equations, row, column)) return std::nullopt;
  const TableRow& r = Grid(equations).row(row);
  return Check(r.kind, r, Grid(equations).columns()[column], r.cells[column]);
}

std::optional<std::string> RoadTable::ProblemIf(bool equations, int row, int column, const std::string& text) const {
  if (!Editable(equations, row, column)) return std::nullopt;
  TableRow typed = Grid(equations).row(row);
  typed.cells[column] = text;
  return Check(typed.kind, typed, Grid(equations).columns()[column], text);
}

TableRow RoadTable::NewRow(bool equations) const {
  const CellGrid& g = Grid(equations);
  if (equations) return {RowKind::kEquation, std::vector<std::string>(g.columnCount())};
  TableRow row{form_ == RoadTableForm::kIntersections ? RowKind::kJD : RowKind::kElement,
               std::vector<std::string>(g.columnCount())};
  if (row.kind == RowKind::kElement) row.cells[g.ColumnOf(Column::kKind)] = kLineWord;
  return row;
}

bool RoadTable::Movable(bool equations, int row) const {
  const CellGrid& g = Grid(equations);
  if (row < 0 || row >= g.rowCount()) return false;
  const RowKind k = g.row(row).kind;
  return k == RowKind::kJD || k == RowKind::kElement || k == RowKind::kEquation;
}

bool RoadTable::InsertRow(bool equations, int row) {
  CellGrid& g = Grid(equations);
  // Nothing before BP or the start; nothing after EP.
  const int first = equations ? 0 : 1;
  const int last = equations || form_ == RoadTableForm::kElements ? g.rowCount() : g.rowCount() - 1;
  if (row < first || row > last) return false;
  g.rows().insert(g.rows().begin() + row, NewRow(equations));
  edited_ = true;
  return true;
}

bool RoadTable::RemoveRow(bool equations, int row) {
  if (!Movable(equations, row)) return false;
  Grid(equations).rows().erase(Grid(equations).rows().begin() + row);
  edited_ = true;
  return true;
}

bool RoadTable::MoveRow(bool equations, int from, int to) {
  if (!Movable(equations, from) || !Movable(equations, to) || from == to) return false;
  std::vector<TableRow>& rows = Grid(equations).rows();
  TableRow moving = std::move(rows[from]);
  rows.erase(rows.begin() + from);
  rows.insert(rows.begin() + to, std::move(moving));
  edited_ = true;
  return true;
}

int RoadTable::Paste(bool equations, int row, int column, const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at <= text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    at = end + 1;
  }
  // A spreadsheet ends its copy with a line break.
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  // Pasted into the names' column: rows copied with their names (BP, JD1,
  // EP, 起点) keep them there, where nothing is typed; rows without start
  // at the first column that takes a text.
  if (column == 0 && !lines.empty()) {
    const std::string first = Trimmed(lines.front().substr(0, lines.front().find('\t')));
    const bool named = first == "BP" || first == "EP" || first.starts_with("JD") || first == kStartRowName;
    if (!named) column = 1;
  }
  CellGrid& g = Grid(equations);
  const bool table = !equations && form_ == RoadTableForm::kIntersections;
  // The whole table pasted from its first row: BP, the JDs, EP.
  if (table && row == 0 && lines.size() >= 2) {
    std::vector<TableRow>& rows = g.rows();
    const TableRow ep = rows.back();
    rows.resize(1);
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) rows.push_back(NewRow(false));
    rows.push_back(ep);
  }
  int reached = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int r = row + static_cast<int>(i);
    const bool lastOfWhole = table && row == 0 && i + 1 == lines.size();
    // Past the rows there are: a new JD before EP, a new element or equation at the end.
    const int open = table ? g.rowCount() - 1 : g.rowCount();
    if (!lastOfWhole && r >= open) {
      if (!InsertRow(equations, open)) break;
      r = open;
    }
    std::size_t from = 0;
    for (int c = column;; ++c) {
      const std::size_t tab = lines[i].find('\t', from);
      const std::string cell = lines[i].substr(from, tab == std::string::npos ? std::string::npos : tab - from);
      if (c < g.columnCount()) SetText(equations, r, c, std::string(TrimBlanks(cell)));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    ++reached;
  }
  if (reached > 0) edited_ = true;
  return reached;
}

std::variant<RoadInput, TableProblem> RoadTable::Input() const {
  if (!edited_ && original_) return *original_;
  for (bool eq : {false, true}) {
    const CellGrid& g = Grid(eq);
    for (int r = 0; r < g.rowCount(); ++r) {
      for (int c = 0; c < g.columnCount(); ++c) {
        if (auto p = CellProblem(eq, r, c)) return TableProblem{eq, r, c, *p};
      }
    }
  }
  auto cell = [this](const TableRow& row, Column c) -> const std::string& { return row.cells[main_.ColumnOf(c)]; };
  auto num = [this, &cell](const TableRow& row, Column c) { return Number(cell(row, c)).value_or(0); };
  auto station = [this](const std::string& text) { return std::get<StationRef>(ReadStationRef(text, symbols_)).value; };
  std::vector<StationEquation> equations;
  for (const TableRow& q : equations_.rows()) equations.push_back({station(q.cells[1]), station(q.cells[2])});
  RoadInput input;
  const std::vector<TableRow>& rows = main_.rows();
  if (form_ == RoadTableForm::kIntersections) {
    IntersectionRoadInput in{station(cell(rows.front(), Column::kStation)),
                             {num(rows.front(), Column::kX), num(rows.front(), Column::kY)},
                             {},
                             {num(rows.back(), Column::kX), num(rows.back(), Column::kY)},
                             equations};
    for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
      const double Ls1 = num(rows[r], Column::kLs1);
      const bool sameLs = IsBlank(cell(rows[r], Column::kLs2));
      in.jds.push_back({{num(rows[r], Column::kX), num(rows[r], Column::kY)}, num(rows[r], Column::kR), Ls1,
                        sameLs ? Ls1 : num(rows[r], Column::kLs2)});
    }
    input = in;
  } else {
    ElementRoadInput in{station(cell(rows.front(), Column::kStation)),
                        {num(rows.front(), Column::kX), num(rows.front(), Column::kY)},
                        DmsToDegrees(num(rows.front(), Column::kAzimuth)),
                        {},
                        equations};
    for (std::size_t r = 1; r < rows.size(); ++r) {
      ElementSpec e{*KindOf(rows[r]), num(rows[r], Column::kLength)};
      auto radius = [&](Column c) { return IsInfinity(cell(rows[r], c)) ? kInfinity : num(rows[r], c); };
      if (e.kind != ElementKind::kLine) {
        e.R1 = radius(Column::kR1);
        e.turn = *ReadTurn(cell(rows[r], Column::kTurn));
      }
      if (e.kind == ElementKind::kSpiral) e.R2 = radius(Column::kR2);
      in.elements.push_back(e);
    }
    input = in;
  }
  const RoadBuild built = BuildRoad(input);
  if (!built.problem) return input;
  // The row that holds the fault, as the table counts its rows.
  const RoadProblem& p = *built.problem;
  TableProblem problem{false, -1, -1, RoadProblemText(p)};
  switch (p.part) {
    case RoadPart::kBegin: problem.row = 0; break;
    case RoadPart::kJd: case RoadPart::kElement: problem.row = p.index; break;
    case RoadPart::kEnd: problem.row = static_cast<int>(rows.size()) - 1; break;
    case RoadPart::kEquation: problem.equations = true; problem.row = p.index - 1; break;
    case RoadPart::kJob: break;
  }
  return problem;
}

}  // namespace capset
