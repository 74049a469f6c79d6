#include "ui/widok_planu.h"

#include <QSurfaceFormat>

#include <GL/gl.h>

#include "dokument/dokument.h"
#include "view/klatka_gl.h"
#include "view/stan_edytora.h"

namespace {
std::string tekst_gl(GLenum nazwa) {
  const auto* t = reinterpret_cast<const char*>(glGetString(nazwa));
  return t ? t : "";
}
}  // namespace

widok_planu::widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic)
    : QOpenGLWidget(rodzic), dok_(dok), stan_(stan), pamiec_(malarz_, dok) {
  setFixedSize(SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU);
  // The plan keeps its drawing order in a depth buffer; the window composing it needs none.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setDepthBufferSize(16);
  setFormat(format);
}

widok_planu::~widok_planu() { zwolnij_gl(); }

void widok_planu::ustaw_obrazy(warstwy_obrazow* obrazy) {
  obrazy_ = obrazy ? obrazy : &bez_obrazow_;
  update();
}

void widok_planu::update() {
  zmiana_ = true;
  QOpenGLWidget::update();
}

void widok_planu::migniecie() {
  czeka_migniecie_ = true;
  QOpenGLWidget::update();
}

void widok_planu::zwolnij_gl() {
  // Before the first frame there is no context, and nothing to delete.
  if (!isValid()) return;
  makeCurrent();
  pamiec_.zwolnij_gl();
  migniecia_.zwolnij_gl();
  doneCurrent();
}

void widok_planu::initializeGL() {
  gl_ = {tekst_gl(GL_VENDOR), tekst_gl(GL_RENDERER), tekst_gl(GL_VERSION), tekst_gl(GL_EXTENSIONS)};
  glClearColor(0.8f, 0.8f, 0.8f, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  emit zainicjowany();
}

void widok_planu::paintGL() {
  // A blink that shares its frame with another change, or a frame nobody asked for through the
  // view (a grab, a resize), draws the whole plan and drops the kept frames.
  const bool tylko_miganie = czeka_migniecie_ && !zmiana_;
  czeka_migniecie_ = zmiana_ = false;
  const bool ukryte = obrazy_->ukryte_przez_miganie();
  GLint okno[4] = {};
  glGetIntegerv(GL_VIEWPORT, okno);
  if (!tylko_miganie)
    migniecia_.uniewaznij();
  else if (migniecia_.pokaz(ukryte, okno[2], okno[3])) {
    emit narysowano();
    return;
  }
  malarz_.ustaw_piksel(devicePixelRatioF());
  rysuj_klatke_gl(malarz_, dok_, stan_, *obrazy_, pamiec_);
  if (tylko_miganie) migniecia_.zachowaj(ukryte, okno[2], okno[3]);
  emit narysowano();
}
