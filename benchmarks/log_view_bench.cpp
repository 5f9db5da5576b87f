// The results table with 10,000 rows, on the offscreen platform: one page
// of cells as the view asks for them, a jump to the end of the log painted,
// and a batch of 1,000 more rows arriving in the open table.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <memory>

#include "bridge_job.h"
#include "cap_session.h"
#include "log_view.h"

namespace capset {
namespace {

using bench::Bridge;
using bench::Silent;
using bench::StartAnswers;

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
