#include "analiza/rysunek_profilu.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/liczby.h"
#include "track/zdarzenie.h"

namespace {

constexpr double MARGINES_LEWY = 64;
constexpr double MARGINES_PRAWY = 24;
constexpr double MARGINES_GORNY = 36;
constexpr double MARGINES_DOLNY = 40;
constexpr int NAJWIECEJ_PODZIALEK = 20;

constexpr kolor_rgb OSIE{90, 90, 90};
constexpr kolor_rgb SIATKA{215, 215, 215};
constexpr kolor_rgb TOR{20, 60, 160};
constexpr kolor_rgb NACHYLENIE{0, 110, 0};
constexpr kolor_rgb OSTRZEZENIE{210, 0, 0};

// A step of 1, 2 or 5 times a power of ten giving about `ile` intervals over `zakres`.
double krok_podzialki(double zakres, int ile) {
  const double surowy = zakres / ile;
  const double potega = std::pow(10.0, std::floor(std::log10(surowy)));
  for (double m : {1.0, 2.0, 5.0})
    if (surowy <= m * potega) return m * potega;
  return 10 * potega;
}

int miejsca_dla(double krok) { return krok >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(krok))); }

// A value that rounds to zero is written as 0, never as "-0.0".
std::string liczba(double v, int miejsca) {
  return liczba_na_tekst(std::fabs(v) < 0.5 * std::pow(10.0, -miejsca) ? 0.0 : v, miejsca);
}

std::string xml(const std::string& t) {
  std::string w;
  for (char c : t) {
    if (c == '<') w += "&lt;";
    else if (c == '>') w += "&gt;";
    else if (c == '&') w += "&amp;";
    else w += c;
  }
  return w;
}

std::string rgb(kolor_rgb k) {
  return "rgb(" + std::to_string(k.r) + "," + std::to_string(k.g) + "," + std::to_string(k.b) + ")";
}

}  // namespace

double rysunek_profilu::x_z_drogi(double s) const { return lewy + (prawy - lewy) * s / s_max; }
double rysunek_profilu::y_z_wysokosci(double h) const { return dolny - (dolny - gorny) * (h - h_min) / (h_max - h_min); }
double rysunek_profilu::droga_z_x(double x) const { return std::clamp((x - lewy) / (prawy - lewy), 0.0, 1.0) * s_max; }

rysunek_profilu narysuj_profil(const profil_trasy& profil, double szerokosc, double wysokosc, double nachylenie_max) {
  rysunek_profilu r;
  r.szerokosc = szerokosc;
  r.wysokosc = wysokosc;
  r.lewy = MARGINES_LEWY;
  r.prawy = std::max(r.lewy + 1, szerokosc - MARGINES_PRAWY);
  r.gorny = MARGINES_GORNY;
  r.dolny = std::max(r.gorny + 1, wysokosc - MARGINES_DOLNY);
  r.s_max = std::max(profil.dlugosc(), 1.0);
  double h_min = 0, h_max = 0;
  for (std::size_t i = 0; i < profil.odcinki.size(); ++i) {
    const odcinek_profilu& o = profil.odcinki[i];
    if (i == 0) h_min = h_max = o.h0;
    h_min = std::min({h_min, o.h0, o.h1});
    h_max = std::max({h_max, o.h0, o.h1});
  }
  const double zapas = std::max(1.0, (h_max - h_min) * 0.15);
  r.h_min = h_min - zapas;
  r.h_max = h_max + zapas;

  // Grid and scales.
  const double krok_s = krok_podzialki(r.s_max, 8);
  for (int i = 0; i <= NAJWIECEJ_PODZIALEK && i * krok_s <= r.s_max + 1e-9; ++i) {
    const double s = i * krok_s;
    const double x = r.x_z_drogi(s);
    r.kreski.push_back({x, r.gorny, x, r.dolny, SIATKA});
    r.napisy.push_back({x, r.dolny + 16, liczba_na_tekst(s, miejsca_dla(krok_s)), OSIE, napis::srodek});
  }
  const double krok_h = krok_podzialki(r.h_max - r.h_min, 5);
  const double h0 = std::ceil(r.h_min / krok_h) * krok_h;
  // Far from 0 a step can be lost in rounding: the count of marks is bounded too.
  for (int i = 0; i <= NAJWIECEJ_PODZIALEK && h0 + i * krok_h <= r.h_max + 1e-9; ++i) {
    const double h = h0 + i * krok_h;
    const double y = r.y_z_wysokosci(h);
    r.kreski.push_back({r.lewy, y, r.prawy, y, SIATKA});
    r.napisy.push_back({r.lewy - 6, y + 4, liczba_na_tekst(h, miejsca_dla(krok_h)), OSIE, napis::do_prawej});
  }
  r.kreski.push_back({r.lewy, r.dolny, r.prawy, r.dolny, OSIE});
  r.kreski.push_back({r.lewy, r.gorny, r.lewy, r.dolny, OSIE});
  r.napisy.push_back({r.prawy, r.dolny + 32, "odległość [m]", OSIE, napis::do_prawej});
  r.napisy.push_back({r.lewy - 6, r.gorny - 12, "wysokość [m]", OSIE, napis::do_lewej});

  // The track, and each straight's gradient written over its middle.
  for (const odcinek_profilu& o : profil.odcinki) {
    const double x0 = r.x_z_drogi(o.s0), x1 = r.x_z_drogi(o.s1);
    const double y0 = r.y_z_wysokosci(o.h0), y1 = r.y_z_wysokosci(o.h1);
    r.kreski.push_back({x0, y0, x1, y1, TOR, 2});
    if (o.luk) continue;
    const bool stromo = std::fabs(o.nachylenie) > nachylenie_max;
    r.kreski.push_back({x0, y0 - 4, x0, y0 + 4, OSIE});
    r.napisy.push_back({(x0 + x1) / 2, std::min(y0, y1) - 8, liczba(o.nachylenie, 1) + " ‰",
                        stromo ? OSTRZEZENIE : NACHYLENIE, napis::srodek});
  }
  for (const znak_profilu& z : profil.znaki) r.symbole.push_back({r.x_z_drogi(z.s), r.y_z_wysokosci(z.h), z.typ});
  return r;
}

