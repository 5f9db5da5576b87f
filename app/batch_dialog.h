#pragma once
// 批量计算…: the stations of a whole bridge, one a line, with DR, the
// precision, how each cap's axis is set and the points wanted along it. OK
// hands the fields, as typed, to the window's batch; the dialog closes only
// when the batch ran, so a list with bad lines stays open to be mended. The
// fields keep what was typed between openings.

#include <QDialog>
#include <functional>

#include "batch_input.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace capset {

class BatchDialog : public QDialog {
  Q_OBJECT

 public:
  // `run` runs the batch and tells whether it ran.
  BatchDialog(std::function<bool(const BatchInput&)> run, QWidget* parent = nullptr);

  BatchInput Input() const;
  void SetInput(const BatchInput& input);
  QPushButton* OkButton() const { return ok_; }

 private:
  void Ok();

  std::function<bool(const BatchInput&)> run_;
  QRadioButton* parallel_;
  QRadioButton* own_;
  QLineEdit* DR_;
  QLineEdit* precision_;
  QLineEdit* offsets_;
  QPlainTextEdit* stations_;
  QPushButton* ok_;
};

}  // namespace capset
