#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/komunikaty.h"
#include "app/log.h"
#include "support/malarz_rejestrujacy.h"
#include "support/rejestrator_komunikatow.h"
#include "track/geometria.h"
#include "track/tor.h"

namespace {

namespace fs = std::filesystem;

const std::string BIBLIOTEKA = std::string(VIALTOR_ZRODLA) + "/data/dataeditor/sb.txt";

// A file in the temporary directory, unique to this process, removed with the object.
class plik_tymczasowy {
 public:
  explicit plik_tymczasowy(const std::string& nazwa)
      : sciezka((fs::temp_directory_path() / ("vialtor_szablony_" + std::to_string(getpid()) + "_" + nazwa)).string()) {}
  plik_tymczasowy(const std::string& nazwa, const std::string& tresc) : plik_tymczasowy(nazwa) {
    std::ofstream(sciezka, std::ios::binary) << tresc;
  }
  ~plik_tymczasowy() { fs::remove(sciezka); }
  plik_tymczasowy(const plik_tymczasowy&) = delete;
  plik_tymczasowy& operator=(const plik_tymczasowy&) = delete;

  const std::string sciezka;
};

// The program log redirected to a temporary file while the object lives.
class przechwycony_log {
 public:
  przechwycony_log() { log_otworz(plik.sciezka.c_str()); }
  ~przechwycony_log() { log_zamknij(); }

  std::vector<std::string> wiersze() const {
    std::ifstream we(plik.sciezka, std::ios::binary);
    std::vector<std::string> w;
    for (std::string s; std::getline(we, s);) w.push_back(s);
    return w;
  }

