#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/w_element.h"
#include "model/w_linia.h"
#include "model/w_punkt.h"
#include "model/siatka.h"

class malarz;
class panel_boczny;
class pisarz_tekstu;
class czytnik_tekstu;
class pisarz_rekordow;
class czytnik_rekordow;

// Colour schemes: "Kolorystyka szara", "zielona", "brązowa", "pstrokata".
inline constexpr int KOLORYSTYKA_SZARA = 0;
inline constexpr int KOLORYSTYKA_ZIELONA = 1;
inline constexpr int KOLORYSTYKA_BRAZOWA = 2;
inline constexpr int KOLORYSTYKA_PSTROKATA = 3;

// What the side panel shows.
inline constexpr int PANEL_NIEUSTAWIONY = -1;
inline constexpr int PANEL_PUSTY = 0;
inline constexpr int PANEL_PUNKT = 1;
inline constexpr int PANEL_LINIA = 2;
inline constexpr int PANEL_ELEMENT = 3;

// Result of framing: the camera centre and zoom, each only when it is to be set.
struct kadr {
  bool ma_srodek = false;
  double x = 0, y = 0;
  bool ma_skale = false;
  double skala = 0;
};

// The container of one network kind: owns points, lines and elements, keeps the cursor and
// selection markers and defines, as virtual operations, what differs between kinds.
// Points are swap-removed (indices are not stable); lines are shift-removed (order kept).
class w_uklad {
 public:
  w_uklad() = default;
  virtual ~w_uklad();
  w_uklad(const w_uklad&) = delete;
  w_uklad& operator=(const w_uklad&) = delete;

  std::uint8_t wstawianie_bloku = 0;
  int kolorystyka = KOLORYSTYKA_SZARA;
  std::vector<w_punkt*> p;    // owned
  std::vector<w_linia*> l;    // owned
  std::vector<w_element*> e;  // owned
  int punkt_kursor = -1;
  int linia_kursor = -1;
  int szab_akt = 0;
  int ostatni_punkt = -1;
  w_punkt* punkt_docelowy = nullptr;
  int panel_tryb = PANEL_NIEUSTAWIONY;
  int panel_nr = 0;
  panel_boczny* panel = nullptr;  // what shows the selection (pokaz_punkt ...); none in headless use

  int pmax() const { return static_cast<int>(p.size()); }
  int lmax() const { return static_cast<int>(l.size()); }
  int emax() const { return static_cast<int>(e.size()); }

  // What each network kind does its own way.
  virtual void pokaz_punkt(int nr);
  virtual void pokaz_linie(int nr);
  virtual void pokaz_element(int nr);
  virtual void pokaz_pusty();
  virtual bool sprawdz_geometrie() const { return true; }
  virtual void znajdz_blad(double& x, double& y) const;
  virtual void dodaj_punkt(double x, double y, double z) = 0;
  virtual w_linia* polacz(w_punkt* a, w_punkt* b) = 0;
  virtual void scal() = 0;
  virtual bool mozna_polaczyc(const w_punkt* a, const w_punkt* b) const = 0;
  virtual void zapisz_txt(pisarz_tekstu& s) const;
  virtual void wczytaj_txt(czytnik_tekstu& s);
  virtual void zapisz(pisarz_rekordow& s) const;
  virtual void wczytaj(czytnik_rekordow& s);
  virtual void ustaw_przelozenie(int v) { (void)v; }
  // A new point of the kind at (x, y, z) with the layout's defaults, not yet appended.
  virtual w_punkt* utworz_punkt(double x, double y, double z) = 0;

  // Containers.
  void dodaj_do_p(w_punkt* punkt);
  void dodaj_do_l(w_linia* linia);
  w_element* nowy_element(double x, double y, double z);
  int indeks_punktu(const w_punkt* punkt) const;
  int indeks_linii(const w_linia* linia) const;
  int indeks_elementu(const w_element* element) const;
  void usun_punkt(w_punkt* punkt);
  void usun_punkt_nr(int nr);
  void usun_linie(w_linia* linia);
  void usun_linie_nr(int nr);
  void usun_puste_elementy();
  void przelicz_wszystko();
  // The result of two przelicz_wszystko in a row; the second pass touches only what the first
  // can have changed.
  void przelicz_wszystko_dwa_razy();
  // What przelicz_wszystko_dwa_razy gives when no point moved since the layout was last
  // recomputed whole, and `okolica` holds every free end of a line from an element, which a
  // recompute snaps again: every other point and line would be given the values it holds, but
  // for the neighbours of these ends, which the second pass takes. These points and the lines
  // at them are recomputed, in the layout's order, then the second pass.
  void przelicz_okolice_dwa_razy(std::span<const std::size_t> okolica);
  // Removes every point, line and element (the track-clearing command and shutdown).
  void wyczysc();
  // The cursor markers name items by index or address: whenever points go away they are
  // forgotten, so a drag in progress cannot merge into what took their place.
  void zapomnij_kursor();
  // The line joining a and b, or none.
  static w_linia* linia_miedzy(const w_punkt* a, const w_punkt* b);

