// Damaged files for every reader: each is refused with one message naming the file, and the
// open track layout, catenary and route information stay exactly as they were.
#include <gtest/gtest.h>

#include <random>

#include "app/komunikaty.h"
#include "io/generator_projektow.h"
#include "io/import_txt.h"
#include "io/import_vxp.h"
#include "io/pliki_testowe.h"
#include "io/plik_vxp.h"
#include "io/porownanie_ukladow.h"
#include "io/projekt.h"
#include "io/strumien_tekstowy.h"
#include "support/katalog_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "track/siec.h"
#include "track/tor.h"

namespace {

enum class czytnik { projekt, dodanie, tekst, stary };

struct otwarty_model {
  otwarty_model() {
    std::mt19937 los(5);
    const auto dane = losowy_uklad(los, {});
    czytnik_rekordow s(dane);
    tor.wczytaj(s);
    tor.szab_akt = 2;
    for (int i = 0; i < 3; ++i) siec.dodaj_punkt(i, 2 * i, 7);
    siec.polacz_przewodem(siec.p[0], siec.p[2], 1);
    trasa = {4, 1999, 8};
  }
  tor_uklad tor;
  siec_uklad siec;
  trasa_info trasa;
};

wynik_odczytu czytaj(czytnik k, const std::string& plik, otwarty_model& m) {
  switch (k) {
    case czytnik::projekt: return wczytaj_projekt(plik, m.tor, m.trasa);
    case czytnik::dodanie: return dodaj_do_projektu(plik, m.tor);
    case czytnik::tekst: return importuj_txt(plik, m.tor);
    case czytnik::stary: return importuj_vxp(plik, m.tor, m.siec);
  }
  return {};
}

// A refusal as every reader must give it. With `wolno_wczytac`, a file that reads whole passes
// too (random bytes can make a valid file).
testing::AssertionResult odrzucony_czysto(czytnik k, const std::string& plik, bool wolno_wczytac = false) {
  otwarty_model m, wzor;
  rejestrator_komunikatow komunikaty;
  const wynik_odczytu w = czytaj(k, plik, m);
  if (w.ok) {
    if (wolno_wczytac) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "plik został wczytany";
  }
  if (komunikaty.kody.size() != 1) return testing::AssertionFailure() << komunikaty.kody.size() << " komunikatów";
  if (w.nieznany_format) {
    if (komunikaty.kody[0] != KOM_NIE_VIALTOR) return testing::AssertionFailure() << "komunikat " << komunikaty.kody[0];
  } else if (komunikaty.kody[0] != KOM_TEKST || komunikaty.teksty[0].find(plik) == std::string::npos) {
    return testing::AssertionFailure() << "komunikat " << komunikaty.kody[0] << ": " << komunikaty.teksty[0];
  }
  for (const std::string& roznica : {roznica_ukladow(wzor.tor, m.tor), roznica_ukladow(wzor.siec, m.siec)})
    if (!roznica.empty()) return testing::AssertionFailure() << "zmieniony model: " << roznica;
  if (m.trasa.miasto != 4 || m.trasa.rok != 1999 || m.trasa.id != 8)
    return testing::AssertionFailure() << "zmieniona trasa";
  return testing::AssertionSuccess() << w.blad;
}

std::vector<std::uint8_t> poczatek(const std::vector<std::uint8_t>& dane, std::size_t n) {
  return {dane.begin(), dane.begin() + static_cast<std::ptrdiff_t>(n)};
}

std::vector<std::uint8_t> maly_projekt(std::size_t& koniec_ukladu) {
  std::mt19937 los(11);
  opcje_generatora opcje;
  opcje.najwiecej_punktow = 6;
  std::vector<std::uint8_t> uklad;
  do {
    uklad = losowy_uklad(los, opcje);
  } while (uklad.size() < 300);  // some points, lines, events and elements
  koniec_ukladu = uklad.size();
  return projekt_z_ukladem(uklad, 3, 1950, 9);
}

TEST(UszkodzonyProjekt, UcietyWKazdymBajcie) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("u.vxm");
  std::size_t koniec_ukladu = 0;
  const auto pelny = maly_projekt(koniec_ukladu);
  // Every cut before the end of what is read, so every record boundary among them.
  for (std::size_t n = 0; n < koniec_ukladu + 12; ++n) {
    zapisz_gz_bajty(plik, poczatek(pelny, n));
    ASSERT_TRUE(odrzucony_czysto(czytnik::projekt, plik)) << "ucięty do " << n << " B";
    if (n < koniec_ukladu) {
      ASSERT_TRUE(odrzucony_czysto(czytnik::dodanie, plik)) << "ucięty do " << n << " B";
    }
  }
  // The trailer of zeros is not needed to read a project.
  zapisz_gz_bajty(plik, poczatek(pelny, koniec_ukladu + 12));
  otwarty_model m;
  EXPECT_TRUE(wczytaj_projekt(plik, m.tor, m.trasa).ok);
}