 private:
  plik_tymczasowy plik{"log.txt"};
};

// A small template: a switch point at the origin with lines out to three ends, x from -2 to 0.
std::string szablon_txt(int transport, int przeswit, int rodzaj, const std::string& nazwa = "Wzor") {
  const std::string g = " " + std::to_string(przeswit) + " 50\n";
  return "4 3\n"
         "0 0 0" + g +
         "0 -2 0" + g +
         "0 6 0" + g +
         "-2 6 0" + g +
         "1 0\n2 0\n3 0\n" + nazwa + "\n" + std::to_string(transport) + " " + std::to_string(rodzaj) + "\n";
}

std::string biblioteka_txt(const std::vector<std::string>& szablony) {
  std::string t = std::to_string(szablony.size()) + "\n";
  for (const std::string& s : szablony) t += s;
  return t;
}

// Template 3 is the only one for (tram, 1,435 m, "Rozjazd"); nothing is (rail, 1,435 m, double).
std::string biblioteka_do_szukania() {
  return biblioteka_txt({szablon_txt(0, 0, 0), szablon_txt(1, 0, 1), szablon_txt(0, 1, 1), szablon_txt(0, 0, 1),
                         szablon_txt(1, 0, 0)});
}

void wczytaj(tor_uklad& uklad, const std::string& nazwa, const std::string& tresc) {
  plik_tymczasowy plik(nazwa, tresc);
  uklad.wczytaj_szablony(plik.sciezka);
}

wektor swiat(const w_punkt* p) { return {p->GET_X(), p->GET_Y()}; }

// ---------------------------------------------------------------------------------------------
// The bundled library.

class BibliotekaSzablonow : public ::testing::Test {
 protected:
  void SetUp() override {
    przechwycony_log log;
    uklad.wczytaj_szablony(BIBLIOTEKA);
    bledy = log.wiersze();
  }
  tor_uklad uklad;
  std::vector<std::string> bledy;
};

TEST_F(BibliotekaSzablonow, WczytujeSieCalaIKazdySzablonJestDostepnyZPanelu) {
  EXPECT_TRUE(bledy.empty()) << bledy.front();
  // Trams offer every gauge with "Zwrotnica" and "Rozjazd", rail only 1,435 m with all three kinds;
  // each offered choice has both radii in both hands.
  std::map<std::tuple<int, int, int>, int> ile;
  for (const szablon& sz : uklad.szablony) ++ile[{sz.rodzaj_transportu, sz.przeswit, sz.rodzaj}];
  std::map<std::tuple<int, int, int>, int> oczekiwane;
  for (int g = 0; g < 5; ++g)
    for (int k : {SZABLON_ZWROTNICA, SZABLON_ROZJAZD}) oczekiwane[{TRANSPORT_TRAMWAJ, g, k}] = 4;
  for (int k : {SZABLON_ZWROTNICA, SZABLON_ROZJAZD, SZABLON_ROZJAZD_PODWOJNY}) oczekiwane[{TRANSPORT_KOLEJ, 0, k}] = 4;
  EXPECT_EQ(ile, oczekiwane);
  EXPECT_EQ(uklad.szab_max(), 52);
}

TEST_F(BibliotekaSzablonow, SzablonyStartowePasujaDoKryteriowStartowych) {
  ASSERT_GE(uklad.szab_max(), 5);
  // The templates panel starts on tram, gauge 0, "Rozjazd" at index 0 and on rail at index 4.
  EXPECT_TRUE(uklad.szablony[0].pasuje(TRANSPORT_TRAMWAJ, 0, SZABLON_ROZJAZD));
  EXPECT_TRUE(uklad.szablony[4].pasuje(TRANSPORT_KOLEJ, 0, SZABLON_ROZJAZD));
}

TEST_F(BibliotekaSzablonow, KazdySzablonMaZwrotniceKonceZJednaLiniaIJednolityPrzeswit) {
  for (const szablon& sz : uklad.szablony) {
    SCOPED_TRACE(sz.nazwa);
    int zwrotnice = 0;
    for (const auto& t : sz.punkty) {
      EXPECT_GE(t->GET_LIMAX(), 1);
      EXPECT_LE(t->GET_LIMAX(), 3);
      if (t->GET_LIMAX() == 3) ++zwrotnice;
      EXPECT_EQ(t->przeswit, sz.przeswit);
      EXPECT_EQ(t->z, 0);
    }
    EXPECT_EQ(zwrotnice, sz.rodzaj == SZABLON_ROZJAZD_PODWOJNY ? 2 : 1);
    EXPECT_EQ(sz.nazwa.find('_'), std::string::npos);
    EXPECT_EQ(sz.punkty[0]->GET_LIMAX(), 3) << "the switch point comes first";
    // The template runs along +x from its trunk end at the origin.
    EXPECT_LE(std::hypot(sz.punkty[1]->x, sz.punkty[1]->y), 1e-9);
    EXPECT_EQ(sz.punkty[1]->GET_LIMAX(), 1);
    for (const auto& t : sz.punkty) EXPECT_GE(t->x, 0);
  }
}

TEST_F(BibliotekaSzablonow, LukOdgalezieniaZaczynaSieNaZwrotnicyPodKatemRozjazdu) {
  for (const szablon& sz : uklad.szablony) {
    SCOPED_TRACE(sz.nazwa);
    int luki = 0;
    for (const auto& t : sz.punkty) {
      if (t->GET_LIMAX() != 2) continue;
      ++luki;
      const w_punkt* zwrotnica = t->li[0]->drugi_koniec(t.get());
      const w_punkt* koniec = t->li[1]->drugi_koniec(t.get());
      ASSERT_EQ(zwrotnica->GET_LIMAX(), 3);
      // The tangent reaches back to the switch point, at most a millimetre short of it.
      const double do_zwrotnicy = dlugosc(swiat(zwrotnica) - swiat(t.get()));
      EXPECT_LT(t->dlugosc_stycznej, do_zwrotnicy);
      EXPECT_GT(t->dlugosc_stycznej, do_zwrotnicy - 1e-3);
      // Turnout angles from 1:12 to 1:6.
      const wektor a = normalizuj(swiat(t.get()) - swiat(zwrotnica));
      const wektor b = normalizuj(swiat(koniec) - swiat(t.get()));
      const double tg = std::fabs(a.x * b.y - a.y * b.x) / iloczyn_skalarny(a, b);
      EXPECT_GE(tg, 1.0 / 12 - 1e-9);
      EXPECT_LE(tg, 1.0 / 6 + 1e-9);
    }
    EXPECT_EQ(luki, sz.rodzaj == SZABLON_ROZJAZD_PODWOJNY ? 2 : 1);
  }
}

// Seen from the trunk, a left turnout's diverging track leaves to +y and a right one's to -y
// (a double turnout's first switch point), and the straight track runs on y = 0 along +x.
TEST_F(BibliotekaSzablonow, OdgalezienieNaStroneRekiProstyWzdluzX) {
  for (const szablon& sz : uklad.szablony) {
    SCOPED_TRACE(sz.nazwa);
    const bool lewy = sz.nazwa.find(" lew") != std::string::npos;
    ASSERT_NE(lewy, sz.nazwa.find(" praw") != std::string::npos);
    const w_punkt* zwrotnica = sz.punkty[0].get();
    int odgalezienia = 0;
    for (int k = 0; k < zwrotnica->GET_LIMAX(); ++k) {
      const w_punkt* luk = zwrotnica->li[k]->drugi_koniec(zwrotnica);
      if (luk->GET_LIMAX() != 2) continue;
      ++odgalezienia;
      const w_punkt* dalej = luk->li[luk->li[0]->drugi_koniec(luk) == zwrotnica ? 1 : 0]->drugi_koniec(luk);
      EXPECT_GT(lewy ? dalej->y : -dalej->y, 0.5) << "towards the " << (lewy ? "left" : "right");
    }
    EXPECT_EQ(odgalezienia, 1);
    double koniec_prostego = 0;
    for (const auto& t : sz.punkty)
      if (t->GET_LIMAX() == 1 && t->y == 0) koniec_prostego = std::max(koniec_prostego, t->x);
    EXPECT_GT(koniec_prostego, zwrotnica->x + 5);
  }
}

TEST_F(BibliotekaSzablonow, WstawionySzablonPrzechodziTestGeometrii) {
  for (int i = 0; i < uklad.szab_max(); ++i) {
    SCOPED_TRACE(uklad.szablony[i].nazwa);
    tor_uklad pusty;
    pusty.wczytaj_szablony(BIBLIOTEKA);
    pusty.ustaw_szablon(i);
    pusty.wstaw_szablon(10, 20);
    EXPECT_EQ(pusty.pmax(), static_cast<int>(uklad.szablony[i].punkty.size()));
    for (int j = 0; j < pusty.lmax(); ++j) EXPECT_FALSE(pusty.linia(j)->blad) << "line " << j;
    EXPECT_TRUE(pusty.sprawdz_geometrie());
  }
}

TEST_F(BibliotekaSzablonow, TorDolaczonyDoKoncaBiegnieNaPrzedluzeniuTegoKonca) {
  for (int i = 0; i < uklad.szab_max(); ++i) {
    const szablon& sz = uklad.szablony[i];
    for (std::size_t k = 0; k < sz.punkty.size(); ++k) {
      if (sz.punkty[k]->GET_LIMAX() != 1) continue;
      SCOPED_TRACE(sz.nazwa + ", end point " + std::to_string(k));
      tor_uklad tor;
      tor.wczytaj_szablony(BIBLIOTEKA);
      tor.ustaw_szablon(i);
      tor.wstaw_szablon(100, 200);
      tor.e[0]->kat = 30;
      tor.przelicz_wszystko();
      w_punkt* koniec = tor.p[k];
      const w_punkt* wnetrze = koniec->li[0]->drugi_koniec(koniec);
      const wektor na_zewnatrz = normalizuj(swiat(koniec) - swiat(wnetrze));
      const wektor cel = swiat(koniec) + na_zewnatrz * 5;
      // Put down a little off the continuation; the join pulls it onto it.
      const wektor obok = cel + obroc_w_lewo(na_zewnatrz) * 0.2;
      auto* wolny = new tor_punkt(sz.przeswit, obok.x, obok.y, 0, 50, 0);
      tor.dodaj_do_p(wolny);
      ASSERT_NE(tor.polacz(koniec, wolny), nullptr);
      // The end's arc is fitted before the line pulls the free point; the next pass sees it straight.
      tor.przelicz_wszystko();
      tor.przelicz_wszystko();
      EXPECT_NEAR(wolny->x, cel.x, 1e-9);
      EXPECT_NEAR(wolny->y, cel.y, 1e-9);
      EXPECT_TRUE(tor.sprawdz_geometrie());
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Stepping through the matching templates.

class SzukanieSzablonu : public ::testing::Test {
 protected:
  void SetUp() override {
    wczytaj(uklad, "szukanie.txt", biblioteka_do_szukania());
    ASSERT_EQ(uklad.szab_max(), 5);
  }
  tor_uklad uklad;
  rejestrator_komunikatow komunikaty;
};

TEST_F(SzukanieSzablonu, NastepnyZawijaIZostajeNaJedynymPasujacym) {
  uklad.szab_akt = 0;
  EXPECT_TRUE(uklad.nastepny_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 3);
  EXPECT_TRUE(uklad.nastepny_pasujacy(0, 0, 1));  // a full turn back to itself
  EXPECT_EQ(uklad.szab_akt, 3);
}

TEST_F(SzukanieSzablonu, PoprzedniZawijaPrzezPoczatek) {
  uklad.szab_akt = 0;
  EXPECT_TRUE(uklad.poprzedni_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 3);
  EXPECT_TRUE(uklad.poprzedni_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 3);
}

TEST_F(SzukanieSzablonu, NieudaneSzukanieKonczyDwaMiejscaDalejBezKomunikatu) {
  uklad.szab_akt = 1;
  EXPECT_FALSE(uklad.nastepny_pasujacy(1, 0, 2));
  EXPECT_EQ(uklad.szab_akt, 3);
  uklad.szab_akt = 1;
  EXPECT_FALSE(uklad.poprzedni_pasujacy(1, 0, 2));
  EXPECT_EQ(uklad.szab_akt, 4);
  // Message 25 belongs to the panel and the keys that asked, so it is shown once.
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST_F(SzukanieSzablonu, IstniejePasujacyNiePrzesuwaBiezacego) {
  uklad.szab_akt = 1;
  EXPECT_TRUE(uklad.istnieje_pasujacy(0, 0, 1));
  EXPECT_TRUE(uklad.istnieje_pasujacy(1, 0, 0));
  EXPECT_FALSE(uklad.istnieje_pasujacy(1, 0, 2));
  EXPECT_FALSE(uklad.istnieje_pasujacy(0, 1, 0));
  EXPECT_EQ(uklad.szab_akt, 1);
}

TEST_F(SzukanieSzablonu, BiezacySpozaBibliotekiWracaDoNiejPrzyKroku) {
  uklad.szab_akt = 9;
  EXPECT_TRUE(uklad.poprzedni_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 3);
  uklad.szab_akt = -7;
  EXPECT_TRUE(uklad.nastepny_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 3);
}

TEST(SzukanieSzablonuBezBiblioteki, NicNieZnajdujeINieRuszaBiezacego) {
  tor_uklad uklad;
  EXPECT_FALSE(uklad.nastepny_pasujacy(0, 0, 1));
  EXPECT_FALSE(uklad.poprzedni_pasujacy(0, 0, 1));
  EXPECT_FALSE(uklad.istnieje_pasujacy(0, 0, 1));
  EXPECT_EQ(uklad.szab_akt, 0);
}

// ---------------------------------------------------------------------------------------------
// The current template.

TEST(BiezacySzablon, NazwaPokazujeOdstepyZamiastPodkreslen) {
  tor_uklad uklad;
  wczytaj(uklad, "nazwy.txt",
          biblioteka_txt({szablon_txt(0, 0, 1, "Rozjazd_testowy__lewy_1,435"), szablon_txt(0, 0, 1, "Bez")}));
  ASSERT_EQ(uklad.szab_max(), 2);
  EXPECT_EQ(uklad.nazwa_szablonu(), "Rozjazd testowy  lewy 1,435");
  uklad.ustaw_szablon(1);
  EXPECT_EQ(uklad.nazwa_szablonu(), "Bez");
}

TEST(BiezacySzablon, IndeksSpozaBibliotekiJestLogowanyIPomijany) {
  tor_uklad uklad;
  wczytaj(uklad, "ustaw.txt", biblioteka_do_szukania());
  uklad.ustaw_szablon(2);
  EXPECT_EQ(uklad.szab_akt, 2);
  przechwycony_log log;
  uklad.ustaw_szablon(5);
  uklad.ustaw_szablon(-1);
  EXPECT_EQ(uklad.szab_akt, 2);
  EXPECT_EQ(log.wiersze(),
            (std::vector<std::string>{"!!! Fatal error szakt=[5] szmax=[5]", "!!! Fatal error szakt=[-1] szmax=[5]"}));
}

// ---------------------------------------------------------------------------------------------
// Placing templates.

class WstawianieSzablonu : public ::testing::Test {
 protected:
  void SetUp() override {
    wczytaj(uklad, "wstawianie.txt", biblioteka_txt({szablon_txt(0, 0, 1), szablon_txt(0, 3, 0)}));
    ASSERT_EQ(uklad.szab_max(), 2);
  }
  tor_uklad uklad;
};

TEST_F(WstawianieSzablonu, TworzyElementZKopiaSzablonuWMiejscuWstawienia) {
  uklad.ustaw_szablon(1);
  uklad.wstaw_szablon(10, 20);
  ASSERT_EQ(uklad.emax(), 1);
  const w_element* element = uklad.e[0];
  EXPECT_EQ(element->x, 10);
  EXPECT_EQ(element->y, 20);
  EXPECT_EQ(element->nr_szablonu, 1);
  const szablon& sz = uklad.szablony[1];
  ASSERT_EQ(uklad.pmax(), 4);
  ASSERT_EQ(uklad.lmax(), 3);
  for (int i = 0; i < uklad.pmax(); ++i) {
    const tor_punkt* t = uklad.punkt(i);
    EXPECT_EQ(t->element, element);
    EXPECT_EQ(t->x, sz.punkty[i]->x);
    EXPECT_EQ(t->y, sz.punkty[i]->y);
    EXPECT_EQ(t->przeswit, 3);
    EXPECT_FALSE(t->CZY_ZAZNACZONY());
  }
  for (int i = 0; i < uklad.lmax(); ++i) {
    EXPECT_EQ(uklad.l[i]->p1, uklad.p[sz.poczatki[i]]);
    EXPECT_EQ(uklad.l[i]->p2, uklad.p[sz.konce[i]]);
  }
  EXPECT_EQ(uklad.wstawianie_bloku, 0);
}

TEST_F(WstawianieSzablonu, PrzywracaDomyslnyPromienIPrzeswit) {
  uklad.ustaw_promien_domyslny(30);
  uklad.przeswit_akt = 1;
  uklad.wstaw_szablon(0, 0);
  EXPECT_EQ(uklad.promien_domyslny, 30);
  EXPECT_EQ(uklad.przeswit_akt, 1);
  ASSERT_EQ(uklad.pmax(), 4);
  EXPECT_EQ(uklad.punkt(0)->promien, 50);
  EXPECT_EQ(uklad.punkt(0)->przeswit, 0);
  EXPECT_EQ(uklad.linia(0)->przeswit, 0);
}

TEST_F(WstawianieSzablonu, DwaWstawieniaDajaDwaBlokiKtorychNieMoznaPolaczyc) {
  uklad.wstaw_szablon(10, 10);
  uklad.wstaw_szablon(30, 10);
  ASSERT_EQ(uklad.emax(), 2);
  EXPECT_EQ(uklad.pmax(), 8);
  EXPECT_EQ(uklad.lmax(), 6);
  EXPECT_EQ(uklad.p[3]->element, uklad.e[0]);
  EXPECT_EQ(uklad.p[7]->element, uklad.e[1]);
  rejestrator_komunikatow komunikaty;
  EXPECT_EQ(uklad.polacz(uklad.p[3], uklad.p[7]), nullptr);
  EXPECT_EQ(uklad.lmax(), 6);
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_DWA_BLOKI});
}

TEST_F(WstawianieSzablonu, BiezacySpozaBibliotekiNicNieWstawia) {
  przechwycony_log log;
  uklad.szab_akt = 2;
  uklad.wstaw_szablon(0, 0);
  uklad.szab_akt = -1;
  uklad.wstaw_szablon(0, 0);
  EXPECT_EQ(uklad.pmax(), 0);
  EXPECT_EQ(uklad.emax(), 0);
  EXPECT_EQ(log.wiersze(), std::vector<std::string>(2, "!!!!!FATALNY BŁĄD - szab_akt <0 V > szab_max"));
}

// ---------------------------------------------------------------------------------------------
// Malformed libraries: the templates read whole before the fault stay, one log line says where.

struct zly_plik {
  const char* opis;
  std::string tresc;
  int wczytane;  // the templates before the faulty one
};

void PrintTo(const zly_plik& z, std::ostream* os) { *os << z.opis; }

class ZlyPlikSzablonow : public ::testing::TestWithParam<zly_plik> {};

TEST_P(ZlyPlikSzablonow, ZostawiaSzablonyPrzedBledemILogujeJedenWiersz) {
  const zly_plik& z = GetParam();
  plik_tymczasowy plik("zly.txt", z.tresc);
  tor_uklad uklad;
  przechwycony_log log;
  uklad.wczytaj_szablony(plik.sciezka);
  ASSERT_EQ(uklad.szab_max(), z.wczytane);
  for (const szablon& sz : uklad.szablony) {
    EXPECT_EQ(sz.punkty.size(), 4u);
    EXPECT_EQ(sz.linie.size(), 3u);
    EXPECT_EQ(sz.nazwa, "Wzor");
  }
  const std::vector<std::string> wiersze = log.wiersze();
  ASSERT_EQ(wiersze.size(), 1u);
  EXPECT_EQ(wiersze[0].rfind("!!! ", 0), 0u) << wiersze[0];
  EXPECT_NE(wiersze[0].find(plik.sciezka), std::string::npos) << wiersze[0];
  EXPECT_NE(wiersze[0].find("szablon nr " + std::to_string(z.wczytane)), std::string::npos) << wiersze[0];
}

const std::string DOBRY = szablon_txt(0, 0, 1);

INSTANTIATE_TEST_SUITE_P(
    Szablony, ZlyPlikSzablonow,
    ::testing::Values(
        zly_plik{"nieczytelna_liczba", biblioteka_txt({DOBRY, "4 3\n0 0 0 0 50\n0 1,5 0 0 50\n"}), 1},
        zly_plik{"linia_spoza_punktow",
                 biblioteka_txt({DOBRY, DOBRY, "2 1\n0 0 0 0 50\n0 1 0 0 50\n0 2\nZly\n0 1\n"}), 2},
        zly_plik{"linia_do_samego_siebie", biblioteka_txt({"2 1\n0 0 0 0 50\n0 1 0 0 50\n1 1\nZly\n0 1\n"}), 0},
        zly_plik{"przeswit_spoza_tabeli", biblioteka_txt({DOBRY, "1 0\n0 0 0 5 50\nZly\n0 1\n"}), 1},
        zly_plik{"szablon_bez_punktow", biblioteka_txt({DOBRY, "0 0\nPusty\n0 1\n"}), 1},
        zly_plik{"ogromna_liczba_punktow", biblioteka_txt({DOBRY, "2000000000 1\n0 0 0 0 50\n"}), 1},
        zly_plik{"plik_uciety", "3\n" + DOBRY + DOBRY + "4 3\n0 0 0 0 50\n0 -2", 2},
        zly_plik{"brak_rodzaju", "2\n" + DOBRY + DOBRY.substr(0, DOBRY.size() - 2), 1}),
    [](const ::testing::TestParamInfo<zly_plik>& info) { return std::string(info.param.opis); });

TEST(ZlyPlikSzablonowNaglowek, OgromnaLiczbaSzablonowNieWczytujeNicINazywaPlik) {
  plik_tymczasowy plik("naglowek.txt", "2000000000\n" + DOBRY);
  tor_uklad uklad;
  przechwycony_log log;
  uklad.wczytaj_szablony(plik.sciezka);
  EXPECT_EQ(uklad.szab_max(), 0);
  const std::vector<std::string> wiersze = log.wiersze();
  ASSERT_EQ(wiersze.size(), 1u);
  EXPECT_NE(wiersze[0].find(plik.sciezka), std::string::npos) << wiersze[0];
}

TEST(ZlyPlikSzablonowNaglowek, BrakPlikuLogujeSciezkeIZostawiaBezSzablonow) {
  const plik_tymczasowy brak("nie_ma.txt");
  tor_uklad uklad;
  przechwycony_log log;
  uklad.wczytaj_szablony(brak.sciezka);
  EXPECT_EQ(uklad.szab_max(), 0);
  EXPECT_EQ(log.wiersze(), std::vector<std::string>{"<>[] Txt błąd otwarcia pliku<" + brak.sciezka + ">"});
  EXPECT_EQ(uklad.nazwa_szablonu(), "");
}

// ---------------------------------------------------------------------------------------------
// The preview.

TEST(PodgladSzablonu, RysujeSzablonWlasnaMacierzaWPoprzekSzerokosci) {
  tor_uklad uklad;
  wczytaj(uklad, "podglad.txt", biblioteka_txt({szablon_txt(0, 0, 1)}));
  malarz_rejestrujacy m;
  uklad.rysuj_podglad(m);
  ASSERT_GE(m.wywolania.size(), 5u);
  // x runs from -2 to 0: scaled by 1/2 about its middle, y left at 0.
  EXPECT_EQ(m.wywolania[0], "zachowaj_macierz");
  EXPECT_EQ(m.wywolania[1], "macierz_jednostkowa");
  EXPECT_EQ(m.wywolania[2], "skaluj 0.5 0.5 0.5");
  EXPECT_EQ(m.wywolania[3], "przesun 1 0 0");
  EXPECT_EQ(m.wywolania.back(), "przywroc_macierz");
  EXPECT_GE(m.tylko("linia").size(), 6u);  // two rails for each of the three lines
  for (const auto& p : m.tylko("linia")) {
    EXPECT_GE(std::min(p.x1, p.x2), -3);
    EXPECT_LE(std::max(p.x1, p.x2), 1);
  }
}

TEST(PodgladSzablonu, SzablonBezSzerokosciNieDzieliPrzezZero) {
  tor_uklad uklad;
  wczytaj(uklad, "prosty.txt", biblioteka_txt({"2 1\n0 0 0 0 50\n0 5 0 0 50\n1 0\nProsty\n0 0\n"}));
  malarz_rejestrujacy m;
  uklad.rysuj_podglad(m);
  ASSERT_GE(m.wywolania.size(), 4u);
  EXPECT_EQ(m.wywolania[2], "skaluj 1 1 1");
}

// The extent comes from the template's own points (not from a start of -1000 to 1000), and one
// below a nanometre counts as none.
TEST(PodgladSzablonu, SzerokoscZWlasnychPunktow) {
  tor_uklad uklad;
  wczytaj(uklad, "daleki.txt", biblioteka_txt({"2 1\n2000 0 0 0 50\n2000.000000000001 5 0 0 50\n1 0\nDaleki\n0 0\n"}));
  malarz_rejestrujacy m;
  uklad.rysuj_podglad(m);
  ASSERT_GE(m.wywolania.size(), 4u);
  EXPECT_EQ(m.wywolania[2], "skaluj 1 1 1");
  EXPECT_EQ(m.wywolania[3], "przesun -2000 0 0");
}

TEST(PodgladSzablonu, BezBiezacegoSzablonuNicNieRysuje) {
  tor_uklad uklad;
  malarz_rejestrujacy m;
  uklad.rysuj_podglad(m);
  EXPECT_TRUE(m.wywolania.empty());
}

}  // namespace
