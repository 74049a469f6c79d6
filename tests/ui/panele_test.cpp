// The side panels following the selection and acting on it, through the real window.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <cmath>
#include <functional>

#include "app/liczby.h"
#include "support/uklad_testowy.h"
#include "track/przeswity.h"
#include "ui/okno_trasy.h"
#include "ui/panel_prawy.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/plan_myszy.h"

namespace {

std::size_t ile_bledow(const std::string& log) {
  std::size_t n = 0;
  for (auto i = log.find("!!! string to double error"); i != std::string::npos;
       i = log.find("!!! string to double error", i + 1))
    ++n;
  return n;
}

// Replaces the box's text as a user does: select all, type.
void wpisz(QLineEdit* pole, const char* tekst) {
  pole->setFocus();
  pole->selectAll();
  QTest::keyClicks(pole, tekst);
}

TEST(Panele, CzteryWidokiZaznaczenia) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10, 215);
  tor_punkt* b = dodaj_punkt_toru(u, 40, 10);
  polacz_tor(u, a, b);
  u.przelicz_wszystko();
  const panel_prawy* p = t.okno.prawy();
  const panel_torow* d = t.okno.torow();

  t.klik(Qt::LeftButton, 10, 10);
  EXPECT_TRUE(p->etykieta_x->isVisible() && p->etykieta_y->isVisible());
  EXPECT_FALSE(p->etykieta_d->isVisible() || p->etykieta_k->isVisible());
  EXPECT_TRUE(p->pole_1->isEnabled() && p->pole_2->isEnabled());
  EXPECT_TRUE(p->zatwierdz->isVisible());
  EXPECT_FALSE(p->odbicie->isVisible());
  EXPECT_TRUE(d->suwak_promienia->isVisible());
  EXPECT_EQ(d->suwak_promienia->value(), 96) << "215 m";
  EXPECT_EQ(a->promien, 215) << "showing the radius applies nothing";

  t.klik(Qt::LeftButton, 25, 10);  // the line
  EXPECT_TRUE(p->etykieta_d->isVisible() && p->etykieta_k->isVisible());
  EXPECT_FALSE(p->pole_1->isEnabled() || p->pole_2->isEnabled());
  EXPECT_EQ(p->pole_1->text(), "30.00");
  const w_linia* l = u.l[0];
  EXPECT_EQ(p->pole_2->text().toStdString(), liczba_na_tekst(std::atan2(l->kx, l->ky) * 180 / M_PI, 2))
      << "the bearing, a click moves nothing";
  EXPECT_FALSE(d->suwak_promienia->isVisible());
  EXPECT_FALSE(p->zatwierdz->isVisible());
  EXPECT_TRUE(d->lista_obiektow->isVisible());

  t.wczytaj_szablony();
  u.odznacz_wszystko();
  t.okno.wstaw_element();
  ASSERT_EQ(u.emax(), 1);
  for (w_punkt* q : u.p) q->ZAZNACZ(q->element != nullptr);
  t.okno.odswiez();
  EXPECT_TRUE(p->etykieta_x->isVisible() && p->etykieta_k->isVisible());
  EXPECT_FALSE(p->pole_1->isEnabled());
  EXPECT_TRUE(p->pole_2->isEnabled());
  EXPECT_TRUE(p->odbicie->isVisible() && p->obrot_180->isVisible());
  EXPECT_TRUE(d->lista_przelozenia->isVisible());

  t.klik(Qt::LeftButton, 80, 50);  // nothing
  for (QWidget* w : std::initializer_list<QWidget*>{p->pole_1, p->pole_2, p->etykieta_x, p->etykieta_y, p->zatwierdz,
                                                    d->suwak_promienia, d->lista_obiektow, d->lista_przelozenia})
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST(Panele, ZatwierdzTylkoWpisaneIPoprawne) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10.004, 10.006);
  t.klik(Qt::LeftButton, 10, 10);
  panel_prawy* p = t.okno.prawy();
  ASSERT_EQ(p->pole_1->text(), "10.00");

  wpisz(p->pole_1, "12.345");
  // Delete typed into the box is the box's: the point stays.
  QTest::keyClick(p->pole_1, Qt::Key_Delete);
  EXPECT_EQ(u.pmax(), 1);
  QTest::mouseClick(p->zatwierdz, Qt::LeftButton);
  EXPECT_EQ(a->GET_X(), 12.345);
  EXPECT_EQ(a->GET_Y(), 10.006) << "the box not typed into keeps the value to the last bit";
  EXPECT_EQ(p->pole_1->text(), "12.345");
  EXPECT_TRUE(t.dok.zmieniony());

  for (const char* smiec : {"abc", "nan", "inf", "12abc"}) {
    const std::size_t bledy = ile_bledow(t.log.tresc());
    wpisz(p->pole_2, smiec);
    QTest::mouseClick(p->zatwierdz, Qt::LeftButton);
    EXPECT_EQ(a->GET_Y(), 10.006) << smiec;
    EXPECT_EQ(ile_bledow(t.log.tresc()), bledy + 1) << smiec;
  }

  // With the plan focused Delete deletes.
  t.klik(Qt::LeftButton, 12.345, 10);
  QTest::keyClick(t.plan(), Qt::Key_Delete);
  EXPECT_EQ(u.pmax(), 0);
}

