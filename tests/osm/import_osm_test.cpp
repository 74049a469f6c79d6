#include "osm/import_osm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "dokument/dokument.h"
#include "osm/generator_osm.h"
#include "support/katalog_tymczasowy.h"
#include "support/rekord_projektu.h"
#include "track/tor.h"

namespace {

struct import_testowy {
  dokument dok;
  wynik_importu_osm wynik;
};

opcje_importu_osm opcje_planu(const generator_osm& g) {
  opcje_importu_osm o;
  o.poczatek = std::array<std::int32_t, 2>{g.geo().kolumna, g.geo().wiersz};
  return o;
}

std::unique_ptr<import_testowy> importuj(const generator_osm& g, const katalog_tymczasowy& k, const char* nazwa = "t.osm",
                                         opcje_importu_osm o = {}) {
  if (!o.poczatek) o.poczatek = opcje_planu(g).poczatek;
  const std::string plik = k.plik(nazwa);
  g.zapisz(plik);
  auto t = std::make_unique<import_testowy>();
  t->wynik = importuj_osm(plik, o, t->dok.tor, t->dok.trasa);
  return t;
}

// The drawn centre line sampled every 10 cm: straight parts of the lines, arcs of the points.
std::vector<wektor> os_toru(const tor_uklad& tor) {
  std::vector<wektor> w;
  for (int i = 0; i < tor.lmax(); ++i) {
    const tor_linia* l = tor.linia(i);
    const int n = std::max(1, static_cast<int>(l->dlugosc() / 0.1));
    for (int k = 0; k <= n; ++k) w.push_back(l->miejsce_zdarzenia(static_cast<double>(k) / n));
  }
  for (int i = 0; i < tor.pmax(); ++i) {
    const tor_punkt* p = tor.punkt(i);
    if (p->GET_LIMAX() != 2 || p->dlugosc_stycznej == 0) continue;
    const int n = std::max(1, static_cast<int>(p->dlugosc() / 0.1));
    for (int k = 0; k <= n; ++k) w.push_back(p->miejsce_zdarzenia(static_cast<double>(k) / n));
  }
  return w;
}

double odleglosc_od_osi(const std::vector<wektor>& os, wektor q) {
  double naj = 1e300;
  for (wektor p : os) naj = std::min(naj, dlugosc(p - q));
  return naj;
}

int punkty_z_liniami(const tor_uklad& tor, int ile) {
  int n = 0;
  for (int i = 0; i < tor.pmax(); ++i) n += tor.punkt(i)->GET_LIMAX() == ile;
  return n;
}

}  // namespace

TEST(ImportOsm, OkragDajeLukiOPromieniuOkregu) {
  katalog_tymczasowy k;
  generator_osm g;
  const double R = 120;
  std::vector<wektor> okrag = luk({500, 300}, 0, R, 360, 5);
  okrag.pop_back();
  std::vector<std::int64_t> ids;
  for (wektor p : okrag) ids.push_back(g.wezel(p));
  ids.push_back(ids.front());
  g.droga_wezlow(ids, TRAMWAJ);
  auto t = importuj(g, k);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  const tor_uklad& tor = t->dok.tor;
  EXPECT_TRUE(tor.sprawdz_geometrie());
  int luki = 0;
  for (int i = 0; i < tor.pmax(); ++i) {
    const tor_punkt* p = tor.punkt(i);
    ASSERT_EQ(p->GET_LIMAX(), 2);
    if (p->dlugosc_stycznej < 1e-6) continue;
    ++luki;
    EXPECT_NEAR(p->promien, R, 0.05 * R);
  }
  EXPECT_GE(luki, 3);
  EXPECT_LE(tor.pmax(), 6);
  EXPECT_TRUE(t->wynik.raport.rozjazdy.empty());
}

TEST(ImportOsm, ProstaKilometrowaToJednaLinia) {
  katalog_tymczasowy k;
  generator_osm g;
  g.droga(prosta({100, 100}, {100 + 600, 100 + 800}, 7), TRAMWAJ);
  auto t = importuj(g, k);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  EXPECT_EQ(t->dok.tor.pmax(), 2);
  ASSERT_EQ(t->dok.tor.lmax(), 1);
  EXPECT_NEAR(t->dok.tor.linia(0)->dl, 1000, 0.05);
  EXPECT_NEAR(t->wynik.raport.dlugosc, 1000, 0.05);
}