TEST(UszkodzonyProjekt, UcietyStrumienGzipINieGzip) {
  katalog_tymczasowy katalog;
  std::size_t koniec_ukladu = 0;
  zapisz_gz_bajty(katalog.plik("dobry.vxm"), maly_projekt(koniec_ukladu));
  const auto spakowany = bajty_pliku(katalog.plik("dobry.vxm"));
  const std::string plik = katalog.plik("u.vxm");
  for (std::size_t n = 0; n < spakowany.size(); ++n) {
    zapisz_bajty(plik, poczatek(spakowany, n));
    ASSERT_TRUE(odrzucony_czysto(czytnik::projekt, plik)) << "ucięty do " << n << " B";
    ASSERT_TRUE(odrzucony_czysto(czytnik::dodanie, plik)) << "ucięty do " << n << " B";
  }
  const std::vector<std::uint8_t> tekst = {'1', '4', '1', '2', '\n', 'a', 'b', 'c', '\n'};
  zapisz_bajty(plik, tekst);
  EXPECT_TRUE(odrzucony_czysto(czytnik::projekt, plik));
  zapisz_bajty(plik, {0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a, 0, 0, 0, 13});
  EXPECT_TRUE(odrzucony_czysto(czytnik::projekt, plik));
}

TEST(UszkodzonyProjekt, LosoweBajtyIZmienioneBajtyPoprawnegoPliku) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("l.vxm");
  std::mt19937 los(2024);
  std::size_t koniec_ukladu = 0;
  const auto pelny = maly_projekt(koniec_ukladu);
  for (int proba = 0; proba < 400; ++proba) {
    std::vector<std::uint8_t> dane;
    if (proba % 2) {
      pisarz_rekordow s;
      s.int32(1410 + proba % 3);
      const int n = static_cast<int>(los() % 200);
      for (int i = 0; i < n; ++i) s.u8(static_cast<std::uint8_t>(los()));
      dane = s.dane();
    } else {
      dane = pelny;
      for (int zmiana = 0; zmiana < 1 + proba % 4; ++zmiana)
        dane[4 + los() % (koniec_ukladu - 4)] = static_cast<std::uint8_t>(los());
    }
    zapisz_gz_bajty(plik, dane);
    ASSERT_TRUE(odrzucony_czysto(czytnik::projekt, plik, true)) << "próba " << proba;
    ASSERT_TRUE(odrzucony_czysto(czytnik::dodanie, plik, true)) << "próba " << proba;
  }
}

