// Placing and editing track events with the plan's mouse and the events panel, through the real
// window; what is placed is read back from saved project files.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "io/eksport.h"
#include "io/projekt.h"
#include "support/katalog_tymczasowy.h"
#include "support/uklad_testowy.h"
#include "ui/panel_torow.h"
#include "ui/panel_zdarzen.h"
#include "ui/plan_myszy.h"
#include "ui/stos_cofania.h"

namespace {

using bajty = std::vector<std::uint8_t>;

// A line from (10, 10) to (60, 10), a 15 m arc at (60, 10) and a line up to (60, 45).
void zbuduj_zakret(tor_uklad& u) {
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10);
  tor_punkt* b = dodaj_punkt_toru(u, 60, 10, 15);
  polacz_tor(u, a, b);
  polacz_tor(u, b, dodaj_punkt_toru(u, 60, 45));
  u.przelicz_wszystko();
}

// The window in events mode on the bend, as the history's start.
struct edytor_zdarzen : plan_myszy {
  katalog_tymczasowy katalog;

  edytor_zdarzen() {
    zbuduj_zakret(dok.tor);
    dok.nowy();
    okno.menu().tryb_zdarzenia->trigger();
  }
  tor_linia* prosta() const { return dok.tor.linia(0); }
  tor_punkt* luk() const { return dok.tor.punkt(1); }
  int kroki() { return okno.cofanie().stos().count(); }
  bajty rekord() const { return rekordy_projektu(dok.tor, dok.trasa); }
  void cofnij() { okno.menu().cofnij->trigger(); }
  // The layout saved through the menu and read back from the file.
  std::unique_ptr<tor_uklad> zapisany() {
    const std::string plik = katalog.plik("zdarzenia.vxm");
    pliki.push_back(plik);
    okno.menu().zapisz_projekt->trigger();
    auto u = std::make_unique<tor_uklad>();
    trasa_info trasa;
    EXPECT_TRUE(wczytaj_projekt(plik, *u, trasa).ok);
    return u;
  }
  panel_zdarzen& panel() const { return *okno.zdarzen(); }
};

// A place `bok` metres beside the place at `pozycja` of a line's straight part.
wektor obok_linii(const tor_linia& l, double pozycja, double bok) {
  return l.miejsce_zdarzenia(pozycja) + wektor{l.ky, -l.kx} * bok;
}

TEST(ZdarzeniaWOknie, TrzeciTrybPokazujePanelZdarzenIJestWyszarzonyGdyWybrany) {
  plan_myszy t;
  const menu_glowne& m = t.okno.menu();
  EXPECT_EQ(m.tryb_zdarzenia->text(), QString::fromUtf8("Z&darzenia"));
  m.tryb_zdarzenia->trigger();
  EXPECT_EQ(t.edytor.tryb_edycji, TRYB_ZDARZENIA);
  EXPECT_FALSE(m.tryb_zdarzenia->isEnabled());
  EXPECT_TRUE(m.tryb_tory->isEnabled());
  EXPECT_TRUE(m.tryb_zdjecia->isEnabled());
  EXPECT_TRUE(t.okno.zdarzen()->isVisible());
  EXPECT_FALSE(t.okno.torow()->isVisible());
  // What a new event gets at start.
  const panel_zdarzen& p = *t.okno.zdarzen();
  EXPECT_EQ(p.lista_typow->currentText(), QString::fromUtf8("Przystanek"));
  EXPECT_EQ(p.lista_typow->count(), 7);
  EXPECT_TRUE(p.w_obie->isChecked());
  EXPECT_FALSE(p.po_ostatnim->isChecked());
  EXPECT_EQ(p.pole_argumentu->text(), "0");
  EXPECT_EQ(p.pole_typu_b->text(), "0");
  m.tryb_tory->trigger();
  EXPECT_FALSE(t.okno.zdarzen()->isVisible());
  EXPECT_TRUE(t.okno.torow()->isVisible());
  EXPECT_TRUE(m.tryb_zdarzenia->isEnabled());
}

