// Pictures under the track: placing, hit testing, every drag, list order, deleting, blinking
// and what is drawn.
#include <gtest/gtest.h>

#include "imagery/obrazki.h"
#include "obrazy_testowe.h"
#include "support/katalog_tymczasowy.h"
#include "support/log_tymczasowy.h"
#include "support/malarz_rejestrujacy.h"
#include "support/rejestrator_komunikatow.h"

namespace {

// Textures as numbers: each load gives the next id; deletions are recorded.
struct tekstury_testowe {
  std::vector<std::string> ladowane;
  std::vector<unsigned> usuniete;
  unsigned nastepna = 100;
  tekstury_obrazkow uslugi() {
    return {[this](const std::string& s, std::string&) {
              ladowane.push_back(s);
              return nastepna++;
            },
            [this](unsigned& id) {
              usuniete.push_back(id);
              id = 0;
            }};
  }
};

obrazek prostokat(double x1, double y1, double x2, double y2) {
  obrazek o;
  o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
  o.sciezka = "p.bmp";
  return o;
}

std::vector<obrazek> z_jednym(double x1, double y1, double x2, double y2) { return {prostokat(x1, y1, x2, y2)}; }

TEST(Obrazki, DodanyNaSrodkuWidokuNaSpodzieListy) {
  katalog_tymczasowy katalog;
  const std::string sciezka = katalog.plik("mapa.bmp");
  zapisz_bajty(sciezka, {1, 2, 3});
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap(z_jednym(0, 0, 1, 1));
  log_tymczasowy log;
  widok kamera;
  kamera.skala = 0.02, kamera.przes_x = -50, kamera.przes_y = -40;
  ASSERT_TRUE(lista.dodaj_z_pliku(sciezka, kamera));
  ASSERT_EQ(lista.obrazki().size(), 2u);
  const obrazek& o = lista.obrazki().front();
  EXPECT_DOUBLE_EQ(o.x1, 10);
  EXPECT_DOUBLE_EQ(o.y1, 0);
  EXPECT_DOUBLE_EQ(o.x2, 90);
  EXPECT_DOUBLE_EQ(o.y2, 80);
  EXPECT_EQ(o.tekstura, 100u);
  EXPECT_TRUE(o.tekstura_wczytana);
  EXPECT_EQ(t.ladowane, std::vector<std::string>{sciezka});
  const std::string n = std::to_string(sciezka.size() + 1);
  EXPECT_EQ(log.tresc(), "LOAD TEXTURE A: [" + sciezka + "]\nLOAD TEXTURE dlugosc=" + n + "\nLOAD TEXTURE B: [" +
                             sciezka + "]\n===[" + sciezka + "]\nLOAD TEXTURE OK C: [" + sciezka + "]\n");
}

TEST(Obrazki, BrakPlikuNicNieDodaje) {
  katalog_tymczasowy katalog;
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  rejestrator_komunikatow komunikaty;
  EXPECT_FALSE(lista.dodaj_z_pliku(katalog.plik("brak.bmp"), widok{}));
  EXPECT_TRUE(lista.obrazki().empty());
  EXPECT_TRUE(t.ladowane.empty());
  EXPECT_EQ(komunikaty.kody, std::vector<unsigned>{KOM_PLIK_NIE_ISTNIEJE});
}

TEST(Obrazki, TrafienieWybieraGornyIUchwyty) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap({prostokat(0, 0, 100, 50), prostokat(50, 0, 150, 50)});
  const double skala = 0.025;  // 1 m of tolerance
  struct {
    double x, y;
    int wybrany, uchwyt;
  } przypadki[] = {
      {20, 20, 0, UCHWYT_CALOSC},  {70, 20, 1, UCHWYT_CALOSC},  // the later one lies on top
      {-0.9, 25, 0, UCHWYT_X1},    {0.5, 0.5, 0, 10},           // widened by the tolerance; a corner
      {150.9, 50.9, 1, 5},         {50.5, -0.5, 1, 10},         {150, -1, 1, 6},  {-0.5, 50.5, 0, 9},
      {100, 25, 1, UCHWYT_CALOSC}, {100, 0.5, 1, UCHWYT_Y1},    {100, 50, 1, UCHWYT_Y2},
      {50, 25, 1, UCHWYT_X1},      {150.5, 25, 1, UCHWYT_X2},   {25, 25, 0, UCHWYT_CALOSC},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
    EXPECT_TRUE(lista.trafienie(p.x, p.y, skala).trafiony);
    EXPECT_EQ(lista.wybrany(), p.wybrany);
    EXPECT_EQ(lista.uchwyt(), p.uchwyt);
    EXPECT_TRUE(lista.chwycony());
  }
  const trafienie_obrazka nic = lista.trafienie(151.1, 20, skala);
  EXPECT_FALSE(nic.trafiony);
  EXPECT_EQ(lista.wybrany(), -1);
  EXPECT_FALSE(lista.chwycony());
}

