#pragma once

#include <array>

// The two frames of blinking pictures, with the pictures shown and hidden, each kept from the
// frame that drew it whole: a blink then only copies the other one onto the screen instead of
// drawing the tiles, the pictures and the layouts again. Anything else that changes the frame
// drops both (uniewaznij).
class klatki_migania {
 public:
  // Copies the kept frame of this phase onto the current framebuffer, whose viewport is
  // `szerokosc` x `wysokosc`; false when none is kept at that size.
  bool pokaz(bool ukryte, int szerokosc, int wysokosc);
  // Keeps the colour of the current framebuffer as this phase's frame (false where GL has no
  // off-screen buffers).
  bool zachowaj(bool ukryte, int szerokosc, int wysokosc);
  // Neither kept frame shows the plan any more.
  void uniewaznij();
  // Deletes the GL objects: call with the context current.
  void zwolnij_gl();

 private:
  struct kopia {
    unsigned bufor = 0, kolor = 0;
    int szerokosc = 0, wysokosc = 0;
    bool wazna = false;
  };
  bool przygotuj(kopia& k, int szerokosc, int wysokosc);

  std::array<kopia, 2> kopie_;
  bool dziala_ = true;
};