TEST(Panele, ZatwierdzNieruszanegoElementuNieZmieniaKata) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  t.wczytaj_szablony();
  t.okno.wstaw_element();
  ASSERT_EQ(u.emax(), 1);
  u.e[0]->kat = 33.333333;
  for (w_punkt* q : u.p) q->ZAZNACZ(true);
  t.okno.odswiez();
  ASSERT_TRUE(t.okno.prawy()->zatwierdz->isVisible());
  QTest::mouseClick(t.okno.prawy()->zatwierdz, Qt::LeftButton);
  EXPECT_EQ(u.e[0]->kat, 33.333333);
}

TEST(Panele, SuwakPromieniaIOstrzezeniaRazNaUruchomienie) {
  plan_myszy t;
  tor_uklad& u = t.dok.tor;
  tor_punkt* a = dodaj_punkt_toru(u, 10, 10, 50);
  t.klik(Qt::LeftButton, 10, 10);
  QSlider* s = t.okno.torow()->suwak_promienia;
  s->setValue(91);
  EXPECT_EQ(a->promien, 95);
  EXPECT_EQ(t.okno.torow()->pole_promienia->text(), "95");
  s->setValue(19);
  s->setValue(22);
  s->setValue(18);
  s->setValue(23);
  EXPECT_EQ(a->promien, 23);
  EXPECT_EQ(t.komunikaty.kody, (std::vector<unsigned>{KOM_PROMIEN_PONIZEJ_20, KOM_PROMIEN_PONIZEJ_25}));

  // "Aktualizuj": whole metres from the box; nothing for what is not a positive number.
  QLineEdit* pole = t.okno.torow()->pole_promienia;
  QPushButton* aktualizuj = t.okno.torow()->aktualizuj;
  wpisz(pole, "120.9");
  QTest::mouseClick(aktualizuj, Qt::LeftButton);
  EXPECT_EQ(a->promien, 120);
  for (const char* zly : {"-5", "0", "1e300", "x"}) {
    wpisz(pole, zly);
    QTest::mouseClick(aktualizuj, Qt::LeftButton);
    EXPECT_EQ(a->promien, 120) << zly;
  }
}

TEST(Panele, ListyToruUstawiajaDomyslneIOstrzegaja) {
  plan_myszy t;
  panel_torow* d = t.okno.torow();
  d->lista_promieni_domyslnych->setCurrentIndex(5);
  d->lista_obiektow_domyslnych->setCurrentIndex(1);
  d->lista_przeswitow->setCurrentIndex(3);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_PRZESWIT_SLASK});
  t.klik(Qt::RightButton, 10, 10);
  ASSERT_EQ(t.dok.tor.pmax(), 1);
  const tor_punkt* q = t.dok.tor.punkt(0);
  EXPECT_EQ(q->promien, 215);
  EXPECT_EQ(q->obiekt, 1);
  EXPECT_EQ(q->przeswit, 3);
}

