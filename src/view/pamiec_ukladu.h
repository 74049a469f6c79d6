#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "view/zachowany_obraz.h"
#include "view/zapis_rysunku.h"
#include "view/zbieracz_partii.h"

class w_uklad;
class malarz_gl;
struct zakres_zmiany;

// The picture of one layout kept between frames. Points and lines are grouped in runs of
// consecutive indices (points first, as the layout draws them); a run's drawing calls are
// recorded once and recorded again only when the fingerprint of what they read changed
// (a hover, a selection, an edit, a display option). The items whose recorded extent meets the
// view are gathered into a few vertex arrays. While the view moves they are drawn straight;
// once it stays a second frame (a large view at once) they are drawn into a picture kept off
// screen, which the next frames lay over the plan. When a few items change, only the pixels
// around their old and new extents are drawn again in the kept picture, from the items that
// reach there; a new view, a display option or a larger change gathers the view again. A view
// whose map is on the card (malarz::poczatek_planu) gathers twice its width and height, the
// whole layout when that is not much more, and a new view inside that is drawn from the same
// arrays through the card's new map, the pixels of the changes since mended in the kept
// picture. The picture is the one rysuj_uklad draws, pixel for pixel.
class pamiec_ukladu {
 public:
  explicit pamiec_ukladu(const w_uklad& uklad);

  // Draws the layout through m's current matrix. `wersja` is the document's: while it stays,
  // the layout is taken as unchanged. `zakres`, when known, names what changed since the
  // version drawn last (zmienione_od): only those items and the ones whose drawing reads them
  // are looked at again; without it every item is.
  void rysuj(malarz_gl& m, bool aktywny, std::uint64_t wersja, const zakres_zmiany* zakres = nullptr);
  // The document's version drawn last, none before the first frame or after a display option
  // changed.
  std::optional<std::uint64_t> wersja() const {
    return znana_wersja_ ? std::optional<std::uint64_t>(wersja_) : std::nullopt;
  }

  // Deletes the GL buffers and the kept picture: call with the context current. The next frame
  // gathers the arrays again.
  void zwolnij_gl();

  // Runs recorded so far: what the changes since the first frame cost.
  std::uint64_t nagrania() const { return nagrania_; }
  // Items fingerprinted so far: what looking for the changes cost.
  std::uint64_t odciski() const { return odciski_elementow_; }
  // Times the whole view was gathered: what the frames cost besides laying the picture over.
  std::uint64_t zebrania() const { return zebrania_; }

  // Items per run.
  static constexpr int ROZMIAR_KAWALKA = 256;

 private:
  // Primitives of a view kept off screen from its first frame.
  static constexpr std::size_t DUZY_WIDOK = 100000;
  // With the map on the card: the gathered square in the view's normalised device units, and
  // the area, in views, past which a smaller view is gathered again for its own sake.
  static constexpr double OBSZAR_ZEBRANIA = 2;
  static constexpr double ZA_MALY_WIDOK = 64;
  // Extents of changes mended in the kept picture past which a new view gathers again.
  static constexpr std::size_t ZMIANY_DO_PRZENIESIENIA = 256;

  // An item: where its calls end (they begin where the previous item's end), what it drew and
  // the fingerprint of what its drawing read.
  struct element {
    zapis_rysunku::polozenie do_;
    obrys_zwarty zasieg;
    std::uint64_t odcisk = 0;
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
  // Only the items of `zakres`, what reads them and the hover that was and is; false when the
  // layout does not have the items recorded and every item must be looked at.
  bool aktualizuj(bool aktywny, const zakres_zmiany& zakres);
  void dopasuj(std::vector<kawalek>& kawalki, int ile, bool linie);
  std::uint64_t odcisk_elementu(const kawalek& k, int nr, bool aktywny);
  // The fingerprint of the run from its items' in odciski_.
  static std::uint64_t odcisk_kawalka(const std::vector<std::uint64_t>& odciski);
  // Records the run again with its items' fingerprints in odciski_, noting where the picture
  // changes.
  void przyjmij(kawalek& k, std::uint64_t odcisk, bool aktywny);
  void nagraj(kawalek& k, bool aktywny);
  void zbierz(const malarz_ekranowy::macierze& m, double piksel, const std::array<int, 4>& okno, int glebia);
  // Moves zmienione_ into od_zebrania_, each extent once.
  void dopisz_zmiany();
  // Whether the arrays gathered hold every item the view of `m` shows.
  bool obejmuje(const malarz_ekranowy::macierze& m, double piksel, const std::array<int, 4>& okno, int glebia) const;
  // Draws again in the kept picture the pixels that the items of `zmiany` covered and cover now;
  // false when that is too much or cannot be done, and the view must be gathered whole.
  bool popraw(const std::vector<obrys>& zmiany, const malarz_ekranowy::macierze& m, double piksel,
              const std::array<int, 4>& okno);

  const w_uklad& uklad_;
  const bool tor_;
  zapis_rysunku brudnopis_;
  std::vector<kawalek> punkty_, linie_;
  bool znana_wersja_ = false;
  std::uint64_t wersja_ = 0;
  opcje opcje_{};
  bool nagrano_ = true;
  // The hover and the last point clicked when the runs were looked at.
  int punkt_kursor_ = -1, linia_kursor_ = -1, ostatni_punkt_ = -1;
  std::uint64_t nagrania_ = 0;
  std::uint64_t odciski_elementow_ = 0;
  std::uint64_t zebrania_ = 0;
  std::vector<std::uint64_t> odciski_;
  // The extents, before and after, of the items recorded again since the last frame.
  std::vector<obrys> zmienione_;
  std::vector<std::size_t> zmienione_elementy_;

  // The view the arrays were gathered for, then the view drawn last.
  malarz_ekranowy::macierze macierze_;
  // When gathered with the map on the card: the view of the gathering, whether it took every
  // item, the plan extent of what it took, and the largest size drawn.
  przeksztalcenie ekran_zebrania_;
  bool zebrano_wszystko_ = false;
  obrys zebrane_;
  float najwiecej_pikseli_ = 0;
  // Extents of the changes since the gathering, mended in the kept picture only.
  std::vector<obrys> od_zebrania_;
  double piksel_ = 0;
  std::array<int, 4> okno_{};
  int glebia_ = -1;
  zbieracz_partii partie_;
  std::vector<odcinek> widoczne_;
  // The view drawn off screen, when GL can keep it, the arrays are faithful and hold something.
  zachowany_obraz obraz_;
  bool w_obrazie_ = false;
  zbieracz_partii latki_;
};
