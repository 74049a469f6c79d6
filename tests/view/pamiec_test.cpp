// The picture cache: the same pixels as drawing every item in order, for every kind of item,
// display option, colour scheme and camera, through selections, hovers and edits; recording
// again only what changed.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <functional>
#include <random>

#include "dokument/dokument.h"
#include "app/stan.h"
#include "kontekst_gl.h"
#include "support/malarz_rejestrujacy.h"
#include "uklady_testowe.h"
#include "view/pamiec_planu.h"
#include "view/pamiec_ukladu.h"
#include "view/zapis_rysunku.h"
#include "view/zbieracz_partii.h"

namespace {

// Display options and the event atlas for one test, restored after it.
struct opcje_programu {
  stan_programu zachowany = stan;
  ~opcje_programu() { stan = zachowany; }
};

class PamiecObrazu : public testing::Test {
 protected:
  void SetUp() override {
    // A small checked atlas, so that the symbols' quads have texels to show.
    unsigned char texele[8 * 8 * 3];
    for (int i = 0; i < 64; ++i)
      for (int k = 0; k < 3; ++k) texele[3 * i + k] = static_cast<unsigned char>(((i / 8 + i % 8) % 2) ? 40 * k : 250 - 60 * k);
    glGenTextures(1, &atlas);
    glBindTexture(GL_TEXTURE_2D, atlas);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 8, 8, 0, GL_RGB, GL_UNSIGNED_BYTE, texele);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    stan.tekstura_zdarzen = atlas;
    siec_testowa(dok, 7, 700);
  }
  void TearDown() override { glDeleteTextures(1, &atlas); }

  // The cached frame of `pamiec` and the plain one: the same pixels.
  void porownaj(malarz_gl& m, pamiec_planu& pamiec, const std::string& co) {
    const QImage a = gl.klatka(m, dok, edytor, pamiec);
    const QImage b = gl.wprost(dok, edytor);
    std::string pierwszy;
    EXPECT_EQ(rozne_piksele(a, b, &pierwszy), 0) << co << ": " << pierwszy;
  }

  // The whole layout, a view whose edges cut through it, the start-up camera, a close look and a
  // view kilometres wide.
  std::vector<widok> kamery() const {
    widok calosc;
    ustaw_kadr(calosc, dok.tor.pokaz_wszystko());
    widok przyciety = calosc;
    przyciety.skala *= 3.7;
    przyciety.przes_x -= 40;
    widok blisko = calosc;
    blisko.skala = 0.9;
    blisko.przes_x = -dok.tor.p[9]->GET_X();
    blisko.przes_y = -dok.tor.p[9]->GET_Y();
    // Wide enough for the frame to leave the map to the card.
    widok szeroki = calosc;
    szeroki.skala = std::min(calosc.skala, calosc.proporcja / 1500);
    return {calosc, przyciety, widok{}, blisko, szeroki};
  }

  kontekst_gl gl;
  opcje_programu opcje;
  unsigned atlas = 0;
  dokument dok;
  stan_edytora edytor;
};

TEST_F(PamiecObrazu, TeSamePikseleWKazdejOpcjiIKamerze) {
  const opcje_rysowania warianty[] = {{POKAZ_PUNKTY_LINIE | POKAZ_SZYNY, false},
                                      {POKAZ_PUNKTY_LINIE | POKAZ_SZYNY | POKAZ_SKRAJNIE, true},
                                      {POKAZ_SZYNY, false},
                                      {POKAZ_PUNKTY_LINIE, true},
                                      {POKAZ_SKRAJNIE, false},
                                      {0, false}};
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  int nr = 0;
  for (const opcje_rysowania& o : warianty) {
    stan.rysowanie = o;
    dok.tor.kolorystyka = nr++ % 4;
    for (const widok& w : kamery()) {
      edytor.kamera = w;
      porownaj(m, pamiec, "opcje " + std::to_string(o.flagi) + (o.biale_linie ? " białe" : "") + ", skala " +
                              std::to_string(w.skala));
    }
  }
  // The colour scheme alone, as its list changes it: the options stay as they are.
  stan.rysowanie = warianty[1];
  edytor.kamera = kamery().front();
  porownaj(m, pamiec, "przed zmianą kolorystyki");
  for (int k : {0, 2, 3}) {
    dok.tor.ustaw_kolorystyke(k);
    dok.zmiana();
    porownaj(m, pamiec, "kolorystyka " + std::to_string(k));
  }
}

