#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/w_uklad.h"
#include "track/geometria.h"

// Track point: a curve vertex when it has two lines, an end with one, a switch point with three.
class tor_punkt : public w_punkt {
 public:
  tor_punkt(int przeswit, double x, double y, double z, double promien, int obiekt)
      : w_punkt(x, y, z), przeswit(przeswit), promien(promien), obiekt(obiekt) {}

  double wysokosc2 = 0;  // second elevation, relative to the element's z as z is
  std::int32_t przeswit;
  double promien;
  double dlugosc_stycznej = 0;
  double parametr1 = 0;
  double parametr2 = 0;
  std::int32_t obiekt;
  double srodek_x = 0, srodek_y = 0;           // arc centre, world
  double kat_poczatkowy = 0, kat_koncowy = 0;  // arc bearings
  std::int32_t skret = 0;                      // +1, -1 or 0
  std::int32_t punkt_zdarzenia = 0;            // made by the export from an event on a line

  double dlugosc() const override;  // arc length
  void rysuj(malarz& m, int flagi, int kolorystyka) const override;
  void przelicz() override;
  void zapisz_txt(pisarz_tekstu& s) const override;
  void wczytaj_txt(czytnik_tekstu& s) override;
  void zapisz(pisarz_rekordow& s) const override;
  void wczytaj(czytnik_rekordow& s) override;

  // The second elevation as the records hold it: absolute, the element's z added.
  double wysokosc2_bezwzgledna() const;

  // An event at `pozycja` (0-1) along the arc: its bearing and its place.
  double azymut_zdarzenia(double pozycja) const;
  wektor miejsce_zdarzenia(double pozycja) const;
  // Whether the point turns between two lines: only then do its events sit along an arc.
  bool ma_luk() const { return li.size() == 2 && skret != 0; }
  // Where the symbol of an event at `pozycja` is drawn; without an arc, at the point itself.
  ramka_symbolu ramka_zdarzenia(double pozycja) const;
};

class tor_linia : public w_linia {
 public:
  tor_linia(tor_punkt* p1, tor_punkt* p2, int przeswit, int obiekt);

  std::int32_t obiekt;
  std::int32_t przeswit;
  bool blad = false;  // geometry error

  tor_punkt* poczatek() const { return static_cast<tor_punkt*>(p1); }
  tor_punkt* koniec() const { return static_cast<tor_punkt*>(p2); }

  double dlugosc() const override;  // the straight part
  void przelicz() override;
  // The place of an event at `pozycja` (0-1) along the straight part, from the start point's end.
  wektor miejsce_zdarzenia(double pozycja) const;
  ramka_symbolu ramka_zdarzenia(double pozycja) const;
  void rysuj(malarz& m, int flagi, int kolorystyka) const override;
  void zapisz_txt(pisarz_tekstu& s) const override;
  void wczytaj_txt(czytnik_tekstu& s) override;
  void zapisz(pisarz_rekordow& s) const override;
  void wczytaj(czytnik_rekordow& s) override;
};

// Template kinds and transport kinds.
inline constexpr int TRANSPORT_TRAMWAJ = 0;
inline constexpr int TRANSPORT_KOLEJ = 1;
inline constexpr int SZABLON_ZWROTNICA = 0;
inline constexpr int SZABLON_ROZJAZD = 1;
inline constexpr int SZABLON_ROZJAZD_PODWOJNY = 2;

// A turnout template: a small fixed network of track points and lines.
struct szablon {
  std::vector<std::unique_ptr<tor_punkt>> punkty;
  std::vector<std::unique_ptr<tor_linia>> linie;  // declared after the points: destroyed first
  std::vector<int> poczatki, konce;  // point indices of each line
  std::string nazwa;                 // underscores of the file shown as blanks
  int rodzaj_transportu = 0;
  int przeswit = 0;
  int rodzaj = 0;

  bool pasuje(int transport, int przeswit_, int rodzaj_) const {
    return rodzaj_transportu == transport && przeswit == przeswit_ && rodzaj == rodzaj_;
  }
};

class tor_uklad : public w_uklad {
 public:

  int przeswit_akt = 0;
  double promien_domyslny = 50.0;
  int obiekt_domyslny = 0;
  std::vector<szablon> szablony;
  int szab_max() const { return static_cast<int>(szablony.size()); }

  tor_punkt* punkt(int i) const { return static_cast<tor_punkt*>(p[i]); }
  tor_linia* linia(int i) const { return static_cast<tor_linia*>(l[i]); }

  void pokaz_punkt(int nr) override;
  void pokaz_linie(int nr) override;
  void pokaz_element(int nr) override;
  void pokaz_pusty() override;
  bool sprawdz_geometrie() const override;
  void znajdz_blad(double& x, double& y) const override;
  void dodaj_punkt(double x, double y, double z) override;
  w_linia* polacz(w_punkt* a, w_punkt* b) override;
  void scal() override;
  // The same at the release of a drag, whose steps recomputed the whole layout: without a
  // merge only `okolica` (see przelicz_okolice_dwa_razy) is recomputed.
  void scal(std::span<const std::size_t> okolica);
  bool mozna_polaczyc(const w_punkt* a, const w_punkt* b) const override;
  void ustaw_przelozenie(int v) override;
  // The records hold the second elevation absolute; once the element links are set, points of
  // an element get it back relative to the element's z.
  void wczytaj(czytnik_rekordow& s) override;
  void wczytaj_txt(czytnik_tekstu& s) override;
  // A free point with the current gauge, default radius and default track object.
  w_punkt* utworz_punkt(double x, double y, double z) override;

  // Track panel settings; choosing gauges 2-4 shows their warning.
  void ustaw_przeswit(int przeswit);
  void ustaw_promien_domyslny(double promien) { promien_domyslny = promien; }
  void ustaw_obiekt_domyslny(int obiekt) { obiekt_domyslny = obiekt; }
  void ustaw_promien_zaznaczonych(double promien);
  void ustaw_obiekt_zaznaczonych(int obiekt);
  double dlugosc_trasy() const;

  // Templates.
  // Reads the library; a file that cannot be opened logs and leaves no templates; a malformed
  // one logs the file and template number and keeps the templates read whole before it.
  void wczytaj_szablony(const std::string& sciezka);
  void wstaw_szablon(double x, double y);
  bool nastepny_pasujacy(int transport, int przeswit, int rodzaj);
  bool poprzedni_pasujacy(int transport, int przeswit, int rodzaj);
  bool istnieje_pasujacy(int transport, int przeswit, int rodzaj) const;
  // An index outside the library logs and keeps the current template.
  void ustaw_szablon(int nr);
  std::string nazwa_szablonu() const;
  void rysuj_podglad(malarz& m) const;

 protected:
  // With the places along a point's arc and a line's straight part, and of their events.
  ramka_wskazania ramka_punktu(int nr) const override;
  ramka_wskazania ramka_linii(int nr) const override;

 private:
  // The dragged point merged into the drag's target, when they can be; whether it was.
  bool scal_z_celem();
};
