#pragma once

class malarz;
class dokument;
class w_uklad;
struct widok;
struct stan_edytora;

// The layers under the plan that the pictures and the orthophoto tiles draw. By default
// there are none.
class warstwy_obrazow {
 public:
  virtual ~warstwy_obrazow() = default;
  // The orthophoto tiles over the visible rectangle, when they are shown.
  virtual void satki(malarz& m, const widok& w);
  // The pictures and maps.
  virtual void zdjecia(malarz& m, const widok& w);
  // The pictures' frames and handles, in picture mode.
  virtual void ramki_zdjec(malarz& m, const widok& w);
  // Blinking hides the pictures now: the frames of the two phases differ only in them.
  virtual bool ukryte_przez_miganie() const;
};

// How the frame draws a layout, active (the one being edited) or not.
class rysownik_ukladow {
 public:
  virtual ~rysownik_ukladow() = default;
  virtual void rysuj(const w_uklad& u, bool aktywny) = 0;
};

// Every item, in order, straight through the painter.
class rysownik_wprost : public rysownik_ukladow {
 public:
  explicit rysownik_wprost(malarz& m) : m_(m) {}
  void rysuj(const w_uklad& u, bool aktywny) override;

 private:
  malarz& m_;
};

// One frame of the plan view, back to front: the camera; while a template is chosen its preview
// alone, otherwise tiles, pictures, the grid, picture frames in picture mode, the track layout
// and the catenary; then the selection box, the make-parallel mark and the rotation cross.
// "Wyrównywanie" truncates the pan first, so the frame shows the pan it leaves. `uklady` draws
// through the same painter as `m`.
void rysuj_klatke(malarz& m, const dokument& dok, stan_edytora& edytor, warstwy_obrazow& obrazy,
                  rysownik_ukladow& uklady);
