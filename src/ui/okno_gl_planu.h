#pragma once

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QWindow>
#include <functional>
#include <memory>

// The native GL window the plan is drawn in, a child of the plan widget's own native window: a
// frame swaps only the plan, and the main window around it is never composed with GL. It takes
// no input: the widget under it gets the mouse, the wheel and the keys.
class okno_gl_planu : public QWindow {
 public:
  struct zdarzenia {
    std::function<void()> inicjuj;     // the context is current for the first time
    std::function<void()> rysuj;       // draw the frame into the current framebuffer
    std::function<void()> zamieniono;  // a drawn frame is on the screen
  };
  explicit okno_gl_planu(zdarzenia z);
  ~okno_gl_planu() override;

  // Creates the native window and its context (once); false when GL cannot be had.
  bool przygotuj();
  QOpenGLContext* kontekst() const { return kontekst_.get(); }
  bool zrob_biezacym();
  // Current without the window, for deleting what GL holds: at shutdown the native window may
  // already be gone with its parent, and a driver asked to draw there can misread its size.
  bool zrob_biezacym_bez_okna();
  void zwolnij_biezacy();
  // The frame drawn now into the back buffer and read from there, not swapped (what the screen
  // would show); a null picture when GL cannot be had.
  QImage klatka_poza_ekranem();

 protected:
  bool event(QEvent* e) override;
  void exposeEvent(QExposeEvent*) override;

 private:
  void klatka();

  zdarzenia zdarzenia_;
  std::unique_ptr<QOpenGLContext> kontekst_;
  std::unique_ptr<QOffscreenSurface> bez_okna_;
};