TEST_F(PamiecObrazu, PoZaznaczeniuKursorzeIEdycji) {
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  ustaw_kadr(edytor.kamera, dok.tor.pokaz_wszystko());
  porownaj(m, pamiec, "na początku");

  // One change at a time, so that no other change of the same run hides a missed one.
  tor_uklad& t = dok.tor;
  const std::vector<std::pair<std::string, std::function<void()>>> zmiany = {
      {"zaznaczony punkt", [&] { t.p[620]->ZAZNACZ(true); }},
      {"odznaczony element", [&] { t.e[0]->ustaw_zaznaczony(0); }},
      {"zaznaczona linia", [&] { t.l[600]->ZAZNACZ(true); }},
      {"punkt pod kursorem", [&] { t.punkt_kursor = 600; }},
      {"linia pod kursorem", [&] { t.linia_kursor = 5; }},
      {"ostatni punkt", [&] { t.ostatni_punkt = 297; }},
      {"cel łączenia", [&] { t.punkt_docelowy = nullptr; }},
  };
  for (const auto& [co, zmien] : zmiany) {
    zmien();
    dok.odswiez();
    porownaj(m, pamiec, co);
  }

  // Moved points (with what the recompute changes around them), a point swapped in from the
  // end, a line shifted out, new points past the last run.
  t.p[100]->SET_X(t.p[100]->GET_X() + 7);
  t.p[513]->SET_Y(t.p[513]->GET_Y() - 5);
  t.usun_punkt_nr(40);
  t.usun_linie_nr(3);
  for (int i = 0; i < 60; ++i) t.dodaj_do_p(t.utworz_punkt(10 + i, 300 - i, 0));
  t.przelicz_wszystko();
  dok.zmiana();
  porownaj(m, pamiec, "po edycji");

  edytor.kamera.skala *= 2;
  edytor.kamera.przes_x += 15;
  porownaj(m, pamiec, "po ruchu kamery");

  t.wyczysc();
  dok.zmiana();
  porownaj(m, pamiec, "po wyczyszczeniu");
}

// Hovering records again the run that holds the hovered item, a selection the run of what was
// selected; a camera move or a frame with nothing changed records nothing.
TEST_F(PamiecObrazu, NagrywaTylkoToCoSieZmienilo) {
  malarz_gl m;
  pamiec_ukladu pamiec(dok.tor);
  uint64_t wersja = 1;
  ustaw_kadr(edytor.kamera, dok.tor.pokaz_wszystko());
  auto klatka = [&] {
    gl.rysunek(edytor.kamera, [&](malarz_gl& mg) { pamiec.rysuj(mg, true, wersja); });
    return pamiec.nagrania();
  };
  auto kawalki = [](int n) { return static_cast<std::uint64_t>((n + pamiec_ukladu::ROZMIAR_KAWALKA - 1) / pamiec_ukladu::ROZMIAR_KAWALKA); };
  dok.tor.punkt_kursor = 5;
  const std::uint64_t wszystkie = kawalki(dok.tor.pmax()) + kawalki(dok.tor.lmax());
  ASSERT_GT(wszystkie, 4u);
  EXPECT_EQ(klatka(), wszystkie);
  dok.tor.punkt_kursor = 10;
  ++wersja;
  EXPECT_EQ(klatka(), wszystkie + 1);
  dok.tor.l[dok.tor.lmax() - 1]->ZAZNACZ(true);
  dok.tor.punkt_kursor = 11;
  ++wersja;
  EXPECT_EQ(klatka(), wszystkie + 3);
  edytor.kamera.przes_x += 30;
  EXPECT_EQ(klatka(), wszystkie + 3);
  ++wersja;
  EXPECT_EQ(klatka(), wszystkie + 3);
  stan.rysowanie.biale_linie = !stan.rysowanie.biale_linie;
  EXPECT_EQ(klatka(), 2 * wszystkie + 3);

  // Without its GL buffer the cache gathers again from what it recorded.
  pamiec.zwolnij_gl();
  EXPECT_EQ(klatka(), 2 * wszystkie + 3);
  const QImage a = gl.rysunek(edytor.kamera, [&](malarz_gl& mg) { pamiec.rysuj(mg, true, wersja); });
  const QImage b = gl.rysunek(edytor.kamera, [&](malarz_gl& mg) { dok.tor.rysuj_uklad(mg, true); });
  std::string pierwszy;
  EXPECT_EQ(rozne_piksele(a, b, &pierwszy), 0) << pierwszy;
}

