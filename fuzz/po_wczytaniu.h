#pragma once

#include "dokument/dokument.h"

// What every fuzz target shares.

// Messages go nowhere and the bundled template library must be there (without it the targets
// would quietly skip everything that uses templates); call from LLVMFuzzerInitialize.
void przygotuj_fuzz();

// The bundled template library, read once (as the editor reads it at start) and lent to each
// input's layout for as long as this object lives: reading it for every input would cost a
// third of the time.
class biblioteka_szablonow {
 public:
  explicit biblioteka_szablonow(tor_uklad& tor);
  ~biblioteka_szablonow();
  biblioteka_szablonow(const biblioteka_szablonow&) = delete;
  biblioteka_szablonow& operator=(const biblioteka_szablonow&) = delete;

 private:
  tor_uklad& tor_;
};

// What the editor does with a layout once a file is open, so that a file that reads but breaks
// a later step is a finding too: drawing, framing, the geometry test, saving the project and
// reading the save back, the simulator export of a sound layout, and a pick, move, rotation
// and deletion.
void uzyj_ukladu(dokument& d);

// A broken promise of the program that is not a crash: printed, then abort(), which libFuzzer
// reports with the input.
[[noreturn]] void zlamana_obietnica(const char* co);
