#include "view/zapis_rysunku.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

void obrys::dodaj(const obrys& o) {
  x1 = std::min(x1, o.x1);
  y1 = std::min(y1, o.y1);
  x2 = std::max(x2, o.x2);
  y2 = std::max(y2, o.y2);
  piksele = std::max(piksele, o.piksele);
}

namespace {

float w_dol(double v) {
  if (v <= -FLT_MAX) return -INFINITY;
  if (v >= FLT_MAX) return FLT_MAX;
  const float f = static_cast<float>(v);
  return f > v ? std::nextafter(f, -INFINITY) : f;
}

float w_gore(double v) { return -w_dol(-v); }

}  // namespace

// An empty extent stays empty: its corners go to the ends of the float range.
obrys_zwarty::obrys_zwarty(const obrys& o)
    : x1(w_dol(o.x1)), y1(w_dol(o.y1)), x2(w_gore(o.x2)), y2(w_gore(o.y2)), piksele(o.piksele) {}

void zapis_rysunku::wyczysc() {
  polecenia_.clear();
  liczby_.clear();
  obrys_ = {};
}

obrys zapis_rysunku::zabierz_obrys() {
  const obrys o = obrys_;
  obrys_ = {};
  return o;
}

zapis_rysunku zapis_rysunku::kopia() const {
  zapis_rysunku k;
  k.polecenia_.assign(polecenia_.begin(), polecenia_.end());
  k.liczby_.assign(liczby_.begin(), liczby_.end());
  return k;
}

void zapis_rysunku::zapisz(rodzaj r, std::initializer_list<double> liczby) {
  polecenia_.push_back(r);
  liczby_.insert(liczby_.end(), liczby);
}

void zapis_rysunku::obejmij(double x, double y, float rozmiar) {
  double ex, ey;
  na_ekran(x, y, ex, ey);
  obrys_.dodaj(ex, ey);
  obrys_.piksele = std::max(obrys_.piksele, rozmiar / 2);
}

void zapis_rysunku::kolor(float r, float g, float b) { zapisz(rodzaj::kolor3, {r, g, b}); }
void zapis_rysunku::kolor(float r, float g, float b, float a) { zapisz(rodzaj::kolor4, {r, g, b, a}); }

void zapis_rysunku::rozmiar_punktu(float rozmiar) {
  rozmiar_ = rozmiar;
  zapisz(rodzaj::rozmiar, {rozmiar});
}

void zapis_rysunku::szerokosc_linii(float szerokosc) {
  szerokosc_ = szerokosc;
  zapisz(rodzaj::szerokosc, {szerokosc});
}

void zapis_rysunku::punkt(double x, double y, double) {
  obejmij(x, y, rozmiar_);
  zapisz(rodzaj::punkt, {x, y});
}

void zapis_rysunku::linia(double x1, double y1, double, double x2, double y2, double) {
  obejmij(x1, y1, szerokosc_);
  obejmij(x2, y2, szerokosc_);
  zapisz(rodzaj::linia, {x1, y1, x2, y2});
}

void zapis_rysunku::pasek_poczatek() { zapisz(rodzaj::pasek_poczatek, {}); }

void zapis_rysunku::wierzcholek(double x, double y, double) {
  obejmij(x, y, szerokosc_);
  zapisz(rodzaj::wierzcholek, {x, y});
}

void zapis_rysunku::pasek_koniec() { zapisz(rodzaj::pasek_koniec, {}); }

void zapis_rysunku::czworokat(const double xy[4][2], const double uv[4][2]) {
  polecenia_.push_back(rodzaj::czworokat);
  for (int i = 0; i < 4; ++i) {
    obejmij(xy[i][0], xy[i][1], 0);
    liczby_.insert(liczby_.end(), {xy[i][0], xy[i][1], uv[i][0], uv[i][1]});
  }
}

void zapis_rysunku::tekstura(unsigned id) { zapisz(rodzaj::tekstura, {static_cast<double>(id)}); }
void zapis_rysunku::bez_tekstury() { zapisz(rodzaj::bez_tekstury, {}); }

void zapis_rysunku::zachowaj_macierz() {
  malarz_ekranowy::zachowaj_macierz();
  zapisz(rodzaj::zachowaj, {});
}

void zapis_rysunku::przywroc_macierz() {
  malarz_ekranowy::przywroc_macierz();
  zapisz(rodzaj::przywroc, {});
}

void zapis_rysunku::macierz_jednostkowa() {
  malarz_ekranowy::macierz_jednostkowa();
  zapisz(rodzaj::jednostkowa, {});
}

void zapis_rysunku::przesun(double x, double y, double z) {
  malarz_ekranowy::przesun(x, y, z);
  zapisz(rodzaj::przesun, {x, y, z});
}

void zapis_rysunku::obroc(double kat, double x, double y, double z) {
  malarz_ekranowy::obroc(kat, x, y, z);
  zapisz(rodzaj::obroc, {kat, x, y, z});
}

void zapis_rysunku::skaluj(double x, double y, double z) {
  malarz_ekranowy::skaluj(x, y, z);
  zapisz(rodzaj::skaluj, {x, y, z});
}

void zapis_rysunku::odtworz(malarz& m, polozenie od, polozenie do_) const {
  const double* l = liczby_.data() + od.liczba;
  auto f = [&l](int i) { return static_cast<float>(l[i]); };
  for (std::uint32_t i = od.polecenie; i < do_.polecenie; ++i) {
    switch (polecenia_[i]) {
      case rodzaj::kolor3:
        m.kolor(f(0), f(1), f(2));
        l += 3;
        break;
      case rodzaj::kolor4:
        m.kolor(f(0), f(1), f(2), f(3));
        l += 4;
        break;
      case rodzaj::rozmiar:
        m.rozmiar_punktu(f(0));
        ++l;
        break;
      case rodzaj::szerokosc:
        m.szerokosc_linii(f(0));
        ++l;
        break;
      case rodzaj::punkt:
        m.punkt(l[0], l[1], 0);
        l += 2;
        break;
      case rodzaj::linia:
        m.linia(l[0], l[1], 0, l[2], l[3], 0);
        l += 4;
        break;
      case rodzaj::pasek_poczatek:
        m.pasek_poczatek();
        break;
      case rodzaj::wierzcholek:
        m.wierzcholek(l[0], l[1], 0);
        l += 2;
        break;
      case rodzaj::pasek_koniec:
        m.pasek_koniec();
        break;
      case rodzaj::czworokat: {
        double xy[4][2], uv[4][2];
        for (int k = 0; k < 4; ++k) {
          xy[k][0] = l[0];
          xy[k][1] = l[1];
          uv[k][0] = l[2];
          uv[k][1] = l[3];
          l += 4;
        }
        m.czworokat(xy, uv);
        break;
      }
      case rodzaj::tekstura:
        m.tekstura(static_cast<unsigned>(*l++));
        break;
      case rodzaj::bez_tekstury:
        m.bez_tekstury();
        break;
      case rodzaj::zachowaj:
        m.zachowaj_macierz();
        break;
      case rodzaj::przywroc:
        m.przywroc_macierz();
        break;
      case rodzaj::jednostkowa:
        m.macierz_jednostkowa();
        break;
      case rodzaj::przesun:
        m.przesun(l[0], l[1], l[2]);
        l += 3;
        break;
      case rodzaj::obroc:
        m.obroc(l[0], l[1], l[2], l[3]);
        l += 4;
        break;
      case rodzaj::skaluj:
        m.skaluj(l[0], l[1], l[2]);
        l += 3;
        break;
    }
  }
}
