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
#include "sketch_view.h"

namespace capset {
namespace {

QColor ToQColor(Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

QRect ToPixels(TwipRect r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top),
               TwipsToPixels(r.width), TwipsToPixels(r.height));
}

// Near equivalents of the form's Windows fonts, sized in pixels so that the
// text keeps its place in the twip rectangles whatever the screen's dpi:
// 8.25 pt is 11 px at 96 dpi, 12 pt is 16 px, 15 pt is 20 px.
//
// WenQuanYi Micro Hei comes first for the sans roles because its line is
// 13 px at 11 px: two caption lines fill a 25 px label (375 twips) with only
// the empty bottom row of the descent cut. Noto Sans CJK needs 16 px a line
// and would lose half the second line.
QFont FontFor(FontRole role) {
  QFont font;
  switch (role) {
    case FontRole::kSmallSans:
      font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC"});
      font.setPixelSize(11);
      break;
    case FontRole::kLargeSans:
      font.setFamilies({"WenQuanYi Micro Hei", "Noto Sans CJK SC"});
      font.setPixelSize(16);
      break;
    case FontRole::kHeadingSerif:
      font.setFamilies({"Noto Serif CJK SC", "WenQuanYi Micro Hei"});
      font.setPixelSize(20);
      break;
  }
  font.setBold(true);
  return font;
}

// The captions' blanks were set for ideographs 12 px wide. At 11 px an
// ideograph is 11 px, and then a caption such as "   缓和曲线          起点 ..."
// pulls the first ideograph of its second phrase up onto the first line.
// One pixel of tracking restores the 12 px pitch, and every caption breaks
// at its run of blanks again.
QFont CaptionFont(FontRole role) {
  QFont font = FontFor(role);
  if (role == FontRole::kSmallSans) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  }
  return font;
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
  palette.setColor(QPalette::Window, ToQColor(kBackground));
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
        box->setFont(FontFor(row.font));
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
        button->setFont(FontFor(row.font));
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
  connect(command1_, &QPushButton::clicked, this, &Form1::ClickStart);
  connect(command2_, &QPushButton::clicked, this, &Form1::ClickCompute);
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
    QPen pen(ToQColor(kLineColour), line.widthPx, Qt::SolidLine,
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

void Form1::ClickStart() { session_.Start(); }

void Form1::ClickCompute() { session_.Compute(); }

// End: nothing to save and nothing to ask; the event loop stops at once.
void Form1::command3_click() { QApplication::quit(); }

}  // namespace capset
