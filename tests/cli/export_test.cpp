// export and decode: the simulator file of a loaded project, and its content recovered.
#include <filesystem>

#include "app/komunikaty.h"
#include "cli/uruchom_cli.h"
#include "io/eksport.h"

TEST_F(test_cli, EksportPoOdczytaniuDajeRekordyLiczoneWProcesie) {
  const std::string layout = pliki.plik("trasa.layout");
  const std::string tresc = pliki.plik("trasa.bin");
  const wynik_cli eksport = uruchom({"export", probka("elblag_petla.vxm"), layout});
  ASSERT_EQ(eksport.kod, 0) << eksport.bledy;
  const wynik_cli odczyt = uruchom({"decode", layout, tresc});
  ASSERT_EQ(odczyt.kod, 0) << odczyt.bledy;

  model_w_tescie model;
  wczytaj_w_tescie(probka("elblag_petla.vxm"), model);
  przygotuj_eksport(model.tor, layout);
  const std::vector<std::uint8_t> rekordy = rekordy_eksportu(model.tor, model.trasa);
  EXPECT_EQ(czytaj_plik(tresc), std::string(rekordy.begin(), rekordy.end()));
  // The events on lines became event points: the file is larger than the layout as saved.
  model_w_tescie zapisany;
  wczytaj_w_tescie(probka("elblag_petla.vxm"), zapisany);
  EXPECT_GT(model.tor.pmax(), zapisany.tor.pmax());
}

TEST_F(test_cli, EksportBlednejGeometriiNiczegoNieZapisuje) {
  const wynik_cli w = uruchom({"export", zapisz_bledny_projekt(pliki.plik("bledny.vxm")), pliki.plik("bledny.layout")});
  EXPECT_EQ(w.kod, 1);
  EXPECT_NE(w.bledy.find(tekst_komunikatu(KOM_BLAD_GEOMETRII_EKSPORT)), std::string::npos) << w.bledy;
  EXPECT_FALSE(std::filesystem::exists(pliki.plik("bledny.layout")));
}

TEST_F(test_cli, EksportIDecodeOdmawiajaZlychPlikow) {
  // The simulator file must not take the place of a project.
  const std::string projekt = pliki.plik("trasa.vxm");
  std::filesystem::copy_file(probka("elblag_petla.vxm"), projekt);
  const wynik_cli nie_layout = uruchom({"export", probka("elblag_petla.vxm"), projekt});
  EXPECT_EQ(nie_layout.kod, 2);
  EXPECT_EQ(czytaj_plik(projekt), czytaj_plik(probka("elblag_petla.vxm")));

  const wynik_cli nie_symulator = uruchom({"decode", probka("elblag_petla.vxm"), pliki.plik("x.bin")});
  EXPECT_EQ(nie_symulator.kod, 2);
  EXPECT_NE(nie_symulator.bledy, "");
  EXPECT_FALSE(std::filesystem::exists(pliki.plik("x.bin")));
  EXPECT_EQ(uruchom({"decode", pliki.plik("brak.layout"), pliki.plik("x.bin")}).kod, 2);
}
