#include <QApplication>
#include <QSurfaceFormat>

#include "app/dokument.h"
#include "ui/widok_planu.h"
#include "view/stan_edytora.h"

int main(int argc, char** argv) {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(16);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  QSurfaceFormat::setDefaultFormat(format);
  QApplication app(argc, argv);
  dokument dok;
  stan_edytora stan;
  widok_planu plan(dok, stan);
  plan.show();
  return app.exec();
}
