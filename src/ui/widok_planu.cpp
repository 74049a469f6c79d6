#include "ui/widok_planu.h"

#include <GL/gl.h>

#include "app/dokument.h"
#include "view/stan_edytora.h"

namespace {
std::string tekst_gl(GLenum nazwa) {
  const auto* t = reinterpret_cast<const char*>(glGetString(nazwa));
  return t ? t : "";
}
}  // namespace

widok_planu::widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic)
    : QOpenGLWidget(rodzic), dok_(dok), stan_(stan) {
  setFixedSize(SZEROKOSC_WIDOKU, WYSOKOSC_WIDOKU);
}

widok_planu::~widok_planu() = default;

void widok_planu::initializeGL() {
  gl_ = {tekst_gl(GL_VENDOR), tekst_gl(GL_RENDERER), tekst_gl(GL_VERSION), tekst_gl(GL_EXTENSIONS)};
  glClearColor(0.8f, 0.8f, 0.8f, 1);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  emit zainicjowany();
}

void widok_planu::paintGL() {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  emit narysowano();
}
