#pragma once

#include <QOpenGLWidget>
#include <string>

#include "view/klatka.h"
#include "view/klatki_migania.h"
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
// vertex buffers are deleted only with the context current. A blink (migniecie()) shows the
// kept frame of the pictures' new phase when nothing else asked for a frame since.
class widok_planu : public QOpenGLWidget {
  Q_OBJECT
 public:
  widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic = nullptr);
  ~widok_planu() override;

  const informacje_gl& gl() const { return gl_; }

  // Asks for a frame after a change of what the plan shows: the kept blink frames no longer
  // hold. It hides QWidget::update, so that every request through the view drops them.
  void update();
  // Asks for the frame of a blink: the pictures appeared or disappeared, nothing else changed.
  void migniecie();

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
  klatki_migania migniecia_;
  // Since the last frame: a blink asked for one; anything else did.
  bool czeka_migniecie_ = false;
  bool zmiana_ = false;
};