// Frames after a kept one: each change is drawn again only where it was and is now, over the
// grid, and still gives the picture of drawing every item in order; a camera move gathers the
// view again.
TEST_F(PamiecObrazu, ZachowanyObrazPoprawianyWMiejscuZmiany) {
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  ustaw_kadr(edytor.kamera, dok.tor.pokaz_wszystko());
  porownaj(m, pamiec, "pierwsza klatka");
  porownaj(m, pamiec, "klatka zachowana");

  tor_uklad& t = dok.tor;
  // The points farthest left and right: their patches reach the view's edges.
  int lewy = 0, prawy = 0;
  for (int i = 0; i < t.pmax(); ++i) {
    if (t.p[i]->GET_X() < t.p[lewy]->GET_X()) lewy = i;
    if (t.p[i]->GET_X() > t.p[prawy]->GET_X()) prawy = i;
  }
  zdarzenie przystanek;
  przystanek.typ = ZD_PRZYSTANEK;
  przystanek.pozycja = 0.5;
  const std::vector<std::pair<std::string, std::function<void()>>> zmiany = {
      {"kursor na punkcie", [&] { t.punkt_kursor = 200; }},
      {"kursor na sąsiednim punkcie", [&] { t.punkt_kursor = 201; }},
      {"kursor daleko", [&] { t.punkt_kursor = 650; }},
      {"kursor na linii", [&] { t.linia_kursor = 300; }},
      {"zaznaczony skrajny lewy", [&] { t.p[lewy]->ZAZNACZ(true); }},
      {"zaznaczony skrajny prawy", [&] { t.p[prawy]->ZAZNACZ(true); }},
      {"zdarzenie na linii", [&] { t.l[120]->zdarzenia.dodaj(przystanek); }},
      {"zdarzenie na punkcie", [&] { t.p[121]->zdarzenia.dodaj(przystanek); }},
  };
  for (const auto& [co, zmien] : zmiany) {
    zmien();
    dok.odswiez();
    porownaj(m, pamiec, co);
  }
  // A point moved: its old place is drawn again without it. Then every point selected and
  // deselected: too much to patch, the view is gathered again.
  t.p[333]->SET_X(t.p[333]->GET_X() + 25);
  t.przelicz_wszystko();
  dok.zmiana();
  porownaj(m, pamiec, "punkt przeniesiony");
  for (bool zaznacz : {true, false}) {
    for (w_punkt* p : t.p) p->ZAZNACZ(zaznacz);
    dok.odswiez();
    porownaj(m, pamiec, zaznacz ? "zaznaczone wszystko" : "odznaczone wszystko");
  }

  // A view with nothing of the layout in it, kept, and a point placed there.
  edytor.kamera.przes_x = 900;
  edytor.kamera.przes_y = 900;
  porownaj(m, pamiec, "pusty widok");
  porownaj(m, pamiec, "pusty widok zachowany");
  t.dodaj_do_p(t.utworz_punkt(-900, -900, 0));
  dok.zmiana();
  porownaj(m, pamiec, "punkt w pustym widoku");
  // Moved alone, with nothing drawn again where it was but the patch there.
  t.p.back()->SET_X(-880);
  dok.zmiana();
  porownaj(m, pamiec, "samotny punkt przeniesiony");
}

