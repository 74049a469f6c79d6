#pragma once

#include <GL/gl.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "ui/widok_planu.h"

// A frame of the editor's plan in its window, timed from the start of its GL window's update
// request to a finished paintGL; the frame is asked for and awaited.
class klatka_okna : public QObject {
 public:
  explicit klatka_okna(widok_planu* plan) : plan_(plan) {
    plan_->okno_gl()->installEventFilter(this);
    connect(plan_, &widok_planu::narysowano, this, [this] {
      glFinish();
      ms_ = poczatek_.nsecsElapsed() / 1e6;
      narysowano_ = true;
    });
  }
  ~klatka_okna() override { plan_->okno_gl()->removeEventFilter(this); }

  // Draws a frame and returns its time in ms; `od_prosby_ms`, when given, gets the time from
  // the request to the drawn frame.
  double klatka(double* od_prosby_ms = nullptr) {
    QElapsedTimer prosba;
    prosba.start();
    narysowano_ = false;
    plan_->update();
    while (!narysowano_) {
      if (prosba.elapsed() > 30000) {
        std::fprintf(stderr, "plan nie narysował klatki w 30 s\n");
        std::exit(2);
      }
      plan_->update();
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    if (od_prosby_ms) *od_prosby_ms = prosba.nsecsElapsed() / 1e6;
    return ms_;
  }

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::UpdateRequest) poczatek_.start();
    return false;
  }

 private:
  widok_planu* plan_;
  QElapsedTimer poczatek_;
  double ms_ = 0;
  bool narysowano_ = false;
};