TEST(Obrazki, MalyObrazekOstatniUchwytWygrywa) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap(z_jednym(0, 0, 0.5, 0.5));
  lista.trafienie(0.25, 0.25, 0.025);
  EXPECT_EQ(lista.uchwyt(), UCHWYT_X2);  // right middle, tested last
}

TEST(Obrazki, TrafienieZglaszaFlagiIPomijaObrot) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  obrazek o = prostokat(0, 0, 10, 10);
  o.widoczny = false;
  o.zablokowany = true;
  o.rotacja = 45;
  lista.zastap({o});
  const trafienie_obrazka w = lista.trafienie(9.5, 5, 0.025);
  EXPECT_TRUE(w.trafiony);
  EXPECT_FALSE(w.widoczny);
  EXPECT_TRUE(w.zablokowany);
  EXPECT_FALSE(lista.trafienie(12, 12, 0.025).trafiony);  // inside the rotated square, outside the frame
}

TEST(Obrazki, PrzeciaganieKazdegoUchwytu) {
  struct {
    double x, y;  // where grabbed
    double x1, y1, x2, y2;  // after a drag by (2, 3)
  } przypadki[] = {
      {5, 5, 2, 3, 12, 13},   {0, 0, 2, 3, 10, 10},  {10, 0, 0, 3, 12, 10}, {10, 10, 0, 0, 12, 13},
      {0, 10, 2, 0, 10, 13},  {5, 0, 0, 3, 10, 10},  {5, 10, 0, 0, 10, 13}, {0, 5, 2, 0, 10, 10},
      {10, 5, 0, 0, 12, 10},
  };
  for (const auto& p : przypadki) {
    SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
    tekstury_testowe t;
    lista_obrazkow lista(t.uslugi());
    lista.zastap(z_jednym(0, 0, 10, 10));
    lista.trafienie(p.x, p.y, 0.025);
    EXPECT_EQ(lista.przeciagnij(2, 3), wynik_przeciagania::przesuniety);
    const obrazek& o = lista.obrazki()[0];
    EXPECT_EQ(std::vector<double>({o.x1, o.y1, o.x2, o.y2}), std::vector<double>({p.x1, p.y1, p.x2, p.y2}));
  }
}

TEST(Obrazki, ZablokowanyNieRuszaSieAniNieObraca) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  EXPECT_EQ(lista.przeciagnij(1, 1), wynik_przeciagania::nic);
  lista.zastap(z_jednym(0, 0, 10, 10));
  lista.trafienie(5, 5, 0.025);
  lista.obroc(30);
  EXPECT_EQ(lista.obrazki()[0].rotacja, 30);
  lista.ustaw_zablokowany(true);
  EXPECT_EQ(lista.przeciagnij(1, 1), wynik_przeciagania::zablokowany);
  lista.obroc(30);
  const obrazek& o = lista.obrazki()[0];
  EXPECT_EQ(std::vector<double>({o.x1, o.y1, o.x2, o.y2, o.rotacja}), std::vector<double>({0, 0, 10, 10, 30}));
  lista.kasuj_rotacje();
  EXPECT_EQ(lista.obrazki()[0].rotacja, 0);
}

