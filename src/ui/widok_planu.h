#pragma once

#include <QOpenGLWidget>
#include <string>

#include "view/klatka.h"
#include "view/malarz_gl.h"
#include "view/pamiec_planu.h"

class dokument;
struct stan_edytora;

// What the context reports, for the start-up log.
struct informacje_gl {
  std::string dostawca, renderer, wersja, rozszerzenia;
};

// The 1024 x 600 plan view: draws the frame through the OpenGL painter whenever something
// changed (update()), never in a loop of its own. The layouts come from a picture cache that
// holds client-side arrays only, so no GL object of the view can outlive its context.
class widok_planu : public QOpenGLWidget {
  Q_OBJECT
 public:
  widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic = nullptr);
  ~widok_planu() override;

  const informacje_gl& gl() const { return gl_; }

  // The tiles and pictures under the plan (none until set; the view does not own them).
  void ustaw_obrazy(warstwy_obrazow* obrazy);
  // At shutdown: gives back what the view keeps for drawing.
  void zwolnij_gl();

 signals:
  // The context exists and its strings are known.
  void zainicjowany();
  // A frame has been drawn.
  void narysowano();

 protected:
  void initializeGL() override;
  void paintGL() override;

 private:
  dokument& dok_;
  stan_edytora& stan_;
  informacje_gl gl_;
  malarz_gl malarz_;
  pamiec_planu pamiec_;
  warstwy_obrazow bez_obrazow_;
  warstwy_obrazow* obrazy_ = &bez_obrazow_;
};
