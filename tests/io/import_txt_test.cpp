// The text form of a layout: what it reads, what it refuses, and what it writes.
#include <gtest/gtest.h>

#include <fstream>

#include "app/komunikaty.h"
#include "io/import_txt.h"
#include "io/porownanie_ukladow.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

void zapisz_tekst(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}

std::string czytaj_tekst(const std::string& sciezka) {
  std::ifstream plik(sciezka, std::ios::binary);
  return {std::istreambuf_iterator<char>(plik), std::istreambuf_iterator<char>()};
}

void dwa_punkty(tor_uklad& u) {
  dodaj_punkt_toru(u, 0, 0);
  dodaj_punkt_toru(u, 0, 10);
  polacz_tor(u, u.p[0], u.p[1]);
  u.przelicz_wszystko();
}

TEST(ImportTxt, DwaPunktyILinia) {
  katalog_tymczasowy katalog;
  // Event counts are read and ignored: the form carries no events.
  zapisz_tekst(katalog.plik("t.txt"),
               "1410\n2\n"
               "1.5\n2\n0\n3\n1\n1\n25\n0.5\n1.435\n0\n"
               "1.5\n12\n0\n0\n1\n0\n30\n0\n0\n0.25\n"
               "1\n0\n1\n2\n4\n1\n"
               "0\n-1\n-1\n");
  tor_uklad tor;
  for (int i = 0; i < 3; ++i) dodaj_punkt_toru(tor, i, i);
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = importuj_txt(katalog.plik("t.txt"), tor);
  ASSERT_TRUE(w.ok) << w.blad;
  ASSERT_EQ(tor.pmax(), 2);
  ASSERT_EQ(tor.lmax(), 1);
  EXPECT_EQ(tor.emax(), 0);
  const tor_punkt& a = *tor.punkt(0);
  EXPECT_EQ(a.x, 1.5);
  EXPECT_EQ(a.y, 2);
  EXPECT_EQ(a.przeswit, 1);
  EXPECT_EQ(a.obiekt, 1);
  EXPECT_EQ(a.promien, 25);
  EXPECT_EQ(a.wysokosc2, 0.5);
  EXPECT_EQ(a.parametr1, 1.435);
  EXPECT_EQ(tor.punkt(1)->parametr2, 0.25);
  EXPECT_TRUE(a.zdarzenia.pusta());
  EXPECT_TRUE(tor.l[0]->zdarzenia.pusta());
  EXPECT_EQ(tor.linia(0)->przeswit, 4);
  EXPECT_EQ(tor.linia(0)->obiekt, 1);
  EXPECT_EQ(tor.l[0]->dl, 10);
  EXPECT_TRUE(tor.p[1]->CZY_ZAZNACZONY());
  EXPECT_FALSE(tor.p[0]->CZY_ZAZNACZONY());
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ImportTxt, ElementyNiesieSieBezOdbiciaISzablonuIZostajaNieuzywane) {
  katalog_tymczasowy katalog;
  zapisz_tekst(katalog.plik("e.txt"),
               "1410\n1\n"
               "1\n0\n0\n0\n0\n0\n50\n3.5\n0\n0\n"
               "0\n"
               "2\n7\n7\n7\n7\n100\n200\n1.5\n90\n"
               "1\n");
  tor_uklad tor;
  tor.szab_akt = 6;
  rejestrator_komunikatow komunikaty;
  ASSERT_TRUE(importuj_txt(katalog.plik("e.txt"), tor).ok);
  ASSERT_EQ(tor.emax(), 2);
  EXPECT_EQ(tor.p[0]->element, tor.e[1]);
  const w_element& e = *tor.e[1];
  EXPECT_EQ(e.x, 100);
  EXPECT_EQ(e.kat, 90);
  EXPECT_EQ(e.odbity, 0);
  EXPECT_EQ(e.przelozenie, 0);
  EXPECT_EQ(e.nr_szablonu, 6);
  // The second elevation is stored absolute.
  EXPECT_EQ(tor.punkt(0)->wysokosc2, 2.0);
}

TEST(ImportTxt, InnyNumerFormatuPokazuje24IZostawiaUklad) {
  katalog_tymczasowy katalog;
  zapisz_tekst(katalog.plik("obcy.txt"), "1411\n");
  tor_uklad tor, wzor;
  dwa_punkty(tor);
  dwa_punkty(wzor);
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = importuj_txt(katalog.plik("obcy.txt"), tor);
  EXPECT_TRUE(w.nieznany_format);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_NIE_VIALTOR});
  EXPECT_EQ(log.tresc(), "proba wczytania nierozpoznanego pliku!\n#komunikat: 24\n");
  EXPECT_EQ(roznica_ukladow(wzor, tor), "");
}

TEST(ImportTxt, WartoscNieLiczbowaOdrzucaPlikJednymKomunikatem) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("zly.txt");
  zapisz_tekst(plik, "1410\n1\n1\n2\nx\n");
  tor_uklad tor, wzor;
  dwa_punkty(tor);
  dwa_punkty(wzor);
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = importuj_txt(plik, tor);
  EXPECT_FALSE(w.ok);
  EXPECT_FALSE(w.nieznany_format);
  ASSERT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_TEKST});
  EXPECT_EQ(komunikaty.teksty[0],
            "plik " + plik + " jest uszkodzony i nie został wczytany: punkt 0: wiersz 5: \"x\" nie jest liczbą");
  EXPECT_EQ(w.blad, komunikaty.teksty[0]);
  EXPECT_EQ(roznica_ukladow(wzor, tor), "");
}

TEST(ImportTxt, ZapisJednaWartoscWWierszu) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  tor_punkt* t = dodaj_punkt_toru(tor, 0.1, -2, 215, 3);
  t->parametr1 = 1.435;
  w_element* el = tor.nowy_element(5, 6, 1.5);
  el->nr_szablonu = 9;
  t->ustaw_element(el);
  t->wysokosc2 = 0.25;
  ASSERT_TRUE(zapisz_txt(katalog.plik("w.txt"), tor));
  EXPECT_EQ(czytaj_tekst(katalog.plik("w.txt")),
            "1410\n1\n0.1\n-2\n0\n0\n3\n0\n215\n1.75\n1.435\n0\n0\n1\n5\n6\n1.5\n0\n0\n");
}

}  // namespace
