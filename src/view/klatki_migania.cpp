#include "view/klatki_migania.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

namespace {

// The colour of one framebuffer into another, pixel for pixel, whatever the scissor; the
// binding of GL_FRAMEBUFFER comes back as it was.
void kopiuj(unsigned z, unsigned do_, int szerokosc, int wysokosc) {
  GLint poprzedni = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &poprzedni);
  glPushAttrib(GL_ENABLE_BIT);
  glDisable(GL_SCISSOR_TEST);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, z);
  glBindFramebuffer(GL_DRAW_FRAMEBUFFER, do_);
  glBlitFramebuffer(0, 0, szerokosc, wysokosc, 0, 0, szerokosc, wysokosc, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(poprzedni));
  glPopAttrib();
}

unsigned biezacy_bufor() {
  GLint b = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &b);
  return static_cast<unsigned>(b);
}

}  // namespace

bool klatki_migania::pokaz(bool ukryte, int szerokosc, int wysokosc) {
  const kopia& k = kopie_[ukryte ? 1 : 0];
  if (!k.wazna || k.szerokosc != szerokosc || k.wysokosc != wysokosc) return false;
  kopiuj(k.bufor, biezacy_bufor(), szerokosc, wysokosc);
  return true;
}

bool klatki_migania::zachowaj(bool ukryte, int szerokosc, int wysokosc) {
  kopia& k = kopie_[ukryte ? 1 : 0];
  if (!przygotuj(k, szerokosc, wysokosc)) return false;
  kopiuj(biezacy_bufor(), k.bufor, szerokosc, wysokosc);
  k.wazna = true;
  return true;
}

void klatki_migania::uniewaznij() {
  for (kopia& k : kopie_) k.wazna = false;
}

bool klatki_migania::przygotuj(kopia& k, int szerokosc, int wysokosc) {
  if (!dziala_ || szerokosc <= 0 || wysokosc <= 0) return false;
  if (k.bufor != 0 && k.szerokosc == szerokosc && k.wysokosc == wysokosc) return true;
  GLint poprzedni = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &poprzedni);
  if (k.bufor == 0) {
    glGenFramebuffers(1, &k.bufor);
    glGenRenderbuffers(1, &k.kolor);
  }
  glBindRenderbuffer(GL_RENDERBUFFER, k.kolor);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, szerokosc, wysokosc);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, k.bufor);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, k.kolor);
  const bool kompletny = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(poprzedni));
  k.szerokosc = szerokosc;
  k.wysokosc = wysokosc;
  k.wazna = false;
  if (!kompletny) {
    zwolnij_gl();
    dziala_ = false;
  }
  return kompletny;
}

void klatki_migania::zwolnij_gl() {
  for (kopia& k : kopie_) {
    if (k.bufor != 0) glDeleteFramebuffers(1, &k.bufor);
    if (k.kolor != 0) glDeleteRenderbuffers(1, &k.kolor);
    k = {};
  }
}