// A hover over a kept view mends the picture in place, without gathering the view again; a
// new camera gathers it once.
TEST_F(PamiecObrazu, NajechanieNieZbieraWidokuOdNowa) {
  pamiec_ukladu pamiec(dok.tor);
  uint64_t wersja = 1;
  ustaw_kadr(edytor.kamera, dok.tor.pokaz_wszystko());
  auto klatka = [&] {
    gl.rysunek(edytor.kamera, [&](malarz_gl& mg) { pamiec.rysuj(mg, true, wersja); });
    return pamiec.zebrania();
  };
  EXPECT_EQ(klatka(), 1u);
  EXPECT_EQ(klatka(), 1u);
  for (int i : {30, 31, 500}) {
    dok.tor.punkt_kursor = i;
    ++wersja;
    EXPECT_EQ(klatka(), 1u) << "kursor na " << i;
  }
  edytor.kamera.przes_x += 10;
  EXPECT_EQ(klatka(), 2u);
  EXPECT_EQ(klatka(), 2u);
}

// With the map on the card, new views inside what was gathered are drawn from the same arrays,
// the hovers and selections since then mended over them; a view beyond, or far smaller, is
// gathered anew. Every frame shows what drawing every item shows.
TEST_F(PamiecObrazu, NaKarcieNoweWidokiZTychSamychTablic) {
  pamiec_ukladu pamiec(dok.tor);
  uint64_t wersja = 1;
  widok w;
  ustaw_kadr(w, dok.tor.pokaz_wszystko());
  w.skala *= 4;
  const double piksel_m = 2 * w.proporcja / w.skala / 1024;
  const auto klatka = [&](bool z_pamieci) {
    return gl.rysunek(w, [&](malarz_gl& mg) {
      mg.poczatek_planu(512, -512);
      if (z_pamieci)
        pamiec.rysuj(mg, true, wersja);
      else
        dok.tor.rysuj_uklad(mg, true);
    });
  };
  struct krok {
    const char* co;
    std::function<void()> zmien;
    bool od_nowa;
  };
  const krok kroki[] = {
      {"pierwsza klatka", [] {}, true},
      {"przesunięcie o 37 pikseli", [&] { w.przes_x += 37 * piksel_m; }, false},
      {"ten sam widok, odtąd zachowany", [] {}, false},
      {"najechanie", [&] { dok.tor.punkt_kursor = 30, ++wersja; }, false},
      {"przesunięcie po najechaniu", [&] { w.przes_y -= 53 * piksel_m; }, false},
      {"zaznaczenie i przesunięcie",
       [&] {
         for (int i = 0; i < dok.tor.pmax(); i += 50) dok.tor.p[i]->ustaw_zaznaczony(true);
         dok.tor.punkt_kursor = 31, ++wersja;
         w.przes_x -= 120 * piksel_m;
       },
       false},
      {"oddalenie", [&] { w.skala /= 1.25; }, false},
      {"przybliżenie", [&] { w.skala *= 1.6; }, false},
      {"daleko za zebranym", [&] { w.przes_x += 1500 * piksel_m; }, true},
      {"dużo mniejszy widok", [&] { w.skala *= 10; }, true},
  };
  // The card's map puts the track where the map in double puts it, to the rounding.
  const QImage w_double = gl.rysunek(w, [&](malarz_gl& mg) { dok.tor.rysuj_uklad(mg, true); });
  EXPECT_LT(rozne_piksele(klatka(false), w_double), 40);
  std::uint64_t zebrania = 0;
  for (const krok& k : kroki) {
    k.zmien();
    const QImage a = klatka(true);
    EXPECT_EQ(pamiec.zebrania(), zebrania + k.od_nowa) << k.co;
    zebrania = pamiec.zebrania();
    std::string pierwszy;
    EXPECT_EQ(rozne_piksele(a, klatka(false), &pierwszy), 0) << k.co << ": " << pierwszy;
  }
}

zakres_zmiany w_zakresie(bool punkt, int nr) {
  zakres_zmiany z;
  (punkt ? z.punkty : z.linie).push_back(static_cast<std::size_t>(nr));
  return z;
}