TEST(ZdarzeniaWOknie, PrawyKlikNaProstejINaLukuDodajeZdarzenieNaKliknietymMiejscu) {
  edytor_zdarzen t;
  const bajty poczatek = t.rekord();
  // Half a metre beside the axis, on the straight part and on the arc.
  const wektor na_prostej = obok_linii(*t.prosta(), 0.3, 0.5);
  t.klik(Qt::RightButton, na_prostej.x, na_prostej.y);
  ASSERT_EQ(t.kroki(), 1);
  const bajty po_pierwszym = t.rekord();
  t.panel().lista_typow->setCurrentIndex(ZD_SYGNALIZATOR);
  t.panel().w_lewo->click();
  const wektor na_luku = t.luk()->miejsce_zdarzenia(0.25);
  t.klik(Qt::RightButton, na_luku.x, na_luku.y);
  EXPECT_EQ(t.kroki(), 2);
  EXPECT_TRUE(t.komunikaty.kody.empty());

  const std::unique_ptr<tor_uklad> u = t.zapisany();
  ASSERT_EQ(u->linia(0)->zdarzenia.ile(), 1);
  const zdarzenie& z1 = *u->linia(0)->zdarzenia.nr(0);
  EXPECT_EQ(z1.typ, ZD_PRZYSTANEK);
  EXPECT_EQ(z1.kierunek, KIERUNEK_PRAWO | KIERUNEK_LEWO);
  EXPECT_NEAR(z1.pozycja, 0.3, 0.01);
  ASSERT_EQ(u->punkt(1)->zdarzenia.ile(), 1);
  const zdarzenie& z2 = *u->punkt(1)->zdarzenia.nr(0);
  EXPECT_EQ(z2.typ, ZD_SYGNALIZATOR);
  EXPECT_EQ(z2.kierunek, KIERUNEK_LEWO);
  EXPECT_NEAR(z2.pozycja, 0.25, 0.01);
  EXPECT_EQ(u->linia(1)->zdarzenia.ile(), 0);

  // Hovered: larger on the plan, described in the tooltip, listed on the panel.
  t.nad(na_luku.x, na_luku.y);
  ASSERT_TRUE(t.edytor.zdarzenia.wskazane);
  EXPECT_EQ(t.plan()->toolTip(), QString::fromUtf8("Sygnalizator, w lewą stronę, argument 0"));
  ASSERT_EQ(t.panel().lista_zdarzen_elementu->count(), 1);
  EXPECT_TRUE(t.panel().lista_zdarzen_elementu->item(0)->text().startsWith("Sygnalizator"));

  t.cofnij();
  EXPECT_EQ(t.rekord(), po_pierwszym);
  t.cofnij();
  EXPECT_EQ(t.rekord(), poczatek);
}

TEST(ZdarzeniaWOknie, PunktBezLukuDajeZdarzenieLiniiAKlikPozaToremTylkoKomunikat) {
  edytor_zdarzen t;
  const bajty poczatek = t.rekord();
  t.klik(Qt::RightButton, 30, 40);
  EXPECT_EQ(t.rekord(), poczatek);
  EXPECT_EQ(t.kroki(), 0);
  ASSERT_EQ(t.komunikaty.kody.size(), 1u);
  EXPECT_EQ(t.komunikaty.kody[0], static_cast<unsigned>(KOM_ZDARZENIE_POZA_TOREM));
  // The end point at (10, 10) has no arc: the event goes to the start of its line.
  t.klik(Qt::RightButton, 10, 10);
  EXPECT_EQ(t.dok.tor.punkt(0)->zdarzenia.ile(), 0);
  ASSERT_EQ(t.prosta()->zdarzenia.ile(), 1);
  EXPECT_NEAR(t.prosta()->zdarzenia.nr(0)->pozycja, 0, 0.01);
}

