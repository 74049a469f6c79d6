#pragma once

#include <cstdint>
#include <memory>

#include "track/geometria.h"

class malarz;
class pisarz_rekordow;
class czytnik_rekordow;

// Event types.
enum typ_zdarzenia : std::int32_t {
  ZD_PRZYSTANEK = 0,
  ZD_OGRANICZENIE = 1,
  ZD_ODWOLANIE_OGRANICZENIA = 2,
  ZD_SYGNALIZATOR = 3,
  ZD_CZUJNIK = 4,
  ZD_IZOLATOR = 5,
  ZD_PRZERWA = 6,
};

// Direction flags: bits 0-1 the direction of action, bit 2 act after the last bogie.
inline constexpr std::uint8_t KIERUNEK_PRAWO = 1;
inline constexpr std::uint8_t KIERUNEK_LEWO = 2;
inline constexpr std::uint8_t PO_OSTATNIM_WOZKU = 4;

inline constexpr int ROZMIAR_REKORDU_ZDARZENIA = 29;

// Name of an event type ("Przystanek", ...); unknown types give "".
const char* nazwa_zdarzenia(std::int32_t typ);

struct zdarzenie {
  std::int32_t typ = 0;
  std::int32_t typ_b = 0;
  std::uint8_t kierunek = 1;
  double pozycja = 0;  // fraction 0-1 of the arc or of the straight part
  std::int32_t argument = 0;
  double rezerwa = 0;
  // A sensor's pointer to what it acts on, in the event frame; nothing sets it yet.
  double czujnik_x = 0;
  double czujnik_y = 0;

  void zapisz(pisarz_rekordow& s) const;  // 29 bytes
  void wczytaj(czytnik_rekordow& s);
};

struct wezel_zdarzenia {
  zdarzenie dane;
  std::unique_ptr<wezel_zdarzenia> nastepny;
};

// The singly linked event list owned by a point or a line.
class lista_zdarzen {
 public:
  lista_zdarzen() = default;
  lista_zdarzen(lista_zdarzen&&) noexcept = default;
  lista_zdarzen& operator=(lista_zdarzen&&) noexcept = default;
  ~lista_zdarzen();

  const wezel_zdarzenia* pierwszy() const { return glowa.get(); }
  wezel_zdarzenia* pierwszy() { return glowa.get(); }
  int ile() const;
  bool pusta() const { return !glowa; }
  void dodaj(const zdarzenie& z);  // at the end
  // The event at place `nr` of the list, none past its end.
  zdarzenie* nr(int nr);
  const zdarzenie* nr(int nr) const;
  // Removes the event at place `nr`; the others keep their order.
  void usun(int nr);
  void wyczysc();

  // Count as int32, then the records in list order.
  void zapisz(pisarz_rekordow& s) const;
  // Appends the records; a count <= 0 adds nothing.
  void wczytaj(czytnik_rekordow& s);

 private:
  std::unique_ptr<wezel_zdarzenia> glowa;
};

// Where an event's symbol is drawn: the origin of its frame and the frame's turn in degrees.
struct ramka_symbolu {
  wektor miejsce;
  double obrot = 0;
};

// Event symbol in its local frame (origin at the event's place); the caller has set colour
// (0.6, 0.6, 0.6) and point size 10.
void rysuj_symbol_zdarzenia(malarz& m, const zdarzenie& z, unsigned tekstura);
