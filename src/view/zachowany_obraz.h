#pragma once

#include <array>

// A picture kept off screen between frames (colour with alpha, and depth), of the viewport's size,
// laid over the frame where something was drawn into it. What was drawn keeps its alpha of 1 and
// the rest stays clear, so laying it over gives the pixels of drawing the same calls there.
class zachowany_obraz {
 public:
  // Ready for drawing into at the viewport's size (made or resized as needed); false where GL
  // has no off-screen buffers, and then nothing else may be called.
  bool przygotuj(int szerokosc, int wysokosc);
  // Draws into the picture from here to `wyjdz`, through a viewport of its size; `wyjdz` gives
  // back the buffer and viewport that were current.
  void wejdz();
  void wyjdz();
  // Clears to nothing drawn the whole picture, or a rectangle of its pixels (x, y from the
  // bottom left, width, height), which then stays the only place drawn to until `wyjdz`.
  void wyczysc();
  void wyczysc(const std::array<int, 4>& prostokat);
  // Lays the picture over the current viewport.
  void naloz() const;
  // Deletes the GL objects: call with the context current.
  void zwolnij_gl();

 private:
  unsigned bufor_ = 0, tekstura_ = 0, glebia_ = 0;
  int szerokosc_ = 0, wysokosc_ = 0;
  bool dziala_ = true;
  int poprzedni_bufor_ = 0;
};
