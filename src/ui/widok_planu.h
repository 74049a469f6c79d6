#pragma once

#include <QOpenGLWidget>
#include <string>

class dokument;
struct stan_edytora;

// What the context reports, for the start-up log.
struct informacje_gl {
  std::string dostawca, renderer, wersja, rozszerzenia;
};

// The 1024 x 600 plan view: draws the frame through the OpenGL painter whenever something
// changed (update()), never in a loop of its own.
class widok_planu : public QOpenGLWidget {
  Q_OBJECT
 public:
  widok_planu(dokument& dok, stan_edytora& stan, QWidget* rodzic = nullptr);
  ~widok_planu() override;

  const informacje_gl& gl() const { return gl_; }

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
};
