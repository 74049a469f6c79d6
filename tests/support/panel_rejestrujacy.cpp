#include "support/panel_rejestrujacy.h"


#include "support/tekst_wywolania.h"


void panel_rejestrujacy::pokaz_punkt(double x, double y, double promien, int obiekt) {
  wywolania.push_back(tekst_wywolania("punkt", x, y, promien, obiekt));
}
void panel_rejestrujacy::pokaz_linie(double dlugosc, double azymut, int obiekt) {
  wywolania.push_back(tekst_wywolania("linia", dlugosc, azymut, obiekt));
}
void panel_rejestrujacy::pokaz_element(int indeks, double kat, int przelozenie) {
  wywolania.push_back(tekst_wywolania("element", indeks, kat, przelozenie));
}
void panel_rejestrujacy::pokaz_pusty() { wywolania.push_back("pusty"); }
