#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "view/zapis_rysunku.h"
#include "view/zbieracz_partii.h"

class w_uklad;
class malarz_gl;

// The picture of one layout kept between frames. Points and lines are grouped in runs of
// consecutive indices (points first, as the layout draws them); a run's drawing calls are
// recorded once and recorded again only when the fingerprint of what they read changed
// (a hover, a selection, an edit, a display option). Each frame draws only the items whose
// recorded extent meets the view, gathered into a few vertex arrays that are gathered again
// only when the view, the viewport or a run changed. The picture is the one rysuj_uklad
// draws, pixel for pixel.
class pamiec_ukladu {
 public:
  explicit pamiec_ukladu(const w_uklad& uklad);

  // Draws the layout through m's current matrix. `wersja` is the document's: while it stays,
  // the layout is taken as unchanged.
  void rysuj(malarz_gl& m, bool aktywny, std::uint64_t wersja);

  // Deletes the GL buffer of the arrays: call with the context current. The next frame gathers
  // them again.
  void zwolnij_gl() {
    partie_.zwolnij_gl();
    glebia_ = -1;
  }

  // Runs recorded so far: what the changes since the first frame cost.
  std::uint64_t nagrania() const { return nagrania_; }

  // Items per run.
  static constexpr int ROZMIAR_KAWALKA = 256;

 private:
  // An item: where its calls end (they begin where the previous item's end) and what it drew.
  struct element {
    zapis_rysunku::polozenie do_;
    obrys_zwarty zasieg;
  };
  struct kawalek {
    bool linie = false;
    int pierwszy = 0;
    int ile = 0;
    std::uint64_t odcisk = 0;
    zapis_rysunku zapis;
    std::vector<element> elementy;
    obrys zasieg;
  };
  struct odcinek {
    const kawalek* k;
    zapis_rysunku::polozenie od, do_;
  };
  // What every item's drawing reads besides the item.
  struct opcje {
    int flagi;
    bool biale_linie;
    unsigned tekstura_zdarzen;
    int kolorystyka;
    bool aktywny;
    bool operator==(const opcje&) const = default;
  };

  void aktualizuj(bool aktywny);
  void dopasuj(std::vector<kawalek>& kawalki, int ile, bool linie);
  std::uint64_t odcisk(const kawalek& k, bool aktywny) const;
  void nagraj(kawalek& k, bool aktywny);
  void zbierz(const przeksztalcenie& ekran, double piksel, const std::array<int, 4>& okno, int glebia);

  const w_uklad& uklad_;
  const bool tor_;
  zapis_rysunku brudnopis_;
  std::vector<kawalek> punkty_, linie_;
  bool znana_wersja_ = false;
  std::uint64_t wersja_ = 0;
  opcje opcje_{};
  bool nagrano_ = true;
  std::uint64_t nagrania_ = 0;

  // The view the arrays were gathered for.
  przeksztalcenie ekran_;
  double piksel_ = 0;
  std::array<int, 4> okno_{};
  int glebia_ = -1;
  zbieracz_partii partie_;
  std::vector<odcinek> widoczne_;
};
