#include "io/eksport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>

#include "app/komunikaty.h"
#include "io/zapisywacz.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

// The unscrambled file, read field by field at byte offsets.
struct plik_eksportu {
  std::vector<std::uint8_t> b;

  std::int32_t i32(std::size_t o) const { return wartosc<std::int32_t>(o); }
  float f32(std::size_t o) const { return wartosc<float>(o); }
  std::uint8_t u8(std::size_t o) const { return b.at(o); }

  template <typename T>
  T wartosc(std::size_t o) const {
    EXPECT_LE(o + sizeof(T), b.size());
    T v{};
    if (o + sizeof(T) <= b.size()) std::memcpy(&v, b.data() + o, sizeof(T));
    return v;
  }
};

// The records of a layout; the header is checked on the way: tag, version, size, count.
plik_eksportu eksport(const tor_uklad& u, const trasa_info& trasa = {}) {
  plik_eksportu p{rekordy_eksportu(u, trasa)};
  EXPECT_EQ(p.u8(0), 0x78);
  EXPECT_EQ(p.u8(1), 1);
  EXPECT_EQ(p.i32(2), static_cast<std::int32_t>(p.b.size()));
  EXPECT_EQ(p.i32(6), u.pmax() + u.lmax());
  return p;
}

// A point with n lines to new end points around it; with an element, all of them in it.
tor_punkt* gwiazda(tor_uklad& u, w_element* el, int n) {
  tor_punkt* srodek = el ? dodaj_punkt_elementu(u, el, 0, 0) : dodaj_punkt_toru(u, 0, 0);
  for (int i = 0; i < n; ++i) {
    const double x = 10 * std::cos(i * 2.0);
    const double y = 10 * std::sin(i * 2.0);
    tor_punkt* koniec = el ? dodaj_punkt_elementu(u, el, x, y) : dodaj_punkt_toru(u, x, y);
    if (el)
      polacz_w_elemencie(u, srodek, koniec);
    else
      polacz_tor(u, srodek, koniec);
  }
  return srodek;
}

// ---- Point and line records ----

TEST(RekordyEksportu, DwaPunktyIJednaLinia) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0, 5, 1);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0, 5, 1);
  A->parametr1 = 0.1;
  B->parametr1 = 0.3;
  u.przeswit_akt = 1;
  polacz_tor(u, A, B);
  u.przelicz_wszystko();

  const plik_eksportu p = eksport(u, trasa_info{4, 1999, 77});
  ASSERT_EQ(p.b.size(), 122u);
  EXPECT_EQ(p.i32(6), 3);
  // Point 0: a track end, p1 of the line (record 2).
  EXPECT_EQ(p.i32(10), 1);
  EXPECT_EQ(p.i32(14), 1);
  EXPECT_EQ(p.i32(18), 2);
  EXPECT_EQ(p.i32(22), 0);
  EXPECT_EQ(p.i32(26), 0);
  // Point 1: p2 of the line.
  EXPECT_EQ(p.i32(30), 1);
  EXPECT_EQ(p.i32(34), 1);
  EXPECT_EQ(p.i32(38), 2);
  EXPECT_EQ(p.i32(42), 1);
  EXPECT_EQ(p.i32(46), 0);
  // The line: from (0, 0) towards (10, 0) is written as direction (1, 0).
  EXPECT_EQ(p.i32(50), 3);
  EXPECT_EQ(p.i32(54), 1);
  EXPECT_EQ(p.f32(58), 0.0f);
  EXPECT_EQ(p.f32(62), 0.0f);
  EXPECT_EQ(p.f32(66), 0.0f);
  EXPECT_EQ(p.f32(70), 1.0f);
  EXPECT_EQ(p.f32(74), 0.0f);
  EXPECT_EQ(p.f32(78), 0.0f);
  EXPECT_EQ(p.f32(82), 10.0f);
  EXPECT_EQ(p.f32(86), 0.1f);
  EXPECT_EQ(p.f32(90), 0.3f);
  EXPECT_EQ(p.i32(94), 0);
  EXPECT_EQ(p.i32(98), 1);
  EXPECT_EQ(p.i32(102), 0);
  EXPECT_EQ(p.i32(106), 0);
  // Route information.
  EXPECT_EQ(p.i32(110), 4);
  EXPECT_EQ(p.i32(114), 1999);
  EXPECT_EQ(p.i32(118), 77);
}

TEST(RekordyEksportu, PunktBezLiniiIPunktZWiecejNizTrzemaLiniami) {
  tor_uklad u;
  dodaj_punkt_toru(u, 5, 5);
  plik_eksportu p = eksport(u);
  ASSERT_EQ(p.b.size(), 30u);
  EXPECT_EQ(p.i32(10), 0);
  EXPECT_EQ(p.i32(14), 0);

  tor_uklad w;
  gwiazda(w, nullptr, 4);
  p = eksport(w);
  ASSERT_EQ(p.b.size(), 22u + 4 * 60 + 4 + 4 * 20);
  EXPECT_EQ(p.i32(10), 0);  // only the trailing 0
  EXPECT_EQ(p.i32(14), 1);  // the next point's record
}

