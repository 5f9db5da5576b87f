// Where the main window and its log panel stand: sized to the screen, the
// log placed where it leaves the form's results in view, and both kept
// between runs.

#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "form1.h"
#include "form1_layout.h"
#include "main_window.h"

namespace capset {
namespace {

// The log beside the form is worth it from this width on: the number,
// name, solver, curve and centre station columns, and a part of the next.
constexpr int kMinLogWidth = 420;
// The width it takes there when the screen has it.
constexpr int kLogPanelWidth = 800;
// Below the form: the height it takes when the screen has it (a header
// and seven rows), and the least that is worth it (a header and three).
constexpr int kLogPanelHeight = 220;
constexpr int kMinLogHeight = 120;
// The log as a window of its own, where neither beside nor below has room.
constexpr QSize kLogWindow{900, 260};

// The keys of the layout in the settings.
constexpr char kWindowKey[] = "window/geometry";
constexpr char kLogAreaKey[] = "log/area";
constexpr char kLogSizeKey[] = "log/size";
constexpr char kLogWindowKey[] = "log/window";
constexpr char kBeside[] = "beside";
constexpr char kBelow[] = "below";
constexpr char kOwnWindow[] = "window";

QRect ToPixels(TwipRect r) {
  return QRect(TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width), TwipsToPixels(r.height));
}

// `frame` moved the least that keeps it inside `screen` (its top left
// corner inside when it is larger).
QPoint KeptInside(const QRect& frame, const QRect& screen) {
  QPoint at = frame.topLeft();
  at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
  at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
  return at;
}

}  // namespace

// Room is left on the screen for the frame and title bar the window system
// adds around the window; before it is shown they are not known, and a
// usual title bar is assumed.
void MainWindow::FitToScreen() {
  const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
  // The form area never gets so small that the results and the buttons
  // cannot be shown in it whole.
  const int frame = 2 * formArea_->frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  formArea_->setMinimumHeight(TwipsToPixels(kResultsAndButtons.height) + frame + scrollBar);
  const QSize wanted = form_->size() + QSize(frame, frame + menuBar()->sizeHint().height() +
                                                        statusBar()->sizeHint().height());
  if (screen == nullptr) {
    resize(wanted);
    return;
  }
  constexpr QSize kDecorations{16, 48};
  resize(wanted.boundedTo(screen->availableGeometry().size() - kDecorations));
}

void MainWindow::ShowLogPanel() {
  logPanel_->show();
  if (!logPlaced_) PlaceLogPanel();
}

void MainWindow::PlaceLogPanel() {
  logPlaced_ = true;
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QSize decorations = frameGeometry().size() - size();
  const QSize room = available.size() - decorations;
  const int frame = 2 * formArea_->frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
  const int chrome = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
  const QSize form = form_->size() + QSize(frame, frame);

  QString area = layout_ != nullptr ? layout_->value(kLogAreaKey).toString() : QString();
  const int remembered = layout_ != nullptr ? layout_->value(kLogSizeKey).toInt() : 0;

  // Beside: the form keeps its whole width, and its height as far as the
  // screen goes (it scrolls down to its results where it is taller).
  const int formHeight = std::min(form.height(), room.height() - chrome);
  const int formWidth = form.width() + (formHeight < form.height() ? scrollBar : 0);
  const int besideRoom = room.width() - formWidth - separator;
  if ((area.isEmpty() || area == kBeside) && besideRoom >= kMinLogWidth) {
    const int logWidth = std::min(remembered > 0 ? remembered : kLogPanelWidth, besideRoom);
    const QSize size(std::min(std::max(width(), formWidth + separator + logWidth), room.width()),
                     std::min(std::max(height(), formHeight + chrome), room.height()));
    DockLog(Qt::RightDockWidgetArea, size, logWidth, decorations, available);
    return;
  }

  // Below: the window grows down as far as the screen lets it, and the form
  // gives up room down to its results and buttons, which stay in view.
  const int wantedLog = std::max(remembered > 0 && area == kBelow ? remembered : kLogPanelHeight, kMinLogHeight);
  const int height = std::min(std::max(this->height(), chrome + form.height() + separator + wantedLog), room.height());
  const int logHeight = std::min(wantedLog, height - chrome - separator - formArea_->minimumHeight());
  if (area != kOwnWindow && logHeight >= kMinLogHeight) {
    // The form now scrolls up and down: wide enough for it and its scroll
    // bar, so that it need not scroll sideways as well.
    const QSize size(std::min(std::max(width(), form.width() + scrollBar), room.width()), height);
    DockLog(Qt::BottomDockWidgetArea, size, logHeight, decorations, available);
    return;
  }

  // A window of its own, at the foot of the screen.
  logPanel_->setFloating(true);
  QRect own(QPoint(), kLogWindow.boundedTo(room));
  if (layout_ != nullptr && area == kOwnWindow) {
    const QRect kept = layout_->value(kLogWindowKey).toRect();
    if (kept.isValid()) own = QRect(kept.topLeft(), kept.size().boundedTo(room));
  } else {
    own.moveBottomLeft(available.bottomLeft());
  }
  own.moveTopLeft(KeptInside(own, available));
  logPanel_->setGeometry(own);
}

// The log docked in `area`, `logSize` across it, the window at `size` and
// moved no more than it takes to keep it on the screen.
void MainWindow::DockLog(Qt::DockWidgetArea area, QSize size, int logSize, QSize decorations, const QRect& available) {
  logPanel_->setFloating(false);
  addDockWidget(area, logPanel_);
  resize(size);
  move(KeptInside(QRect(frameGeometry().topLeft(), size + decorations), available));
  resizeDocks({logPanel_}, {logSize}, area == Qt::RightDockWidgetArea ? Qt::Horizontal : Qt::Vertical);
}

void MainWindow::KeepResultsInView() {
  const QRect results = ToPixels(kResultsAndButtons);
  formArea_->ensureVisible(results.center().x(), results.center().y(), results.width() / 2, results.height() / 2);
}

// A Compute scrolls the results into view; a change of the area's size
// (the log opening, a scroll bar coming or going, the user's splitter)
// does it again, once the area has taken its new size.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == formArea_->viewport() && event->type() == QEvent::Resize && resultsWanted_) {
    QTimer::singleShot(0, this, [this] {
      if (resultsWanted_) KeepResultsInView();
    });
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::RememberLayout(QSettings& settings) {
  layout_ = &settings;
  const QByteArray geometry = settings.value(kWindowKey).toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
}

void MainWindow::SaveLayout() {
  if (layout_ == nullptr) return;
  layout_->setValue(kWindowKey, saveGeometry());
  // The log's place is known only once it has been shown in this run.
  if (logPlaced_) {
    if (logPanel_->isFloating()) {
      layout_->setValue(kLogAreaKey, kOwnWindow);
      layout_->setValue(kLogWindowKey, logPanel_->geometry());
    } else {
      const bool beside = dockWidgetArea(logPanel_) == Qt::RightDockWidgetArea;
      layout_->setValue(kLogAreaKey, beside ? kBeside : kBelow);
      layout_->setValue(kLogSizeKey, beside ? logPanel_->width() : logPanel_->height());
    }
  }
  layout_->sync();
}

}  // namespace capset
