// The undo history on the 100 000-point network: the record after an edit, undo and redo of a
// large move, and the memory that many small edits keep.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <vector>

#include "dokument/dokument.h"
#include "io/polecenia_plikow.h"
#include "liczniki.h"
#include "siec_miejska.h"

namespace {

constexpr double MB = 1e6;

// The network with its events and route as a loaded document: its history starts here.
std::unique_ptr<dokument> dokument_sieci() {
  auto d = std::make_unique<dokument>();
  std::unique_ptr<tor_uklad> siec = siec_miejska(SIEC_ZE_ZDARZENIAMI);
  ustaw_domyslne_jak(d->tor, *siec);
  d->tor.szablony = std::move(siec->szablony);
  dolacz_zawartosc(d->tor, *siec);
  d->trasa = TRASA_SIECI;
  d->zgodny_z_plikiem("siec.vxm");
  return d;
}

// Free points spread over the whole array.
std::vector<w_punkt*> wolne_punkty(const tor_uklad& u, int ile) {
  std::vector<w_punkt*> wolne;
  for (w_punkt* punkt : u.p)
    if (!punkt->element) wolne.push_back(punkt);
  std::vector<w_punkt*> wynik;
  for (int i = 0; i < ile; ++i) wynik.push_back(wolne[static_cast<std::size_t>(i) * wolne.size() / ile]);
  return wynik;
}

void zaznacz_jeden(tor_uklad& u, w_punkt* punkt) {
  u.odznacz_wszystko();
  punkt->ZAZNACZ(true);
  u.punkt_kursor = u.linia_kursor = u.ostatni_punkt = -1;
}

// 10 000 free points moved by one drag: one step.
struct przesuniecie_10k {
  std::unique_ptr<dokument> d = dokument_sieci();
  krok_historii krok;

  przesuniecie_10k() {
    d->tor.odznacz_wszystko();
    for (w_punkt* punkt : wolne_punkty(d->tor, 10000)) punkt->ZAZNACZ(true);
    d->tor.przesun_zaznaczone(4.5, -2.5, 0);
    std::optional<krok_historii> k = d->zmiana();
    if (k) krok = std::move(*k);
  }
};

void cofnij_przesuniecie_10k(benchmark::State& state) {
  przesuniecie_10k p;
  for (auto _ : state) {
    if (!p.d->cofnij(p.krok)) state.SkipWithError("undo refused");
    state.PauseTiming();
    p.d->ponow(p.krok);
    state.ResumeTiming();
  }
  opisz_siec(state, p.d->tor);
  state.counters["MB_kroku"] = static_cast<double>(p.krok.pamiec()) / MB;
  cel_ms(state, 50);
}
BENCHMARK(cofnij_przesuniecie_10k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

void ponow_przesuniecie_10k(benchmark::State& state) {
  przesuniecie_10k p;
  for (auto _ : state) {
    state.PauseTiming();
    p.d->cofnij(p.krok);
    state.ResumeTiming();
    if (!p.d->ponow(p.krok)) state.SkipWithError("redo refused");
  }
  opisz_siec(state, p.d->tor);
  cel_ms(state, 50);
}
BENCHMARK(ponow_przesuniecie_10k)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// A free point picked by number, spread over the array.
w_punkt* wolny_punkt(const tor_uklad& u, std::size_t nr) {
  std::size_t i = nr * 7919 % u.p.size();
  while (u.p[i]->element) i = (i + 1) % u.p.size();
  return u.p[i];
}

// What follows every click that edits: the layout recorded and compared with the last step.
// A moved point changes one point record; a deleted point moves the last one into its place
// and shifts the lines after its two.
void zatwierdz_po_edycji(benchmark::State& state, bool usuwanie) {
  std::unique_ptr<dokument> d = dokument_sieci();
  std::size_t nr = 0;
  for (auto _ : state) {
    state.PauseTiming();
    zaznacz_jeden(d->tor, wolny_punkt(d->tor, nr++));
    if (usuwanie)
      d->tor.usun_zaznaczone();
    else
      d->tor.przesun_zaznaczone(0.25, 0, 0);
    state.ResumeTiming();
    if (!d->zmiana()) state.SkipWithError("the edit was not recorded");
  }
  opisz_siec(state, d->tor);
  cel_ms(state, 30);
}
BENCHMARK_CAPTURE(zatwierdz_po_edycji, przesuniecie_punktu, false)
    ->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);
BENCHMARK_CAPTURE(zatwierdz_po_edycji, usuniecie_punktu, true)
    ->Unit(benchmark::kMillisecond)->ComputeStatistics("min", najkrotszy);

// 1 000 edits of one point each, in turn: move, new radius, new point joined to it, deletion.
// Each step stays on the stack; the figure is the steps and the recorded state together.
void historia_1000_edycji_punktow(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<dokument> d = dokument_sieci();
    const std::vector<w_punkt*> punkty = wolne_punkty(d->tor, 1000);
    std::vector<krok_historii> stos;
    state.ResumeTiming();
    for (std::size_t i = 0; i < punkty.size(); ++i) {
      tor_uklad& u = d->tor;
      // Points deleted earlier are not among those chosen: each fourth one is deleted last.
      zaznacz_jeden(u, punkty[i]);
      switch (i % 4) {
        case 0: u.przesun_zaznaczone(0.5, 0.5, 0); break;
        case 1: u.ustaw_promien_zaznaczonych(120); break;
        case 2:
          u.ostatni_punkt = u.indeks_punktu(punkty[i]);
          u.dodaj_punkt(punkty[i]->GET_X() + 3, punkty[i]->GET_Y() + 3, 0);
          break;
        default: u.usun_zaznaczone(); break;
      }
      if (std::optional<krok_historii> k = d->zmiana()) stos.push_back(std::move(*k));
    }
    state.PauseTiming();
    std::size_t kroki = 0;
    for (const krok_historii& k : stos) kroki += k.pamiec();
    state.counters["kroki"] = static_cast<double>(stos.size());
    state.counters["MB_krokow"] = static_cast<double>(kroki) / MB;
    state.counters["MB_stanu"] = static_cast<double>(d->pamiec_historii()) / MB;
    state.counters["MB"] = static_cast<double>(kroki + d->pamiec_historii()) / MB;
    opisz_siec(state, d->tor);
    d.reset();
    state.ResumeTiming();
  }
  state.counters["cel_MB"] = 50;
}
BENCHMARK(historia_1000_edycji_punktow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
