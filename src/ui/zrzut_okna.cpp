#include "ui/zrzut_okna.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "ui/obrazy_planu.h"
#include "ui/okno_glowne.h"
#include "ui/widok_planu.h"

void zrzut_po_klatce(okno_glowne& okno, const QString& sciezka) {
  auto polaczenie = std::make_shared<QMetaObject::Connection>();
  *polaczenie = QObject::connect(
      okno.plan(), &widok_planu::narysowano, &okno,
      [&okno, sciezka, polaczenie] {
        // Tiles in view still coming: their frames follow.
        if (okno.obrazy().laduje()) return;
        QObject::disconnect(*polaczenie);
        // Not inside the frame's own drawing: grabbing draws the plan again.
        QTimer::singleShot(0, &okno, [&okno, sciezka] {
          if (okno.grab().save(sciezka, "PNG")) {
            QCoreApplication::exit(0);
            return;
          }
          std::fprintf(stderr, "vialtor: nie można zapisać obrazu %s\n", sciezka.toLocal8Bit().constData());
          QCoreApplication::exit(1);
        });
      });
  okno.plan()->update();
}
