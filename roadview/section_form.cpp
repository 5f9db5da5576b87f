#include "section_form.h"

#include <algorithm>

#include "angle_text.h"
#include "blanks.h"
#include "heights_window_texts.h"
#include "road_ranges.h"
#include "road_texts.h"
#include "pvi_table.h"
#include "road_window_texts.h"
#include "station_ref_reading.h"

namespace capset {
namespace {

// A cross slope or a superelevation, percent: a grade of 1 in 1 and no more.
constexpr double kMostSlope = 100;

std::string Trim(const std::string& text) { return std::string(TrimBlanks(BlanksAsSpaces(text))); }

std::optional<SectionSide> ReadSide(const std::string& text) {
  const std::string t = Trim(text);
  if (t == kLeftWord || t == "left" || t == "L") return SectionSide::kLeft;
  if (t == kRightWord || t == "right" || t == "R") return SectionSide::kRight;
  return std::nullopt;
}

std::optional<SuperAxis> ReadAxis(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty() || t == kAxisCentre || t == "centre" || t == "center") return SuperAxis::kCentre;
  if (t == kAxisInner || t == "inner") return SuperAxis::kInnerEdge;
  if (t == kAxisOuter || t == "outer") return SuperAxis::kOuterEdge;
  return std::nullopt;
}

std::optional<int> ReadJd(const std::string& text) {
  std::string t = Trim(text);
  if (t.starts_with("JD") || t.starts_with("jd")) t = t.substr(2);
  if (t.empty() || t.size() > 6 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const int n = std::stoi(t);
  return n >= 1 ? std::optional<int>(n) : std::nullopt;
}

const char* AxisWord(SuperAxis axis) {
  switch (axis) {
    case SuperAxis::kCentre: return kAxisCentre;
    case SuperAxis::kInnerEdge: return kAxisInner;
    case SuperAxis::kOuterEdge: return kAxisOuter;
  }
  return kAxisCentre;
}

bool AllBlank(const std::vector<std::string>& cells) {
  return std::all_of(cells.begin() + 1, cells.end(), [](const std::string& c) { return IsBlank(c); });
}

}  // namespace

TransitionGrid::TransitionGrid(NumberSymbols symbols)
    : HeightsGrid({kVcNumberHeader, kTsHeader, kFsHeader, kFeHeader, kTeHeader, kSuperJdHeader, kSuperEHeader,
                   kInnerSideHeader, kAxisHeader},
                  std::move(symbols), 1) {}

bool TransitionGrid::BlankRow(int row) const { return AllBlank(Rows()[row]); }

bool TransitionGrid::ByJd(int row) const { return !IsBlank(Rows()[row][kTrJd]); }

bool TransitionGrid::Closed(int row, int column) const {
  if (column == kTrName) return true;
  const auto& cells = Rows()[row];
  if (!IsBlank(cells[column])) return false;
  // A JD's transition takes its stations and its inner side from the road.
  if (ByJd(row)) return column >= kTrTs && column <= kTrTe ? true : column == kTrInner;
  const bool stations = std::any_of(cells.begin() + kTrTs, cells.begin() + kTrTe + 1, [](const std::string& c) { return !IsBlank(c); });
  return stations && column == kTrJd;
}

std::string TransitionGrid::WidestText(int column) const {
  switch (column) {
    case kTrName: return "99";
    case kTrJd: return "JD999";
    case kTrE: return "-99.999";
    case kTrInner: return kInnerSideHeader;
    case kTrAxis: return kAxisOuter;
    default: return "K99+999.999";
  }
}

std::optional<std::string> TransitionGrid::Check(int row, int column, const std::string& text) const {
  if (BlankRow(row) && IsBlank(text)) return std::nullopt;
  const bool jd = column == kTrJd ? !IsBlank(text) : ByJd(row);
  switch (column) {
    case kTrTs: case kTrFs: case kTrFe: case kTrTe: {
      if (jd) return IsBlank(text) ? std::nullopt : std::optional<std::string>(kHeightsStationsOrJd);
      if (IsBlank(text)) return std::string(kHeightsNeedStations);
      const auto read = ReadHeightsStation(text, Symbols());
      if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
      return std::nullopt;
    }
    case kTrJd:
      if (IsBlank(text)) return std::nullopt;
      if (!ReadJd(text)) return std::string(kHeightsNotJd);
      return std::nullopt;
    case kTrE: {
      const CellRead read = ReadHeightsNumber(text, Symbols(), 0, kMostSlope, "%");
      return read.value ? std::nullopt : std::optional<std::string>(read.reason);
    }
    case kTrInner:
      if (jd) return IsBlank(text) ? std::nullopt : std::optional<std::string>(kHeightsStationsOrJd);
      if (IsBlank(text)) return std::string(kHeightsNeedSide);
      return ReadSide(text) ? std::nullopt : std::optional<std::string>(kHeightsNotSide);
    case kTrAxis: return ReadAxis(text) ? std::nullopt : std::optional<std::string>(kHeightsNotAxis);
    default: return std::nullopt;
  }
}

std::variant<std::vector<SuperInput>, GridProblem> TransitionGrid::Input() const {
  if (auto bad = FirstBadCell()) return *bad;
  std::vector<SuperInput> out;
  for (int r = 0; r < RowCount(); ++r) {
    if (BlankRow(r)) continue;
    const auto& c = Rows()[r];
    SuperInput in;
    in.e = *ReadHeightsNumber(c[kTrE], Symbols(), 0, kMostSlope, "%").value;
    in.axis = *ReadAxis(c[kTrAxis]);
    if (ByJd(r)) {
      in.jd = *ReadJd(c[kTrJd]);
    } else {
      in.ts = std::get<StationRef>(ReadHeightsStation(c[kTrTs], Symbols()));
      in.fs = std::get<StationRef>(ReadHeightsStation(c[kTrFs], Symbols()));
      in.fe = std::get<StationRef>(ReadHeightsStation(c[kTrFe], Symbols()));
      in.te = std::get<StationRef>(ReadHeightsStation(c[kTrTe], Symbols()));
      in.inner = *ReadSide(c[kTrInner]);
    }
    out.push_back(in);
  }
  return out;
}

void TransitionGrid::Load(const std::vector<SuperInput>& transitions) {
  auto& rows = Rows();
  rows.assign(std::max<std::size_t>(transitions.size(), 1), std::vector<std::string>(kTrColumns));
  for (std::size_t i = 0; i < transitions.size(); ++i) {
    const SuperInput& in = transitions[i];
    auto& c = rows[i];
    if (in.jd > 0) {
      c[kTrJd] = "JD" + std::to_string(in.jd);
    } else {
      c[kTrTs] = StationCellText(in.ts, Symbols());
      c[kTrFs] = StationCellText(in.fs, Symbols());
      c[kTrFe] = StationCellText(in.fe, Symbols());
      c[kTrTe] = StationCellText(in.te, Symbols());
      c[kTrInner] = in.inner == SectionSide::kLeft ? kLeftWord : kRightWord;
    }
    c[kTrE] = ShortestText(in.e, Symbols());
    c[kTrAxis] = AxisWord(in.axis);
  }
}

SlopeGrid::SlopeGrid(NumberSymbols symbols)
    : HeightsGrid({kVcNumberHeader, kSlopeStationHeader, kLeftSlopeHeader, kRightSlopeHeader}, std::move(symbols), 1) {}

bool SlopeGrid::BlankRow(int row) const { return AllBlank(Rows()[row]); }

std::string SlopeGrid::WidestText(int column) const {
  switch (column) {
    case kSlName: return "999";
    case kSlStation: return "K99+999.999(2)";
    default: return "-99.999";
  }
}

std::optional<std::string> SlopeGrid::Check(int row, int column, const std::string& text) const {
  if (BlankRow(row) && IsBlank(text)) return std::nullopt;
  if (column == kSlStation) {
    const auto read = ReadHeightsStation(text, Symbols());
    if (const auto* reason = std::get_if<std::string>(&read)) return *reason;
    return std::nullopt;
  }
  const CellRead read = ReadHeightsNumber(text, Symbols(), -kMostSlope, kMostSlope, "%");
  return read.value ? std::nullopt : std::optional<std::string>(read.reason);
}

std::variant<std::vector<SlopeInput>, GridProblem> SlopeGrid::Input() const {
  if (auto bad = FirstBadCell()) return *bad;
  std::vector<SlopeInput> out;
  for (int r = 0; r < RowCount(); ++r) {
    if (BlankRow(r)) continue;
    const auto& c = Rows()[r];
    out.push_back({std::get<StationRef>(ReadHeightsStation(c[kSlStation], Symbols())),
                   *ReadHeightsNumber(c[kSlLeft], Symbols(), -kMostSlope, kMostSlope, "%").value,
                   *ReadHeightsNumber(c[kSlRight], Symbols(), -kMostSlope, kMostSlope, "%").value});
  }
  return out;
}

void SlopeGrid::Load(const std::vector<SlopeInput>& slopes) {
  auto& rows = Rows();
  rows.assign(std::max<std::size_t>(slopes.size(), 1), std::vector<std::string>(kSlColumns));
  for (std::size_t i = 0; i < slopes.size(); ++i) {
    rows[i][kSlStation] = StationCellText(slopes[i].station, Symbols());
    rows[i][kSlLeft] = ShortestText(slopes[i].left, Symbols());
    rows[i][kSlRight] = ShortestText(slopes[i].right, Symbols());
  }
}

bool SameSection(const CrossSectionInput& a, const CrossSectionInput& b) {
  auto same = [](StationRef p, StationRef q) { return p.value == q.value && p.occurrence == q.occurrence; };
  return a.crown == b.crown && a.leftWidth == b.leftWidth && a.rightWidth == b.rightWidth && a.design == b.design &&
         std::equal(a.transitions.begin(), a.transitions.end(), b.transitions.begin(), b.transitions.end(),
                    [&](const SuperInput& p, const SuperInput& q) {
                      return p.jd == q.jd && same(p.ts, q.ts) && same(p.fs, q.fs) && same(p.fe, q.fe) &&
                             same(p.te, q.te) && p.e == q.e && p.inner == q.inner && p.axis == q.axis;
                    }) &&
         std::equal(a.slopes.begin(), a.slopes.end(), b.slopes.begin(), b.slopes.end(),
                    [&](const SlopeInput& p, const SlopeInput& q) {
                      return same(p.station, q.station) && p.left == q.left && p.right == q.right;
                    });
}

std::string SectionFieldLabel(SectionField field) {
  switch (field) {
    case SectionField::kCrown: return kCrownLabel;
    case SectionField::kLeftWidth: return kLeftWidthLabel;
    case SectionField::kRightWidth: return kRightWidthLabel;
    case SectionField::kDesign: return kDesignLineLabel;
  }
  return "";
}

SectionForm::SectionForm(NumberSymbols symbols) : symbols_(symbols), transitions_(symbols), slopes_(symbols) {}

SectionForm SectionForm::FromInput(const CrossSectionInput& input, NumberSymbols symbols) {
  SectionForm form(symbols);
  form.Field(SectionField::kCrown) = ShortestText(input.crown, symbols);
  form.Field(SectionField::kLeftWidth) = input.leftWidth == 0 ? "" : ShortestText(input.leftWidth, symbols);
  form.Field(SectionField::kRightWidth) = input.rightWidth == 0 ? "" : ShortestText(input.rightWidth, symbols);
  form.Field(SectionField::kDesign) = ShortestText(input.design, symbols);
  form.transitions_.Load(input.transitions);
  form.slopes_.Load(input.slopes);
  return form;
}

std::optional<std::string> SectionForm::FieldProblem(SectionField field, const std::string& text) const {
  if (IsBlank(text)) return std::nullopt;
  CellRead read;
  switch (field) {
    case SectionField::kCrown: read = ReadHeightsNumber(text, symbols_, 0, kMostSlope, "%"); break;
    case SectionField::kLeftWidth:
    case SectionField::kRightWidth:
      read = ReadHeightsNumber(text, symbols_, 0, kMostOffset, "m");
      if (read.value && *read.value > 0 && *read.value < kLeastLength) {
        read = {std::nullopt, HeightsRangeText(Trim(text), kLeastLength, kMostOffset, "m")};
      }
      break;
    case SectionField::kDesign: read = ReadHeightsNumber(text, symbols_, -kMostOffset, kMostOffset, "m"); break;
  }
  return read.value ? std::nullopt : std::optional<std::string>(read.reason);
}

std::variant<CrossSectionInput, SectionFormProblem> SectionForm::Input() const {
  CrossSectionInput input;
  double* targets[] = {&input.crown, &input.leftWidth, &input.rightWidth, &input.design};
  for (int f = 0; f < 4; ++f) {
    const auto field = static_cast<SectionField>(f);
    if (auto reason = FieldProblem(field, fields_[f])) {
      SectionFormProblem p;
      p.field = field;
      p.reason = SectionFieldLabel(field) + *reason;
      return p;
    }
    if (!IsBlank(fields_[f])) *targets[f] = *ReadHeightsNumber(fields_[f], symbols_, -1e300, 1e300, "").value;
  }
  const auto transitions = transitions_.Input();
  if (const auto* bad = std::get_if<GridProblem>(&transitions)) {
    SectionFormProblem p;
    p.cell = *bad;
    p.reason = SectionCellWhere(kTransitionsTable, bad->row + 1, transitions_.Header(bad->column)) + bad->reason;
    return p;
  }
  const auto slopes = slopes_.Input();
  if (const auto* bad = std::get_if<GridProblem>(&slopes)) {
    SectionFormProblem p;
    p.slopes = true;
    p.cell = *bad;
    p.reason = SectionCellWhere(kSlopesTable, bad->row + 1, slopes_.Header(bad->column)) + bad->reason;
    return p;
  }
  input.transitions = std::get<std::vector<SuperInput>>(transitions);
  input.slopes = std::get<std::vector<SlopeInput>>(slopes);
  if (!input.transitions.empty() && !input.slopes.empty()) {
    SectionFormProblem p;
    p.reason = kSectionBothForms;
    return p;
  }
  return input;
}

}  // namespace capset
