// Tile names and visible cells, and the tile store with a fake loader: each cell tried once per
// origin, missing files not retried, nearest first, bounded textures that never drop a visible
// tile, stale results after an origin change ignored.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>

#include "imagery/satki.h"
#include "obrazy_testowe.h"
#include "support/malarz_rejestrujacy.h"

namespace {

TEST(NazwaSatki, CyfryKolumnyIWierszaModulo10000) {
  EXPECT_EQ(nazwa_satki(4780, 6192), "sat/47806192.jpg");
  EXPECT_EQ(nazwa_satki(4780 + 3, 6192 + 1), "sat/47836193.jpg");
  EXPECT_EQ(nazwa_satki(9999 + 2, 0), "sat/00010000.jpg");
  EXPECT_EQ(nazwa_satki(-1, -10001), "sat/99999999.jpg");
  EXPECT_EQ(nazwa_satki(-20000, 7), "sat/00000007.jpg");
  EXPECT_EQ(nazwa_satki(std::int64_t{std::numeric_limits<std::int32_t>::min()} - 5, 12345),
            "sat/" + std::to_string(((std::int64_t{std::numeric_limits<std::int32_t>::min()} - 5) % 10000 + 10000) % 10000) +
                "2345.jpg");
}

widok kamera(double przes_x, double przes_y, double skala) {
  widok w;
  w.przes_x = przes_x, w.przes_y = przes_y, w.skala = skala;
  return w;
}

TEST(WidoczneKomorki, PodlogaNieObciecie) {
  // x from -35.3 to 135.3, y from -10 to 90.
  const zakres_komorek z = widoczne_komorki(kamera(-50, -40, 0.02));
  EXPECT_EQ(z.i0, -1);
  EXPECT_EQ(z.i1, 1);
  EXPECT_EQ(z.j0, -1);
  EXPECT_EQ(z.j1, 0);
  // Entirely at negative coordinates: x from -285.3 to -114.7, y from -250 to -150.
  const zakres_komorek ujemny = widoczne_komorki(kamera(200, 200, 0.02));
  EXPECT_EQ(ujemny.i0, -3);
  EXPECT_EQ(ujemny.i1, -2);
  EXPECT_EQ(ujemny.j0, -3);
  EXPECT_EQ(ujemny.j1, -2);
  // A view edge exactly on a cell edge takes the cell beyond it.
  const zakres_komorek krawedz = widoczne_komorki(kamera(0, -100, 0.01));
  EXPECT_EQ(krawedz.j0, 0);
  EXPECT_EQ(krawedz.j1, 2);
}

TEST(WidoczneKomorki, PustePrzyMalejSkaliIZlychWartosciach) {
  EXPECT_TRUE(widoczne_komorki(kamera(0, 0, 0.0009)).pusty());
  EXPECT_FALSE(widoczne_komorki(kamera(0, 0, 0.001)).pusty());
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  for (const widok& w : {kamera(nan, 0, 0.02), kamera(0, inf, 0.02), kamera(1e300, 0, 0.02), kamera(0, -2e9, 0.02),
                         kamera(0, 0, nan), kamera(0, 0, -1)}) {
    EXPECT_TRUE(widoczne_komorki(w).pusty()) << w.przes_x << " " << w.przes_y << " " << w.skala;
  }
  const zakres_komorek daleko = widoczne_komorki(kamera(-5e8, 0, 0.02));
  EXPECT_EQ(daleko.i0, 4999999);
}

TEST(NumerPoczatku, ObcietyLubOdrzucony) {
  EXPECT_EQ(numer_poczatku(4780.9), 4780);
  EXPECT_EQ(numer_poczatku(-3.7), -3);
  EXPECT_EQ(numer_poczatku(2147483647.0), 2147483647);
  EXPECT_FALSE(numer_poczatku(2147483648.0));
  EXPECT_FALSE(numer_poczatku(-3e9));
  EXPECT_FALSE(numer_poczatku(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(numer_poczatku(std::numeric_limits<double>::infinity()));
}

// Decodes what was asked for when the store collects: tiles listed in `istniejace` come back as
// 2 x 2 images, all others as missing. `wstrzymane` keeps results back.
class ladowacz_testowy : public ladowacz_satek {
 public:
  std::set<std::string> istniejace;
  std::vector<zlecenie> zlecone;  // everything ever asked for
  std::deque<zlecenie> oczekujace;
  bool wstrzymane = false;

  void zlec(zlecenie z) override {
    zlecone.push_back(z);
    oczekujace.push_back(std::move(z));
  }
  std::vector<wynik> odbierz() override {
    std::vector<wynik> w;
    if (wstrzymane) return w;
    for (const zlecenie& z : oczekujace) {
      std::optional<obraz> o;
      if (istniejace.count(z.nazwa)) o = obraz_z(2, 2, [](int, int) { return std::vector<std::uint8_t>{1, 2, 3}; });
      w.push_back({z.i, z.j, z.pokolenie, std::move(o)});
    }
    oczekujace.clear();
    return w;
  }
  void porzuc_zlecone() override { oczekujace.clear(); }

  int ile_razy(const std::string& nazwa) const {
    return static_cast<int>(std::count_if(zlecone.begin(), zlecone.end(), [&](const zlecenie& z) { return z.nazwa == nazwa; }));
  }
};

// Texture ids counted up; the live ones are kept.
struct tekstury_testowe {
  unsigned nastepna = 1;
  std::set<unsigned> zywe;
  int usuniete = 0;
  tekstury_satek uslugi() {
    return {[this](const obraz&) {
              zywe.insert(nastepna);
              return nastepna++;
            },
            [this](unsigned& id) {
              EXPECT_EQ(zywe.erase(id), 1u) << id;
              ++usuniete;
              id = 0;
            }};
  }
};

// 2 x 2 images count as 4 * 4 * 4/3 = 21 bytes of texture.
constexpr std::size_t PAMIEC_SATKI = 21;

struct stanowisko {
  ladowacz_testowy* ladowacz;
  tekstury_testowe tekstury;
  std::unique_ptr<magazyn_satek> magazyn;
  explicit stanowisko(ustawienia_satek u = {}) {
    auto l = std::make_unique<ladowacz_testowy>();
    ladowacz = l.get();
    magazyn = std::make_unique<magazyn_satek>(std::move(l), tekstury.uslugi(), u);
    magazyn->ustaw_poczatek(4780, 6192);
  }
  // Frames until nothing in view is waiting (at most `limit`).
  int klatki_do_konca(const widok& w, int limit = 100) {
    int n = 0;
    do {
      malarz_rejestrujacy m;
      magazyn->rysuj(m, w, 1);
      ++n;
    } while (magazyn->laduje() && n < limit);
    return n;
  }
};

TEST(MagazynSatek, KazdaKomorkaRazNaPoczatekBrakujacychNiePonawia) {
  stanowisko s;
  s.ladowacz->istniejace = {"sat/47806192.jpg", "sat/47816192.jpg", "sat/47796191.jpg"};
  const widok w = kamera(-50, -40, 0.02);  // cells -1..1 x -1..0
  s.klatki_do_konca(w);
  for (int k = 0; k < 5; ++k) s.klatki_do_konca(w);
  EXPECT_EQ(s.ladowacz->zlecone.size(), 6u);
  for (int i = -1; i <= 1; ++i)
    for (int j = -1; j <= 0; ++j) EXPECT_EQ(s.ladowacz->ile_razy(nazwa_satki(4780 + i, 6192 + j)), 1);
  EXPECT_EQ(s.magazyn->liczba_tekstur(), 3u);
  EXPECT_EQ(s.magazyn->pamiec_tekstur(), 3 * PAMIEC_SATKI);
  EXPECT_EQ(s.magazyn->postep_ladowania().gotowe, 6);
  EXPECT_EQ(s.magazyn->postep_ladowania().wszystkie, 6);

  // The same origin again: everything is released and read again, missing tiles too.
  s.magazyn->ustaw_poczatek(4780, 6192);
  EXPECT_TRUE(s.tekstury.zywe.empty());
  EXPECT_EQ(s.magazyn->liczba_komorek(), 0u);
  EXPECT_EQ(s.magazyn->pamiec_tekstur(), 0u);
  s.klatki_do_konca(w);
  EXPECT_EQ(s.ladowacz->zlecone.size(), 12u);
  EXPECT_EQ(s.ladowacz->ile_razy("sat/47826192.jpg"), 0);  // out of view
}

TEST(MagazynSatek, NajblizszeSrodkaNajpierwIKilkaNaraz) {
  ustawienia_satek u;
  u.zlecen_naraz = 2;
  stanowisko s(u);
  s.ladowacz->wstrzymane = true;
  // Centre at (150, 50): view x from 64.7 to 235.3, y from 0 to 100: cells 0..2 x 0..1.
  const widok w = kamera(-150, -50, 0.02);
  malarz_rejestrujacy m;
  s.magazyn->rysuj(m, w, 1);
  s.magazyn->rysuj(m, w, 1);
  ASSERT_EQ(s.ladowacz->zlecone.size(), 2u);  // the rest waits for these
  EXPECT_EQ(s.ladowacz->zlecone[0].i, 1);
  EXPECT_EQ(s.ladowacz->zlecone[0].j, 0);
  EXPECT_EQ(s.ladowacz->zlecone[1].i, 0);  // 100 m away, as (1, 1) and (2, 0): the lower column first
  EXPECT_EQ(s.ladowacz->zlecone[1].j, 0);
  EXPECT_TRUE(s.magazyn->laduje());
  EXPECT_EQ(s.magazyn->postep_ladowania().gotowe, 0);
  EXPECT_EQ(s.magazyn->postep_ladowania().wszystkie, 6);
  s.ladowacz->wstrzymane = false;
  EXPECT_EQ(s.klatki_do_konca(w), 3);
  EXPECT_FALSE(s.magazyn->laduje());
  EXPECT_EQ(s.ladowacz->zlecone.size(), 6u);
}

TEST(MagazynSatek, RysujeZaladowaneWKomorkach) {
  stanowisko s;
  s.ladowacz->istniejace = {"sat/47816192.jpg"};
  const widok w = kamera(-50, -40, 0.02);
  s.klatki_do_konca(w);
  malarz_rejestrujacy m;
  s.magazyn->rysuj(m, w, 0.25);
  EXPECT_EQ(m.wywolania, (std::vector<std::string>{"kolor 1 1 1 0.25", "tekstura 1",
                                                    "czworokat 100 0 0 0 200 0 1 0 200 100 1 1 100 100 0 1",
                                                    "bez_tekstury"}));
  malarz_rejestrujacy daleko;
  s.magazyn->rysuj(daleko, kamera(-50, -40, 0.0009), 1);
  EXPECT_TRUE(daleko.wywolania.empty());
  EXPECT_FALSE(s.magazyn->laduje());
  EXPECT_EQ(s.ladowacz->zlecone.size(), 6u);
}

TEST(MagazynSatek, WynikiSprzedZmianyPoczatkuPominiete) {
  stanowisko s;
  s.ladowacz->istniejace = {"sat/47806192.jpg", "sat/00000000.jpg"};
  s.ladowacz->wstrzymane = true;
  const widok w = kamera(-50, -50, 0.1);  // one cell: (0, 0)
  malarz_rejestrujacy m;
  s.magazyn->rysuj(m, w, 1);
  ASSERT_EQ(s.ladowacz->zlecone.size(), 1u);
  // Decoded for the old origin, collected after the change.
  const auto stary = s.ladowacz->oczekujace;
  s.magazyn->ustaw_poczatek(0, 0);
  s.ladowacz->oczekujace = stary;
  s.ladowacz->wstrzymane = false;
  s.klatki_do_konca(w);
  EXPECT_EQ(s.magazyn->liczba_tekstur(), 1u);
  EXPECT_EQ(s.tekstury.nastepna, 2u);  // one texture built: the new origin's
  EXPECT_EQ(s.ladowacz->zlecone.back().nazwa, "sat/00000000.jpg");
}

TEST(MagazynSatek, OgraniczonaPamiecNigdyWidocznych) {
  ustawienia_satek u;
  u.limit_pamieci = 8 * PAMIEC_SATKI;
  stanowisko s(u);
  for (int i = -5; i < 40; ++i)
    for (int j = -5; j < 10; ++j) s.ladowacz->istniejace.insert(nazwa_satki(4780 + i, 6192 + j));
  // A view of 3 x 2 cells panned 20 m per frame across 30 columns.
  for (int krok = 0; krok < 150; ++krok) {
    const widok w = kamera(-50 - 20.0 * krok, -40, 0.02);
    malarz_rejestrujacy m;
    s.magazyn->rysuj(m, w, 1);
    // What was just drawn is alive, and only cells in view were drawn.
    const zakres_komorek z = widoczne_komorki(w);
    for (const auto& p : m.tylko("czworokat")) {
      const int i = static_cast<int>(std::floor(p.x1 / 100)), j = static_cast<int>(std::floor(p.y1 / 100));
      EXPECT_TRUE(z.zawiera(i, j)) << krok;
    }
    for (const std::string& wyw : m.wywolania) {
      if (wyw.rfind("tekstura ", 0) == 0) {
        EXPECT_EQ(s.tekstury.zywe.count(std::stoul(wyw.substr(9))), 1u) << krok;
      }
    }
    EXPECT_LE(s.magazyn->pamiec_tekstur(), u.limit_pamieci) << krok;
    EXPECT_EQ(s.magazyn->pamiec_tekstur(), s.tekstury.zywe.size() * PAMIEC_SATKI);
  }
  EXPECT_GT(s.tekstury.usuniete, 50);
  // Back at the start: the released tiles load again.
  const std::size_t przed = s.ladowacz->zlecone.size();
  s.klatki_do_konca(kamera(-50, -40, 0.02));
  EXPECT_EQ(s.ladowacz->zlecone.size(), przed + 6);
}

TEST(MagazynSatek, WidoczneZostajaPonadLimitem) {
  ustawienia_satek u;
  u.limit_pamieci = 2 * PAMIEC_SATKI;
  stanowisko s(u);
  for (int i = -1; i <= 1; ++i)
    for (int j = -1; j <= 0; ++j) s.ladowacz->istniejace.insert(nazwa_satki(4780 + i, 6192 + j));
  const widok w = kamera(-50, -40, 0.02);
  s.klatki_do_konca(w);
  s.klatki_do_konca(w);
  EXPECT_EQ(s.magazyn->liczba_tekstur(), 6u);
  EXPECT_EQ(s.tekstury.usuniete, 0);
  EXPECT_EQ(s.ladowacz->zlecone.size(), 6u);
  s.klatki_do_konca(kamera(-1050, -40, 0.02));  // all six out of view now: they go
  EXPECT_EQ(s.magazyn->pamiec_tekstur(), 2 * PAMIEC_SATKI);
}

TEST(MagazynSatek, KoniecZwalniaTekstury) {
  tekstury_testowe t;
  {
    auto l = std::make_unique<ladowacz_testowy>();
    l->istniejace = {"sat/00000000.jpg"};
    magazyn_satek m(std::move(l), t.uslugi());
    malarz_rejestrujacy r;
    m.rysuj(r, kamera(-50, -50, 0.1), 1);
    m.rysuj(r, kamera(-50, -50, 0.1), 1);
    EXPECT_EQ(t.zywe.size(), 1u);
  }
  EXPECT_TRUE(t.zywe.empty());
}

}  // namespace
