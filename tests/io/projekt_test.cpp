// The project file: its byte layout, the three commands with their log lines and messages,
// the older formats, and the route information.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "app/komunikaty.h"
#include "io/pliki_testowe.h"
#include "io/porownanie_ukladow.h"
#include "io/projekt.h"
#include "io/strumien_rekordow.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "support/uklad_testowy.h"

namespace {

void dopisz_trase_i_zera(pisarz_rekordow& s, std::int32_t miasto, std::int32_t rok, std::int32_t id) {
  s.int32(miasto);
  s.int32(rok);
  s.int32(id);
  for (int i = 0; i < 100; ++i) s.int32(0);
}

zdarzenie przykladowe_zdarzenie(int typ) {
  zdarzenie z;
  z.typ = typ;
  z.typ_b = -2;
  z.kierunek = 5;
  z.pozycja = 0.375;
  z.argument = 40;
  z.rezerwa = -1.5;
  return z;
}

// Two free points joined by a line, and an element of two points joined inside it.
void maly_uklad(tor_uklad& u) {
  tor_punkt* a = dodaj_punkt_toru(u, 1, 2, 30);
  tor_punkt* b = dodaj_punkt_toru(u, 11, 2, 40, 1);
  a->zdarzenia.dodaj(przykladowe_zdarzenie(3));
  polacz_tor(u, a, b)->zdarzenia.dodaj(przykladowe_zdarzenie(5));
  w_element* el = u.nowy_element(50, 60, 2.5);
  el->kat = 90;
  el->odbity = 1;
  el->przelozenie = 1;
  el->nr_szablonu = 4;
  tor_punkt* c = dodaj_punkt_elementu(u, el, 0, 0);
  tor_punkt* d = dodaj_punkt_elementu(u, el, 0, 20);
  c->wysokosc2 = 1.25;
  polacz_w_elemencie(u, c, d);
  u.przelicz_wszystko();
}

TEST(ProjektBajty, PustyProjektTo428BajtowPrzedSpakowaniem) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  const trasa_info trasa{9, 1975, 31};
  ASSERT_TRUE(zapisz_projekt(katalog.plik("p.vxm"), tor, trasa));
  pisarz_rekordow oczekiwane;
  for (std::int32_t v : {1412, 0, 0, 0}) oczekiwane.int32(v);
  dopisz_trase_i_zera(oczekiwane, 9, 1975, 31);
  ASSERT_EQ(oczekiwane.dane().size(), 428u);
  EXPECT_EQ(rozpakuj_gz(katalog.plik("p.vxm")), oczekiwane.dane());
}

TEST(ProjektBajty, JedenWolnyPunktPoleZaPolem) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  tor_punkt* t = dodaj_punkt_toru(tor, 3.5, -7.25, 215, 4);
  t->z = 0.5;
  t->obiekt = 1;
  t->wysokosc2 = 2;
  t->parametr1 = 1.435;
  t->parametr2 = 0.07;
  ASSERT_TRUE(zapisz_projekt(katalog.plik("p.vxm"), tor, {}));

  pisarz_rekordow o;
  o.int32(1412);
  o.int32(1);
  for (double v : {3.5, -7.25, 0.5}) o.f64(v);
  o.int32(0);  // events
  o.int32(4);
  o.int32(1);
  for (double v : {215.0, 2.0, 1.435, 0.07}) o.f64(v);
  o.int32(0);   // lines
  o.int32(0);   // elements
  o.int32(-1);  // the point's element
  dopisz_trase_i_zera(o, 0, 0, 0);
  ASSERT_EQ(o.dane().size(), 4u + 4 + 68 + 4 + 4 + 4 + 12 + 400);
  EXPECT_EQ(rozpakuj_gz(katalog.plik("p.vxm")), o.dane());
}

