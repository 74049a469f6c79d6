#include "kontekst_gl.h"

#include <GL/gl.h>

#include <cmath>
#include <sstream>

#include "dokument/dokument.h"
#include "support/na_ekranie.h"
#include "view/klatka_gl.h"
#include "view/pamiec_planu.h"

kontekst_gl::kontekst_gl() {
  powierzchnia_.setFormat(QSurfaceFormat::defaultFormat());
  powierzchnia_.create();
  kontekst_.setFormat(QSurfaceFormat::defaultFormat());
  kontekst_.create();
  kontekst_.makeCurrent(&powierzchnia_);
  QOpenGLFramebufferObjectFormat format;
  format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
  bufor_ = std::make_unique<QOpenGLFramebufferObject>(SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU, format);
  bufor_->bind();
  glViewport(0, 0, SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU);
  glClearColor(0.8f, 0.8f, 0.8f, 1);
}

kontekst_gl::~kontekst_gl() {
  bufor_.reset();
  kontekst_.doneCurrent();
}

QImage kontekst_gl::klatka(malarz_gl& m, const dokument& dok, stan_edytora& edytor, rysownik_ukladow& uklady) {
  warstwy_obrazow bez_obrazow;
  rysuj_klatke_gl(m, dok, edytor, bez_obrazow, uklady);
  glFinish();
  return bufor_->toImage().convertToFormat(QImage::Format_RGB32);
}

QImage kontekst_gl::z_pamiecia(const dokument& dok, stan_edytora& edytor) {
  malarz_gl m;
  pamiec_planu pamiec(m, dok);
  return klatka(m, dok, edytor, pamiec);
}

QImage kontekst_gl::wprost(const dokument& dok, stan_edytora& edytor) {
  malarz_gl m;
  rysownik_wprost wprost(m);
  return klatka(m, dok, edytor, wprost);
}

QImage kontekst_gl::rysunek(const widok& w, const std::function<void(malarz_gl&)>& rysuj) {
  malarz_gl::stan_poczatkowy();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  malarz_gl m;
  m.skaluj(w.skala / w.proporcja, w.skala, w.skala);
  m.przesun(w.przes_x, w.przes_y, 0);
  rysuj(m);
  glFinish();
  return bufor_->toImage().convertToFormat(QImage::Format_RGB32);
}

piksel_planu piksel(const widok& w, double x, double y) {
  const polozenie_na_ekranie p = na_ekranie(w, x, y);
  return {static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))};
}

int rozne_piksele(const QImage& a, const QImage& b, std::string* pierwszy) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int ile = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y)) {
        if (ile++ == 0 && pierwszy) {
          std::ostringstream s;
          s << "(" << x << ", " << y << "): " << std::hex << a.pixel(x, y) << " / " << b.pixel(x, y);
          *pierwszy = s.str();
        }
      }
  return ile;
}
