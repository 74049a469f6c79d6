// Track events: the 29-byte record, list order, records of items and the place of an event.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "io/blad_pliku.h"
#include "io/strumien_rekordow.h"
#include "support/uklad_testowy.h"

namespace {

zdarzenie przyklad(std::int32_t typ) {
  zdarzenie z;
  z.typ = typ;
  z.typ_b = -7;
  z.kierunek = KIERUNEK_LEWO | PO_OSTATNIM_WOZKU;
  z.pozycja = 0.1;
  z.argument = 70000;
  z.rezerwa = -2.5e-300;
  return z;
}

template <class T>
T odczytaj(const std::vector<std::uint8_t>& b, std::size_t od) {
  T v;
  std::memcpy(&v, b.data() + od, sizeof v);
  return v;
}

TEST(RekordZdarzenia, DwadziesciaDziewiecBajtowBezWypelnienia) {
  pisarz_rekordow s;
  przyklad(ZD_SYGNALIZATOR).zapisz(s);
  const auto& b = s.dane();
  ASSERT_EQ(b.size(), 29u);
  EXPECT_EQ(odczytaj<std::int32_t>(b, 0), 3);
  EXPECT_EQ(odczytaj<std::int32_t>(b, 4), -7);
  EXPECT_EQ(b[8], 6);
  EXPECT_EQ(odczytaj<double>(b, 9), 0.1);
  EXPECT_EQ(odczytaj<std::int32_t>(b, 17), 70000);
  EXPECT_EQ(odczytaj<double>(b, 21), -2.5e-300);

  czytnik_rekordow c(b);
  zdarzenie z;
  z.wczytaj(c);
  EXPECT_EQ(c.pozostalo(), 0u);
  EXPECT_EQ(z.typ, 3);
  EXPECT_EQ(z.typ_b, -7);
  EXPECT_EQ(z.kierunek, 6);
  EXPECT_EQ(z.pozycja, 0.1);
  EXPECT_EQ(z.argument, 70000);
  EXPECT_EQ(z.rezerwa, -2.5e-300);
}

TEST(ListaZdarzen, KolejnoscZapisuIOdczytu) {
  lista_zdarzen lista;
  for (std::int32_t t : {4, 0, 6}) lista.dodaj(przyklad(t));
  EXPECT_EQ(lista.ile(), 3);
  pisarz_rekordow s;
  lista.zapisz(s);
  EXPECT_EQ(s.dane().size(), 4u + 3 * 29);

  lista_zdarzen odczytana;
  odczytana.dodaj(przyklad(1));  // reading appends
  czytnik_rekordow c(s.dane());
  odczytana.wczytaj(c);
  std::vector<std::int32_t> typy;
  for (const wezel_zdarzenia* w = odczytana.pierwszy(); w; w = w->nastepny.get()) typy.push_back(w->dane.typ);
  EXPECT_EQ(typy, (std::vector<std::int32_t>{1, 4, 0, 6}));
}

TEST(ListaZdarzen, LicznikUjemnyLubZaDuzy) {
  pisarz_rekordow s;
  s.int32(-3);
  czytnik_rekordow c(s.dane());
  lista_zdarzen lista;
  lista.wczytaj(c);
  EXPECT_TRUE(lista.pusta());

  pisarz_rekordow urwany;
  urwany.int32(2);
  przyklad(0).zapisz(urwany);  // one record of two
  czytnik_rekordow cu(urwany.dane());
  EXPECT_THROW(lista.wczytaj(cu), blad_pliku);
}

TEST(ListaZdarzen, RekordyPunktuILinii) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, 0);
  tor_linia* L = polacz_tor(u, A, dodaj_punkt_toru(u, 1, 0));
  pisarz_rekordow pusta_linia;
  L->w_linia::zapisz(pusta_linia);
  EXPECT_EQ(pusta_linia.dane().size(), 4u);

  A->zdarzenia.dodaj(przyklad(0));
  A->zdarzenia.dodaj(przyklad(1));
  pisarz_rekordow punkt;
  A->w_punkt::zapisz(punkt);
  EXPECT_EQ(punkt.dane().size(), 86u);
  EXPECT_EQ(A->ILE_ZDARZEN(), 2);
}

TEST(MiejsceZdarzenia, NaLiniiMiedzyStycznymi) {
  tor_uklad u;
  tor_punkt* S = dodaj_punkt_toru(u, 3, 0);
  tor_punkt* E = dodaj_punkt_toru(u, 3, 10);
  tor_linia* L = polacz_tor(u, S, E);
  u.przelicz_wszystko();
  S->dlugosc_stycznej = 2;
  E->dlugosc_stycznej = 4;
  const wektor m = L->miejsce_zdarzenia(0.5);  // 2 + 0.5 * (10 - 2 - 4) from S
  EXPECT_EQ(m.x, 3);
  EXPECT_EQ(m.y, 4);
  EXPECT_EQ(L->miejsce_zdarzenia(1).y, 6);
}

TEST(MiejsceZdarzenia, NaLukuPunktu) {
  tor_uklad u;
  tor_punkt* A = dodaj_punkt_toru(u, 0, -10);
  tor_punkt* P = dodaj_punkt_toru(u, 0, 0);
  polacz_tor(u, A, P);
  polacz_tor(u, P, dodaj_punkt_toru(u, 10, 0));
  u.przelicz_wszystko();
  EXPECT_EQ(P->azymut_zdarzenia(0.5), 315);
  const wektor poczatek = P->miejsce_zdarzenia(0), srodek = P->miejsce_zdarzenia(0.5);
  EXPECT_NEAR(poczatek.x, 0, 1e-12);
  EXPECT_NEAR(poczatek.y, -5, 1e-12);
  EXPECT_NEAR(srodek.x, 5 - 5 * std::sqrt(0.5), 1e-12);
  EXPECT_NEAR(srodek.y, -5 + 5 * std::sqrt(0.5), 1e-12);
}

}  // namespace