// Each display control of the track panel sets its own option and nothing else, and back.
TEST(Panele, KontrolkiWidokuKazdaSwojaOpcja) {
  okno_testowe t;
  const stan_programu zachowany = stan;
  struct opcje {
    int flagi;
    bool zdjecia, wyrownywanie;
    int siatka, kolorystyka;
    bool operator==(const opcje&) const = default;
  };
  const auto teraz = [&] {
    return opcje{stan.rysowanie.flagi, t.edytor.pokaz_zdjecia, t.edytor.wyrownywanie, t.edytor.siatka,
                 t.dok.tor.kolorystyka};
  };
  const opcje poczatek = teraz();
  panel_torow* d = t.okno.torow();
  const struct {
    QCheckBox* pole;
    std::function<void(opcje&)> zmiana;
  } pola[] = {
      {d->punkty_linie, [](opcje& o) { o.flagi ^= POKAZ_PUNKTY_LINIE; }},
      {d->szyny, [](opcje& o) { o.flagi ^= POKAZ_SZYNY; }},
      {d->zarys_skrajni, [](opcje& o) { o.flagi ^= POKAZ_SKRAJNIE; }},
      {d->zdjecia_mapki, [](opcje& o) { o.zdjecia = !o.zdjecia; }},
      {d->wyrownywanie, [](opcje& o) { o.wyrownywanie = !o.wyrownywanie; }},
  };
  for (const auto& p : pola) {
    SCOPED_TRACE(p.pole->text().toStdString());
    opcje oczekiwane = poczatek;
    p.zmiana(oczekiwane);
    p.pole->click();
    EXPECT_TRUE(teraz() == oczekiwane);
    p.pole->click();
    EXPECT_TRUE(teraz() == poczatek);
  }
  d->lista_siatki->setCurrentIndex(0);
  opcje oczekiwane = poczatek;
  oczekiwane.siatka = 0;
  EXPECT_TRUE(teraz() == oczekiwane);
  d->lista_kolorystyki->setCurrentIndex(KOLORYSTYKA_ZIELONA);
  oczekiwane.kolorystyka = KOLORYSTYKA_ZIELONA;
  EXPECT_TRUE(teraz() == oczekiwane);
  stan = zachowany;
}