TEST(ImportOsm, KazdyWezelWTolerancjiOdOsi) {
  katalog_tymczasowy k;
  generator_osm g;
  // Straight, right curve, short straight, reverse curves and a gentle bend, nodes unevenly spaced.
  std::vector<wektor> t1 = prosta({50, 50}, {50, 250}, 13);
  std::vector<wektor> t2 = luk(t1.back(), 0, 40, 70, 4.5);
  const wektor k2 = t2.back();
  std::vector<wektor> t3 = prosta(k2, punkt_na_azymucie(k2, 30, 70), 6);
  std::vector<wektor> t4 = luk(t3.back(), 70, 60, -110, 3.2);
  std::vector<wektor> t5 = luk(t4.back(), -40, 300, 25, 9);
  std::vector<wektor> wszystkie = t1;
  for (const auto* c : {&t2, &t3, &t4, &t5}) wszystkie.insert(wszystkie.end(), c->begin() + 1, c->end());
  g.droga(wszystkie, TRAMWAJ);
  opcje_importu_osm o;
  o.dopasowanie.tolerancja = 0.3;
  auto t = importuj(g, k, "t.osm", o);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  EXPECT_TRUE(t->dok.tor.sprawdz_geometrie());
  const std::vector<wektor> os = os_toru(t->dok.tor);
  double naj = 0;
  for (wektor q : wszystkie) naj = std::max(naj, odleglosc_od_osi(os, q));
  EXPECT_LE(naj, 0.3 + 0.06);
  EXPECT_LE(t->wynik.raport.najwieksze_odchylenie, 0.3 + 1e-6);
  EXPECT_NEAR(t->wynik.raport.najwieksze_odchylenie, naj, 0.06);
  // Four bends: not a point on every node.
  EXPECT_LE(t->dok.tor.pmax(), 12);
  for (int i = 0; i < t->dok.tor.pmax(); ++i) {
    EXPECT_GE(t->dok.tor.punkt(i)->promien, 15 - 1e-9);
    EXPECT_LE(t->dok.tor.punkt(i)->promien, 10000 + 1e-9);
  }
}

// A straight whose one node is 0.8 m off it is not one line through it.
TEST(ImportOsm, WezelObokProstejNieZostajePoza) {
  katalog_tymczasowy k;
  generator_osm g;
  std::vector<wektor> w = prosta({100, 100}, {100, 400}, 10);
  w[15].x += 0.8;
  g.droga(w, TRAMWAJ);
  auto t = importuj(g, k);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  EXPECT_LT(odleglosc_od_osi(os_toru(t->dok.tor), w[15]), 0.5 + 0.06);
  EXPECT_LE(t->wynik.raport.najwieksze_odchylenie, 0.5 + 1e-6);
}

TEST(ImportOsm, RozgalezienieYZostawiaJednaGalazNiepolaczona) {
  katalog_tymczasowy k;
  generator_osm g;
  const wektor j{300, 300};
  std::vector<wektor> a = prosta({300, 100}, j, 10), b = prosta(j, {300, 500}, 10);
  std::vector<wektor> c = luk(j, 0, 50, 30, 5);
  std::vector<std::int64_t> ia, ib, ic;
  for (wektor p : a) ia.push_back(g.wezel(p));
  ib.push_back(ia.back());
  ic.push_back(ia.back());
  for (std::size_t i = 1; i < b.size(); ++i) ib.push_back(g.wezel(b[i]));
  for (std::size_t i = 1; i < c.size(); ++i) ic.push_back(g.wezel(c[i]));
  g.droga_wezlow(ia, TRAMWAJ);
  g.droga_wezlow(ib, TRAMWAJ);
  g.droga_wezlow(ic, TRAMWAJ);
  auto t = importuj(g, k);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  const auto& rozjazdy = t->wynik.raport.rozjazdy;
  ASSERT_EQ(rozjazdy.size(), 1u);
  EXPECT_NEAR(rozjazdy[0].x, j.x, 1e-2);
  EXPECT_NEAR(rozjazdy[0].y, j.y, 1e-2);
  const tor_uklad& tor = t->dok.tor;
  std::vector<const tor_punkt*> w_wezle;
  for (int i = 0; i < tor.pmax(); ++i)
    if (dlugosc(wektor{tor.punkt(i)->GET_X(), tor.punkt(i)->GET_Y()} - j) < 1e-2) w_wezle.push_back(tor.punkt(i));
  ASSERT_EQ(w_wezle.size(), 2u);
  const tor_punkt* para = w_wezle[0]->GET_LIMAX() == 2 ? w_wezle[0] : w_wezle[1];
  const tor_punkt* galaz = para == w_wezle[0] ? w_wezle[1] : w_wezle[0];
  ASSERT_EQ(para->GET_LIMAX(), 2);
  ASSERT_EQ(galaz->GET_LIMAX(), 1);
  // The straight pair is the joined one: its lines go to the ends of the main line.
  std::vector<double> konce;
  for (int i = 0; i < 2; ++i) konce.push_back(para->GET_LINIA(i)->drugi_koniec(para)->GET_Y());
  std::sort(konce.begin(), konce.end());
  EXPECT_NEAR(konce[0], 100, 0.05);
  EXPECT_NEAR(konce[1], 500, 0.05);
  EXPECT_EQ(punkty_z_liniami(tor, 1), 4);
  EXPECT_NE(tekst_raportu(t->wynik.raport).find("rozjazd do wstawienia: 300.0 300.0"), std::string::npos);
}

