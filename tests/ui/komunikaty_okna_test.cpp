#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "dokument/dokument.h"
#include "support/log_tymczasowy.h"
#include "ui/okno_glowne.h"
#include "ui/okno_testowe.h"
#include "view/stan_edytora.h"

namespace {

struct widziane {
  QString tytul, tekst;
  QMessageBox::Icon ikona = QMessageBox::Question;
  QStringList przyciski;
  QWidget* rodzic = nullptr;
};

// Reads the modal box once it is up, then presses the button with the given text.
void odpowiedz_na_okno(widziane& w, const QString& przycisk) {
  QTimer::singleShot(0, [&w, przycisk] {
    auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(okno, nullptr);
    w.tytul = okno->windowTitle();
    w.tekst = okno->text();
    w.ikona = okno->icon();
    w.rodzic = okno->parentWidget();
    for (QAbstractButton* b : okno->buttons()) {
      w.przyciski << b->text();
      if (b->text() == przycisk) b->click();
    }
  });
}

}  // namespace

TEST(KomunikatyOkna, PudelkoUwagaBezIkonyZOK) {
  log_tymczasowy log;
  dokument dok;
  stan_edytora edytor;
  okno_glowne okno(dok, edytor, KATALOG_DANYCH);
  okno.show();
  widziane w;
  odpowiedz_na_okno(w, "OK");
  pokaz_komunikat(KOM_NIE_VIALTOR);
  EXPECT_EQ(w.tytul, "Uwaga!");
  EXPECT_EQ(w.tekst, "Wczytywany plik nie jest formatem Vialtor");
  EXPECT_EQ(w.ikona, QMessageBox::NoIcon);
  EXPECT_EQ(w.przyciski, QStringList{"OK"});
  EXPECT_EQ(w.rodzic, &okno);
  EXPECT_NE(log.tresc().find("#komunikat: 24\n"), std::string::npos);

  widziane pusty;
  odpowiedz_na_okno(pusty, "OK");
  pokaz_tekst("Plik x: uszkodzony");
  EXPECT_EQ(pusty.tekst, "Plik x: uszkodzony");
  EXPECT_EQ(pusty.tytul, "Uwaga!");
}

TEST(KomunikatyOkna, PytanieTakNie) {
  dokument dok;
  stan_edytora edytor;
  okno_glowne okno(dok, edytor, KATALOG_DANYCH);
  okno.show();
  dok.trasa.rok = 1990;
  dok.zmiana();
  widziane nie;
  odpowiedz_na_okno(nie, "Nie");
  EXPECT_FALSE(okno.pliki().mozna_porzucic());
  EXPECT_EQ(nie.tekst, "Układ torów ma niezapisane zmiany. Kontynuować?");
  EXPECT_EQ(nie.przyciski.size(), 2);
  EXPECT_TRUE(nie.przyciski.contains("Tak"));
  widziane tak;
  odpowiedz_na_okno(tak, "Tak");
  EXPECT_TRUE(okno.pliki().mozna_porzucic());
}
