// The height profile of a small known route: distances along the centre line, heights as the
// export takes them, gradients per straight and arc, the stop on it, and the way back.
#include <gtest/gtest.h>

#include "analiza/profil.h"
#include "analiza/rysunek_profilu.h"
#include "support/uklad_testowy.h"

namespace {

// A (0,0) - B (100,0), radius 10, a right angle - C (100,100) - D (100,200) beyond a junction
// at C; heights A 0, B 1 (its second elevation 1.5), C 4.2.
struct trasa_testowa {
  tor_uklad tor;
  tor_punkt *A, *B, *C, *D, *E;
  tor_linia *AB, *BC;

  trasa_testowa() {
    A = dodaj_punkt_toru(tor, 0, 0);
    B = dodaj_punkt_toru(tor, 100, 0, 10);
    C = dodaj_punkt_toru(tor, 100, 100);
    D = dodaj_punkt_toru(tor, 100, 200);
    E = dodaj_punkt_toru(tor, 150, 150);
    AB = polacz_tor(tor, A, B);
    BC = polacz_tor(tor, B, C);
    tor_linia* CD = polacz_tor(tor, C, D);
    polacz_tor(tor, C, E);
    B->z = 1;
    B->wysokosc2 = 1.5;
    C->z = 4.2;
    C->wysokosc2 = 4.2;
    zdarzenie przystanek;
    przystanek.typ = ZD_PRZYSTANEK;
    przystanek.pozycja = 0.25;
    BC->zdarzenia.dodaj(przystanek);
    zdarzenie czujnik;
    czujnik.typ = ZD_CZUJNIK;
    AB->zdarzenia.dodaj(czujnik);
    zdarzenie sygnalizator;
    sygnalizator.typ = ZD_SYGNALIZATOR;
    sygnalizator.pozycja = 0.3;
    CD->zdarzenia.dodaj(sygnalizator);
    tor.przelicz_wszystko();
  }
};

constexpr double LUK = 10 * PI / 2;
// Lines are as long as the distance of their ends in space: A - B climbs 1 m, B - C 3.2 m.
const double PROSTA_AB = std::sqrt(100.0 * 100 + 1) - 10;
const double PROSTA_BC = std::sqrt(100.0 * 100 + 3.2 * 3.2) - 10;

}  // namespace

TEST(ProfilTrasy, OdleglosciWysokosciINachyleniaZnanejTrasy) {
  trasa_testowa t;
  const profil_trasy p = profil(t.tor, poczatek_profilu::linia, t.tor.indeks_linii(t.AB));
  ASSERT_EQ(p.odcinki.size(), 3u);  // straight, arc, straight: the junction at C ends it
  const odcinek_profilu& prosta1 = p.odcinki[0];
  const odcinek_profilu& luk = p.odcinki[1];
  const odcinek_profilu& prosta2 = p.odcinki[2];
  EXPECT_FALSE(prosta1.luk);
  EXPECT_TRUE(luk.luk);
  EXPECT_EQ(luk.nr, t.tor.indeks_punktu(t.B));
  EXPECT_NEAR(prosta1.s1, PROSTA_AB, 1e-9);
  EXPECT_NEAR(luk.s1, PROSTA_AB + LUK, 1e-9);
  EXPECT_NEAR(prosta2.s1, PROSTA_AB + LUK + PROSTA_BC, 1e-9);
  EXPECT_NEAR(p.dlugosc(), PROSTA_AB + LUK + PROSTA_BC, 1e-9);
  EXPECT_NEAR(prosta1.nachylenie, 1.0 / PROSTA_AB * 1000, 1e-9);
  EXPECT_NEAR(luk.nachylenie, 0.5 / LUK * 1000, 1e-9);
  EXPECT_NEAR(prosta2.nachylenie, 2.7 / PROSTA_BC * 1000, 1e-9);
  EXPECT_NEAR(p.wysokosc(PROSTA_AB / 2), 0.5, 1e-9);
  EXPECT_NEAR(p.wysokosc(PROSTA_AB + LUK), 1.5, 1e-9);
  // Where the plan marks a place: on the straight, and a quarter of the way round the arc
  // (centre (90, 10), entered at bearing 180).
  const wektor na_prostej = p.miejsce(PROSTA_AB / 2);
  EXPECT_NEAR(na_prostej.x, 45, 1e-9);
  EXPECT_NEAR(na_prostej.y, 0, 1e-9);
  const wektor na_luku = p.miejsce(PROSTA_AB + LUK / 4);
  EXPECT_NEAR(na_luku.x, 90 + 10 * std::sin(157.5 * PI / 180), 1e-9);
  EXPECT_NEAR(na_luku.y, 10 + 10 * std::cos(157.5 * PI / 180), 1e-9);
  // The stop, not the sensor, at a quarter of the second straight.
  ASSERT_EQ(p.znaki.size(), 1u);
  EXPECT_EQ(p.znaki[0].typ, ZD_PRZYSTANEK);
  EXPECT_NEAR(p.znaki[0].s, PROSTA_AB + LUK + PROSTA_BC / 4, 1e-9);
  EXPECT_NEAR(p.znaki[0].h, 1.5 + 2.7 / 4, 1e-9);
}