TEST(ProjektBajty, RekordyPunktuLiniiZdarzeniaIElementu) {
  tor_uklad tor;
  tor_punkt* a = dodaj_punkt_toru(tor, 1, 2);
  tor_punkt* b = dodaj_punkt_toru(tor, 3, 4);
  a->zdarzenia.dodaj(przykladowe_zdarzenie(2));
  a->zdarzenia.dodaj(przykladowe_zdarzenie(6));
  tor_linia* l = polacz_tor(tor, a, b);

  pisarz_rekordow baza;
  a->w_punkt::zapisz(baza);
  EXPECT_EQ(baza.dane().size(), 86u);
  pisarz_rekordow punkt;
  a->zapisz(punkt);
  EXPECT_EQ(punkt.dane().size(), 68u + 2 * 29);

  pisarz_rekordow linia;
  l->zapisz(linia);
  EXPECT_EQ(linia.dane().size(), 12u);

  pisarz_rekordow zd;
  przykladowe_zdarzenie(6).zapisz(zd);
  ASSERT_EQ(zd.dane().size(), 29u);
  czytnik_rekordow c(zd.dane());
  EXPECT_EQ(c.int32(), 6);
  EXPECT_EQ(c.int32(), -2);
  EXPECT_EQ(c.u8(), 5);
  EXPECT_EQ(c.f64(), 0.375);
  EXPECT_EQ(c.int32(), 40);
  EXPECT_EQ(c.f64(), -1.5);

  w_element el(1, 2, 3, true, 17);
  el.kat = 45;
  el.przelozenie = 1;
  pisarz_rekordow e;
  el.zapisz(e);
  ASSERT_EQ(e.dane().size(), 41u);
  czytnik_rekordow ce(e.dane());
  for (double v : {1.0, 2.0, 3.0, 45.0}) EXPECT_EQ(ce.f64(), v);
  EXPECT_EQ(ce.u8(), 1);
  EXPECT_EQ(ce.int32(), 1);
  EXPECT_EQ(ce.int32(), 17);
}

TEST(ProjektBajty, DrugaWysokoscWPlikuJestBezwzglednaIWracaBezZmiany) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  maly_uklad(tor);
  ASSERT_TRUE(zapisz_projekt(katalog.plik("a.vxm"), tor, {}));
  const auto pierwszy = rozpakuj_gz(katalog.plik("a.vxm"));
  // Point 2 belongs to the element at z 2.5 and holds 1.25 above it.
  const std::size_t przesuniecie = 8 + (68 + 29) + 68 + 24 + 4 + 4 + 4 + 8;
  double zapisana;
  std::memcpy(&zapisana, pierwszy.data() + przesuniecie, 8);
  EXPECT_EQ(zapisana, 3.75);

  tor_uklad wczytany;
  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("a.vxm"), wczytany, trasa).ok);
  EXPECT_EQ(wczytany.punkt(2)->wysokosc2, 1.25);
  ASSERT_TRUE(zapisz_projekt(katalog.plik("b.vxm"), wczytany, trasa));
  EXPECT_EQ(rozpakuj_gz(katalog.plik("b.vxm")), pierwszy);
}

// Format 1410 and 1411 files: one element whose record lacks fields.
std::vector<std::uint8_t> jeden_element(int format) {
  pisarz_rekordow s;
  s.int32(format);
  s.int32(1);
  for (double v : {0.0, 0.0, 0.0}) s.f64(v);
  s.int32(0);
  s.int32(0);
  s.int32(0);
  for (double v : {50.0, 0.0, 0.0, 0.0}) s.f64(v);
  s.int32(0);  // lines
  s.int32(1);
  for (double v : {10.0, 20.0, 1.0, 30.0}) s.f64(v);
  if (format == 1411) {
    s.u8(1);
    s.int32(12);
  }
  s.int32(0);
  dopisz_trase_i_zera(s, 0, 0, 0);
  return s.dane();
}