TEST(ImportOsm, PrzystankiISygnalizatoryWeWlasciwymMiejscu) {
  katalog_tymczasowy k;
  generator_osm g;
  std::vector<std::int64_t> ids;
  for (wektor p : prosta({100, 100}, {900, 100}, 20)) {
    tagi_osm tagi;
    if (p.x == 300) tagi = {{"railway", "tram_stop"}, {"direction", "forward"}};
    if (p.x == 500) tagi = {{"railway", "signal"}, {"railway:signal:direction", "backward"}};
    ids.push_back(g.wezel(p, tagi));
  }
  g.droga_wezlow(ids, TRAMWAJ);
  g.wezel({600.5, 110}, {{"public_transport", "platform"}, {"tram", "yes"}});
  g.wezel({700, 120}, {{"railway", "tram_stop"}});
  auto t = importuj(g, k);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  ASSERT_EQ(t->dok.tor.lmax(), 1);
  const tor_linia* l = t->dok.tor.linia(0);
  ASSERT_NEAR(l->poczatek()->GET_X(), 100, 0.05);  // the line runs the way's direction
  std::vector<zdarzenie> z;
  for (const wezel_zdarzenia* w = l->zdarzenia.pierwszy(); w; w = w->nastepny.get()) z.push_back(w->dane);
  ASSERT_EQ(z.size(), 3u);
  std::sort(z.begin(), z.end(), [](const zdarzenie& a, const zdarzenie& b) { return a.pozycja < b.pozycja; });
  const double oczekiwane_x[] = {300, 500, 600.5};
  for (std::size_t i = 0; i < 3; ++i) {
    const wektor m = l->miejsce_zdarzenia(z[i].pozycja);
    EXPECT_NEAR(m.x, oczekiwane_x[i], 1.0);
    EXPECT_NEAR(m.y, 100, 1.0);
  }
  EXPECT_EQ(z[0].typ, ZD_PRZYSTANEK);
  EXPECT_EQ(z[0].kierunek, KIERUNEK_PRAWO);
  EXPECT_EQ(z[1].typ, ZD_SYGNALIZATOR);
  EXPECT_EQ(z[1].kierunek, KIERUNEK_LEWO);
  EXPECT_EQ(z[2].kierunek, KIERUNEK_PRAWO | KIERUNEK_LEWO);
  EXPECT_EQ(t->wynik.raport.przystanki, 2);
  EXPECT_EQ(t->wynik.raport.sygnalizatory, 1);
  EXPECT_EQ(t->wynik.raport.pominiete_zdarzenia.at("dalej niż 15 m od toru"), 1);
}