// A right-angle vertex P (index 0) between A = (0, -10) on its line 0 and B on its line 1.
struct wierzcholek {
  tor_uklad u;
  tor_punkt* P;
  explicit wierzcholek(double bx, w_element* (*element)(tor_uklad&) = nullptr) {
    w_element* el = element ? element(u) : nullptr;
    P = el ? dodaj_punkt_elementu(u, el, 0, 0) : dodaj_punkt_toru(u, 0, 0);
    tor_punkt* A = el ? dodaj_punkt_elementu(u, el, 0, -10) : dodaj_punkt_toru(u, 0, -10);
    tor_punkt* B = el ? dodaj_punkt_elementu(u, el, bx, 0) : dodaj_punkt_toru(u, bx, 0);
    u.wstawianie_bloku = 1;
    polacz_tor(u, P, A);  // P is p1: end bit 0
    polacz_tor(u, B, P);  // P is p2: end bit 1
    u.wstawianie_bloku = 0;
    P->z = 1;
    P->wysokosc2 = 3;
    P->parametr1 = 0.25;
    P->parametr2 = 0.5;
    u.przelicz_wszystko();
  }
};

TEST(RekordyEksportu, LukWPrawoPiszeOdPoczatku) {
  wierzcholek w(10);
  ASSERT_EQ(w.P->skret, 1);
  ASSERT_NEAR(w.P->kat_poczatkowy, 270, 1e-9);
  ASSERT_NEAR(w.P->kat_koncowy, 360, 1e-9);
  const plik_eksportu p = eksport(w.u);
  EXPECT_EQ(p.i32(10), 2);
  EXPECT_EQ(p.i32(14), 0);
  EXPECT_EQ(p.f32(18), static_cast<float>(w.P->srodek_x));
  EXPECT_EQ(p.f32(22), static_cast<float>(w.P->srodek_y));
  EXPECT_EQ(p.f32(26), 1.0f);
  EXPECT_EQ(p.f32(30), static_cast<float>(w.P->kat_poczatkowy));
  EXPECT_EQ(p.f32(34), static_cast<float>(w.P->kat_koncowy));
  EXPECT_EQ(p.f32(38), 2.0f);
  EXPECT_EQ(p.f32(42), 5.0f);
  EXPECT_EQ(p.f32(46), 0.25f);
  EXPECT_EQ(p.f32(50), 0.5f);
  EXPECT_EQ(p.i32(54), 3);
  EXPECT_EQ(p.i32(58), 4);
  EXPECT_EQ(p.i32(62), 2);
  EXPECT_EQ(p.i32(66), 0);
}

TEST(RekordyEksportu, LukWLewoPiszeDrugaWysokoscIKoniecNajpierw) {
  wierzcholek w(-10);
  ASSERT_EQ(w.P->skret, -1);
  ASSERT_NEAR(w.P->kat_poczatkowy, 0, 1e-9);
  ASSERT_NEAR(w.P->kat_koncowy, 90, 1e-9);
  const plik_eksportu p = eksport(w.u);
  EXPECT_EQ(p.i32(10), 2);
  EXPECT_EQ(p.f32(26), 3.0f);
  EXPECT_EQ(p.f32(30), static_cast<float>(w.P->kat_koncowy));
  EXPECT_EQ(p.f32(34), static_cast<float>(w.P->kat_poczatkowy));
  EXPECT_EQ(p.f32(38), -2.0f);
  EXPECT_EQ(p.f32(46), 0.5f);
  EXPECT_EQ(p.f32(50), 0.25f);
}

TEST(RekordyEksportu, WysokosciPunktowElementuSaSwiatowe) {
  wierzcholek w(10, [](tor_uklad& u) { return u.nowy_element(0, 0, 10); });
  const plik_eksportu p = eksport(w.u);
  EXPECT_EQ(p.f32(26), 11.0f);  // z 1 + element z 10
  EXPECT_EQ(p.f32(38), 2.0f);   // second elevation 3 + 10, less 11
  // Line 0 (P to A) starts at P, line 0 of P: world z; A's z is 0 + 10.
  const std::size_t linia0 = 10 + 60 + 20 + 20;
  EXPECT_EQ(p.f32(linia0 + 16), 11.0f);
  EXPECT_EQ(p.f32(linia0 + 28), static_cast<float>((10.0 - 11.0) / w.u.linia(0)->dlugosc()));
}

