#pragma once

class QAction;
class QMenuBar;

// The main window's menu bar: its commands, each with an object name.
struct menu_glowne {
  // "&Miasto"
  QAction* wyczysc_tory;
  QAction* wyczysc_zdjecia;
  QAction* wczytaj_projekt;
  QAction* dodaj_do_projektu;
  QAction* zapisz_projekt;
  QAction* testuj_geometrie;
  QAction* informacje_o_trasie;
  QAction* importuj_vxp;
  QAction* importuj_txt;
  QAction* importuj_osm;
  QAction* eksportuj;
  QAction* ortofotomapa;
  QAction* wyjscie;
  // "&Tryb edycji:"
  QAction* tryb_tory;
  QAction* tryb_zdjecia;
  QAction* tryb_zdarzenia;
  // "&Elementy"
  QAction* wstaw_element;
  QAction* wybierz_element;
  // "&Edycja"
  QAction* zaznacz_wszystko;
  QAction* odznacz_wszystko;
  QAction* odwroc_zaznaczenie;
  QAction* cofnij;
  QAction* ponow;
  // "&Narzedzia"
  QAction* ustaw_rownolegle;
  // "&Widok"
  QAction* pokaz_wszystko;
  QAction* pokaz_zaznaczone;
};

// Builds the popups, items and separators in their order; "&Tory" starts greyed (track mode),
// and so do undo and redo (nothing to take back yet).
menu_glowne zbuduj_menu(QMenuBar* pasek);