std::string profil_svg(const rysunek_profilu& r) {
  std::ostringstream s;
  s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << r.szerokosc << "\" height=\"" << r.wysokosc
    << "\" viewBox=\"0 0 " << r.szerokosc << ' ' << r.wysokosc << "\" font-family=\"sans-serif\" font-size=\"11\">\n"
    << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
  for (const kreska& k : r.kreski)
    s << "<line x1=\"" << k.x1 << "\" y1=\"" << k.y1 << "\" x2=\"" << k.x2 << "\" y2=\"" << k.y2 << "\" stroke=\""
      << rgb(k.kolor) << "\" stroke-width=\"" << k.grubosc << "\"/>\n";
  for (const napis& n : r.napisy) {
    const char* kotwica = n.wyrownanie == napis::srodek ? "middle" : n.wyrownanie == napis::do_prawej ? "end" : "start";
    s << "<text x=\"" << n.x << "\" y=\"" << n.y << "\" fill=\"" << rgb(n.kolor) << "\" text-anchor=\"" << kotwica
      << "\">" << xml(n.tekst) << "</text>\n";
  }
  for (const symbol_zdarzenia& z : r.symbole) {
    const std::string nazwa = nazwa_zdarzenia(z.typ);
    s << "<g class=\"zdarzenie\"><title>" << xml(nazwa) << "</title><line x1=\"" << z.x << "\" y1=\"" << z.y
      << "\" x2=\"" << z.x << "\" y2=\"" << z.y - 14 << "\" stroke=\"rgb(90,90,90)\"/><rect x=\"" << z.x - 7
      << "\" y=\"" << z.y - 28 << "\" width=\"14\" height=\"14\" fill=\"white\" stroke=\"rgb(90,90,90)\"/><text x=\""
      << z.x << "\" y=\"" << z.y - 17 << "\" text-anchor=\"middle\">" << xml(nazwa.substr(0, 1)) << "</text></g>\n";
  }
  s << "</svg>\n";
  return s.str();
}

std::string profil_csv(const profil_trasy& profil) {
  std::ostringstream s;
  s << "rodzaj;nr;od_m;do_m;wysokosc_od_m;wysokosc_do_m;nachylenie_promile\n";
  for (const odcinek_profilu& o : profil.odcinki)
    s << (o.luk ? "łuk" : "prosta") << ';' << o.nr << ';' << liczba_na_tekst(o.s0, 3) << ';'
      << liczba_na_tekst(o.s1, 3) << ';' << liczba_na_tekst(o.h0, 3) << ';' << liczba_na_tekst(o.h1, 3) << ';'
      << liczba(o.nachylenie, 2) << '\n';
  for (const znak_profilu& z : profil.znaki)
    s << nazwa_zdarzenia(z.typ) << ";;" << liczba_na_tekst(z.s, 3) << ';' << liczba_na_tekst(z.s, 3) << ';'
      << liczba_na_tekst(z.h, 3) << ';' << liczba_na_tekst(z.h, 3) << ";\n";
  return s.str();
}
