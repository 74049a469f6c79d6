#include "stary_projekt.h"

#include "io/strumien_rekordow.h"

namespace {

// Old events: type, argument, position, flags; 13 bytes.
void stare_zdarzenia(pisarz_rekordow& s, std::int32_t ile) {
  s.int32(ile);
  for (std::int32_t i = 0; i < ile; ++i) {
    s.int32(0);
    s.int32(i + 1);
    s.f32(0.5f);
    s.u8(1);
  }
}

}  // namespace

std::vector<std::uint8_t> zapisz_stary_projekt(const stary_projekt& projekt) {
  pisarz_rekordow s;
  s.int32(static_cast<std::int32_t>(projekt.punkty_sieci.size()));
  for (const stary_punkt_sieci& p : projekt.punkty_sieci) {
    s.f32(p.x);
    s.f32(p.y);
    s.f32(p.z);
    s.int32(0);
    s.int32(0);
  }
  s.int32(static_cast<std::int32_t>(projekt.linie_sieci.size()));
  for (const stara_linia_sieci& l : projekt.linie_sieci) {
    s.int32(l.a);
    s.int32(l.b);
    s.int32(l.typ);
    s.int32(0);
    s.int32(0);
  }

  if (projekt.wersja != 0) {
    s.int32(0);
    s.int32(projekt.wersja);
  }
  s.int32(static_cast<std::int32_t>(projekt.punkty_toru.size()));
  for (const stary_punkt_toru& p : projekt.punkty_toru) {
    s.f32(p.x);
    s.f32(p.y);
    s.f32(p.z);
    if (projekt.wersja != 0) s.f32(p.wysokosc2);
    s.f32(p.promien);
    s.int32(p.przeswit);
    s.int32(p.parametr1_mm);
    if (projekt.wersja != 0) s.int32(p.parametr2_mm);
    s.int32(p.obiekt);
    stare_zdarzenia(s, p.zdarzenia);
    s.int32(-1);  // element reference
  }
  s.int32(static_cast<std::int32_t>(projekt.linie_toru.size()));
  for (const stara_linia_toru& l : projekt.linie_toru) {
    s.int32(l.a);
    s.int32(l.b);
    s.int32(l.przeswit);
    stare_zdarzenia(s, l.zdarzenia);
    s.int32(l.obiekt);
    s.int32(0);
  }
  return s.dane();
}

stary_projekt przykladowy_stary_projekt() {
  stary_projekt p;
  // Masts every 40 m or so, 5.5 m above the rail; chain wire on the straights, flat on curves.
  p.punkty_sieci = {{0, 0, 5.5f},   {0, 40, 5.5f},    {0, 80, 5.5f},     {30, 115, 5.5f},
                    {60, 140, 5.5f}, {110, 148, 5.5f}, {160, 150, 5.5f}};
  p.linie_sieci = {{0, 1, 1}, {1, 2, 1}, {2, 3, 0}, {3, 4, 0}, {4, 5, 0}, {5, 6, 1}};
  // Metre gauge; parameter 1 holds the gauge in millimetres, parameter 2 the cant.
  p.punkty_toru = {{0, 0, 0, 0, 50, 1, 1000, 0, 0, 0},
                   {0, 80, 0.25f, 0.25f, 50, 1, 1000, 15, 0, 1},
                   {60, 140, 0.5f, 0.5f, 100, 1, 1000, 10, 0, 2},
                   {160, 150, 0.5f, 0.5f, 50, 1, 1000, 0, 1, 0}};
  p.linie_toru = {{0, 1, 1, 0, 1}, {1, 2, 1, 0, 0}, {2, 3, 1, 1, 0}};
  // Along the bottom of the loop on the bundled map.
  for (auto& q : p.punkty_sieci) q.x += 400, q.y += 200;
  for (auto& q : p.punkty_toru) q.x += 400, q.y += 200;
  return p;
}
