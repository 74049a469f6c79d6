#include "edytor_w_oknie.h"

#include <QTest>
#include <QTimer>
#include <clocale>

#include "app/log.h"
#include "ui/uruchomienie.h"
#include "ui/widok_planu.h"

namespace {
std::string przygotuj() {
  std::setlocale(LC_NUMERIC, "C");
  log_otworz("/dev/null");
  return std::string(VIALTOR_ZRODLA) + "/data";
}
}  // namespace

edytor_w_oknie::edytor_w_oknie() : dane(przygotuj()), okno(dok, edytor, dane) {}

bool edytor_w_oknie::uruchom() {
  bool gotowe = false;
  QObject::connect(
      okno.plan(), &widok_planu::zainicjowany, &okno,
      [&] {
        po_utworzeniu_kontekstu(okno, dok, dane);
        QTimer::singleShot(0, &okno, [&] {
          otworz_z_wiersza_polecen(okno, dane + "/projects/elblag_petla.vxm");
          gotowe = true;
        });
      },
      Qt::SingleShotConnection);
  okno.show();
  return QTest::qWaitFor([&] { return gotowe; }, 60000);
}
