#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "view/klatka.h"
#include "view/pamiec_ukladu.h"

class dokument;
class malarz_gl;

// The frame's layouts drawn from a picture cache per layout, through one GL painter. The
// picture is the one of rysownik_wprost on the same painter, pixel for pixel.
class pamiec_planu : public rysownik_ukladow {
 public:
  pamiec_planu(malarz_gl& m, const dokument& dok) : m_(m), dok_(dok) {}
  void rysuj(const w_uklad& u, bool aktywny) override;
  // Deletes the GL buffers and drops what is kept (the next frame records again): call with
  // the painter's context current. Left alone, the buffers go with the context.
  void zwolnij_gl();

 private:
  malarz_gl& m_;
  const dokument& dok_;
  std::vector<std::pair<const w_uklad*, std::unique_ptr<pamiec_ukladu>>> pamiec_;
};
