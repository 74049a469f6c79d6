#include "uklady_testowe.h"

#include <random>
#include <string>

#include "dokument/dokument.h"
#include "track/geometria.h"

void siec_testowa(dokument& dok, std::uint32_t ziarno, int punkty) {
  std::mt19937 los(ziarno);
  auto u = [&los](double a, double b) { return std::uniform_real_distribution<double>(a, b)(los); };
  tor_uklad& t = dok.tor;
  t.wczytaj_szablony(std::string(VIALTOR_ZRODLA) + "/data/dataeditor/sb.txt");
  for (int i = 0; i < 3 && t.szab_max() > 0; ++i) {
    t.szab_akt = i % t.szab_max();
    t.wstaw_szablon(u(20, 300), u(20, 300));
    t.e.back()->kat = u(0, 360);
  }

  w_punkt* poprzedni = nullptr;
  wektor miejsce{u(0, 50), u(0, 50)};
  double kierunek = u(0, 360);
  for (int i = 0; i < punkty; ++i) {
    if (i % 40 == 0) {  // a new chain somewhere else
      poprzedni = nullptr;
      miejsce = {u(0, 320), u(0, 320)};
      t.promien_domyslny = u(5, 80);  // large radii on short lines: faults
    }
    w_punkt* p = t.utworz_punkt(miejsce.x, miejsce.y, u(-3, 3));
    t.dodaj_do_p(p);
    if (poprzedni) t.polacz(poprzedni, p);
    poprzedni = p;
    kierunek += (i % 7 == 3) ? 0 : u(-25, 25);
    miejsce = punkt_na_azymucie(miejsce, u(4, 15), kierunek);
  }
  t.przelicz_wszystko();

  for (int i = 0; i < t.pmax(); i += 9) {
    zdarzenie z;
    z.typ = i % 16;
    z.kierunek = static_cast<std::uint8_t>(i % 8);
    z.pozycja = u(-0.2, 1.2);
    if (z.typ == ZD_CZUJNIK) {
      z.czujnik_x = u(-20, 20);
      z.czujnik_y = u(-20, 20);
    }
    t.p[i]->zdarzenia.dodaj(z);
    if (i + 4 < t.lmax()) t.l[i + 4]->zdarzenia.dodaj(z);
  }
  for (int i = 0; i < t.pmax(); i += 11) t.p[i]->ZAZNACZ(true);
  for (int i = 0; i < t.lmax(); i += 13) t.l[i]->ZAZNACZ(true);
  if (t.emax() > 0) t.e[0]->ustaw_zaznaczony(1);
  t.punkt_kursor = t.pmax() / 3;
  t.linia_kursor = t.lmax() / 2;
  t.ostatni_punkt = 11;
  t.punkt_docelowy = t.p[t.pmax() - 1];

  siec_uklad& s = dok.siec;
  w_punkt* a = nullptr;
  for (int i = 0; i < 30; ++i) {
    w_punkt* b = s.utworz_punkt(u(0, 320), u(0, 320), 0);
    s.dodaj_do_p(b);
    if (a && i % 5 != 0) s.polacz(a, b);
    a = b;
  }
  s.przelicz_wszystko();
}
