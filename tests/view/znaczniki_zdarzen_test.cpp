// The hovered and the selected event drawn over the layout in events mode.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/kolory.h"
#include "support/malarz_rejestrujacy.h"
#include "support/uklad_testowy.h"
#include "view/stan_edytora.h"
#include "view/znaczniki_zdarzen.h"

namespace {

TEST(ZnacznikiZdarzen, WskazaneWiekszeAWybraneWKolorzeZaznaczeniaTylkoWTrybieZdarzen) {
  tor_uklad u;
  polacz_tor(u, dodaj_punkt_toru(u, 0, 0), dodaj_punkt_toru(u, 20, 0));
  u.przelicz_wszystko();
  u.linia(0)->zdarzenia.dodaj(zdarzenie{.pozycja = 0.25});
  u.kolorystyka = KOLORYSTYKA_BRAZOWA;
  stan_edytora e;
  e.zdarzenia.wskazane = e.zdarzenia.wybrane = adres_zdarzenia{true, 0, 0};

  malarz_rejestrujacy poza_trybem;
  rysuj_znaczniki_zdarzen(poza_trybem, u, e);
  EXPECT_TRUE(poza_trybem.prymitywy.empty());

  e.tryb_edycji = TRYB_ZDARZENIA;
  malarz_rejestrujacy m;
  rysuj_znaczniki_zdarzen(m, u, e);
  // Both at the event's place, 5 m along the line, in its frame.
  EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(), "przesun 5 0 0"), m.wywolania.end());
  EXPECT_NE(std::find(m.wywolania.begin(), m.wywolania.end(), "skaluj 1.5 1.5 1"), m.wywolania.end());
  const kolor_rgb k = kolor_zaznaczony(KOLORYSTYKA_BRAZOWA);
  const auto ramka = m.tylko("wierzcholek");
  ASSERT_EQ(ramka.size(), 5u);
  EXPECT_EQ(ramka[0].r, k.r);
  EXPECT_EQ(ramka[0].g, k.g);
  EXPECT_EQ(ramka[0].b, k.b);
  // The symbol drawn twice: selected and hovered, the hovered one's point larger.
  const auto punkty = m.tylko("punkt");
  ASSERT_EQ(punkty.size(), 3u);
  EXPECT_EQ(punkty.back().rozmiar_punktu, 15);

  // An address that leads nowhere draws nothing.
  e.zdarzenia.wskazane = e.zdarzenia.wybrane = adres_zdarzenia{true, 0, 1};
  malarz_rejestrujacy bez;
  rysuj_znaczniki_zdarzen(bez, u, e);
  EXPECT_TRUE(bez.tylko("punkt").empty());
}

}  // namespace
