#include "ui/pliki_projektu.h"

#include "dokument/dokument.h"
#include "app/komunikaty.h"
#include "io/eksport.h"
#include "io/import_txt.h"
#include "io/import_vxp.h"
#include "io/projekt.h"
#include "io/trasa.h"
#include "dokument/wczytywanie.h"
#include "ui/dialogi.h"
#include "ui/katalogi_dialogow.h"

namespace {
constexpr const char* PROJEKT = "*.vxm";
constexpr const char* STARY_PROJEKT = "*.vxp";
constexpr const char* TEKST = "*.txt";
constexpr const char* EKSPORT = "*.layout";
}  // namespace

pliki_projektu::pliki_projektu(dokument& dok, dialogi& pytania, QWidget* okno, const std::string& katalog_danych)
    : dok_(dok), pytania_(pytania), okno_(okno),
      katalog_projektow_(QString::fromStdString(katalog_danych) + "/projects") {}

bool pliki_projektu::mozna_porzucic() {
  return !dok_.zmieniony() || pytania_.zapytaj(okno_, "Układ torów ma niezapisane zmiany. Kontynuować?");
}

std::string pliki_projektu::plik_do_odczytu(const char* wzor) {
  std::string sciezka = plik_z_dialogu(pytania_.otworz_plik, okno_, katalog_projektow_, wzor);
  if (sciezka.empty()) brak_pliku_do_wczytania();
  return sciezka;
}

void pliki_projektu::wyczysc_tory() {
  if (!mozna_porzucic()) return;
  dok_.tor.wyczysc();
  zeruj_trase(dok_.trasa);
  dok_.nowy();
}

void pliki_projektu::wczytaj() {
  if (!mozna_porzucic()) return;
  const std::string sciezka = plik_do_odczytu(PROJEKT);
  if (!sciezka.empty()) wczytaj_z(sciezka);
}

void pliki_projektu::wczytaj_z(const std::string& sciezka) {
  if (wczytaj_projekt(sciezka, dok_.tor, dok_.trasa).ok) dok_.zgodny_z_plikiem(sciezka);
}

void pliki_projektu::dodaj() {
  const std::string sciezka = plik_do_odczytu(PROJEKT);
  if (!sciezka.empty() && dodaj_do_projektu(sciezka, dok_.tor).ok) dok_.zmiana();
}

void pliki_projektu::zapisz() {
  const std::string sciezka = plik_z_dialogu(pytania_.zapisz_plik, okno_, katalog_projektow_, PROJEKT);
  if (sciezka.empty()) {
    brak_pliku_do_zapisu();
    return;
  }
  if (zapisz_projekt(sciezka, dok_.tor, dok_.trasa)) dok_.zgodny_z_plikiem(sciezka);
}

void pliki_projektu::importuj_vxp() {
  if (!mozna_porzucic()) return;
  const std::string sciezka = plik_do_odczytu(STARY_PROJEKT);
  if (!sciezka.empty()) importuj_vxp_z(sciezka);
}

// An imported layout is saved as a project under a name of the user's choice: the document has
// no project file and holds unsaved work.
void pliki_projektu::importuj_vxp_z(const std::string& sciezka) {
  if (!::importuj_vxp(sciezka, dok_.tor, dok_.siec).ok) return;
  dok_.zaimportowany();
}

void pliki_projektu::importuj_txt() {
  if (!mozna_porzucic()) return;
  const std::string sciezka = plik_do_odczytu(TEKST);
  if (!sciezka.empty()) importuj_txt_z(sciezka);
}

void pliki_projektu::importuj_txt_z(const std::string& sciezka) {
  if (!::importuj_txt(sciezka, dok_.tor).ok) return;
  dok_.zaimportowany();
}

void pliki_projektu::eksportuj() {
  if (!dok_.tor.sprawdz_geometrie()) {
    pokaz_komunikat(KOM_BLAD_GEOMETRII_EKSPORT);
    return;
  }
  const std::string sciezka = plik_z_dialogu(pytania_.zapisz_plik, okno_, katalog_projektow_, EKSPORT);
  if (sciezka.empty()) {
    eksport_bez_pliku();
    return;
  }
  // The export turns the events on lines into event points of the layout itself.
  if (::eksportuj(sciezka, dok_.tor, dok_.trasa) != wynik_eksportu::blad_geometrii) dok_.zmiana();
}

void pliki_projektu::otworz(const std::string& sciezka) {
  switch (rodzaj_po_rozszerzeniu(sciezka)) {
    case rodzaj_pliku::projekt: return wczytaj_z(sciezka);
    case rodzaj_pliku::stary_projekt: return importuj_vxp_z(sciezka);
    case rodzaj_pliku::tekst: return importuj_txt_z(sciezka);
    case rodzaj_pliku::nieznany: break;
  }
  pokaz_tekst("Nieznany rodzaj pliku: " + sciezka + " (oczekiwano .vxm, .vxp lub .txt)");
}
