#include <benchmark/benchmark.h>

#include "podsumowanie.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  podsumowanie_celow raport;
  benchmark::RunSpecifiedBenchmarks(&raport);
  benchmark::Shutdown();
  return 0;
}
