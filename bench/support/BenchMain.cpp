#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

// Every benchmark program draws and measures through Qt, headless.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
