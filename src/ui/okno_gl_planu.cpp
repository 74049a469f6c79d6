#include "ui/okno_gl_planu.h"

#include <QExposeEvent>
#include <QSurfaceFormat>

#include <GL/gl.h>

okno_gl_planu::okno_gl_planu(zdarzenia z) : zdarzenia_(std::move(z)) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFlag(Qt::WindowTransparentForInput);
  // The plan keeps its drawing order in a depth buffer.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setDepthBufferSize(16);
  setFormat(format);
}

okno_gl_planu::~okno_gl_planu() = default;

bool okno_gl_planu::przygotuj() {
  if (kontekst_) return kontekst_->isValid();
  create();
  kontekst_ = std::make_unique<QOpenGLContext>();
  kontekst_->setFormat(requestedFormat());
  if (!kontekst_->create()) return false;
  if (!kontekst_->makeCurrent(this)) return false;
  zdarzenia_.inicjuj();
  return true;
}

bool okno_gl_planu::zrob_biezacym() {
  if (!przygotuj()) return false;
  return kontekst_->makeCurrent(this);
}

bool okno_gl_planu::zrob_biezacym_bez_okna() {
  if (!kontekst_ || !kontekst_->isValid()) return false;
  if (!bez_okna_) {
    bez_okna_ = std::make_unique<QOffscreenSurface>();
    bez_okna_->setFormat(kontekst_->format());
    bez_okna_->create();
  }
  return kontekst_->makeCurrent(bez_okna_.get());
}

void okno_gl_planu::zwolnij_biezacy() {
  if (kontekst_) kontekst_->doneCurrent();
}

QImage okno_gl_planu::klatka_poza_ekranem() {
  if (!zrob_biezacym()) return {};
  // Drawn where the screen's frames are, in the back buffer, and left there unswapped.
  const QSize rozmiar = size() * devicePixelRatio();
  glViewport(0, 0, rozmiar.width(), rozmiar.height());
  zdarzenia_.rysuj();
  // Opaque, as the screen shows it (QImage rows are 4-byte aligned, as GL's packing here).
  QImage obraz(rozmiar, QImage::Format_RGB888);
  glPushAttrib(GL_PIXEL_MODE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, rozmiar.width(), rozmiar.height(), GL_RGB, GL_UNSIGNED_BYTE, obraz.bits());
  glPopAttrib();
  // GL counts rows from the bottom.
  obraz = obraz.mirrored().convertToFormat(QImage::Format_RGB32);
  obraz.setDevicePixelRatio(devicePixelRatio());
  return obraz;
}

bool okno_gl_planu::event(QEvent* e) {
  if (e->type() == QEvent::UpdateRequest) {
    klatka();
    return true;
  }
  return QWindow::event(e);
}

void okno_gl_planu::exposeEvent(QExposeEvent*) {
  if (isExposed()) klatka();
}

void okno_gl_planu::klatka() {
  if (!isExposed() || !zrob_biezacym()) return;
  const qreal skala = devicePixelRatio();
  glViewport(0, 0, static_cast<GLsizei>(width() * skala), static_cast<GLsizei>(height() * skala));
  zdarzenia_.rysuj();
  kontekst_->swapBuffers(this);
  zdarzenia_.zamieniono();
}
