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

std::map<std::int32_t, int> zdarzenia_wedlug_typow(const tor_uklad& tor) {
  // Every known type, also when it does not occur; a type outside the table where it does.
  std::map<std::int32_t, int> typy;
  for (std::int32_t t = ZD_PRZYSTANEK; t <= ZD_PRZERWA; ++t) typy[t] = 0;
  const auto policz = [&](const lista_zdarzen& lista) {
    for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get()) ++typy[w->dane.typ];
  };
  for (const w_punkt* punkt : tor.p) policz(punkt->zdarzenia);
  for (const w_linia* linia : tor.l) policz(linia->zdarzenia);
  return typy;
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
  for (const auto& [typ, ile] : zdarzenia_wedlug_typow(tor))
    wiersz(("events_" + std::to_string(typ)).c_str(), std::to_string(ile));
  wiersz("city", std::to_string(model.trasa.miasto));
  wiersz("year", std::to_string(model.trasa.rok));
  wiersz("id", std::to_string(model.trasa.id));
  wiersz("length", liczba_na_tekst(tor.dlugosc_trasy(), 2));
  wiersz("geometry", opis_geometrii(tor));
  return tekst;
}
