// Time from process start to the window shown, on the offscreen platform.
//
// Each repetition starts this program again as a child ("--child FD"); the
// child builds the real window with the real Qt seam, and once the window's
// first paint has been handled it writes one byte to the pipe FD and ends.
// The parent times fork to that byte with steady_clock, so the figure holds
// the exec, the dynamic loading of Qt, the font set-up and the first paint.
//
// Three children, each also run alone for an instruction count
// (`valgrind --tool=callgrind window_startup --job 1`, which counts
// repeatably where the clock does not on a shared machine):
//   --child  the window as it opens, the log hidden;
//   --job    the whole job: Start answered, one cap computed, the log shown
//            beside the form with its row, then the first paint;
//   --bare   a bare Qt main window around the same form, with the same
//            menus and the same panel: a plain table of the log's headings
//            and one row, sized as Qt sizes a table by default.

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <QDockWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStandardItemModel>
#include <QTableView>
#include <sstream>

#include "form1.h"
#include "log_row.h"
#include "log_view.h"
#include "main_window.h"
#include "program_window.h"
#include "qt_error_reporter.h"
#include "qt_number_reader.h"
#include "window_texts.h"

namespace {

constexpr char kChildFlag[] = "--child";
constexpr char kJobFlag[] = "--job";
constexpr char kBareFlag[] = "--bare";

// Start's and Compute's answers, as a user types them.
class AnsweringPrompt : public capset::Prompt {
 public:
  std::optional<std::string> Ask(const std::string&) override {
    std::string line;
    if (!std::getline(answers_, line)) return std::nullopt;
    return line;
  }

 private:
  std::istringstream answers_{"1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n1050\n7.5\n0.0001\n"};
};

// Signals the parent after the first paint has been drawn (the queued call
// runs once the paint event is done), then ends the child.
class FirstPaintSignal : public QObject {
 public:
  explicit FirstPaintSignal(int fd) : fd_(fd) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !signalled_) {
      signalled_ = true;
      QMetaObject::invokeMethod(
          this,
          [this] {
            const char byte = 1;
            (void)!write(fd_, &byte, 1);
            QCoreApplication::quit();
          },
          Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  int fd_;
  bool signalled_ = false;
};

int RunChild(int argc, char* argv[], int fd) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  capset::ProgramWindow program;
  FirstPaintSignal signal(fd);
  // The form painted inside the main window is what the user waits for.
  program.window.Form().installEventFilter(&signal);
  program.window.show();
  return app.exec();
}

int RunJob(int argc, char* argv[], int fd) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  AnsweringPrompt prompt;
  capset::QtNumberReader reader;
  capset::QtErrorReporter reporter;
  // Day files where they cannot pile up.
  capset::MainWindow window(prompt, reader, reporter, QDir::temp().filePath("capset-window-startup"));
  FirstPaintSignal signal(fd);
  window.Form().installEventFilter(&signal);
  window.show();
  window.Action("StartAction")->trigger();
  window.Action("ComputeAction")->trigger();
  return app.exec();
}

// The same menus and the same panel in plain Qt: the log as a standard
// model of its headings and one row, sized as a bare table sizes itself.
int RunBare(int argc, char* argv[], int fd) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  using namespace capset;
  QMainWindow window;
  auto menu = [&](const char* title, std::initializer_list<const char*> items) {
    QMenu* m = window.menuBar()->addMenu(QString::fromUtf8(title));
    for (const char* item : items) m->addAction(QString::fromUtf8(item));
  };
  menu(kFileMenu, {kOpenJobItem, kSaveJobItem, kSaveJobAsItem, kExportItem, kQuitItem});
  menu(kComputeMenu, {kStartItem, kComputeItem, kBatchItem});
  menu(kViewMenu, {kLogItem});
  menu(kHelpMenu, {kUsageItem, kAboutItem});
  AnsweringPrompt prompt;
  QtNumberReader reader;
  QtErrorReporter reporter;
  auto* central = new QScrollArea;
  auto* form = new Form1(prompt, reader, reporter);
  central->setWidget(form);
  window.setCentralWidget(central);
  const RowTexts headings = RowHeadings(kFixedColumnCount);
  QStandardItemModel model(1, static_cast<int>(headings.size()));
  for (int c = 0; c < model.columnCount(); ++c) {
    model.setHorizontalHeaderItem(c, new QStandardItem(QString::fromStdString(headings[c])));
    model.setItem(0, c, new QStandardItem(QStringLiteral("1033.829")));
  }
  auto* table = new QTableView;
  table->setModel(&model);
  table->resizeColumnsToContents();
  auto* panel = new QDockWidget(QString::fromUtf8(kLogItem), &window);
  panel->setWidget(table);
  window.addDockWidget(Qt::BottomDockWidgetArea, panel);
  // As large as the program's window grows with its log: the screen's room.
  window.resize(QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(16, 48));
  FirstPaintSignal signal(fd);
  form->installEventFilter(&signal);
  window.show();
  return app.exec();
}

// One start of the program, in seconds; negative if the child failed.
double StartOnce(const char* flag) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    execl("/proc/self/exe", "window_startup", flag, fd.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  char byte = 0;
  const bool shown = pid > 0 && read(fds[0], &byte, 1) == 1;
  const auto end = std::chrono::steady_clock::now();
  close(fds[0]);
  if (pid > 0) waitpid(pid, nullptr, 0);
  return shown ? std::chrono::duration<double>(end - start).count() : -1;
}

void StartToFirstPaint(benchmark::State& state, const char* flag) {
  for (auto _ : state) {
    const double seconds = StartOnce(flag);
    if (seconds < 0) {
      state.SkipWithError("the child did not show its window");
      break;
    }
    state.SetIterationTime(seconds);
  }
}

double Min(const std::vector<double>& v) {
  return *std::min_element(v.begin(), v.end());
}

void BM_StartToWindowShown(benchmark::State& state) { StartToFirstPaint(state, kChildFlag); }
void BM_WholeJobShown(benchmark::State& state) { StartToFirstPaint(state, kJobFlag); }
void BM_BareWindowShown(benchmark::State& state) { StartToFirstPaint(state, kBareFlag); }

// Twenty starts each, timed by hand, their median and their least.
void Repeated(benchmark::internal::Benchmark* b) {
  b->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(20)
      ->ComputeStatistics("min", Min)
      ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_WholeJobShown)->Apply(Repeated);
BENCHMARK(BM_BareWindowShown)->Apply(Repeated);
BENCHMARK(BM_StartToWindowShown)->Apply(Repeated);

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) return RunChild(argc, argv, std::atoi(argv[2]));
  if (argc == 3 && std::strcmp(argv[1], kJobFlag) == 0) return RunJob(argc, argv, std::atoi(argv[2]));
  if (argc == 3 && std::strcmp(argv[1], kBareFlag) == 0) return RunBare(argc, argv, std::atoi(argv[2]));
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