TEST(Panele, SzablonyListyPrzywracajaWyborBezPasujacego) {
  plan_myszy t;
  panel_szablonow* s = t.okno.szablonow();
  // An empty library: message 25 and no template mode.
  t.okno.wybierz_element();
  EXPECT_FALSE(t.edytor.tryb_szablonu);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_BRAK_SZABLONU});
  t.komunikaty.kody.clear();

  t.wczytaj_szablony();
  t.okno.wybierz_element();
  ASSERT_TRUE(t.edytor.tryb_szablonu);
  // Plan clicks do nothing while a template is chosen.
  t.klik(Qt::RightButton, 10, 10);
  EXPECT_EQ(t.dok.tor.pmax(), 0);

  const std::string przed = s->opis->text().toStdString();
  QTest::mouseClick(s->nastepny, Qt::LeftButton);
  EXPECT_EQ(s->opis->text().toStdString(), t.dok.tor.nazwa_szablonu());
  EXPECT_EQ(t.edytor.szab_akt_tramwaj, t.dok.tor.szab_akt);
  QTest::keyClick(t.plan(), Qt::Key_Left);
  EXPECT_EQ(s->opis->text().toStdString(), t.dok.tor.nazwa_szablonu());
  EXPECT_EQ(s->opis->text().toStdString(), przed);

  // A kind that has templates is kept, and the next of them shown.
  s->lista_rodzajow_tramwaj->setCurrentIndex(0);
  EXPECT_EQ(t.edytor.rodzaj_szablonu, 0);
  EXPECT_TRUE(t.dok.tor.szablony[t.dok.tor.szab_akt].pasuje(TRANSPORT_TRAMWAJ, 0, 0));
  EXPECT_EQ(s->opis->text().toStdString(), t.dok.tor.nazwa_szablonu());
  s->lista_rodzajow_tramwaj->setCurrentIndex(1);
  EXPECT_TRUE(t.komunikaty.kody.empty());

  const int szablon = t.dok.tor.szab_akt;
  // "Kolej": the rail lists, and the rail template shown last.
  s->lista_transportu->setCurrentIndex(1);
  EXPECT_TRUE(s->lista_przeswitow_kolej->isVisible());
  EXPECT_FALSE(s->lista_przeswitow_tramwaj->isVisible());
  EXPECT_EQ(t.dok.tor.szab_akt, 4);
  EXPECT_EQ(s->opis->text().toStdString(), t.dok.tor.nazwa_szablonu());
  s->lista_transportu->setCurrentIndex(0);
  EXPECT_EQ(t.dok.tor.szab_akt, szablon);

  // A gauge no tram template has (the library cut to its first 1,435 m tram templates): the
  // previous choice back, in the variable and the list.
  std::size_t n = 0;
  while (n < t.dok.tor.szablony.size() && t.dok.tor.szablony[n].przeswit == 0 &&
         t.dok.tor.szablony[n].rodzaj_transportu == TRANSPORT_TRAMWAJ)
    ++n;
  ASSERT_GT(n, static_cast<std::size_t>(szablon));
  t.dok.tor.szablony.resize(n);
  s->lista_przeswitow_tramwaj->setCurrentIndex(1);
  EXPECT_EQ(t.komunikaty.kody, std::vector<unsigned>{KOM_BRAK_SZABLONU});
  EXPECT_EQ(t.edytor.przeswit_szablonu, 0);
  EXPECT_EQ(s->lista_przeswitow_tramwaj->currentIndex(), 0);
  EXPECT_EQ(t.dok.tor.szab_akt, szablon);

  QTest::keyClick(t.plan(), Qt::Key_Return);
  EXPECT_FALSE(t.edytor.tryb_szablonu);
}

TEST(Panele, OknoTrasy) {
  plan_myszy t;
  zbuduj_luk(t.dok.tor);
  t.okno.informacje_o_trasie();
  okno_trasy* o = t.okno.trasy();
  ASSERT_TRUE(o->isVisible());
  EXPECT_EQ(o->dlugosc->text().toStdString(), liczba_na_tekst(t.dok.tor.dlugosc_trasy(), 2));
  EXPECT_FALSE(o->pole_roku->isVisible());
  o->lista_miast->setCurrentIndex(2);
  EXPECT_EQ(t.dok.trasa.miasto, 2);
  EXPECT_TRUE(o->pole_roku->isVisible() && o->pole_id->isVisible() && o->zatwierdz->isVisible());
  wpisz(o->pole_roku, "2024");
  wpisz(o->pole_id, "17");
  QTest::mouseClick(o->zatwierdz, Qt::LeftButton);
  EXPECT_EQ(t.dok.trasa.rok, 2024);
  EXPECT_EQ(t.dok.trasa.id, 17);
  EXPECT_TRUE(t.dok.zmieniony());
  wpisz(o->pole_roku, "20.5");
  wpisz(o->pole_id, "3000000000");
  QTest::mouseClick(o->zatwierdz, Qt::LeftButton);
  EXPECT_EQ(t.dok.trasa.rok, 2024);
  EXPECT_EQ(t.dok.trasa.id, 17);
  o->lista_miast->setCurrentIndex(0);
  EXPECT_FALSE(o->pole_roku->isVisible());
  QTest::mouseClick(o->zamknij, Qt::LeftButton);
  EXPECT_FALSE(o->isVisible());
}

}  // namespace