// Edits that name what they changed (events added and removed, points moved with the arcs
// and faults around them, the hover), mixed with ones that name nothing or name wrongly (a
// deletion, an undo): the kept picture follows them all as drawing every item would.
TEST_F(PamiecObrazu, ZmianyWZakresiePoprawiajaTylkoSwojeMiejsce) {
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  tor_uklad& t = dok.tor;
  dok.zmiana();
  ustaw_kadr(edytor.kamera, t.pokaz_wszystko());
  const widok calosc = edytor.kamera;
  porownaj(m, pamiec, "na początku");
  porownaj(m, pamiec, "zachowany");

  std::mt19937 los(23);
  const auto nr = [&los](int ile) { return std::uniform_int_distribution<int>(0, ile - 1)(los); };
  // A free point whose neighbours are free too: a recompute snaps nothing else when it moves.
  const auto wolny_punkt = [&] {
    for (;;) {
      const int i = nr(t.pmax());
      const w_punkt* p = t.p[i];
      if (p->element || p->li.empty()) continue;
      if (std::none_of(p->li.begin(), p->li.end(), [p](const w_linia* l) { return l->drugi_koniec(p)->element; }))
        return i;
    }
  };
  std::vector<krok_historii> kroki;
  const auto zmiana = [&](const zakres_zmiany& z) {
    if (const auto krok = dok.zmiana(z)) kroki.push_back(*krok);
  };
  // A point moved so that a line beyond its neighbour turns faulty or sound: only what reads
  // the neighbour's arc shows it.
  [&] {
    for (int i = 0; i < t.pmax(); ++i) {
      w_punkt* p = t.p[i];
      if (p->element || p->li.size() != 2 || p->li[0]->drugi_koniec(p)->element || p->li[1]->drugi_koniec(p)->element)
        continue;
      const double x = p->GET_X(), y = p->GET_Y();
      // Lines of another run than the point's lines: a run is recorded again whole.
      const auto kawalek = [&t](const w_linia* l) { return t.indeks_linii(l) / pamiec_ukladu::ROZMIAR_KAWALKA; };
      std::vector<std::pair<tor_linia*, bool>> dalej;
      for (const w_linia* l : p->li)
        for (w_linia* d : l->drugi_koniec(p)->li)
          if (kawalek(d) != kawalek(p->li[0]) && kawalek(d) != kawalek(p->li[1]))
            dalej.emplace_back(static_cast<tor_linia*>(d), static_cast<tor_linia*>(d)->blad);
      if (dalej.empty()) continue;
      for (wektor o : {wektor{12, 0}, wektor{0, 12}, wektor{-12, 0}, wektor{0, -12}}) {
        p->SET_X(x + o.x);
        p->SET_Y(y + o.y);
        t.przelicz_wszystko();
        for (const auto& [d, blad] : dalej)
          if (d->blad != blad) {
            zmiana(w_zakresie(true, i));
            edytor.kamera.skala = 0.3;
            edytor.kamera.przes_x = -d->p1->GET_X();
            edytor.kamera.przes_y = -d->p1->GET_Y();
            porownaj(m, pamiec, "linia za sąsiadem punktu " + std::to_string(i) + (d->blad ? " błędna" : " dobra"));
            return;
          }
        p->SET_X(x);
        p->SET_Y(y);
        t.przelicz_wszystko();
      }
    }
    ADD_FAILURE() << "no move changes a line beyond a neighbour";
  }();
  for (int krok = 0; krok < 40; ++krok) {
    std::string co;
    wektor gdzie{0, 0};
    switch (krok % 8) {
      case 0:
      case 4: {
        const int i = nr(t.lmax());
        zdarzenie z;
        z.typ = ZD_PRZYSTANEK + nr(3);
        z.pozycja = 0.3;
        t.linia(i)->zdarzenia.dodaj(z);
        zmiana(w_zakresie(false, i));
        co = "zdarzenie na linii " + std::to_string(i);
        gdzie = {t.l[i]->p1->GET_X(), t.l[i]->p1->GET_Y()};
        break;
      }
      case 1:
      case 5:
      case 6: {
        const int i = wolny_punkt();
        t.p[i]->SET_X(t.p[i]->GET_X() + std::uniform_real_distribution<double>(-9, 9)(los));
        t.p[i]->SET_Y(t.p[i]->GET_Y() + std::uniform_real_distribution<double>(-9, 9)(los));
        t.przelicz_wszystko();
        zmiana(w_zakresie(true, i));
        co = "punkt " + std::to_string(i) + " przeniesiony";
        gdzie = {t.p[i]->GET_X(), t.p[i]->GET_Y()};
        break;
      }
      case 2: {
        int i = nr(t.pmax());
        while (t.punkt(i)->zdarzenia.pusta()) i = (i + 1) % t.pmax();
        t.punkt(i)->zdarzenia.usun(0);
        zmiana(w_zakresie(true, i));
        co = "zdarzenie usunięte z punktu " + std::to_string(i);
        gdzie = {t.p[i]->GET_X(), t.p[i]->GET_Y()};
        break;
      }
      case 3:
        t.punkt_kursor = nr(t.pmax());
        t.linia_kursor = nr(t.lmax());
        dok.odswiez_wskazanie();
        co = "kursor na " + std::to_string(t.punkt_kursor);
        break;
      case 7:
        if (krok % 16 == 7) {
          // Named by its scope, though points go: the history cannot hold to it.
          const int i = wolny_punkt();
          t.usun_punkt_nr(i);
          t.przelicz_wszystko();
          zmiana(w_zakresie(true, i));
          co = "punkt " + std::to_string(i) + " usunięty";
        } else {
          ASSERT_TRUE(dok.cofnij(kroki.back()));
          kroki.pop_back();
          co = "cofnięte";
        }
        break;
    }
    edytor.kamera = calosc;
    porownaj(m, pamiec, co);
    if (krok % 3 == 0) {
      // Close by, where a stale neighbour's arc would show.
      edytor.kamera.skala = 0.6;
      edytor.kamera.przes_x = -gdzie.x;
      edytor.kamera.przes_y = -gdzie.y;
      porownaj(m, pamiec, co + ", z bliska");
    }
  }

  // A lone point in the first run deleted, the last one moved into its place and a new one
  // added: as many items as before, but a scope naming the moved point's line no longer holds.
  edytor.kamera = calosc;
  t.dodaj_do_p(t.utworz_punkt(150, 150, 0));
  std::swap(t.p[3], t.p.back());
  w_punkt* ostatni = t.utworz_punkt(160, 150, 0);
  t.dodaj_do_p(ostatni);
  t.polacz(t.p[wolny_punkt()], ostatni);
  t.przelicz_wszystko();
  dok.zmiana();
  porownaj(m, pamiec, "samotny punkt");
  t.usun_punkt_nr(3);
  t.dodaj_do_p(t.utworz_punkt(170, 160, 0));
  t.przelicz_wszystko();
  zakres_zmiany z = w_zakresie(false, t.indeks_linii(ostatni->li[0]));
  z.punkty.push_back(3);
  zmiana(z);
  porownaj(m, pamiec, "punkty przenumerowane");
}

