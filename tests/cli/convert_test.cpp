// convert: a project or its text form written from any readable file, keeping all that the
// written format carries.
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>

#include "cli/uruchom_cli.h"

using json = nlohmann::json;

namespace {

// What the text form carries: no events, no route information, and of elements only the
// origin and the angle.
json bez_tego_czego_tekst_nie_niesie(json j) {
  j.erase("route");
  for (const char* rodzaj : {"points", "lines"})
    for (json& x : j[rodzaj]) x["events"] = json::array();
  for (json& e : j["elements"]) {
    e.erase("odbity");
    e.erase("przelozenie");
    e.erase("nr_szablonu");
  }
  return j;
}

}  // namespace

TEST_F(test_cli, ConvertDoProjektuZachowujeCalyModel) {
  const std::string wynik = pliki.plik("kopia.VXM");
  ASSERT_EQ(uruchom({"convert", probka("elblag_petla.vxm"), wynik}).kod, 0);
  const wynik_cli przed = uruchom({"dump", probka("elblag_petla.vxm")});
  const wynik_cli po = uruchom({"dump", wynik});
  ASSERT_EQ(po.kod, 0) << po.bledy;
  EXPECT_EQ(po.wyjscie, przed.wyjscie);
}

TEST_F(test_cli, ConvertPrzezPostacTekstowaZachowujeGeometrie) {
  const std::string tekst = pliki.plik("trasa.txt");
  const std::string projekt = pliki.plik("trasa.vxm");
  ASSERT_EQ(uruchom({"convert", probka("elblag_petla.vxm"), tekst}).kod, 0);
  ASSERT_EQ(uruchom({"convert", tekst, projekt}).kod, 0);
  const json przed = json::parse(uruchom({"dump", probka("elblag_petla.vxm")}).wyjscie);
  const json po = json::parse(uruchom({"dump", projekt}).wyjscie);
  EXPECT_EQ(bez_tego_czego_tekst_nie_niesie(po), bez_tego_czego_tekst_nie_niesie(przed));
  // The committed text sample is this same text form.
  EXPECT_EQ(czytaj_plik(tekst), czytaj_plik(probka("elblag_petla.txt")));
}

TEST_F(test_cli, ConvertStaregoProjektuZachowujeTor) {
  const std::string projekt = pliki.plik("stary.vxm");
  ASSERT_EQ(uruchom({"convert", probka("elblag_0945b.vxp"), projekt}).kod, 0);
  json przed = json::parse(uruchom({"dump", probka("elblag_0945b.vxp")}).wyjscie);
  json po = json::parse(uruchom({"dump", projekt}).wyjscie);
  // The project file does not hold the catenary.
  EXPECT_FALSE(przed["catenary"]["lines"].empty());
  EXPECT_TRUE(po["catenary"]["lines"].empty());
  przed.erase("catenary");
  po.erase("catenary");
  EXPECT_EQ(po, przed);
}

TEST_F(test_cli, ConvertOdmawiaNieznanegoCeluINieNiszczyIstniejacegoPliku) {
  const wynik_cli zly_cel = uruchom({"convert", probka("elblag_petla.vxm"), pliki.plik("trasa.json")});
  EXPECT_EQ(zly_cel.kod, 2);
  EXPECT_NE(zly_cel.bledy, "");
  EXPECT_FALSE(std::filesystem::exists(pliki.plik("trasa.json")));

  // A source that cannot be read leaves the target as it was.
  const std::string cel = pliki.plik("cel.vxm");
  std::filesystem::copy_file(probka("elblag_petla.vxm"), cel);
  const std::string spakowany = czytaj_plik(probka("elblag_petla.vxm"));
  std::ofstream(pliki.plik("zepsuty.vxm"), std::ios::binary) << spakowany.substr(0, spakowany.size() - 20);
  const wynik_cli w = uruchom({"convert", pliki.plik("zepsuty.vxm"), cel});
  EXPECT_EQ(w.kod, 2);
  EXPECT_NE(w.bledy, "");
  EXPECT_EQ(czytaj_plik(cel), czytaj_plik(probka("elblag_petla.vxm")));
}
