#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "view/malarz_ekranowy.h"

// Drawing calls gathered into a few vertex arrays, one per kind of primitive, size, colour and
// texture, and drawn with a handful of glDrawArrays instead of one glBegin per primitive. Each
// primitive keeps its place in the order as its depth (later ones nearer, the depth test
// GL_LESS): since every colour is opaque, each pixel ends as the last primitive over it made it,
// exactly as drawing them one by one in order. A translucent colour, a colour changed inside a
// strip or a textured point or line would not: the gathering then reports itself unfaithful.
class zbieracz_partii : public malarz_ekranowy {
 public:
  // Empties the arrays. `m` maps the plan to the vertices (the screen, or offsets from the plan's
  // origin that the card's matrix maps when drawn), `piksel` multiplies sizes as in malarz_gl,
  // and `glebia_bity` is the depth buffer's precision, which bounds the primitives between two
  // clears of it.
  void zacznij(const macierze& m, double piksel, int glebia_bity);
  // The arrays give the picture of the calls drawn in order.
  bool wierny() const { return wierny_; }
  // Primitives gathered since zacznij.
  std::size_t prymitywy() const { return ile_warstw_ == 0 ? 0 : (ile_warstw_ - 1) * pojemnosc_ + w_warstwie_; }
  // Draws the arrays through GL's current matrix, clearing the depth buffer before each run of depths. The first call after
  // gathering moves them into a GL buffer, where they stay until the next gathering, and frees
  // them: GL keeps its own copy. A batch goes there in the order of its primitives' place on the
  // plan: GL passes over whole runs of vertices outside the view at once, but clips every
  // primitive of a run that has one vertex outside, and a view moved over the arrays then finds
  // few such runs. Each primitive keeps its depth, so the order changes no pixel.
  void rysuj();
  // Deletes the GL buffer: call with its context current (the destructor leaves it to the
  // context, which frees it when it goes). What was gathered goes with it: gather again.
  void zwolnij_gl();
  // Floats held for the GL buffer's next upload.
  std::size_t floaty_w_pamieci() const;

  void kolor(float r, float g, float b) override { kolor(r, g, b, 1); }
  void kolor(float r, float g, float b, float a) override;
  void rozmiar_punktu(float rozmiar) override { rozmiar_ = static_cast<float>(rozmiar * piksel_); }
  void szerokosc_linii(float szerokosc) override { szerokosc_ = static_cast<float>(szerokosc * piksel_); }
  void punkt(double x, double y, double z) override;
  void linia(double x1, double y1, double z1, double x2, double y2, double z2) override;
  void pasek_poczatek() override;
  void wierzcholek(double x, double y, double z) override;
  void pasek_koniec() override { w_pasku_ = false; }
  void czworokat(const double xy[4][2], const double uv[4][2]) override;
  void tekstura(unsigned id) override {
    tekstura_ = id;
    z_tekstura_ = true;
  }
  void bez_tekstury() override { z_tekstura_ = false; }

 private:
  enum class rodzaj : std::uint8_t { punkty, linie, czworokaty };
  struct klucz {
    rodzaj r;
    float rozmiar;
    float rgba[4];
    bool z_tekstura;
    unsigned tekstura;
    bool operator==(const klucz&) const = default;
  };
  // Floats in blocks that double up to a limit: gathering never moves what it wrote, and a
  // batch leaves less than its last block unused.
  class bloki {
   public:
    void dodaj(float a, float b) {
      if (wolne_ < 2) nowy_blok();
      float* p = bloki_.back().get() + (rozmiar_bloku_ - wolne_);
      p[0] = a;
      p[1] = b;
      wolne_ -= 2;
      ile_ += 2;
    }
    void dodaj(float a, float b, float c) {
      if (wolne_ < 3) nowy_blok();
      float* p = bloki_.back().get() + (rozmiar_bloku_ - wolne_);
      p[0] = a;
      p[1] = b;
      p[2] = c;
      wolne_ -= 3;
      ile_ += 3;
    }
    std::size_t ile() const { return ile_; }
    std::size_t w_pamieci() const;
    // The float at index `f` of those added.
    const float* adres(std::size_t f) const;
    void zwolnij();

   private:
    // Multiples of 6, so that a block ends with whole vertices of either kind.
    static constexpr std::size_t PIERWSZY_BLOK = 96, NAJWIEKSZY_BLOK = 96 << 9;
    void nowy_blok();

    std::vector<std::unique_ptr<float[]>> bloki_;
    std::size_t rozmiar_bloku_ = 0, wolne_ = 0, ile_ = 0;
  };
  struct partia {
    klucz k;
    bloki xyz;
    bloki uv;  // quads only
    // Where the arrays went in the GL buffer, in floats, and how many vertices.
    std::size_t xyz_w_buforze = 0, uv_w_buforze = 0, wierzcholki = 0;
  };
  // Primitives between two clears of the depth buffer.
  struct warstwa {
    std::vector<partia> partie;
  };

  // A vertex as GL gets it.
  struct wierzcholek_gl {
    float x, y;
    bool operator==(const wierzcholek_gl&) const = default;
  };

  // The depth of the next primitive; a new layer when the depth buffer has no more room.
  float nowy_prymityw();
  partia& partia_dla(rodzaj r);
  wierzcholek_gl na_karte(double x, double y) const;
  void dodaj(partia& p, double x, double y, float z);
  void odcinek(wierzcholek_gl a, wierzcholek_gl b, float z);

  void wyslij();
  void wyslij_wedlug_miejsca(partia& p, std::vector<float>& pakiet);

  std::vector<warstwa> warstwy_;
  unsigned bufor_ = 0;
  bool wyslane_ = false;
  std::size_t ile_warstw_ = 0;
  std::uint32_t w_warstwie_ = 0;
  std::uint32_t pojemnosc_ = 0;
  float krok_glebi_ = 0;
  double piksel_ = 1;
  bool wierny_ = true;

  float rgba_[4] = {1, 1, 1, 1};
  float rozmiar_ = 1, szerokosc_ = 1;
  bool z_tekstura_ = false;
  unsigned tekstura_ = 0;
  bool w_pasku_ = false;
  bool pierwszy_w_pasku_ = false;
  float z_paska_ = 0;
  wierzcholek_gl poprzedni_{0, 0};
  partia* ostatnia_ = nullptr;
};