// A scoped edit looks at a handful of items, one without a scope at all of them.
TEST_F(PamiecObrazu, ZakresOgraniczaOdciski) {
  pamiec_ukladu pamiec(dok.tor);
  tor_uklad& t = dok.tor;
  dok.zmiana();
  ustaw_kadr(edytor.kamera, t.pokaz_wszystko());
  auto klatka = [&] {
    const std::optional<zakres_zmiany> z = dok.zmienione_od(pamiec.wersja().value_or(0));
    const std::uint64_t przed = pamiec.odciski();
    gl.rysunek(edytor.kamera, [&](malarz_gl& mg) { pamiec.rysuj(mg, true, dok.wersja(), z ? &*z : nullptr); });
    return pamiec.odciski() - przed;
  };
  const std::uint64_t wszystkie = static_cast<std::uint64_t>(t.pmax() + t.lmax());
  EXPECT_EQ(klatka(), wszystkie);
  zdarzenie z;
  t.linia(300)->zdarzenia.dodaj(z);
  const std::optional<krok_historii> krok = dok.zmiana(w_zakresie(false, 300));
  dok.odswiez_wskazanie();
  EXPECT_LT(klatka(), 40u);
  EXPECT_EQ(klatka(), 0u) << "bez zmiany";
  ASSERT_TRUE(krok && dok.cofnij(*krok));
  EXPECT_LT(klatka(), 40u) << "cofnięte";
  t.p[5]->ZAZNACZ(true);
  dok.odswiez();
  EXPECT_EQ(klatka(), wszystkie);

  // The document keeps a bounded number of scopes: a cache that fell further behind is told
  // nothing, one that kept up what changed since.
  const std::uint64_t dawno = dok.wersja();
  for (int i = 0; i < 100; ++i) dok.odswiez_wskazanie();
  const std::uint64_t niedawno = dok.wersja();
  dok.zmiana(w_zakresie(false, 7));
  EXPECT_FALSE(dok.zmienione_od(dawno));
  ASSERT_TRUE(dok.zmienione_od(niedawno));
  EXPECT_EQ(dok.zmienione_od(niedawno)->linie, std::vector<std::size_t>{7});
}