TEST(Obrazki, OdbiciaZamianaIPrzezroczystosc) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap(z_jednym(0, 0, 10, 5));
  lista.trafienie(5, 2, 0.025);
  lista.odbij_x();
  EXPECT_EQ(lista.obrazki()[0].x1, 10);
  EXPECT_EQ(lista.obrazki()[0].x2, 0);
  EXPECT_TRUE(lista.trafienie(1, 1, 0.025).trafiony);  // a mirrored picture is still found
  lista.odbij_y();
  EXPECT_EQ(lista.obrazki()[0].y1, 5);
  lista.przelacz_zamiane_xy();
  EXPECT_TRUE(lista.obrazki()[0].zamien_xy);
  lista.ustaw_przezroczystosc(1);
  EXPECT_DOUBLE_EQ(lista.obrazki()[0].przezroczystosc, 0.025);
  lista.ustaw_przezroczystosc(40);
  EXPECT_DOUBLE_EQ(lista.obrazki()[0].przezroczystosc, 1.0);
  lista.ustaw_widoczny(false);
  EXPECT_FALSE(lista.obrazki()[0].widoczny);
}

TEST(Obrazki, NaWierzchIPodSpod) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  std::vector<obrazek> trzy = {prostokat(0, 0, 1, 1), prostokat(10, 0, 11, 1), prostokat(20, 0, 21, 1)};
  for (int i = 0; i < 3; ++i) trzy[i].sciezka = std::string(1, static_cast<char>('a' + i));
  lista.zastap(trzy);
  const auto kolejnosc = [&] {
    std::string s;
    for (const obrazek& o : lista.obrazki()) s += o.sciezka;
    return s;
  };
  lista.trafienie(0.5, 0.5, 0.025);
  lista.na_wierzch();
  EXPECT_EQ(kolejnosc(), "bca");
  EXPECT_EQ(lista.wybrany(), 2);
  lista.trafienie(20.5, 0.5, 0.025);
  lista.pod_spod();
  EXPECT_EQ(kolejnosc(), "cba");
  EXPECT_EQ(lista.wybrany(), 0);
  lista.odbij_x();  // still the same picture
  EXPECT_EQ(lista.obrazki()[0].x1, 21);
}

TEST(Obrazki, UsuwanieZTeksturami) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  rejestrator_komunikatow komunikaty;
  EXPECT_FALSE(lista.usun_wybrany());
  EXPECT_FALSE(lista.usun_wszystkie());
  std::vector<obrazek> dwa = {prostokat(0, 0, 1, 1), prostokat(10, 0, 11, 1)};
  dwa[0].tekstura = 7;
  dwa[1].tekstura = 8;
  lista.zastap(dwa);
  EXPECT_FALSE(lista.usun_wybrany());
  EXPECT_EQ(komunikaty.kody, (std::vector<unsigned>{KOM_RYSUNKI_USUNIETE, KOM_RYSUNKI_USUNIETE, KOM_BRAK_RYSUNKU}));
  lista.trafienie(10.5, 0.5, 0.025);
  EXPECT_TRUE(lista.usun_wybrany());
  EXPECT_EQ(t.usuniete, std::vector<unsigned>{8});
  EXPECT_EQ(lista.wybrany(), -1);
  ASSERT_EQ(lista.obrazki().size(), 1u);
  EXPECT_TRUE(lista.usun_wszystkie());
  EXPECT_EQ(t.usuniete, (std::vector<unsigned>{8, 7}));
  EXPECT_TRUE(lista.obrazki().empty());
}

