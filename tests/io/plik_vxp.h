#pragma once

#include <cstdint>

#include "io/strumien_rekordow.h"

// Records of a version 0.945b project, for building test files field by field.

inline void punkt_sieci_vxp(pisarz_rekordow& s, float x, float y, float z) {
  s.f32(x);
  s.f32(y);
  s.f32(z);
  s.int32(77);  // two integers the import skips
  s.int32(-88);
}

inline void przeslo_vxp(pisarz_rekordow& s, std::int32_t a, std::int32_t b, std::int32_t typ) {
  s.int32(a);
  s.int32(b);
  s.int32(typ);
  s.int32(5);
  s.int32(6);
}

struct punkt_toru_vxp {
  float x = 0, y = 0, z = 0;
  float wysokosc2 = 0;  // written only in a versioned section
  float promien = 50;
  std::int32_t przeswit = 0;
  std::int32_t parametr1_mm = 0;
  std::int32_t parametr2_mm = 0;  // written only in a versioned section
  std::int32_t obiekt = 0;
  std::int32_t zdarzen = 0;
};

inline void stare_zdarzenia_vxp(pisarz_rekordow& s, std::int32_t n) {
  s.int32(n);
  for (std::int32_t i = 0; i < n; ++i) {
    s.int32(3);
    s.int32(i);
    s.f32(0.5f);
    s.u8(1);
  }
}

inline void punkt_toru_vxp_zapisz(pisarz_rekordow& s, const punkt_toru_vxp& p, bool z_wersja) {
  s.f32(p.x);
  s.f32(p.y);
  s.f32(p.z);
  if (z_wersja) s.f32(p.wysokosc2);
  s.f32(p.promien);
  s.int32(p.przeswit);
  s.int32(p.parametr1_mm);
  if (z_wersja) s.int32(p.parametr2_mm);
  s.int32(p.obiekt);
  stare_zdarzenia_vxp(s, p.zdarzen);
  s.int32(3);  // element reference, skipped
}

inline void linia_toru_vxp(pisarz_rekordow& s, std::int32_t a, std::int32_t b, std::int32_t przeswit,
                           std::int32_t obiekt, std::int32_t zdarzen = 0) {
  s.int32(a);
  s.int32(b);
  s.int32(przeswit);
  stare_zdarzenia_vxp(s, zdarzen);
  s.int32(obiekt);
  s.int32(-1);
}
