#include "okno_sieci.h"

#include <QApplication>
#include <QMouseEvent>

#include "io/strumien_rekordow.h"
#include "ui/widok_planu.h"

okno_sieci::okno_sieci(const parametry_sieci& parametry) {
  const std::unique_ptr<tor_uklad> siec = siec_miejska(parametry);
  pisarz_rekordow zapis;
  siec->zapisz(zapis);
  czytnik_rekordow odczyt(zapis.dane());
  dok.tor.wczytaj(odczyt);
  dok.nowy();
  okno = std::make_unique<okno_glowne>(dok, edytor, std::string(VIALTOR_ZRODLA) + "/data");
  okno->pytania().pokaz = [](QWidget*, const QString&) {};
  okno->show();
}

void okno_sieci::obsluz_zdarzenia() {
  for (int i = 0; i < 20; ++i) QApplication::processEvents();
}

QPoint okno_sieci::piksel(wektor m) const {
  const widok& w = edytor.kamera;
  return {static_cast<int>(512 + (m.x + w.przes_x) * w.skala / w.proporcja * 512),
          static_cast<int>(300 - (m.y + w.przes_y) * w.skala * 300)};
}

void okno_sieci::mysz(QEvent::Type typ, QPoint p, Qt::MouseButton przycisk, Qt::MouseButtons trzymane) {
  QMouseEvent e(typ, p, okno->plan()->mapToGlobal(p), przycisk, trzymane, Qt::NoModifier);
  QApplication::sendEvent(okno->plan(), &e);
}
