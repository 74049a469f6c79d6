#include "view/malarz_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

// A channel as GL stores it in an 8-bit buffer.
int bajt(float c) { return static_cast<int>(std::lround(std::clamp(c, 0.0f, 1.0f) * 255)); }

// `miejsca` decimals, trailing zeros dropped.
void dopisz_liczbe(std::string& s, double v, int miejsca = 2) {
  char bufor[400];
  auto [koniec, blad] = std::to_chars(bufor, bufor + sizeof bufor, v, std::chars_format::fixed, miejsca);
  if (blad != std::errc{}) {
    s += '0';
    return;
  }
  while (koniec[-1] == '0') --koniec;
  if (koniec[-1] == '.') --koniec;
  const std::string_view tekst(bufor, static_cast<std::size_t>(koniec - bufor));
  s += tekst == "-0" ? std::string_view("0") : tekst;
}

}  // namespace

malarz_svg::malarz_svg(int szerokosc, int wysokosc) : szerokosc_(szerokosc), wysokosc_(wysokosc) {
  const std::string w = std::to_string(szerokosc), h = std::to_string(wysokosc);
  tresc_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"" + w + "\" height=\"" + h +
           "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  // The plan view's clear colour.
  tresc_ += "<rect width=\"100%\" height=\"100%\" fill=\"#cccccc\"/>\n";
}

// A texture is the unit square of (u, v), its bottom row at v = 0, as GL samples it.
void malarz_svg::obraz_tekstury(unsigned id, const std::string& href) {
  if (!obrazy_.insert(id).second) return;
  tresc_ += "<defs><image id=\"t" + std::to_string(id) +
            "\" width=\"1\" height=\"1\" preserveAspectRatio=\"none\" transform=\"matrix(1 0 0 -1 0 1)\" "
            "xlink:href=\"" + href + "\"/></defs>\n";
}

std::string malarz_svg::zamknij() {
  if (w_warstwie_) tresc_ += "</g>\n";
  w_warstwie_ = false;
  tresc_ += "</svg>\n";
  return std::move(tresc_);
}

malarz_svg::piksel malarz_svg::na_piksele(double x, double y) const {
  double ex, ey;
  na_ekran(x, y, ex, ey);
  return {(ex + 1) * szerokosc_ / 2, (1 - ey) * wysokosc_ / 2};
}

// Both corners beyond the same edge, or anything not finite: nothing of it is seen.
bool malarz_svg::poza_obrazem(piksel a, piksel b, double margines) const {
  if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return true;
  return (a.x < -margines && b.x < -margines) || (a.y < -margines && b.y < -margines) ||
         (a.x > szerokosc_ + margines && b.x > szerokosc_ + margines) ||
         (a.y > wysokosc_ + margines && b.y > wysokosc_ + margines);
}

void malarz_svg::punkty(std::string& s, const piksel* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (i) s += ' ';
    dopisz_liczbe(s, p[i].x);
    s += ',';
    dopisz_liczbe(s, p[i].y);
  }
}

void malarz_svg::atrybut_koloru(const char* nazwa) {
  char bufor[8];
  std::snprintf(bufor, sizeof bufor, "#%02x%02x%02x", bajt(r_), bajt(g_), bajt(b_));
  tresc_ += ' ';
  tresc_ += nazwa;
  tresc_ += "=\"";
  tresc_ += bufor;
  tresc_ += '"';
  if (bajt(a_) < 255) {
    tresc_ += ' ';
    tresc_ += nazwa;
    tresc_ += "-opacity=\"";
    dopisz_liczbe(tresc_, bajt(a_) / 255.0);
    tresc_ += '"';
  }
}

void malarz_svg::obrys() {
  atrybut_koloru("stroke");
  tresc_ += " stroke-width=\"";
  dopisz_liczbe(tresc_, szerokosc_linii_);
  tresc_ += "\"/>\n";
}

void malarz_svg::kolor(float r, float g, float b) { kolor(r, g, b, 1); }

void malarz_svg::kolor(float r, float g, float b, float a) {
  r_ = r;
  g_ = g;
  b_ = b;
  a_ = a;
}

void malarz_svg::punkt(double x, double y, double) {
  const piksel p = na_piksele(x, y);
  if (poza_obrazem(p, p, rozmiar_punktu_)) return;
  tresc_ += "<rect x=\"";
  dopisz_liczbe(tresc_, p.x - rozmiar_punktu_ / 2.0);
  tresc_ += "\" y=\"";
  dopisz_liczbe(tresc_, p.y - rozmiar_punktu_ / 2.0);
  tresc_ += "\" width=\"";
  dopisz_liczbe(tresc_, rozmiar_punktu_);
  tresc_ += "\" height=\"";
  dopisz_liczbe(tresc_, rozmiar_punktu_);
  tresc_ += '"';
  atrybut_koloru("fill");
  tresc_ += "/>\n";
}

void malarz_svg::linia(double x1, double y1, double, double x2, double y2, double) {
  const piksel a = na_piksele(x1, y1);
  const piksel b = na_piksele(x2, y2);
  if (poza_obrazem(a, b, szerokosc_linii_)) return;
  tresc_ += "<line x1=\"";
  dopisz_liczbe(tresc_, a.x);
  tresc_ += "\" y1=\"";
  dopisz_liczbe(tresc_, a.y);
  tresc_ += "\" x2=\"";
  dopisz_liczbe(tresc_, b.x);
  tresc_ += "\" y2=\"";
  dopisz_liczbe(tresc_, b.y);
  tresc_ += '"';
  obrys();
}