// Undo and redo of the pictures: a description without textures, put back keeping the textures
// of pictures that stay, deleting those of pictures that go and loading those that come back
// when drawn; the selection follows its picture.
TEST(Obrazki, OpisIPrzywrocenieZachowujaTekstury) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  std::vector<obrazek> dwa = {prostokat(0, 0, 1, 1), prostokat(10, 0, 11, 1)};
  dwa[0].tekstura = 7;
  dwa[1].tekstura = 8;
  dwa[0].tekstura_wczytana = dwa[1].tekstura_wczytana = true;
  lista.zastap(dwa);
  const std::vector<obrazek> przed = lista.opis();
  ASSERT_EQ(przed.size(), 2u);
  EXPECT_EQ(przed[0].tekstura, 0u);
  EXPECT_NE(przed[0].numer, przed[1].numer);

  lista.trafienie(10.5, 0.5, 0.025);  // the second picture
  lista.na_wierzch();
  lista.odbij_x();
  lista.trafienie(0.5, 0.5, 0.025);
  ASSERT_TRUE(lista.usun_wybrany());
  EXPECT_EQ(t.usuniete, std::vector<unsigned>{7});
  const std::vector<obrazek> po = lista.opis();
  ASSERT_EQ(po.size(), 1u);
  EXPECT_EQ(po[0].x1, 11);

  lista.trafienie(10.5, 0.5, 0.025);
  lista.przywroc(przed);
  EXPECT_EQ(lista.opis(), przed);
  EXPECT_EQ(lista.obrazki()[1].tekstura, 8u);  // kept, not loaded again
  EXPECT_EQ(lista.obrazki()[0].tekstura, 0u);
  EXPECT_EQ(lista.wybrany(), 1);
  malarz_rejestrujacy m;
  lista.rysuj(m);
  EXPECT_EQ(t.ladowane, std::vector<std::string>{"p.bmp"});  // the one that came back
  EXPECT_EQ(lista.obrazki()[0].tekstura, 100u);

  lista.przywroc(po);
  EXPECT_EQ(lista.opis(), po);
  EXPECT_EQ(t.usuniete, (std::vector<unsigned>{7, 100}));
  EXPECT_EQ(lista.obrazki()[0].tekstura, 8u);
  EXPECT_EQ(lista.wybrany(), 0);
}

TEST(Obrazki, MiganieCzternascieUkrytychSzesnascieWidocznych) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap(z_jednym(0, 0, 1, 1));
  const auto cykl = [&] {
    std::string s;
    for (int klatka = 0; klatka < 2 * CYKL_MIGANIA; ++klatka) {
      lista.krok_migania();
      malarz_rejestrujacy m;
      lista.rysuj(m);
      s += m.tylko("czworokat").empty() ? '-' : '#';
    }
    return s;
  };
  const std::string jeden = std::string(14, '-') + std::string(16, '#');
  lista.ustaw_miganie(true);
  EXPECT_EQ(cykl(), jeden + jeden);
  // Half a cycle in, switched off and on again: the count starts over.
  for (int i = 0; i < 20; ++i) lista.krok_migania();
  lista.ustaw_miganie(false);
  lista.ustaw_miganie(true);
  EXPECT_EQ(cykl(), jeden + jeden);
  lista.ustaw_miganie(false);
  EXPECT_EQ(cykl(), std::string(60, '#'));
}

// Blinking needs a frame only when a shown picture reaches into the view: by its rectangle, a
// turned one by the circle round it, a hidden one never.
TEST(Obrazki, WidacWProstokacie) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  EXPECT_FALSE(lista.widac_w({-100, -100, 100, 100}));
  lista.zastap(z_jednym(10, 0, 0, 2));  // mirrored in x
  EXPECT_TRUE(lista.widac_w({9.5, 1, 12, 3}));
  EXPECT_FALSE(lista.widac_w({10.5, 0, 12, 2}));
  EXPECT_FALSE(lista.widac_w({-2, 0, -0.5, 2}));
  EXPECT_FALSE(lista.widac_w({0, 2.5, 10, 4}));
  EXPECT_FALSE(lista.widac_w({0, -4, 10, -0.5}));
  // Turned a quarter about (5, 1) it stands from y = -4 to 6.
  std::vector<obrazek> obrocony = z_jednym(0, 0, 10, 2);
  obrocony[0].rotacja = 90;
  lista.zastap(obrocony);
  EXPECT_TRUE(lista.widac_w({4, 4, 6, 5}));
  EXPECT_FALSE(lista.widac_w({4, 7, 6, 8}));
  obrocony[0].widoczny = false;
  lista.zastap(obrocony);
  EXPECT_FALSE(lista.widac_w({0, 0, 10, 2}));
}

