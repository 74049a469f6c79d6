// info and check: what they print and their exit codes, against the model loaded in-process.
#include "app/liczby.h"
#include "cli/uruchom_cli.h"

namespace {

int zdarzenia_toru(const tor_uklad& tor) {
  int suma = 0;
  for (const w_punkt* p : tor.p) suma += p->ILE_ZDARZEN();
  for (const w_linia* l : tor.l) suma += l->ILE_ZDARZEN();
  return suma;
}

// The events_<type> lines: each type counted from the loaded model on its own.
std::string wiersze_typow(const tor_uklad& tor) {
  std::string tekst;
  for (int typ = 0; typ < 7; ++typ) {
    int ile = 0;
    for (const w_punkt* p : tor.p)
      for (const wezel_zdarzenia* w = p->zdarzenia.pierwszy(); w; w = w->nastepny.get()) ile += w->dane.typ == typ;
    for (const w_linia* l : tor.l)
      for (const wezel_zdarzenia* w = l->zdarzenia.pierwszy(); w; w = w->nastepny.get()) ile += w->dane.typ == typ;
    tekst += "events_" + std::to_string(typ) + ": " + std::to_string(ile) + "\n";
  }
  return tekst;
}

}  // namespace

TEST_F(test_cli, InfoPodajeLiczbyTrasyIGeometrieWczytanegoProjektu) {
  model_w_tescie model;
  wczytaj_w_tescie(probka("elblag_petla.vxm"), model);
  const wynik_cli w = uruchom({"info", probka("elblag_petla.vxm")});
  EXPECT_EQ(w.kod, 0) << w.bledy;
  const std::string oczekiwane =
      "points: " + std::to_string(model.tor.pmax()) + "\nlines: " + std::to_string(model.tor.lmax()) +
      "\nelements: " + std::to_string(model.tor.emax()) + "\nevents: " + std::to_string(zdarzenia_toru(model.tor)) +
      "\n" + wiersze_typow(model.tor) + "city: 4\nyear: " + std::to_string(model.trasa.rok) + "\nid: " + std::to_string(model.trasa.id) +
      "\nlength: " + liczba_na_tekst(model.tor.dlugosc_trasy(), 2) + "\ngeometry: ok\n";
  EXPECT_EQ(w.wyjscie, oczekiwane);
  // The sample is a real route: turnouts, events and route information are all there.
  EXPECT_GE(model.tor.emax(), 3);
  EXPECT_GT(zdarzenia_toru(model.tor), 5);
  EXPECT_NE(model.trasa.rok, 0);
}

TEST_F(test_cli, InfoTekstuIStaregoProjektuNieMaInformacjiOTrasie) {
  for (const char* nazwa : {"elblag_petla.txt", "elblag_0945b.vxp"}) {
    model_w_tescie model;
    wczytaj_w_tescie(probka(nazwa), model);
    const wynik_cli w = uruchom({"info", probka(nazwa)});
    EXPECT_EQ(w.kod, 0) << nazwa << ": " << w.bledy;
    EXPECT_NE(w.wyjscie.find("points: " + std::to_string(model.tor.pmax()) + "\n"), std::string::npos) << nazwa;
    EXPECT_NE(w.wyjscie.find("events: 0\n" + wiersze_typow(model.tor) + "city: 0\nyear: 0\nid: 0\n"), std::string::npos)
        << w.wyjscie;
    EXPECT_NE(w.wyjscie.find("length: " + liczba_na_tekst(model.tor.dlugosc_trasy(), 2) + "\n"), std::string::npos);
  }
}

TEST_F(test_cli, CheckRozrozniaDobryBlednyINieczytelnyPlik) {
  const wynik_cli dobry = uruchom({"check", probka("elblag_petla.vxm")});
  EXPECT_EQ(dobry.kod, 0) << dobry.bledy;
  EXPECT_EQ(dobry.wyjscie, "ok\n");

  const std::string bledny = zapisz_bledny_projekt(pliki.plik("bledny.vxm"));
  model_w_tescie model;
  wczytaj_w_tescie(bledny, model);
  double x = 0;
  double y = 0;
  model.tor.znajdz_blad(x, y);
  const std::string opis = "error at " + liczba_na_tekst(x, 2) + " " + liczba_na_tekst(y, 2) + "\n";
  const wynik_cli zly = uruchom({"check", bledny});
  EXPECT_EQ(zly.kod, 1);
  EXPECT_EQ(zly.wyjscie, opis);
  const wynik_cli info = uruchom({"info", bledny});
  EXPECT_EQ(info.kod, 0);
  EXPECT_NE(info.wyjscie.find("geometry: " + opis), std::string::npos) << info.wyjscie;

  const wynik_cli brak = uruchom({"check", pliki.plik("nie_ma.vxm")});
  EXPECT_EQ(brak.kod, 2);
  EXPECT_EQ(brak.wyjscie, "");
  EXPECT_NE(brak.bledy, "");
}
