#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

#include "app/komunikaty.h"
#include "io/rekordy_stanu.h"
#include "ui/dialogi.h"
#include "ui/menu_glowne.h"
#include "ui/pliki_projektu.h"

class dokument;
struct stan_edytora;
class widok_planu;
class panel_torow;
class panel_prawy;
class panel_zdjec;
class panel_zdarzen;
class panel_szablonow;
class panel_satek;
class okno_trasy;
class panel_ladowania;
class klawisze_planu;
class stos_cofania;
class mysz_planu;
class panel_zaznaczenia;
class obrazy_planu;
class polecenia_obrazow;
class powrot_aktywnosci;
class import_osm_edytora;

// The main window: the menu bar, the 1024 x 600 plan view and the panels below and over it.
// Runs the menu commands on the document and shows the numbered messages while it exists.
class okno_glowne : public QMainWindow {
 public:
  okno_glowne(dokument& dok, stan_edytora& edytor, const std::string& katalog_danych);
  ~okno_glowne() override;

  widok_planu* plan() const { return plan_; }
  const menu_glowne& menu() const { return menu_; }
  dialogi& pytania() { return pytania_; }
  pliki_projektu& pliki() { return pliki_; }
  panel_torow* torow() const { return torow_; }
  panel_prawy* prawy() const { return prawy_; }
  panel_zdjec* zdjec() const { return zdjec_; }
  panel_zdarzen* zdarzen() const { return zdarzen_; }
  panel_szablonow* szablonow() const { return szablonow_; }
  panel_satek* satek() const { return satek_; }
  okno_trasy* trasy() const { return trasy_; }
  panel_ladowania* ladowania() const { return ladowania_; }
  const klawisze_planu& klawisze() const { return *klawisze_; }
  stos_cofania& cofanie() const { return *cofanie_; }
  obrazy_planu& obrazy() const { return *obrazy_; }
  polecenia_obrazow& polecenia_obrazow_okna() const { return *polecenia_obrazow_; }
  mysz_planu& mysz() const { return *mysz_; }
  import_osm_edytora& import_osm() const { return *import_osm_; }
  dokument& dok() const { return dok_; }
  stan_edytora& edytor() const { return edytor_; }

  // Commands shared by the menu, the plan keys and the panels.
  void testuj_geometrie();
  void informacje_o_trasie();
  void ustaw_tryb_edycji(int tryb);
  void wstaw_element();
  void wybierz_element();
  void zakoncz_wybor_szablonu();
  // Previous or next template matching the templates panel's criteria; message 25 when none.
  void krok_szablonu(bool dalej);
  void usun_zaznaczone();
  void ustaw_rownolegle();
  void pokaz_wszystko();
  void pokaz_zaznaczone();
  // Back over the last edit and forward again; the panels and the plan show the result.
  void cofnij();
  void ponow();

  // Something drawn changed (camera, selection, a mode): the hover and the panels taken
  // again, then redraw.
  void odswiez();
  // The document changed: mark it, the hover and the panels taken again, redraw.
  void po_edycji();
  // The same for an edit of only the items `zakres` names.
  void po_edycji(const zakres_zmiany& zakres);
  // The pictures changed: drawn again (their undo steps are kept by the pictures commands).
  void po_edycji_zdjec();

 protected:
  void closeEvent(QCloseEvent* zdarzenie) override;

 private:
  void po_zatwierdzeniu();
  void polacz_menu();
  void pokaz_nazwe_szablonu();
  // The bottom-left panel of the edit mode: tracks, pictures or events.
  void pokaz_panel_trybu();
  // Runs a file command and redraws when it changed the document.
  void polecenie_pliku(void (pliki_projektu::*polecenie)());

  dokument& dok_;
  stan_edytora& edytor_;
  dialogi pytania_;
  pliki_projektu pliki_;
  odbiorca_komunikatow poprzedni_odbiorca_;

  menu_glowne menu_;
  QWidget* obszar_;
  widok_planu* plan_;
  panel_torow* torow_;
  panel_prawy* prawy_;
  panel_zdjec* zdjec_;
  panel_zdarzen* zdarzen_;
  panel_szablonow* szablonow_;
  panel_satek* satek_;
  okno_trasy* trasy_;
  panel_ladowania* ladowania_;
  std::unique_ptr<klawisze_planu> klawisze_;
  std::unique_ptr<stos_cofania> cofanie_;
  std::unique_ptr<obrazy_planu> obrazy_;
  polecenia_obrazow* polecenia_obrazow_;
  std::unique_ptr<panel_zaznaczenia> zaznaczenie_;
  mysz_planu* mysz_;  // owned by the plan widget
  std::unique_ptr<powrot_aktywnosci> powrot_aktywnosci_;
  std::unique_ptr<import_osm_edytora> import_osm_;
};
