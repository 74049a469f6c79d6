#include "ikony.h"

namespace {

// Drawn in a cell's own pixels (0..64, y down). The plan may show an icon mirrored, so each
// icon is symmetric about its vertical axis or still reads when flipped.
constexpr kolor_rgb BIALY{255, 255, 255};
constexpr kolor_rgb CZARNY{20, 20, 20};
constexpr kolor_rgb SZARY{130, 130, 130};
constexpr kolor_rgb JASNOSZARY{200, 200, 200};
constexpr kolor_rgb CZERWONY{215, 25, 30};
constexpr kolor_rgb ZOLTY{250, 205, 0};
constexpr kolor_rgb ZIELONY{0, 125, 60};
constexpr kolor_rgb NIEBIESKI{30, 90, 200};
constexpr kolor_rgb BRAZOWY{205, 115, 30};

// A stop: the round yellow sign with a green rim and a green "H".
void przystanek(plotno& p) {
  p.kolo(32, 32, 29, ZIELONY);
  p.kolo(32, 32, 24, ZOLTY);
  p.odcinek(23, 20, 23, 44, 7, ZIELONY);
  p.odcinek(41, 20, 41, 44, 7, ZIELONY);
  p.odcinek(23, 32, 41, 32, 6, ZIELONY);
}

// The "V" of speed inside a round sign.
void litera_v(plotno& p, kolor_rgb k) {
  p.odcinek(22, 20, 32, 44, 7, k);
  p.odcinek(42, 20, 32, 44, 7, k);
}

// A speed limit: white disc in a thick red ring.
void ograniczenie(plotno& p) {
  p.kolo(32, 32, 29, CZERWONY);
  p.kolo(32, 32, 22, BIALY);
  litera_v(p, CZARNY);
}

// The end of a limit: the same sign in grey, struck through.
void odwolanie(plotno& p) {
  p.kolo(32, 32, 29, CZARNY);
  p.kolo(32, 32, 26, BIALY);
  litera_v(p, JASNOSZARY);
  p.odcinek(14, 50, 50, 14, 6, CZARNY);
}

// A signal: a head with three lights on a short post.
void sygnalizator(plotno& p) {
  p.odcinek(32, 48, 32, 60, 5, SZARY);
  p.prostokat(19, 3, 45, 51, 7, CZARNY);
  p.kolo(32, 14, 6, CZERWONY);
  p.kolo(32, 27, 6, ZOLTY);
  p.kolo(32, 40, 6, kolor_rgb{40, 200, 80});
}

// A sensor: a box on the rail sending waves upwards.
void czujnik(plotno& p) {
  p.prostokat(5, 50, 59, 57, 1, SZARY);
  p.prostokat(21, 36, 43, 50, 2, NIEBIESKI);
  p.luk_w_gore(32, 36, 8, 12, 0.5, NIEBIESKI);
  p.luk_w_gore(32, 36, 17, 21, 0.5, NIEBIESKI);
  p.luk_w_gore(32, 36, 26, 30, 0.5, NIEBIESKI);
}

// A section insulator: the wire broken by a ribbed insulator.
void izolator(plotno& p) {
  p.odcinek(5, 32, 22, 32, 4, CZARNY);
  p.odcinek(42, 32, 59, 32, 4, CZARNY);
  p.prostokat(18, 28, 46, 36, 2, BRAZOWY);
  for (double x : {23.0, 32.0, 41.0}) p.odcinek(x, 19, x, 45, 6, BRAZOWY);
}

// A rail gap: a pair of rails, both cut, with red marks at the cut.
void przerwa(plotno& p) {
  for (double y : {20.0, 44.0}) {
    p.prostokat(4, y - 4, 26, y + 4, 1, SZARY);
    p.prostokat(38, y - 4, 60, y + 4, 1, SZARY);
  }
  p.odcinek(28, 8, 28, 56, 3, CZERWONY);
  p.odcinek(36, 8, 36, 56, 3, CZERWONY);
}

// Types without a symbol of their own: a plain grey dot in a ring.
void inne(plotno& p) {
  p.pierscien(32, 32, 15, 20, SZARY);
  p.kolo(32, 32, 7, SZARY);
}

}  // namespace

obraz rysuj_atlas_zdarzen() {
  constexpr int bok = BOK_IKONY * IKON_W_RZEDZIE;
  plotno p(bok, bok, BIALY);
  void (*const ikony[])(plotno&) = {przystanek, ograniczenie, odwolanie, sygnalizator, czujnik, izolator, przerwa};
  constexpr int liczba_znanych = sizeof ikony / sizeof ikony[0];
  for (int typ = 0; typ < IKON_W_RZEDZIE * IKON_W_RZEDZIE; ++typ) {
    p.ustaw_poczatek((typ % IKON_W_RZEDZIE) * BOK_IKONY, (typ / IKON_W_RZEDZIE) * BOK_IKONY);
    (typ < liczba_znanych ? ikony[typ] : inne)(p);
  }
  return p.jako_obraz();
}
