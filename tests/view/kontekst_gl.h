#pragma once

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <functional>
#include <memory>

#include "view/klatka.h"
#include "view/malarz_gl.h"
#include "view/stan_edytora.h"

class dokument;

// An off-screen GL context with a buffer of the plan view's size (colour and depth), current
// while the object lives, cleared to the plan's grey.
class kontekst_gl {
 public:
  kontekst_gl();
  ~kontekst_gl();

  // One frame as the plan view draws it, `uklady` drawing through `m`.
  QImage klatka(malarz_gl& m, const dokument& dok, stan_edytora& edytor, rysownik_ukladow& uklady);
  // The frame drawn twice, from a fresh picture cache and plainly, item by item.
  QImage z_pamiecia(const dokument& dok, stan_edytora& edytor);
  QImage wprost(const dokument& dok, stan_edytora& edytor);
  // Whatever `rysuj` draws through the painter under the camera of `w`.
  QImage rysunek(const widok& w, const std::function<void(malarz_gl&)>& rysuj);

 private:
  QOffscreenSurface powierzchnia_;
  QOpenGLContext kontekst_;
  std::unique_ptr<QOpenGLFramebufferObject> bufor_;
};

// The pixel (column, row from the top) where a plan point lands under the camera.
struct piksel_planu {
  int x, y;
};
piksel_planu piksel(const widok& w, double x, double y);

// Pixels whose colours differ, and the first of them as text for a failure message.
int rozne_piksele(const QImage& a, const QImage& b, std::string* pierwszy = nullptr);

inline QRgb szary(int v) { return qRgb(v, v, v); }