TEST(ProjektStareFormaty, ElementyBezPolTegoFormatuMajaWartosciNowegoElementu) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  for (int format : {1410, 1411}) {
    zapisz_gz_bajty(katalog.plik("s.vxm"), jeden_element(format));
    tor_uklad tor;
    tor.szab_akt = 9;
    trasa_info trasa;
    ASSERT_TRUE(wczytaj_projekt(katalog.plik("s.vxm"), tor, trasa).ok) << format;
    ASSERT_EQ(tor.emax(), 1);
    const w_element& e = *tor.e[0];
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 20);
    EXPECT_EQ(e.z, 1);
    EXPECT_EQ(e.kat, 30);
    EXPECT_EQ(e.przelozenie, 0);
    EXPECT_EQ(e.odbity, format == 1411 ? 1 : 0);
    EXPECT_EQ(e.nr_szablonu, format == 1411 ? 12 : 9);
    EXPECT_EQ(tor.p[0]->element, tor.e[0]);
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ProjektPolecenia, WczytanieZastepujeUkladITrase) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  tor_uklad zrodlo;
  maly_uklad(zrodlo);
  ASSERT_TRUE(zapisz_projekt(katalog.plik("p.vxm"), zrodlo, {4, 1990, 77}));

  tor_uklad tor;
  for (int i = 0; i < 5; ++i) dodaj_punkt_toru(tor, i, i);
  tor.punkt_kursor = 3;
  tor.ostatni_punkt = 4;
  trasa_info trasa{1, 2, 3};
  const wynik_odczytu w = wczytaj_projekt(katalog.plik("p.vxm"), tor, trasa);
  ASSERT_TRUE(w.ok) << w.blad;
  EXPECT_EQ(tor.pmax(), 4);
  EXPECT_EQ(tor.lmax(), 2);
  EXPECT_EQ(tor.emax(), 1);
  EXPECT_EQ(tor.punkt_kursor, -1);
  EXPECT_EQ(tor.ostatni_punkt, -1);
  EXPECT_EQ(trasa.miasto, 4);
  EXPECT_EQ(trasa.rok, 1990);
  EXPECT_EQ(trasa.id, 77);
  // The last point read is selected, and it belongs to the element.
  EXPECT_EQ(tor.p[3]->zaznaczony(), 1);
  EXPECT_FALSE(tor.p[3]->CZY_ZAZNACZONY());
  EXPECT_EQ(tor.ile_zaznaczonych_punktow(), 0);
  EXPECT_EQ(tor.punkt(0)->zdarzenia.ile(), 1);
  EXPECT_EQ(tor.linia(0)->zdarzenia.pierwszy()->dane.typ, 5);
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ProjektPolecenia, DodanieProjektuDoSiebiePodwajaGoBezPolaczen) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  tor_uklad tor;
  maly_uklad(tor);
  w_element* drugi = tor.nowy_element(-5, -5, 0);
  tor_punkt* f = dodaj_punkt_elementu(tor, drugi, 1, 1);
  polacz_w_elemencie(tor, f, dodaj_punkt_elementu(tor, drugi, 2, 1));
  tor.przelicz_wszystko();
  ASSERT_TRUE(zapisz_projekt(katalog.plik("p.vxm"), tor, {}));

  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("p.vxm"), tor, trasa).ok);
  const int P0 = tor.pmax(), L0 = tor.lmax(), E0 = tor.emax();
  ASSERT_TRUE(dodaj_do_projektu(katalog.plik("p.vxm"), tor).ok);
  ASSERT_EQ(tor.pmax(), 2 * P0);
  ASSERT_EQ(tor.lmax(), 2 * L0);
  ASSERT_EQ(tor.emax(), 2 * E0);
  for (int i = 0; i < tor.lmax(); ++i) {
    const bool kopia = i >= L0;
    EXPECT_EQ(tor.indeks_punktu(tor.l[i]->p1) >= P0, kopia) << i;
    EXPECT_EQ(tor.indeks_punktu(tor.l[i]->p2) >= P0, kopia) << i;
  }
  for (int i = 0; i < P0; ++i) {
    const int e = tor.p[i]->element ? tor.indeks_elementu(tor.p[i]->element) : -1;
    const int e_kopii = tor.p[P0 + i]->element ? tor.indeks_elementu(tor.p[P0 + i]->element) : -1;
    EXPECT_EQ(e_kopii, e < 0 ? -1 : E0 + e) << i;
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ProjektPolecenia, ObcyNumerFormatuPokazuje24IZostawiaWszystko) {
  katalog_tymczasowy katalog;
  tor_uklad zrodlo;
  maly_uklad(zrodlo);
  ASSERT_TRUE(zapisz_projekt(katalog.plik("dobry.vxm"), zrodlo, {5, 6, 7}));
  pisarz_rekordow obcy;
  obcy.int32(1413);
  dopisz_trase_i_zera(obcy, 1, 2, 3);
  zapisz_gz_bajty(katalog.plik("obcy.vxm"), obcy.dane());

  tor_uklad tor, wzor;
  trasa_info trasa, trasa_wzor;
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("dobry.vxm"), tor, trasa).ok);
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("dobry.vxm"), wzor, trasa_wzor).ok);

  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = wczytaj_projekt(katalog.plik("obcy.vxm"), tor, trasa);
  EXPECT_FALSE(w.ok);
  EXPECT_TRUE(w.nieznany_format);
  EXPECT_NE(w.blad.find("1413"), std::string::npos) << w.blad;
  const wynik_odczytu d = dodaj_do_projektu(katalog.plik("obcy.vxm"), tor);
  EXPECT_TRUE(d.nieznany_format);
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_NIE_VIALTOR, KOM_NIE_VIALTOR}));
  EXPECT_EQ(komunikaty.teksty[0], "Wczytywany plik nie jest formatem Vialtor");
  EXPECT_EQ(log.tresc(),
            "proba wczytania nierozpoznanego pliku!\n#komunikat: 24\n"
            "proba wczytania nierozpoznanego pliku!\n#komunikat: 24\n");
  EXPECT_EQ(roznica_ukladow(wzor, tor), "");
  EXPECT_EQ(trasa.miasto, 5);
  EXPECT_EQ(trasa.rok, 6);
  EXPECT_EQ(trasa.id, 7);
}