// A point of a kind that draws translucent colours: order matters where they overlap, and the
// cache draws such a layout in order.
class punkt_przejrzysty : public w_punkt {
 public:
  using w_punkt::w_punkt;
  double dlugosc() const override { return 0; }
  void rysuj(malarz& m, int, int) const override {
    m.kolor(x > 0 ? 1 : 0, 0.5f, x > 0 ? 0 : 1, 0.5f);
    m.rozmiar_punktu(40);
    m.punkt(x, y, 0);
  }
};

class uklad_przejrzysty : public w_uklad {
 public:
  void dodaj_punkt(double x, double y, double z) override { dodaj_do_p(utworz_punkt(x, y, z)); }
  w_linia* polacz(w_punkt*, w_punkt*) override { return nullptr; }
  void scal() override {}
  bool mozna_polaczyc(const w_punkt*, const w_punkt*) const override { return false; }
  w_punkt* utworz_punkt(double x, double y, double z) override { return new punkt_przejrzysty(x, y, z); }
};

TEST_F(PamiecObrazu, PrzejrzysteWKolejnosci) {
  uklad_przejrzysty u;
  for (int i = 0; i < 600; ++i) u.dodaj_punkt((i % 2 ? 1 : -1) * (i % 37), (i % 23) - 10, 0);
  pamiec_ukladu pamiec(u);
  const widok w{0.05, 0, 0, 1024.0 / 600};
  const QImage a = gl.rysunek(w, [&](malarz_gl& m) { pamiec.rysuj(m, true, 1); });
  const QImage b = gl.rysunek(w, [&](malarz_gl& m) { u.rysuj_uklad(m, true); });
  std::string pierwszy;
  EXPECT_EQ(rozne_piksele(a, b, &pierwszy), 0) << pierwszy;
}