TEST(UszkodzonyProjekt, OgromneLiczbyIZleIndeksy) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("z.vxm");
  auto sprawdz = [&](const std::vector<std::int32_t>& liczby, const char* oczekiwany_blad) {
    pisarz_rekordow s;
    for (std::int32_t v : liczby) s.int32(v);
    zapisz_gz_bajty(plik, projekt_z_ukladem(s.dane(), 1, 1, 1));
    otwarty_model m;
    rejestrator_komunikatow komunikaty;
    const wynik_odczytu w = wczytaj_projekt(plik, m.tor, m.trasa);
    EXPECT_NE(w.blad.find(oczekiwany_blad), std::string::npos) << w.blad;
    EXPECT_TRUE(odrzucony_czysto(czytnik::projekt, plik)) << oczekiwany_blad;
  };
  // A point: x, y, z as six integers, no events, gauge, object, then radius and three more
  // reals as eight integers.
  const std::vector<std::int32_t> punkt = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  auto z_punktami = [&](int n, std::vector<std::int32_t> reszta) {
    std::vector<std::int32_t> w = {1412, n};
    for (int i = 0; i < n; ++i) w.insert(w.end(), punkt.begin(), punkt.end());
    w.insert(w.end(), reszta.begin(), reszta.end());
    return w;
  };
  sprawdz({1412, 0x7fffffff}, "liczba punktów (2147483647");
  sprawdz({1412, 1, 0, 0, 0, 0, 0, 0, 0x40000000}, "punkt 0: liczba zdarzeń (1073741824");
  sprawdz(z_punktami(1, {0x7fffffff}), "liczba linii (2147483647");
  sprawdz(z_punktami(1, {0, 0x7fffffff}), "liczba elementów (2147483647");
  sprawdz(z_punktami(2, {1, 0, 2, 0, 0, 0}), "linia 0: indeks punktu 2 poza zakresem 0..1");
  sprawdz(z_punktami(2, {1, -1, 0, 0, 0, 0}), "linia 0: indeks punktu -1 poza zakresem 0..1");
  sprawdz(z_punktami(2, {1, 1, 1, 0, 0, 0}), "linia 0: łączy punkt 1 z nim samym");
  sprawdz(z_punktami(2, {2, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0}), "linia 1: powtórzone połączenie punktów 1 i 0");
  sprawdz(z_punktami(1, {0, 0, 0}), "punkt 0: indeks elementu 0 poza zakresem 0..-1");
}

// A text form of a small layout with elements, and where its last value starts.
std::string maly_tekst(std::size_t& ostatnia_wartosc) {
  std::mt19937 los(3);
  opcje_generatora opcje;
  opcje.najwiecej_punktow = 5;
  opcje.format = 1410;
  std::vector<std::uint8_t> uklad;
  do {
    uklad = losowy_uklad(los, opcje);
  } while (uklad.size() < 300);
  tor_uklad tor;
  czytnik_rekordow s(uklad);
  tor.wczytaj(s);
  pisarz_tekstu t;
  tor.zapisz_txt(t);
  const std::string& tekst = t.tekst();
  ostatnia_wartosc = tekst.find_last_of('\n', tekst.size() - 2) + 1;
  return tekst;
}

std::vector<std::uint8_t> bajty(const std::string& tekst) { return {tekst.begin(), tekst.end()}; }

TEST(UszkodzonyTekst, UcietyWKazdymBajcie) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("u.txt");
  std::size_t ostatnia = 0;
  const std::string pelny = maly_tekst(ostatnia);
  for (std::size_t n = 0; n < ostatnia; ++n) {
    zapisz_bajty(plik, bajty(pelny.substr(0, n)));
    ASSERT_TRUE(odrzucony_czysto(czytnik::tekst, plik)) << "ucięty do " << n << " B";
  }
}

TEST(UszkodzonyTekst, ZmienioneWartosciIOgromneLiczby) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("z.txt");
  std::size_t ostatnia = 0;
  const std::string pelny = maly_tekst(ostatnia);
  std::vector<std::size_t> wiersze = {0};
  for (std::size_t i = 0; i + 1 < pelny.size(); ++i)
    if (pelny[i] == '\n') wiersze.push_back(i + 1);
  std::mt19937 los(77);
  const char* const wstawki[] = {"x", "1e999", "-7", "2147483647", "3.5", "", "nan", "-2147483648", "0", "99"};
  for (int proba = 0; proba < 300; ++proba) {
    const std::size_t w = wiersze[los() % wiersze.size()];
    const std::size_t koniec = pelny.find('\n', w);
    const std::string zmieniony = pelny.substr(0, w) + wstawki[los() % std::size(wstawki)] + pelny.substr(koniec);
    zapisz_bajty(plik, bajty(zmieniony));
    ASSERT_TRUE(odrzucony_czysto(czytnik::tekst, plik, true)) << "próba " << proba << ":\n" << zmieniony;
  }
  for (const char* zly : {"1410\n2147483647\n0\n", "1410\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n0\n0\n0\n0\n0\n-1\n",
                          "1410\n0\n0\n", "1410\n1\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n0\n1\n"}) {
    zapisz_bajty(plik, bajty(zly));
    EXPECT_TRUE(odrzucony_czysto(czytnik::tekst, plik)) << zly;
  }
}

