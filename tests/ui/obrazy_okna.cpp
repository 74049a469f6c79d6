#include "ui/obrazy_okna.h"

#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "ui/obrazy_planu.h"
#include "ui/widok_planu.h"

obrazy_planu& okno_obrazow::obrazy() const { return okno.obrazy(); }

void okno_obrazow::jeden_obrazek(double x1, double y1, double x2, double y2) {
  obrazek o;
  o.x1 = x1, o.y1 = y1, o.x2 = x2, o.y2 = y2;
  o.tekstura_wczytana = true;
  std::vector<obrazek> v{o};
  obrazy().z_kontekstem([&] { obrazy().zdjecia().zastap(std::move(v)); });
  obrazy().po_zmianie_zdjec();
}

void okno_obrazow::czekaj_na_satki() {
  okno.plan()->update();
  QTest::qWait(50);
  for (int i = 0; i < 200 && obrazy().laduje(); ++i) QTest::qWait(25);
  ASSERT_FALSE(obrazy().laduje());
}

void zapisz_bajty(const std::string& sciezka, const std::string& tresc) {
  std::ofstream(sciezka, std::ios::binary) << tresc;
}
