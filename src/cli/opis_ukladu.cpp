#include "cli/opis_ukladu.h"

#include "app/liczby.h"

std::string opis_geometrii(const tor_uklad& tor) {
  if (tor.sprawdz_geometrie()) return "ok";
  double x = 0;
  double y = 0;
  tor.znajdz_blad(x, y);
  return "error at " + liczba_na_tekst(x, 2) + " " + liczba_na_tekst(y, 2);
}

int liczba_zdarzen(const tor_uklad& tor) {
  int suma = 0;
  for (const w_punkt* punkt : tor.p) suma += punkt->ILE_ZDARZEN();
  for (const w_linia* linia : tor.l) suma += linia->ILE_ZDARZEN();
  return suma;
}

std::string informacje(const dokument& model) {
  const tor_uklad& tor = model.tor;
  std::string tekst;
  auto wiersz = [&](const char* klucz, const std::string& wartosc) {
    tekst += klucz;
    tekst += ": ";
    tekst += wartosc;
    tekst += '\n';
  };
  wiersz("points", std::to_string(tor.pmax()));
  wiersz("lines", std::to_string(tor.lmax()));
  wiersz("elements", std::to_string(tor.emax()));
  wiersz("events", std::to_string(liczba_zdarzen(tor)));
  wiersz("city", std::to_string(model.trasa.miasto));
  wiersz("year", std::to_string(model.trasa.rok));
  wiersz("id", std::to_string(model.trasa.id));
  wiersz("length", liczba_na_tekst(tor.dlugosc_trasy(), 2));
  wiersz("geometry", opis_geometrii(tor));
  return tekst;
}
