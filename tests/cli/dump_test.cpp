// dump: one JSON document that holds the loaded model, every double read back to the same bits.
#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>

#include "cli/uruchom_cli.h"
#include "io/projekt.h"

using json = nlohmann::json;

namespace {

void porownaj_zdarzenia(const json& j, const lista_zdarzen& lista) {
  std::size_t i = 0;
  for (const wezel_zdarzenia* w = lista.pierwszy(); w; w = w->nastepny.get(), ++i) {
    ASSERT_LT(i, j.size());
    const json& z = j[i];
    EXPECT_EQ(z["type"].get<int>(), w->dane.typ);
    EXPECT_EQ(z["type_b"].get<int>(), w->dane.typ_b);
    EXPECT_EQ(z["flags"].get<int>(), w->dane.kierunek);
    EXPECT_EQ(z["position"].get<double>(), w->dane.pozycja);
    EXPECT_EQ(z["argument"].get<int>(), w->dane.argument);
    EXPECT_EQ(z["reserved"].get<double>(), w->dane.rezerwa);
  }
  EXPECT_EQ(i, j.size());
}

// The printed document; text that is not JSON throws and fails the test.
json dokument(const wynik_cli& w) {
  EXPECT_EQ(w.kod, 0) << w.bledy;
  return json::parse(w.wyjscie);
}

}  // namespace

TEST_F(test_cli, DumpOddajeCalyProjektBitWBit) {
  model_w_tescie model;
  wczytaj_w_tescie(probka("elblag_petla.vxm"), model);
  const json j = dokument(uruchom({"dump", probka("elblag_petla.vxm")}));
  const tor_uklad& tor = model.tor;

  EXPECT_EQ(j["route"]["city"].get<int>(), model.trasa.miasto);
  EXPECT_EQ(j["route"]["year"].get<int>(), model.trasa.rok);
  EXPECT_EQ(j["route"]["id"].get<int>(), model.trasa.id);

  ASSERT_EQ(j["points"].size(), static_cast<std::size_t>(tor.pmax()));
  for (int i = 0; i < tor.pmax(); ++i) {
    SCOPED_TRACE("punkt " + std::to_string(i));
    const json& p = j["points"][i];
    const tor_punkt* t = tor.punkt(i);
    EXPECT_EQ(p["x"].get<double>(), t->x);
    EXPECT_EQ(p["y"].get<double>(), t->y);
    EXPECT_EQ(p["z"].get<double>(), t->z);
    EXPECT_EQ(p["wx"].get<double>(), t->GET_X());
    EXPECT_EQ(p["wy"].get<double>(), t->GET_Y());
    EXPECT_EQ(p["wz"].get<double>(), t->GET_Z());
    EXPECT_EQ(p["gauge"].get<int>(), t->przeswit);
    EXPECT_EQ(p["object"].get<int>(), t->obiekt);
    EXPECT_EQ(p["radius"].get<double>(), t->promien);
    EXPECT_EQ(p["elevation2"].get<double>(), t->wysokosc2_bezwzgledna());
    EXPECT_EQ(p["param1"].get<double>(), t->parametr1);
    EXPECT_EQ(p["param2"].get<double>(), t->parametr2);
    EXPECT_EQ(p["element"].get<int>(), t->element ? tor.indeks_elementu(t->element) : -1);
    ASSERT_EQ(p["lines"].size(), t->li.size());
    for (std::size_t k = 0; k < t->li.size(); ++k) EXPECT_EQ(p["lines"][k].get<int>(), tor.indeks_linii(t->li[k]));
    EXPECT_EQ(p["turn"].get<int>(), t->skret);
    EXPECT_EQ(p["cx"].get<double>(), t->srodek_x);
    EXPECT_EQ(p["cy"].get<double>(), t->srodek_y);
    EXPECT_EQ(p["start"].get<double>(), t->kat_poczatkowy);
    EXPECT_EQ(p["end"].get<double>(), t->kat_koncowy);
    EXPECT_EQ(p["tangent"].get<double>(), t->dlugosc_stycznej);
    porownaj_zdarzenia(p["events"], t->zdarzenia);
  }

  ASSERT_EQ(j["lines"].size(), static_cast<std::size_t>(tor.lmax()));
  for (int i = 0; i < tor.lmax(); ++i) {
    SCOPED_TRACE("linia " + std::to_string(i));
    const json& l = j["lines"][i];
    const tor_linia* t = tor.linia(i);
    EXPECT_EQ(l["p1"].get<int>(), tor.indeks_punktu(t->p1));
    EXPECT_EQ(l["p2"].get<int>(), tor.indeks_punktu(t->p2));
    EXPECT_EQ(l["gauge"].get<int>(), t->przeswit);
    EXPECT_EQ(l["object"].get<int>(), t->obiekt);
    EXPECT_EQ(l["length"].get<double>(), t->dl);
    EXPECT_EQ(l["kx"].get<double>(), t->kx);
    EXPECT_EQ(l["ky"].get<double>(), t->ky);
    EXPECT_EQ(l["kz"].get<double>(), t->kz);
    EXPECT_EQ(l["straight"].get<double>(), t->dlugosc());
    EXPECT_EQ(l["error"].get<bool>(), t->blad);
    porownaj_zdarzenia(l["events"], t->zdarzenia);
  }

  ASSERT_EQ(j["elements"].size(), static_cast<std::size_t>(tor.emax()));
  for (int i = 0; i < tor.emax(); ++i) {
    const json& e = j["elements"][i];
    const w_element* t = tor.e[i];
    EXPECT_EQ(e["x"].get<double>(), t->x);
    EXPECT_EQ(e["y"].get<double>(), t->y);
    EXPECT_EQ(e["z"].get<double>(), t->z);
    EXPECT_EQ(e["kat"].get<double>(), t->kat);
    EXPECT_EQ(e["odbity"].get<int>(), t->odbity);
    EXPECT_EQ(e["przelozenie"].get<int>(), t->przelozenie);
    EXPECT_EQ(e["nr_szablonu"].get<int>(), t->nr_szablonu);
  }
  EXPECT_TRUE(j["catenary"]["points"].empty());
  EXPECT_TRUE(j["catenary"]["lines"].empty());
}

