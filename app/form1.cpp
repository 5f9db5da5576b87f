#include "form1.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPen>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "app_title.h"
#include "form1_layout.h"
#include "look.h"
#include "sketch_view.h"

namespace capset {
namespace {

QRect ToPixels(TwipRect r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top),
               TwipsToPixels(r.width), TwipsToPixels(r.height));
}

}  // namespace

Form1::Form1(Prompt& prompt, const NumberReader& reader,
             ErrorReporter& reporter, QWidget* parent)
    : QWidget(parent),
      prompt_(prompt),
      reader_(reader),
      reporter_(reporter),
      seam_{prompt_, reader_, reporter_, *this} {
  setObjectName("Form1");
  setWindowTitle(QString::fromUtf8(kAppTitle));
  setFixedSize(TwipsToPixels(kClientWidthTwips),
               TwipsToPixels(kClientHeightTwips));

  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kFormBackground);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildControls();
  sketch_ = new SketchView(this);
  sketch_->setGeometry(ToPixels(kSketchBand));
  session_.AddObserver(this);
}

void Form1::BuildControls() {
  struct Focusable {
    int tabIndex;
    QWidget* widget;
  };
  std::vector<Focusable> focusOrder;

  for (const ControlRow& row : Form1Controls()) {
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.kind) {
      case ControlKind::kBox: {
        auto* box = new QLineEdit(this);
        // Outputs only: the user can focus, select and copy, but what a box
        // shows always comes from Start or a solver.
        box->setReadOnly(true);
        box->setFont(FormFont(row.font));
        // "Text12" is box 12.
        const int number = QString::fromUtf8(row.name).sliced(4).toInt();
        boxes_.at(number - 1) = box;
        widget = box;
        break;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(caption, this);
        label->setFont(CaptionFont(row.font));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setAutoFillBackground(true);
        widget = label;
        break;
      }
      case ControlKind::kButton: {
        auto* button = new QPushButton(caption, this);
        button->setFont(FormFont(row.font));
        widget = button;
        break;
      }
    }
    widget->setObjectName(QString::fromUtf8(row.name));
    widget->setGeometry(ToPixels(row.rect));
    if (row.kind != ControlKind::kLabel) {
      focusOrder.push_back({row.tabIndex, widget});
    }
  }

  std::sort(focusOrder.begin(), focusOrder.end(),
            [](const Focusable& a, const Focusable& b) {
              return a.tabIndex < b.tabIndex;
            });
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1].widget, focusOrder[i].widget);
  }
  // The first control in tab order (Text1) has the focus when the window opens.
  focusOrder.front().widget->setFocus(Qt::OtherFocusReason);

  command1_ = findChild<QPushButton*>("Command1");
  command2_ = findChild<QPushButton*>("Command2");
  command3_ = findChild<QPushButton*>("Command3");
  connect(command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(command2_, &QPushButton::clicked, this, &Form1::Command2_Click);
  connect(command3_, &QPushButton::clicked, this, &Form1::command3_click);
}

void Form1::WriteBox(int number, const std::string& text) {
  QLineEdit* target = Box(number);
  Q_ASSERT(target != nullptr);
  if (target == nullptr) return;
  target->setText(QString::fromStdString(text));
  // Show the start of the text: a long station or coordinate is read from
  // its left end.
  target->setCursorPosition(0);
}

QLineEdit* Form1::Box(int number) const {
  if (number < 1 || number > kBoxCount) return nullptr;
  return boxes_[number - 1];
}

QString Form1::BoxText(int number) const {
  const QLineEdit* target = Box(number);
  return target == nullptr ? QString() : target->text();
}

void Form1::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter painter(this);
  for (const LineRow& line : Form1Lines()) {
    // Square caps close the corners where the 3 px frame lines meet.
    QPen pen(kFormLines, line.widthPx, Qt::SolidLine,
             Qt::SquareCap);
    painter.setPen(pen);
    painter.drawLine(TwipsToPixels(line.x1), TwipsToPixels(line.y1),
                     TwipsToPixels(line.x2), TwipsToPixels(line.y2));
  }
}

void Form1::CapComputed(const CapSolution& solution) { sketch_->ShowCap(solution); }

// The results of the previous job no longer stand; the session has emptied
// their boxes.
void Form1::StartCompleted() { sketch_->Clear(); }

void Form1::Command1_Click() { session_.Start(); }

void Form1::Command2_Click() { session_.Compute(); }

// End: nothing to save and nothing to ask; the event loop stops at once.
void Form1::command3_click() { QApplication::quit(); }

}  // namespace capset
