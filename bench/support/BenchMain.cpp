#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

// Every benchmark program draws and measures through Qt, headless; the editor's benchmarks make widgets.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
