#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Raw little-endian records: 4-byte integers, 8-byte doubles, 1-byte flags, no tags.
// The gzip layer (gz_plik.h) moves whole decompressed contents in and out of these.

class pisarz_rekordow {
 public:
  void int32(std::int32_t v);
  void f64(double v);
  void f32(float v);
  void u8(std::uint8_t v);
  void bajty(const void* dane, std::size_t n);

  const std::vector<std::uint8_t>& dane() const { return bufor; }
  std::vector<std::uint8_t>& dane() { return bufor; }

 private:
  std::vector<std::uint8_t> bufor;
};

// Reads records from a buffer it does not own. Any read past the end throws blad_pliku
// naming the offset, so a truncated file is refused rather than read into half-filled objects.
class czytnik_rekordow {
 public:
  czytnik_rekordow(const std::uint8_t* dane, std::size_t rozmiar) : dane_(dane), rozmiar_(rozmiar) {}
  explicit czytnik_rekordow(const std::vector<std::uint8_t>& dane) : czytnik_rekordow(dane.data(), dane.size()) {}

  std::int32_t int32() { return czytaj<std::int32_t>(); }
  double f64() { return czytaj<double>(); }
  float f32() { return czytaj<float>(); }
  std::uint8_t u8() { return czytaj<std::uint8_t>(); }
  void pomin(std::size_t n);

  std::size_t pozycja() const { return pozycja_; }
  std::size_t pozostalo() const { return rozmiar_ - pozycja_; }

  // A count read from the file, checked against what the rest of the file can hold:
  // each item takes at least `min_rozmiar` bytes. Negative counts read as zero.
  std::int32_t licznik(std::size_t min_rozmiar, const char* co);
  // The same check of a count already read (`pozycja_licznika` is where it stood).
  std::int32_t sprawdz_licznik(std::int32_t n, std::size_t min_rozmiar, const char* co,
                               std::size_t pozycja_licznika) const;

 private:
  // Inline: a large project is hundreds of thousands of small reads.
  template <class T>
  T czytaj() {
    if (rozmiar_ - pozycja_ < sizeof(T)) [[unlikely]]
      za_malo(sizeof(T));
    T v;
    std::memcpy(&v, dane_ + pozycja_, sizeof(T));
    pozycja_ += sizeof(T);
    return v;
  }
  [[noreturn]] void za_malo(std::size_t n) const;
  const std::uint8_t* dane_;
  std::size_t rozmiar_;
  std::size_t pozycja_ = 0;
};