TEST_F(test_cli, DumpStaregoProjektuZawieraSiecTrakcyjna) {
  model_w_tescie model;
  wczytaj_w_tescie(probka("elblag_0945b.vxp"), model);
  const json j = dokument(uruchom({"dump", probka("elblag_0945b.vxp")}));
  const json& siec = j["catenary"];
  ASSERT_EQ(siec["points"].size(), static_cast<std::size_t>(model.siec.pmax()));
  ASSERT_EQ(siec["lines"].size(), static_cast<std::size_t>(model.siec.lmax()));
  EXPECT_GT(model.siec.lmax(), 0);
  for (int i = 0; i < model.siec.pmax(); ++i) {
    EXPECT_EQ(siec["points"][i]["x"].get<double>(), model.siec.p[i]->x);
    EXPECT_EQ(siec["points"][i]["y"].get<double>(), model.siec.p[i]->y);
    EXPECT_EQ(siec["points"][i]["z"].get<double>(), model.siec.p[i]->z);
  }
  for (int i = 0; i < model.siec.lmax(); ++i) {
    const auto* l = static_cast<const siec_linia*>(model.siec.l[i]);
    EXPECT_EQ(siec["lines"][i]["p1"].get<int>(), model.siec.indeks_punktu(l->p1));
    EXPECT_EQ(siec["lines"][i]["p2"].get<int>(), model.siec.indeks_punktu(l->p2));
    EXPECT_EQ(siec["lines"][i]["wire"].get<int>(), l->typ);
  }
  ASSERT_EQ(j["points"].size(), static_cast<std::size_t>(model.tor.pmax()));
  for (int i = 0; i < model.tor.pmax(); ++i) {
    EXPECT_EQ(j["points"][i]["elevation2"].get<double>(), model.tor.punkt(i)->wysokosc2_bezwzgledna());
    EXPECT_EQ(j["points"][i]["param1"].get<double>(), model.tor.punkt(i)->parametr1);
  }
}

TEST_F(test_cli, DumpPiszeNullZamiastLiczbySpozaZakresu) {
  // Only a damaged file can carry these; the document must stay valid JSON.
  tor_uklad tor;
  tor.dodaj_punkt(1, 2, 0);
  tor.punkt(0)->x = std::numeric_limits<double>::quiet_NaN();
  tor.punkt(0)->z = std::numeric_limits<double>::infinity();
  ASSERT_TRUE(zapisz_projekt(pliki.plik("nan.vxm"), tor, trasa_info{}));
  const json j = dokument(uruchom({"dump", pliki.plik("nan.vxm")}));
  EXPECT_TRUE(j["points"][0]["x"].is_null());
  EXPECT_TRUE(j["points"][0]["z"].is_null());
  EXPECT_EQ(j["points"][0]["y"].get<double>(), 2.0);
}