std::vector<std::uint8_t> maly_vxp() {
  pisarz_rekordow s;
  s.int32(3);
  for (int i = 0; i < 3; ++i) punkt_sieci_vxp(s, static_cast<float>(i), 1, 6);
  s.int32(2);
  przeslo_vxp(s, 0, 1, 0);
  przeslo_vxp(s, 1, 2, 3);
  s.int32(0);
  s.int32(2);
  s.int32(3);
  for (int i = 0; i < 3; ++i) punkt_toru_vxp_zapisz(s, {.x = static_cast<float>(10 * i), .zdarzen = i}, true);
  s.int32(2);
  linia_toru_vxp(s, 0, 1, 0, 0, 1);
  linia_toru_vxp(s, 1, 2, 0, 1);
  return s.dane();
}

TEST(UszkodzonyStaryProjekt, UcietyWKazdymBajcie) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("u.vxp");
  const auto pelny = maly_vxp();
  for (std::size_t n = 0; n < pelny.size(); ++n) {
    zapisz_bajty(plik, poczatek(pelny, n));
    ASSERT_TRUE(odrzucony_czysto(czytnik::stary, plik)) << "ucięty do " << n << " B";
  }
}

TEST(UszkodzonyStaryProjekt, LosoweBajtyOgromneLiczbyIZleIndeksy) {
  katalog_tymczasowy katalog;
  const std::string plik = katalog.plik("z.vxp");
  std::mt19937 los(99);
  const auto pelny = maly_vxp();
  for (int proba = 0; proba < 300; ++proba) {
    std::vector<std::uint8_t> dane = pelny;
    if (proba % 3 == 0) {
      dane.resize(los() % 300);
      for (auto& b : dane) b = static_cast<std::uint8_t>(los());
    } else {
      for (int zmiana = 0; zmiana < 1 + proba % 3; ++zmiana)
        dane[los() % dane.size()] = static_cast<std::uint8_t>(los());
    }
    zapisz_bajty(plik, dane);
    ASSERT_TRUE(odrzucony_czysto(czytnik::stary, plik, true)) << "próba " << proba;
  }

  auto sprawdz = [&](const std::vector<std::uint8_t>& dane, const char* oczekiwany_blad) {
    zapisz_bajty(plik, dane);
    otwarty_model m;
    rejestrator_komunikatow komunikaty;
    const wynik_odczytu w = importuj_vxp(plik, m.tor, m.siec);
    EXPECT_NE(w.blad.find(oczekiwany_blad), std::string::npos) << w.blad;
    EXPECT_TRUE(odrzucony_czysto(czytnik::stary, plik)) << oczekiwany_blad;
  };
  pisarz_rekordow s;
  s.int32(0x7fffffff);
  sprawdz(s.dane(), "liczba punktów sieci trakcyjnej (2147483647");

  pisarz_rekordow przeslo;
  przeslo.int32(1);
  punkt_sieci_vxp(przeslo, 0, 0, 0);
  przeslo.int32(1);
  przeslo_vxp(przeslo, 0, 1, 0);
  sprawdz(przeslo.dane(), "przęsło 0: indeks punktu 1 poza zakresem 0..0");

  for (auto [a, b, blad] : {std::tuple{0, 5, "linia 0: indeks punktu 5 poza zakresem 0..1"},
                            std::tuple{-1, 0, "linia 0: indeks punktu -1 poza zakresem 0..1"},
                            std::tuple{1, 1, "linia 0: łączy punkt 1 z nim samym"}}) {
    pisarz_rekordow t;
    t.int32(0);
    t.int32(0);
    t.int32(2);
    punkt_toru_vxp_zapisz(t, {}, false);
    punkt_toru_vxp_zapisz(t, {}, false);
    t.int32(1);
    linia_toru_vxp(t, a, b, 0, 0);
    sprawdz(t.dane(), blad);
  }

  pisarz_rekordow zdarzenia;
  for (std::int32_t v : {0, 0, 1}) zdarzenia.int32(v);
  for (int i = 0; i < 7; ++i) zdarzenia.int32(0);  // coordinates, radius, gauge, parameter, object
  zdarzenia.int32(0x7ffffff0);
  zdarzenia.int32(0);
  zdarzenia.int32(0);
  sprawdz(zdarzenia.dane(), "liczba zdarzeń (2147483632");
}

}  // namespace