void malarz_svg::pasek_poczatek() {
  w_pasku_ = true;
  pasek_.clear();
}

void malarz_svg::wierzcholek(double x, double y, double) {
  if (w_pasku_) pasek_.push_back(na_piksele(x, y));
}

// A strip of fewer than two vertices draws nothing, as in GL.
void malarz_svg::pasek_koniec() {
  w_pasku_ = false;
  if (pasek_.size() < 2) return;
  piksel od = pasek_[0], do_ = pasek_[0];
  for (const piksel& p : pasek_) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    od = {std::min(od.x, p.x), std::min(od.y, p.y)};
    do_ = {std::max(do_.x, p.x), std::max(do_.y, p.y)};
  }
  if (poza_obrazem(od, do_, szerokosc_linii_)) return;
  // Vertices that meet at the precision written (a far-off bend) are one; a strip left with
  // one vertex draws nothing, as a line of no length does on the screen.
  std::string wierzcholki, poprzedni, ten;
  int ile = 0;
  for (const piksel& p : pasek_) {
    ten.clear();
    punkty(ten, &p, 1);
    if (ten == poprzedni) continue;
    if (ile++) wierzcholki += ' ';
    wierzcholki += ten;
    poprzedni.swap(ten);
  }
  if (ile < 2) return;
  tresc_ += "<polyline points=\"" + wierzcholki + "\" fill=\"none\"";
  obrys();
}

void malarz_svg::czworokat(const double xy[4][2], const double uv[4][2]) {
  piksel p[4];
  for (int i = 0; i < 4; ++i) {
    p[i] = na_piksele(xy[i][0], xy[i][1]);
    if (!std::isfinite(p[i].x) || !std::isfinite(p[i].y)) return;
  }
  std::string wielokat;
  punkty(wielokat, p, 4);
  const auto obraz = teksturowany_ ? obrazy_.find(tekstura_) : obrazy_.end();
  if (obraz == obrazy_.end()) {
    tresc_ += "<polygon points=\"" + wielokat + '"';
    atrybut_koloru("fill");
    tresc_ += "/>\n";
    return;
  }
  // The affine map (u, v) -> pixel through corners 0, 1 and 3; textures repeat, so the quad's
  // texture coordinates move by whole periods into the square the image covers.
  const double u0 = std::floor(std::min({uv[0][0], uv[1][0], uv[2][0], uv[3][0]}));
  const double v0 = std::floor(std::min({uv[0][1], uv[1][1], uv[2][1], uv[3][1]}));
  const double du1 = uv[1][0] - uv[0][0], dv1 = uv[1][1] - uv[0][1];
  const double du3 = uv[3][0] - uv[0][0], dv3 = uv[3][1] - uv[0][1];
  const double wyznacznik = du1 * dv3 - du3 * dv1;
  if (wyznacznik == 0) return;
  // Pixel = P0 + [X1 X3] * inverse([du1 du3; dv1 dv3]) * ((u, v) - uv0).
  const double i00 = dv3 / wyznacznik, i01 = -du3 / wyznacznik;
  const double i10 = -dv1 / wyznacznik, i11 = du1 / wyznacznik;
  const double x1 = p[1].x - p[0].x, y1 = p[1].y - p[0].y;
  const double x3 = p[3].x - p[0].x, y3 = p[3].y - p[0].y;
  const double a = x1 * i00 + x3 * i10, c = x1 * i01 + x3 * i11;
  const double b = y1 * i00 + y3 * i10, d = y1 * i01 + y3 * i11;
  const double su = uv[0][0] - u0, sv = uv[0][1] - v0;
  const double e = p[0].x - a * su - c * sv;
  const double f = p[0].y - b * su - d * sv;
  const std::string id = std::to_string(++przyciecia_);
  tresc_ += "<clipPath id=\"k" + id + "\"><polygon points=\"" + wielokat + "\"/></clipPath>";
  tresc_ += "<g clip-path=\"url(#k" + id + ")\"";
  if (bajt(a_) < 255) {
    tresc_ += " opacity=\"";
    dopisz_liczbe(tresc_, bajt(a_) / 255.0);
    tresc_ += '"';
  }
  tresc_ += "><use xlink:href=\"#t" + std::to_string(tekstura_) + "\" transform=\"matrix(";
  // Pixels per period: a small image would lose its shape with hundredths.
  for (double m : {a, b, c, d, e}) {
    dopisz_liczbe(tresc_, m, 6);
    tresc_ += ' ';
  }
  dopisz_liczbe(tresc_, f, 6);
  tresc_ += ")\"/></g>\n";
}

void malarz_svg::tekstura(unsigned id) {
  tekstura_ = id;
  teksturowany_ = true;
}

void malarz_svg::warstwa(const char* nazwa) {
  if (w_warstwie_) tresc_ += "</g>\n";
  tresc_ += "<g id=\"";
  tresc_ += nazwa;
  tresc_ += "\">\n";
  w_warstwie_ = true;
}
