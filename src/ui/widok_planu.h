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
// changed (update()), never in a loop of its own. The layouts come from a picture cache whose
// vertex buffers are deleted only with the context current.
class widok_planu : public QOpenGLWidget {
  Q_OBJECT
 public:
  widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic = nullptr);
  ~widok_planu() override;

  const informacje_gl& gl() const { return gl_; }

  // The tiles and pictures under the plan (none until set; the view does not own them).
  void ustaw_obrazy(warstwy_obrazow* obrazy);
  // Deletes the view's GL buffers and what it keeps for drawing, making its context current for
  // that (at shutdown, before the window goes; the destructor does it too).
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
