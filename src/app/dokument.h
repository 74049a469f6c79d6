#pragma once

#include <cstdint>
#include <string>

#include "app/stan.h"
#include "track/siec.h"
#include "track/tor.h"

// The open document that the editor and the CLI work on: the track layout with its template
// library, the catenary layout, the route information, the file it came from and whether it
// has changed since it was last loaded or saved.
class dokument {
 public:
  tor_uklad tor;
  siec_uklad siec;
  trasa_info trasa;

  const std::string& plik() const { return plik_; }
  bool zmieniony() const { return zmieniony_; }
  // Bumped by every change of what is drawn; caches of the picture compare it.
  std::uint64_t wersja() const { return wersja_; }

  // One edit is finished: the layout, its elements, events or the route information changed.
  void zmiana();
  // Something that is drawn changed without changing the document (selection, hover, options).
  void odswiez() { ++wersja_; }
  // The document now equals the file (loaded or saved).
  void zgodny_z_plikiem(const std::string& sciezka);
  // Cleared: no file, nothing to save.
  void nowy();

 private:
  std::string plik_;
  bool zmieniony_ = false;
  std::uint64_t wersja_ = 0;
};
