// Save and load again: every field that a form carries comes back to the last bit.
#include <gtest/gtest.h>

#include <random>

#include "io/generator_projektow.h"
#include "io/import_txt.h"
#include "io/pliki_testowe.h"
#include "io/porownanie_ukladow.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "support/rejestrator_komunikatow.h"
#include "track/tor.h"

namespace {

// A project whose recompute does not move points (no element joint snaps a free point), whose
// second elevations survive taking the element's z off and adding it back, and whose elements
// all belong to points, so that loading removes none.
std::vector<std::uint8_t> staly_projekt(unsigned ziarno) {
  std::mt19937 los(ziarno);
  opcje_generatora opcje;
  opcje.przyciaganie = false;
  opcje.dokladne_wysokosci = true;
  opcje.puste_elementy = false;
  opcje.najwiecej_punktow = 30;
  return projekt_z_ukladem(losowy_uklad(los, opcje), static_cast<std::int32_t>(ziarno % 16),
                           static_cast<std::int32_t>(1900 + ziarno), static_cast<std::int32_t>(ziarno * 3));
}

// What the text form keeps of a layout: no events, elements without mirror, switch position
// and template (they take the reading layout's current template).
void bez_tego_czego_tekst_nie_niesie(tor_uklad& u, int szab_akt) {
  for (w_punkt* p : u.p) p->zdarzenia.wyczysc();
  for (w_linia* l : u.l) l->zdarzenia.wyczysc();
  for (w_element* e : u.e) {
    e->odbity = 0;
    e->przelozenie = 0;
    e->nr_szablonu = szab_akt;
  }
}

TEST(ZapisOdczyt, ProjektPrzezProjekt) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  for (unsigned ziarno = 1; ziarno <= 30; ++ziarno) {
    zapisz_gz_bajty(katalog.plik("a.vxm"), staly_projekt(ziarno));
    tor_uklad a, b;
    trasa_info ta, tb;
    ASSERT_TRUE(wczytaj_projekt(katalog.plik("a.vxm"), a, ta).ok);
    ASSERT_TRUE(zapisz_projekt(katalog.plik("b.vxm"), a, ta));
    ASSERT_TRUE(wczytaj_projekt(katalog.plik("b.vxm"), b, tb).ok);
    ASSERT_EQ(roznica_ukladow(a, b), "") << "ziarno " << ziarno;
    EXPECT_EQ(tb.miasto, ta.miasto);
    EXPECT_EQ(tb.rok, ta.rok);
    EXPECT_EQ(tb.id, ta.id);
    ASSERT_TRUE(zapisz_projekt(katalog.plik("c.vxm"), b, tb));
    EXPECT_EQ(rozpakuj_gz(katalog.plik("c.vxm")), rozpakuj_gz(katalog.plik("b.vxm"))) << "ziarno " << ziarno;
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ZapisOdczyt, ProjektPrzezTekstDoProjektu) {
  katalog_tymczasowy katalog;
  rejestrator_komunikatow komunikaty;
  for (unsigned ziarno = 1; ziarno <= 30; ++ziarno) {
    zapisz_gz_bajty(katalog.plik("a.vxm"), staly_projekt(ziarno));
    tor_uklad a, przez_tekst, b;
    trasa_info ta, tb;
    a.szab_akt = przez_tekst.szab_akt = b.szab_akt = 3;
    ASSERT_TRUE(wczytaj_projekt(katalog.plik("a.vxm"), a, ta).ok);
    ASSERT_TRUE(zapisz_txt(katalog.plik("a.txt"), a));
    ASSERT_TRUE(importuj_txt(katalog.plik("a.txt"), przez_tekst).ok);
    ASSERT_TRUE(zapisz_projekt(katalog.plik("b.vxm"), przez_tekst, ta));
    ASSERT_TRUE(wczytaj_projekt(katalog.plik("b.vxm"), b, tb).ok);
    bez_tego_czego_tekst_nie_niesie(a, 3);
    ASSERT_EQ(roznica_ukladow(a, przez_tekst), "") << "ziarno " << ziarno;
    ASSERT_EQ(roznica_ukladow(a, b), "") << "ziarno " << ziarno;
  }
  EXPECT_TRUE(komunikaty.kody.empty());
}

TEST(ZapisOdczyt, PrzykladowyTekstTakiJakProjekt) {
  rejestrator_komunikatow komunikaty;
  const std::string katalog = std::string(VIALTOR_ZRODLA) + "/data/projects/";
  tor_uklad z_projektu, z_tekstu;
  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(katalog + "elblag_petla.vxm", z_projektu, trasa).ok);
  const wynik_odczytu w = importuj_txt(katalog + "elblag_petla.txt", z_tekstu);
  ASSERT_TRUE(w.ok) << w.blad;
  bez_tego_czego_tekst_nie_niesie(z_projektu, 0);
  EXPECT_EQ(roznica_ukladow(z_projektu, z_tekstu), "");
  EXPECT_TRUE(komunikaty.kody.empty());
}

}  // namespace