TEST(RekordyEksportu, LiniaBierzeWysokoscIParametrWedlugMiejscaWPunkcie) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0);
  A->z = 0.5;
  A->parametr1 = 0.125;
  B->parametr1 = 0.75;
  P->z = 1;
  P->wysokosc2 = 3;
  P->parametr1 = 0.25;
  P->parametr2 = 0.5;
  tor_linia* L0 = polacz_tor(u, A, P);
  tor_linia* L1 = polacz_tor(u, P, B);
  u.przelicz_wszystko();
  ASSERT_EQ(P->skret, 1);
  const double t = P->dlugosc_stycznej;
  ASSERT_NEAR(t, 5, 1e-9);

  const plik_eksportu p = eksport(u);
  const std::size_t o0 = 10 + 20 + 60 + 20;
  EXPECT_EQ(p.i32(o0), 3);
  EXPECT_EQ(p.f32(o0 + 8), 0.0f);
  EXPECT_EQ(p.f32(o0 + 12), -10.0f);
  EXPECT_EQ(p.f32(o0 + 16), 0.5f);
  // Heights make the direction three-dimensional; its plan part is written.
  EXPECT_EQ(p.f32(o0 + 20), static_cast<float>(-L0->kx));
  EXPECT_EQ(p.f32(o0 + 24), static_cast<float>(-L0->ky));
  EXPECT_NEAR(p.f32(o0 + 24), 1.0f, 0.002f);
  EXPECT_EQ(p.f32(o0 + 28), static_cast<float>((1.0 - 0.5) / L0->dlugosc()));
  EXPECT_NEAR(p.f32(o0 + 28), 0.1f, 1e-3);
  EXPECT_EQ(p.f32(o0 + 32), static_cast<float>(L0->dlugosc()));
  EXPECT_EQ(p.f32(o0 + 36), 0.125f);
  EXPECT_EQ(p.f32(o0 + 40), 0.25f);  // line 0 of P: parameter 1
  EXPECT_EQ(p.i32(o0 + 44), 0);
  EXPECT_EQ(p.i32(o0 + 48), 1);
  EXPECT_EQ(p.i32(o0 + 52), 0);
  EXPECT_EQ(p.i32(o0 + 56), 0);

  const std::size_t o1 = o0 + 60;
  EXPECT_EQ(p.f32(o1 + 8), static_cast<float>(0 - L1->kx * t));  // start of the straight part
  EXPECT_EQ(p.f32(o1 + 12), 0.0f);
  EXPECT_EQ(p.f32(o1 + 16), 3.0f);  // line 1 of P: second elevation
  EXPECT_EQ(p.f32(o1 + 20), static_cast<float>(-L1->kx));
  EXPECT_EQ(p.f32(o1 + 28), static_cast<float>((0.0 - 3.0) / L1->dlugosc()));
  EXPECT_EQ(p.f32(o1 + 36), 0.5f);  // and parameter 2
  EXPECT_EQ(p.f32(o1 + 40), 0.75f);
  EXPECT_EQ(p.i32(o1 + 44), 1);
  EXPECT_EQ(p.i32(o1 + 48), 2);
  EXPECT_EQ(p.i32(o1 + 52), 1);  // not line 0 of its start
}

TEST(RekordyEksportu, TrzeciaLiniaPunktuBierzeWysokoscWedlugSkretu) {
  tor_uklad u;
  tor_punkt* Q = gwiazda(u, nullptr, 3);
  Q->z = 1;
  Q->wysokosc2 = 2;
  Q->parametr1 = 0.25;
  Q->parametr2 = 0.5;
  u.przelicz_wszystko();
  const std::size_t o2 = 10 + 28 + 3 * 20 + 2 * 60;  // line 2, starting at Q
  for (int skret : {-1, 0, 1}) {
    Q->skret = skret;  // a switch point keeps the turn it had
    const plik_eksportu p = eksport(u);
    EXPECT_EQ(p.f32(o2 + 16), skret < 1 ? 2.0f : 1.0f) << skret;
    EXPECT_EQ(p.f32(o2 + 36), skret < 1 ? 0.5f : 0.25f) << skret;
    EXPECT_EQ(p.i32(o2 + 52), 1) << skret;
  }
}

TEST(RekordyEksportu, SpadekBezSkonczonejWartosciJestZerem) {
  const std::size_t spadek = 10 + 20 + 20 + 28;
  // Zero straight length, no height difference: 0/0.
  tor_uklad u;
  polacz_tor(u, dodaj_punkt_toru(u, 3, 3), dodaj_punkt_toru(u, 3, 3));
  u.przelicz_wszystko();
  ASSERT_TRUE(u.sprawdz_geometrie());
  plik_eksportu p = eksport(u);
  EXPECT_EQ(p.f32(spadek), 0.0f);
  EXPECT_EQ(p.f32(spadek + 4), 0.0f);

  // Tangents that take the whole line, with a rise: 1/0.
  tor_uklad w;
  tor_punkt* A = dodaj_punkt_toru(w, 0, 0);
  tor_punkt* B = dodaj_punkt_toru(w, 10, 0);
  polacz_tor(w, A, B);
  w.przelicz_wszystko();
  A->dlugosc_stycznej = 4;
  B->dlugosc_stycznej = 6;
  B->z = 1;
  p = eksport(w);
  EXPECT_EQ(p.f32(spadek), 0.0f);

  // A finite gradient beyond the range of a single.
  A->dlugosc_stycznej = 10 - 1e-10;
  B->dlugosc_stycznej = 0;
  B->z = 1e30;
  p = eksport(w);
  EXPECT_EQ(p.f32(spadek), 0.0f);
  EXPECT_EQ(p.f32(spadek + 4), static_cast<float>(w.linia(0)->dlugosc()));
}

// ---- Turnout branch points ----

// A switch point (index 0) at the origin with lines 0, 1, 2 to the given far ends; a line
// listed in `do_punktu` runs from its far end to the switch point (end bit 1).
struct rozjazd {
  tor_uklad u;
  tor_punkt* A;
  rozjazd(std::array<wektor, 3> konce, std::array<bool, 3> do_punktu = {}, w_element* (*element)(tor_uklad&) = nullptr) {
    w_element* el = element ? element(u) : nullptr;
    A = el ? dodaj_punkt_elementu(u, el, 0, 0) : dodaj_punkt_toru(u, 0, 0);
    u.wstawianie_bloku = 1;
    for (int i = 0; i < 3; ++i) {
      tor_punkt* K = el ? dodaj_punkt_elementu(u, el, konce[i].x, konce[i].y)
                        : dodaj_punkt_toru(u, konce[i].x, konce[i].y);
      if (do_punktu[i])
        polacz_tor(u, K, A);
      else
        polacz_tor(u, A, K);
    }
    u.wstawianie_bloku = 0;
  }
  // The record numbers of the trunk and of the branches in the order written (lines are 4, 5, 6).
  std::array<std::int32_t, 3> kolejnosc() const {
    const plik_eksportu p = eksport(u);
    EXPECT_EQ(p.i32(10), 4);
    return {p.i32(18), p.i32(22), p.i32(26)};
  }
  std::int32_t bity() const { return eksport(u).i32(30); }
};

