#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ui/nakladka_planu.h"
#include "view/klatka.h"
#include "view/klatki_migania.h"
#include "view/malarz_gl.h"
#include "view/pamiec_planu.h"

class QOpenGLContext;
class QWindow;
class dokument;
class okno_gl_planu;
struct stan_edytora;

// What the context reports, for the start-up log.
struct informacje_gl {
  std::string dostawca, renderer, wersja, rozszerzenia;
};

// The 1024 x 600 plan view: draws the frame through the OpenGL painter whenever something
// changed (update()), never in a loop of its own. The frame is drawn in a native GL window
// inside the widget, so that a frame swaps only the plan; the widget keeps the input, the
// focus, the tooltips and the cursor. The layouts come from a picture cache whose
// vertex buffers are deleted only with the context current. A blink (migniecie()) shows the
// kept frame of the pictures' new phase when nothing else asked for a frame since.
class widok_planu : public QWidget {
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
  // Something drawn over the plan in every frame from now on, owned by the view.
  template <class T>
  T& dodaj_nakladke(std::unique_ptr<T> nakladka) {
    T& n = *nakladka;
    nakladki_.push_back(std::move(nakladka));
    update();
    return n;
  }
  // Deletes the view's GL buffers and what it keeps for drawing, making its context current for
  // that (at shutdown, before the window goes; the destructor does it too).
  void zwolnij_gl();

  // The GL side, meaning what QOpenGLWidget's does: the context exists (isValid), made current
  // and released, and the frame drawn now off the screen (grabFramebuffer).
  bool isValid() const;
  QOpenGLContext* context() const;
  void makeCurrent();
  void doneCurrent();
  QImage grabFramebuffer();
  // The native window the frames are drawn in.
  QWindow* okno_gl() const;

 signals:
  // The context exists and its strings are known.
  void zainicjowany();
  // A frame has been drawn.
  void narysowano();
  // A drawn frame is on the screen.
  void frameSwapped();

 protected:
  virtual void initializeGL();
  // Draws the frame into the current framebuffer, whose viewport is set.
  virtual void paintGL();
  // The window's grab (QWidget::grab, render) gets the plan's frame at the plan's place; on the
  // screen the GL window covers the widget.
  void paintEvent(QPaintEvent*) override;
  bool event(QEvent* e) override;

 private:
  std::unique_ptr<okno_gl_planu> okno_;
  dokument& dok_;
  stan_edytora& stan_;
  informacje_gl gl_;
  malarz_gl malarz_;
  pamiec_planu pamiec_;
  warstwy_obrazow bez_obrazow_;
  warstwy_obrazow* obrazy_ = &bez_obrazow_;
  std::vector<std::unique_ptr<nakladka_planu>> nakladki_;
  klatki_migania migniecia_;
  // Since the last frame: a blink asked for one; anything else did.
  bool czeka_migniecie_ = false;
  bool zmiana_ = false;
};
