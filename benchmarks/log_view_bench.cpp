// The results table with 10,000 rows, on the offscreen platform: one page
// of cells as the view asks for them, a jump to the end of the log painted,
// and a batch of 1,000 more rows arriving in the open table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <memory>

#include "cap_session.h"
#include "log_view.h"

namespace capset {
namespace {

class StartAnswers : public Prompt {
 public:
  std::optional<std::string> Ask(const std::string&) override {
    static const char* const kAnswers[] = {"1000", "1000", "2000", "45", "0", "100", "1050", "60", "1"};
    if (next_ >= std::size(kAnswers)) return std::nullopt;
    return kAnswers[next_++];
  }

 private:
  std::size_t next_ = 0;
};

struct Silent : ErrorReporter, BoxWriter {
  void ReportError(const std::string&) override {}
  void ReportNotice(const std::string&) override {}
  void WriteBox(int, const std::string&) override {}
};

BatchInput Bridge(int caps) {
  BatchInput input{BatchInput::Axis::kOwn, "7.5", "0.0001", "-3.5 3.5", {}};
  for (int i = 0; i < caps; ++i) input.stations.push_back(std::to_string(i) + "# " + std::to_string(1010 + 0.08 * i));
  return input;
}

struct Table {
  Table() {
    session.Start();
    for (int i = 0; i < 10; ++i) session.Batch(Bridge(1000));
    view = std::make_unique<LogView>(session.Log(), ".");
    view->resize(900, 260);
    view->show();
    QApplication::processEvents();
  }
  StartAnswers prompt;
  FixedNumberReader reader{{}};
  Silent silent;
  Seam seam{prompt, reader, silent, silent};
  CapSession session{seam};
  std::unique_ptr<LogView> view;
};

// The cells of 40 rows, cell by cell, as a paint asks for them.
void BM_PageOfCells(benchmark::State& state) {
  Table table;
  const QAbstractItemModel* model = table.view->model();
  int first = 0;
  for (auto _ : state) {
    for (int row = first; row < first + 40; ++row) {
      for (int column = 0; column < model->columnCount(); ++column) {
        benchmark::DoNotOptimize(model->data(model->index(row, column)));
      }
    }
    first = (first + 997) % 9900;
  }
}
BENCHMARK(BM_PageOfCells)->Unit(benchmark::kMicrosecond);

// From the top to the end of the log and back, each drawn.
void BM_ScrollAndPaint(benchmark::State& state) {
  Table table;
  QScrollBar* bar = table.view->verticalScrollBar();
  for (auto _ : state) {
    bar->setValue(bar->value() == 0 ? bar->maximum() : 0);
    table.view->viewport()->repaint();
  }
}
BENCHMARK(BM_ScrollAndPaint)->Unit(benchmark::kMillisecond);

// 1,000 rows more into an open table of 10,000, columns fitted as the
// window fits them when rows arrive.
void BM_RowsArriveInTheTable(benchmark::State& state) {
  Table table;
  table.view->horizontalHeader()->setResizeContentsPrecision(200);
  const BatchInput more = Bridge(1000);
  for (auto _ : state) {
    table.session.Batch(more);
    table.view->resizeColumnsToContents();
    table.view->scrollToBottom();
    table.view->viewport()->repaint();
  }
}
BENCHMARK(BM_RowsArriveInTheTable)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace capset

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