TEST(ZdarzeniaWOknie, PrzeciagniecieIDeletePoJednymKrokuCofanymDoBajtu) {
  edytor_zdarzen t;
  const wektor a = t.prosta()->miejsce_zdarzenia(0.2);
  t.klik(Qt::RightButton, a.x, a.y);
  const bajty dodane = t.rekord();
  const int kroki = t.kroki();

  // Dragged along, and a little off the line: the event follows the cursor's projection.
  const wektor b = obok_linii(*t.prosta(), 0.7, 1);
  t.ciagnij(Qt::LeftButton, a.x, a.y, b.x, b.y);
  EXPECT_EQ(t.kroki(), kroki + 1);
  EXPECT_NEAR(t.zapisany()->linia(0)->zdarzenia.nr(0)->pozycja, 0.7, 0.01);
  // Past the line's end it stays at the end.
  const wektor c = t.prosta()->miejsce_zdarzenia(0.7);
  t.ciagnij(Qt::LeftButton, c.x, c.y, -5, 10);
  EXPECT_EQ(t.prosta()->zdarzenia.nr(0)->pozycja, 0);
  t.cofnij();
  t.cofnij();
  EXPECT_EQ(t.rekord(), dodane);

  // Selected by a left click, then Delete.
  t.klik(Qt::LeftButton, a.x, a.y);
  ASSERT_TRUE(t.edytor.zdarzenia.wybrane);
  QTest::keyClick(t.plan(), Qt::Key_Delete);
  EXPECT_EQ(t.prosta()->zdarzenia.ile(), 0);
  EXPECT_EQ(t.kroki(), kroki + 1);
  EXPECT_FALSE(t.edytor.zdarzenia.wybrane);
  t.cofnij();
  EXPECT_EQ(t.rekord(), dodane);
  // A left click away from every event clears the selection.
  t.klik(Qt::LeftButton, a.x, a.y);
  t.klik(Qt::LeftButton, 30, 40);
  EXPECT_FALSE(t.edytor.zdarzenia.wybrane);
}

TEST(ZdarzeniaWOknie, PanelEdytujeWybraneZdarzeniePoKrokuNaZmiane) {
  edytor_zdarzen t;
  const wektor a = t.prosta()->miejsce_zdarzenia(0.5);
  t.klik(Qt::RightButton, a.x, a.y);
  t.klik(Qt::LeftButton, a.x, a.y);
  ASSERT_TRUE(t.edytor.zdarzenia.wybrane);
  const zdarzenie& z = *t.prosta()->zdarzenia.nr(0);
  panel_zdarzen& p = t.panel();
  int kroki = t.kroki();
  const auto krok = [&] { EXPECT_EQ(t.kroki(), ++kroki); };

  p.lista_typow->setCurrentIndex(ZD_OGRANICZENIE);
  EXPECT_EQ(z.typ, ZD_OGRANICZENIE);
  krok();
  p.w_prawo->click();
  EXPECT_EQ(z.kierunek, KIERUNEK_PRAWO);
  krok();
  p.po_ostatnim->click();
  EXPECT_EQ(z.kierunek, KIERUNEK_PRAWO | PO_OSTATNIM_WOZKU);
  krok();
  p.pole_argumentu->setFocus();
  p.pole_argumentu->clear();
  QTest::keyClicks(p.pole_argumentu, "40");
  QTest::keyClick(p.pole_argumentu, Qt::Key_Return);
  EXPECT_EQ(z.argument, 40);
  krok();
  // Out of range and not a number: refused, nothing changes.
  p.pole_polozenia->clear();
  QTest::keyClicks(p.pole_polozenia, "1.5");
  p.pole_typu_b->clear();
  QTest::keyClicks(p.pole_typu_b, "x");
  p.zatwierdz->click();
  EXPECT_NEAR(z.pozycja, 0.5, 0.01);
  EXPECT_EQ(z.typ_b, 0);
  EXPECT_EQ(t.kroki(), kroki);
  p.pole_polozenia->clear();
  QTest::keyClicks(p.pole_polozenia, "0.125");
  p.pole_typu_b->clear();
  QTest::keyClicks(p.pole_typu_b, "-3");
  p.zatwierdz->click();
  EXPECT_EQ(z.pozycja, 0.125);
  EXPECT_EQ(z.typ_b, -3);
  krok();
  // The saved record holds the edits, and the new event's values were left alone.
  EXPECT_EQ(t.zapisany()->linia(0)->zdarzenia.nr(0)->argument, 40);
  EXPECT_EQ(t.edytor.zdarzenia.nowe.typ, ZD_PRZYSTANEK);
  // With nothing selected the controls set what the next event gets.
  t.klik(Qt::LeftButton, 30, 40);
  EXPECT_EQ(p.lista_typow->currentIndex(), ZD_PRZYSTANEK);
  p.lista_typow->setCurrentIndex(ZD_PRZERWA);
  EXPECT_EQ(t.edytor.zdarzenia.nowe.typ, ZD_PRZERWA);
  EXPECT_EQ(z.typ, ZD_OGRANICZENIE);
  // A row of the list selects its event; the hovered line lists its events.
  const wektor b = t.prosta()->miejsce_zdarzenia(0.9);
  t.nad(b.x, b.y);
  ASSERT_EQ(p.lista_zdarzen_elementu->count(), 1);
  QListWidget* l = p.lista_zdarzen_elementu;
  QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(0)).center());
  ASSERT_TRUE(t.edytor.zdarzenia.wybrane);
  EXPECT_EQ(p.lista_typow->currentIndex(), ZD_OGRANICZENIE);
}