using kolejnosc_galezi = std::array<std::int32_t, 3>;

TEST(Rozjazd, PienIGaleziePoKolei) {
  // Trunk on line 0; the branch straighter on from it (smaller product) first.
  EXPECT_EQ(rozjazd({{{-10, -1}, {10, 3}, {10, 0}}}).kolejnosc(), (kolejnosc_galezi{4, 5, 6}));
  EXPECT_EQ(rozjazd({{{-10, -1}, {10, 0}, {10, 3}}}).kolejnosc(), (kolejnosc_galezi{4, 6, 5}));
  // Trunk on line 1 (P < 0): branches line 0, then line 2, unless line 2 is the straighter.
  EXPECT_EQ(rozjazd({{{10, 0}, {-10, 1}, {10, 2}}}).kolejnosc(), (kolejnosc_galezi{5, 4, 6}));
  EXPECT_EQ(rozjazd({{{10, 2}, {-10, 1}, {10, 0}}}).kolejnosc(), (kolejnosc_galezi{5, 6, 4}));
}

TEST(Rozjazd, PrzyRownosciPierwszaGalazNajpierw) {
  EXPECT_EQ(rozjazd({{{-10, 0}, {10, 1}, {10, -1}}}).kolejnosc(), (kolejnosc_galezi{4, 5, 6}));
  EXPECT_EQ(rozjazd({{{-10, 0}, {10, -1}, {10, 1}}}).kolejnosc(), (kolejnosc_galezi{4, 5, 6}));
  // Trunk on line 2: the first branch is line 1, the second line 0.
  EXPECT_EQ(rozjazd({{{10, 0}, {10, 2}, {-10, 0}}}).kolejnosc(), (kolejnosc_galezi{6, 5, 4}));
}

TEST(Rozjazd, IloczynyPorownywaneJakoSingle) {
  // Products -100 + 1e-6 and -100 differ as doubles but not as singles: a tie.
  EXPECT_EQ(rozjazd({{{-10, 0}, {10 - 1e-7, 1}, {10, -1}}}).kolejnosc(), (kolejnosc_galezi{4, 5, 6}));
  // P = 1e-30 and Q = -1e-30: their single product underflows to -0, which counts as >= 0.
  EXPECT_EQ(rozjazd({{{-1e-15, 0}, {-1e-15, 0}, {1e-15, 0}}}).kolejnosc(), (kolejnosc_galezi{4, 6, 5}));
}

TEST(Rozjazd, BityKoncowWKolejnosciZapisu) {
  // Line 1 ends at the switch point.
  EXPECT_EQ(rozjazd({{{-10, -1}, {10, 3}, {10, 0}}}, {false, true, false}).bity(), 2);
  EXPECT_EQ(rozjazd({{{-10, -1}, {10, 0}, {10, 3}}}, {false, true, false}).bity(), 4);
  EXPECT_EQ(rozjazd({{{-10, -1}, {10, 0}, {10, 3}}}, {true, false, false}).bity(), 1);
}

TEST(Rozjazd, Bit3ZPrzelozeniaElementu) {
  const std::array<wektor, 3> konce{{{-10, 0}, {10, 1}, {10, -1}}};
  for (std::int32_t przelozenie : {0, 1, 2, 3}) {
    rozjazd r(konce, {}, [](tor_uklad& u) { return u.nowy_element(0, 0, 0); });
    r.u.e[0]->przelozenie = przelozenie;
    EXPECT_EQ(r.bity(), (przelozenie & 1) << 3) << przelozenie;
  }
  rozjazd wolny(konce);
  EXPECT_EQ(wolny.bity(), 0);
}

// ---- Event points ----

// An event point Z (index 0) on the line from (-10, 0) to (10, 0), its two ends after it.
struct punkt_ze_zdarzeniem {
  tor_uklad u;
  tor_punkt* Z;
  punkt_ze_zdarzeniem() {
    Z = dodaj_punkt_toru(u, 0, 0);
    polacz_tor(u, Z, dodaj_punkt_toru(u, -10, 0));
    polacz_tor(u, dodaj_punkt_toru(u, 10, 0), Z);
    Z->z = 2;
    Z->punkt_zdarzenia = 1;
    zdarzenie z;
    z.typ = ZD_SYGNALIZATOR;
    z.typ_b = 7;
    z.kierunek = KIERUNEK_PRAWO | PO_OSTATNIM_WOZKU;
    z.argument = 42;
    z.rezerwa = 1.5;
    Z->zdarzenia.dodaj(z);
    u.przelicz_wszystko();
  }
  zdarzenie& dane() { return Z->zdarzenia.pierwszy()->dane; }
};