TEST(ProfilTrasy, KazdyPrzedmiotLancuchaDajeTeSamaTraseAPrzeciwBiegLiniiNachylenieOdwrocone) {
  trasa_testowa t;
  const profil_trasy z_linii = profil(t.tor, poczatek_profilu::linia, t.tor.indeks_linii(t.AB));
  for (const profil_trasy& p : {profil(t.tor, poczatek_profilu::punkt, t.tor.indeks_punktu(t.A)),
                                profil(t.tor, poczatek_profilu::punkt, t.tor.indeks_punktu(t.B)),
                                profil(t.tor, poczatek_profilu::linia, t.tor.indeks_linii(t.BC))}) {
    ASSERT_EQ(p.odcinki.size(), 3u);
    EXPECT_NEAR(p.dlugosc(), z_linii.dlugosc(), 1e-9);
    EXPECT_EQ(p.odcinki[0].nr, z_linii.odcinki[0].nr);
    EXPECT_NEAR(p.odcinki[2].nachylenie, 2.7 / PROSTA_BC * 1000, 1e-9);
  }
  // D - C was drawn from C: travelled from D it climbs from 0 to C's second elevation.
  const profil_trasy od_d = profil(t.tor, poczatek_profilu::punkt, t.tor.indeks_punktu(t.D));
  ASSERT_EQ(od_d.odcinki.size(), 1u);  // C is a junction
  EXPECT_NEAR(od_d.odcinki[0].nachylenie, 4.2 / std::sqrt(100.0 * 100 + 4.2 * 4.2) * 1000, 1e-9);
  // The signal at 0.3 of C - D from C stands 70 m from D.
  ASSERT_EQ(od_d.znaki.size(), 1u);
  EXPECT_EQ(od_d.znaki[0].typ, ZD_SYGNALIZATOR);
  EXPECT_NEAR(od_d.znaki[0].s, 0.7 * std::sqrt(100.0 * 100 + 4.2 * 4.2), 1e-9);
  EXPECT_TRUE(profil(t.tor, poczatek_profilu::punkt, t.tor.pmax()).odcinki.empty());
}

TEST(ProfilTrasy, NajblizszyPrzedmiotIRysunek) {
  trasa_testowa t;
  const auto blisko_b = najblizszy_przedmiot(t.tor, 101, -1);
  ASSERT_TRUE(blisko_b);
  EXPECT_EQ(blisko_b->rodzaj, poczatek_profilu::punkt);
  EXPECT_EQ(blisko_b->nr, t.tor.indeks_punktu(t.B));
  const auto na_ab = najblizszy_przedmiot(t.tor, 50, 3);
  ASSERT_TRUE(na_ab);
  EXPECT_EQ(na_ab->rodzaj, poczatek_profilu::linia);
  EXPECT_EQ(na_ab->nr, t.tor.indeks_linii(t.AB));
  EXPECT_FALSE(najblizszy_przedmiot(tor_uklad{}, 0, 0));

  // The gradient over the limit is written in the warning colour, the others not.
  const profil_trasy p = profil(t.tor, poczatek_profilu::linia, t.tor.indeks_linii(t.AB));
  const rysunek_profilu r = narysuj_profil(p, 800, 300, 20);
  int czerwone = 0, inne = 0;
  for (const napis& n : r.napisy)
    if (n.tekst.find("‰") != std::string::npos) (n.kolor.r > 150 && n.kolor.g < 50 ? czerwone : inne)++;
  EXPECT_EQ(czerwone, 1);  // 30 per mille
  EXPECT_EQ(inne, 1);      // 11.1
  EXPECT_NEAR(r.droga_z_x(r.x_z_drogi(123)), 123, 1e-9);
  EXPECT_EQ(r.symbole.size(), 1u);
  const std::string svg = profil_svg(r);
  EXPECT_NE(svg.find("30.0 ‰"), std::string::npos);
  EXPECT_NE(svg.find("<title>Przystanek</title>"), std::string::npos);
}
