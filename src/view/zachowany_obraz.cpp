#include "view/zachowany_obraz.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

bool zachowany_obraz::przygotuj(int szerokosc, int wysokosc) {
  if (!dziala_ || szerokosc <= 0 || wysokosc <= 0) return false;
  if (bufor_ != 0 && szerokosc == szerokosc_ && wysokosc == wysokosc_) return true;
  zwolnij_gl();
  GLint poprzedni = 0, tekstura = 0;
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &poprzedni);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &tekstura);
  glGenTextures(1, &tekstura_);
  glBindTexture(GL_TEXTURE_2D, tekstura_);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, szerokosc, wysokosc, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  // One texel to a pixel: nearest, so that laid over the viewport each pixel takes its own.
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(tekstura));
  glGenRenderbuffers(1, &glebia_);
  glBindRenderbuffer(GL_RENDERBUFFER, glebia_);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, szerokosc, wysokosc);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glGenFramebuffers(1, &bufor_);
  glBindFramebuffer(GL_FRAMEBUFFER, bufor_);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, tekstura_, 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, glebia_);
  const bool kompletny = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(poprzedni));
  if (!kompletny) {
    zwolnij_gl();
    dziala_ = false;
    return false;
  }
  szerokosc_ = szerokosc;
  wysokosc_ = wysokosc;
  return true;
}

void zachowany_obraz::wejdz() {
  glGetIntegerv(GL_FRAMEBUFFER_BINDING, &poprzedni_bufor_);
  glPushAttrib(GL_VIEWPORT_BIT | GL_SCISSOR_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, bufor_);
  glViewport(0, 0, szerokosc_, wysokosc_);
}

void zachowany_obraz::wyjdz() {
  glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(poprzedni_bufor_));
  glPopAttrib();
}

void zachowany_obraz::wyczysc() {
  glDisable(GL_SCISSOR_TEST);
  glPushAttrib(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPopAttrib();
}

void zachowany_obraz::wyczysc(const std::array<int, 4>& p) {
  glEnable(GL_SCISSOR_TEST);
  glScissor(p[0], p[1], p[2], p[3]);
  glPushAttrib(GL_COLOR_BUFFER_BIT);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glPopAttrib();
}

void zachowany_obraz::naloz() const {
  glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  // What was drawn has alpha 1 and replaces what is under it; the rest is 0 in every channel
  // and leaves it as it is.
  glEnable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, tekstura_);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  // The quad is the viewport, whatever map the plan left on the card.
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(1, 0);
  glVertex2f(1, -1);
  glTexCoord2f(1, 1);
  glVertex2f(1, 1);
  glTexCoord2f(0, 1);
  glVertex2f(-1, 1);
  glEnd();
  glPopMatrix();
  glPopAttrib();
}

void zachowany_obraz::zwolnij_gl() {
  if (bufor_ != 0) glDeleteFramebuffers(1, &bufor_);
  if (glebia_ != 0) glDeleteRenderbuffers(1, &glebia_);
  if (tekstura_ != 0) glDeleteTextures(1, &tekstura_);
  bufor_ = glebia_ = tekstura_ = 0;
  szerokosc_ = wysokosc_ = 0;
}
