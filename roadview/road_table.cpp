#include "road_table.h"

#include <algorithm>
#include <cmath>

#include "angle_text.h"
#include "blanks.h"
#include "number_chars.h"
#include "paste_layout.h"
#include "road_lines.h"
#include "road_paste_texts.h"
#include "road_texts.h"
#include "road_window_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// In the order of paste_layout.h's JdColumn.
const std::vector<Column> kIntersectionColumns = {Column::kPoint, Column::kJdStation, Column::kX,  Column::kY,
                                                  Column::kR,     Column::kLs1,     Column::kLs2};
const std::vector<Column> kElementColumns = {Column::kPoint, Column::kKind, Column::kStation, Column::kX, Column::kY,
                                             Column::kAzimuth, Column::kLength, Column::kR1, Column::kR2, Column::kTurn};
const std::vector<Column> kEquationColumns = {Column::kPoint, Column::kBack, Column::kAhead};

std::string Trimmed(const std::string& text) { return std::string(TrimBlanks(text)); }

std::optional<ElementKind> ReadKind(const std::string& text) {
  const std::string t = Trimmed(text);
  if (t == kLineWord || t == "line") return ElementKind::kLine;
  if (t == kArcWord || t == "arc") return ElementKind::kArc;
  if (t == kSpiralWord || t == "spiral") return ElementKind::kSpiral;
  return std::nullopt;
}

// The road field a column holds, read by the road's one reader of fields;
// the kind is the table's own.
std::optional<RoadCell> CellOf(Column column, bool spiral) {
  switch (column) {
    case Column::kStation: case Column::kJdStation: case Column::kBack: case Column::kAhead: return RoadCell::kStation;
    case Column::kX: case Column::kY: return RoadCell::kCoordinate;
    case Column::kAzimuth: return RoadCell::kAzimuth;
    case Column::kR: return RoadCell::kRadius;
    case Column::kLs1: case Column::kLs2: return RoadCell::kLength;
    case Column::kLength: return RoadCell::kElementLength;
    case Column::kR1: case Column::kR2: return spiral ? RoadCell::kSpiralRadius : RoadCell::kRadius;
    case Column::kTurn: return RoadCell::kSide;
    case Column::kPoint: case Column::kKind: break;
  }
  return std::nullopt;
}

// The shortest text that reads back to the same double, with the user's separator.
std::string Shortest(double value, const NumberSymbols& symbols) {
  if (std::isinf(value)) return "inf";
  // Fixed notation of any double: "500000", never "5e+05".
  std::string text = ShortestFixedText(value);
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
    put(bp, Column::kJdStation, text(in.station));
    put(bp, Column::kX, text(in.bp.X));
    put(bp, Column::kY, text(in.bp.Y));
    rows.push_back(bp);
    for (const IntersectionPoint& jd : in.jds) {
      TableRow row{RowKind::kJD, std::vector<std::string>(n)};
      if (jd.station) put(row, Column::kJdStation, text(*jd.station));
      put(row, Column::kX, text(jd.point.X));
      put(row, Column::kY, text(jd.point.Y));
      put(row, Column::kR, text(jd.R));
      put(row, Column::kLs1, text(jd.Ls1));
      put(row, Column::kLs2, text(jd.Ls2));
      rows.push_back(row);
    }
    TableRow ep{RowKind::kEP, std::vector<std::string>(n)};
    if (in.epStation) put(ep, Column::kJdStation, text(*in.epStation));
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
    for (const ElementInput& e : in.elements) {
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
    case Column::kPoint: return kPointHeader;
    case Column::kKind: return kKindHeader;
    case Column::kStation: return kStationHeader;
    case Column::kJdStation: return kJdStationHeader;
    case Column::kX: return kNorthHeader;
    case Column::kY: return kEastHeader;
    case Column::kAzimuth: return kAzimuthHeader;
    case Column::kR: return "R";
    case Column::kLs1: return "Ls1";
    case Column::kLs2: return "Ls2";
    case Column::kLength: return kLengthHeader;
    case Column::kR1: return "R1";
    case Column::kR2: return "R2";
    case Column::kTurn: return kTurnHeader;
    case Column::kBack: return kBackHeader;
    case Column::kAhead: return kAheadHeader;
  }
  return "";
}

