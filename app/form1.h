#pragma once
// Form1: the one window of the program. It owns the job record, shows the 26
// boxes that Start and the solvers write, and hands each button click to its
// handler together with the seam. It reads no box back: every value reaches
// the job through a prompt.

#include <QString>
#include <QWidget>
#include <array>
#include <string>

#include "boxes.h"
#include "cap_session.h"
#include "seam.h"

class QLineEdit;
class QPushButton;

namespace capset {

class SketchView;

class Form1 : public QWidget, public BoxWriter, private SessionObserver {
  Q_OBJECT

 public:
  Form1(Prompt& prompt, const NumberReader& reader, ErrorReporter& reporter,
        QWidget* parent = nullptr);

  // Box `number` is Text<number>, 1 to 26.
  void WriteBox(int number, const std::string& text) override;

  const CapJob& Job() const { return session_.Job(); }
  // Start, Compute and whatever watches them.
  CapSession& Session() { return session_; }
  // The plan sketch in band 2: the last completed Compute, or a cap shown on purpose.
  SketchView* Sketch() const { return sketch_; }
  QString BoxText(int number) const;
  QLineEdit* Box(int number) const;
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }
  QPushButton* Command3() const { return command3_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private slots:
  // The three buttons' handlers, each handing its click to the session.
  void Command1_Click();
  void Command2_Click();
  void command3_click();

 private:
  void BuildControls();
  void CapComputed(const CapSolution& solution) override;
  void StartCompleted() override;

  Prompt& prompt_;
  const NumberReader& reader_;
  ErrorReporter& reporter_;
  Seam seam_;
  CapSession session_{seam_};
  std::array<QLineEdit*, kBoxCount> boxes_{};
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  SketchView* sketch_ = nullptr;
};

}  // namespace capset