TEST(PunktZdarzenia, RekordTypu5) {
  punkt_ze_zdarzeniem z;
  const plik_eksportu p = eksport(z.u);
  EXPECT_EQ(p.i32(10), 5);
  EXPECT_EQ(p.i32(14), ZD_SYGNALIZATOR);
  EXPECT_EQ(p.i32(18), 7);
  EXPECT_EQ(p.u8(22), 5);
  EXPECT_EQ(p.i32(23), 42);
  EXPECT_EQ(p.f32(27), 1.5f);
  EXPECT_EQ(p.i32(31), 3);
  EXPECT_EQ(p.i32(35), 4);
  EXPECT_EQ(p.i32(39), 2);
  EXPECT_EQ(p.f32(43), 0.0f);
  EXPECT_EQ(p.f32(47), 0.0f);
  EXPECT_EQ(p.f32(51), 2.0f);
  EXPECT_EQ(p.i32(55), 0);
  EXPECT_EQ(p.b.size(), 22u + 49 + 2 * 20 + 2 * 60);

  z.Z->punkt_zdarzenia = 0;
  EXPECT_EQ(eksport(z.u).i32(10), 2);
}

TEST(PunktZdarzenia, CzujnikWskazujeOstatniPunktRozjazduElementu) {
  punkt_ze_zdarzeniem z;  // points 0-2
  tor_uklad& u = z.u;
  w_element* e0 = u.nowy_element(0, 0, 0);
  w_element* e1 = u.nowy_element(0, 0, 0);
  w_element* e2 = u.nowy_element(0, 0, 0);
  gwiazda(u, e1, 3);       // point 3
  gwiazda(u, e0, 3);       // point 7
  gwiazda(u, e1, 3);       // point 11
  gwiazda(u, nullptr, 3);  // point 15, no element
  gwiazda(u, e1, 2);       // point 19, two lines
  gwiazda(u, e2, 2);       // point 22, e2 has no switch point
  ASSERT_EQ(u.pmax(), 25);

  z.dane().typ = ZD_CZUJNIK;
  const std::pair<std::int32_t, std::int32_t> przypadki[] = {{1, 11}, {0, 7}, {2, -1}, {3, -1}, {-1, -1}};
  for (auto [argument, punkt] : przypadki) {
    z.dane().argument = argument;
    EXPECT_EQ(eksport(u).i32(23), punkt) << argument;
  }
  z.dane().typ = ZD_PRZYSTANEK;
  z.dane().argument = 1;
  EXPECT_EQ(eksport(u).i32(23), 1);
}

// ---- Preparation ----

TEST(Przygotowanie, DwaZdarzeniaDajaTrzyLinieIDwaPunktyZdarzen) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0, 5, 1);
  tor_punkt* B = dodaj_punkt_toru(u, 10, 0, 5, 1);
  A->z = 2;
  B->z = 6;
  A->ZAZNACZ(true);
  tor_linia* L = polacz_tor(u, A, B);
  L->przeswit = 1;
  L->obiekt = 1;
  zdarzenie z1;
  z1.typ = ZD_PRZYSTANEK;
  z1.typ_b = 3;
  z1.kierunek = KIERUNEK_LEWO;
  z1.pozycja = 0.25;
  z1.argument = 9;
  z1.rezerwa = 0.5;
  zdarzenie z2 = z1;
  z2.typ = ZD_PRZERWA;
  z2.pozycja = 0.75;
  L->zdarzenia.dodaj(z1);
  L->zdarzenia.dodaj(z2);
  u.przelicz_wszystko();

  przygotuj_eksport(u, "a.layout");
  ASSERT_EQ(u.pmax(), 4);
  ASSERT_EQ(u.lmax(), 3);
  const tor_punkt* N1 = u.punkt(2);
  const tor_punkt* N2 = u.punkt(3);
  EXPECT_EQ(N1->GET_X(), 2.5);
  EXPECT_EQ(N1->GET_Y(), 0.0);
  EXPECT_EQ(N2->GET_X(), 7.5);
  // Heights follow the line's gradient.
  EXPECT_EQ(N1->z, 3.0);
  EXPECT_EQ(N1->wysokosc2, 3.0);
  EXPECT_EQ(N2->z, 5.0);
  for (const tor_punkt* N : {N1, N2}) {
    EXPECT_EQ(N->punkt_zdarzenia, 1);
    EXPECT_EQ(N->przeswit, 1);
    EXPECT_EQ(N->obiekt, 1);
    ASSERT_EQ(N->ILE_ZDARZEN(), 1);
    EXPECT_EQ(N->zdarzenia.pierwszy()->dane.pozycja, 0.0);
    EXPECT_EQ(N->zdarzenia.pierwszy()->dane.typ_b, 3);
    EXPECT_EQ(N->zdarzenia.pierwszy()->dane.kierunek, KIERUNEK_LEWO);
    EXPECT_EQ(N->zdarzenia.pierwszy()->dane.argument, 9);
    EXPECT_EQ(N->zdarzenia.pierwszy()->dane.rezerwa, 0.5);
  }
  EXPECT_EQ(N1->zdarzenia.pierwszy()->dane.typ, ZD_PRZYSTANEK);
  EXPECT_EQ(N2->zdarzenia.pierwszy()->dane.typ, ZD_PRZERWA);
  // The chain between the new points, then the lines from the old ends.
  const std::pair<const w_punkt*, const w_punkt*> konce[] = {{N1, N2}, {A, N1}, {B, N2}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(u.l[i]->p1, konce[i].first) << i;
    EXPECT_EQ(u.l[i]->p2, konce[i].second) << i;
    EXPECT_EQ(u.linia(i)->przeswit, 1);
    EXPECT_EQ(u.linia(i)->obiekt, 1);
    EXPECT_EQ(u.l[i]->ILE_ZDARZEN(), 0);
  }
  EXPECT_TRUE(u.sprawdz_geometrie());
  // The editing settings are kept; as after adding a point, the last new point is selected.
  EXPECT_EQ(u.przeswit_akt, 0);
  EXPECT_EQ(u.obiekt_domyslny, 0);
  EXPECT_FALSE(A->CZY_ZAZNACZONY());
  EXPECT_TRUE(N2->CZY_ZAZNACZONY());
  EXPECT_EQ(u.ostatni_punkt, 3);

  const plik_eksportu p = eksport(u);
  EXPECT_EQ(p.i32(6), 7);
  const std::size_t o1 = 10 + 20 + 20;
  const std::size_t o2 = o1 + 49;
  EXPECT_EQ(p.i32(o1), 5);
  EXPECT_EQ(p.i32(o1 + 4), ZD_PRZYSTANEK);
  EXPECT_EQ(p.i32(o1 + 21), 4);
  EXPECT_EQ(p.i32(o1 + 25), 5);
  EXPECT_EQ(p.i32(o1 + 29), 2);
  EXPECT_EQ(p.f32(o1 + 33), 2.5f);
  EXPECT_EQ(p.f32(o1 + 41), 3.0f);
  EXPECT_EQ(p.i32(o2), 5);
  EXPECT_EQ(p.i32(o2 + 4), ZD_PRZERWA);
  EXPECT_EQ(p.i32(o2 + 21), 4);
  EXPECT_EQ(p.i32(o2 + 25), 6);
  EXPECT_EQ(p.i32(o2 + 29), 3);
}

