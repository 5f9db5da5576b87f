// Time from process start to the window shown, on the offscreen platform.
//
// Each repetition starts this program again as a child ("--child FD"); the
// child builds the real window with the real Qt seam, and once the window's
// first paint has been handled it writes one byte to the pipe FD and ends.
// The parent times fork to that byte with steady_clock, so the figure holds
// the exec, the dynamic loading of Qt, the font set-up and the first paint.

#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "form1.h"
#include "program_window.h"

namespace {

constexpr char kChildFlag[] = "--child";

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

// One start of the program, in seconds; negative if the child failed.
double StartOnce() {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    execl("/proc/self/exe", "window_startup", kChildFlag, fd.c_str(),
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

void BM_StartToWindowShown(benchmark::State& state) {
  for (auto _ : state) {
    const double seconds = StartOnce();
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

BENCHMARK(BM_StartToWindowShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(20)
    ->ComputeStatistics("min", Min)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) {
    return RunChild(argc, argv, std::atoi(argv[2]));
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