TEST(ImportOsm, PrzeswityIPominieteDrogi) {
  katalog_tymczasowy k;
  generator_osm g;
  const std::pair<const char*, int> przeswity[] = {{"1435", 0}, {"1000", 1}, {"900", 2}, {"785", 3},
                                                   {"1520", 4}, {"1524", 4}, {"1067", 0}};
  double x = 100;
  for (auto [tag, _] : przeswity) {
    g.droga(prosta({x, 100}, {x, 200}, 50), {{"railway", "tram"}, {"gauge", tag}});
    x += 50;
  }
  g.droga(prosta({x, 100}, {x, 200}, 50), {{"railway", "tram"}, {"service", "siding"}});
  g.droga(prosta({900, 100}, {900, 200}, 50), {{"railway", "tram"}, {"disused", "yes"}});
  g.droga(prosta({950, 100}, {950, 200}, 50), {{"railway", "tram"}, {"area", "yes"}});
  g.droga(prosta({1000, 100}, {1000, 200}, 50), {{"railway", "rail"}});
  g.droga(prosta({1050, 100}, {1050, 200}, 50), {{"railway", "abandoned"}});
  opcje_importu_osm o;
  o.miasto = "łódź";
  auto t = importuj(g, k, "t.osm", o);
  ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
  const tor_uklad& tor = t->dok.tor;
  ASSERT_EQ(tor.lmax(), 8);
  for (std::size_t i = 0; i < std::size(przeswity); ++i) EXPECT_EQ(tor.linia(static_cast<int>(i))->przeswit, przeswity[i].second) << i;
  const raport_importu_osm& r = t->wynik.raport;
  EXPECT_EQ(r.drogi_odczytane, 12);
  EXPECT_EQ(r.drogi_zaimportowane, 8);
  EXPECT_EQ(r.przeswity_domyslne, 2);
  EXPECT_EQ(r.pominiete.size(), 4u);
  EXPECT_EQ(r.miasto, 10);
  EXPECT_EQ(t->dok.trasa.miasto, 10);
  o.wszystkie_koleje = true;
  auto z_kolejami = importuj(g, k, "t.osm", o);
  EXPECT_EQ(z_kolejami->dok.tor.lmax(), 9);
}

TEST(ImportOsm, ZlePlikiOdrzuconeBezZmianyUkladu) {
  katalog_tymczasowy k;
  trasa_info trasa{3, 1999, 7};
  const auto odrzucony = [&](const std::string& plik, const opcje_importu_osm& o) {
    dokument dok;
    const wynik_importu_osm w = importuj_osm(plik, o, dok.tor, trasa);
    EXPECT_FALSE(w.ok);
    EXPECT_NE(w.blad.find(plik), std::string::npos) << w.blad;
    EXPECT_EQ(dok.tor.pmax(), 0);
    EXPECT_EQ(trasa.miasto, 3);
  };
  std::ofstream(k.plik("zly.osm")) << "<osm version=\"0.6\"><node id=\"1\" lat=\"54\" lon=\"19\"><tag k=";
  odrzucony(k.plik("zly.osm"), {});
  odrzucony(k.plik("brak.osm.pbf"), {});
  generator_osm g;
  g.droga(prosta({0, 0}, {100, 0}, 10), {{"highway", "residential"}, {"railway", "platform"}});
  g.zapisz(k.plik("bez_torow.osm"));
  odrzucony(k.plik("bez_torow.osm"), {});
  generator_osm z;
  z.droga(prosta({10, 10}, {100, 10}, 10), TRAMWAJ);
  z.zapisz(k.plik("tory.osm"));
  opcje_importu_osm na_wschod;
  na_wschod.poczatek = std::array<std::int32_t, 2>{z.geo().kolumna + 1, z.geo().wiersz};
  na_wschod.odmow_ujemnych = true;
  odrzucony(k.plik("tory.osm"), na_wschod);
  opcje_importu_osm zly_uklad;
  zly_uklad.crs = "EPSG:999999";
  dokument dok;
  EXPECT_FALSE(importuj_osm(k.plik("tory.osm"), zly_uklad, dok.tor, trasa).ok);
}

