// The worker-thread tile loader on real files: the first folder that has a tile wins, a missing
// tile comes back empty, each result is announced.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "imagery/ladowacz_watkowy.h"
#include "imagery/zapis_obrazu.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"

namespace {

// Waits (without a time target: only so that a hang fails instead of blocking) for `n` results.
std::vector<ladowacz_satek::wynik> zbierz(ladowacz_satek& l, std::size_t n) {
  std::vector<ladowacz_satek::wynik> w;
  for (int proba = 0; proba < 6000 && w.size() < n; ++proba) {
    for (auto& x : l.odbierz()) w.push_back(std::move(x));
    if (w.size() < n) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return w;
}

TEST(LadowaczWatkowy, PierwszyKatalogZPlikiemIBrakujace) {
  katalog_tymczasowy katalog;
  const std::string a = katalog.plik("a"), b = katalog.plik("b");
  std::filesystem::create_directories(a + "/sat");
  std::filesystem::create_directories(b + "/sat");
  const auto jpg = [](int bok) {
    return koduj_jpeg(obraz_z(bok, bok, [](int, int) { return std::vector<std::uint8_t>{200, 100, 0}; }), 90);
  };
  zapisz_bajty(a + "/sat/00010002.jpg", jpg(8));
  zapisz_bajty(b + "/sat/00010002.jpg", jpg(16));
  zapisz_bajty(b + "/sat/00030004.jpg", jpg(16));
  std::filesystem::create_directories(a + "/sat/00050006.jpg");  // a folder is no tile

  std::atomic<int> ogloszone{0};
  ladowacz_watkowy l({a, b}, 0, [&] { ++ogloszone; });
  l.zlec({1, 2, 7, "sat/00010002.jpg"});
  l.zlec({3, 4, 7, "sat/00030004.jpg"});
  l.zlec({5, 6, 7, "sat/00050006.jpg"});
  l.zlec({9, 9, 7, "sat/00090009.jpg"});
  const std::vector<ladowacz_satek::wynik> w = zbierz(l, 4);
  ASSERT_EQ(w.size(), 4u);
  EXPECT_EQ(ogloszone.load(), 4);
  EXPECT_EQ(w[0].i, 1);
  EXPECT_EQ(w[0].pokolenie, 7u);
  ASSERT_TRUE(w[0].obraz_satki);
  EXPECT_EQ(w[0].obraz_satki->szerokosc, 8);
  ASSERT_TRUE(w[1].obraz_satki);
  EXPECT_EQ(w[1].obraz_satki->szerokosc, 16);
  EXPECT_FALSE(w[2].obraz_satki);
  EXPECT_FALSE(w[3].obraz_satki);
}

TEST(LadowaczWatkowy, PorzuconeIKoniecZKolejka) {
  katalog_tymczasowy katalog;
  ladowacz_watkowy l({katalog.plik("x")}, 0, {});
  for (int i = 0; i < 200; ++i) l.zlec({i, 0, 1, "sat/00000000.jpg"});
  l.porzuc_zlecone();
  l.zlec({7, 7, 2, "sat/00000000.jpg"});
  // Whatever of the first batch was begun before it was dropped comes first; the new one comes.
  std::vector<ladowacz_satek::wynik> w;
  for (int proba = 0; proba < 6000 && (w.empty() || w.back().pokolenie != 2); ++proba) {
    for (auto& x : l.odbierz()) w.push_back(std::move(x));
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ASSERT_FALSE(w.empty());
  EXPECT_EQ(w.back().pokolenie, 2u);
  EXPECT_EQ(w.back().i, 7);
  // More work queued when the loader goes: its destructor drops it and joins the worker.
  for (int i = 0; i < 200; ++i) l.zlec({i, 0, 3, "sat/00000000.jpg"});
}

}  // namespace
