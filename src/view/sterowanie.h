#pragma once

#include <functional>
#include <optional>

#include "view/mysz_zdarzen.h"

class dokument;
struct stan_edytora;

// What picture mode needs of the pictures under the plan; the pictures fill it in.
class zdjecia_pod_mysza {
 public:
  virtual ~zdjecia_pod_mysza() = default;
  // A left press at a plan point: grabs a picture's body, an edge or a corner, or nothing.
  virtual void chwyc(double x, double y) = 0;
  virtual bool chwycone() const = 0;
  virtual bool zablokowane() const = 0;
  virtual void przesun(double dx, double dy) = 0;
  virtual void obroc(double dx) = 0;
  // The button that dragged or turned is up: whatever it changed is one finished edit.
  virtual void pusc() = 0;
};

enum class przycisk_myszy { lewy, prawy, srodkowy };

// One mouse event over the plan view: the widget pixel, the buttons held after the event and
// Shift, all read from the event itself.
struct zdarzenie_myszy {
  double px = 0, py = 0;
  bool lewy = false, prawy = false, srodkowy = false;
  bool shift = false;
};

// The mouse half of the plan's editing: the cursor mapping, the hover pick, the buttons, the
// drags and the wheel, on the track layout or on the pictures. Each call says whether the
// plan must be drawn again.
class sterowanie {
 public:
  sterowanie(dokument& dok, stan_edytora& stan) : dok_(dok), stan_(stan), zdarzenia_(dok, stan) {}

  void ustaw_zdjecia(zdjecia_pod_mysza* zdjecia) { zdjecia_ = zdjecia; }
  // What the buttons do in events mode.
  mysz_zdarzen& zdarzenia() { return zdarzenia_; }
  // Called with the two value boxes' new values after a drag or rotation step.
  std::function<void(double, double)> wpisz_wartosci;

  bool ruch(const zdarzenie_myszy& z);
  bool nacisniecie(przycisk_myszy p, const zdarzenie_myszy& z);
  bool zwolnienie(przycisk_myszy p, const zdarzenie_myszy& z);
  // Wheel notches: positive away from the user.
  bool kolko(int zabki, const zdarzenie_myszy& z);

  // After a command, a key or a panel action: the pick and the panel decision again at the
  // last cursor position, the panel rewritten even if the selection kept its index. After an
  // edit a drag in progress ends without merging, since what it held may be gone; a change of
  // the camera or of what is shown leaves it going.
  void po_poleceniu(bool po_edycji = true);

 private:
  void aktualizuj_kursor(const zdarzenie_myszy& z);
  // The hover pick; whether what is drawn as hovered changed.
  bool wskaz_pod_kursorem();
  bool przeciaganie_lewym(bool& edycja);
  // A step of a drag or turn of the selection, before the release makes it an edit.
  void zglos_krok_ruchu(tor_uklad& u) const;
  bool puszczenie_lewego();
  double promien_wskazania() const;
  bool tryb_sieci() const;
  bool tryb_zdarzen() const;
  // The buttons in events mode.
  bool nacisniecie_zdarzen(przycisk_myszy p);

  dokument& dok_;
  stan_edytora& stan_;
  zdjecia_pod_mysza* zdjecia_ = nullptr;
  mysz_zdarzen zdarzenia_;
  bool przesunieto_ = false;        // the left drag moved the selection
  bool obrocono_ = false;           // the right drag turned the selection
  // What the drag or the turn of the selection can change, taken at its press in track mode.
  std::optional<zakres_zmiany> zakres_ruchu_;
  bool przeciaganie_przerwane_ = false;
};
