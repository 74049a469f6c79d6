#include "ui/zrzut_okna.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "ui/okno_glowne.h"
#include "ui/widok_planu.h"

void zrzut_po_klatce(okno_glowne& okno, const QString& sciezka) {
  QObject::connect(
      okno.plan(), &widok_planu::narysowano, &okno,
      [&okno, sciezka] {
        // Not inside the frame's own drawing: grabbing draws the plan again.
        QTimer::singleShot(0, &okno, [&okno, sciezka] {
          if (okno.grab().save(sciezka, "PNG")) {
            QCoreApplication::exit(0);
            return;
          }
          std::fprintf(stderr, "vialtor: nie można zapisać obrazu %s\n", sciezka.toLocal8Bit().constData());
          QCoreApplication::exit(1);
        });
      },
      Qt::SingleShotConnection);
  okno.plan()->update();
}
