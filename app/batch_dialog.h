#pragma once
// 批量计算…: the stations of a whole bridge, one a line, with the method
// (exact on the road, or the window's formulas), the half-widths of the
// left and right sides, the skew B and the design station Kj (blank: the
// Start job's, shown in the box), the precision of the window's formulas,
// how each cap's axis is set and the points wanted along it. OK
// hands the fields, as typed, to the window's batch; the dialog closes only
// when the batch ran, so a list with bad lines stays open to be mended. The
// fields keep what was typed between openings.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "batch_input.h"
#include "number_rules.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace capset {

class BatchDialog : public QDialog {
  Q_OBJECT

 public:
  // `run` runs the batch and tells whether it ran.
  // `symbols`: the user's number rules, for checking the depth as it is typed.
  BatchDialog(std::function<bool(const BatchInput&)> run, NumberSymbols symbols = {}, QWidget* parent = nullptr);

  BatchInput Input() const;
  void SetInput(const BatchInput& input);
  // The Start job's B and Kj as typed, shown as what a blank box takes;
  // nothing when there is no completed Start.
  void SetDefaults(const std::optional<std::string>& B, const std::optional<std::string>& Kj);
  QPushButton* OkButton() const { return ok_; }

 private:
  void Ok();
  // The precision is the window's formulas' alone.
  void MethodChanged();
  // The depth turns red with its reason as a tip while it cannot be read.
  void CheckDepth();

  std::function<bool(const BatchInput&)> run_;
  QRadioButton* exact_;
  QRadioButton* window_;
  QRadioButton* parallel_;
  QRadioButton* own_;
  QLineEdit* DR_;
  QLineEdit* rightDR_;
  QLineEdit* skew_;
  QLineEdit* design_;
  QLineEdit* precision_;
  QLineEdit* offsets_;
  QLineEdit* depth_;
  NumberSymbols symbols_;
  QPlainTextEdit* stations_;
  QPushButton* ok_;
};

}  // namespace capset
