#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "ui/okno_testowe.h"
#include "ui/okno_trasy.h"
#include "ui/panel_ladowania.h"
#include "ui/panel_prawy.h"
#include "ui/panel_satek.h"
#include "ui/panel_szablonow.h"
#include "ui/panel_torow.h"
#include "ui/panel_zdjec.h"
#include "ui/widok_planu.h"

namespace {

// The menu as the user sees it: each popup's title, then its items, "-" for a separator.
std::vector<std::vector<std::string>> menu_jak_widac(QMenuBar* pasek) {
  std::vector<std::vector<std::string>> wynik;
  for (QAction* popup : pasek->actions()) {
    std::vector<std::string> w{popup->text().toStdString()};
    for (QAction* a : popup->menu()->actions()) w.push_back(a->isSeparator() ? "-" : a->text().toStdString());
    wynik.push_back(w);
  }
  return wynik;
}

QStringList wpisy_listy(const QComboBox* l) {
  QStringList w;
  for (int i = 0; i < l->count(); ++i) w << l->itemText(i);
  return w;
}

}  // namespace

TEST(Okno, RozmiarPolozeniePaneliIWidocznoscNaStarcie) {
  okno_testowe t;
  EXPECT_EQ(t.okno.windowTitle(), "Vialtor v0.95121");
  EXPECT_TRUE(t.okno.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(t.okno.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(t.okno.size(), QSize(1024, t.okno.menuBar()->height() + 716));
  EXPECT_EQ(t.okno.minimumSize(), t.okno.maximumSize()) << "fixed size";

  QWidget* obszar = t.okno.centralWidget();
  EXPECT_EQ(obszar->geometry(), QRect(0, t.okno.menuBar()->height(), 1024, 716));
  EXPECT_EQ(t.okno.plan()->geometry(), QRect(0, 0, 1024, 600));
  struct oczekiwany {
    QWidget* panel;
    QRect miejsce;
    bool widoczny;
  };
  for (const oczekiwany& o : {oczekiwany{t.okno.torow(), {0, 600, 800, 116}, true},
                              oczekiwany{t.okno.prawy(), {801, 600, 216, 116}, true},
                              oczekiwany{t.okno.zdjec(), {0, 600, 800, 116}, false},
                              oczekiwany{t.okno.szablonow(), {0, 600, 1024, 116}, false},
                              oczekiwany{t.okno.satek(), {0, 0, 300, 150}, false},
                              oczekiwany{t.okno.trasy(), {0, 0, 500, 250}, false},
                              oczekiwany{t.okno.ladowania(), {384, 275, 256, 50}, false}}) {
    EXPECT_EQ(o.panel->parentWidget(), obszar) << o.panel->objectName().toStdString();
    EXPECT_EQ(o.panel->geometry(), o.miejsce) << o.panel->objectName().toStdString();
    EXPECT_EQ(o.panel->isVisible(), o.widoczny) << o.panel->objectName().toStdString();
  }

  // Hidden at start-up within the shown panels and within the tile panel.
  EXPECT_TRUE(t.okno.prawy()->zatwierdz->isHidden());
  EXPECT_TRUE(t.okno.prawy()->odbicie->isHidden());
  EXPECT_TRUE(t.okno.prawy()->obrot_180->isHidden());
  EXPECT_TRUE(t.okno.torow()->etykieta_przelozenia->isHidden());
  EXPECT_TRUE(t.okno.torow()->lista_przelozenia->isHidden());
  EXPECT_TRUE(t.okno.szablonow()->lista_przeswitow_kolej->isHidden());
  EXPECT_TRUE(t.okno.szablonow()->lista_rodzajow_kolej->isHidden());
  EXPECT_FALSE(t.okno.szablonow()->lista_przeswitow_tramwaj->isHidden());
  int widoczne_w_satkach = 0;
  for (QWidget* k : t.okno.satek()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) widoczne_w_satkach += !k->isHidden();
  EXPECT_EQ(widoczne_w_satkach, 2);
  EXPECT_FALSE(t.okno.satek()->zamknij->isHidden());
  EXPECT_FALSE(t.okno.satek()->ortofotomapa->isHidden());

  // Controls sit inside their panels, at their given places.
  EXPECT_EQ(t.okno.torow()->suwak_promienia->geometry(), QRect(400, 80, 400, 30));
  EXPECT_EQ(t.okno.prawy()->pole_2->geometry(), QRect(133, 23, 80, 18));
  EXPECT_EQ(t.okno.szablonow()->koniec_wyboru->geometry(), QRect(350, 8, 150, 100));
  EXPECT_EQ(t.okno.trasy()->zatwierdz->geometry(), QRect(150, 80, 80, 30));
  EXPECT_EQ(t.okno.torow()->lista_siatki->pos(), QPoint(46, 7));
}

TEST(Okno, MenuPozycjeSeparatoryIKolejnosc) {
  okno_testowe t;
  const std::vector<std::vector<std::string>> oczekiwane = {
      {"&Miasto", "&Wyczyść całość torowiska", "&Wyczyść zdjecia i mapy", "-", "&Wczytaj projekt",
       "&Dodaj do projeku", "&Zapisz projekt", "-", "&Testuj geometrię toru", "&Informacje o trasie", "-",
       "&Importuj z Vialtor 0.945b", "&Importuj z pliku tekstowego", "-", "&Eksportuj do MOVIX 0.08", "-",
       "&Ortofotomapa", "-", "&Wyjście z programu"},
      {"&Tryb edycji:", "&Tory", "&Zdjecia i mapy"},
      {"&Elementy", "&Wstaw nowy element", "&Wybierz element"},
      {"&Edycja", "&Zaznacz wszystko", "&Odznacz wszystko", "&Odwróć zaznaczenie"},
      {"&Narzedzia", "&Ustaw równolegle do zaznaczonego odcinka"},
      {"&Widok", "&Pokaż wszystko", "&Pokaż zaznaczone"}};
  EXPECT_EQ(menu_jak_widac(t.okno.menuBar()), oczekiwane);
  int wyszarzone = 0;
  for (QAction* a : t.okno.findChildren<QAction*>()) wyszarzone += !a->isEnabled();
  EXPECT_EQ(wyszarzone, 1);
  EXPECT_FALSE(t.okno.menu().tryb_tory->isEnabled());
}

TEST(Okno, ListyWpisyIWyboryNaStarcie) {
  okno_testowe t;
  const QStringList przeswity{"1,435 m", "1,000 m", "0,900 m", "0,785 m", "1,525 m"};
  struct lista {
    const char* nazwa;
    QWidget* panel;
    QStringList wpisy;
    int wybrany;
  };
  const std::vector<lista> listy = {
      {"lista_siatki", t.okno.torow(), {"Brak", "1000x1000 m", "100x100 m", "10x10 m", "1x1 m"}, 4},
      {"lista_przeswitow", t.okno.torow(), przeswity, 0},
      {"lista_promieni_domyslnych", t.okno.torow(), {"25 m", "30 m", "50 m", "100 m", "150 m", "215 m"}, 2},
      {"lista_obiektow_domyslnych", t.okno.torow(), {"1", "2"}, 0},
      {"lista_obiektow", t.okno.torow(), {"1", "2"}, 0},
      {"lista_kolorystyki",
       t.okno.torow(),
       {"Kolorystyka szara", "Kolorystyka zielona", "Kolorystyka brązowa", "Kolorystyka pstrokata"},
       0},
      {"lista_przelozenia", t.okno.torow(), {"Prosto", "Skręt"}, 0},
      {"lista_miast",
       t.okno.trasy(),
       {"Brak informacji", "Fikcyjne", "Bydgoszcz", "Częstochowa", "Elbląg", "Gdańsk", "GOP", "Gorzów", "Grudziądz",
        "Kraków", "Łódź", "Poznań", "Szczecin", "Toruń", "Warszawa", "Wrocław"},
       0},
      {"lista_transportu", t.okno.szablonow(), {"Tramwaj", "Kolej"}, 0},
      {"lista_przeswitow_tramwaj", t.okno.szablonow(), przeswity, 0},
      {"lista_przeswitow_kolej", t.okno.szablonow(), {"1,435 m"}, 0},
      {"lista_rodzajow_tramwaj", t.okno.szablonow(), {"Zwrotnica", "Rozjazd"}, 1},
      {"lista_rodzajow_kolej", t.okno.szablonow(), {"Zwrotnica", "Rozjazd", "Rozjazd podwójny"}, 1},
  };
  for (const lista& l : listy) {
    auto* k = l.panel->findChild<QComboBox*>(l.nazwa);
    ASSERT_NE(k, nullptr) << l.nazwa;
    EXPECT_EQ(wpisy_listy(k), l.wpisy) << l.nazwa;
    EXPECT_EQ(k->currentIndex(), l.wybrany) << l.nazwa;
  }

  const panel_torow& tory = *t.okno.torow();
  EXPECT_TRUE(tory.punkty_linie->isChecked());
  EXPECT_TRUE(tory.szyny->isChecked());
  EXPECT_TRUE(tory.zdjecia_mapki->isChecked());
  EXPECT_FALSE(tory.zarys_skrajni->isChecked());
  EXPECT_FALSE(tory.wyrownywanie->isChecked());
  EXPECT_TRUE(tory.dodawanie->isChecked());
  EXPECT_EQ(std::make_pair(tory.suwak_promienia->minimum(), tory.suwak_promienia->maximum()), std::make_pair(18, 100));
  for (const QSlider* s : {t.okno.satek()->suwak_przezroczystosci, t.okno.zdjec()->suwak_przezroczystosci}) {
    EXPECT_EQ(s->minimum(), 1);
    EXPECT_EQ(s->maximum(), 40);
    EXPECT_EQ(s->value(), 40);
  }
  EXPECT_EQ(t.okno.szablonow()->opis->text(), QString(39, 'x'));
  EXPECT_EQ(t.okno.trasy()->dlugosc->text(), "xxxxxx");
}