  bool element_zaznaczony(const w_element* element) const;
  // The elements for which element_zaznaczony holds, in element order, found in one pass.
  std::vector<w_element*> elementy_zaznaczone() const;
  // No element lit any more.
  void zgas_podswietlenie();
  int co_pod_kursorem() const;
  void ustaw_kolorystyke(int v) { kolorystyka = v; }
  void rysuj_uklad(malarz& m, bool aktywny) const;
  // The draw flags of point or line nr in rysuj_uklad.
  int flagi_punktu(int nr, bool aktywny) const;
  int flagi_linii(int nr, bool aktywny) const;
  // What rysuj_uklad draws after the points and lines: the segment to the join target.
  void rysuj_cel(malarz& m) const;

  // Selection, as CZY_ZAZNACZONY reports it: how many points, lines and elements are selected,
  // and the first of each (-1: none). Counted again only after a change that can alter it
  // (see zmiany_zaznaczenia.h), so a hover, which changes no selection, looks at no item.
  struct podsumowanie_zaznaczenia {
    int punkty = 0, linie = 0, elementy = 0;
    int punkt = -1, linia = -1, element = -1;
  };
  const podsumowanie_zaznaczenia& zaznaczenie() const;
  int ile_zaznaczonych_punktow() const { return zaznaczenie().punkty; }
  int ile_zaznaczonych_linii() const { return zaznaczenie().linie; }
  void odznacz_wszystko();
  void zaznacz_wszystko();
  void odwroc_zaznaczenie();

  // The two value boxes of the side panel, driven by panel_tryb and panel_nr.
  double panel_wartosc_1() const;
  double panel_wartosc_2() const;
  void panel_ustaw_1(double v);
  void panel_ustaw_2(double v);

  // Editing operations of the plan view and menus.
  void wskaz(double x, double y, double r, bool klik, bool zachowaj_zaznaczenie);
  void zaznacz_prostokat(double x1, double y1, double x2, double y2, bool dodaj);
  void przesun_zaznaczone(double dx, double dy, double r);
  void obroc_zaznaczone(double cx, double cy, double kat);
  void usun_zaznaczone();
  void odbij_elementy();
  void obroc_elementy_180();
  void ustaw_rownolegle();
  kadr pokaz_wszystko() const;
  kadr pokaz_zaznaczone() const;

  // Destroys the lines already detached from their points and closes the gaps in one pass,
  // keeping the order of the others.
  void usun_odlaczone_linie();

  // The grid of points and lines that the picks look through instead of every item. Kept
  // once turned on (the editor's document turns it on and tells it of every change): after
  // a change, przefiluj with what changed, or indeks_nieaktualny to build it whole at the
  // next pick. A layout whose numbers of items or first and last items differ from the
  // grid's is built whole too.
  void wlacz_indeks();
  void indeks_nieaktualny() { indeks_aktualny_ = false; }
  // These items changed: they, the neighbours of the points among them and the lines at any
  // of these are filed again (a point's arc follows its neighbours).
  void przefiluj(std::span<const std::size_t> punkty, std::span<const std::size_t> linie,
                 std::span<const std::size_t> elementy);
  // The points and lines a pick within r of (x, y) may find, ascending; false when every
  // item is to be looked at (no grid, or a square as large as the plan).
  bool punkty_w_poblizu(double x, double y, double r, std::vector<std::uint32_t>& wynik) const;
  bool linie_w_poblizu(double x, double y, double r, std::vector<std::uint32_t>& wynik) const;
  std::size_t pamiec_indeksu() const { return siatka_punktow_.pamiec() + siatka_linii_.pamiec(); }

 protected:
  // Everything of the point or line that a pick can find: the point itself, the line's ends.
  virtual ramka_wskazania ramka_punktu(int nr) const;
  virtual ramka_wskazania ramka_linii(int nr) const;

 private:
  bool indeks_gotowy() const;
  bool zaznaczenie_aktualne() const;
  void podswietl(w_element* element);
  // Runs zmiana, which writes highlight flags only, keeping what was current current.
  template <class Zmiana>
  void zmien_podswietlenie(Zmiana zmiana);

  mutable podsumowanie_zaznaczenia zaznaczenie_;
  mutable std::uint64_t pokolenie_zaznaczenia_ = 0;  // when zaznaczenie_ was counted; 0: never
  // The arrays it was counted on: the same count of changes on arrays swapped or grown is
  // another layout.
  mutable const void* zaznaczenie_na_[3] = {};
  mutable std::size_t zaznaczenie_rozmiary_[3] = {};
  // While pokolenie_zapalonego_ is the count of now, zapalony_ is the only lit element.
  w_element* zapalony_ = nullptr;
  std::uint64_t pokolenie_zapalonego_ = 0;

  bool indeks_wlaczony_ = false;
  mutable bool indeks_aktualny_ = false;
  mutable siatka siatka_punktow_, siatka_linii_;
  // The items the grid was built on, to tell another layout of the same size.
  mutable const void* zbudowany_na_[4] = {};
};