TEST(ZdarzeniaWOknie, EksportZdarzenPostawionychWEdytorzeRownyEksportowiZPliku) {
  edytor_zdarzen t;
  const int typy[] = {ZD_PRZYSTANEK, ZD_OGRANICZENIE, ZD_SYGNALIZATOR};
  const double pozycje[] = {0.2, 0.6, 0.4};
  for (int i = 0; i < 3; ++i) {
    t.panel().lista_typow->setCurrentIndex(typy[i]);
    const wektor m = i == 1 ? t.luk()->miejsce_zdarzenia(pozycje[i]) : t.prosta()->miejsce_zdarzenia(pozycje[i]);
    t.klik(Qt::RightButton, m.x, m.y);
  }
  ASSERT_EQ(t.prosta()->zdarzenia.ile(), 2);

  // The same events written into a file by hand and loaded.
  tor_uklad reczny;
  zbuduj_zakret(reczny);
  for (int i = 0; i < 3; ++i) {
    lista_zdarzen& lista = i == 1 ? reczny.punkt(1)->zdarzenia : reczny.linia(0)->zdarzenia;
    const lista_zdarzen& w_edytorze = i == 1 ? t.luk()->zdarzenia : t.prosta()->zdarzenia;
    zdarzenie z;
    z.typ = typy[i];
    z.kierunek = KIERUNEK_PRAWO | KIERUNEK_LEWO;
    z.pozycja = w_edytorze.nr(i == 2 ? 1 : 0)->pozycja;
    EXPECT_NEAR(z.pozycja, pozycje[i], 0.01);
    lista.dodaj(z);
  }
  const std::string plik = t.katalog.plik("reczny.vxm");
  ASSERT_TRUE(zapisz_projekt(plik, reczny, t.dok.trasa));
  tor_uklad z_pliku;
  trasa_info trasa;
  ASSERT_TRUE(wczytaj_projekt(plik, z_pliku, trasa).ok);

  przygotuj_eksport(z_pliku, plik);
  const bajty oczekiwany = rekordy_eksportu(z_pliku, trasa);
  przygotuj_eksport(t.dok.tor, plik);
  EXPECT_EQ(rekordy_eksportu(t.dok.tor, trasa), oczekiwany);
}

}  // namespace
