#pragma once

#include <functional>
#include <vector>

#include "imagery/obrazki.h"

class obrazy_planu;
class stos_cofania;

// The pictures' share of the undo history. After each finished change of the pictures the
// description they had and the one they have now become one step on the editor's undo stack,
// between the layout's steps; undo and redo put a description back, keeping the textures of
// pictures that stay.
class historia_zdjec {
 public:
  historia_zdjec(obrazy_planu& obrazy, stos_cofania& stos, std::function<void()> po_przywroceniu);

  // A change of the pictures is finished: a step when their description differs from the last.
  void zatwierdz();
  // What the pictures are now is where comparing starts, with no step (the map at start-up).
  void od_nowa();
  // The pictures as `opis` describes them (by undo and redo), then `po_przywroceniu`.
  void przywroc(const std::vector<obrazek>& opis);

 private:
  obrazy_planu& obrazy_;
  stos_cofania& stos_;
  std::function<void()> po_przywroceniu_;
  std::vector<obrazek> opis_;
};
