#include "podsumowanie.h"

#include <cstdio>

void podsumowanie_celow::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    // Repeated runs are summed up by their median.
    if (run.error_occurred) continue;
    if (run.run_type == Run::RT_Aggregate ? run.aggregate_name != "median" : run.repetitions > 1) continue;
    const auto cel = run.counters.find("cel_ms");
    if (cel != run.counters.end()) {
      const double ms = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
      wiersze.push_back({run.run_name.str(), ms, cel->second.value, "ms"});
    }
    const auto cel_mb = run.counters.find("cel_MB");
    const auto mb = run.counters.find("MB");
    if (cel_mb != run.counters.end() && mb != run.counters.end())
      wiersze.push_back({run.run_name.str(), mb->second.value, cel_mb->second.value, "MB"});
    const auto cel_x = run.counters.find("cel_x_zlib");
    const auto x = run.counters.find("x_zlib");
    if (cel_x != run.counters.end() && x != run.counters.end())
      wiersze.push_back({run.run_name.str(), x->second.value, cel_x->second.value, "x zlib"});
  }
}

void podsumowanie_celow::Finalize() {
  ConsoleReporter::Finalize();
  if (wiersze.empty()) return;
  std::FILE* out = stdout;
  std::fprintf(out, "\n%-44s %12s %12s  %s\n", "Target", "measured", "target", "");
  for (const wiersz& w : wiersze)
    std::fprintf(out, "%-44s %9.2f %-6s %5.1f %-6s %s\n", w.nazwa.c_str(), w.wynik, w.jednostka, w.cel, w.jednostka,
                 w.wynik <= w.cel ? "ok" : "MISSED");
}
