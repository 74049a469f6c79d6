#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "imagery/obraz.h"
#include "view/widok.h"

class malarz;

// The orthophoto tile grid: square JPEG tiles of 100 m, cell (i, j) covering plan x from 100 i
// to 100 i + 100 and y likewise, showing the tile of column origin + i and row origin + j.
// Only the cells that were tried are held; tiles decode away from the frame (a loader behind an
// interface) and become textures a few at a time in the frames that follow.

inline constexpr double BOK_SATKI = 100.0;
// Zoomed out further than this (a view more than 2 km tall) no tile is drawn or loaded.
inline constexpr double SKALA_NAJMNIEJSZA_SATEK = 0.001;

// "sat/CCCCRRRR.jpg": four digits of the column and four of the row, each taken modulo 10000
// the mathematical way (0 to 9999 for negative numbers too).
std::string nazwa_satki(std::int64_t kolumna, std::int64_t wiersz);

// Cells from (i0, j0) to (i1, j1), both ends included.
struct zakres_komorek {
  int i0 = 0, j0 = 0, i1 = -1, j1 = -1;
  bool pusty() const { return i1 < i0 || j1 < j0; }
  bool zawiera(int i, int j) const { return i >= i0 && i <= i1 && j >= j0 && j <= j1; }
};
// The cells the camera sees (floor of the plan coordinates over 100); empty below
// SKALA_NAJMNIEJSZA_SATEK and for a camera with values that are not finite or far out of range.
zakres_komorek widoczne_komorki(const widok& kamera);

// A tile origin typed in a field: refused when not finite or outside 32-bit range, else
// truncated toward zero.
std::optional<std::int32_t> numer_poczatku(double v);

// Decodes tiles; may work on another thread. Results come back through `odbierz` on the
// thread that draws.
class ladowacz_satek {
 public:
  struct zlecenie {
    int i, j;
    std::uint64_t pokolenie;  // the origin it was asked for
    std::string nazwa;        // nazwa_satki of the tile
  };
  struct wynik {
    int i, j;
    std::uint64_t pokolenie;
    std::optional<obraz> obraz_satki;  // nothing: no such file, or it cannot be decoded
  };
  virtual ~ladowacz_satek() = default;
  virtual void zlec(zlecenie z) = 0;
  // What has been decoded since the last call.
  virtual std::vector<wynik> odbierz() = 0;
  // Forgets what was asked and not yet begun (the origin changed).
  virtual void porzuc_zlecone() = 0;
};

struct tekstury_satek {
  std::function<unsigned(const obraz&)> zbuduj;  // 0 when GL refuses
  std::function<void(unsigned& id)> usun;        // deletes and sets 0
};

struct ustawienia_satek {
  std::size_t limit_pamieci = std::size_t{192} << 20;  // bytes of tile textures kept, visible ones aside
  int zlecen_naraz = 4;                                 // tiles the loader works on at once
  std::chrono::microseconds czas_wysylania{6000};       // texture building per frame (one tile at least)
};

class magazyn_satek {
 public:
  magazyn_satek(std::unique_ptr<ladowacz_satek> ladowacz, tekstury_satek tekstury, ustawienia_satek ustawienia = {});
  ~magazyn_satek();
  magazyn_satek(const magazyn_satek&) = delete;
  magazyn_satek& operator=(const magazyn_satek&) = delete;

  // Sets the origin and releases every tile (the same origin too: the tiles are read again).
  // Costs what is loaded, nothing more.
  void ustaw_poczatek(std::int32_t kolumna, std::int32_t wiersz);
  std::int32_t kolumna_poczatku() const { return kolumna_; }
  std::int32_t wiersz_poczatku() const { return wiersz_; }

  // The frame step: builds textures of the tiles decoded meanwhile (for a few milliseconds),
  // draws the loaded tiles in view with the given opacity, and asks the loader for the
  // missing ones in view, nearest the middle of the view first. A tile whose file is missing
  // is not asked for again until the origin changes.
  void rysuj(malarz& m, const widok& kamera, double przezroczystosc);

  // Tiles in view that are done (loaded or found missing), of all in view, at the last frame.
  struct postep {
    int gotowe = 0;
    int wszystkie = 0;
  };
  postep postep_ladowania() const { return postep_; }
  // Tiles in view are still coming: the caller keeps drawing frames as they arrive.
  bool laduje() const { return postep_.gotowe < postep_.wszystkie || !gotowe_.empty(); }

  std::size_t pamiec_tekstur() const { return pamiec_; }
  std::size_t liczba_tekstur() const;
  std::size_t liczba_komorek() const { return komorki_.size(); }

 private:
  enum class stan { zlecona, jest, brak };
  struct komorka {
    stan s = stan::zlecona;
    unsigned tekstura = 0;
    std::size_t pamiec = 0;
    std::uint64_t narysowana = 0;  // frame it was last drawn in
  };
  static std::uint64_t klucz(int i, int j) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(i)) << 32 | static_cast<std::uint32_t>(j);
  }
  void przyjmij_gotowe();
  void zwolnij_nadmiar(const zakres_komorek& widoczne);
  void zlec_brakujace(const zakres_komorek& widoczne, const widok& kamera);
  void zwolnij_wszystko();

  std::unique_ptr<ladowacz_satek> ladowacz_;
  tekstury_satek tekstury_;
  ustawienia_satek ustawienia_;
  std::int32_t kolumna_ = 0, wiersz_ = 0;
  std::uint64_t pokolenie_ = 0;
  std::uint64_t klatka_ = 0;
  std::unordered_map<std::uint64_t, komorka> komorki_;
  std::deque<ladowacz_satek::wynik> gotowe_;  // decoded, waiting for a texture
  int zleconych_ = 0;
  std::size_t pamiec_ = 0;
  postep postep_;
};
