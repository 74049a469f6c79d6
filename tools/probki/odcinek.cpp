#include "odcinek.h"

tor_punkt* odcinek::punkt(wektor w, double promien, double z) {
  tor_.punkt_kursor = tor_.linia_kursor = -1;
  tor_.ustaw_promien_domyslny(promien);
  tor_.dodaj_punkt(w.x, w.y, z);
  ostatni_ = tor_.punkt(tor_.ostatni_punkt);
  return ostatni_;
}

zdarzenie zdarzenie_toru(typ_zdarzenia typ, double pozycja, std::int32_t argument, std::uint8_t kierunek) {
  zdarzenie z;
  z.typ = typ;
  z.pozycja = pozycja;
  z.argument = argument;
  z.kierunek = kierunek;
  return z;
}
