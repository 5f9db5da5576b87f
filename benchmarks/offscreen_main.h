#pragma once
// The main of a benchmark that draws with Qt: on the offscreen platform
// unless another is asked for, so it runs the same with or without a display.

#include <QApplication>
#include <benchmark/benchmark.h>

namespace capset {

inline int RunOffscreenBenchmarks(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

}  // namespace capset
