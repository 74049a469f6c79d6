// check --all and profile: the tool's list is the in-process list, its exit code follows the
// errors, and the profile it writes is the profile of the nearest item.
#include <nlohmann/json.hpp>

#include "analiza/problemy.h"
#include "analiza/profil.h"
#include "analiza/rysunek_profilu.h"
#include "cli/uruchom_cli.h"
#include "io/projekt.h"

TEST_F(test_cli, CheckAllWypisujeListeProblemowIKonczySieKodemBledow) {
  const std::string bledny = zapisz_bledny_projekt(pliki.plik("bledny.vxm"));
  model_w_tescie model;
  wczytaj_w_tescie(bledny, model);
  lista_problemow lista;
  lista.przelicz(model.tor);
  const std::vector<problem> oczekiwane = lista.problemy();
  ASSERT_GT(lista.ile(waga_problemu::blad), 0);

  const wynik_cli json = uruchom({"check", bledny, "--all", "--json"});
  EXPECT_EQ(json.kod, 1) << json.bledy;
  const nlohmann::json tablica = nlohmann::json::parse(json.wyjscie);
  ASSERT_EQ(tablica.size(), oczekiwane.size());
  for (std::size_t i = 0; i < oczekiwane.size(); ++i) {
    EXPECT_EQ(tablica[i]["rodzaj"], klucz_rodzaju(oczekiwane[i].rodzaj));
    EXPECT_EQ(tablica[i]["waga"], nazwa_wagi(waga(oczekiwane[i].rodzaj)));
    EXPECT_EQ(tablica[i]["x"].get<double>(), oczekiwane[i].x);
    EXPECT_EQ(tablica[i]["y"].get<double>(), oczekiwane[i].y);
    EXPECT_EQ(tablica[i]["przedmiot"], opis_przedmiotu(oczekiwane[i]));
  }

  const wynik_cli tekst = uruchom({"check", bledny, "--all"});
  EXPECT_EQ(tekst.kod, 1);
  EXPECT_EQ(std::count(tekst.wyjscie.begin(), tekst.wyjscie.end(), '\n'), static_cast<long>(oczekiwane.size()));
  EXPECT_EQ(tekst.wyjscie.rfind("błąd\tblad_geometrii\t", 0), 0u) << tekst.wyjscie;

  // The sound sample has notes only: no errors, exit 0; plain check is as it was.
  const wynik_cli probka_wszystko = uruchom({"check", probka("elblag_petla.vxm"), "--all"});
  EXPECT_EQ(probka_wszystko.kod, 0) << probka_wszystko.wyjscie;
  EXPECT_EQ(probka_wszystko.wyjscie.find("błąd"), std::string::npos);
  EXPECT_EQ(uruchom({"check", probka("elblag_petla.vxm")}).wyjscie, "ok\n");
  EXPECT_NE(uruchom({"check", probka("elblag_petla.vxm"), "--json"}).kod, 0);
}

TEST_F(test_cli, ProfilNajblizszegoPrzedmiotuJakoCsvISvg) {
  tor_uklad tor;
  tor.dodaj_punkt(0, 0, 0);
  tor.dodaj_punkt(0, 100, 5);
  const std::string plik = pliki.plik("prosta.vxm");
  ASSERT_TRUE(zapisz_projekt(plik, tor, trasa_info{}));

  const std::string csv = pliki.plik("profil.csv");
  const wynik_cli w = uruchom({"profile", plik, "3", "40", csv});
  ASSERT_EQ(w.kod, 0) << w.bledy;
  EXPECT_EQ(czytaj_plik(csv),
            "rodzaj;nr;od_m;do_m;wysokosc_od_m;wysokosc_do_m;nachylenie_promile\n"
            "prosta;0;0.000;100.125;0.000;5.000;49.94\n");  // 5 m up over 100.125 m in space

  const std::string svg = pliki.plik("profil.svg");
  ASSERT_EQ(uruchom({"profile", plik, "3", "40", svg}).kod, 0);
  EXPECT_EQ(czytaj_plik(svg), profil_svg(narysuj_profil(profil(tor, poczatek_profilu::linia, 0), 1000, 400, 60)));

  EXPECT_EQ(uruchom({"profile", plik, "3", "40", pliki.plik("profil.png")}).kod, 2);
}