TEST(Przygotowanie, KonczySiePrzeliczeniem) {
  // The vertex S turns right with the evented line as its line 0; the replacing line comes
  // last in its list, so its turn has to be worked out again.
  tor_uklad u;
  tor_punkt* S = dodaj_punkt_toru(u, 0, 0);
  tor_linia* L = polacz_tor(u, S, dodaj_punkt_toru(u, 0, -10));
  tor_linia* M = polacz_tor(u, S, dodaj_punkt_toru(u, 10, 0));
  zdarzenie z;
  z.pozycja = 0.5;
  L->zdarzenia.dodaj(z);
  u.przelicz_wszystko();
  ASSERT_EQ(S->skret, 1);

  przygotuj_eksport(u, "a.layout");
  ASSERT_EQ(S->li[0], M);
  EXPECT_EQ(S->skret, -1);
  EXPECT_NEAR(S->kat_poczatkowy, -90, 1e-9);
  EXPECT_NEAR(S->kat_koncowy, 0, 1e-9);
  EXPECT_NEAR(S->dlugosc_stycznej, 5, 1e-9);
  EXPECT_NEAR(u.punkt(3)->GET_Y(), -7.5, 1e-12);
}

// The preparation as first described: each event point added through dodaj_punkt (which
// recomputes the layout), the replaced line deleted by shifting and the scan started again
// from line 0. With the same mends: heights, track object, settings restored, a final recompute.
void przygotuj_doslownie(tor_uklad& u) {
  const int przeswit = u.przeswit_akt;
  const int obiekt = u.obiekt_domyslny;
  for (int i = 0; i < u.lmax(); ++i) {
    tor_linia* L = u.linia(i);
    if (L->zdarzenia.pusta()) continue;
    u.punkt_kursor = -1;
    u.linia_kursor = -1;
    u.ostatni_punkt = -1;
    u.przeswit_akt = L->przeswit;
    u.obiekt_domyslny = L->obiekt;
    tor_punkt* S = L->poczatek();
    tor_punkt* E = L->koniec();
    tor_punkt* pierwszy = nullptr;
    tor_punkt* nowy = nullptr;
    for (const wezel_zdarzenia* w = L->zdarzenia.pierwszy(); w; w = w->nastepny.get()) {
      const double tS = S->dlugosc_stycznej;
      const double tE = E->dlugosc_stycznej;
      const double a = tS + (L->dl - tS - tE) * w->dane.pozycja;
      const double hS = koniec_toru_w_punkcie(*L, *S).wysokosc;
      const double hE = koniec_toru_w_punkcie(*L, *E).wysokosc;
      const double h = hS + (hE - hS) * w->dane.pozycja;
      u.dodaj_punkt(S->GET_X() - a * L->kx, S->GET_Y() - a * L->ky, h);
      nowy = u.punkt(u.pmax() - 1);
      nowy->wysokosc2 = h;
      nowy->punkt_zdarzenia = 1;
      zdarzenie z = w->dane;
      z.pozycja = 0;
      nowy->zdarzenia.dodaj(z);
      if (!pierwszy) pierwszy = nowy;
    }
    u.usun_linie(L);
    u.polacz(S, pierwszy);
    u.polacz(E, nowy);
    i = -1;
  }
  u.przeswit_akt = przeswit;
  u.obiekt_domyslny = obiekt;
  u.przelicz_wszystko();
}

