#include "ui/menu_glowne.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {
QAction* pozycja(QMenu* menu, const char* nazwa, const char* tekst) {
  QAction* a = menu->addAction(QString::fromUtf8(tekst));
  a->setObjectName(QString::fromUtf8(nazwa));
  return a;
}
}  // namespace

menu_glowne zbuduj_menu(QMenuBar* pasek) {
  menu_glowne m;
  QMenu* miasto = pasek->addMenu("&Miasto");
  m.wyczysc_tory = pozycja(miasto, "wyczysc_tory", "&Wyczyść całość torowiska");
  m.wyczysc_zdjecia = pozycja(miasto, "wyczysc_zdjecia", "&Wyczyść zdjecia i mapy");
  miasto->addSeparator();
  m.wczytaj_projekt = pozycja(miasto, "wczytaj_projekt", "&Wczytaj projekt");
  m.dodaj_do_projektu = pozycja(miasto, "dodaj_do_projektu", "&Dodaj do projeku");
  m.zapisz_projekt = pozycja(miasto, "zapisz_projekt", "&Zapisz projekt");
  miasto->addSeparator();
  m.testuj_geometrie = pozycja(miasto, "testuj_geometrie", "&Testuj geometrię toru");
  m.informacje_o_trasie = pozycja(miasto, "informacje_o_trasie", "&Informacje o trasie");
  miasto->addSeparator();
  m.importuj_vxp = pozycja(miasto, "importuj_vxp", "&Importuj z Vialtor 0.945b");
  m.importuj_txt = pozycja(miasto, "importuj_txt", "&Importuj z pliku tekstowego");
  m.importuj_osm = pozycja(miasto, "importuj_osm", "Importuj tory z OpenStreetMap…");
  miasto->addSeparator();
  m.eksportuj = pozycja(miasto, "eksportuj", "&Eksportuj do MOVIX 0.08");
  miasto->addSeparator();
  m.ortofotomapa = pozycja(miasto, "ortofotomapa", "&Ortofotomapa");
  miasto->addSeparator();
  m.wyjscie = pozycja(miasto, "wyjscie", "&Wyjście z programu");

  QMenu* tryb = pasek->addMenu("&Tryb edycji:");
  m.tryb_tory = pozycja(tryb, "tryb_tory", "&Tory");
  m.tryb_zdjecia = pozycja(tryb, "tryb_zdjecia", "&Zdjecia i mapy");
  m.tryb_zdarzenia = pozycja(tryb, "tryb_zdarzenia", "Z&darzenia");
  m.tryb_tory->setEnabled(false);

  QMenu* elementy = pasek->addMenu("&Elementy");
  m.wstaw_element = pozycja(elementy, "wstaw_element", "&Wstaw nowy element");
  m.wybierz_element = pozycja(elementy, "wybierz_element", "&Wybierz element");

  QMenu* edycja = pasek->addMenu("&Edycja");
  m.zaznacz_wszystko = pozycja(edycja, "zaznacz_wszystko", "&Zaznacz wszystko");
  m.odznacz_wszystko = pozycja(edycja, "odznacz_wszystko", "&Odznacz wszystko");
  m.odwroc_zaznaczenie = pozycja(edycja, "odwroc_zaznaczenie", "&Odwróć zaznaczenie");
  edycja->addSeparator();
  m.cofnij = pozycja(edycja, "cofnij", "&Cofnij");
  m.cofnij->setShortcut(QKeySequence::Undo);
  m.cofnij->setEnabled(false);
  m.ponow = pozycja(edycja, "ponow", "&Ponów");
  m.ponow->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  m.ponow->setEnabled(false);

  QMenu* narzedzia = pasek->addMenu("&Narzedzia");
  m.ustaw_rownolegle = pozycja(narzedzia, "ustaw_rownolegle", "&Ustaw równolegle do zaznaczonego odcinka");

  QMenu* widok = pasek->addMenu("&Widok");
  m.pokaz_wszystko = pozycja(widok, "pokaz_wszystko", "&Pokaż wszystko");
  m.pokaz_zaznaczone = pozycja(widok, "pokaz_zaznaczone", "&Pokaż zaznaczone");
  return m;
}
