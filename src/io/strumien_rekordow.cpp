#include "io/strumien_rekordow.h"

#include <bit>
#include <cstring>

#include "io/blad_pliku.h"

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");

void pisarz_rekordow::bajty(const void* dane, std::size_t n) {
  const auto* b = static_cast<const std::uint8_t*>(dane);
  bufor.insert(bufor.end(), b, b + n);
}
void pisarz_rekordow::int32(std::int32_t v) { bajty(&v, 4); }
void pisarz_rekordow::f64(double v) { bajty(&v, 8); }
void pisarz_rekordow::f32(float v) { bajty(&v, 4); }
void pisarz_rekordow::u8(std::uint8_t v) { bufor.push_back(v); }

void czytnik_rekordow::za_malo(std::size_t n) const {
  throw blad_pliku("dane urywają się: potrzeba " + std::to_string(n) + " B od bajtu " +
                   std::to_string(pozycja_) + ", a jest ich " + std::to_string(rozmiar_));
}

void czytnik_rekordow::pomin(std::size_t n) {
  if (rozmiar_ - pozycja_ < n) za_malo(n);
  pozycja_ += n;
}

std::int32_t czytnik_rekordow::licznik(std::size_t min_rozmiar, const char* co) {
  const std::size_t przed = pozycja_;
  return sprawdz_licznik(int32(), min_rozmiar, co, przed);
}

std::int32_t czytnik_rekordow::sprawdz_licznik(std::int32_t n, std::size_t min_rozmiar, const char* co,
                                               std::size_t pozycja_licznika) const {
  if (n < 0) return 0;
  if (min_rozmiar > 0 && static_cast<std::size_t>(n) > pozostalo() / min_rozmiar)
    throw blad_pliku(std::string("liczba ") + co + " (" + std::to_string(n) + ", bajt " +
                     std::to_string(pozycja_licznika) + ") przekracza to, co mieści reszta pliku");
  return n;
}
