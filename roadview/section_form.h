#pragma once
// The 横断面 page as texts: the normal crown, the road bed's half-widths,
// the design line's offset, and superelevation either as transitions (the
// four stations TS, FS, FE, TE, or a JD whose spirals carry it; e, the inner
// side, the axis) or as the drawings' table of cross slopes (station, left,
// right). Every cell checked as it stands; a row left wholly blank is no row.

#include <variant>

#include "heights_grid.h"
#include "road_heights.h"

namespace capset {

enum TransitionColumn { kTrName, kTrTs, kTrFs, kTrFe, kTrTe, kTrJd, kTrE, kTrInner, kTrAxis, kTrColumns };
enum SlopeColumn { kSlName, kSlStation, kSlLeft, kSlRight, kSlColumns };

class TransitionGrid : public HeightsGrid {
 public:
  explicit TransitionGrid(NumberSymbols symbols);
  bool Closed(int row, int column) const override;
  std::string WidestText(int column) const override;
  // The transitions the rows make; the first bad cell otherwise.
  std::variant<std::vector<SuperInput>, GridProblem> Input() const;
  void Load(const std::vector<SuperInput>& transitions);

 protected:
  std::optional<std::string> Check(int row, int column, const std::string& text) const override;

 private:
  bool BlankRow(int row) const;
  bool ByJd(int row) const;
};

class SlopeGrid : public HeightsGrid {
 public:
  explicit SlopeGrid(NumberSymbols symbols);
  std::string WidestText(int column) const override;
  std::variant<std::vector<SlopeInput>, GridProblem> Input() const;
  void Load(const std::vector<SlopeInput>& slopes);

 protected:
  std::optional<std::string> Check(int row, int column, const std::string& text) const override;

 private:
  bool BlankRow(int row) const;
};

enum class SectionField { kCrown, kLeftWidth, kRightWidth, kDesign };

// Where the section's input is refused: a field of its own, or a cell of one of its tables.
struct SectionFormProblem {
  std::optional<SectionField> field;
  bool slopes = false;  // the table of slopes, else the transitions
  GridProblem cell{-1, -1, ""};
  std::string reason;  // the whole sentence
};

class SectionForm {
 public:
  explicit SectionForm(NumberSymbols symbols);
  static SectionForm FromInput(const CrossSectionInput& input, NumberSymbols symbols);

  std::string& Field(SectionField field) { return fields_[static_cast<int>(field)]; }
  const std::string& Field(SectionField field) const { return fields_[static_cast<int>(field)]; }
  // Why a field does not read with `text` (blank: its default, 2 % and 0).
  std::optional<std::string> FieldProblem(SectionField field, const std::string& text) const;
  TransitionGrid& Transitions() { return transitions_; }
  SlopeGrid& Slopes() { return slopes_; }
  const TransitionGrid& Transitions() const { return transitions_; }
  const SlopeGrid& Slopes() const { return slopes_; }
  std::variant<CrossSectionInput, SectionFormProblem> Input() const;

 private:
  NumberSymbols symbols_;
  std::string fields_[4];
  TransitionGrid transitions_;
  SlopeGrid slopes_;
};

// Whether two sections are the same as typed.
bool SameSection(const CrossSectionInput& a, const CrossSectionInput& b);

// The label of a field, for its sentence: "路拱横坡 ig（%）".
std::string SectionFieldLabel(SectionField field);

}  // namespace capset