TEST(ProjektTrasa, MiastoZeroZostawiaRokIIdentyfikator) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  pisarz_rekordow s;
  for (std::int32_t v : {1412, 0, 0, 0}) s.int32(v);
  s.int32(0);  // city "Brak informacji": nothing follows it in use
  zapisz_gz_bajty(katalog.plik("p.vxm"), s.dane());

  log_tymczasowy log;
  trasa_info trasa{3, 1998, 44};
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("p.vxm"), tor, trasa).ok);
  EXPECT_EQ(trasa.miasto, 0);
  EXPECT_EQ(trasa.rok, 1998);
  EXPECT_EQ(trasa.id, 44);
  EXPECT_EQ(log.tresc(), " trasa info: skip\n");
}

TEST(ProjektTrasa, MiastoRokIIdentyfikatorWKolejnosci) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  ASSERT_TRUE(zapisz_projekt(katalog.plik("p.vxm"), tor, {15, 2024, -3}));
  const auto dane = rozpakuj_gz(katalog.plik("p.vxm"));
  czytnik_rekordow c(dane.data() + 16, 12);
  EXPECT_EQ(c.int32(), 15);
  EXPECT_EQ(c.int32(), 2024);
  EXPECT_EQ(c.int32(), -3);
  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("p.vxm"), tor, trasa).ok);
  EXPECT_EQ(trasa.miasto, 15);
  EXPECT_EQ(trasa.rok, 2024);
  EXPECT_EQ(trasa.id, -3);
}

TEST(ProjektPolecenia, PlikKtoregoNieMaJestNazwanyWKomunikacie) {
  katalog_tymczasowy katalog;
  tor_uklad tor, wzor;
  maly_uklad(tor);
  maly_uklad(wzor);
  trasa_info trasa{1, 2, 3};
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  const std::string brak = katalog.plik("nie_ma.vxm");
  const wynik_odczytu w = wczytaj_projekt(brak, tor, trasa);
  const wynik_odczytu d = dodaj_do_projektu(brak, tor);
  EXPECT_FALSE(w.ok);
  EXPECT_FALSE(w.nieznany_format);
  EXPECT_NE(w.blad.find(brak), std::string::npos) << w.blad;
  EXPECT_FALSE(d.ok);
  const std::string tekst = "nie można otworzyć pliku " + brak + " (No such file or directory)";
  EXPECT_EQ(komunikaty.teksty, (std::vector<std::string>{tekst, tekst}));
  EXPECT_EQ(log.tresc(), "Blok save: Błąd zapisu pliku!\n!!! " + tekst + "\nBlok save: Błąd zapisu pliku!\n!!! " + tekst + "\n");
  EXPECT_EQ(roznica_ukladow(wzor, tor), "");
  EXPECT_EQ(trasa.rok, 2);
}

