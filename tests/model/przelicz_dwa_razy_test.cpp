#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "support/uklad_testowy.h"

namespace {

// Turnout-like elements joined by free chains, some free points joined to two element ends,
// positions off line so that the recompute has to snap.
void zbuduj(tor_uklad& u, unsigned ziarno) {
  std::mt19937 los(ziarno);
  std::uniform_real_distribution<double> wsp(-50, 50), kat(0, 360), promien(3, 40);
  std::vector<w_punkt*> konce;  // element ends with one inner line
  const int elementy = 1 + static_cast<int>(los() % 4);
  for (int i = 0; i < elementy; ++i) {
    w_element* el = u.nowy_element(wsp(los), wsp(los), 0);
    el->kat = kat(los);
    tor_punkt* zwrotnica = dodaj_punkt_elementu(u, el, 0, 0, promien(los));
    tor_punkt* prosty = dodaj_punkt_elementu(u, el, 0, 10 + wsp(los) / 10, promien(los));
    tor_punkt* luk = dodaj_punkt_elementu(u, el, 1, 5, promien(los));
    tor_punkt* boczny = dodaj_punkt_elementu(u, el, 3, 12, promien(los));
    tor_punkt* tyl = dodaj_punkt_elementu(u, el, 0, -4, promien(los));
    polacz_w_elemencie(u, tyl, zwrotnica);
    polacz_w_elemencie(u, zwrotnica, prosty);
    polacz_w_elemencie(u, zwrotnica, luk);
    polacz_w_elemencie(u, luk, boczny);
    for (w_punkt* k : {static_cast<w_punkt*>(prosty), static_cast<w_punkt*>(boczny), static_cast<w_punkt*>(tyl)})
      konce.push_back(k);
  }
  std::shuffle(konce.begin(), konce.end(), los);
  std::size_t i = 0;
  while (i < konce.size()) {
    const int dlugosc = static_cast<int>(los() % 4);
    w_punkt* poprzedni = konce[i++];
    for (int j = 0; j < dlugosc; ++j) {
      w_punkt* nowy = dodaj_punkt_toru(u, wsp(los), wsp(los), promien(los));
      polacz_tor(u, poprzedni, nowy);
      poprzedni = nowy;
    }
    // Sometimes the chain ends at another element end, sometimes it stops free.
    if (i < konce.size() && los() % 2) {
      w_punkt* koniec = konce[i++];
      if (poprzedni->element && koniec->element) {
        w_punkt* srodek = dodaj_punkt_toru(u, wsp(los), wsp(los), promien(los));
        polacz_tor(u, poprzedni, srodek);
        poprzedni = srodek;
      }
      if (los() % 2)
        polacz_tor(u, poprzedni, koniec);
      else
        polacz_tor(u, koniec, poprzedni);
    }
  }
}

bool te_same_bity(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(PrzeliczDwaRazy, TakSamoJakDwaPelnePrzejscia) {
  for (unsigned ziarno = 0; ziarno < 2000; ++ziarno) {
    tor_uklad dwa_pelne, skrocone;
    zbuduj(dwa_pelne, ziarno);
    zbuduj(skrocone, ziarno);
    ASSERT_EQ(dwa_pelne.pmax(), skrocone.pmax());
    dwa_pelne.przelicz_wszystko();
    dwa_pelne.przelicz_wszystko();
    skrocone.przelicz_wszystko_dwa_razy();

    for (int i = 0; i < dwa_pelne.pmax(); ++i) {
      const tor_punkt* a = dwa_pelne.punkt(i);
      const tor_punkt* b = skrocone.punkt(i);
      SCOPED_TRACE(testing::Message() << "ziarno " << ziarno << ", punkt " << i);
      EXPECT_TRUE(te_same_bity(a->x, b->x) && te_same_bity(a->y, b->y));
      EXPECT_TRUE(te_same_bity(a->dlugosc_stycznej, b->dlugosc_stycznej));
      EXPECT_TRUE(te_same_bity(a->srodek_x, b->srodek_x) && te_same_bity(a->srodek_y, b->srodek_y));
      EXPECT_TRUE(te_same_bity(a->kat_poczatkowy, b->kat_poczatkowy) && te_same_bity(a->kat_koncowy, b->kat_koncowy));
      EXPECT_EQ(a->skret, b->skret);
      EXPECT_EQ(b->znacznik, 0);
    }
    for (int i = 0; i < dwa_pelne.lmax(); ++i) {
      const tor_linia* a = dwa_pelne.linia(i);
      const tor_linia* b = skrocone.linia(i);
      SCOPED_TRACE(testing::Message() << "ziarno " << ziarno << ", linia " << i);
      EXPECT_TRUE(te_same_bity(a->dl, b->dl));
      EXPECT_TRUE(te_same_bity(a->kx, b->kx) && te_same_bity(a->ky, b->ky) && te_same_bity(a->kz, b->kz));
      EXPECT_EQ(a->blad, b->blad);
    }
    if (HasFailure()) return;
  }
}

// The check above is only as good as its layouts: the second pass must move something.
TEST(PrzeliczDwaRazy, DrugiePrzejscieZmieniaWylosowaneUklady) {
  int zmienione = 0;
  for (unsigned ziarno = 0; ziarno < 200; ++ziarno) {
    tor_uklad raz, dwa;
    zbuduj(raz, ziarno);
    zbuduj(dwa, ziarno);
    raz.przelicz_wszystko();
    dwa.przelicz_wszystko();
    dwa.przelicz_wszystko();
    for (int i = 0; i < raz.pmax(); ++i)
      if (!te_same_bity(raz.punkt(i)->dlugosc_stycznej, dwa.punkt(i)->dlugosc_stycznej) ||
          !te_same_bity(raz.punkt(i)->x, dwa.punkt(i)->x)) {
        ++zmienione;
        break;
      }
  }
  EXPECT_GT(zmienione, 20);
}

}  // namespace
