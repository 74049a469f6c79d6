#include "support/malarz_rejestrujacy.h"

#include <sstream>

#include "support/tekst_wywolania.h"


void malarz_rejestrujacy::kolor(float r, float g, float b) {
  r_ = r, g_ = g, b_ = b;
  wywolania.push_back(tekst_wywolania("kolor", r, g, b));
}
void malarz_rejestrujacy::kolor(float r, float g, float b, float a) {
  r_ = r, g_ = g, b_ = b;
  wywolania.push_back(tekst_wywolania("kolor", r, g, b, a));
}
void malarz_rejestrujacy::rozmiar_punktu(float rozmiar) {
  rozmiar_ = rozmiar;
  wywolania.push_back(tekst_wywolania("rozmiar_punktu", rozmiar));
}
void malarz_rejestrujacy::szerokosc_linii(float szerokosc) {
  szerokosc_ = szerokosc;
  wywolania.push_back(tekst_wywolania("szerokosc_linii", szerokosc));
}
void malarz_rejestrujacy::punkt(double x, double y, double z) {
  prymitywy.push_back({"punkt", x, y, z, 0, 0, 0, r_, g_, b_, rozmiar_, szerokosc_});
  wywolania.push_back(tekst_wywolania("punkt", x, y, z));
}
void malarz_rejestrujacy::linia(double x1, double y1, double z1, double x2, double y2, double z2) {
  prymitywy.push_back({"linia", x1, y1, z1, x2, y2, z2, r_, g_, b_, rozmiar_, szerokosc_});
  wywolania.push_back(tekst_wywolania("linia", x1, y1, z1, x2, y2, z2));
}
void malarz_rejestrujacy::pasek_poczatek() {
  w_pasku_ = true;
  wywolania.push_back("pasek_poczatek");
}
void malarz_rejestrujacy::wierzcholek(double x, double y, double z) {
  prymityw p{"wierzcholek", x, y, z, 0, 0, 0, r_, g_, b_, rozmiar_, szerokosc_};
  p.pasek = w_pasku_ ? paski : -1;
  prymitywy.push_back(p);
  wywolania.push_back(tekst_wywolania("wierzcholek", x, y, z));
}
void malarz_rejestrujacy::pasek_koniec() {
  w_pasku_ = false;
  ++paski;
  wywolania.push_back("pasek_koniec");
}
void malarz_rejestrujacy::czworokat(const double xy[4][2], const double uv[4][2]) {
  prymitywy.push_back({"czworokat", xy[0][0], xy[0][1], 0, xy[2][0], xy[2][1], 0, r_, g_, b_, rozmiar_, szerokosc_});
  std::ostringstream s;
  s << "czworokat";
  for (int i = 0; i < 4; ++i) s << ' ' << xy[i][0] << ' ' << xy[i][1] << ' ' << uv[i][0] << ' ' << uv[i][1];
  wywolania.push_back(s.str());
}
void malarz_rejestrujacy::tekstura(unsigned id) { wywolania.push_back(tekst_wywolania("tekstura", id)); }
void malarz_rejestrujacy::bez_tekstury() { wywolania.push_back("bez_tekstury"); }
void malarz_rejestrujacy::zachowaj_macierz() { wywolania.push_back("zachowaj_macierz"); }
void malarz_rejestrujacy::przywroc_macierz() { wywolania.push_back("przywroc_macierz"); }
void malarz_rejestrujacy::macierz_jednostkowa() { wywolania.push_back("macierz_jednostkowa"); }
void malarz_rejestrujacy::przesun(double x, double y, double z) { wywolania.push_back(tekst_wywolania("przesun", x, y, z)); }
void malarz_rejestrujacy::obroc(double kat, double x, double y, double z) {
  wywolania.push_back(tekst_wywolania("obroc", kat, x, y, z));
}
void malarz_rejestrujacy::skaluj(double x, double y, double z) { wywolania.push_back(tekst_wywolania("skaluj", x, y, z)); }

std::vector<malarz_rejestrujacy::prymityw> malarz_rejestrujacy::tylko(const std::string& rodzaj) const {
  std::vector<prymityw> wynik;
  for (const auto& p : prymitywy)
    if (p.rodzaj == rodzaj) wynik.push_back(p);
  return wynik;
}