TEST(ProjektPolecenia, AnulowaneOknaPlikow) {
  log_tymczasowy log;
  rejestrator_komunikatow komunikaty;
  brak_pliku_do_wczytania();
  brak_pliku_do_zapisu();
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_PLIK_NIE_ISTNIEJE, KOM_ZAPIS_NIEUDANY}));
  EXPECT_EQ(komunikaty.teksty, (std::vector<std::string>{"Podany plik nie istnieje!", "Zapis się nie powiódł!"}));
  EXPECT_EQ(log.tresc(), "Project load: brak pliku!\n#komunikat: 8\nBlok save: Brak pliku!\n#komunikat: 9\n");
}

TEST(ProjektPolecenia, NieudanyZapisMowiOTymINieZostawiaPliku) {
  katalog_tymczasowy katalog;
  tor_uklad tor;
  maly_uklad(tor);
  {
    log_tymczasowy log;
    rejestrator_komunikatow komunikaty;
    EXPECT_FALSE(zapisz_projekt(katalog.plik("nie_ma/p.vxm"), tor, {}));
    const std::string tekst = "nie można zapisać pliku " + katalog.plik("nie_ma/p.vxm") +
                              " (No such file or directory); plik na dysku pozostał bez zmian";
    EXPECT_EQ(komunikaty.teksty, std::vector<std::string>{tekst});
    EXPECT_EQ(log.tresc(), "Blok save: Błąd zapisu pliku!\n!!! " + tekst + "\n");
  }
  {
    // The rename fails at the very end: the text names the file and says it is as it was.
    std::filesystem::create_directories(katalog.plik("folder/w_srodku"));
    log_tymczasowy log;
    rejestrator_komunikatow komunikaty;
    EXPECT_FALSE(zapisz_projekt(katalog.plik("folder"), tor, {}));
    ASSERT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_TEKST});
    EXPECT_NE(komunikaty.teksty[0].find(katalog.plik("folder")), std::string::npos) << komunikaty.teksty[0];
    EXPECT_NE(komunikaty.teksty[0].find("pozostał bez zmian"), std::string::npos) << komunikaty.teksty[0];
    EXPECT_EQ(log.tresc().rfind("Blok save: Błąd zapisu pliku!\n!!! ", 0), 0u) << log.tresc();
    EXPECT_TRUE(std::filesystem::is_directory(katalog.plik("folder/w_srodku")));
  }
  std::size_t wpisow = 0;
  for ([[maybe_unused]] const auto& wpis : std::filesystem::directory_iterator(katalog.plik(""))) ++wpisow;
  EXPECT_EQ(wpisow, 1u);  // no temporary file left behind
}

TEST(ProjektPolecenia, PrzykladowyProjektWczytujeSieIZapisujeTakSamo) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  const std::string probka = std::string(VIALTOR_ZRODLA) + "/data/projects/elblag_petla.vxm";
  tor_uklad tor;
  trasa_info trasa;
  const wynik_odczytu w = wczytaj_projekt(probka, tor, trasa);
  ASSERT_TRUE(w.ok) << w.blad;
  EXPECT_GT(tor.pmax(), 0);
  ASSERT_TRUE(zapisz_projekt(katalog.plik("kopia.vxm"), tor, trasa));
  tor_uklad kopia;
  trasa_info trasa_kopii;
  ASSERT_TRUE(wczytaj_projekt(katalog.plik("kopia.vxm"), kopia, trasa_kopii).ok);
  EXPECT_EQ(roznica_ukladow(tor, kopia), "");
  EXPECT_TRUE(komunikaty.kody.empty());
}

}  // namespace
