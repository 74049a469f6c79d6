#include "obrazy_okolicy.h"

#include <cstdint>

#include "plotno.h"

namespace {

// Side streets of the made-up town (plan metres).
constexpr double ULICE_X[] = {50, 170, 305, 460, 590, 730, 850};
constexpr double ULICE_Y[] = {50, 160, 270, 390, 530};

// A fixed sequence of numbers, so that the pictures are the same on every run.
class losowe {
 public:
  double nastepna() {
    stan_ = stan_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<double>(stan_ >> 11) / static_cast<double>(1ull << 53);
  }
  double z(double od, double do_) { return od + (do_ - od) * nastepna(); }

 private:
  std::uint64_t stan_ = 20081412;
};

// Draws in plan metres on a surface whose y grows downwards.
class rysownik {
 public:
  explicit rysownik(const obszar_planu& o, kolor_rgb tlo)
      : o_(o),
        p_(static_cast<int>((o.x1 - o.x0) * o.piksele_na_metr + 0.5),
           static_cast<int>((o.y1 - o.y0) * o.piksele_na_metr + 0.5), tlo) {}
  double px(double x) const { return (x - o_.x0) * o_.piksele_na_metr; }
  double py(double y) const { return (o_.y1 - y) * o_.piksele_na_metr; }
  double m(double metry) const { return metry * o_.piksele_na_metr; }

  void odcinek(double x1, double y1, double x2, double y2, double szerokosc, kolor_rgb k) {
    p_.odcinek(px(x1), py(y1), px(x2), py(y2), m(szerokosc), k);
  }
  void prostokat(double x1, double y1, double x2, double y2, double zaokraglenie, kolor_rgb k) {
    p_.prostokat(px(x1), py(y2), px(x2), py(y1), m(zaokraglenie), k);
  }
  void kolo(double x, double y, double r, kolor_rgb k) { p_.kolo(px(x), py(y), m(r), k); }
  void ulice(double szerokosc, kolor_rgb k) {
    for (double x : ULICE_X) odcinek(x, o_.y0 - 20, x, o_.y1 + 20, szerokosc, k);
    for (double y : ULICE_Y) odcinek(o_.x0 - 20, y, o_.x1 + 20, y, szerokosc, k);
  }
  void wzdluz_toru(const std::vector<odcinek_planu>& tor, double szerokosc, kolor_rgb k) {
    for (const odcinek_planu& s : tor) odcinek(s.x1, s.y1, s.x2, s.y2, szerokosc, k);
  }
  obraz wynik() const { return p_.jako_obraz(); }

 private:
  obszar_planu o_;
  plotno p_;
};

}  // namespace

obraz rysuj_ortofotomape(const std::vector<odcinek_planu>& tor, const obszar_planu& o) {
  rysownik r(o, {104, 124, 82});
  losowe l;
  // Grass and bare ground in 10 m patches.
  for (double x = o.x0; x < o.x1; x += 10)
    for (double y = o.y0; y < o.y1; y += 10) {
      const double v = l.z(-14, 14);
      r.prostokat(x, y, x + 10, y + 10, 0,
                  {static_cast<std::uint8_t>(104 + v), static_cast<std::uint8_t>(124 + v * 0.8),
                   static_cast<std::uint8_t>(82 + v * 0.5)});
    }
  // Trees, then houses with their shadows to the south-east.
  for (int i = 0; i < 900; ++i) r.kolo(l.z(o.x0, o.x1), l.z(o.y0, o.y1), l.z(2.5, 5), {48, 84, 40});
  const kolor_rgb dachy[] = {{150, 72, 56}, {122, 62, 50}, {168, 164, 158}, {108, 108, 114}, {176, 96, 62}};
  for (int i = 0; i < 420; ++i) {
    const double x = l.z(o.x0, o.x1), y = l.z(o.y0, o.y1), w = l.z(10, 28), h = l.z(8, 22);
    r.prostokat(x + 1.5, y - 1.5, x + w + 1.5, y + h - 1.5, 0, {52, 56, 48});
    r.prostokat(x, y, x + w, y + h, 0.5, dachy[static_cast<int>(l.z(0, 4.999))]);
  }
  // Side streets, then the streets of the tram with their rails.
  r.ulice(12, {150, 148, 140});
  r.ulice(8, {84, 84, 88});
  r.wzdluz_toru(tor, 20, {150, 148, 140});
  r.wzdluz_toru(tor, 15, {80, 80, 84});
  r.wzdluz_toru(tor, 0.3, {40, 36, 34});
  return r.wynik();
}

obraz rysuj_plan_miasta(const std::vector<odcinek_planu>& tor, const obszar_planu& o) {
  rysownik r(o, {238, 230, 206});
  r.ulice(11, {150, 140, 120});
  r.ulice(8, {255, 255, 255});
  r.wzdluz_toru(tor, 13, {150, 140, 120});
  r.wzdluz_toru(tor, 10, {255, 255, 255});
  r.wzdluz_toru(tor, 3, {200, 30, 30});
  return r.wynik();
}

obraz wytnij(const obraz& o, int x, int y, int bok) {
  obraz w;
  w.szerokosc = w.wysokosc = bok;
  w.glebia = 24;
  w.piksele.reserve(static_cast<std::size_t>(bok) * bok * 3);
  for (int r = 0; r < bok; ++r) {
    const std::uint8_t* wiersz = o.piksele.data() + (static_cast<std::size_t>(y + r) * o.szerokosc + x) * 3;
    w.piksele.insert(w.piksele.end(), wiersz, wiersz + static_cast<std::size_t>(bok) * 3);
  }
  return w;
}