// Chains of free track with random heights, parameters, gauges and selection, some branches to
// switch points, and events on about a third of the lines.
void losowy_uklad(tor_uklad& u, unsigned ziarno) {
  std::mt19937 g(ziarno);
  auto los = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
  auto calk = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
  const int lancuchy = calk(1, 4);
  for (int c = 0; c < lancuchy; ++c) {
    const int przeswit = calk(0, 1);
    u.przeswit_akt = przeswit;
    tor_punkt* poprzedni = nullptr;
    const int n = calk(2, 6);
    for (int i = 0; i < n; ++i) {
      tor_punkt* t = dodaj_punkt_toru(u, los(0, 1000), los(0, 1000), calk(0, 1) ? 25 : 100, przeswit);
      t->z = los(0, 5);
      t->wysokosc2 = los(0, 5);
      t->parametr1 = los(0, 1);
      t->parametr2 = los(0, 1);
      t->obiekt = calk(0, 1);
      t->ustaw_zaznaczony(static_cast<std::uint8_t>(calk(0, 1)));
      if (poprzedni) {
        tor_linia* L = calk(0, 1) ? polacz_tor(u, poprzedni, t) : polacz_tor(u, t, poprzedni);
        L->obiekt = calk(0, 1);
        L->ustaw_zaznaczony(static_cast<std::uint8_t>(calk(0, 1)));
        if (calk(0, 2) == 0) {
          for (int k = calk(1, 3); k > 0; --k) {
            zdarzenie z;
            z.typ = calk(0, 6);
            z.typ_b = calk(0, 9);
            z.kierunek = static_cast<std::uint8_t>(calk(1, 7));
            z.pozycja = los(0, 1);
            z.argument = calk(-1, 5);
            z.rezerwa = los(-1, 1);
            L->zdarzenia.dodaj(z);
          }
        }
      }
      if (i > 0 && i < n - 1 && calk(0, 4) == 0)
        polacz_tor(u, t, dodaj_punkt_toru(u, los(0, 1000), los(0, 1000), 50, przeswit));
      poprzedni = t;
    }
  }
  u.przeswit_akt = calk(0, 4);
  u.obiekt_domyslny = calk(0, 1);
  u.punkt_kursor = calk(-1, u.pmax() - 1);
  u.linia_kursor = calk(-1, u.lmax() - 1);
  u.ostatni_punkt = calk(-1, u.pmax() - 1);
  u.przelicz_wszystko();
}

void porownaj(const tor_uklad& a, const tor_uklad& b) {
  ASSERT_EQ(a.pmax(), b.pmax());
  ASSERT_EQ(a.lmax(), b.lmax());
  EXPECT_EQ(a.przeswit_akt, b.przeswit_akt);
  EXPECT_EQ(a.obiekt_domyslny, b.obiekt_domyslny);
  EXPECT_EQ(a.punkt_kursor, b.punkt_kursor);
  EXPECT_EQ(a.linia_kursor, b.linia_kursor);
  EXPECT_EQ(a.ostatni_punkt, b.ostatni_punkt);
  for (int i = 0; i < a.pmax(); ++i) {
    const tor_punkt* s = a.punkt(i);
    const tor_punkt* t = b.punkt(i);
    EXPECT_EQ(s->x, t->x) << i;
    EXPECT_EQ(s->y, t->y) << i;
    EXPECT_EQ(s->z, t->z) << i;
    EXPECT_EQ(s->wysokosc2, t->wysokosc2) << i;
    EXPECT_EQ(s->przeswit, t->przeswit) << i;
    EXPECT_EQ(s->obiekt, t->obiekt) << i;
    EXPECT_EQ(s->promien, t->promien) << i;
    EXPECT_EQ(s->punkt_zdarzenia, t->punkt_zdarzenia) << i;
    EXPECT_EQ(s->zaznaczony(), t->zaznaczony()) << i;
    EXPECT_EQ(s->skret, t->skret) << i;
    EXPECT_EQ(s->dlugosc_stycznej, t->dlugosc_stycznej) << i;
    ASSERT_EQ(s->GET_LIMAX(), t->GET_LIMAX()) << i;
    for (int k = 0; k < s->GET_LIMAX(); ++k)
      EXPECT_EQ(a.indeks_linii(s->li[k]), b.indeks_linii(t->li[k])) << i << " " << k;
    ASSERT_EQ(s->ILE_ZDARZEN(), t->ILE_ZDARZEN()) << i;
    if (!s->zdarzenia.pusta()) {
      const zdarzenie& zs = s->zdarzenia.pierwszy()->dane;
      const zdarzenie& zt = t->zdarzenia.pierwszy()->dane;
      EXPECT_EQ(zs.typ, zt.typ);
      EXPECT_EQ(zs.typ_b, zt.typ_b);
      EXPECT_EQ(zs.kierunek, zt.kierunek);
      EXPECT_EQ(zs.pozycja, zt.pozycja);
      EXPECT_EQ(zs.argument, zt.argument);
      EXPECT_EQ(zs.rezerwa, zt.rezerwa);
    }
  }
  for (int i = 0; i < a.lmax(); ++i) {
    const tor_linia* s = a.linia(i);
    const tor_linia* t = b.linia(i);
    EXPECT_EQ(a.indeks_punktu(s->p1), b.indeks_punktu(t->p1)) << i;
    EXPECT_EQ(a.indeks_punktu(s->p2), b.indeks_punktu(t->p2)) << i;
    EXPECT_EQ(s->przeswit, t->przeswit) << i;
    EXPECT_EQ(s->obiekt, t->obiekt) << i;
    EXPECT_EQ(s->zaznaczony(), t->zaznaczony()) << i;
    EXPECT_EQ(s->dl, t->dl) << i;
    EXPECT_EQ(s->kx, t->kx) << i;
    EXPECT_EQ(s->ky, t->ky) << i;
    EXPECT_EQ(s->blad, t->blad) << i;
    EXPECT_EQ(s->ILE_ZDARZEN(), t->ILE_ZDARZEN()) << i;
  }
  EXPECT_EQ(rekordy_eksportu(a, {}), rekordy_eksportu(b, {}));
}

