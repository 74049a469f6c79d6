#pragma once

#include <string>
#include <vector>

#include <benchmark/benchmark.h>

// The console output, followed by a table of every benchmark that states a target
// (counter "cel_ms": milliseconds per iteration; "cel_x_zlib": times zlib's own time on the
// same bytes, measured in the same iterations as counter "x_zlib"; "cel_MB": megabytes held,
// counter "MB").
class podsumowanie_celow : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct wiersz {
    std::string nazwa;
    double wynik;
    double cel;
    const char* jednostka;
  };
  std::vector<wiersz> wiersze;
};
