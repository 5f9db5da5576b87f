#pragma once
// Form1: the one window of the program. It owns the job record, shows the 26
// boxes that Start and the solvers write, and hands each button click to its
// handler together with the seam. It reads no box back: every value reaches
// the job through a prompt.

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "cap_job.h"
#include "seam.h"

class QLineEdit;
class QPushButton;

namespace capset {

class Form1 : public QWidget, public BoxWriter {
  Q_OBJECT

 public:
  static constexpr int kBoxCount = 26;

  Form1(Prompt& prompt, const NumberReader& reader, ErrorReporter& reporter,
        QWidget* parent = nullptr);

  // Box `number` is Text<number>, 1 to 26.
  void WriteBox(int number, const std::string& text) override;

  const CapJob& job() const { return job_; }
  QString boxText(int number) const;
  QLineEdit* box(int number) const;
  QPushButton* command1() const { return command1_; }
  QPushButton* command2() const { return command2_; }
  QPushButton* command3() const { return command3_; }

 signals:
  // After every Compute click: "Cmd1" ... "Cmd5", or "none".
  void solverChosen(const QString& name);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private slots:
  void command1_click();
  void command2_click();
  void command3_click();

 private:
  void BuildControls();

  CapJob job_{};
  Prompt& prompt_;
  const NumberReader& reader_;
  ErrorReporter& reporter_;
  Seam seam_;
  std::array<QLineEdit*, kBoxCount> boxes_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
};

}  // namespace capset