TEST(Przygotowanie, JednoPrzejscieDajeToSamoCoPonownePrzegladanie) {
  int ze_zdarzeniami = 0;
  for (unsigned ziarno = 1; ziarno <= 200; ++ziarno) {
    tor_uklad doslowny;
    tor_uklad szybki;
    losowy_uklad(doslowny, ziarno);
    losowy_uklad(szybki, ziarno);
    for (const w_linia* L : szybki.l) ze_zdarzeniami += L->ILE_ZDARZEN() > 0;
    przygotuj_doslownie(doslowny);
    przygotuj_eksport(szybki, "a.layout");
    SCOPED_TRACE(ziarno);
    porownaj(doslowny, szybki);
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(ze_zdarzeniami, 100);
}

// ---- The command ----

TEST(Eksportuj, ZapisujeZaciemnionyPlikZPrzygotowanegoUkladu) {
  katalog_tymczasowy k;
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const std::string sciezka = k.plik("trasa.layout");
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_linia* L = polacz_tor(u, A, dodaj_punkt_toru(u, 10, 0));
  polacz_tor(u, dodaj_punkt_toru(u, -10, 5), A);
  zdarzenie z;
  z.pozycja = 0.5;
  L->zdarzenia.dodaj(z);
  u.przelicz_wszystko();
  const trasa_info trasa{9, 1905, 3};

  EXPECT_EQ(eksportuj(sciezka, u, trasa), wynik_eksportu::zapisano);
  EXPECT_TRUE(komunikaty.kody.empty());
  ASSERT_EQ(u.pmax(), 4);
  ASSERT_EQ(u.lmax(), 3);
  const std::vector<std::uint8_t> zapisane = odczytaj_bufor(sciezka);
  EXPECT_EQ(zapisane, rekordy_eksportu(u, trasa));
  const std::string tresc = log.tresc();
  EXPECT_NE(tresc.find("Prepare binarny zapisz logiczny [" + sciezka + "] ["), std::string::npos);
  EXPECT_NE(tresc.find("] lmax=3 pmax=4\n"), std::string::npos);
  EXPECT_NE(tresc.find("max=[" + std::to_string(zapisane.size()) + "]\n"), std::string::npos);
}

TEST(Eksportuj, BladGeometriiNiczegoNieZmieniaAniNieZapisuje) {
  katalog_tymczasowy k;
  rejestrator_komunikatow komunikaty;
  const std::string sciezka = k.plik("trasa.layout");
  tor_uklad u;
  tor_punkt* P = dodaj_punkt_toru(u, 10, 0, 50);
  tor_linia* L = polacz_tor(u, dodaj_punkt_toru(u, 0, 0), P);
  polacz_tor(u, P, dodaj_punkt_toru(u, 0, 1));
  L->zdarzenia.dodaj(zdarzenie{});
  u.przelicz_wszystko();
  ASSERT_FALSE(u.sprawdz_geometrie());

  EXPECT_EQ(eksportuj(sciezka, u, {}), wynik_eksportu::blad_geometrii);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_BLAD_GEOMETRII_EKSPORT}));
  EXPECT_FALSE(std::filesystem::exists(sciezka));
  EXPECT_EQ(u.pmax(), 3);
  EXPECT_EQ(u.lmax(), 2);
  EXPECT_EQ(L->ILE_ZDARZEN(), 1);
}

TEST(Eksportuj, NieudanyZapisJestZglaszany) {
  katalog_tymczasowy k;
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const std::string sciezka = k.plik("nie_ma_katalogu/trasa.layout");
  tor_uklad u;
  polacz_tor(u, dodaj_punkt_toru(u, 0, 0), dodaj_punkt_toru(u, 10, 0));
  u.przelicz_wszystko();

  EXPECT_EQ(eksportuj(sciezka, u, {}), wynik_eksportu::blad_zapisu);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_ZAPIS_BUFORA_NIEUDANY, KOM_TEKST}));
  // Then which file and why.
  EXPECT_NE(komunikaty.teksty.back().find(sciezka + " (No such file or directory)"), std::string::npos)
      << komunikaty.teksty.back();
  EXPECT_NE(log.tresc().find("! Błąd otwarcia pliku zapisywacza [" + sciezka + "]\n"), std::string::npos);
}

TEST(Eksportuj, AnulowanieOknaZapisu) {
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  eksport_bez_pliku();
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_ZAPIS_NIEUDANY}));
  EXPECT_EQ(komunikaty.teksty, (std::vector<std::string>{"Zapis się nie powiódł!"}));
  EXPECT_NE(log.tresc().find("Export LOG: Brak pliku!\n"), std::string::npos);
}

}  // namespace
