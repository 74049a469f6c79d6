#include <filesystem>
#include <fstream>

#include "cli/uruchom_cli.h"
#include "osm/generator_osm.h"

using ImportOsmCli = test_cli;

// Without --origin the track lands at positive plan coordinates; the report goes to stderr;
// a bad file or bad options write nothing.
TEST_F(ImportOsmCli, ZapisujeUkladIRaportAZlePlikiOdrzuca) {
  generator_osm g;
  g.droga(prosta({-250, -40}, {150, 260}, 10), {{"railway", "tram"}, {"gauge", "1000"}});
  const std::string osm = pliki.plik("miasto.osm.pbf"), wynik = pliki.plik("miasto.txt");
  g.zapisz(osm);
  const wynik_cli w = uruchom({"import-osm", osm, wynik, "--city", "Gdańsk"});
  ASSERT_EQ(w.kod, 0) << w.bledy;
  EXPECT_NE(w.bledy.find("punkty toru: 2, linie: 1"), std::string::npos) << w.bledy;
  EXPECT_NE(w.bledy.find("miasto: Gdańsk"), std::string::npos);
  const wynik_cli info = uruchom({"info", wynik});
  EXPECT_NE(info.wyjscie.find("length: 500.0"), std::string::npos) << info.wyjscie;

  std::ofstream(pliki.plik("zly.osm")) << "<osm><node id=";
  const std::string nowy = pliki.plik("nowy.vxm");
  EXPECT_EQ(uruchom({"import-osm", pliki.plik("zly.osm"), nowy}).kod, 2);
  EXPECT_EQ(uruchom({"import-osm", osm, nowy, "--origin", "12"}).kod, 2);
  EXPECT_EQ(uruchom({"import-osm", osm, nowy, "--crs", "EPSG:999999"}).kod, 1);
  EXPECT_FALSE(std::filesystem::exists(nowy));
  const wynik_cli symulator = uruchom({"import-osm", osm, pliki.plik("nowy.layout")});
  EXPECT_EQ(symulator.kod, 2);
  EXPECT_NE(symulator.bledy.find("nowy.layout musi mieć rozszerzenie .vxm lub .txt"), std::string::npos) << symulator.bledy;
  EXPECT_FALSE(std::filesystem::exists(pliki.plik("nowy.layout")));
}