// Few bits of depth: the primitives go in several runs with the depth buffer cleared between
// them, still the picture of drawing them in order; segments of no length left out.
TEST_F(PamiecObrazu, WieleWarstwGlebi) {
  std::mt19937 los(11);
  std::uniform_real_distribution<double> u(-60, 60);
  auto rysuj = [&](malarz& m) {
    los.seed(11);
    for (int i = 0; i < 3000; ++i) {
      m.kolor(static_cast<float>(i % 5) / 4, static_cast<float>(i % 3) / 2, static_cast<float>(i % 7) / 6);
      switch (i % 4) {
        case 0:
          m.rozmiar_punktu(static_cast<float>(2 + i % 9));
          m.punkt(u(los), u(los), 0);
          break;
        case 1: {
          // Among them segments of no length, which cover nothing, and vertical ones.
          m.szerokosc_linii(static_cast<float>(1 + i % 4));
          const double x = u(los), y = u(los);
          if (i % 16 == 1)
            m.linia(x, y, 0, x, y, 0);
          else if (i % 16 == 5)
            m.linia(x, y, 0, x, y + u(los), 0);
          else
            m.linia(x, y, 0, u(los), u(los), 0);
          break;
        }
        case 2: {
          m.pasek_poczatek();
          const double x = u(los), y = u(los);
          for (int k = 0; k < 5; ++k) {
            m.wierzcholek(x + k * 3, y + k * k, 0);
            if (k == 2) m.wierzcholek(x + k * 3, y + k * k, 0);
          }
          m.pasek_koniec();
          break;
        }
        default: {
          const double x = u(los), y = u(los);
          const double xy[4][2] = {{x, y}, {x + 4, y}, {x + 4, y + 3}, {x, y + 3}};
          const double uv[4][2] = {};
          m.czworokat(xy, uv);
        }
      }
    }
  };
  const widok w{0.012, 0, 0, 1024.0 / 600};
  zbieracz_partii partie;
  const QImage a = gl.rysunek(w, [&](malarz_gl& m) {
    partie.zacznij(m.poziom(), 1, 6);
    rysuj(partie);
    ASSERT_TRUE(partie.wierny());
    partie.rysuj();
  });
  const QImage b = gl.rysunek(w, [&](malarz_gl& m) { rysuj(m); });
  std::string pierwszy;
  EXPECT_EQ(rozne_piksele(a, b, &pierwszy), 0) << pierwszy;
  // Drawn once, the arrays live in GL alone, and the next frame draws them from there.
  EXPECT_EQ(partie.floaty_w_pamieci(), 0u);
  const QImage c = gl.rysunek(w, [&](malarz_gl&) { partie.rysuj(); });
  EXPECT_EQ(rozne_piksele(c, b, &pierwszy), 0) << "z bufora GL: " << pierwszy;
  partie.zwolnij_gl();
}

// A recording, copied, gives a painter the calls of every item drawn directly, to the last bit
// of every position, colour and size (heights aside: no screen painter uses them).
TEST_F(PamiecObrazu, ZapisOddajeTeSameWywolania) {
  const tor_uklad& t = dok.tor;
  zapis_rysunku zapis;
  malarz_rejestrujacy wprost, z_zapisu;
  for (malarz* m : std::initializer_list<malarz*>{&zapis, &wprost}) {
    for (int i = 0; i < t.pmax(); ++i) t.p[i]->rysuj(*m, t.flagi_punktu(i, true), t.kolorystyka);
    for (int i = 0; i < t.lmax(); ++i) t.l[i]->rysuj(*m, t.flagi_linii(i, true), t.kolorystyka);
  }
  zapis.kopia().odtworz(z_zapisu, {}, zapis.koniec());
  ASSERT_EQ(z_zapisu.wywolania.size(), wprost.wywolania.size());
  ASSERT_EQ(z_zapisu.prymitywy.size(), wprost.prymitywy.size());
  ASSERT_FALSE(wprost.tylko("czworokat").empty());
  for (std::size_t i = 0; i < wprost.prymitywy.size(); ++i) {
    const auto& a = z_zapisu.prymitywy[i];
    const auto& b = wprost.prymitywy[i];
    ASSERT_TRUE(a.rodzaj == b.rodzaj && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.r == b.r &&
                a.g == b.g && a.b == b.b && a.rozmiar_punktu == b.rozmiar_punktu && a.szerokosc_linii == b.szerokosc_linii &&
                a.pasek == b.pasek)
        << i << ": " << a.rodzaj << " / " << b.rodzaj;
  }
}

TEST(ObrysZwarty, ObejmujeObrysIPustyZostajePusty) {
  std::mt19937 los(5);
  std::uniform_real_distribution<double> u(-2e6, 2e6);
  for (int i = 0; i < 1000; ++i) {
    obrys o;
    o.dodaj(u(los), u(los));
    o.dodaj(u(los), u(los));
    o.piksele = 3.5f;
    const obrys z = obrys_zwarty(o).rozwin();
    ASSERT_TRUE(z.x1 <= o.x1 && z.y1 <= o.y1 && z.x2 >= o.x2 && z.y2 >= o.y2) << i;
    // No wider than the float's step.
    ASSERT_LE(o.x1 - z.x1, 0.25);
    ASSERT_LE(z.y2 - o.y2, 0.25);
    ASSERT_EQ(z.piksele, 3.5f);
  }
  EXPECT_TRUE(obrys_zwarty(obrys{}).rozwin().pusty());
}

}  // namespace