std::string RoadTable::WidestText(Column column) {
  switch (column) {
    case Column::kPoint: return "JD999";
    case Column::kKind: return kSpiralWord;
    case Column::kStation: case Column::kJdStation: case Column::kBack: case Column::kAhead: return "K99+999.999";
    case Column::kX: case Column::kY: return "-9999999.9999";
    case Column::kAzimuth: return "359.595999";
    case Column::kR: case Column::kLength: case Column::kR1: case Column::kR2: return "99999.999";
    case Column::kLs1: case Column::kLs2: return "9999.999";
    case Column::kTurn: return kRightWord;
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
    case RowKind::kBP: return column == Column::kJdStation || column == Column::kX || column == Column::kY;
    case RowKind::kEP: return column == Column::kJdStation || column == Column::kX || column == Column::kY;
    case RowKind::kJD:
      return column == Column::kJdStation || column == Column::kX || column == Column::kY || column == Column::kR ||
             column == Column::kLs1 || column == Column::kLs2;
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

std::variant<double, std::string> RoadTable::Read(const TableRow& row, Column column, const std::string& text) const {
  const bool radius = column == Column::kR1 || column == Column::kR2;
  const std::optional<RoadCell> cell = CellOf(column, radius && KindOf(row) == ElementKind::kSpiral);
  if (!cell) return std::string(kRoadNotNumber);
  return ReadRoadCell(text, *cell, symbols_);
}

std::optional<std::string> RoadTable::Check(const TableRow& row, Column column, const std::string& text) const {
  // Ls2 left empty is Ls1, as the drawings' tables leave it; Ls1 empty is
  // no spiral. A JD's or EP's station is only kept and compared.
  if (IsBlank(text)) {
    if (column == Column::kLs2 || column == Column::kLs1 || (column == Column::kJdStation && row.kind != RowKind::kBP)) {
      return std::nullopt;
    }
    return std::string(kCellEmpty);
  }
  if (column == Column::kKind) return ReadKind(text) ? std::nullopt : std::optional<std::string>(kCellNotKind);
  const auto read = Read(row, column, text);
  if (const std::string* reason = std::get_if<std::string>(&read)) return *reason;
  // A spiral's two radii may not be the same: it would be an arc or a line.
  if (column == Column::kR2 && KindOf(row) == ElementKind::kSpiral) {
    const int r1 = main_.ColumnOf(Column::kR1);
    const auto other = Read(row, Column::kR1, row.cells[r1]);
    if (const double* v = std::get_if<double>(&other); v && *v == std::get<double>(read)) {
      return std::string(kCellSameRadii);
    }
  }
  return std::nullopt;
}

std::optional<std::string> RoadTable::CellProblem(bool equations, int row, int column) const {
  if (!Editable(equations, row, column)) return std::nullopt;
  const TableRow& r = Grid(equations).row(row);
  return Check(r, Grid(equations).columns()[column], r.cells[column]);
}

std::optional<std::string> RoadTable::ProblemIf(bool equations, int row, int column, const std::string& text) const {
  if (!Editable(equations, row, column)) return std::nullopt;
  TableRow typed = Grid(equations).row(row);
  typed.cells[column] = text;
  return Check(typed, Grid(equations).columns()[column], text);
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
  pasteNote_.clear();
  if (!equations && form_ == RoadTableForm::kIntersections) return PasteJds(row, column, text);
  std::vector<std::vector<std::string>> lines = PastedCells(text);
  // Pasted into the names' column: rows copied with their names (起点, 1,
  // 2 …) keep them there, where nothing is typed; rows without start at the
  // first column that takes a text.
  if (column == 0 && !lines.empty() && !lines.front().empty()) {
    const std::string first = lines.front().front();
    const bool named = first == kStartRowName || (!first.empty() && !Number(first) && !ReadKind(first));
    if (!named && !(Number(first) && !equations && lines.front().size() > 1 && ReadKind(lines.front()[1]))) column = 1;
  }
  CellGrid& g = Grid(equations);
  int reached = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int r = row + static_cast<int>(i);
    // Past the rows there are: a new element or equation at the end.
    if (r >= g.rowCount()) {
      if (!InsertRow(equations, g.rowCount())) break;
      r = g.rowCount() - 1;
    }
    for (std::size_t f = 0; f < lines[i].size(); ++f) {
      const int c = column + static_cast<int>(f);
      if (c < g.columnCount()) SetText(equations, r, c, lines[i][f]);
    }
    ++reached;
  }
  if (reached > 0) edited_ = true;
  return reached;
}

int RoadTable::PasteJds(int row, int column, const std::string& text) {
  const std::vector<std::vector<std::string>> cells = PastedCells(text);
  if (cells.empty()) return 0;
  const auto decided = LayOutJdPaste(cells, column, symbols_);
  if (const auto* refusal = std::get_if<PasteRefusal>(&decided)) {
    pasteNote_ = refusal->reason;
    return 0;
  }
  const JdPasteLayout& layout = std::get<JdPasteLayout>(decided);
  const std::vector<std::vector<std::string>> lines(cells.begin() + layout.headerLines, cells.end());
  std::vector<TableRow>& rows = main_.rows();
  const int jds = static_cast<int>(rows.size()) - 2;
  const bool bpFirst = layout.kinds.front() == PastedName::kBP;
  const bool epLast = layout.kinds.back() == PastedName::kEP;
  // The whole table: from BP's row, or rows that begin with BP. Its last
  // line is EP unless its name says otherwise.
  const bool whole = bpFirst || (!layout.named && row <= 0 && lines.size() >= 2);
  if (whole) {
    const bool lastIsEp = epLast || (!layout.named || layout.kinds.back() == PastedName::kNone);
    const TableRow ep = rows.back();
    rows.resize(1);
    const int newJds = static_cast<int>(lines.size()) - 1 - (lastIsEp ? 1 : 0);
    for (int i = 0; i < newJds; ++i) rows.push_back(NewRow(false));
    rows.push_back(ep);
    row = 0;
  } else if (layout.named && layout.kinds.front() != PastedName::kEP && layout.numbers.front() >= 1 &&
             layout.numbers.front() <= jds + 1) {
    row = layout.numbers.front();  // JD3 goes to JD3's row
  } else if (layout.kinds.front() == PastedName::kEP) {
    row = static_cast<int>(rows.size()) - 1;
  }
  row = std::clamp(row, 0, static_cast<int>(rows.size()) - 1);
  int reached = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    int r = row + static_cast<int>(i);
    const std::size_t skip = layout.named ? 1 : 0;
    // The last line, reaching EP's row with nothing past Y: EP's point, not a new JD.
    bool pointOnly = true;
    for (std::size_t f = skip; f < lines[i].size(); ++f) {
      if (layout.firstColumn + static_cast<int>(f - skip) > main_.ColumnOf(Column::kY) && !lines[i][f].empty()) pointOnly = false;
    }
    const bool ep = (whole && i + 1 == lines.size() && r == static_cast<int>(rows.size()) - 1) ||
                    layout.kinds[i] == PastedName::kEP ||
                    (layout.kinds[i] == PastedName::kNone && i + 1 == lines.size() && pointOnly &&
                     r == static_cast<int>(rows.size()) - 1);
    if (ep) {
      r = static_cast<int>(rows.size()) - 1;
    } else if (r >= static_cast<int>(rows.size()) - 1 && !(whole && i == 0)) {
      // Past the JDs there are: a new JD before EP.
      InsertRow(false, static_cast<int>(rows.size()) - 1);
      r = static_cast<int>(rows.size()) - 2;
    }
    for (std::size_t f = skip; f < lines[i].size(); ++f) {
      const int c = layout.firstColumn + static_cast<int>(f - skip);
      if (c < main_.columnCount() && (Editable(false, r, c) || !lines[i][f].empty())) SetText(false, r, c, lines[i][f]);
    }
    ++reached;
  }
  edited_ = true;
  std::vector<std::string> columns;
  if (layout.named) columns.push_back(Header(Column::kPoint));
  int widest = 0;
  for (const auto& line : lines) widest = std::max(widest, static_cast<int>(line.size()) - (layout.named ? 1 : 0));
  for (int c = layout.firstColumn; c < std::min(main_.columnCount(), layout.firstColumn + widest); ++c) {
    columns.push_back(Header(main_.columns()[c]));
  }
  pasteNote_ = PasteTakenText(reached, columns, layout.headerLines);
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
  // Every cell reads: each value is the one its check read.
  auto value = [this](const CellGrid& grid, const TableRow& row, Column c) {
    const std::string& text = row.cells[grid.ColumnOf(c)];
    return IsBlank(text) ? 0.0 : std::get<double>(Read(row, c, text));
  };
  auto num = [&](const TableRow& row, Column c) { return value(main_, row, c); };
  // A JD's or EP's printed station: kept when typed, nothing when blank.
  auto printed = [&](const TableRow& row) -> std::optional<double> {
    if (IsBlank(row.cells[main_.ColumnOf(Column::kJdStation)])) return std::nullopt;
    return num(row, Column::kJdStation);
  };
  std::vector<StationEquation> equations;
  for (const TableRow& q : equations_.rows()) {
    equations.push_back({value(equations_, q, Column::kBack), value(equations_, q, Column::kAhead)});
  }
  RoadInput input;
  const std::vector<TableRow>& rows = main_.rows();
  if (form_ == RoadTableForm::kIntersections) {
    IntersectionRoadInput in{num(rows.front(), Column::kJdStation),
                             {num(rows.front(), Column::kX), num(rows.front(), Column::kY)},
                             {},
                             {num(rows.back(), Column::kX), num(rows.back(), Column::kY)},
                             equations,
                             printed(rows.back())};
    for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
      const double Ls1 = num(rows[r], Column::kLs1);
      const bool sameLs = IsBlank(rows[r].cells[main_.ColumnOf(Column::kLs2)]);
      in.jds.push_back({{num(rows[r], Column::kX), num(rows[r], Column::kY)}, num(rows[r], Column::kR), Ls1,
                        sameLs ? Ls1 : num(rows[r], Column::kLs2), printed(rows[r])});
    }
    input = in;
  } else {
    ElementRoadInput in{num(rows.front(), Column::kStation),
                        {num(rows.front(), Column::kX), num(rows.front(), Column::kY)},
                        num(rows.front(), Column::kAzimuth),
                        {},
                        equations};
    for (std::size_t r = 1; r < rows.size(); ++r) {
      ElementInput e{*KindOf(rows[r]), num(rows[r], Column::kLength)};
      if (e.kind != ElementKind::kLine) {
        e.R1 = num(rows[r], Column::kR1);
        e.turn = num(rows[r], Column::kTurn) < 0 ? TurnSide::kLeft : TurnSide::kRight;
      }
      if (e.kind == ElementKind::kSpiral) e.R2 = num(rows[r], Column::kR2);
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