TEST(ImportOsm, PbfIOsmDajaTenSamUklad) {
  katalog_tymczasowy k;
  generator_osm g;
  std::vector<wektor> t = prosta({50, 50}, {50, 150}, 10);
  std::vector<wektor> l = luk(t.back(), 0, 30, 80, 4);
  t.insert(t.end(), l.begin() + 1, l.end());
  g.droga(t, {{"railway", "tram"}, {"gauge", "1000"}});
  g.wezel({60, 100}, {{"railway", "tram_stop"}});
  auto a = importuj(g, k, "t.osm");
  auto b = importuj(g, k, "t.osm.pbf");
  auto c = importuj(g, k, "t.osm.bz2");
  ASSERT_TRUE(a->wynik.ok && b->wynik.ok && c->wynik.ok);
  for (const auto* x : {b.get(), c.get()}) {
    ASSERT_EQ(x->dok.tor.pmax(), a->dok.tor.pmax());
    ASSERT_EQ(x->dok.tor.lmax(), a->dok.tor.lmax());
    for (int i = 0; i < a->dok.tor.pmax(); ++i) {
      EXPECT_EQ(x->dok.tor.punkt(i)->x, a->dok.tor.punkt(i)->x);
      EXPECT_EQ(x->dok.tor.punkt(i)->y, a->dok.tor.punkt(i)->y);
      EXPECT_EQ(x->dok.tor.punkt(i)->promien, a->dok.tor.punkt(i)->promien);
      EXPECT_EQ(x->dok.tor.punkt(i)->ILE_ZDARZEN(), a->dok.tor.punkt(i)->ILE_ZDARZEN());
    }
    for (int i = 0; i < a->dok.tor.lmax(); ++i) EXPECT_EQ(x->dok.tor.linia(i)->ILE_ZDARZEN(), a->dok.tor.linia(i)->ILE_ZDARZEN());
  }
}

// Track mapped twice is laid once, and the layout saves into a project that reads back.
TEST(ImportOsm, TorZmapowanyDwaRazyJestJednymTorem) {
  const auto sprawdz = [](const generator_osm& g, int linii_najwiecej, const char* jak) {
    SCOPED_TRACE(jak);
    katalog_tymczasowy k;
    auto t = importuj(g, k);
    ASSERT_TRUE(t->wynik.ok) << t->wynik.blad;
    const tor_uklad& tor = t->dok.tor;
    EXPECT_LE(tor.lmax(), linii_najwiecej);
    for (int i = 0; i < tor.lmax(); ++i)
      for (int j = i + 1; j < tor.lmax(); ++j) {
        const tor_linia *a = tor.linia(i), *b = tor.linia(j);
        EXPECT_FALSE((a->p1 == b->p1 && a->p2 == b->p2) || (a->p1 == b->p2 && a->p2 == b->p1)) << i << " " << j;
      }
    const std::vector<std::uint8_t> rekord = rekord_projektu(t->dok);
    czytnik_rekordow czytnik(rekord);
    tor_uklad odczytany;
    ASSERT_NO_THROW(odczytany.wczytaj(czytnik));
    EXPECT_EQ(odczytany.lmax(), tor.lmax());
  };
  {
    // A ring run round twice, as a way with nodes missing from the file may be.
    generator_osm g;
    std::vector<std::int64_t> w;
    for (wektor p : std::vector<wektor>{{100, 100}, {100, 140}, {140, 140}, {140, 100}}) w.push_back(g.wezel(p));
    g.droga_wezlow({w[0], w[1], w[2], w[3], w[0], w[1], w[2], w[3], w[0]}, TRAMWAJ);
    sprawdz(g, 5, "pierścień dwa razy");
  }
  {
    generator_osm g;
    std::vector<std::int64_t> w;
    for (wektor p : prosta({100, 100}, {100, 200}, 10)) w.push_back(g.wezel(p));
    g.droga_wezlow(w, TRAMWAJ);
    g.droga_wezlow({w[3], w[4], w[5]}, TRAMWAJ);
    sprawdz(g, 1, "drogi na sobie");
  }
  {
    // Two tracks between the same two nodes, each fitting the straight between them.
    generator_osm g;
    const std::int64_t a = g.wezel({100, 100}), b = g.wezel({100, 200});
    g.droga_wezlow({a, g.wezel({100.2, 150}), b}, TRAMWAJ);
    g.droga_wezlow({a, g.wezel({99.8, 150}), b}, TRAMWAJ);
    sprawdz(g, 4, "dwa tory obok");
  }
  {
    // Two nodes at one place: a way out to it and back, beside one that passes it.
    generator_osm g;
    const std::int64_t a = g.wezel({0, 100}), b = g.wezel({100, 140}), c = g.wezel({100, 120}), d = g.wezel({100, 140});
    g.droga_wezlow({a, b, c, d}, TRAMWAJ);
    g.droga_wezlow({d, g.wezel({100, 160}), b}, TRAMWAJ);
    g.droga_wezlow({d, g.wezel({105, 160}), g.wezel({110, 180})}, TRAMWAJ);
    sprawdz(g, 12, "dwa węzły w jednym miejscu");
  }
}