TEST(Obrazki, RysowanieZLeniwaTeksturaObrotemIZamiana) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  obrazek a = prostokat(0, 0, 4, 2);
  a.rotacja = 30;
  a.zamien_xy = true;
  a.przezroczystosc = 0.5;
  obrazek ukryty = prostokat(0, 0, 1, 1);
  ukryty.widoczny = false;
  obrazek bez_obrazu = prostokat(5, 5, 6, 6);
  bez_obrazu.sciezka = "zly.jpg";
  bez_obrazu.tekstura_wczytana = true;  // tried before, failed
  lista.zastap({a, ukryty, bez_obrazu});
  log_tymczasowy log;
  malarz_rejestrujacy m;
  lista.rysuj(m);
  EXPECT_EQ(m.wywolania, (std::vector<std::string>{
                             "kolor 1 1 1 0.5", "tekstura 100", "zachowaj_macierz", "przesun 2 1 0", "obroc 30 0 0 1",
                             "przesun -2 -1 0", "czworokat 0 0 0 0 4 0 0 1 4 2 1 1 0 2 1 0", "przywroc_macierz",
                             "kolor 1 1 1 1", "bez_tekstury", "zachowaj_macierz", "przesun 5.5 5.5 0",
                             "obroc 0 0 0 1", "przesun -5.5 -5.5 0", "czworokat 5 5 0 0 6 5 1 0 6 6 1 1 5 6 0 1",
                             "przywroc_macierz", "bez_tekstury"}));
  EXPECT_EQ(log.tresc(), "} LOAD TEXTURE [0]: [p.bmp]\n...\nLOADED \n");
  malarz_rejestrujacy drugi;
  lista.rysuj(drugi);
  EXPECT_EQ(t.ladowane, std::vector<std::string>{"p.bmp"});  // loaded once
}

TEST(Obrazki, RamkiIUchwytyWybranego) {
  tekstury_testowe t;
  lista_obrazkow lista(t.uslugi());
  lista.zastap({prostokat(0, 0, 10, 10), prostokat(20, 0, 30, 10)});
  lista.trafienie(30, 10, 0.025);  // corner 5 of the second
  malarz_rejestrujacy m;
  lista.rysuj_ramki(m);
  const auto punkty = m.tylko("punkt");
  ASSERT_EQ(punkty.size(), 8u);
  for (std::size_t i = 0; i < punkty.size(); ++i) {
    const bool czerwony = i == 2;  // (x2, y2)
    EXPECT_EQ(punkty[i].g, czerwony ? 0.f : 1.f) << i;
    EXPECT_EQ(punkty[i].rozmiar_punktu, 8.f);
  }
  EXPECT_EQ(punkty[2].x1, 30);
  EXPECT_EQ(punkty[2].y1, 10);
  const auto wierzcholki = m.tylko("wierzcholek");
  ASSERT_EQ(wierzcholki.size(), 10u);
  EXPECT_FLOAT_EQ(wierzcholki[0].r, 0.9f);  // not selected
  EXPECT_EQ(wierzcholki[5].g, 1.f);         // selected, grabbed by a corner: white
  lista.trafienie(25, 5, 0.025);
  malarz_rejestrujacy calosc;
  lista.rysuj_ramki(calosc);
  EXPECT_EQ(calosc.tylko("wierzcholek")[5].g, 0.f);  // grabbed whole: red
}

}  // namespace

// The editor steps the blink counter from one change to the next: each jump lands where frame
// by frame stepping first shows or hides the pictures.
TEST(Obrazki, MiganieSkokiemDoZmiany) {
  tekstury_testowe t;
  lista_obrazkow skokami(t.uslugi()), klatkami(t.uslugi());
  skokami.ustaw_miganie(true);
  klatkami.ustaw_miganie(true);
  std::vector<int> skoki;
  for (int zmiana = 0; zmiana < 5; ++zmiana) {
    const int n = skokami.klatki_do_zmiany();
    skoki.push_back(n);
    skokami.krok_migania(n);
    const bool przed = klatkami.ukryte_przez_miganie();
    for (int i = 1; i < n; ++i) {
      klatkami.krok_migania();
      ASSERT_EQ(klatkami.ukryte_przez_miganie(), przed) << "a change skipped at frame " << i << " of " << n;
    }
    klatkami.krok_migania();
    ASSERT_NE(klatkami.ukryte_przez_miganie(), przed);
    EXPECT_EQ(skokami.ukryte_przez_miganie(), klatkami.ukryte_przez_miganie());
  }
  EXPECT_EQ(skoki, (std::vector<int>{1, 14, 16, 14, 16}));
}
